/* glntfx.js - the Glintra banner show for browsers without Java.
 *
 * Finds every <applet code="glntfx.class"> of the page, puts a <canvas> of
 * its size before it (the applet stays, hidden, so its params can still be
 * read) and plays the same show there as applet/java/glntfx.java, frame for
 * frame; docs/banner-show.md is what both follow. For tests,
 * window.glntfx.seek(ms) holds every show at one moment: see
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
var LONG_LINE = 256, MAX_LETTERS = 10000, MAX_MESSAGE = 1000;
// Our own: the canvas's backing store stays under this many pixels, and
// the spoken label under this many characters.
var MAX_PIXELS = 4e6, MAX_LABEL = 1000;
var L_BACK = 1, L_FACE = 2, L_RELIEF = 4, L_SHADOW = 8, L_ALL = 3;
// A text is drawn in two passes: the layers behind of all its pieces
// (lines or letters), then the faces of all of them.
var PASSES = [L_BACK | L_RELIEF | L_SHADOW, L_FACE];
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

// An integer: trimmed, an optional sign, ASCII digits, in int range.
function toInt(s, def) {
  if (s == null || !/^[+-]?[0-9]+$/.test(s = jtrim(s))) return def;
  var v = parseInt(s, 10);
  return v > 2147483647 || v < -2147483648 ? def : v;
}

// "rrggbb", with or without a leading # or 0x: 1 to 6 hex digits, no
// sign; colours are 0xrrggbb.
function toColor(s, def) {
  if (s == null) return def;
  s = jtrim(s).replace(/^(#|0x)/i, '');
  return /^[0-9a-f]{1,6}$/i.test(s) ? parseInt(s, 16) : def;
}

// The first max letters (code points) of s.
function cutLetters(s, max) {
  var n = 0, j = 0;
  for (var ch of s) { if (n++ === max) return s.substring(0, j); j += ch.length; }
  return s;
}

// Whether s, trimmed, starts with the ASCII letter c (either case) or is alt.
function picks(s, c, alt) {
  s = jtrim(s);
  return s === alt || s.charAt(0) === c || s.charAt(0) === c.toUpperCase();
}

// The n comma-separated fields of a value; the last takes the rest.
function fields(s, n) {
  var out = (s == null ? '' : s).split(',');
  if (out.length > n) out[n - 1] = out.splice(n - 1).join(',');
  while (out.length < n) out.push('');
  return out;
}

function replaceAll(s, what, by) { return s.split(what).join(by); }

// A banner text: lines at the line-break code and real line ends, cut
// after MAX_LETTERS letters (a line break counts as one).
function splitLines(text) {
  if (text == null) return [''];
  var s = replaceAll(replaceAll(text, LINE_BREAK_CODE, '\n'), '\r\n', '\n');
  return cutLetters(s.replace(/\r/g, '\n').replace(/\t/g, ' '), MAX_LETTERS).split('\n');
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
// a ÷ b rounded down, exact for integers a ≥ 0 and b > 0 below 2^53.
function fdiv(a, b) { return (a - a % b) / b; }
// A time of x ms at speed 0, at speed s; in exact integers.
function slow(x, s) { return fdiv(x * (20 + s), 20); }
// The time to cover dist pixels at base pixels a second at speed 0
// (base * 20 / (20 + s) at speed s), rounded up.
function travel(dist, base, s) { return dist <= 0 ? 0 : cap(fdiv(dist * 1000 * (20 + s) + base * 20 - 1, base * 20)); }
// A repeatable number in [0, 1) for n.
function rnd(n, salt) { var v = Math.sin(n * 12.9898 + salt * 78.233) * 43758.5453; return v - Math.floor(v); }
function opposite(dir) { return dir ^ 1; }   // 0 and 1, 2 and 3

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

// PgURL-k against the page: the address to open, or null for no link.
function resolveLink(u, base) {
  if (!u || scriptScheme(u)) return null;
  try {
    var r = new URL(u, base);
    return /^(https?|ftp|file|mailto):$/.test(r.protocol) && !scriptScheme(r.href) ? r.href : null;
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

// The letters (code points) of s: where each starts in s (at) and its x
// from the line's start (xs), one entry more than letters. Each distinct
// letter of a font is measured once, so a long text costs one pass.
function letterPositions(font, s) {
  var cache = widthCache[font] || (widthCache[font] = Object.create(null));
  var g = measureCtx(), set = false, xs = [0], at = [0], x = 0, j = 0;
  for (var ch of s) {
    var w = cache[ch];
    if (w === undefined) {
      if (!set) { g.font = font; set = true; }
      w = cache[ch] = g.measureText(ch).width;
    }
    xs.push(x += w);
    at.push(j += ch.length);
  }
  return { xs: xs, at: at };
}

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
  this.ready = this.mouseInside = false;
  this.error = this.cursorLink = this.stillKey = null;
  this.visible = true;
  this.current = -1;
  this.appW = this.appH = this.scale = this.imagesDone = 0;
  this.images = [];

  // Params by name, case ignored; the first of one name counts, and one
  // without a value is not there.
  var values = Object.create(null);
  for (var c = applet.firstElementChild; c; c = c.nextElementSibling) {
    var name = c.getAttribute('name'), v = c.getAttribute('value');
    if ((c.localName || '').toLowerCase() !== 'param' || name == null || v == null) continue;
    name = name.toLowerCase();
    if (!(name in values)) values[name] = v;
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
  cv.style.maxWidth = cv.style.maxHeight = MAX_SIDE + 'px';
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
  cv.addEventListener('click', guard(function (e) { if (!e.button) self.openLink(self.current); }));
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
  this.loadMessage = cutLetters(this.loadMessage, MAX_MESSAGE);
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
               'misc1', 'misc2', 'fontCss', 'shadowCss', 'lines', 'bkImage'];
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
  this.family[k] = picks(fs[1], 'h', '1') ? 'sans-serif' : picks(fs[1], 'c', '2') ? 'monospace' : 'serif';
  this.fontCss[k] = rgb(toColor(fs[2], 0xffffff));
  this.style[k] = picks(fs[3], 'b', '1') ? 'bold ' : picks(fs[3], 'i', '2') ? 'italic ' : '';
  this.font[k] = cssFont(this.style[k], this.fontSize[k], this.family[k]);
  var a = toInt(fs[4], 0);
  this.align[k] = a < 0 || a > 8 ? 0 : a;
  this.offX[k] = clamp(toInt(fs[5], 0), -100000, 100000);
  this.offY[k] = clamp(toInt(fs[6], 0), -100000, 100000);
  this.effect[k] = toInt(fs[7], 0);
  this.shadowCss[k] = rgb(toColor(fs[8], 0));

  this.lines[k] = splitLines(this.param('PgText-' + k, ''));
  this.speed[k] = clamp(toInt(this.param('PgTextSpeed-' + k), 0), 0, 1000);
  var an = fields(this.param('PgTextAnimate-' + k, '6,0,0'), 3);
  this.anim[k] = toInt(an[0], 6);
  this.misc1[k] = clamp(toInt(an[1], 0), -1, MAX_DELAY_MS);
  this.misc2[k] = clamp(toInt(an[2], 0), -1, MAX_DELAY_MS);
};

P.hasLink = function (i) { return this.noticeOk && i >= 0 && i < this.total && this.link[i] != null; };

// Role, label and focus: what the show says, and whether it is a link.
// The label: each text that is shown, once, in show order, joined by "; ".
P.describe = function () {
  var cv = this.canvas, texts = [], length = 0, anyLink = false;
  for (var i = 0; i < this.total; i++) {
    anyLink = anyLink || this.hasLink(i);
    if (!this.anim[i] || length > MAX_LABEL) continue;   // style 0 shows no text
    var s = jtrim(this.lines[i].join(' ').substring(0, 4 * MAX_LABEL).replace(/\s+/g, ' '));
    if (s && texts.indexOf(s) < 0) { texts.push(s); length += s.length + 2; }
  }
  var label = this.noticeOk ? texts.join('; ') || 'Animated banner' : NOTICE;
  if (cutLetters(label, MAX_LABEL) !== label) label = cutLetters(label, MAX_LABEL - 1) + '\u2026';
  cv.setAttribute('role', anyLink ? 'link' : 'img');
  cv.setAttribute('aria-label', label);
  if (anyLink) cv.setAttribute('tabindex', '0');
  if (!this.ready) cv.setAttribute('aria-busy', 'true');
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
  this.canvas.removeAttribute('aria-busy');
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
  this.lineW = []; this.letterX = []; this.letterAt = []; this.letterCount = []; this.lineStart = []; this.cut = [];
  for (var i = 0; i < n; i++) {
    var fm = metrics(this.style[i], this.fontSize[i], this.family[i]), ls = this.lines[i];
    this.ascent[i] = fm.ascent;
    this.descent[i] = fm.descent;
    this.lineH[i] = Math.max(1, fm.height);
    var lw = this.lineW[i] = [], lx = this.letterX[i] = [], la = this.letterAt[i] = [];
    var st = this.lineStart[i] = [], cut = this.cut[i] = [], bw = 0, count = 0;
    for (var k = 0; k < ls.length; k++) {
      var lp = letterPositions(this.font[i], ls[k]), len = lp.at.length - 1;
      lx[k] = lp.xs;
      la[k] = lp.at;
      lw[k] = Math.floor(0.5 + lp.xs[len]);
      bw = Math.max(bw, lw[k]);
      st[k] = count;
      cut[k] = len >= LONG_LINE && !RTL.test(ls[k]);
      count += len;
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
  this.tStep = []; this.tScreen = []; this.tLeave = []; this.bannerStart = []; this.bannerDur = [];
  for (var i = 0; i < n; i++) {
    var s = this.speed[i], d = this.delay[i], tin = 0, hold = d, out = 0, own = false;
    this.tStep[i] = this.tScreen[i] = this.tLeave[i] = 0;
    switch (this.anim[i]) {
      case 1:
        tin = travel(this.aw - this.restX[i], 240, s);
        out = travel(this.restX[i] + this.blockW[i], 240, s);
        break;
      case 2:
        if (this.vsMulti[i]) {
          // One line a screen: up (tStep), wait misc1, out at the top (tLeave).
          this.tStep[i] = travel(this.ah - this.vsTop[i], 120, s);
          this.tLeave[i] = travel(this.vsTop[i] + this.ascent[i] + this.descent[i], 120, s);
          this.tScreen[i] = cap(this.tStep[i] + Math.max(0, this.misc1[i]) + this.tLeave[i]);
          tin = cap((this.lines[i].length - 1) * this.tScreen[i] + this.tStep[i]);
        } else {
          tin = travel(this.ah - this.restY[i], 120, s);
        }
        break;
      case 3:
        this.tStep[i] = slow(40, s);
        tin = cap(this.letterCount[i] * this.tStep[i]);
        break;
      case 4:
        this.tStep[i] = slow(60, s);
        tin = cap(Math.max(0, this.letterCount[i] - 1) * this.tStep[i] + 450);
        break;
      case 5: tin = slow(600, s) + 250; break;
      case 7: tin = slow(400, s); break;
      case 8: tin = slow(500, s); break;
      case 9:
      case 10:
        tin = slow(250, s) + 150;
        hold = this.misc1[i] > 0 ? this.misc1[i] : d;
        out = slow(300, s) + 200;
        own = true;
        break;
      case 11: tin = slow(700, s); break;
      case 12: tin = slow(600, s); break;
      case 13:
        tin = out = slow(600, s);
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
  // Gone of the old picture and still to come of the new add up to the area.
  var ox = Math.round(aw * p), oy = Math.round(ah * p), ix = aw - ox, iy = ah - oy;
  if (style >= 1 && style <= 8) {
    // Covers (1-4) and pushes (5-8), left to right, right to left, top to
    // bottom, bottom to top: the new picture comes in from the side `from`
    // (-1 left or top); a push moves the old one out on the other side.
    var way = (style - 1) % 4, from = way % 2 ? 1 : -1, push = style > 4 ? -from : 0;
    g.drawImage(prev, way < 2 ? push * ox : 0, way < 2 ? 0 : push * oy, aw, ah);
    g.drawImage(cur, way < 2 ? from * ix : 0, way < 2 ? 0 : from * iy, aw, ah);
  } else if (style === 0 || (style >= 9 && style <= 12)) {
    g.drawImage(prev, 0, 0, aw, ah);
    if (style) {
      // A triangle grows from the corner until it covers the area.
      var sx = Math.ceil(2 * aw * p), sy = Math.ceil(2 * ah * p);
      var right = style === 10 || style === 11, bottom = style === 10 || style === 12;
      var cx = right ? aw : 0, cy = bottom ? ah : 0;
      g.beginPath();
      g.moveTo(cx, cy);
      g.lineTo(right ? cx - sx : cx + sx, cy);
      g.lineTo(cx, bottom ? cy - sy : cy + sy);
      g.clip();
    } else {
      g.globalAlpha = p;   // a blend
    }
    g.drawImage(cur, 0, 0, aw, ah);
  } else {
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
  var off = fdiv(4 * t, this.backMoveSpeed + 20) % cw;   // 4000 / (speed + 20) px a second
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
    // The edge colour and the far (gradient) or middle (shade) one; the
    // shades take the gradients' pairs in the order 2, 3, 0, 1.
    var ab = [[c, 0], [c, 0xffffff], [0, c], [0xffffff, c]][(type - 4) % 4 ^ (type >= 12 ? 2 : 0)];
    var horizontal = type <= 7 || (type >= 12 && type <= 15), shade = type >= 12;
    var grad = horizontal ? g.createLinearGradient(0, 0, w, 0) : g.createLinearGradient(0, 0, 0, h);
    grad.addColorStop(0, rgb(ab[0]));
    grad.addColorStop(shade ? 0.5 : 1, rgb(ab[1]));
    if (shade) grad.addColorStop(1, rgb(ab[0]));
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

// One piece of text of banner i at baseline (x, y) with the chosen layers,
// in this order: shadow, relief, the effect's own (FontStyle effect: 1
// outline in the shadow colour, 2 sunken, 3 bulge, 4 shadow below right),
// face. Each is drawn as colour, dx, dy, [colour, dx, dy, ...].
P.drawText = function (g, i, s, x, y, layers) {
  if (!s.length || !layers) return;
  setFont(g, this.font[i]);
  var size = this.fontSize[i], e = Math.max(1, Math.round(size / 22)), d = Math.max(2, Math.round(size / 12));
  var c = this.shadowCss[i], shadow = [c, d, d], sunken = [RELIEF_DARK, -e, -e, RELIEF_LIGHT, e, e];
  var effect = [[], [c, -e, -e, c, -e, 0, c, -e, e, c, 0, -e, c, 0, e, c, e, -e, c, e, 0, c, e, e], sunken,
                [RELIEF_LIGHT, -e, -e, RELIEF_DARK, e, e], shadow][this.effect[i]];
  var todo = [].concat(layers & L_SHADOW ? shadow : [], layers & L_RELIEF ? sunken : [],
                       layers & L_BACK && effect || [], layers & L_FACE ? [this.fontCss[i], 0, 0] : []);
  for (var j = 0; j < todo.length; j += 3) { g.fillStyle = todo[j]; g.fillText(s, x + todo[j + 1], y + todo[j + 2]); }
};

// The layers of `layers` that pass p draws (0 those behind, 1 the face),
// or 0 when that pass has nothing to draw for banner i.
P.pass = function (i, layers, p) {
  var l = layers & PASSES[p], fx = this.effect[i];
  return p || l & (L_SHADOW | L_RELIEF) || (l & L_BACK && fx >= 1 && fx <= 4) ? l : 0;
};
P.letters = function (i, k) { return this.letterAt[i][k].length - 1; };
P.letter = function (i, k, m) { var at = this.letterAt[i][k]; return this.lines[i][k].substring(at[m], at[m + 1]); };

// How far from a letter's place its drawing can reach (effects, slant).
P.reach = function (i) { return this.fontSize[i] * 2 + 8; };

// The whole text block of banner i moved by (dx, dy); view is the part
// of g's own coordinates that can be seen ([x0, y0, x1, y1], the area
// when left out): lines and letters outside it are skipped. The layers
// behind of every line come first, then the faces.
P.drawBlock = function (g, i, dx, dy, layers, view) {
  view = view || this.view;
  var m = this.reach(i), n = this.lines[i].length, top = this.restY[i] + this.ascent[i] + dy;
  var from = Math.max(0, Math.floor((view[1] - m - this.descent[i] - top) / this.lineH[i]));
  var to = Math.min(n - 1, Math.ceil((view[3] + m + this.ascent[i] - top) / this.lineH[i]));
  for (var p = 0; p < 2; p++) {
    var l = this.pass(i, layers, p);
    for (var k = from; k <= to && l; k++)
      this.drawLine(g, i, k, this.letters(i, k), this.lineLeft(i, k) + dx, this.baseline(i, k) + dy, l, view);
  }
};

// The first len letters of line k at baseline (x, y); of a long line only
// the part from a little before the view to a little after it.
P.drawLine = function (g, i, k, len, x, y, layers, view) {
  var m = this.reach(i);
  view = view || this.view;
  if (len <= 0 || y + this.descent[i] + m < view[1] || y - this.ascent[i] - m > view[3]) return;
  var xs = this.letterX[i][k], at = this.letterAt[i][k], a = 0, b = len;
  if (this.cut[i][k]) {
    a = Math.max(0, firstFrom(xs, len, view[0] - m - x) - 1);
    b = Math.min(len, firstFrom(xs, len, view[2] + m - x) + 1);
    if (a >= b) return;
  }
  this.drawText(g, i, this.lines[i][k].substring(at[a], at[b]), x + xs[a], y, layers);
};

// Line k whole at baseline (x, y), as a text of its own.
P.drawWholeLine = function (g, i, k, x, y) {
  for (var p = 0; p < 2; p++) this.drawLine(g, i, k, this.letters(i, k), x, y, this.pass(i, L_ALL, p));
};

// The pixels of the area from (x0, y0) to (x1, y1): [x, y, w, h], or null.
P.box = function (x0, y0, x1, y1) {
  var a = Math.max(0, Math.floor(Math.min(x0, x1))), b = Math.max(0, Math.floor(Math.min(y0, y1)));
  var c = Math.min(this.aw, Math.ceil(Math.max(x0, x1))), d = Math.min(this.ah, Math.ceil(Math.max(y0, y1)));
  return a < c && b < d ? [a, b, c - a, d - b] : null;
};

// A clear scratch canvas over the device pixels of the box r of the area,
// in the area's coordinates, to compose a text in; lay() lays it on the
// area g with opacity alpha, pixel on pixel. It is kept about as small as
// the box: a canvas drawn from is copied whole when drawn on again.
P.layer = function (r) {
  var k = this.cur.c.width / this.aw, l = this.cur.c.height / this.ah, c = this.scratch;
  var x = Math.floor(r[0] * k), y = Math.floor(r[1] * l);
  var w = Math.ceil((r[0] + r[2]) * k) - x, h = Math.ceil((r[1] + r[3]) * l) - y;
  if (!c || c.width < w || c.height < h || c.width * c.height > 4 * w * h + 65536) {
    c = this.scratch = D.createElement('canvas');
    c.width = w;
    c.height = h;
    c.g = plain(c.getContext('2d'));
  }
  var f = c.g;
  f.setTransform(1, 0, 0, 1, 0, 0);
  f.globalAlpha = 1;
  f.globalCompositeOperation = 'source-over';
  f.clearRect(0, 0, w, h);
  f.setTransform(k, 0, 0, l, -x, -y);
  this.spot = [x, y, w, h];
  return f;
};
P.lay = function (g, alpha) {
  var s = this.spot;
  g.save();
  g.setTransform(1, 0, 0, 1, 0, 0);
  g.globalAlpha = alpha;
  g.drawImage(this.scratch, 0, 0, s[2], s[3], s[0], s[1], s[2], s[3]);
  restore(g);
};

// The text block moved by (dx, dy) with opacity alpha as a whole: its
// layers are composed first, so that they do not show through each other;
// scaled by `scale` about (cx, cy) and then moved sx sideways if given.
P.fadeBlock = function (g, i, dx, dy, layers, alpha, scale, cx, cy, sx) {
  scale = scale || 1; cx = cx || 0; cy = cy || 0; sx = sx || 0;
  var m = this.reach(i), x0 = this.restX[i] + dx - m, y0 = this.restY[i] + dy - m, aw = this.aw, ah = this.ah;
  var x1 = x0 + this.blockW[i] + 2 * m, y1 = y0 + this.blockH[i] + 2 * m;
  var r = this.box(cx + sx + (x0 - cx) * scale, cy + (y0 - cy) * scale, cx + sx + (x1 - cx) * scale, cy + (y1 - cy) * scale);
  if (alpha <= 0 || !r) return;
  var f = alpha >= 1 ? g : this.layer(r);
  f.save();
  f.translate(cx + sx, cy);
  f.scale(scale, scale);
  f.translate(-cx, -cy);
  // The area as seen in these coordinates.
  this.drawBlock(f, i, dx, dy, layers, [cx - (cx + sx) / scale, cy - cy / scale,
                                        cx + (aw - cx - sx) / scale, cy + (ah - cy) / scale]);
  restore(f);
  if (alpha < 1) this.lay(g, alpha);
};

// fn(letter, x, baseline, advance, j) for the letters of banner i in
// reading order, j counting over all lines; of a long line only those that
// lie across from the area, give or take `more`.
P.eachLetter = function (i, more, fn) {
  for (var k = 0; k < this.lines[i].length; k++) {
    var xs = this.letterX[i][k], x0 = this.lineLeft(i, k), a = 0, b = this.letters(i, k), m = this.reach(i) + more;
    if (this.cut[i][k]) {
      a = Math.max(0, firstFrom(xs, b, -m - x0) - 1);
      b = Math.min(b, firstFrom(xs, b, this.aw + m - x0) + 1);
    }
    for (var j = this.lineStart[i][k] + a; a < b; a++, j++) fn(this.letter(i, k, a), x0 + xs[a], this.baseline(i, k), xs[a + 1] - xs[a], j);
  }
};

// Whether a letter near (x, y) can touch the area.
P.nearArea = function (i, x, y) {
  var m = this.reach(i);
  return x > -m && x < this.aw + m && y > -m && y < this.ah + m;
};

// misc1 as a direction: 0 top to bottom, 1 bottom to top, 2 left to
// right, 3 right to left; any other number is 0.
function direction(misc) { return misc >= 0 && misc <= 3 ? misc : 0; }

// Where a text starts when it comes in travelling in direction dir.
P.entry = function (i, dir) {
  var rx = this.restX[i], ry = this.restY[i];
  return [[0, -(ry + this.blockH[i] + 4)], [0, this.ah - ry], [-(rx + this.blockW[i] + 4), 0], [this.aw - rx + 4, 0]][dir];
};

// PgTextAnimate at time t after the transition (0 none, 1 ticker, 2
// vertical scroll, 3 typing, 4 rain, 5 slide with a track, 6 static, 7
// fade, 8 fade along misc1's direction, 9 and 10 smash, 11 carve, 12 two
// parts, 13 moving banner, 14 drunk; other static). A text is drawn whole:
// the layers behind of all its pieces, then their faces; a fading one is
// composed first, then laid on with its opacity.
P.drawBannerText = function (g, i, t) {
  var tin = this.tIn[i], hold = this.tHold[i], out = this.tOut[i], f, from, p;
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
    case 5:
      from = this.entry(i, direction(this.misc1[i]));
      for (var k = 4; k >= 1 && t < tin; k--) {
        f = 1 - easeOut(progress(t - k * 60, tin - 250));
        if (t >= k * 60) this.fadeBlock(g, i, from[0] * f, from[1] * f, L_FACE, 0.12 * (5 - k));
      }
      f = 1 - easeOut(progress(t, tin - 250));
      this.drawBlock(g, i, from[0] * f, from[1] * f, L_ALL);
      return;
    case 7: this.fadeBlock(g, i, 0, 0, L_ALL, progress(t, tin)); return;
    case 8: this.drawDirectionalFade(g, i, t); return;
    case 9:
    case 10: this.drawSmash(g, i, t); return;
    case 11:
      p = progress(t, tin);
      this.fadeBlock(g, i, 0, 0, L_RELIEF, Math.min(1, p * 2));
      if (p > 0.5) this.fadeBlock(g, i, 0, 0, L_ALL, (p - 0.5) * 2);
      return;
    case 12: this.drawTwoParts(g, i, t); return;
    case 13: {
      var dir = direction(this.misc1[i]), to = this.entry(i, opposite(dir)), dx = 0, dy = 0;
      from = this.entry(i, dir);
      if (t < tin) { f = 1 - easeOut(progress(t, tin)); dx = from[0] * f; dy = from[1] * f; }
      else if (t >= tin + hold) { f = easeIn(progress(t - tin - hold, out)); dx = to[0] * f; dy = to[1] * f; }
      this.drawBlock(g, i, dx, dy, L_ALL);
      return;
    }
    case 14: this.drawDrunk(g, i, t); return;
    default: this.drawBlock(g, i, 0, 0, L_ALL);
  }
};

// Reduced motion: the text as it stands at rest, from the start; the
// one-line screens of a tall vertical scroll still follow one another.
P.drawStill = function (g, i, t) {
  if (!this.vsMulti[i]) { this.drawBannerText(g, i, this.tIn[i]); return; }
  var k = this.screenAt(i, t);
  this.drawWholeLine(g, i, k, this.lineLeft(i, k), this.vsTop[i] + this.ascent[i]);
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
  else y = top - (top + h) * progress(ts - sin - wait, this.tLeave[i]);
  this.drawWholeLine(g, i, screen, this.lineLeft(i, screen), y + this.ascent[i]);
};

P.drawTyping = function (g, i, t) {
  var shown = Math.floor(t / Math.max(1, this.tStep[i])), n = this.lines[i].length, k, left;
  for (var p = 0; p < 2; p++) {
    var layers = this.pass(i, L_ALL, p);
    for (k = 0, left = shown; k < n && left > 0 && layers; left -= this.letters(i, k++))
      this.drawLine(g, i, k, Math.min(this.letters(i, k), left), this.lineLeft(i, k), this.baseline(i, k), layers);
  }
  if (shown >= this.letterCount[i] || Math.floor(t / 250) % 2) return;
  // While typing, a blinking caret after the last letter typed.
  for (k = 0; shown >= this.letters(i, k); k++) shown -= this.letters(i, k);
  g.fillStyle = this.fontCss[i];
  g.fillRect(this.lineLeft(i, k) + this.letterX[i][k][shown] + 1, this.baseline(i, k) - this.ascent[i] + 2,
             Math.max(1, idiv(this.fontSize[i], 12)), this.ascent[i]);
};

// Each letter falls from above the area with growing speed, one after another.
P.drawRain = function (g, i, t) {
  var self = this, step = this.tStep[i], de = this.descent[i];
  for (var p = 0; p < 2; p++) {
    var layers = this.pass(i, L_ALL, p);
    if (layers) this.eachLetter(i, 0, function (s, x, y, lw, j) {
      var tj = t - j * step, fall = (y + de + 2) * (1 - easeIn(progress(tj, 450)));
      if (tj > 0 && self.nearArea(i, x, y - fall)) self.drawText(g, i, s, x, y - fall, layers);
    });
  }
};

// The text shows up along misc1's direction with a soft edge running ahead.
P.drawDirectionalFade = function (g, i, t) {
  var p = progress(t, this.tIn[i]), m = this.reach(i), rx = this.restX[i], ry = this.restY[i];
  var r = this.box(rx - m, ry - m, rx + this.blockW[i] + m, ry + this.blockH[i] + m);
  if (p >= 1 || !r) { this.drawBlock(g, i, 0, 0, L_ALL); return; }
  var f = this.layer(r);
  this.drawBlock(f, i, 0, 0, L_ALL);
  var dir = direction(this.misc1[i]), vertical = dir < 2, start = (vertical ? ry : rx) - 4;
  var length = (vertical ? this.blockH[i] : this.blockW[i]) + 8, band = Math.max(8, length * 0.35);
  var reverse = dir === 1 || dir === 3;
  var edge = reverse ? start + length + band - (length + band) * p : start - band + (length + band) * p;
  var e1 = reverse ? edge - band : edge + band;
  var mask = vertical ? f.createLinearGradient(0, edge, 0, e1) : f.createLinearGradient(edge, 0, e1, 0);
  mask.addColorStop(0, 'rgba(0,0,0,1)');
  mask.addColorStop(1, 'rgba(0,0,0,0)');
  f.globalCompositeOperation = 'destination-in';
  f.fillStyle = mask;
  f.fillRect(r[0], r[1], r[2], r[3]);
  f.globalCompositeOperation = 'source-over';
  this.lay(g, 1);
};

P.drawSmash = function (g, i, t) {
  var tin = this.tIn[i], hold = this.tHold[i], out = this.tOut[i], aw = this.aw, ah = this.ah, p;
  var cx = this.anim[i] === 9 ? this.restX[i] : this.restX[i] + this.blockW[i] / 2, cy = this.restY[i] + this.blockH[i] / 2;
  if (t < tin) {
    // Flies in large and lands with a little shake.
    var fly = tin - 150;
    p = progress(t, fly);
    var shake = t > fly ? Math.sin(t * 0.09) * 3 * (1 - progress(t - fly, 150)) : 0;
    this.fadeBlock(g, i, 0, 0, L_ALL, p, 1 + 2.5 * (1 - easeOut(p)), cx, cy, shake);
    return;
  }
  if (t < tin + hold) { this.drawBlock(g, i, 0, 0, L_ALL); return; }
  p = progress(t - tin - hold, out);
  if (p >= 1) return;
  // Apart: every letter flies off its own way, spinning; together they
  // are one text fading out.
  var self = this, reach = Math.max(aw, ah) * 0.8, far = reach * easeIn(p) * 1.5 + 1, asc = this.ascent[i];
  var m = this.reach(i) + far, rx = this.restX[i], ry = this.restY[i];
  var box = this.box(rx - m, ry - m, rx + this.blockW[i] + m, ry + this.blockH[i] + m);
  if (!box) return;
  var z = this.layer(box);
  for (var q = 0; q < 2; q++) {
    var layers = this.pass(i, L_ALL, q);
    if (layers) this.eachLetter(i, far, function (s, x, y, lw, j) {
      var lx = x + lw / 2, ly = y - asc / 2;
      var ang = Math.atan2(ly - cy, lx - cx) + (rnd(j, 1) - 0.5) * 1.6, dist = reach * easeIn(p) * (0.5 + rnd(j, 2));
      var px = lx + Math.cos(ang) * dist, py = ly + Math.sin(ang) * dist;
      if (s === ' ' || !self.nearArea(i, px, py)) return;
      z.save();
      z.translate(px, py);
      z.rotate((rnd(j, 3) - 0.5) * 6 * p);
      self.drawText(z, i, s, -lw / 2, asc / 2, layers);
      restore(z);
    });
  }
  this.lay(g, 1 - p);
};

P.drawTwoParts = function (g, i, t) {
  var dir = direction(this.misc1[i]), a = this.entry(i, dir), b = this.entry(i, opposite(dir));
  var f = 1 - easeOut(progress(t, this.tIn[i])), ls = this.lines[i], o, m;
  if (this.misc2[i] === 1) {
    // The shadow from one side, the text from the other.
    this.drawBlock(g, i, a[0] * f, a[1] * f, L_SHADOW);
    this.drawBlock(g, i, b[0] * f, b[1] * f, this.effect[i] === 4 ? L_FACE : L_ALL);
    return;
  }
  // With several lines, even lines from one side and odd ones from the
  // other; with one, even and odd letters (those that can touch the area).
  for (var p = 0; p < 2; p++) {
    var layers = this.pass(i, L_ALL, p);
    for (var k = 0; k < ls.length && layers; k++) {
      var x0 = this.lineLeft(i, k), y0 = this.baseline(i, k), n = this.letters(i, k);
      o = k % 2 ? b : a;
      if (ls.length > 1) this.drawLine(g, i, k, n, x0 + o[0] * f, y0 + o[1] * f, layers);
      else for (m = 0; m < n; m++) {
        o = m % 2 ? b : a;
        var x = x0 + this.letterX[i][0][m] + o[0] * f, y = y0 + o[1] * f;
        if (this.nearArea(i, x, y)) this.drawText(g, i, this.letter(i, 0, m), x, y, layers);
      }
    }
  }
};

P.drawDrunk = function (g, i, t) {
  var p = progress(t, this.tIn[i]), self = this;
  if (p >= 1) { this.drawBlock(g, i, 0, 0, L_ALL); return; }
  var amp = this.fontSize[i] * 0.35 * (1 - p), w = 2 * Math.PI * (0.4 + 1.2 * rate(this.speed[i])) * t / 1000;
  for (var q = 0; q < 2; q++) {
    var layers = this.pass(i, L_ALL, q);
    if (layers) this.eachLetter(i, amp + 1, function (s, x, y, lw, j) {
      var lx = x + lw / 2 + amp * 0.4 * Math.sin(w * 0.7 + j * 1.7), ly = y + amp * Math.sin(w + j * 0.9);
      if (!self.nearArea(i, lx, ly)) return;
      g.save();
      g.translate(lx, ly);
      g.rotate(0.45 * (1 - p) * Math.sin(w * 0.8 + j * 1.3));
      self.drawText(g, i, s, -lw / 2, 0, layers);
      restore(g);
    });
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
  var found = Array.prototype.slice.call(D.getElementsByTagName('applet'));
  for (var k = 0; k < found.length; k++) {
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
