// glntfx - the Glintra banner applet.
//
// Plays the banner show that Pallima Glintra writes into an <applet> element:
// a loop of banners, each with a background, a transition from the banner
// before it, and one text with its font, effect and animation style. Every
// setting arrives as a <param>; see readParameters() for the names and the
// formats of their values.
//
// The whole applet is this one class (no inner or anonymous classes), so the
// single file glntfx.class is all that has to lie beside a page.
//
// Threads: one animation thread (started in start(), stopped in stop()) waits
// for the images, then renders every frame into an off-screen image and asks
// for a repaint. paint() only copies the last finished frame onto the screen.
// Mouse events only read what the animation thread publishes.

import java.applet.Applet;
import java.awt.AlphaComposite;
import java.awt.BasicStroke;
import java.awt.Color;
import java.awt.Cursor;
import java.awt.Dimension;
import java.awt.Font;
import java.awt.FontMetrics;
import java.awt.GradientPaint;
import java.awt.Graphics;
import java.awt.Graphics2D;
import java.awt.Image;
import java.awt.MediaTracker;
import java.awt.Polygon;
import java.awt.Rectangle;
import java.awt.RenderingHints;
import java.awt.TexturePaint;
import java.awt.event.MouseEvent;
import java.awt.event.MouseListener;
import java.awt.event.MouseMotionListener;
import java.awt.geom.AffineTransform;
import java.awt.image.BufferedImage;
import java.net.URL;

public class glntfx extends Applet implements Runnable, MouseListener, MouseMotionListener {

    private static final long serialVersionUID = 1L;

    // The banners are shown only when the Notice parameter holds this text.
    static final String NOTICE = "Glintra banner applet. Banners designed with Pallima Glintra 1.5.";
    // Stands for a line break inside PgText-k.
    static final String LINE_BREAK_CODE = "|_#`";
    // Stands for a comma inside the loading message of ProgressBar.
    static final String COMMA_CODE = "~@^`";

    static final int FRAME_MS = 40;          // 25 frames per second
    static final int TRANSITION_MS = 700;    // every transition but the cut
    static final int MAX_BANNERS = 1000;
    static final int MAX_FONT_SIZE = 1000;
    static final int MAX_DELAY_MS = 3600000;
    static final long LOAD_TIMEOUT_MS = 60000;
    static final int MAX_PHASE_MS = 36000000; // no phase of a banner lasts longer than 10 hours
    // The show is drawn over at most MAX_SIDE pixels each way; a larger
    // applet gets the applet colour beyond. Its frame buffers would not fit.
    static final int MAX_SIDE = 2048;
    // Backgrounds kept ready: a frame needs two at most (a transition).
    static final int BG_CACHE = 4;
    // Lines at least this long are drawn only where they can be seen.
    static final int LONG_LINE = 256;
    // A banner text is cut after this many letters (code points), the
    // loading message after MAX_MESSAGE: it is drawn whole on one line, of
    // which no screen shows more than a few hundred letters.
    static final int MAX_LETTERS = 10000;
    static final int MAX_MESSAGE = 1000;

    // Text layers for drawText(): which parts of a text to draw.
    static final int L_BACK = 1;    // the layers of the banner's effect (outline, relief, shadow)
    static final int L_FACE = 2;    // the text itself in its colour
    static final int L_RELIEF = 4;  // an engraved relief, whatever the effect
    static final int L_SHADOW = 8;  // a shadow in the shadow colour, whatever the effect
    static final int L_ALL = L_BACK | L_FACE;
    // A text is drawn in two passes: the layers behind of all its pieces
    // (lines or letters), then the faces of all of them.
    static final int[] PASSES = {L_BACK | L_RELIEF | L_SHADOW, L_FACE};

    // ---- settings of the whole applet ----
    boolean withBar = true;
    String loadMessage = "Loading Image...";
    int marginH, marginV;
    int borderWidth, borderType;
    String borderImagePath = "";
    Color appColor = Color.black;
    int backMoveSpeed;
    boolean noticeOk;

    // ---- the banners, index k of the parameters ----
    int total;
    int[] bkType, bkPut, connStyle, delay;
    Color[] bkColor;
    String[] bkImagePath;
    String[] url, target;
    URL[] link;           // the link of each banner resolved, or null: none, or one that cannot be opened
    Font[] font;
    int[] fontSize, align, offX, offY, effect, speed, anim, misc1, misc2;
    Color[] fontColor, shadowColor;
    String[][] lines;
    int[][][] letterAt;   // where letter m of line k starts in the string; one entry more than letters

    // ---- images ----
    MediaTracker tracker;
    Image[] trackedImages = new Image[0];
    String[] trackedPaths = new String[0];
    volatile int imagesDone;
    BufferedImage borderImage;
    BufferedImage[] bkImage;
    long loadStart = -1;
    volatile boolean loaded;

    // ---- geometry of the current size ----
    int appW, appH;
    int ax, ay, aw, ah;   // the banner area: inside the border and the margins
    int inset;            // border width actually drawn

    // ---- text layout, per banner, relative to the banner area ----
    int[] ascent, descent, lineH, blockW, blockH, restX, restY;
    int[][] lineW;
    int[][][] letterX;    // x of every letter (code point) of every line from the line's start; one entry more than letters
    int[] letterCount;
    int[][] lineStart;    // letters of banner i before line k
    boolean[][] cut;      // line k of banner i may be drawn in part (long, left to right)
    boolean[] vsMulti;    // vertical scrolling: one line per screen
    int[] vsTop;          // vertical scrolling: top of a one-line screen

    // ---- timeline, per banner, milliseconds ----
    int[] tConn, tIn, tHold, tOut, tRest, tStep, tScreen, tLeave;
    long[] bannerStart, bannerDur;
    long cycle = 1;

    // ---- rendering ----
    int[] bgFor = new int[BG_CACHE];
    BufferedImage[] bgImg = new BufferedImage[BG_CACHE];
    int bgNext;
    BufferedImage backBuf, shownBuf, curArea, prevArea, fxArea;
    final Object bufLock = new Object();

    // ---- running ----
    volatile Thread runner;
    long playStart;
    long pausedAt = -1;
    volatile int currentBanner = -1;
    volatile boolean mouseInside;
    int cursorBanner = -2;
    boolean initialised;

    // =====================================================================
    // Applet life cycle
    // =====================================================================

    public void init() {
        try {
            readParameters();
            startImageLoading();
        } catch (RuntimeException e) {
            // A broken page must still give a quiet applet: no banners.
            total = 0;
            allocateBanners(0);
            noticeOk = false;
        }
        initialised = true;
        addMouseListener(this);
        addMouseMotionListener(this);
    }

    public void start() {
        if (!initialised)
            init();
        if (pausedAt >= 0) {
            playStart += now() - pausedAt;
            pausedAt = -1;
        }
        if (runner == null) {
            Thread t = new Thread(this, "glntfx");
            t.setDaemon(true);
            runner = t;
            t.start();
        }
    }

    public void stop() {
        Thread t = runner;
        runner = null;
        if (t != null) {
            t.interrupt();
            try {
                t.join(500);
            } catch (InterruptedException e) {
                Thread.currentThread().interrupt();
            }
        }
        if (loaded && pausedAt < 0)
            pausedAt = now();
    }

    // Milliseconds of a clock that only runs forwards, whatever is done to
    // the computer's clock.
    static long now() {
        return System.nanoTime() / 1000000L;
    }

    public void destroy() {
        stop();
        removeMouseListener(this);
        removeMouseMotionListener(this);
        synchronized (bufLock) {
            backBuf = shownBuf = curArea = prevArea = fxArea = null;
        }
        clearBackgrounds();
        for (int i = 0; i < trackedImages.length; i++)
            if (trackedImages[i] != null)
                trackedImages[i].flush();
    }

    public String getAppletInfo() {
        return NOTICE;
    }

    public String[][] getParameterInfo() {
        return new String[][] {
            {"ProgressBar", "b,message", "1 for a progress bar, and the loading message (~@^` for a comma)"},
            {"ApMargin", "h,v", "margin width and height, pixels"},
            {"ApBorderWidth", "int", "border width, pixels"},
            {"ApBorderType", "0-4", "no border, plain, bulge, sunken, image"},
            {"ApBKImg", "path", "border image, relative to the page"},
            {"ApBKColor", "rrggbb", "background colour of the applet"},
            {"BackMoveSpeed", "0-400", "0 still, 1 fastest to 400 slowest"},
            {"Notice", "text", "the applet's notice"},
            {"PgTotal", "int", "number of banners"},
            {"PgBKStyle-k", "type,rrggbb,image,puttype", "background of banner k"},
            {"PgConnStyle-k", "0-12", "transition to banner k"},
            {"PgDelay-k", "ms", "display time of banner k"},
            {"PgURL-k", "url", "link of banner k"},
            {"UrlTarget-k", "frame", "target frame of the link"},
            {"FontStyle-k", "size,t/h/c,rrggbb,p/b/i,align,x,y,effect,rrggbb", "font of banner k"},
            {"PgText-k", "text", "text of banner k (|_#` for a line break)"},
            {"PgTextSpeed-k", "0-400", "animation speed, 0 fastest"},
            {"PgTextAnimate-k", "type,misc1,misc2", "animation style of banner k"},
        };
    }

    // Draw only the finished frame: no clearing first, so nothing flickers.
    public void update(Graphics g) {
        paint(g);
    }

    public void paint(Graphics g) {
        try {
            Dimension d = getSize();
            synchronized (bufLock) {
                if (shownBuf != null) {
                    g.drawImage(shownBuf, 0, 0, null);
                    int bw = shownBuf.getWidth(), bh = shownBuf.getHeight();
                    if (d.width > bw || d.height > bh) {
                        // Beyond MAX_SIDE.
                        g.setColor(appColor);
                        g.fillRect(bw, 0, d.width - bw, d.height);
                        g.fillRect(0, bh, bw, d.height - bh);
                    }
                    return;
                }
            }
            g.setColor(appColor);
            g.fillRect(0, 0, d.width, d.height);
        } catch (RuntimeException e) {
            // Nothing to be done in paint; the next frame tries again.
        }
    }

