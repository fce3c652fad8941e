/* glntfx.js - the Glintra banner show for browsers without Java.
 *
 * A page made with Pallima Glintra holds
 *   <p align="..."><applet code="glntfx.class" width=".." height=".."> <param ...> ... </applet></P>
 * Browsers no longer run applets, so this script finds every such applet,
 * puts a <canvas> of the same size where it was (the applet stays in the
 * page, hidden, so its params can still be read) and plays the same show
 * there: a port of applet/java/glntfx.java, frame for frame. Where the two
 * differ, one of them is wrong; keep them in step.
 *
 * For tests: window.glntfx.seek(ms) draws every player at that moment of its
 * show and holds the clock there; resume() lets it run again; whenReady (a
 * promise) and ready(callback) tell when every player has its images. See
 * applet/js/README.md.
 */
(function (W, D) {
'use strict';
if (!W || !D || !D.createElement) return;
// Included twice (every block may bring its own copy): the first copy
// does the work; a later one only looks for applets added since.
var prior = W.glntfx;
if (prior && prior.isGlntfxPlayer) {
  try { prior.scan(); } catch (e) { /* nothing more to do */ }
  return;
}

// ---- the applet's own numbers (see glntfx.java) ----
var NOTICE = 'Glintra banner applet. Banners designed with Pallima Glintra 1.5.';
var LINE_BREAK_CODE = '|_#`', COMMA_CODE = '~@^`';
var TRANSITION_MS = 700, MAX_BANNERS = 1000, MAX_FONT_SIZE = 1000, MAX_DELAY_MS = 3600000;
var LOAD_TIMEOUT_MS = 60000, MAX_PHASE_MS = 36000000, MAX_SIDE = 2048, BG_CACHE = 4;
var LONG_LINE = 256, MAX_MESSAGE = 1000;
// Our own: the canvas's backing store stays under this many pixels, and
// the spoken label under this many characters.
var MAX_PIXELS = 4e6, MAX_LABEL = 1000;
var L_BACK = 1, L_FACE = 2, L_RELIEF = 4, L_SHADOW = 8, L_ALL = 3;
var RELIEF_LIGHT = 'rgba(255,255,255,' + 170 / 255 + ')', RELIEF_DARK = 'rgba(0,0,0,' + 170 / 255 + ')';

// ---- Java's arithmetic and parsing ----

// (int) of a double, and int division: toward zero.
function trunc(v) { return v < 0 ? Math.ceil(v) : Math.floor(v); }
function idiv(a, b) { return trunc(a / b); }
function clamp(v, lo, hi) { return v < lo ? lo : (v > hi ? hi : v); }

// String.trim(): every character up to U+0020 goes, nothing else.
function jtrim(s) {
  var a = 0, b = s.length;
  while (a < b && s.charCodeAt(a) <= 32) a++;
  while (b > a && s.charCodeAt(b - 1) <= 32) b--;
  return s.substring(a, b);
}

// Integer.parseInt: the whole string, an int, or null.
function parseJ(s, radix) {
  if (!(radix === 16 ? /^[+-]?[0-9a-fA-F]+$/ : /^[+-]?[0-9]+$/).test(s)) return null;
  var v = parseInt(s, radix);
  return v > 2147483647 || v < -2147483648 ? null : v;
}

function toInt(s, def) {
  if (s == null) return def;
  s = jtrim(s);
  if (s.charAt(0) === '+') s = s.substring(1);
  var v = parseJ(s, 10);
  return v === null ? def : v;
}

// "rrggbb", with or without a leading # or 0x; colours are 0xrrggbb.
function toColor(s, def) {
  if (s == null) return def;
  s = jtrim(s);
  if (s.charAt(0) === '#') s = s.substring(1);
  else if (/^0x/i.test(s)) s = s.substring(2);
  if (!s.length || s.length > 6) return def;
  var v = parseJ(s, 16);
  return v === null ? def : v & 0xffffff;
}

// The n comma-separated fields of a value; the last takes the rest.
function fields(s, n) {
  var out = [], start = 0;
  for (var i = 0; i < n; i++) {
    if (s == null || start > s.length) { out.push(''); continue; }
    var comma = i === n - 1 ? -1 : s.indexOf(',', start);
    if (comma < 0) { out.push(s.substring(start)); start = s.length + 1; }
    else { out.push(s.substring(start, comma)); start = comma + 1; }
  }
  return out;
}

function replaceAll(s, what, by) { return s.split(what).join(by); }

function splitLines(text) {
  if (text == null) return [''];
  var s = replaceAll(replaceAll(text, LINE_BREAK_CODE, '\n'), '\r\n', '\n');
  return s.replace(/\r/g, '\n').replace(/\t/g, ' ').split('\n');
}

function rgb(c) { return 'rgb(' + (c >> 16 & 255) + ',' + (c >> 8 & 255) + ',' + (c & 255) + ')'; }
function mix(a, b, f) {
  var out = 0;
  for (var sh = 16; sh >= 0; sh -= 8) {
    var x = a >> sh & 255, y = b >> sh & 255;
    out |= Math.round(x + (y - x) * f) << sh;
  }
  return out;
}
function isDark(c) { return 0.299 * (c >> 16 & 255) + 0.587 * (c >> 8 & 255) + 0.114 * (c & 255) < 128; }
function contrast(c) { return isDark(c) ? mix(c, 0xffffff, 0.65) : mix(c, 0, 0.65); }

function smooth(p) { p = clamp(p, 0, 1); return p * p * (3 - 2 * p); }
function easeOut(p) { p = clamp(p, 0, 1); return 1 - (1 - p) * (1 - p); }
function easeIn(p) { p = clamp(p, 0, 1); return p * p; }
function progress(t, length) { return length <= 0 ? 1 : Math.min(1, Math.max(0, t / length)); }
function rate(speed) { return 20 / (20 + Math.max(0, speed)); }
function cap(ms) { return Math.max(0, Math.min(MAX_PHASE_MS, ms)); }
function msFor(distance, pxPerSecond) { return distance <= 0 ? 0 : cap(Math.ceil(distance * 1000 / pxPerSecond)); }
// A repeatable number in [0, 1) for n.
function rnd(n, salt) { var v = Math.sin(n * 12.9898 + salt * 78.233) * 43758.5453; return v - Math.floor(v); }
function opposite(dir) { return dir === 0 ? 1 : dir === 1 ? 0 : dir === 2 ? 3 : 2; }

// A line whose letters lie left to right in writing order, so a part of
// it lands where the whole would put it.
var RTL = /[\u0590-\u08ff\ufb1d-\ufdff\ufe70-\ufeff\u200e\u200f\u202a-\u202e\u2066-\u2069\ud802\ud803\ud83a\ud83b]/;

// The first m in 0..len with xs[m] >= v (len when there is none).
function firstFrom(xs, len, v) {
  var lo = 0, hi = len;
  while (lo < hi) {
    var mid = (lo + hi) >>> 1;
    if (xs[mid] < v) lo = mid + 1; else hi = mid;
  }
  return lo;
}

// ---- Links: only documents; script-bearing schemes never, however disguised ----

// The address as a browser might come to read it: character references
// and %-escapes undone once, blanks, controls and invisible characters
// dropped, lower case.
function unmask(u) {
  return u.replace(/&#(x[0-9a-f]+|[0-9]+);?|&(colon|tab|newline);|%([0-9a-f]{2})/gi, function (m, num, named, pct) {
    if (pct) return String.fromCharCode(parseInt(pct, 16));
    if (named) return named.toLowerCase() === 'colon' ? ':' : ' ';
    var v = /^x/i.test(num) ? parseInt(num.substring(1), 16) : parseInt(num, 10);
    return String.fromCharCode(v > 0xffff ? 0xfffd : v);
  }).replace(/[\x00-\x20\x7f-\xa0\xad\u200b-\u200f\u2028-\u202e\u2060-\u206f\ufeff]/g, '').toLowerCase();
}
function scriptScheme(u) { return /^(javascript|vbscript|data):/.test(unmask(u)); }
var DOCUMENT_SCHEMES = { 'http:': 1, 'https:': 1, 'ftp:': 1, 'file:': 1, 'mailto:': 1 };

// PgURL-k against the page: the address to open, or null for no link.
function resolveLink(u, base) {
  if (!u || scriptScheme(u)) return null;
  try {
    var r = new URL(u, base);
    return DOCUMENT_SCHEMES[r.protocol] === 1 && !scriptScheme(r.href) ? r.href : null;
  } catch (e) {
    return null;
  }
}

// Opens href in the frame named target, as a link of the page would.
function follow(href, target, near) {
  var a = D.createElement('a');
  a.href = href;
  a.target = target;
  if (target.toLowerCase() === '_blank') a.rel = 'noopener';
  a.style.display = 'none';
  var host = (near && near.parentNode) || D.body || D.documentElement;
  host.appendChild(a);
  try { a.click(); } finally { host.removeChild(a); }
}

// ---- Fonts: Java's logical fonts and its metrics ----

var ratioCache = {}, widthCache = {};
var measurer = null;
function measureCtx() {
  if (!measurer) measurer = plain(D.createElement('canvas').getContext('2d'));
  return measurer;
}
function cssFont(style, size, family) { return style + size + 'px ' + family; }

// Ascent and descent as Java's FontMetrics gives them (rounded up past
// 0.05); the font's own proportions come from one measurement at 1000px.
function metrics(style, size, family) {
  var key = style + family, r = ratioCache[key];
  if (!r) {
    var g = measureCtx();
    g.font = cssFont(style, 1000, family);
    var tm = g.measureText('Hg'), a = tm.fontBoundingBoxAscent, d = tm.fontBoundingBoxDescent;
    r = ratioCache[key] = { a: a > 0 ? a / 1000 : 0.928, d: d >= 0 ? d / 1000 : 0.236 };
  }
  var asc = Math.floor(0.95 + r.a * size), desc = Math.floor(0.95 + r.d * size);
  return { ascent: asc, descent: desc, height: asc + desc };
}

// Where each letter of s starts, from the line's start (one entry more
// than letters). Each distinct letter of a font is measured once, so a
// long text costs one pass.
function letterPositions(font, s) {
  var cache = widthCache[font] || (widthCache[font] = Object.create(null));
  var g = measureCtx(), set = false, xs = new Float64Array(s.length + 1);
  for (var j = 0; j < s.length; j++) {
    var ch = s.charAt(j), w = cache[ch];
    if (w === undefined) {
      if (!set) { g.font = font; set = true; }
      w = cache[ch] = g.measureText(ch).width;
    }
    xs[j + 1] = xs[j] + w;
  }
  return xs;
}
function width(xs) { return Math.floor(0.5 + xs[xs.length - 1]); }

// Java draws a text with each letter's own advance, no kerning and no
// ligatures; so must we, or the letters drawn one by one would not land
// where the whole text put them.
function plain(g) {
  g.fontKerning = 'none';
  g.textRendering = 'optimizeSpeed';
  g.f = null;
  return g;
}

function setFont(g, font) { if (g.f !== font) { g.font = font; g.f = font; } }
function restore(g) { g.restore(); g.f = null; }

// A canvas w by h (CSS pixels) drawn at scale s, with its context.
function surface(w, h, s) {
  var c = D.createElement('canvas');
  c.width = Math.max(1, Math.round(w * s));
  c.height = Math.max(1, Math.round(h * s));
  var g = plain(c.getContext('2d'));
  g.setTransform(c.width / w, 0, 0, c.height / h, 0, 0);
  return { c: c, g: g, w: w, h: h };
}

// An HTML length: {v, pct}; 0 when missing or not a length.
function dimension(s) {
  var m = /^[\t\n\f\r ]*([0-9]+(?:\.[0-9]*)?)[\t\n\f\r ]*(%?)/.exec(s || '');
  if (!m) return { v: 0, pct: false };
  var v = parseFloat(m[1]);
  return m[2] ? { v: Math.min(v, 1000), pct: true } : { v: Math.min(Math.floor(v), 1e6), pct: false };
}

// ---- One player ----

function Player(applet) {
  var self = this;
  this.applet = applet;
  this.ready = false;
  this.error = null;
  this.visible = true;
  this.current = -1;
  this.mouseInside = false;
  this.cursorLink = null;
  this.appW = this.appH = 0;
  this.scale = 0;
  this.stillKey = null;
  this.imagesDone = 0;
  this.images = [];

  var values = Object.create(null);
  for (var c = applet.firstElementChild; c; c = c.nextElementSibling) {
    if ((c.localName || c.tagName || '').toLowerCase() !== 'param') continue;
    var name = c.getAttribute('name');
    if (name == null) continue;
    name = name.toLowerCase();
    if (!(name in values)) { var v = c.getAttribute('value'); values[name] = v == null ? '' : v; }
  }
  this.values = values;
  this.docBase = D.baseURI || String(W.location);
  var cb = applet.getAttribute('codebase');
  try {
    this.codeBase = new URL(cb ? jtrim(cb) : '.', this.docBase).href.replace(/([^\/])$/, '$1/');
  } catch (e) {
    this.codeBase = null;
  }
  try {
    this.readParameters();
  } catch (e) {
    // A broken page must still give a quiet player: no banners.
    this.error = e;
    this.total = 0;
    this.allocate(0);
    this.noticeOk = false;
  }

  // The canvas, where the applet was.
  var cv = this.canvas = D.createElement('canvas');
  var wd = dimension(applet.getAttribute('width')), ht = dimension(applet.getAttribute('height'));
  this.size = { w: wd, h: ht };
  cv.style.width = wd.pct ? wd.v + '%' : Math.min(wd.v, MAX_SIDE) + 'px';
  cv.style.height = ht.pct ? ht.v + '%' : Math.min(ht.v, MAX_SIDE) + 'px';
  cv.width = cv.height = 1;
  cv.setAttribute('data-glntfx', '');
  var al = (applet.getAttribute('align') || '').toLowerCase();
  if (al === 'left' || al === 'right') cv.style.cssFloat = al;
  else cv.style.verticalAlign = { top: 'top', texttop: 'text-top', middle: 'middle', absmiddle: 'middle',
                                  absbottom: 'bottom' }[al] || 'baseline';
  var hs = toInt(applet.getAttribute('hspace'), 0), vs = toInt(applet.getAttribute('vspace'), 0);
  if (hs > 0 || vs > 0) cv.style.margin = clamp(vs, 0, 500) + 'px ' + clamp(hs, 0, 500) + 'px';
  this.describe();
  applet.parentNode.insertBefore(cv, applet);
  applet.style.display = 'none';
  this.ctx = cv.getContext('2d');
  cv.glntfxPlayer = this;

  function guard(f) { return function (e) { try { f(e); } catch (err) { self.error = err; } }; }
  cv.addEventListener('click', guard(function () { self.openLink(self.current); }));
  cv.addEventListener('keydown', guard(function (e) {
    if (e.key === 'Enter' || e.keyCode === 13) self.openLink(self.current);
  }));
  var inside = guard(function () { self.mouseInside = true; self.updateCursor(); });
  cv.addEventListener('mousemove', inside);
  cv.addEventListener('mouseenter', inside);
  cv.addEventListener('mouseleave', guard(function () { self.mouseInside = false; self.updateCursor(); }));

  this.startImageLoading();
}

var P = Player.prototype;

P.param = function (name, def) {
  var v = this.values[name.toLowerCase()];
  return v === undefined ? (def === undefined ? null : def) : v;
};

P.readParameters = function () {
  this.withBar = true;
  this.loadMessage = 'Loading Image...';
  var pb = this.param('ProgressBar');
  if (pb != null) {
    var f = fields(pb, 2);
    this.withBar = toInt(f[0], 1) !== 0;
    if (pb.indexOf(',') >= 0) this.loadMessage = replaceAll(f[1], COMMA_CODE, ',');
  }
  if (this.loadMessage.length > MAX_MESSAGE) this.loadMessage = this.loadMessage.substring(0, MAX_MESSAGE);
  var m = fields(this.param('ApMargin', '0,0'), 2);
  this.marginH = clamp(toInt(m[0], 0), 0, 5000);
  this.marginV = clamp(toInt(m[1], 0), 0, 5000);
  this.borderWidth = clamp(toInt(this.param('ApBorderWidth'), 0), 0, 5000);
  this.borderType = toInt(this.param('ApBorderType'), 0);
  this.borderImagePath = jtrim(this.param('ApBKImg', ''));
  this.appColor = toColor(this.param('ApBKColor'), 0);
  this.appCss = rgb(this.appColor);
  this.backMoveSpeed = clamp(toInt(this.param('BackMoveSpeed'), 0), 0, 100000);
  var notice = this.param('Notice');
  this.noticeOk = notice != null && jtrim(notice) === NOTICE;

  var n = toInt(this.param('PgTotal'), -1);
  if (n < 0) {
    // No usable count: take the banners that are there.
    n = 0;
    while (n < MAX_BANNERS && (this.param('PgBKStyle-' + n) != null || this.param('PgText-' + n) != null)) n++;
  }
  n = clamp(n, 0, MAX_BANNERS);
  this.allocate(n);
  this.total = n;
  for (var k = 0; k < n; k++) this.readBanner(k);
  for (k = 0; k < n; k++) this.link[k] = resolveLink(this.url[k], this.docBase);
};

P.allocate = function (n) {
  var names = ['bkType', 'bkPut', 'connStyle', 'delay', 'bkColor', 'bkImagePath', 'url', 'target', 'link',
               'font', 'fontSize', 'family', 'style', 'align', 'offX', 'offY', 'effect', 'speed', 'anim',
               'misc1', 'misc2', 'fontColor', 'shadowColor', 'fontCss', 'shadowCss', 'lines', 'bkImage'];
  for (var j = 0; j < names.length; j++) this[names[j]] = new Array(n);
};

P.readBanner = function (k) {
  // PgBKStyle-k "type,rrggbb,image,puttype": the image may hold commas,
  // so it is everything between the second and the last comma.
  var f = fields(this.param('PgBKStyle-' + k, '1,000000,,0'), 3);
  this.bkType[k] = toInt(f[0], 1);
  this.bkColor[k] = toColor(f[1], 0);
  var rest = f[2], last = rest.lastIndexOf(',');
  this.bkImagePath[k] = jtrim(last >= 0 ? rest.substring(0, last) : rest);
  this.bkPut[k] = last >= 0 ? toInt(rest.substring(last + 1), 0) : 0;
  this.connStyle[k] = toInt(this.param('PgConnStyle-' + k), 0);
  this.delay[k] = clamp(toInt(this.param('PgDelay-' + k), 2000), 0, MAX_DELAY_MS);
  this.url[k] = jtrim(this.param('PgURL-' + k, ''));
  var tg = jtrim(this.param('UrlTarget-' + k, ''));
  this.target[k] = tg.length ? tg : '_self';

  // FontStyle-k "size,font,rrggbb,style,align,x,y,effect,shadow"
  var fs = fields(this.param('FontStyle-' + k, '18,t,ffffff,p,0,0,0,0,000000'), 9);
  var size = toInt(fs[0], 18);
  this.fontSize[k] = size <= 0 ? 18 : Math.min(size, MAX_FONT_SIZE);
  var fl = jtrim(fs[1]).toLowerCase();
  this.family[k] = fl.charAt(0) === 'h' || fl === '1' ? 'sans-serif' : fl.charAt(0) === 'c' || fl === '2' ? 'monospace' : 'serif';
  this.fontColor[k] = toColor(fs[2], 0xffffff);
  var sl = jtrim(fs[3]).toLowerCase();
  this.style[k] = sl.charAt(0) === 'b' || sl === '1' ? 'bold ' : sl.charAt(0) === 'i' || sl === '2' ? 'italic ' : '';
  this.font[k] = cssFont(this.style[k], this.fontSize[k], this.family[k]);
  var a = toInt(fs[4], 0);
  this.align[k] = a < 0 || a > 8 ? 0 : a;
  this.offX[k] = clamp(toInt(fs[5], 0), -100000, 100000);
  this.offY[k] = clamp(toInt(fs[6], 0), -100000, 100000);
  this.effect[k] = toInt(fs[7], 0);
  this.shadowColor[k] = toColor(fs[8], 0);
  this.fontCss[k] = rgb(this.fontColor[k]);
  this.shadowCss[k] = rgb(this.shadowColor[k]);

  this.lines[k] = splitLines(this.param('PgText-' + k, ''));
  this.speed[k] = clamp(toInt(this.param('PgTextSpeed-' + k), 0), 0, 1000);
  var an = fields(this.param('PgTextAnimate-' + k, '6,0,0'), 3);
  this.anim[k] = toInt(an[0], 6);
  this.misc1[k] = clamp(toInt(an[1], 0), -1, MAX_DELAY_MS);
  this.misc2[k] = clamp(toInt(an[2], 0), -1, MAX_DELAY_MS);
};

P.hasLink = function (i) { return this.noticeOk && i >= 0 && i < this.total && this.link[i] != null; };

// Role, label and focus: what the show says, and whether it is a link.
P.describe = function () {
  var cv = this.canvas, texts = [], seen = Object.create(null), anyLink = false, length = 0;
  for (var i = 0; i < this.total && length < MAX_LABEL; i++) {
    anyLink = anyLink || this.hasLink(i);
    if (this.anim[i] === 0) continue;   // a banner that shows no text
    var s = '', ls = this.lines[i];
    for (var k = 0; k < ls.length && s.length < MAX_LABEL; k++) s += ' ' + ls[k].substring(0, MAX_LABEL);
    s = s.replace(/\s+/g, ' ').replace(/^ | $/g, '');
    if (s && !seen[s]) { seen[s] = 1; texts.push(s); length += s.length; }
  }
  for (; i < this.total && !anyLink; i++) anyLink = this.hasLink(i);
  for (var j = 0; j + 1 < texts.length; j++) if (!/[.!?:;]$/.test(texts[j])) texts[j] += '.';
  var label = this.noticeOk ? texts.join(' ') : NOTICE;
  if (label.length > MAX_LABEL) label = label.substring(0, MAX_LABEL - 1) + '\u2026';
  cv.setAttribute('role', anyLink ? 'link' : 'img');
  cv.setAttribute('aria-label', label || 'Banner');
  if (anyLink) cv.setAttribute('tabindex', '0');
};

P.openLink = function (i) {
  if (!this.ready || !this.hasLink(i)) return;
  follow(this.link[i], this.target[i], this.canvas);
};

// The hand over a banner with a link.
P.updateCursor = function () {
  var link = this.mouseInside && this.hasLink(this.current);
  if (link !== this.cursorLink) {
    this.cursorLink = link;
    this.canvas.style.cursor = link ? 'pointer' : '';
  }
};

// ---- Images ----

// A path from the params, as the applet reads it: against the page (its
// document base), the codebase only when the page's address cannot be used.
P.imageUrl = function (path) {
  var ref = replaceAll(path.replace(/\\/g, '/'), ' ', '%20');
  var bases = [this.docBase, this.codeBase];
  for (var j = 0; j < bases.length; j++) {
    try { if (bases[j]) return new URL(ref, bases[j]).href; } catch (e) { /* the next base */ }
  }
  return null;
};

// Every image is asked for once, however many banners name it; the show
// starts when every one has arrived or failed, or after a minute.
P.startImageLoading = function () {
  var self = this, paths = [], k;
  if (this.borderType === 4 && this.borderImagePath.length) paths.push(this.borderImagePath);
  for (k = 0; k < this.total; k++) {
    var p = this.bkType[k] === 0 ? this.bkImagePath[k] : '';
    if (p.length && paths.indexOf(p) < 0) paths.push(p);
  }
  this.imagePaths = paths;
  this.images = [];
  if (!paths.length) { this.finishLoading(); return; }
  paths.forEach(function (path, j) {
    var url = self.imageUrl(path), entry = { path: path, url: url, img: null, ok: false, done: false };
    self.images.push(entry);
    function settle(ok) {
      if (entry.done) return;
      entry.done = true;
      entry.ok = ok && entry.img.naturalWidth > 0 && entry.img.naturalHeight > 0;
      self.imagesDone++;
      if (self.imagesDone >= self.images.length) self.finishLoading();
      else kick();
    }
    if (!url) { entry.done = true; self.imagesDone++; return; }
    var img = entry.img = new Image();
    img.onload = function () { try { settle(true); } catch (e) { self.error = e; } };
    img.onerror = function () { try { settle(false); } catch (e) { self.error = e; } };
    img.src = url;
  });
  if (this.imagesDone >= this.images.length) { this.finishLoading(); return; }
  this.loadTimer = setTimeout(function () { try { self.finishLoading(); } catch (e) { self.error = e; } }, LOAD_TIMEOUT_MS);
};

P.loadedImage = function (path) {
  for (var j = 0; j < this.images.length; j++)
    if (this.images[j].path === path) return this.images[j].ok ? this.images[j].img : null;
  return null;
};

P.finishLoading = function () {
  if (this.ready) return;
  clearTimeout(this.loadTimer);
  this.borderImage = this.borderType === 4 && this.borderImagePath.length ? this.loadedImage(this.borderImagePath) : null;
  for (var k = 0; k < this.total; k++)
    this.bkImage[k] = this.bkType[k] === 0 && this.bkImagePath[k].length ? this.loadedImage(this.bkImagePath[k]) : null;
  this.clearBackgrounds();
  this.ready = true;
  this.playStart = now();
  this.stillKey = null;
  if (frozen) this.drawSafely();
  checkReady();
  kick();
};

// ---- Layout and timeline ----

P.layout = function (w, h, s) {
  this.appW = w; this.appH = h; this.scale = s;
  var cv = this.canvas;
  cv.width = Math.max(1, Math.round(w * s));
  cv.height = Math.max(1, Math.round(h * s));
  plain(this.ctx).setTransform(cv.width / w, 0, 0, cv.height / h, 0, 0);
  // Border styles 1 to 4 draw a frame of ApBorderWidth; an unknown
  // non-zero style a plain one.
  this.inset = this.borderType !== 0 ? Math.min(this.borderWidth, idiv(Math.min(w, h), 2)) : 0;
  this.ax = this.inset + this.marginH;
  this.ay = this.inset + this.marginV;
  this.aw = w - 2 * this.ax;
  this.ah = h - 2 * this.ay;
  if (this.aw < 1) { this.ax = Math.max(0, idiv(w, 2)); this.aw = 1; }
  if (this.ah < 1) { this.ay = Math.max(0, idiv(h, 2)); this.ah = 1; }
  this.view = [0, 0, this.aw, this.ah];
  this.cur = surface(this.aw, this.ah, s);
  this.prev = surface(this.aw, this.ah, s);
  this.fx = surface(this.aw, this.ah, s);
  this.clearBackgrounds();
  this.noticeRows = null;
  this.stillKey = null;
  if (!this.measured) this.measureTexts();
  this.placeTexts();
  this.computeTimeline();
};

// Sizes of every text: they do not depend on the applet's size, so once.
P.measureTexts = function () {
  var n = this.total;
  this.ascent = []; this.descent = []; this.lineH = []; this.blockW = []; this.blockH = [];
  this.lineW = []; this.letterX = []; this.letterCount = []; this.lineStart = []; this.cut = [];
  for (var i = 0; i < n; i++) {
    var fm = metrics(this.style[i], this.fontSize[i], this.family[i]), ls = this.lines[i];
    this.ascent[i] = fm.ascent;
    this.descent[i] = fm.descent;
    this.lineH[i] = Math.max(1, fm.height);
    var lw = this.lineW[i] = new Array(ls.length), lx = this.letterX[i] = new Array(ls.length);
    var st = this.lineStart[i] = new Array(ls.length), cut = this.cut[i] = new Array(ls.length);
    var bw = 0, count = 0;
    for (var k = 0; k < ls.length; k++) {
      lx[k] = letterPositions(this.font[i], ls[k]);
      lw[k] = width(lx[k]);
      bw = Math.max(bw, lw[k]);
      st[k] = count;
      cut[k] = ls[k].length >= LONG_LINE && !RTL.test(ls[k]);
      count += ls[k].length;
    }
    this.letterCount[i] = count;
    this.blockW[i] = bw;
    this.blockH[i] = (ls.length - 1) * this.lineH[i] + fm.ascent + fm.descent;
  }
  this.measured = true;
};

// align = horizontal * 3 + vertical; horizontal 0 middle, 1 left, 2 right;
// vertical 0 middle, 1 top, 2 bottom. A small pad keeps outlines and
// shadows off the edge.
P.placeTexts = function () {
  var n = this.total, aw = this.aw, pad = 2;
  this.restX = []; this.restY = []; this.vsMulti = []; this.vsTop = [];
  for (var i = 0; i < n; i++) {
    var hz = idiv(this.align[i], 3), vt = this.align[i] % 3, bw = this.blockW[i];
    var x = hz === 1 ? pad : hz === 2 ? aw - bw - pad : idiv(aw - bw, 2);
    if (this.anim[i] === 1 && bw > aw) x = pad;   // a long ticker text stops with its start in view
    this.restX[i] = x + this.offX[i];
    this.restY[i] = this.vTop(vt, this.blockH[i], pad) + this.offY[i];
    this.vsMulti[i] = this.anim[i] === 2 && this.lines[i].length > 1 && this.blockH[i] > this.ah;
    this.vsTop[i] = this.vTop(vt, this.ascent[i] + this.descent[i], pad) + this.offY[i];
  }
};

P.vTop = function (vt, height, pad) {
  return vt === 1 ? pad : vt === 2 ? this.ah - height - pad : idiv(this.ah - height, 2);
};
P.lineLeft = function (i, k) {
  var hz = idiv(this.align[i], 3), free = this.blockW[i] - this.lineW[i][k];
  return this.restX[i] + (hz === 1 ? 0 : hz === 2 ? free : idiv(free, 2));
};
P.baseline = function (i, k) { return this.restY[i] + this.ascent[i] + k * this.lineH[i]; };

// After its transition (700 ms, none for a cut) a banner runs through
// in (the text's entrance), hold (PgDelay or the style's own showing
// time), out (its exit) and rest (what remains of PgDelay for the styles
// 9, 10 and 13 that bring their own time).
P.computeTimeline = function () {
  var n = this.total, at = 0;
  this.tConn = []; this.tIn = []; this.tHold = []; this.tOut = []; this.tRest = [];
  this.tStep = []; this.tScreen = []; this.bannerStart = []; this.bannerDur = [];
  for (var i = 0; i < n; i++) {
    var r = rate(this.speed[i]), d = this.delay[i], tin = 0, hold = d, out = 0, own = false, v;
    this.tStep[i] = this.tScreen[i] = 0;
    switch (this.anim[i]) {
      case 1:
        v = 240 * r;
        tin = msFor(this.aw - this.restX[i], v);
        out = msFor(this.restX[i] + this.blockW[i], v);
        break;
      case 2:
        v = 120 * r;
        if (this.vsMulti[i]) {
          var h = this.ascent[i] + this.descent[i];
          this.tStep[i] = msFor(this.ah - this.vsTop[i], v);
          this.tScreen[i] = cap(this.tStep[i] + Math.max(0, this.misc1[i]) + msFor(this.vsTop[i] + h, v));
          tin = cap((this.lines[i].length - 1) * this.tScreen[i] + this.tStep[i]);
        } else {
          tin = msFor(this.ah - this.restY[i], v);
        }
        break;
      case 3:
        this.tStep[i] = trunc(40 / r);
        tin = cap(this.letterCount[i] * this.tStep[i]);
        break;
      case 4:
        this.tStep[i] = trunc(60 / r);
        tin = cap(Math.max(0, this.letterCount[i] - 1) * this.tStep[i] + 450);
        break;
      case 5: tin = trunc(600 / r) + 250; break;
      case 7: tin = trunc(400 / r); break;
      case 8: tin = trunc(500 / r); break;
      case 9:
      case 10:
        tin = trunc(250 / r) + 150;
        hold = this.misc1[i] > 0 ? this.misc1[i] : d;
        out = trunc(300 / r) + 200;
        own = true;
        break;
      case 11: tin = trunc(700 / r); break;
      case 12: tin = trunc(600 / r); break;
      case 13:
        tin = out = trunc(600 / r);
        hold = this.misc2[i] > 0 ? this.misc2[i] : d;
        own = true;
        break;
      case 14: tin = this.misc1[i] > 0 ? this.misc1[i] : 2000; break;
      default: break;   // 0 no text, 6 static, anything unknown
    }
    var cs = this.connStyle[i];
    this.tConn[i] = cs >= 0 && cs <= 12 ? TRANSITION_MS : 0;
    this.tIn[i] = tin = cap(tin);
    this.tHold[i] = hold = cap(hold);
    this.tOut[i] = out = cap(out);
    this.tRest[i] = own ? cap(d - (tin + hold + out)) : 0;
    this.bannerDur[i] = Math.max(100, this.tConn[i] + tin + hold + out + this.tRest[i]);
    this.bannerStart[i] = at;
    at += this.bannerDur[i];
  }
  this.cycle = Math.max(1, at);
};

// The banner showing at tc, a time within one round of the show.
P.bannerAt = function (tc) {
  var lo = 0, hi = this.total - 1;
  while (lo < hi) {
    var mid = (lo + hi + 1) >>> 1;
    if (this.bannerStart[mid] <= tc) lo = mid; else hi = mid - 1;
  }
  return lo;
};

// ---- Frames ----

// Draws the current frame; t is the show's time, or taken from the clock.
P.draw = function (clock) {
  var w, h, cv = this.canvas;
  w = this.size.w.pct ? Math.floor(cv.clientWidth) : this.size.w.v;
  h = this.size.h.pct ? Math.floor(cv.clientHeight) : this.size.h.v;
  w = Math.min(w, MAX_SIDE);
  h = Math.min(h, MAX_SIDE);
  if (!(w > 0 && h > 0) || !this.ctx) return;
  var dpr = W.devicePixelRatio > 0 ? W.devicePixelRatio : 1;
  var s = Math.min(dpr, 4, Math.sqrt(MAX_PIXELS / (w * h)));
  if (w !== this.appW || h !== this.appH || s !== this.scale) this.layout(w, h, s);
  var g = this.ctx;
  g.globalAlpha = 1;
  if (!this.ready) {
    this.renderLoading(g);
    return;
  }
  this.renderFrame(g, frozen ? frozenAt : Math.floor(clock - this.playStart));
  this.updateCursor();
};

P.drawSafely = function () {
  try { this.draw(now()); } catch (e) { this.error = e; }
};

P.renderFrame = function (g, t) {
  if (t < 0) t = 0;
  var i = -1, local = 0;
  if (this.noticeOk && this.total > 0) {
    var tc = t % this.cycle;
    i = this.bannerAt(tc);
    local = tc - this.bannerStart[i];
    if (reduce) {
      // Still frames change only when the banner (or its line) does.
      var key = i + '/' + (this.vsMulti[i] ? this.screenAt(i, Math.max(0, local - this.tConn[i])) : 0);
      this.current = i;
      if (key === this.stillKey) return;
      this.stillKey = key;
    }
  }
  g.fillStyle = this.appCss;
  g.fillRect(0, 0, this.appW, this.appH);
  this.drawBorder(g);
  this.current = i;
  if (!this.noticeOk) { this.drawNotice(g); return; }
  if (i < 0) return;

  var ax = this.ax, ay = this.ay, aw = this.aw, ah = this.ah;
  this.renderBanner(this.cur, i, local - this.tConn[i], t);
  if (local < this.tConn[i] && !reduce) {
    // The very first banner comes in over the bare applet background.
    var p = (t < this.cycle && i === 0) ? -1 : (i + this.total - 1) % this.total;
    if (p >= 0) {
      this.renderBanner(this.prev, p, this.bannerDur[p] - this.tConn[p], t);
    } else {
      this.prev.g.fillStyle = this.appCss;
      this.prev.g.fillRect(0, 0, aw, ah);
    }
    this.drawTransition(g, this.connStyle[i], smooth(local / this.tConn[i]));
  } else {
    g.drawImage(this.cur.c, ax, ay, aw, ah);
  }
};

// Banner i into an area-sized surface; tt is the time since its transition ended.
P.renderBanner = function (area, i, tt, t) {
  var g = area.g;
  g.f = null;
  g.globalAlpha = 1;
  g.globalCompositeOperation = 'source-over';
  this.drawBackground(g, i, reduce ? 0 : t);
  if (tt < 0) tt = 0;
  if (reduce) this.drawStill(g, i, tt);
  else this.drawBannerText(g, i, tt);
  g.globalAlpha = 1;
};

// PgConnStyle: 0 blend; 1-4 cover from the left, right, top, bottom;
// 5-8 push the same ways; 9-12 diagonal wipe from the left top, right
// bottom, right top, left bottom corner; other values cut.
P.drawTransition = function (g, style, p) {
  var aw = this.aw, ah = this.ah, cur = this.cur.c, prev = this.prev.c;
  g.save();
  g.beginPath();
  g.rect(this.ax, this.ay, aw, ah);
  g.clip();
  g.translate(this.ax, this.ay);
  var ix = Math.round(aw * (1 - p)), iy = Math.round(ah * (1 - p)), ox = Math.round(aw * p), oy = Math.round(ah * p);
  switch (style) {
    case 0:
      g.drawImage(prev, 0, 0, aw, ah);
      g.globalAlpha = p;
      g.drawImage(cur, 0, 0, aw, ah);
      break;
    case 1: case 2: case 3: case 4:
      g.drawImage(prev, 0, 0, aw, ah);
      g.drawImage(cur, style === 1 ? -ix : style === 2 ? ix : 0, style === 3 ? -iy : style === 4 ? iy : 0, aw, ah);
      break;
    case 5: g.drawImage(prev, ox, 0, aw, ah); g.drawImage(cur, -ix, 0, aw, ah); break;
    case 6: g.drawImage(prev, -ox, 0, aw, ah); g.drawImage(cur, ix, 0, aw, ah); break;
    case 7: g.drawImage(prev, 0, oy, aw, ah); g.drawImage(cur, 0, -iy, aw, ah); break;
    case 8: g.drawImage(prev, 0, -oy, aw, ah); g.drawImage(cur, 0, iy, aw, ah); break;
    case 9: case 10: case 11: case 12:
      g.drawImage(prev, 0, 0, aw, ah);
      // A triangle grows from the corner until it covers the area.
      var sx = Math.ceil(2 * aw * p), sy = Math.ceil(2 * ah * p);
      var right = style === 10 || style === 11, bottom = style === 10 || style === 12;
      var cx = right ? aw : 0, cy = bottom ? ah : 0;
      g.beginPath();
      g.moveTo(cx, cy);
      g.lineTo(right ? cx - sx : cx + sx, cy);
      g.lineTo(cx, bottom ? cy - sy : cy + sy);
      g.closePath();
      g.clip();
      g.drawImage(cur, 0, 0, aw, ah);
      break;
    default:
      g.drawImage(cur, 0, 0, aw, ah);
  }
  restore(g);
};

// Java's 12px (loading) and 11px (notice) SansSerif.
P.uiFont = function (size) {
  var m = metrics('', size, 'sans-serif');
  m.font = cssFont('', size, 'sans-serif');
  return m;
};
P.textWidth = function (g, s) { return Math.floor(0.5 + g.measureText(s).width); };

// The loading screen: the message, and under it the bar when asked for.
P.renderLoading = function (g) {
  var w = this.appW, h = this.appH;
  g.fillStyle = this.appCss;
  g.fillRect(0, 0, w, h);
  this.drawBorder(g);
  var ink = rgb(contrast(this.appColor)), fm = this.uiFont(12), msg = this.loadMessage;
  setFont(g, fm.font);
  var barH = this.withBar ? 8 : 0, gap = this.withBar ? 6 : 0, textH = msg.length ? fm.height : 0;
  var top = idiv(h - textH - gap - barH, 2);
  g.fillStyle = ink;
  if (textH > 0) {
    if (this.msgWidth == null) this.msgWidth = this.textWidth(g, msg);
    g.fillText(msg, idiv(w - this.msgWidth, 2), top + fm.ascent);
  }
  if (this.withBar) {
    var bw = Math.max(10, Math.min(w - 2 * this.inset - 20, 200)), bx = idiv(w - bw, 2), by = top + textH + gap;
    var count = this.images.length, done = count === 0 ? 1 : this.imagesDone / count;
    g.strokeStyle = ink;
    g.lineWidth = 1;
    g.strokeRect(bx + 0.5, by + 0.5, bw - 1, barH - 1);
    g.fillRect(bx + 2, by + 2, trunc((bw - 4) * done), barH - 4);
  }
};

// Without the right notice the notice is shown instead of banners.
P.drawNotice = function (g) {
  var fm = this.uiFont(11), self = this;
  setFont(g, fm.font);
  if (!this.noticeRows) {
    var words = NOTICE.split(' '), rows = [], row = '';
    words.forEach(function (word) {
      var next = row.length ? row + ' ' + word : word;
      if (row.length && self.textWidth(g, next) > self.aw - 4) { rows.push(row); row = word; }
      else row = next;
    });
    rows.push(row);
    this.noticeRows = rows.map(function (r) { return { s: r, w: self.textWidth(g, r) }; });
  }
  var n = this.noticeRows.length, y = this.ay + idiv(this.ah - n * fm.height, 2) + fm.ascent;
  g.fillStyle = rgb(contrast(this.appColor));
  for (var j = 0; j < n; j++, y += fm.height)
    g.fillText(this.noticeRows[j].s, this.ax + idiv(this.aw - this.noticeRows[j].w, 2), y);
};

// ApBorderType: 1 plain frame in a colour that stands off the applet
// colour, 2 bulge, 3 sunken, 4 the ApBKImg image (a plain frame while
// there is none); any other non-zero value the plain frame.
P.drawBorder = function (g) {
  var b = this.inset, w = this.appW, h = this.appH, app = this.appColor;
  if (b <= 0) return;
  if (this.borderType === 2 || this.borderType === 3) {
    var light = mix(app, 0xffffff, 0.7), dark = mix(app, 0, 0.6), raised = this.borderType === 2;
    for (var k = 0; k < b; k++) {
      var f = b === 1 ? 0 : k / (b - 1) * 0.35;
      g.fillStyle = rgb(mix(raised ? light : dark, app, f));
      g.fillRect(k, k, w - 2 * k, 1);
      g.fillRect(k, k, 1, h - 2 * k);
      g.fillStyle = rgb(mix(raised ? dark : light, app, f));
      g.fillRect(k, h - 1 - k, w - 2 * k, 1);
      g.fillRect(w - 1 - k, k + 1, 1, h - 2 * k - 1);
    }
    return;
  }
  if (this.borderType === 4 && this.borderImage) {
    // The image repeated from the applet's top left corner, seen through the frame.
    if (!this.borderPaint) this.borderPaint = g.createPattern(this.borderImage, 'repeat');
    g.fillStyle = this.borderPaint;
  } else {
    g.fillStyle = rgb(contrast(app));
  }
  g.fillRect(0, 0, w, b);
  g.fillRect(0, h - b, w, b);
  g.fillRect(0, b, b, h - 2 * b);
  g.fillRect(w - b, b, b, h - 2 * b);
};

// ---- Backgrounds ----

// Images and the two textures move to the left by BackMoveSpeed (0 still,
// 1 fastest, 400 slow) and wrap around.
P.drawBackground = function (g, i, t) {
  var bg = this.background(i), cw = bg.w, ah = this.ah;
  if (!this.movable(i) || this.backMoveSpeed <= 0) { g.drawImage(bg.c, 0, 0, cw, ah); return; }
  var pxPerSecond = 4000 / (this.backMoveSpeed + 20), off = Math.floor(t * pxPerSecond / 1000) % cw;
  g.drawImage(bg.c, -off, 0, cw, ah);
  if (cw - off < this.aw) g.drawImage(bg.c, cw - off, 0, cw, ah);
};

// Only the last few built backgrounds are kept; a frame needs two at most.
P.background = function (i) {
  var cache = this.bgCache;
  for (var j = 0; j < cache.length; j++) if (cache[j].i === i) return cache[j].bg;
  var bg = this.buildBackground(i);
  if (cache.length >= BG_CACHE) cache.shift();
  cache.push({ i: i, bg: bg });
  return bg;
};
P.clearBackgrounds = function () { this.bgCache = []; this.borderPaint = null; };

P.movable = function (i) {
  var t = this.bkType[i];
  return (t === 0 && this.bkImage[i] != null) || t === 2 || t === 3;
};
// The width over which a fill repeats, so moving it wraps without a seam.
P.period = function (i) {
  var t = this.bkType[i];
  if (t === 0 && this.bkImage[i] && this.bkPut[i] === 1) return this.bkImage[i].naturalWidth;
  return t === 2 ? 16 : t === 3 ? 6 : 0;
};

P.buildBackground = function (i) {
  var aw = this.aw, ah = this.ah, per = this.period(i), moving = this.backMoveSpeed > 0 && this.movable(i);
  if (moving && per === 0) {
    // A picture that does not repeat moves as itself followed by its
    // mirror image, so both joins are seamless.
    var one = this.paintFill(i, aw, ah), two = surface(2 * aw, ah, this.scale), g = two.g;
    g.drawImage(one.c, 0, 0, aw, ah);
    g.translate(2 * aw, 0);
    g.scale(-1, 1);
    g.drawImage(one.c, 0, 0, aw, ah);
    return two;
  }
  return this.paintFill(i, moving ? Math.ceil(aw / per) * per : aw, ah);
};

// PgBKStyle type, c the banner colour: 0 image over c (puttype 0 centred,
// 1 tiled, other stretched); 1 c; 2 canvas texture; 3 pinstripe; 4-7
// horizontal gradient c-black, c-white, black-c, white-c; 8-11 the same
// vertical; 12-15 horizontal shade black/c, white/c, c/black, c/white
// (first colour at both sides); 16-19 the same vertical; other c.
P.paintFill = function (i, w, h) {
  var sf = surface(w, h, this.scale), g = sf.g, c = this.bkColor[i], type = this.bkType[i];
  g.fillStyle = rgb(c);
  g.fillRect(0, 0, w, h);
  if (type === 0) {
    var pic = this.bkImage[i];
    if (pic) {
      var iw = pic.naturalWidth, ih = pic.naturalHeight;
      if (this.bkPut[i] === 0) {
        g.drawImage(pic, idiv(w - iw, 2), idiv(h - ih, 2), iw, ih);
      } else if (this.bkPut[i] === 1) {
        g.fillStyle = g.createPattern(pic, 'repeat');
        g.fillRect(0, 0, w, h);
      } else {
        g.drawImage(pic, 0, 0, w, h);
      }
    }
  } else if (type === 2) {
    g.imageSmoothingEnabled = false;
    g.fillStyle = g.createPattern(canvasTile(c), 'repeat');
    g.fillRect(0, 0, w, h);
  } else if (type === 3) {
    var s1 = rgb(mix(c, 0xffffff, 0.28)), s2 = rgb(mix(c, 0xffffff, 0.10));
    for (var x = 0; x < w; x += 6) {
      g.fillStyle = s1; g.fillRect(x, 0, 1, h);
      g.fillStyle = s2; g.fillRect(x + 1, 0, 1, h);
    }
  } else if (type >= 4 && type <= 19) {
    var v = (type - 4) % 4, a, b;
    if (type <= 11) {
      a = v < 2 ? c : (v === 2 ? 0 : 0xffffff);
      b = v < 2 ? (v === 0 ? 0 : 0xffffff) : c;
    } else {
      a = v < 2 ? (v === 0 ? 0 : 0xffffff) : c;
      b = v < 2 ? c : (v === 2 ? 0 : 0xffffff);
    }
    var horizontal = type <= 7 || (type >= 12 && type <= 15), shade = type >= 12;
    var grad = horizontal ? g.createLinearGradient(0, 0, w, 0) : g.createLinearGradient(0, 0, 0, h);
    grad.addColorStop(0, rgb(a));
    if (shade) { grad.addColorStop(0.5, rgb(b)); grad.addColorStop(1, rgb(a)); }
    else grad.addColorStop(1, rgb(b));
    g.fillStyle = grad;
    g.fillRect(0, 0, w, h);
  }
  return sf;
};

// A woven look: threads two pixels wide crossing over and under, with a
// little grain; one 16 by 16 piece of it.
var tileCache = {};
function canvasTile(c) {
  if (tileCache[c]) return tileCache[c];
  var cv = D.createElement('canvas');
  cv.width = cv.height = 16;
  var g = cv.getContext('2d'), img = g.createImageData(16, 16), lift = isDark(c) ? 22 : 16;
  for (var py = 0; py < 16; py++) {
    for (var px = 0; px < 16; px++) {
      var over = (((px >> 2) + (py >> 2)) & 1) === 0;
      var d = over ? ((py & 3) === 0 ? -lift : idiv(lift, 3)) : ((px & 3) === 0 ? -lift : 0);
      d += trunc(rnd(px * 16 + py, 7) * 10) - 5;
      var o = (py * 16 + px) * 4;
      img.data[o] = clamp((c >> 16 & 255) + d, 0, 255);
      img.data[o + 1] = clamp((c >> 8 & 255) + d, 0, 255);
      img.data[o + 2] = clamp((c & 255) + d, 0, 255);
      img.data[o + 3] = 255;
    }
  }
  g.putImageData(img, 0, 0);
  return (tileCache[c] = cv);
}

// ---- Texts ----

// One piece of text of banner i at baseline (x, y) with the chosen layers.
// FontStyle effect: 0 normal, 1 outline in the shadow colour, 2 sunken,
// 3 bulge, 4 shadow below right.
P.drawText = function (g, i, s, x, y, layers) {
  if (!s.length) return;
  setFont(g, this.font[i]);
  var size = this.fontSize[i], e = Math.max(1, Math.round(size / 22)), d = Math.max(2, Math.round(size / 12));
  if (layers & L_SHADOW) { g.fillStyle = this.shadowCss[i]; g.fillText(s, x + d, y + d); }
  if (layers & L_RELIEF) relief(g, s, x, y, e, false);
  if (layers & L_BACK) {
    switch (this.effect[i]) {
      case 1:
        g.fillStyle = this.shadowCss[i];
        for (var dx = -e; dx <= e; dx += e)
          for (var dy = -e; dy <= e; dy += e)
            if (dx !== 0 || dy !== 0) g.fillText(s, x + dx, y + dy);
        break;
      case 2: relief(g, s, x, y, e, false); break;
      case 3: relief(g, s, x, y, e, true); break;
      case 4: g.fillStyle = this.shadowCss[i]; g.fillText(s, x + d, y + d); break;
      default: break;
    }
  }
  if (layers & L_FACE) { g.fillStyle = this.fontCss[i]; g.fillText(s, x, y); }
};

function relief(g, s, x, y, e, raised) {
  g.fillStyle = raised ? RELIEF_LIGHT : RELIEF_DARK;
  g.fillText(s, x - e, y - e);
  g.fillStyle = raised ? RELIEF_DARK : RELIEF_LIGHT;
  g.fillText(s, x + e, y + e);
}

// How far from a letter's place its drawing can reach (effects, slant).
P.reach = function (i) { return this.fontSize[i] * 2 + 8; };

// The whole text block of banner i moved by (dx, dy); view is the part
// of g's own coordinates that can be seen ([x0, y0, x1, y1], the area
// when left out): lines and letters outside it are skipped.
P.drawBlock = function (g, i, dx, dy, layers, view) {
  view = view || this.view;
  var m = this.reach(i), n = this.lines[i].length, top = this.restY[i] + this.ascent[i] + dy;
  var from = Math.max(0, Math.floor((view[1] - m - this.descent[i] - top) / this.lineH[i]));
  var to = Math.min(n - 1, Math.ceil((view[3] + m + this.ascent[i] - top) / this.lineH[i]));
  for (var k = from; k <= to; k++)
    this.drawLine(g, i, k, this.lines[i][k].length, this.lineLeft(i, k) + dx, this.baseline(i, k) + dy, layers, view);
};

// The first len letters of line k at baseline (x, y); of a long line only
// the part from a little before the view to a little after it.
P.drawLine = function (g, i, k, len, x, y, layers, view) {
  var m = this.reach(i);
  view = view || this.view;
  if (len <= 0 || y + this.descent[i] + m < view[1] || y - this.ascent[i] - m > view[3]) return;
  var xs = this.letterX[i][k], a = 0, b = len;
  if (this.cut[i][k]) {
    a = Math.max(0, firstFrom(xs, len, view[0] - m - x) - 1);
    b = Math.min(len, firstFrom(xs, len, view[2] + m - x) + 1);
    if (a >= b) return;
  }
  this.drawText(g, i, this.lines[i][k].substring(a, b), x + xs[a], y, layers);
};

// The letters of line k that can be seen when letter m lies at x0 +
// letterX[m], give or take `more`: [first, last + 1].
P.letterSpan = function (i, k, x0, more) {
  var len = this.lines[i][k].length;
  if (!this.cut[i][k]) return [0, len];
  var xs = this.letterX[i][k], m = this.reach(i) + more;
  return [Math.max(0, firstFrom(xs, len, -m - x0) - 1), Math.min(len, firstFrom(xs, len, this.aw + m - x0) + 1)];
};

// Whether a letter near (x, y) can touch the area.
P.nearArea = function (i, x, y) {
  var m = this.fontSize[i] * 2 + 8;
  return x > -m && x < this.aw + m && y > -m && y < this.ah + m;
};

// Where a text starts when it comes in travelling in direction dir:
// 0 top to bottom, 1 bottom to top, 2 left to right, 3 right to left.
P.entry = function (i, dir) {
  switch (dir) {
    case 1: return [0, this.ah - this.restY[i]];
    case 2: return [-(this.restX[i] + this.blockW[i] + 4), 0];
    case 3: return [this.aw - this.restX[i] + 4, 0];
    default: return [0, -(this.restY[i] + this.blockH[i] + 4)];
  }
};

// PgTextAnimate at time t after the transition: 0 no text, 1 ticker,
// 2 vertical scrolling, 3 typing, 4 letters dropping in, 5 sliding in
// with a track, 6 static, 7 fading in, 8 fading in along misc1's
// direction, 9 smashing in at its left, shown misc1, smashed apart, 10 the
// same about its middle, 11 carved out of the background, 12 two parts
// from two sides, 13 moving banner, 14 drunk for misc1; other static.
P.drawBannerText = function (g, i, t) {
  var tin = this.tIn[i], hold = this.tHold[i], out = this.tOut[i], f, from;
  switch (this.anim[i]) {
    case 0: return;
    case 1: {
      var rx = this.restX[i], aw = this.aw, x;
      if (t < tin) x = aw + (rx - aw) * progress(t, tin);
      else if (t < tin + hold) x = rx;
      else x = rx - (rx + this.blockW[i] + 4) * progress(t - tin - hold, out);
      this.drawBlock(g, i, x - rx, 0, L_ALL);
      return;
    }
    case 2: this.drawVerticalScroll(g, i, t); return;
    case 3: this.drawTyping(g, i, t); return;
    case 4: this.drawRain(g, i, t); return;
    case 5: {
      var m1 = this.misc1[i], dir = m1 === 1 ? 1 : m1 === 2 || m1 === 3 ? m1 : 0, move = tin - 250;
      from = this.entry(i, dir);
      for (var k = 4; k >= 1; k--) {
        var tk = t - k * 60;
        if (tk < 0 || t >= tin) continue;
        f = 1 - easeOut(progress(tk, move));
        g.globalAlpha = 0.12 * (5 - k);
        this.drawBlock(g, i, from[0] * f, from[1] * f, L_FACE);
      }
      f = 1 - easeOut(progress(t, move));
      g.globalAlpha = 1;
      this.drawBlock(g, i, from[0] * f, from[1] * f, L_ALL);
      return;
    }
    case 7:
      g.globalAlpha = progress(t, tin);
      this.drawBlock(g, i, 0, 0, L_ALL);
      g.globalAlpha = 1;
      return;
    case 8: this.drawDirectionalFade(g, i, t); return;
    case 9:
    case 10: this.drawSmash(g, i, t); return;
    case 11: {
      var p = progress(t, tin);
      g.globalAlpha = Math.min(1, p * 2);
      this.drawBlock(g, i, 0, 0, L_RELIEF);
      if (p > 0.5) {
        g.globalAlpha = (p - 0.5) * 2;
        this.drawBlock(g, i, 0, 0, L_ALL);
      }
      g.globalAlpha = 1;
      return;
    }
    case 12: this.drawTwoParts(g, i, t); return;
    case 13: {
      var d13 = clamp(this.misc1[i], 0, 3), to = this.entry(i, opposite(d13)), dx, dy;
      from = this.entry(i, d13);
      if (t < tin) { f = 1 - easeOut(progress(t, tin)); dx = from[0] * f; dy = from[1] * f; }
      else if (t < tin + hold) { dx = dy = 0; }
      else { f = easeIn(progress(t - tin - hold, out)); dx = to[0] * f; dy = to[1] * f; }
      this.drawBlock(g, i, dx, dy, L_ALL);
      return;
    }
    case 14: this.drawDrunk(g, i, t); return;
    default: this.drawBlock(g, i, 0, 0, L_ALL);
  }
};

// Reduced motion: the text at rest from the start, no motion at all; the
// one-line screens of a tall vertical scroll still follow one another.
P.drawStill = function (g, i, t) {
  if (this.anim[i] === 0) return;
  if (this.vsMulti[i]) {
    var k = this.screenAt(i, t);
    this.drawLine(g, i, k, this.lines[i][k].length, this.lineLeft(i, k), this.vsTop[i] + this.ascent[i], L_ALL);
    return;
  }
  this.drawBlock(g, i, 0, 0, L_ALL);
};

P.screenAt = function (i, t) {
  var n = this.lines[i].length, ts = this.tScreen[i];
  return ts <= 0 ? n - 1 : Math.min(n - 1, Math.floor(t / ts));
};

P.drawVerticalScroll = function (g, i, t) {
  var tin = this.tIn[i], ah = this.ah, y;
  if (!this.vsMulti[i]) {
    y = ah + (this.restY[i] - ah) * progress(t, tin);
    this.drawBlock(g, i, 0, y - this.restY[i], L_ALL);
    return;
  }
  // One line per screen: each comes up, waits misc1, leaves at the top;
  // the last one stays.
  var n = this.lines[i].length, top = this.vsTop[i], h = this.ascent[i] + this.descent[i];
  var screen = this.screenAt(i, t), ts = t - screen * this.tScreen[i];
  var sin = this.tStep[i], wait = Math.max(0, this.misc1[i]);
  if (ts < sin) y = ah + (top - ah) * progress(ts, sin);
  else if (screen === n - 1 || ts < sin + wait) y = top;
  else y = top - (top + h) * progress(ts - sin - wait, this.tScreen[i] - sin - wait);
  this.drawLine(g, i, screen, this.lines[i][screen].length, this.lineLeft(i, screen), y + this.ascent[i], L_ALL);
};

P.drawTyping = function (g, i, t) {
  var step = Math.max(1, this.tStep[i]), shown = Math.floor(t / step), typing = shown < this.letterCount[i];
  for (var k = 0; k < this.lines[i].length; k++) {
    var s = this.lines[i][k], len = Math.min(s.length, Math.max(0, shown));
    this.drawLine(g, i, k, len, this.lineLeft(i, k), this.baseline(i, k), L_ALL);
    if (typing && len < s.length) {
      // A blinking caret after the last letter typed.
      if (Math.floor(t / 250) % 2 === 0) {
        g.fillStyle = this.fontCss[i];
        var cx = this.lineLeft(i, k) + this.letterX[i][k][len] + 1;
        g.fillRect(cx, this.baseline(i, k) - this.ascent[i] + 2, Math.max(1, idiv(this.fontSize[i], 12)), this.ascent[i]);
      }
      return;
    }
    shown -= s.length;
  }
};

// Each letter falls from above the area with growing speed, one after another.
P.drawRain = function (g, i, t) {
  var step = this.tStep[i];
  for (var k = 0; k < this.lines[i].length; k++) {
    var s = this.lines[i][k], xs = this.letterX[i][k], x0 = this.lineLeft(i, k), y0 = this.baseline(i, k);
    // Every line starts just above the area: only the letters across
    // from the area can be seen.
    var span = this.letterSpan(i, k, x0, 0);
    for (var m = span[0], j = this.lineStart[i][k] + m; m < span[1]; m++, j++) {
      var tj = t - j * step;
      if (tj <= 0) continue;
      var fall = (y0 + this.descent[i] + 2) * (1 - easeIn(progress(tj, 450)));
      if (!this.nearArea(i, x0 + xs[m], y0 - fall)) continue;
      this.drawText(g, i, s.charAt(m), x0 + xs[m], y0 - fall, L_ALL);
    }
  }
};

// The text shows up along misc1's direction with a soft edge running ahead.
P.drawDirectionalFade = function (g, i, t) {
  var p = progress(t, this.tIn[i]);
  if (p >= 1) { this.drawBlock(g, i, 0, 0, L_ALL); return; }
  var fx = this.fx, f = fx.g, aw = this.aw, ah = this.ah;
  f.save();
  f.setTransform(1, 0, 0, 1, 0, 0);
  f.clearRect(0, 0, fx.c.width, fx.c.height);
  restore(f);
  f.globalAlpha = 1;
  f.globalCompositeOperation = 'source-over';
  this.drawBlock(f, i, 0, 0, L_ALL);
  var dir = clamp(this.misc1[i], 0, 3), vertical = dir < 2;
  var start = vertical ? this.restY[i] - 4 : this.restX[i] - 4;
  var length = (vertical ? this.blockH[i] : this.blockW[i]) + 8, band = Math.max(8, length * 0.35);
  var reverse = dir === 1 || dir === 3;
  var edge = reverse ? start + length + band - (length + band) * p : start - band + (length + band) * p;
  var e1 = reverse ? edge - band : edge + band;
  var mask = vertical ? f.createLinearGradient(0, edge, 0, e1) : f.createLinearGradient(edge, 0, e1, 0);
  mask.addColorStop(0, 'rgba(0,0,0,1)');
  mask.addColorStop(1, 'rgba(0,0,0,0)');
  f.globalCompositeOperation = 'destination-in';
  f.fillStyle = mask;
  f.fillRect(0, 0, aw, ah);
  f.globalCompositeOperation = 'source-over';
  g.drawImage(fx.c, 0, 0, aw, ah);
};

P.drawSmash = function (g, i, t) {
  var tin = this.tIn[i], hold = this.tHold[i], out = this.tOut[i], aw = this.aw, ah = this.ah, p;
  var cx = this.anim[i] === 9 ? this.restX[i] : this.restX[i] + this.blockW[i] / 2, cy = this.restY[i] + this.blockH[i] / 2;
  if (t < tin) {
    // Flies in large and lands with a little shake.
    var fly = tin - 150;
    p = progress(t, fly);
    var scale = 1 + 2.5 * (1 - easeOut(p));
    var shake = t > fly ? Math.sin(t * 0.09) * 3 * (1 - progress(t - fly, 150)) : 0;
    g.save();
    g.translate(cx + shake, cy);
    g.scale(scale, scale);
    g.translate(-cx, -cy);
    g.globalAlpha = clamp(p, 0, 1);
    // The area as seen in these coordinates.
    this.drawBlock(g, i, 0, 0, L_ALL, [cx - (cx + shake) / scale, cy - cy / scale,
                                        cx + (aw - cx - shake) / scale, cy + (ah - cy) / scale]);
    restore(g);
    return;
  }
  if (t < tin + hold) { this.drawBlock(g, i, 0, 0, L_ALL); return; }
  p = progress(t - tin - hold, out);
  if (p >= 1) return;
  // Apart: every letter flies off its own way, spinning and fading.
  var reach = Math.max(aw, ah) * 0.8, far = reach * easeIn(p) * 1.5 + 1, r = this.reach(i), asc = this.ascent[i];
  for (var k = 0; k < this.lines[i].length; k++) {
    var s = this.lines[i][k], xs = this.letterX[i][k], x0 = this.lineLeft(i, k), y0 = this.baseline(i, k);
    var ly = y0 - asc / 2;
    if (ly < -r - far || ly > ah + r + far) continue;
    var span = this.letterSpan(i, k, x0, far);
    for (var m = span[0], j = this.lineStart[i][k] + m; m < span[1]; m++, j++) {
      if (s.charAt(m) === ' ') continue;
      var lw = xs[m + 1] - xs[m], lx = x0 + xs[m] + lw / 2;
      var ang = Math.atan2(ly - cy, lx - cx) + (rnd(j, 1) - 0.5) * 1.6;
      var dist = reach * easeIn(p) * (0.5 + rnd(j, 2));
      var px = lx + Math.cos(ang) * dist, py = ly + Math.sin(ang) * dist;
      if (!this.nearArea(i, px, py)) continue;
      g.save();
      g.translate(px, py);
      g.rotate((rnd(j, 3) - 0.5) * 6 * p);
      g.globalAlpha = clamp(1 - p, 0, 1);
      this.drawText(g, i, s.charAt(m), -lw / 2, asc / 2, L_ALL);
      restore(g);
    }
  }
};

P.drawTwoParts = function (g, i, t) {
  var dir = clamp(this.misc1[i], 0, 3), a = this.entry(i, dir), b = this.entry(i, opposite(dir));
  var f = 1 - easeOut(progress(t, this.tIn[i])), ls = this.lines[i], o;
  if (this.misc2[i] === 1) {
    // The shadow from one side, the text from the other.
    this.drawBlock(g, i, a[0] * f, a[1] * f, L_SHADOW);
    this.drawBlock(g, i, b[0] * f, b[1] * f, this.effect[i] === 4 ? L_FACE : L_ALL);
    return;
  }
  if (ls.length > 1) {
    // Even lines from one side, odd ones from the other.
    for (var k = 0; k < ls.length; k++) {
      o = k % 2 === 0 ? a : b;
      this.drawLine(g, i, k, ls[k].length, this.lineLeft(i, k) + o[0] * f, this.baseline(i, k) + o[1] * f, L_ALL);
    }
    return;
  }
  // Even letters from one side, odd ones from the other, taken in their
  // order from the letters near the area from either side.
  var s = ls[0], xs = this.letterX[i][0], x0 = this.lineLeft(i, 0), y0 = this.baseline(i, 0);
  var sa = this.letterSpan(i, 0, x0 + a[0] * f, 0), sb = this.letterSpan(i, 0, x0 + b[0] * f, 0);
  var apart = sa[1] < sb[0] || sb[1] < sa[0];
  var to = Math.max(sa[1], sb[1]);
  for (var m = Math.min(sa[0], sb[0]); m < to; m++) {
    if (apart && m === Math.min(sa[1], sb[1])) m = Math.max(sa[0], sb[0]);
    o = m % 2 === 0 ? a : b;
    var x = x0 + xs[m] + o[0] * f, y = y0 + o[1] * f;
    if (this.nearArea(i, x, y)) this.drawText(g, i, s.charAt(m), x, y, L_ALL);
  }
};

P.drawDrunk = function (g, i, t) {
  var p = progress(t, this.tIn[i]);
  if (p >= 1) { this.drawBlock(g, i, 0, 0, L_ALL); return; }
  var amp = this.fontSize[i] * 0.35 * (1 - p), w = 2 * Math.PI * (0.4 + 1.2 * rate(this.speed[i])) * t / 1000;
  var r = this.reach(i);
  for (var k = 0; k < this.lines[i].length; k++) {
    var s = this.lines[i][k], xs = this.letterX[i][k], x0 = this.lineLeft(i, k), y0 = this.baseline(i, k);
    if (y0 + amp < -r || y0 - amp > this.ah + r) continue;
    var span = this.letterSpan(i, k, x0, amp + 1);
    for (var m = span[0], j = this.lineStart[i][k] + m; m < span[1]; m++, j++) {
      var lw = xs[m + 1] - xs[m];
      var lx = x0 + xs[m] + lw / 2 + amp * 0.4 * Math.sin(w * 0.7 + j * 1.7), ly = y0 + amp * Math.sin(w + j * 0.9);
      if (!this.nearArea(i, lx, ly)) continue;
      g.save();
      g.translate(lx, ly);
      g.rotate(0.45 * (1 - p) * Math.sin(w * 0.8 + j * 1.3));
      this.drawText(g, i, s.charAt(m), -lw / 2, 0, L_ALL);
      restore(g);
    }
  }
};

// The banners' timing, for tests: one entry a banner, milliseconds.
P.banners = function () {
  var out = [];
  if (!this.tConn) return out;
  for (var i = 0; i < this.total; i++) {
    out.push({ start: this.bannerStart[i], duration: this.bannerDur[i], transition: this.tConn[i],
               textIn: this.tIn[i], hold: this.tHold[i], textOut: this.tOut[i], rest: this.tRest[i],
               link: this.hasLink(i) ? this.link[i] : null, target: this.target[i] });
  }
  return out;
};

// ---- All players: finding applets, the clock, the test hook ----

var players = [], frozen = false, frozenAt = 0, raf = 0, reduce = false, scanned = false;
var waiting = [], resolveReady = null, io = null;

function now() { return W.performance && W.performance.now ? W.performance.now() : Date.now(); }

function kick() {
  if (!raf && W.requestAnimationFrame) raf = W.requestAnimationFrame(frame);
}

// One frame for every player in view that has something to show: the
// loading screen, or the show while the clock runs.
function frame() {
  raf = 0;
  if (D.hidden) return;   // visibilitychange starts us again
  var t = now(), more = false;
  for (var k = 0; k < players.length; k++) {
    var p = players[k], sz = p.size;
    if (!p.visible || (p.ready && frozen)) continue;
    if (!sz.w.pct && !sz.h.pct && (sz.w.v <= 0 || sz.h.v <= 0)) continue;   // nothing to see, ever
    more = true;
    try { p.draw(t); } catch (e) { p.error = e; }
  }
  if (more) kick();
}

function allReady() {
  for (var k = 0; k < players.length; k++) if (!players[k].ready) return false;
  return scanned;
}

function checkReady() {
  if (!allReady()) return;
  if (resolveReady) { resolveReady(api); resolveReady = null; }
  var list = waiting;
  waiting = [];
  for (var k = 0; k < list.length; k++) {
    try { list[k](api); } catch (e) { /* the caller's own fault */ }
  }
}

function isGlntfx(el) {
  var code = el.getAttribute('code');
  return code != null && jtrim(code).toLowerCase() === 'glntfx.class';
}

// Every applet of ours not yet played; each one on its own, so one bad
// applet does not stop the others.
function scan() {
  if (D.readyState === 'loading') return;   // DOMContentLoaded scans
  var list = D.getElementsByTagName('applet'), found = [];
  for (var k = 0; k < list.length; k++) found.push(list[k]);
  for (k = 0; k < found.length; k++) {
    var el = found[k];
    try {
      if (el.glntfxPlayer || el.getAttribute('data-glntfx-player') || !isGlntfx(el) || !el.parentNode) continue;
      el.setAttribute('data-glntfx-player', 'on');
      el.glntfxPlayer = true;
      var p = new Player(el);
      players.push(p);
      if (io) io.observe(p.canvas);
      p.drawSafely();
    } catch (e) {
      if (W.console && W.console.error) W.console.error('glntfx: an applet could not be played', e);
    }
  }
  scanned = true;
  checkReady();
  kick();
}

var api = {
  isGlntfxPlayer: true,
  players: players,
  scan: function () { try { scan(); } catch (e) { /* never out of the page's way */ } },
  // Draws every player at show time ms and holds the clock there.
  seek: function (ms) {
    ms = Number(ms);
    frozenAt = isFinite(ms) && ms > 0 ? Math.floor(Math.min(ms, 9e15)) : 0;
    frozen = true;
    for (var k = 0; k < players.length; k++) { players[k].stillKey = null; players[k].drawSafely(); }
    return api;
  },
  // Runs the clock again from where seek held it.
  resume: function () {
    if (!frozen) return api;
    var t = now();
    for (var k = 0; k < players.length; k++) if (players[k].ready) players[k].playStart = t - frozenAt;
    frozen = false;
    kick();
    return api;
  },
  // callback(glntfx) once every player has its images (loaded or failed).
  ready: function (callback) {
    if (typeof callback !== 'function') return api;
    if (allReady()) { try { callback(api); } catch (e) { /* the caller's own fault */ } }
    else waiting.push(callback);
    return api;
  },
  whenReady: null
};
if (typeof Promise === 'function') api.whenReady = new Promise(function (resolve) { resolveReady = resolve; });
W.glntfx = api;

try {
  if (W.IntersectionObserver) {
    io = new W.IntersectionObserver(function (entries) {
      for (var k = 0; k < entries.length; k++) {
        var p = entries[k].target.glntfxPlayer;
        if (p) p.visible = entries[k].isIntersecting;
      }
      kick();
    });
  }
  D.addEventListener('visibilitychange', function () { if (!D.hidden) kick(); });
  var mq = W.matchMedia ? W.matchMedia('(prefers-reduced-motion: reduce)') : null;
  var motion = function () {
    reduce = !!(mq && mq.matches);
    for (var k = 0; k < players.length; k++) {
      players[k].stillKey = null;
      if (frozen) players[k].drawSafely();
    }
    kick();
  };
  if (mq) {
    reduce = mq.matches;
    if (mq.addEventListener) mq.addEventListener('change', motion);
    else if (mq.addListener) mq.addListener(motion);
  }
  W.addEventListener('resize', function () { if (frozen) api.seek(frozenAt); else kick(); });
  if (D.readyState === 'loading') D.addEventListener('DOMContentLoaded', api.scan);
  else api.scan();
} catch (e) {
  if (W.console && W.console.error) W.console.error('glntfx: could not start', e);
}
})(typeof window !== 'undefined' ? window : null, typeof document !== 'undefined' ? document : null);