    public void run() {
        Thread me = Thread.currentThread();
        while (runner == me) {
            long frameStart = now();
            try {
                Dimension d = getSize();
                int w = Math.min(d.width, MAX_SIDE), h = Math.min(d.height, MAX_SIDE);
                if (w > 0 && h > 0) {
                    if (w != appW || h != appH || backBuf == null)
                        layout(w, h);
                    if (!loaded && checkLoaded(frameStart)) {
                        prepareImages();
                        playStart = now();
                        loaded = true;
                    }
                    Graphics2D g = backBuf.createGraphics();
                    try {
                        if (loaded)
                            renderFrame(g, now() - playStart);
                        else
                            renderLoading(g);
                    } finally {
                        g.dispose();
                    }
                    synchronized (bufLock) {
                        BufferedImage t = shownBuf;
                        shownBuf = backBuf;
                        backBuf = t;
                    }
                    repaint();
                    updateCursor();
                }
            } catch (RuntimeException e) {
                // One bad frame must not end the show; the next one tries again.
            } catch (OutOfMemoryError e) {
                // Neither must a lack of memory: let the built backgrounds go
                // and try again with the next frame.
                clearBackgrounds();
            }
            long wait = FRAME_MS - (now() - frameStart);
            try {
                Thread.sleep(wait < 5 ? 5 : wait);
            } catch (InterruptedException e) {
                break;
            }
        }
    }

    // =====================================================================
    // Parameters
    // =====================================================================

    String param(String name) {
        try {
            return getParameter(name);
        } catch (RuntimeException e) {
            return null;
        }
    }

    String param(String name, String def) {
        String v = param(name);
        return v == null ? def : v;
    }

    // An integer: trimmed, an optional sign, ASCII digits only, in the range
    // of an int; anything else gives def.
    static int toInt(String s, int def) {
        if (s == null)
            return def;
        s = s.trim();
        int n = s.length(), j = n > 0 && (s.charAt(0) == '+' || s.charAt(0) == '-') ? 1 : 0;
        if (j == n)
            return def;
        long v = 0;
        for (int k = j; k < n; k++) {
            char c = s.charAt(k);
            if (c < '0' || c > '9')
                return def;
            v = v * 10 + (c - '0');
            if (v > 2147483648L)
                return def;
        }
        v = s.charAt(0) == '-' ? -v : v;
        return v > Integer.MAX_VALUE ? def : (int) v;
    }

    static int clamp(int v, int lo, int hi) {
        return v < lo ? lo : (v > hi ? hi : v);
    }

    // "rrggbb", with or without a leading # or 0x: one to six ASCII hex
    // digits, no sign; fewer than six are padded with zeros on the left.
    static Color toColor(String s, Color def) {
        if (s == null)
            return def;
        s = s.trim();
        if (s.startsWith("#"))
            s = s.substring(1);
        else if (s.startsWith("0x") || s.startsWith("0X"))
            s = s.substring(2);
        if (s.length() == 0 || s.length() > 6)
            return def;
        int v = 0;
        for (int k = 0; k < s.length(); k++) {
            int d = hexDigit(s.charAt(k));
            if (d < 0)
                return def;
            v = v * 16 + d;
        }
        return new Color(v);
    }

    // The first max letters (code points) of s.
    static String cutLetters(String s, int max) {
        return s.codePointCount(0, s.length()) <= max ? s : s.substring(0, s.offsetByCodePoints(0, max));
    }

    // Whether s, trimmed, starts with the ASCII letter c in either case or is exactly alt.
    static boolean picks(String s, char c, String alt) {
        s = s.trim();
        return s.equals(alt) || (s.length() > 0 && (s.charAt(0) == c || s.charAt(0) == Character.toUpperCase(c)));
    }

    // The comma-separated fields of a value, always n of them ("" for missing
    // ones); the last field takes whatever follows the (n-1)th comma.
    static String[] fields(String s, int n) {
        String[] out = new String[n];
        int start = 0;
        for (int i = 0; i < n; i++) {
            if (s == null || start > s.length()) {
                out[i] = "";
                continue;
            }
            int comma = i == n - 1 ? -1 : s.indexOf(',', start);
            if (comma < 0) {
                out[i] = s.substring(start);
                start = s.length() + 1;
            } else {
                out[i] = s.substring(start, comma);
                start = comma + 1;
            }
        }
        return out;
    }

    static String replaceAll(String s, String what, String with) {
        StringBuffer out = new StringBuffer(s.length());
        int start = 0;
        for (int at; (at = s.indexOf(what, start)) >= 0; start = at + what.length())
            out.append(s, start, at).append(with);
        return out.append(s.substring(start)).toString();
    }

    // A banner text: the line-break code (and any real line end) breaks
    // lines; it is cut after MAX_LETTERS letters, a line break counting as one.
    static String[] splitLines(String text) {
        if (text == null)
            return new String[] {""};
        String s = replaceAll(text, LINE_BREAK_CODE, "\n");
        s = replaceAll(s, "\r\n", "\n").replace('\r', '\n').replace('\t', ' ');
        s = cutLetters(s, MAX_LETTERS);
        int n = 1;
        for (int i = 0; i < s.length(); i++)
            if (s.charAt(i) == '\n')
                n++;
        String[] out = new String[n];
        int start = 0;
        for (int k = 0; k < n; k++) {
            int end = s.indexOf('\n', start);
            if (end < 0)
                end = s.length();
            out[k] = s.substring(start, end);
            start = end + 1;
        }
        return out;
    }

    void readParameters() {
        // ProgressBar "b,message": b is 1 for a bar under the message.
        String pb = param("ProgressBar");
        if (pb != null) {
            String[] f = fields(pb, 2);
            withBar = toInt(f[0], 1) != 0;
            if (pb.indexOf(',') >= 0)
                loadMessage = replaceAll(f[1], COMMA_CODE, ",");
        }
        loadMessage = cutLetters(loadMessage, MAX_MESSAGE);
        String[] m = fields(param("ApMargin", "0,0"), 2);
        marginH = clamp(toInt(m[0], 0), 0, 5000);
        marginV = clamp(toInt(m[1], 0), 0, 5000);
        borderWidth = clamp(toInt(param("ApBorderWidth"), 0), 0, 5000);
        borderType = toInt(param("ApBorderType"), 0);
        borderImagePath = param("ApBKImg", "").trim();
        appColor = toColor(param("ApBKColor"), Color.black);
        backMoveSpeed = clamp(toInt(param("BackMoveSpeed"), 0), 0, 100000);
        String notice = param("Notice");
        noticeOk = notice != null && NOTICE.equals(notice.trim());

        int n = toInt(param("PgTotal"), -1);
        if (n < 0) {
            // No usable count: take the banners that are there.
            n = 0;
            while (n < MAX_BANNERS && (param("PgBKStyle-" + n) != null || param("PgText-" + n) != null))
                n++;
        }
        n = clamp(n, 0, MAX_BANNERS);
        allocateBanners(n);
        total = n;
        for (int k = 0; k < n; k++)
            readBanner(k);
        for (int k = 0; k < n; k++)
            link[k] = resolveLink(url[k]);
    }

    // PgURL-k relative to the page. Only addresses of documents are followed:
    // one with a script-bearing scheme, however disguised, is no link at all
    // (no hand over it, nothing on a click), and neither is one that cannot
    // be read.
    URL resolveLink(String u) {
        if (u.length() == 0 || scriptScheme(u))
            return null;
        try {
            URL base = imageBase();
            URL r = base != null ? new URL(base, u) : new URL(u);
            String p = r.getProtocol().toLowerCase();
            return p.equals("http") || p.equals("https") || p.equals("ftp") || p.equals("file") || p.equals("mailto")
                   ? r : null;
        } catch (Exception e) {
            return null;
        }
    }

    static boolean scriptScheme(String u) {
        String s = unmask(u);
        return s.startsWith("javascript:") || s.startsWith("vbscript:") || s.startsWith("data:");
    }

    static int hexDigit(char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    }

    // An address as a browser might come to read it: character references
    // (&#NN; &#xHH; &colon; &tab; &newline;) and %-escapes undone once, every
    // blank, control and invisible format character dropped, lower case.
    static String unmask(String u) {
        StringBuilder b = new StringBuilder(u.length());
        int n = u.length();
        for (int i = 0; i < n; i++) {
            int code = u.charAt(i);
            if (code == '&' && i + 1 < n && u.charAt(i + 1) == '#') {
                boolean hex = i + 2 < n && (u.charAt(i + 2) == 'x' || u.charAt(i + 2) == 'X');
                int j = i + (hex ? 3 : 2), v = 0, digits = 0;
                for (; j < n; j++, digits++) {
                    int d = hex ? hexDigit(u.charAt(j)) : (u.charAt(j) >= '0' && u.charAt(j) <= '9' ? u.charAt(j) - '0' : -1);
                    if (d < 0)
                        break;
                    v = Math.min(0x110000, v * (hex ? 16 : 10) + d);
                }
                if (digits > 0) {
                    code = v > 0xffff ? 0xfffd : v;
                    i = j < n && u.charAt(j) == ';' ? j : j - 1;
                }
            } else if (code == '&') {
                String[] named = {"&colon;", "&tab;", "&newline;"};
                char[] to = {':', '\t', '\n'};
                for (int k = 0; k < named.length; k++) {
                    if (u.regionMatches(true, i, named[k], 0, named[k].length())) {
                        code = to[k];
                        i += named[k].length() - 1;
                        break;
                    }
                }
            } else if (code == '%' && i + 2 < n && hexDigit(u.charAt(i + 1)) >= 0 && hexDigit(u.charAt(i + 2)) >= 0) {
                code = hexDigit(u.charAt(i + 1)) * 16 + hexDigit(u.charAt(i + 2));
                i += 2;
            }
            boolean invisible = code <= 0x20 || (code >= 0x7f && code <= 0xa0) || code == 0xad
                || (code >= 0x200b && code <= 0x200f) || (code >= 0x2028 && code <= 0x202e)
                || (code >= 0x2060 && code <= 0x206f) || code == 0xfeff;
            if (!invisible)
                b.append(Character.toLowerCase((char) code));
        }
        return b.toString();
    }

    void allocateBanners(int n) {
        bkType = new int[n];
        bkPut = new int[n];
        connStyle = new int[n];
        delay = new int[n];
        bkColor = new Color[n];
        bkImagePath = new String[n];
        url = new String[n];
        target = new String[n];
        font = new Font[n];
        fontSize = new int[n];
        align = new int[n];
        offX = new int[n];
        offY = new int[n];
        effect = new int[n];
        speed = new int[n];
        anim = new int[n];
        misc1 = new int[n];
        misc2 = new int[n];
        fontColor = new Color[n];
        shadowColor = new Color[n];
        lines = new String[n][];
        bkImage = new BufferedImage[n];
        link = new URL[n];
    }

    void readBanner(int k) {
        // PgBKStyle-k "type,rrggbb,image,puttype": the image may itself hold
        // commas, so it is everything between the second and the last comma.
        String bk = param("PgBKStyle-" + k, "1,000000,,0");
        String[] f = fields(bk, 3);
        bkType[k] = toInt(f[0], 1);
        bkColor[k] = toColor(f[1], Color.black);
        String rest = f[2];
        int last = rest.lastIndexOf(',');
        if (last >= 0) {
            bkImagePath[k] = rest.substring(0, last).trim();
            bkPut[k] = toInt(rest.substring(last + 1), 0);
        } else {
            bkImagePath[k] = rest.trim();
            bkPut[k] = 0;
        }
        connStyle[k] = toInt(param("PgConnStyle-" + k), 0);
        delay[k] = clamp(toInt(param("PgDelay-" + k), 2000), 0, MAX_DELAY_MS);

        url[k] = param("PgURL-" + k, "").trim();
        String tg = param("UrlTarget-" + k, "").trim();
        target[k] = tg.length() == 0 ? "_self" : tg;

        // FontStyle-k "size,font,rrggbb,style,align,x,y,effect,shadow"
        String[] fs = fields(param("FontStyle-" + k, "18,t,ffffff,p,0,0,0,0,000000"), 9);
        int size = toInt(fs[0], 18);
        fontSize[k] = size <= 0 ? 18 : Math.min(size, MAX_FONT_SIZE);
        String family = picks(fs[1], 'h', "1") ? "SansSerif" : picks(fs[1], 'c', "2") ? "Monospaced" : "Serif";
        fontColor[k] = toColor(fs[2], Color.white);
        int style = picks(fs[3], 'b', "1") ? Font.BOLD : picks(fs[3], 'i', "2") ? Font.ITALIC : Font.PLAIN;
        font[k] = new Font(family, style, fontSize[k]);
        align[k] = toInt(fs[4], 0);
        if (align[k] < 0 || align[k] > 8)
            align[k] = 0;
        offX[k] = clamp(toInt(fs[5], 0), -100000, 100000);
        offY[k] = clamp(toInt(fs[6], 0), -100000, 100000);
        effect[k] = toInt(fs[7], 0);
        shadowColor[k] = toColor(fs[8], Color.black);

        lines[k] = splitLines(param("PgText-" + k, ""));
        speed[k] = clamp(toInt(param("PgTextSpeed-" + k), 0), 0, 1000);
        String[] a = fields(param("PgTextAnimate-" + k, "6,0,0"), 3);
        anim[k] = toInt(a[0], 6);
        misc1[k] = clamp(toInt(a[1], 0), -1, MAX_DELAY_MS);
        misc2[k] = clamp(toInt(a[2], 0), -1, MAX_DELAY_MS);
    }

    // =====================================================================
    // Images
    // =====================================================================

    URL imageBase() {
        URL base = null;
        try {
            base = getDocumentBase();
        } catch (RuntimeException e) {
            base = null;
        }
        if (base == null) {
            try {
                base = getCodeBase();
            } catch (RuntimeException e) {
                base = null;
            }
        }
        return base;
    }

    // Every image is asked for once, however many banners name it.
    void startImageLoading() {
        String[] paths = new String[total + 1];
        int n = 0;
        if (borderType == 4 && borderImagePath.length() > 0)
            paths[n++] = borderImagePath;
        for (int k = 0; k < total; k++) {
            String p = bkType[k] == 0 ? bkImagePath[k] : "";
            if (p.length() == 0)
                continue;
            boolean seen = false;
            for (int j = 0; j < n && !seen; j++)
                seen = paths[j].equals(p);
            if (!seen)
                paths[n++] = p;
        }
        trackedPaths = new String[n];
        trackedImages = new Image[n];
        if (n == 0)
            return;
        URL base = imageBase();
        tracker = new MediaTracker(this);
        for (int j = 0; j < n; j++) {
            trackedPaths[j] = paths[j];
            String ref = replaceAll(paths[j].replace('\\', '/'), " ", "%20");
            Image img = null;
            try {
                img = base != null ? getImage(base, ref) : getImage(new URL(ref));
            } catch (Exception e) {
                img = null;
            }
            trackedImages[j] = img;
            if (img != null)
                tracker.addImage(img, j);
        }
    }

    // True once every image has arrived, failed, or the wait was too long.
    boolean checkLoaded(long now) {
        if (tracker == null)
            return true;
        if (loadStart < 0)
            loadStart = now;
        int done = 0;
        for (int j = 0; j < trackedImages.length; j++) {
            if (trackedImages[j] == null) {
                done++;
                continue;
            }
            tracker.checkID(j, true);
            int st = tracker.statusID(j, false);
            if ((st & (MediaTracker.COMPLETE | MediaTracker.ERRORED | MediaTracker.ABORTED)) != 0)
                done++;
        }
        imagesDone = done;
        return done >= trackedImages.length || now - loadStart > LOAD_TIMEOUT_MS;
    }

    // The image of path as an in-memory image, made once however many
    // banners name it; null when it did not arrive in time or failed.
    BufferedImage loadedImage(String path, BufferedImage[] made) {
        for (int j = 0; j < trackedPaths.length; j++) {
            if (!trackedPaths[j].equals(path) || trackedImages[j] == null)
                continue;
            if (tracker != null && (tracker.statusID(j, false) & MediaTracker.COMPLETE) == 0)
                return null;
            if (made[j] == null)
                made[j] = toBuffered(trackedImages[j]);
            return made[j];
        }
        return null;
    }

    // A picture too large to be held in memory counts as failed.
    static BufferedImage toBuffered(Image img) {
        int w = img.getWidth(null), h = img.getHeight(null);
        if (w <= 0 || h <= 0)
            return null;
        try {
            BufferedImage b = new BufferedImage(w, h, BufferedImage.TYPE_INT_ARGB);
            Graphics2D g = b.createGraphics();
            g.drawImage(img, 0, 0, null);
            g.dispose();
            return b;
        } catch (OutOfMemoryError e) {
            return null;
        } catch (RuntimeException e) {
            return null;
        }
    }

    // Loaded images become plain in-memory images, so every later drawing
    // of them is immediate.
    void prepareImages() {
        BufferedImage[] made = new BufferedImage[trackedImages.length];
        borderImage = borderType == 4 && borderImagePath.length() > 0 ? loadedImage(borderImagePath, made) : null;
        for (int k = 0; k < total; k++)
            bkImage[k] = bkType[k] == 0 && bkImagePath[k].length() > 0 ? loadedImage(bkImagePath[k], made) : null;
        clearBackgrounds();
    }

    // =====================================================================
    // Layout and timeline
    // =====================================================================

    static void setHints(Graphics2D g) {
        g.setRenderingHint(RenderingHints.KEY_ANTIALIASING, RenderingHints.VALUE_ANTIALIAS_ON);
        g.setRenderingHint(RenderingHints.KEY_TEXT_ANTIALIASING, RenderingHints.VALUE_TEXT_ANTIALIAS_ON);
    }

    // The applet drawn w by h (at most MAX_SIDE each way). The buffers are
    // made first: without the memory for them nothing changes, and the next
    // frame tries again.
    void layout(int w, int h) {
        // Border styles 1 to 4 draw a frame of ApBorderWidth; style 0 none.
        // An unknown style is drawn as a plain frame.
        int in = borderType != 0 ? Math.min(borderWidth, Math.min(w, h) / 2) : 0;
        int x = in + marginH, y = in + marginV, cw = w - 2 * x, ch = h - 2 * y;
        if (cw < 1) {
            x = Math.max(0, w / 2);
            cw = 1;
        }
        if (ch < 1) {
            y = Math.max(0, h / 2);
            ch = 1;
        }
        BufferedImage b1 = new BufferedImage(w, h, BufferedImage.TYPE_INT_RGB);
        BufferedImage b2 = new BufferedImage(w, h, BufferedImage.TYPE_INT_RGB);
        BufferedImage c1 = new BufferedImage(cw, ch, BufferedImage.TYPE_INT_RGB);
        BufferedImage c2 = new BufferedImage(cw, ch, BufferedImage.TYPE_INT_RGB);
        BufferedImage c3 = new BufferedImage(cw, ch, BufferedImage.TYPE_INT_ARGB);
        appW = w;
        appH = h;
        inset = in;
        ax = x;
        ay = y;
        aw = cw;
        ah = ch;
        curArea = c1;
        prevArea = c2;
        fxArea = c3;
        synchronized (bufLock) {
            backBuf = b1;
            shownBuf = b2;
            Graphics2D g = b2.createGraphics();
            g.setColor(appColor);
            g.fillRect(0, 0, w, h);
            g.dispose();
        }
        clearBackgrounds();

        Graphics2D g = b1.createGraphics();
        setHints(g);
        layoutTexts(g);
        g.dispose();
        computeTimeline();
    }

    void layoutTexts(Graphics2D g) {
        int n = total;
        ascent = new int[n];
        descent = new int[n];
        lineH = new int[n];
        blockW = new int[n];
        blockH = new int[n];
        restX = new int[n];
        restY = new int[n];
        lineW = new int[n][];
        letterX = new int[n][][];
        letterAt = new int[n][][];
        letterCount = new int[n];
        lineStart = new int[n][];
        cut = new boolean[n][];
        vsMulti = new boolean[n];
        vsTop = new int[n];
        for (int i = 0; i < n; i++) {
            FontMetrics fm = g.getFontMetrics(font[i]);
            ascent[i] = fm.getAscent();
            descent[i] = fm.getDescent();
            lineH[i] = Math.max(1, fm.getHeight());
            String[] ls = lines[i];
            lineW[i] = new int[ls.length];
            letterX[i] = new int[ls.length][];
            letterAt[i] = new int[ls.length][];
            lineStart[i] = new int[ls.length];
            cut[i] = new boolean[ls.length];
            int bw = 0, count = 0;
            for (int k = 0; k < ls.length; k++) {
                // A letter is a code point: a surrogate pair is one letter.
                String s = ls[k];
                int len = s.codePointCount(0, s.length());
                int[] xs = new int[len + 1], at = new int[len + 1];
                for (int m = 0, j = 0; m < len; m++) {
                    int c = s.codePointAt(j);
                    xs[m + 1] = xs[m] + fm.charWidth(c);
                    at[m + 1] = j += Character.charCount(c);
                }
                letterX[i][k] = xs;
                letterAt[i][k] = at;
                lineW[i][k] = xs[len];
                bw = Math.max(bw, lineW[i][k]);
                lineStart[i][k] = count;
                cut[i][k] = len >= LONG_LINE && leftToRight(s);
                count += len;
            }
            letterCount[i] = count;
            blockW[i] = bw;
            blockH[i] = (ls.length - 1) * lineH[i] + ascent[i] + descent[i];

            // align = horizontal * 3 + vertical; horizontal 0 middle, 1 left,
            // 2 right; vertical 0 middle, 1 top, 2 bottom. A small pad keeps
            // outlines and shadows off the edge.
            int hz = align[i] / 3, vt = align[i] % 3, pad = 2;
            int x = hz == 1 ? pad : hz == 2 ? aw - bw - pad : (aw - bw) / 2;
            if (anim[i] == 1 && bw > aw)
                x = pad;   // a ticker text longer than the banner stops with its start in view
            restX[i] = x + offX[i];
            restY[i] = vTop(vt, blockH[i], pad) + offY[i];
            vsMulti[i] = anim[i] == 2 && ls.length > 1 && blockH[i] > ah;
            vsTop[i] = vTop(vt, ascent[i] + descent[i], pad) + offY[i];
        }
    }

    // A line whose letters lie left to right in the order they are written,
    // so a part of it is drawn where the whole would draw it.
    static boolean leftToRight(String s) {
        for (int j = 0; j < s.length(); j++) {
            char c = s.charAt(j);
            if ((c >= 0x0590 && c <= 0x08ff) || (c >= 0xfb1d && c <= 0xfdff) || (c >= 0xfe70 && c <= 0xfeff)
                || c == 0x200e || c == 0x200f || (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069)
                || c == 0xd802 || c == 0xd803 || c == 0xd83a || c == 0xd83b)
                return false;
        }
        return true;
    }

    int vTop(int vt, int height, int pad) {
        return vt == 1 ? pad : vt == 2 ? ah - height - pad : (ah - height) / 2;
    }

    int lineLeft(int i, int k) {
        int hz = align[i] / 3;
        int free = blockW[i] - lineW[i][k];
        return restX[i] + (hz == 1 ? 0 : hz == 2 ? free : free / 2);
    }

    int baseline(int i, int k) {
        return restY[i] + ascent[i] + k * lineH[i];
    }

    // PgTextSpeed runs from 0 (fastest) to 400 (slowest, 1000 at most); this
    // is the factor that every animation's pace is multiplied by: 1 at 0,
    // 0.5 at 20.
    static double rate(int speed) {
        return 20.0 / (20.0 + Math.max(0, speed));
    }

    // A time of x ms at speed 0, at speed s: exact, in integers.
    static int slow(int x, int s) {
        return (int) ((long) x * (20 + s) / 20);
    }

    // The time to cover dist pixels at base pixels a second at speed 0
    // (base * 20 / (20 + s) at speed s), rounded up.
    static int travel(long dist, int base, int s) {
        if (dist <= 0)
            return 0;
        long num = dist * 1000 * (20 + s), den = (long) base * 20;
        return cap((num + den - 1) / den);
    }

    static int cap(long ms) {
        return (int) Math.max(0, Math.min(MAX_PHASE_MS, ms));
    }

    static boolean isTransition(int style) {
        return style >= 0 && style <= 12;
    }

    // After its transition a banner runs through four phases:
    //   in    the text's entrance (typing, scrolling in, fading in, ...)
    //   hold  the text at rest: PgDelay, or the style's own showing time
    //   out   the text's exit, for the styles that have one
    //   rest  what remains of PgDelay for the styles that bring their own
    //         showing time and exit (9, 10, 13), so the banner lasts at
    //         least PgDelay after its entrance began
    void computeTimeline() {
        int n = total;
        tConn = new int[n];
        tIn = new int[n];
        tHold = new int[n];
        tOut = new int[n];
        tRest = new int[n];
        tStep = new int[n];
        tScreen = new int[n];
        bannerStart = new long[n];
        bannerDur = new long[n];
        long at = 0;
        tLeave = new int[n];
        for (int i = 0; i < n; i++) {
            int s = speed[i], d = delay[i];
            int in = 0, hold = d, out = 0;
            boolean ownTime = false;
            switch (anim[i]) {
            case 1: // horizontal scrolling: in from the right, rest, out at the left
                in = travel(aw - restX[i], 240, s);
                out = travel((long) restX[i] + blockW[i], 240, s);
                break;
            case 2: // vertical scrolling, up from the bottom
                if (vsMulti[i]) {
                    // One line a screen: up (tStep), wait misc1, out at the top (tLeave).
                    tStep[i] = travel(ah - vsTop[i], 120, s);
                    tLeave[i] = travel((long) vsTop[i] + ascent[i] + descent[i], 120, s);
                    tScreen[i] = cap((long) tStep[i] + Math.max(0, misc1[i]) + tLeave[i]);
                    in = cap((long) (lines[i].length - 1) * tScreen[i] + tStep[i]);
                } else {
                    in = travel(ah - restY[i], 120, s);
                }
                break;
            case 3: // typing
                tStep[i] = slow(40, s);
                in = cap((long) letterCount[i] * tStep[i]);
                break;
            case 4: // letters dropping like rain
                tStep[i] = slow(60, s);
                in = cap((long) Math.max(0, letterCount[i] - 1) * tStep[i] + 450);
                break;
            case 5: // sliding with its track
                in = slow(600, s) + 250;
                break;
            case 7: // fading in wholly
                in = slow(400, s);
                break;
            case 8: // fading in along a direction
                in = slow(500, s);
                break;
            case 9:
            case 10: // smashing onto the banner, shown, then smashed apart
                in = slow(250, s) + 150;
                hold = misc1[i] > 0 ? misc1[i] : d;
                out = slow(300, s) + 200;
                ownTime = true;
                break;
            case 11: // carved out of the background
                in = slow(700, s);
                break;
            case 12: // two parts meeting from two sides
                in = slow(600, s);
                break;
            case 13: // moving banner: in, shown, out the other side
                in = out = slow(600, s);
                hold = misc2[i] > 0 ? misc2[i] : d;
                ownTime = true;
                break;
            case 14: // drunk: reels for misc1, then stands still
                in = misc1[i] > 0 ? misc1[i] : 2000;
                break;
            default: // 0 no text, 6 static, and anything unknown
                break;
            }
            tConn[i] = isTransition(connStyle[i]) ? TRANSITION_MS : 0;
            tIn[i] = in = cap(in);
            tHold[i] = hold = cap(hold);
            tOut[i] = out = cap(out);
            tRest[i] = ownTime ? cap(d - ((long) in + hold + out)) : 0;
            long dur = (long) tConn[i] + in + hold + out + tRest[i];
            bannerDur[i] = Math.max(100, dur);
            bannerStart[i] = at;
            at += bannerDur[i];
        }
        cycle = Math.max(1, at);
    }

    // =====================================================================
    // Frames
    // =====================================================================

    // The whole applet at play time t (milliseconds since the show began).
    void renderFrame(Graphics2D g, long t) {
        g.setColor(appColor);
        g.fillRect(0, 0, appW, appH);
        drawBorder(g);
        if (!noticeOk) {
            drawNotice(g);
            currentBanner = -1;
            return;
        }
        if (total == 0) {
            currentBanner = -1;
            return;
        }
        if (t < 0)
            t = 0;
        long tc = t % cycle;
        int i = 0;
        while (i < total - 1 && tc >= bannerStart[i] + bannerDur[i])
            i++;
        long local = tc - bannerStart[i];
        currentBanner = i;

        renderBanner(curArea, i, local - tConn[i], t);
        if (local < tConn[i]) {
            // The very first banner comes in over the bare applet background.
            int p = (t < cycle && i == 0) ? -1 : (i + total - 1) % total;
            if (p >= 0) {
                renderBanner(prevArea, p, bannerDur[p] - tConn[p], t);
            } else {
                Graphics2D pg = prevArea.createGraphics();
                pg.setColor(appColor);
                pg.fillRect(0, 0, aw, ah);
                pg.dispose();
            }
            drawTransition(g, connStyle[i], smooth((double) local / tConn[i]));
        } else {
            g.drawImage(curArea, ax, ay, null);
        }
    }

    // Banner i into an area-sized image; tt is the time since its transition ended.
    void renderBanner(BufferedImage img, int i, long tt, long t) {
        Graphics2D g = img.createGraphics();
        try {
            drawBackground(g, i, t);
            setHints(g);
            drawBannerText(g, i, tt < 0 ? 0 : tt);
        } finally {
            g.dispose();
        }
    }

    static double smooth(double p) {
        p = p < 0 ? 0 : (p > 1 ? 1 : p);
        return p * p * (3 - 2 * p);
    }

    static double easeOut(double p) {
        p = p < 0 ? 0 : (p > 1 ? 1 : p);
        return 1 - (1 - p) * (1 - p);
    }

    static double easeIn(double p) {
        p = p < 0 ? 0 : (p > 1 ? 1 : p);
        return p * p;
    }

    static double progress(long t, int length) {
        return length <= 0 ? 1 : Math.min(1.0, Math.max(0.0, (double) t / length));
    }

    // PgConnStyle, the way banner i replaces the one before:
    //   0      blend: the new banner fades in over the old one
    //   1-4    cover: the new banner slides in over the old one, left to
    //          right, right to left, top to bottom, bottom to top
    //   5-8    push: the same four directions, pushing the old one out
    //   9-12   diagonal wipe from a corner: left top, right bottom, right
    //          top, left bottom
    //   other  cut
    void drawTransition(Graphics2D g, int style, double p) {
        Graphics2D c = (Graphics2D) g.create(ax, ay, aw, ah);
        try {
            // How far the old picture has gone and the new one has still to
            // come: the two add up to the area, so pushed pictures touch.
            int ox = (int) Math.round(aw * p), oy = (int) Math.round(ah * p), ix = aw - ox, iy = ah - oy;
            switch (style) {
            case 0:
                c.drawImage(prevArea, 0, 0, null);
                c.setComposite(AlphaComposite.getInstance(AlphaComposite.SRC_OVER, (float) p));
                c.drawImage(curArea, 0, 0, null);
                break;
            case 1: case 2: case 3: case 4:
                c.drawImage(prevArea, 0, 0, null);
                c.drawImage(curArea, style == 1 ? -ix : style == 2 ? ix : 0, style == 3 ? -iy : style == 4 ? iy : 0, null);
                break;
            case 5:
                c.drawImage(prevArea, ox, 0, null);
                c.drawImage(curArea, -ix, 0, null);
                break;
            case 6:
                c.drawImage(prevArea, -ox, 0, null);
                c.drawImage(curArea, ix, 0, null);
                break;
            case 7:
                c.drawImage(prevArea, 0, oy, null);
                c.drawImage(curArea, 0, -iy, null);
                break;
            case 8:
                c.drawImage(prevArea, 0, -oy, null);
                c.drawImage(curArea, 0, iy, null);
                break;
            case 9: case 10: case 11: case 12: {
                c.drawImage(prevArea, 0, 0, null);
                // A triangle grows from the corner until it covers the area.
                int sx = (int) Math.ceil(2 * aw * p), sy = (int) Math.ceil(2 * ah * p);
                boolean right = style == 10 || style == 11, bottom = style == 10 || style == 12;
                int cx = right ? aw : 0, cy = bottom ? ah : 0;
                Polygon tri = new Polygon();
                tri.addPoint(cx, cy);
                tri.addPoint(right ? cx - sx : cx + sx, cy);
                tri.addPoint(cx, bottom ? cy - sy : cy + sy);
                c.clip(tri);
                c.drawImage(curArea, 0, 0, null);
                break;
            }
            default:
                c.drawImage(curArea, 0, 0, null);
                break;
            }
        } finally {
            c.dispose();
        }
    }

    // The loading screen: the message, and under it the bar when asked for.
    void renderLoading(Graphics2D g) {
        g.setColor(appColor);
        g.fillRect(0, 0, appW, appH);
        drawBorder(g);
        setHints(g);
        Color ink = contrast(appColor);
        Font f = new Font("SansSerif", Font.PLAIN, 12);
        g.setFont(f);
        FontMetrics fm = g.getFontMetrics();
        int barH = withBar ? 8 : 0, gap = withBar ? 6 : 0;
        int textH = loadMessage.length() > 0 ? fm.getHeight() : 0;
        int top = (appH - textH - gap - barH) / 2;
        g.setColor(ink);
        if (textH > 0)
            g.drawString(loadMessage, (appW - fm.stringWidth(loadMessage)) / 2, top + fm.getAscent());
        if (withBar) {
            int bw = Math.max(10, Math.min(appW - 2 * inset - 20, 200));
            int bx = (appW - bw) / 2, by = top + textH + gap;
            int count = trackedImages.length;
            double done = count == 0 ? 1 : (double) imagesDone / count;
            g.drawRect(bx, by, bw - 1, barH - 1);
            g.fillRect(bx + 2, by + 2, (int) ((bw - 4) * done), barH - 4);
        }
    }

    // Without the right notice the applet shows the notice instead of banners.
    void drawNotice(Graphics2D g) {
        setHints(g);
        g.setColor(contrast(appColor));
        g.setFont(new Font("SansSerif", Font.PLAIN, 11));
        FontMetrics fm = g.getFontMetrics();
        // Word-wrap into the area.
        String[] words = NOTICE.split(" ");
        String[] rows = new String[words.length];
        int n = 0;
        String row = "";
        for (int j = 0; j < words.length; j++) {
            String next = row.length() == 0 ? words[j] : row + " " + words[j];
            if (row.length() > 0 && fm.stringWidth(next) > aw - 4) {
                rows[n++] = row;
                row = words[j];
            } else {
                row = next;
            }
        }
        rows[n++] = row;
        int y = ay + (ah - n * fm.getHeight()) / 2 + fm.getAscent();
        for (int j = 0; j < n; j++, y += fm.getHeight())
            g.drawString(rows[j], ax + (aw - fm.stringWidth(rows[j])) / 2, y);
    }

    static Color mix(Color a, Color b, double f) {
        return new Color((int) Math.round(a.getRed() + (b.getRed() - a.getRed()) * f),
                         (int) Math.round(a.getGreen() + (b.getGreen() - a.getGreen()) * f),
                         (int) Math.round(a.getBlue() + (b.getBlue() - a.getBlue()) * f));
    }

    static boolean isDark(Color c) {
        return 0.299 * c.getRed() + 0.587 * c.getGreen() + 0.114 * c.getBlue() < 128;
    }

    // A colour that reads well on c.
    static Color contrast(Color c) {
        return isDark(c) ? mix(c, Color.white, 0.65) : mix(c, Color.black, 0.65);
    }

    // ApBorderType: 1 plain frame in a colour that stands off the applet
    // background, 2 bulge (raised), 3 sunken, 4 the ApBKImg image tiled along
    // the frame (a plain frame while there is no image). Any other non-zero
    // value draws the plain frame.
    void drawBorder(Graphics2D g) {
        int b = inset;
        if (b <= 0)
            return;
        int w = appW, h = appH;
        if (borderType == 2 || borderType == 3) {
            Color light = mix(appColor, Color.white, 0.7), dark = mix(appColor, Color.black, 0.6);
            for (int k = 0; k < b; k++) {
                double f = b == 1 ? 0 : (double) k / (b - 1) * 0.35;
                Color tl = mix(borderType == 2 ? light : dark, appColor, f);
                Color br = mix(borderType == 2 ? dark : light, appColor, f);
                g.setColor(tl);
                g.fillRect(k, k, w - 2 * k, 1);
                g.fillRect(k, k, 1, h - 2 * k);
                g.setColor(br);
                g.fillRect(k, h - 1 - k, w - 2 * k, 1);
                g.fillRect(w - 1 - k, k + 1, 1, h - 2 * k - 1);
            }
            return;
        }
        if (borderType == 4 && borderImage != null) {
            // The image repeated from the applet's top left corner, seen
            // through the frame.
            Graphics2D c = (Graphics2D) g.create();
            c.setPaint(tiles(borderImage));
            c.fillRect(0, 0, w, b);
            c.fillRect(0, h - b, w, b);
            c.fillRect(0, b, b, h - 2 * b);
            c.fillRect(w - b, b, b, h - 2 * b);
            c.dispose();
            return;
        }
        g.setColor(contrast(appColor));
        g.fillRect(0, 0, w, b);
        g.fillRect(0, h - b, w, b);
        g.fillRect(0, b, b, h - 2 * b);
        g.fillRect(w - b, b, b, h - 2 * b);
    }

    // A paint of img repeated from (0, 0): one fill, however small the
    // image and large the surface.
    static TexturePaint tiles(BufferedImage img) {
        return new TexturePaint(img, new Rectangle(0, 0, img.getWidth(), img.getHeight()));
    }

    // =====================================================================
    // Backgrounds
    // =====================================================================

    // The background of banner i, moved along by BackMoveSpeed where its fill
    // can move: images and the two textures scroll to the left and wrap
    // around. 0 keeps every background still; 1 is the fastest, 400 slow.
    void drawBackground(Graphics2D g, int i, long t) {
        BufferedImage bg = background(i);
        int cw = bg.getWidth();
        if (!movable(i) || backMoveSpeed <= 0) {
            g.drawImage(bg, 0, 0, null);
            return;
        }
        // 4000 / (speed + 20) pixels a second, in whole pixels.
        int off = (int) (4 * Math.max(0, t) / (backMoveSpeed + 20) % cw);
        g.drawImage(bg, -off, 0, null);
        if (cw - off < aw)
            g.drawImage(bg, cw - off, 0, null);
    }

    // The built background of banner i. Only the last few built are kept,
    // so many banners on a large applet do not fill the memory.
    BufferedImage background(int i) {
        for (int j = 0; j < BG_CACHE; j++)
            if (bgImg[j] != null && bgFor[j] == i)
                return bgImg[j];
        BufferedImage b = buildBackground(i);
        bgFor[bgNext] = i;
        bgImg[bgNext] = b;
        bgNext = (bgNext + 1) % BG_CACHE;
        return b;
    }

    void clearBackgrounds() {
        for (int j = 0; j < BG_CACHE; j++)
            bgImg[j] = null;
    }

    boolean movable(int i) {
        return (bkType[i] == 0 && bkImage[i] != null) || bkType[i] == 2 || bkType[i] == 3;
    }

    // The width over which a fill repeats, so that moving it wraps without a seam.
    int period(int i) {
        if (bkType[i] == 0 && bkImage[i] != null && bkPut[i] == 1)
            return bkImage[i].getWidth();
        if (bkType[i] == 2)
            return 16;
        if (bkType[i] == 3)
            return 6;
        return 0;
    }

    // PgBKStyle type, with c the banner colour:
    //   0      image over c; puttype 0 centred at its own size, 1 tiled from
    //          the top left corner, any other value stretched over the area.
    //          A missing image leaves c.
    //   1      c
    //   2      canvas: a fine woven texture in shades of c
    //   3      pinstripe: c with thin light vertical stripes
    //   4-7    horizontal gradient, left to right: c to black, c to white,
    //          black to c, white to c
    //   8-11   vertical gradient, top to bottom, the same four
    //   12-15  horizontal shade: the first colour at both sides, the second
    //          in the middle: black/c, white/c, c/black, c/white
    //   16-19  vertical shade, the same four from top and bottom to the middle
    //   other  c
    BufferedImage buildBackground(int i) {
        int h = ah;
        int per = period(i);
        boolean moving = backMoveSpeed > 0 && movable(i);
        if (moving && per == 0) {
            // A picture that does not repeat by itself moves as the picture
            // followed by its mirror image, so both joins are seamless.
            BufferedImage one = paintFill(i, aw, h);
            BufferedImage two = new BufferedImage(2 * aw, h, BufferedImage.TYPE_INT_RGB);
            Graphics2D g = two.createGraphics();
            g.drawImage(one, 0, 0, null);
            g.drawImage(one, 2 * aw, 0, aw, h, 0, 0, aw, h, null);
            g.dispose();
            return two;
        }
        return paintFill(i, moving ? ((aw + per - 1) / per) * per : aw, h);
    }

    BufferedImage paintFill(int i, int w, int h) {
        BufferedImage img = new BufferedImage(w, h, BufferedImage.TYPE_INT_RGB);
        Graphics2D g = img.createGraphics();
        Color c = bkColor[i];
        g.setColor(c);
        g.fillRect(0, 0, w, h);
        int type = bkType[i];
        if (type == 0) {
            BufferedImage pic = bkImage[i];
            if (pic != null) {
                int iw = pic.getWidth(), ih = pic.getHeight();
                if (bkPut[i] == 0)
                    g.drawImage(pic, (w - iw) / 2, (h - ih) / 2, null);
                else if (bkPut[i] == 1) {
                    g.setPaint(tiles(pic));
                    g.fillRect(0, 0, w, h);
                } else {
                    g.setRenderingHint(RenderingHints.KEY_INTERPOLATION, RenderingHints.VALUE_INTERPOLATION_BILINEAR);
                    g.drawImage(pic, 0, 0, w, h, null);
                }
            }
        } else if (type == 2) {
            g.setPaint(tiles(canvasTile(c)));
            g.fillRect(0, 0, w, h);
        } else if (type == 3) {
            Color s1 = mix(c, Color.white, 0.28), s2 = mix(c, Color.white, 0.10);
            for (int x = 0; x < w; x += 6) {
                g.setColor(s1);
                g.fillRect(x, 0, 1, h);
                g.setColor(s2);
                g.fillRect(x + 1, 0, 1, h);
            }
        } else if (type >= 4 && type <= 19) {
            int v = (type - 4) % 4;
            Color a, b;
            if (type <= 11) {
                a = v < 2 ? c : (v == 2 ? Color.black : Color.white);
                b = v < 2 ? (v == 0 ? Color.black : Color.white) : c;
            } else {
                a = v < 2 ? (v == 0 ? Color.black : Color.white) : c;
                b = v < 2 ? c : (v == 2 ? Color.black : Color.white);
            }
            boolean horizontal = type <= 7 || (type >= 12 && type <= 15);
            boolean shade = type >= 12;
            float ex = horizontal ? (shade ? w / 2f : w) : 0, ey = horizontal ? 0 : (shade ? h / 2f : h);
            g.setPaint(new GradientPaint(0, 0, a, ex, ey, b, shade));
            g.fillRect(0, 0, w, h);
        }
        g.dispose();
        return img;
    }

    // A woven look: threads two pixels wide crossing over and under, with a
    // little grain, repeating every 16 pixels: this is one 16 by 16 piece.
    static BufferedImage canvasTile(Color c) {
        BufferedImage img = new BufferedImage(16, 16, BufferedImage.TYPE_INT_RGB);
        int lift = isDark(c) ? 22 : 16;
        for (int py = 0; py < 16; py++) {
            for (int px = 0; px < 16; px++) {
                boolean over = (((px >> 2) + (py >> 2)) & 1) == 0;
                int d = over ? ((py & 3) == 0 ? -lift : lift / 3) : ((px & 3) == 0 ? -lift : 0);
                d += (int) (rnd(px * 16 + py, 7) * 10) - 5;
                img.setRGB(px, py, shift(c, d));
            }
        }
        return img;
    }

    static int shift(Color c, int d) {
        int r = clamp(c.getRed() + d, 0, 255), gr = clamp(c.getGreen() + d, 0, 255), b = clamp(c.getBlue() + d, 0, 255);
        return (r << 16) | (gr << 8) | b;
    }

    // A repeatable number in [0, 1) for n.
    static double rnd(int n, int salt) {
        double v = Math.sin(n * 12.9898 + salt * 78.233) * 43758.5453;
        return v - Math.floor(v);
    }

    // =====================================================================
    // Texts
    // =====================================================================

    static void setAlpha(Graphics2D g, double a) {
        a = a < 0 ? 0 : (a > 1 ? 1 : a);
        g.setComposite(AlphaComposite.getInstance(AlphaComposite.SRC_OVER, (float) a));
    }

    // One piece of text of banner i at baseline (x, y), with the chosen layers.
    // FontStyle effect: 0 normal; 1 outline, a ring in the shadow colour;
    // 2 sunken, dark above left and light below right; 3 bulge, the other
    // way round; 4 shadow, the shadow colour below right.
    void drawText(Graphics2D g, int i, String s, float x, float y, int layers) {
        if (s.length() == 0)
            return;
        g.setFont(font[i]);
        int e = Math.max(1, Math.round(fontSize[i] / 22f));
        int d = Math.max(2, Math.round(fontSize[i] / 12f));
        if ((layers & L_SHADOW) != 0) {
            g.setColor(shadowColor[i]);
            g.drawString(s, x + d, y + d);
        }
        if ((layers & L_RELIEF) != 0)
            relief(g, s, x, y, e, false);
        if ((layers & L_BACK) != 0) {
            switch (effect[i]) {
            case 1:
                g.setColor(shadowColor[i]);
                for (int dx = -e; dx <= e; dx += e)
                    for (int dy = -e; dy <= e; dy += e)
                        if (dx != 0 || dy != 0)
                            g.drawString(s, x + dx, y + dy);
                break;
            case 2:
                relief(g, s, x, y, e, false);
                break;
            case 3:
                relief(g, s, x, y, e, true);
                break;
            case 4:
                g.setColor(shadowColor[i]);
                g.drawString(s, x + d, y + d);
                break;
            default:
                break;
            }
        }
        if ((layers & L_FACE) != 0) {
            g.setColor(fontColor[i]);
            g.drawString(s, x, y);
        }
    }

    static final Color RELIEF_LIGHT = new Color(255, 255, 255, 170);
    static final Color RELIEF_DARK = new Color(0, 0, 0, 170);

    static void relief(Graphics2D g, String s, float x, float y, int e, boolean raised) {
        g.setColor(raised ? RELIEF_LIGHT : RELIEF_DARK);
        g.drawString(s, x - e, y - e);
        g.setColor(raised ? RELIEF_DARK : RELIEF_LIGHT);
        g.drawString(s, x + e, y + e);
    }

    // The layers of `layers` that pass p draws (0 those behind, 1 the face),
    // or 0 when that pass has nothing to draw for banner i.
    int pass(int i, int layers, int p) {
        int l = layers & PASSES[p];
        boolean back = (l & (L_SHADOW | L_RELIEF)) != 0 || ((l & L_BACK) != 0 && effect[i] >= 1 && effect[i] <= 4);
        return p == 0 && !back ? 0 : l;
    }

    int letters(int i, int k) {
        return letterAt[i][k].length - 1;
    }

    String letter(int i, int k, int m) {
        return lines[i][k].substring(letterAt[i][k][m], letterAt[i][k][m + 1]);
    }

    // The whole text block of banner i moved by (dx, dy) from its place.
    void drawBlock(Graphics2D g, int i, double dx, double dy, int layers) {
        drawBlock(g, i, dx, dy, layers, 0, 0, aw, ah);
    }

    // The same where only the part inside (x0, y0)-(x1, y1) of g's own
    // coordinates can be seen: lines and letters outside are skipped. The
    // layers behind of every line come first, then the faces.
    void drawBlock(Graphics2D g, int i, double dx, double dy, int layers, double x0, double y0, double x1, double y1) {
        double m = reach(i);
        int n = lines[i].length;
        int from = (int) Math.max(0, Math.floor((y0 - m - descent[i] - dy - restY[i] - ascent[i]) / lineH[i]));
        int to = (int) Math.min(n - 1, Math.ceil((y1 + m + ascent[i] - dy - restY[i] - ascent[i]) / lineH[i]));
        for (int p = 0; p < 2; p++) {
            int l = pass(i, layers, p);
            for (int k = from; k <= to && l != 0; k++)
                drawLine(g, i, k, letters(i, k), lineLeft(i, k) + dx, baseline(i, k) + dy, l, x0, y0, x1, y1);
        }
    }

    // The pixels of the area from (x0, y0) to (x1, y1), or null for none.
    Rectangle box(double x0, double y0, double x1, double y1) {
        int a = (int) Math.max(0, Math.floor(Math.min(x0, x1))), b = (int) Math.max(0, Math.floor(Math.min(y0, y1)));
        int c = (int) Math.min(aw, Math.ceil(Math.max(x0, x1))), d = (int) Math.min(ah, Math.ceil(Math.max(y0, y1)));
        return a < c && b < d ? new Rectangle(a, b, c - a, d - b) : null;
    }

    // fxArea cleared inside r, to compose a text in before it is laid on.
    Graphics2D layer(Rectangle r) {
        Graphics2D f = fxArea.createGraphics();
        f.setComposite(AlphaComposite.Clear);
        f.fillRect(r.x, r.y, r.width, r.height);
        f.setComposite(AlphaComposite.SrcOver);
        f.clip(r);
        setHints(f);
        return f;
    }

    // What was composed in fxArea inside r, laid over g with opacity alpha.
    void lay(Graphics2D g, Rectangle r, double alpha) {
        Graphics2D c = (Graphics2D) g.create();
        setAlpha(c, alpha);
        c.drawImage(fxArea, r.x, r.y, r.x + r.width, r.y + r.height, r.x, r.y, r.x + r.width, r.y + r.height, null);
        c.dispose();
    }

    // The text block moved by (dx, dy) with opacity alpha as a whole: its
    // layers are composed first, so that they do not show through each other.
    void fadeBlock(Graphics2D g, int i, double dx, double dy, int layers, double alpha) {
        fadeBlock(g, i, dx, dy, layers, alpha, 1, 0, 0, 0);
    }

    // The same, scaled by `scale` about (cx, cy) and then moved sx sideways.
    void fadeBlock(Graphics2D g, int i, double dx, double dy, int layers, double alpha,
                   double scale, double cx, double cy, double sx) {
        double m = reach(i);
        double bx0 = restX[i] + dx - m, by0 = restY[i] + dy - m;
        double bx1 = restX[i] + dx + blockW[i] + m, by1 = restY[i] + dy + blockH[i] + m;
        Rectangle r = box(cx + sx + (bx0 - cx) * scale, cy + (by0 - cy) * scale,
                          cx + sx + (bx1 - cx) * scale, cy + (by1 - cy) * scale);
        if (alpha <= 0 || r == null)
            return;
        Graphics2D f = alpha >= 1 ? (Graphics2D) g.create() : layer(r);
        f.translate(cx + sx, cy);
        f.scale(scale, scale);
        f.translate(-cx, -cy);
        // The area as seen in f's own coordinates.
        drawBlock(f, i, dx, dy, layers, cx - (cx + sx) / scale, cy - cy / scale,
                  cx + (aw - cx - sx) / scale, cy + (ah - cy) / scale);
        f.dispose();
        if (alpha < 1)
            lay(g, r, alpha);
    }

    // How far from a letter's place its drawing can reach (effects, slant).
    double reach(int i) {
        return fontSize[i] * 2 + 8;
    }

    // The first m in 0..len with xs[m] >= v (len when there is none).
    static int firstFrom(int[] xs, int len, double v) {
        int lo = 0, hi = len;
        while (lo < hi) {
            int mid = (lo + hi) >>> 1;
            if (xs[mid] < v)
                lo = mid + 1;
            else
                hi = mid;
        }
        return lo;
    }

    // The first len letters of line k of banner i at baseline (x, y). A long
    // line is drawn only from a little before the view to a little after it,
    // so a long text costs no more per frame than a short one.
    void drawLine(Graphics2D g, int i, int k, int len, double x, double y, int layers,
                  double x0, double y0, double x1, double y1) {
        double m = reach(i);
        if (len <= 0 || y + descent[i] + m < y0 || y - ascent[i] - m > y1)
            return;
        int a = 0, b = len;
        int[] xs = letterX[i][k], at = letterAt[i][k];
        if (cut[i][k]) {
            a = Math.max(0, firstFrom(xs, len, x0 - m - x) - 1);
            b = Math.min(len, firstFrom(xs, len, x1 + m - x) + 1);
            if (a >= b)
                return;
        }
        drawText(g, i, lines[i][k].substring(at[a], at[b]), (float) (x + xs[a]), (float) y, layers);
    }

    // Line k whole at baseline (x, y), as a text of its own.
    void drawWholeLine(Graphics2D g, int i, int k, double x, double y) {
        for (int p = 0; p < 2; p++)
            drawLine(g, i, k, letters(i, k), x, y, pass(i, L_ALL, p), 0, 0, aw, ah);
    }

    // The letters of line k that can be seen when letter m lies at x0 +
    // letterX[m] give or take `more`: {first, last + 1}.
    int[] letterSpan(int i, int k, double x0, double more) {
        int len = letters(i, k);
        if (!cut[i][k])
            return new int[] {0, len};
        int[] xs = letterX[i][k];
        double m = reach(i) + more;
        return new int[] {Math.max(0, firstFrom(xs, len, -m - x0) - 1), Math.min(len, firstFrom(xs, len, aw + m - x0) + 1)};
    }

    // misc1 as a direction: 0 top to bottom, 1 bottom to top, 2 left to
    // right, 3 right to left; any other number is 0.
    static int direction(int misc) {
        return misc >= 0 && misc <= 3 ? misc : 0;
    }

    // Where a text starts when it comes in travelling in direction dir.
    double[] entry(int i, int dir) {
        switch (dir) {
        case 1: return new double[] {0, ah - restY[i]};
        case 2: return new double[] {-(restX[i] + blockW[i] + 4), 0};
        case 3: return new double[] {aw - restX[i] + 4, 0};
        default: return new double[] {0, -(restY[i] + blockH[i] + 4)};
        }
    }

    static int opposite(int dir) {
        return dir == 0 ? 1 : dir == 1 ? 0 : dir == 2 ? 3 : 2;
    }

    // PgTextAnimate type, at time t after the banner's transition:
    //   0  no text                   1  horizontal scrolling (ticker)
    //   2  vertical scrolling        3  typing
    //   4  letters dropping in       5  sliding in with a fading track
    //   6  static                    7  fading in
    //   8  fading in along misc1's direction
    //   9  smashing in anchored at its left border, shown misc1, smashed apart
    //   10 the same, zooming about its middle
    //   11 carved out of the background
    //   12 two parts from two sides (misc1 direction, misc2 0 even and odd
    //      lines - letters for a one-line text - 1 text and its shadow)
    //   13 moving banner: in from misc1's direction, shown misc2, out
    //   14 drunk: reeling letters for misc1, then still
    // Any other value is drawn static. Every text is drawn whole: the layers
    // behind of all its lines or letters first, then their faces; a fading
    // text is composed first and then laid on with its opacity.
    void drawBannerText(Graphics2D g, int i, long t) {
        int in = tIn[i], hold = tHold[i], out = tOut[i];
        switch (anim[i]) {
        case 0:
            return;
        case 1: {
            double x;
            if (t < in)
                x = aw + (restX[i] - aw) * progress(t, in);
            else if (t < in + hold)
                x = restX[i];
            else
                x = restX[i] - (restX[i] + blockW[i] + 4) * progress(t - in - hold, out);
            drawBlock(g, i, x - restX[i], 0, L_ALL);
            return;
        }
        case 2:
            drawVerticalScroll(g, i, t);
            return;
        case 3:
            drawTyping(g, i, t);
            return;
        case 4:
            drawRain(g, i, t);
            return;
        case 5: {
            double[] from = entry(i, direction(misc1[i]));
            int move = in - 250;
            for (int k = 4; k >= 1 && t < in; k--) {
                long tk = t - k * 60L;
                double f = 1 - easeOut(progress(tk, move));
                if (tk >= 0)
                    fadeBlock(g, i, from[0] * f, from[1] * f, L_FACE, 0.12 * (5 - k));
            }
            double f = 1 - easeOut(progress(t, move));
            drawBlock(g, i, from[0] * f, from[1] * f, L_ALL);
            return;
        }
        case 7:
            fadeBlock(g, i, 0, 0, L_ALL, progress(t, in));
            return;
        case 8:
            drawDirectionalFade(g, i, t);
            return;
        case 9:
        case 10:
            drawSmash(g, i, t);
            return;
        case 11: {
            double p = progress(t, in);
            fadeBlock(g, i, 0, 0, L_RELIEF, Math.min(1, p * 2));
            if (p > 0.5)
                fadeBlock(g, i, 0, 0, L_ALL, (p - 0.5) * 2);
            return;
        }
        case 12:
            drawTwoParts(g, i, t);
            return;
        case 13: {
            int dir = direction(misc1[i]);
            double[] from = entry(i, dir), to = entry(i, opposite(dir));
            double dx, dy;
            if (t < in) {
                double f = 1 - easeOut(progress(t, in));
                dx = from[0] * f;
                dy = from[1] * f;
            } else if (t < in + hold) {
                dx = dy = 0;
            } else {
                double f = easeIn(progress(t - in - hold, out));
                dx = to[0] * f;
                dy = to[1] * f;
            }
            drawBlock(g, i, dx, dy, L_ALL);
            return;
        }
        case 14:
            drawDrunk(g, i, t);
            return;
        default:
            drawBlock(g, i, 0, 0, L_ALL);
            return;
        }
    }

    // Whether a letter of banner i near (x, y) can touch the banner area;
    // long texts are drawn letter by letter only where they can be seen.
    boolean nearArea(int i, double x, double y) {
        double m = reach(i);
        return x > -m && x < aw + m && y > -m && y < ah + m;
    }

    void drawVerticalScroll(Graphics2D g, int i, long t) {
        int in = tIn[i];
        if (!vsMulti[i]) {
            double y = ah + (restY[i] - ah) * progress(t, in);
            drawBlock(g, i, 0, y - restY[i], L_ALL);
            return;
        }
        // One line per screen: each comes up, waits misc1, leaves at the top;
        // the last one stays.
        int n = lines[i].length, top = vsTop[i], h = ascent[i] + descent[i];
        int screen = tScreen[i] <= 0 ? n - 1 : (int) Math.min(n - 1, t / tScreen[i]);
        long ts = t - (long) screen * tScreen[i];
        int sin = tStep[i], wait = Math.max(0, misc1[i]);
        double y;
        if (ts < sin)
            y = ah + (top - ah) * progress(ts, sin);
        else if (screen == n - 1 || ts < (long) sin + wait)
            y = top;
        else
            y = top - (top + h) * progress(ts - sin - wait, tLeave[i]);
        drawWholeLine(g, i, screen, lineLeft(i, screen), y + ascent[i]);
    }

    void drawTyping(Graphics2D g, int i, long t) {
        int step = Math.max(1, tStep[i]);
        long shown = t / step;
        for (int p = 0; p < 2; p++) {
            int layers = pass(i, L_ALL, p);
            long left = shown;
            for (int k = 0; k < lines[i].length && left > 0 && layers != 0; k++) {
                drawLine(g, i, k, (int) Math.min(letters(i, k), left), lineLeft(i, k), baseline(i, k), layers, 0, 0, aw, ah);
                left -= letters(i, k);
            }
        }
        if (shown >= letterCount[i] || (t / 250) % 2 != 0)
            return;
        // While typing, a blinking caret after the last letter typed.
        for (int k = 0; k < lines[i].length; k++) {
            if (shown < letters(i, k)) {
                g.setColor(fontColor[i]);
                int cx = lineLeft(i, k) + letterX[i][k][(int) shown] + 1;
                g.fillRect(cx, baseline(i, k) - ascent[i] + 2, Math.max(1, fontSize[i] / 12), ascent[i]);
                return;
            }
            shown -= letters(i, k);
        }
    }

    // Each letter falls from above the banner with growing speed, one after another.
    void drawRain(Graphics2D g, int i, long t) {
        int step = tStep[i];
        for (int p = 0; p < 2; p++) {
            int layers = pass(i, L_ALL, p);
            for (int k = 0; k < lines[i].length && layers != 0; k++) {
                int x0 = lineLeft(i, k), y0 = baseline(i, k);
                // Every line starts just above the area, so only the letters
                // of each line that lie across from the area can be seen.
                int[] span = letterSpan(i, k, x0, 0);
                for (int m = span[0], j = lineStart[i][k] + m; m < span[1]; m++, j++) {
                    long tj = t - (long) j * step;
                    if (tj <= 0)
                        continue;
                    double fall = (y0 + descent[i] + 2) * (1 - easeIn(progress(tj, 450)));
                    if (nearArea(i, x0 + letterX[i][k][m], y0 - fall))
                        drawText(g, i, letter(i, k, m), x0 + letterX[i][k][m], (float) (y0 - fall), layers);
                }
            }
        }
    }

    // The text shows up along misc1's direction with a soft edge running ahead.
    void drawDirectionalFade(Graphics2D g, int i, long t) {
        double p = progress(t, tIn[i]);
        double m = reach(i);
        Rectangle r = box(restX[i] - m, restY[i] - m, restX[i] + blockW[i] + m, restY[i] + blockH[i] + m);
        if (p >= 1 || r == null) {
            drawBlock(g, i, 0, 0, L_ALL);
            return;
        }
        Graphics2D f = layer(r);
        drawBlock(f, i, 0, 0, L_ALL);
        int dir = direction(misc1[i]);
        boolean vertical = dir < 2;
        double start = vertical ? restY[i] - 4 : restX[i] - 4;
        double length = (vertical ? blockH[i] : blockW[i]) + 8;
        double band = Math.max(8, length * 0.35);
        double edge = start - band + (length + band) * p; // the fully shown side ends here
        boolean reverse = dir == 1 || dir == 3;
        if (reverse)
            edge = start + length + band - (length + band) * p;
        float e0 = (float) edge, e1 = (float) (reverse ? edge - band : edge + band);
        Color solid = new Color(0, 0, 0, 255), clear = new Color(0, 0, 0, 0);
        GradientPaint mask = vertical ? new GradientPaint(0, e0, solid, 0, e1, clear)
                                      : new GradientPaint(e0, 0, solid, e1, 0, clear);
        f.setComposite(AlphaComposite.DstIn);
        f.setPaint(mask);
        f.fillRect(r.x, r.y, r.width, r.height);
        f.dispose();
        lay(g, r, 1);
    }

    void drawSmash(Graphics2D g, int i, long t) {
        int in = tIn[i], hold = tHold[i], out = tOut[i];
        boolean left = anim[i] == 9;
        double cx = left ? restX[i] : restX[i] + blockW[i] / 2.0, cy = restY[i] + blockH[i] / 2.0;
        if (t < in) {
            // Flies in large and lands with a little shake.
            int fly = in - 150;
            double p = progress(t, fly);
            double scale = 1 + 2.5 * (1 - easeOut(p));
            double shake = t > fly ? Math.sin(t * 0.09) * 3 * (1 - progress(t - fly, 150)) : 0;
            fadeBlock(g, i, 0, 0, L_ALL, p, scale, cx, cy, shake);
            return;
        }
        if (t < in + hold) {
            drawBlock(g, i, 0, 0, L_ALL);
            return;
        }
        double p = progress(t - in - hold, out);
        if (p >= 1)
            return;
        // Apart: every letter flies off its own way, spinning; together they
        // are one text fading out.
        double reach = Math.max(aw, ah) * 0.8;
        double far = reach * easeIn(p) * 1.5 + 1, m = reach(i) + far; // no letter flies farther
        Rectangle box = box(restX[i] - m, restY[i] - m, restX[i] + blockW[i] + m, restY[i] + blockH[i] + m);
        if (box == null)
            return;
        Graphics2D f = layer(box);
        for (int q = 0; q < 2; q++) {
            int layers = pass(i, L_ALL, q);
            for (int k = 0; k < lines[i].length && layers != 0; k++) {
                int x0 = lineLeft(i, k);
                double ly = baseline(i, k) - ascent[i] / 2.0;
                if (ly < -m || ly > ah + m)
                    continue;
                int[] span = letterSpan(i, k, x0, far);
                for (int n = span[0], j = lineStart[i][k] + n; n < span[1]; n++, j++) {
                    String s = letter(i, k, n);
                    int lw = letterX[i][k][n + 1] - letterX[i][k][n];
                    double lx = x0 + letterX[i][k][n] + lw / 2.0;
                    double ang = Math.atan2(ly - cy, lx - cx) + (rnd(j, 1) - 0.5) * 1.6;
                    double dist = reach * easeIn(p) * (0.5 + rnd(j, 2));
                    double px = lx + Math.cos(ang) * dist, py = ly + Math.sin(ang) * dist;
                    if (s.equals(" ") || !nearArea(i, px, py))
                        continue;
                    Graphics2D z = (Graphics2D) f.create();
                    z.translate(px, py);
                    z.rotate((rnd(j, 3) - 0.5) * 6 * p);
                    drawText(z, i, s, (float) (-lw / 2.0), (float) (ascent[i] / 2.0), layers);
                    z.dispose();
                }
            }
        }
        f.dispose();
        lay(g, box, 1 - p);
    }

    void drawTwoParts(Graphics2D g, int i, long t) {
        int dir = direction(misc1[i]);
        double[] a = entry(i, dir), b = entry(i, opposite(dir));
        double f = 1 - easeOut(progress(t, tIn[i]));
        if (misc2[i] == 1) {
            // The shadow from one side, the text from the other.
            drawBlock(g, i, a[0] * f, a[1] * f, L_SHADOW);
            drawBlock(g, i, b[0] * f, b[1] * f, effect[i] == 4 ? L_FACE : L_ALL);
            return;
        }
        String[] ls = lines[i];
        for (int p = 0; p < 2; p++) {
            int layers = pass(i, L_ALL, p);
            if (layers == 0)
                continue;
            if (ls.length > 1) {
                // Even lines from one side, odd ones from the other.
                for (int k = 0; k < ls.length; k++) {
                    double[] o = k % 2 == 0 ? a : b;
                    drawLine(g, i, k, letters(i, k), lineLeft(i, k) + o[0] * f, baseline(i, k) + o[1] * f, layers, 0, 0, aw, ah);
                }
                continue;
            }
            // Even letters from one side, odd ones from the other: the letters
            // that can be seen are those near the area from either side, taken
            // in their order.
            int x0 = lineLeft(i, 0);
            int[] sa = letterSpan(i, 0, x0 + a[0] * f, 0), sb = letterSpan(i, 0, x0 + b[0] * f, 0);
            boolean apart = sa[1] < sb[0] || sb[1] < sa[0];
            int from = Math.min(sa[0], sb[0]), to = Math.max(sa[1], sb[1]);
            for (int m = from; m < to; m++) {
                if (apart && m == Math.min(sa[1], sb[1]))
                    m = Math.max(sa[0], sb[0]);
                double[] o = m % 2 == 0 ? a : b;
                double x = x0 + letterX[i][0][m] + o[0] * f, y = baseline(i, 0) + o[1] * f;
                if (nearArea(i, x, y))
                    drawText(g, i, letter(i, 0, m), (float) x, (float) y, layers);
            }
        }
    }

    void drawDrunk(Graphics2D g, int i, long t) {
        double p = progress(t, tIn[i]);
        if (p >= 1) {
            drawBlock(g, i, 0, 0, L_ALL);
            return;
        }
        double amp = fontSize[i] * 0.35 * (1 - p);
        double w = 2 * Math.PI * (0.4 + 1.2 * rate(speed[i])) * t / 1000.0;
        double r = reach(i);
        for (int q = 0; q < 2; q++) {
            int layers = pass(i, L_ALL, q);
            for (int k = 0; k < lines[i].length && layers != 0; k++) {
                int x0 = lineLeft(i, k), y0 = baseline(i, k);
                if (y0 + amp < -r || y0 - amp > ah + r)
                    continue;
                int[] span = letterSpan(i, k, x0, amp + 1);
                for (int m = span[0], j = lineStart[i][k] + m; m < span[1]; m++, j++) {
                    int lw = letterX[i][k][m + 1] - letterX[i][k][m];
                    double lx = x0 + letterX[i][k][m] + lw / 2.0 + amp * 0.4 * Math.sin(w * 0.7 + j * 1.7);
                    double ly = y0 + amp * Math.sin(w + j * 0.9);
                    if (!nearArea(i, lx, ly))
                        continue;
                    Graphics2D z = (Graphics2D) g.create();
                    z.translate(lx, ly);
                    z.rotate(0.45 * (1 - p) * Math.sin(w * 0.8 + j * 1.3));
                    drawText(z, i, letter(i, k, m), (float) (-lw / 2.0), 0f, layers);
                    z.dispose();
                }
            }
        }
    }

    // =====================================================================
    // Links
    // =====================================================================

    boolean hasLink(int i) {
        return noticeOk && i >= 0 && i < total && link[i] != null;
    }

    // The hand over a banner with a link, and its address in the status line.
    void updateCursor() {
        int i = mouseInside ? currentBanner : -1;
        if (i == cursorBanner)
            return;
        cursorBanner = i;
        boolean link = hasLink(i);
        setCursor(Cursor.getPredefinedCursor(link ? Cursor.HAND_CURSOR : Cursor.DEFAULT_CURSOR));
        try {
            showStatus(link ? url[i] : "");
        } catch (RuntimeException e) {
            // No context to tell.
        }
    }

    // PgURL-k relative to the page, shown in UrlTarget-k ("_self" when empty).
    void openLink(int i) {
        if (!loaded || !hasLink(i))
            return;
        try {
            getAppletContext().showDocument(link[i], target[i]);
        } catch (Exception e) {
            try {
                showStatus("Cannot open " + url[i]);
            } catch (RuntimeException e2) {
                // No context to tell.
            }
        }
    }

    // Only the primary button follows a link.
    public void mouseClicked(MouseEvent e) {
        if (e.getButton() == MouseEvent.BUTTON1)
            openLink(currentBanner);
    }

    public void mousePressed(MouseEvent e) {
    }

    public void mouseReleased(MouseEvent e) {
    }

    public void mouseEntered(MouseEvent e) {
        mouseInside = true;
    }

    public void mouseExited(MouseEvent e) {
        mouseInside = false;
    }

    public void mouseMoved(MouseEvent e) {
        mouseInside = true;
    }

    public void mouseDragged(MouseEvent e) {
    }
}
