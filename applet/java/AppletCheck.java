// A check of glntfx outside a browser: runs the applet on applet blocks that
// glintra wrote, and on broken parameter sets, with a stub browser around it.
//
//   javac --release 8 -d OUT applet/java/glntfx.java applet/java/AppletCheck.java
//   xvfb-run -a java -cp OUT AppletCheck DOCBASE SHEET.png BLOCK.html...
//
// DOCBASE is the folder the page would lie in (images are looked up there);
// each BLOCK.html holds one <applet> block. SHEET.png gets a few frames of
// every block, one row per block, to look at. Exit code 0 when all is well.
//
// Needs a display (Xvfb will do): java.applet.Applet cannot be constructed
// in headless mode.

import java.applet.Applet;
import java.applet.AppletContext;
import java.applet.AppletStub;
import java.applet.AudioClip;
import java.awt.Color;
import java.awt.Frame;
import java.awt.Graphics2D;
import java.awt.Image;
import java.awt.Toolkit;
import java.awt.event.MouseEvent;
import java.awt.image.BufferedImage;
import java.io.File;
import java.io.InputStream;
import java.net.URL;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.Collections;
import java.util.Enumeration;
import java.util.HashMap;
import java.util.Iterator;
import java.util.List;
import java.util.Map;
import java.util.regex.Matcher;
import java.util.regex.Pattern;
import javax.imageio.ImageIO;

public class AppletCheck {

    static int failures = 0;

    static void fail(String what) {
        failures++;
        System.out.println("FAIL " + what);
    }

    static void check(boolean ok, String what) {
        if (!ok)
            fail(what);
    }

    // The stub browser: parameters by name (case ignored, as browsers do; of
    // two params of one name the first counts), images from the files, and a
    // record of the documents asked for.
    static class Page implements AppletStub, AppletContext {
        final Map<String, String> params = new HashMap<>();
        final URL base;
        final List<String> shown = new ArrayList<>();
        int width = 200, height = 100;

        Page(URL base) { this.base = base; }

        public boolean isActive() { return true; }
        public URL getDocumentBase() { return base; }
        public URL getCodeBase() { return base; }
        public String getParameter(String name) { return params.get(name.toLowerCase()); }
        public AppletContext getAppletContext() { return this; }
        public void appletResize(int w, int h) {}

        public AudioClip getAudioClip(URL url) { return null; }
        public Image getImage(URL url) { return Toolkit.getDefaultToolkit().createImage(url); }
        public Applet getApplet(String name) { return null; }
        public Enumeration<Applet> getApplets() { return Collections.emptyEnumeration(); }
        public void showDocument(URL url) { shown.add(url + " _self"); }
        public void showDocument(URL url, String target) { shown.add(url + " " + target); }
        public void showStatus(String status) {}
        public void setStream(String key, InputStream stream) {}
        public InputStream getStream(String key) { return null; }
        public Iterator<String> getStreamKeys() { return Collections.<String>emptyList().iterator(); }
    }

    static String decode(String v) {
        return v.replace("&#34;", "\"").replace("&#38;", "&");
    }

    static Page parseBlock(String html, URL base) {
        Page p = new Page(base);
        Matcher m = Pattern.compile("<param name=\"([^\"]*)\" value=\"([^\"]*)\">").matcher(html);
        while (m.find())
            p.params.putIfAbsent(m.group(1).toLowerCase(), decode(m.group(2)));
        Matcher size = Pattern.compile("width=\"(\\d+)\" height=\"(\\d+)\"").matcher(html);
        if (size.find()) {
            p.width = Integer.parseInt(size.group(1));
            p.height = Integer.parseInt(size.group(2));
        }
        return p;
    }

    static int distinctColours(BufferedImage img) {
        java.util.HashSet<Integer> seen = new java.util.HashSet<>();
        for (int y = 0; y < img.getHeight(); y++)
            for (int x = 0; x < img.getWidth(); x++)
                seen.add(img.getRGB(x, y) & 0xffffff);
        return seen.size();
    }

    static int countColour(BufferedImage img, Color c) {
        int n = 0, want = c.getRGB() & 0xffffff;
        for (int y = 0; y < img.getHeight(); y++)
            for (int x = 0; x < img.getWidth(); x++)
                if ((img.getRGB(x, y) & 0xffffff) == want)
                    n++;
        return n;
    }

    static boolean threadAlive() {
        for (Thread t : Thread.getAllStackTraces().keySet())
            if (t.getName().equals("glntfx") && t.isAlive())
                return true;
        return false;
    }

    // The applet as a browser runs it: in a window, its own thread, ~1 s.
    static glntfx runLive(String name, Page page, long millis, boolean design) throws Exception {
        glntfx a = new glntfx();
        a.setStub(page);
        Frame f = new Frame(name);
        f.setLayout(null);
        f.add(a);
        a.setBounds(0, 0, page.width, page.height);
        f.setSize(page.width + 40, page.height + 60);
        f.setVisible(true);
        a.init();
        a.start();
        Thread.sleep(millis);
        // Past MAX_SIDE the applet paints its plain colour; no need to look there.
        BufferedImage shot = new BufferedImage(Math.min(page.width, glntfx.MAX_SIDE), Math.min(page.height, glntfx.MAX_SIDE),
                                               BufferedImage.TYPE_INT_RGB);
        Graphics2D g = shot.createGraphics();
        a.paint(g);
        g.dispose();
        check(a.loaded, name + ": images loaded and the show started");
        check(!design || distinctColours(shot) > 1, name + ": the painted picture is not one flat colour");
        a.stop();
        check(!threadAlive(), name + ": stop() ends the animation thread");
        a.start();
        Thread.sleep(150);
        check(threadAlive(), name + ": start() after stop() runs again");
        a.stop();
        f.setVisible(false);
        f.dispose();
        return a;
    }

    static MouseEvent click(glntfx a, int button) {
        return new MouseEvent(a, MouseEvent.MOUSE_CLICKED, 0, 0, 5, 5, 1, false, button);
    }

    static BufferedImage frameAt(glntfx a, long t) {
        BufferedImage img = new BufferedImage(a.appW, a.appH, BufferedImage.TYPE_INT_RGB);
        Graphics2D g = img.createGraphics();
        a.renderFrame(g, t);
        g.dispose();
        return img;
    }

    // Every frame of two rounds of the show, drawn without the thread, so a
    // fault in any frame shows up here instead of being swallowed by run().
    static void sweep(String name, glntfx a) {
        long step = Math.max(glntfx.FRAME_MS, a.cycle / 1500);
        long end = Math.min(2 * a.cycle, 3600000L);
        try {
            BufferedImage img = new BufferedImage(a.appW, a.appH, BufferedImage.TYPE_INT_RGB);
            Graphics2D g = img.createGraphics();
            for (long t = 0; t < end; t += step)
                a.renderFrame(g, t);
            g.dispose();
        } catch (RuntimeException e) {
            fail(name + ": frame sweep threw " + e);
            e.printStackTrace(System.out);
        }
    }

    // While a banner holds its text at rest, the text's own colour is on
    // the picture (its background is of other colours in these designs).
    static void checkRestFrames(String name, glntfx a) {
        for (int i = 0; i < a.total; i++) {
            if (a.anim[i] == 0 || a.lines[i][0].trim().length() == 0)
                continue;
            long t = a.bannerStart[i] + a.tConn[i] + a.tIn[i] + a.tHold[i] / 2;
            BufferedImage img = frameAt(a, t);
            check(countColour(img, a.fontColor[i]) > 10, name + ": banner " + i + " shows its text at rest (t=" + t + ")");
        }
    }

    static void checkLink(String name, glntfx a, Page page) {
        for (int i = 0; i < a.total; i++) {
            long t = a.bannerStart[i] + a.tConn[i] + 10;
            frameAt(a, t);
            page.shown.clear();
            a.mouseClicked(click(a, MouseEvent.BUTTON1));
            String want = page.getParameter("PgURL-" + i);
            String target = page.getParameter("UrlTarget-" + i);
            if (want == null || want.length() == 0) {
                check(page.shown.isEmpty(), name + ": banner " + i + " without a link opens nothing");
                continue;
            }
            try {
                String expect = new URL(page.base, want) + " " + (target == null || target.isEmpty() ? "_self" : target);
                check(page.shown.size() == 1 && page.shown.get(0).equals(expect),
                      name + ": banner " + i + " opens " + expect + ", got " + page.shown);
            } catch (Exception e) {
                fail(name + ": bad expected URL " + want);
            }
        }
    }

    // No frame may take long, whatever the page asks for: the show stays
    // smooth and stop() can end the thread.
    static void checkFrameTime(String name, glntfx a) {
        BufferedImage img = new BufferedImage(a.appW, a.appH, BufferedImage.TYPE_INT_RGB);
        Graphics2D g = img.createGraphics();
        long worst = 0;
        for (int k = 0; k < 40; k++) {
            long t = a.cycle * k / 40 + 500, start = System.nanoTime();
            a.renderFrame(g, t);
            worst = Math.max(worst, (System.nanoTime() - start) / 1000000);
        }
        g.dispose();
        check(worst < 250, name + ": the slowest frame took " + worst + " ms");
    }

    // Links: a banner opens its address in its frame; an address with a
    // script-bearing scheme, however disguised, or one that cannot be read,
    // is no link at all: no hand over it and nothing opens.
    static void checkLinkSafety(URL base) {
        String[][] table = {
            // PgURL, UrlTarget, what opens ("" for nothing)
            {"page.htm", "", "page.htm _self"},
            {"  http://example.com/a?b=javascript:x  ", "_blank", "http://example.com/a?b=javascript:x _blank"},
            {"sub/page.htm", "main", "sub/page.htm main"},
            {"mailto:someone@example.com", "_top", "mailto:someone@example.com _top"},
            {"javascript:alert(1)", "", ""},
            {"JavaScript:alert(1)", "", ""},
            {" \u0001\t javascript:alert(1)", "", ""},
            {"java\tscript:alert(1)", "", ""},
            {"java\nscript:alert(1)", "", ""},
            {"jav&#x09;ascript:alert(1)", "", ""},
            {"jav&#9;ascript:alert(1)", "", ""},
            {"&#106;avascript:alert(1)", "", ""},
            {"javascript&colon;alert(1)", "", ""},
            {"java%09script:alert(1)", "", ""},
            {"java\u200bscript:alert(1)", "", ""},
            {"vbscript:msgbox(1)", "", ""},
            {"data:text/html,<script>alert(1)</script>", "", ""},
            {"DATA:text/html;base64,PHNjcmlwdD4=", "", ""},
            {"nosuchscheme:thing", "", ""},
        };
        for (String[] row : table) {
            String name = "link " + row[0].replace("\t", "\\t").replace("\n", "\\n");
            Page page = broken(base, "Notice", glntfx.NOTICE, "PgTotal", "1", "PgURL-0", row[0], "UrlTarget-0", row[1]);
            glntfx a = new glntfx();
            a.setStub(page);
            a.init();
            a.loaded = true;
            a.currentBanner = 0;
            a.mouseClicked(click(a, MouseEvent.BUTTON1));
            String want = "";
            if (row[2].length() > 0) {
                try {
                    int sp = row[2].lastIndexOf(' ');
                    want = new URL(base, row[2].substring(0, sp)) + row[2].substring(sp);
                } catch (Exception e) {
                    fail(name + ": bad expected URL");
                }
            }
            check(want.isEmpty() ? page.shown.isEmpty() : page.shown.size() == 1 && page.shown.get(0).equals(want),
                  name + ": opens " + (want.isEmpty() ? "nothing" : want) + ", got " + page.shown);
            check(a.hasLink(0) == !want.isEmpty(), name + ": the hand is shown " + (want.isEmpty() ? "nowhere" : "over it"));
            a.destroy();
        }
    }

    // The applet on a page of the given size, loaded, without its thread.
    static glntfx offline(Page page) {
        glntfx a = new glntfx();
        a.setStub(page);
        a.init();
        a.layout(page.width, page.height);
        a.checkLoaded(0);
        a.prepareImages();
        a.loaded = true;
        return a;
    }

    static String hex(int rgb) {
        return String.format("%06x", rgb & 0xffffff);
    }

    // Numbers are ASCII digits with an optional sign, in the range of an
    // int, then clamped to the field's limits; colours one to six hex
    // digits without a sign. Anything else is the field's default.
    static void checkNumbers(URL base) {
        String[][] delays = {
            // PgDelay-0 (default 2000, limits 0..3600000), the delay read
            {"1500", "1500"}, {" +1500\t", "1500"}, {"0001500", "1500"}, {"-5", "0"}, {"2147483647", "3600000"},
            {"-2147483648", "0"}, {"2147483648", "2000"}, {"99999999999", "2000"}, {"+-5", "2000"}, {"++5", "2000"},
            {"-", "2000"}, {"+", "2000"}, {"", "2000"}, {"12.5", "2000"}, {"0x10", "2000"}, {"1 500", "2000"},
            {"\u0661\u0665\u0660\u0660", "2000"}, {"\uff11\uff15\uff10\uff10", "2000"}, {"\u0967\u096b", "2000"},
        };
        for (String[] row : delays) {
            String v = row[0];
            glntfx a = new glntfx();
            a.setStub(broken(base, "Notice", glntfx.NOTICE, "PgTotal", "1", "PgDelay-0", v));
            a.init();
            check(String.valueOf(a.delay[0]).equals(row[1]), "PgDelay-0 \"" + row[0] + "\" reads " + row[1] + ", got " + a.delay[0]);
        }
        String[][] colours = {
            // ApBKColor (default 000000), the colour read
            {"ff8800", "ff8800"}, {" #FF8800 ", "ff8800"}, {"0Xff8800", "ff8800"}, {"ff", "0000ff"}, {"fff", "000fff"},
            {"+ff", "000000"}, {"-1", "000000"}, {"1234567", "000000"}, {"#0xff", "000000"}, {"##ff", "000000"},
            {"g00000", "000000"}, {"", "000000"}, {"\uff46\uff46", "000000"}, {"\u0661\u0662", "000000"},
        };
        for (String[] row : colours) {
            glntfx a = new glntfx();
            a.setStub(broken(base, "Notice", glntfx.NOTICE, "ApBKColor", row[0]));
            a.init();
            check(hex(a.appColor.getRGB()).equals(row[1]), "ApBKColor \"" + row[0] + "\" reads " + row[1] + ", got " + hex(a.appColor.getRGB()));
        }
    }

    static String repeat(String s, int n) {
        StringBuilder b = new StringBuilder();
        for (int i = 0; i < n; i++)
            b.append(s);
        return b.toString();
    }

    // Phase lengths in whole milliseconds, exactly: slow(X) = X * (20 + s)
    // / 20 rounded down, a letter is a code point, a text is cut after
    // 10 000 letters (a line break counting as one).
    static void checkTimeline(URL base) {
        String smile = new String(Character.toChars(0x1F600));
        Object[][] table = {
            // style, speed, text, other params, in, out
            {3, 9, "abcde", "", 5 * 58, 0},                    // slow(40) at 9 is 58, not 57
            {3, 33, "a", "", 106, 0},
            {3, 0, "a" + smile + "b", "", 3 * 40, 0},           // three letters, not four
            {3, 0, repeat(smile, 12000), "", 10000 * 40, 0},
            {3, 0, repeat("ab|_#`", 6000), "", (3333 * 2 + 1) * 40, 0},
            {3, 0, repeat("ab\r\n", 6000), "", (3333 * 2 + 1) * 40, 0},
            {4, 9, "abc", "", 2 * 87 + 450, 0},
            {4, 0, smile + smile, "", 60 + 450, 0},
            {7, 9, "x", "", 580, 0},
            {8, 38, "x", "", 1450, 0},
            {10, 33, "x", "", 662 + 150, 795 + 200},
            {13, 9, "x", "", 870, 870},
            {11, 1000, "x", "", 35700, 0},
            // A ticker: 24 px at 240 * 20 / 21 px a second take exactly 105 ms.
            {1, 1, "", "FontStyle-0=18,t,ffffff,p,6,-22,0,0,000000", 105, -1},
        };
        for (Object[] row : table) {
            int style = (Integer) row[0], speed = (Integer) row[1], in = (Integer) row[4], out = (Integer) row[5];
            String text = (String) row[2];
            Page page = sized(base, 200, 60, "Notice", glntfx.NOTICE, "PgTotal", "1", "PgText-0", text,
                              "PgTextSpeed-0", String.valueOf(speed), "PgTextAnimate-0", style + ",0,0");
            String extra = (String) row[3];
            if (!extra.isEmpty())
                page.params.put(extra.substring(0, extra.indexOf('=')).toLowerCase(), extra.substring(extra.indexOf('=') + 1));
            glntfx a = offline(page);
            String name = "style " + style + " at speed " + speed + ", text of " + text.codePointCount(0, text.length()) + " code points";
            check(a.tIn[0] == in, name + ": in is " + in + " ms, got " + a.tIn[0]);
            check(out < 0 || a.tOut[0] == out, name + ": out is " + out + " ms, got " + a.tOut[0]);
        }
    }

    // A moving pinstripe is 4000 / (m + 20) px a second in whole pixels:
    // off = 4t / (m + 20) rounded down. The bright stripe stands where
    // x + off is a multiple of 6.
    static void checkBackgroundOffset(URL base) {
        int[][] table = {
            // BackMoveSpeed, show time, offset
            {4, 390, 65}, {4, 774, 129}, {18, 19, 2}, {56, 19, 1}, {41, 61, 4}, {0, 5000, 0}, {400, 420, 4},
        };
        Color c = new Color(0x20, 0x40, 0x80);
        for (int[] row : table) {
            glntfx a = offline(sized(base, 120, 40, "Notice", glntfx.NOTICE, "PgTotal", "1", "BackMoveSpeed",
                                     String.valueOf(row[0]), "PgBKStyle-0", "3,204080,,0", "PgConnStyle-0", "99", "PgText-0", ""));
            BufferedImage img = frameAt(a, row[1]);
            int x = (6 - row[2] % 6) % 6;
            check((img.getRGB(x, 20) & 0xffffff) == (glntfx.mix(c, Color.white, 0.28).getRGB() & 0xffffff)
                  && (img.getRGB(x + 1, 20) & 0xffffff) == (glntfx.mix(c, Color.white, 0.10).getRGB() & 0xffffff),
                  "BackMoveSpeed " + row[0] + " at " + row[1] + " ms: moved " + row[2] + " px, the stripe at x = " + x);
        }
    }

    // Halfway through a push into an area of odd size the two pictures
    // still touch: no pixel of the applet colour shows between them.
    static void checkPushes(URL base) {
        for (int style = 5; style <= 8; style++) {
            glntfx a = offline(sized(base, 121, 61, "Notice", glntfx.NOTICE, "PgTotal", "2", "ApBKColor", "00ff00",
                                     "PgBKStyle-0", "1,ff0000,,0", "PgDelay-0", "1000", "PgText-0", "",
                                     "PgBKStyle-1", "1,0000ff,,0", "PgConnStyle-1", String.valueOf(style), "PgText-1", ""));
            BufferedImage img = frameAt(a, a.bannerStart[1] + 350);
            check(countColour(img, Color.green) == 0, "push " + style + " halfway: " + countColour(img, Color.green)
                  + " pixels of the applet colour between the pictures");
            check(countColour(img, Color.red) > 0 && countColour(img, Color.blue) > 0, "push " + style + " halfway shows both pictures");
        }
    }

    static boolean sameFrames(glntfx a, glntfx b, long[] times) {
        for (long t : times) {
            BufferedImage x = frameAt(a, t), y = frameAt(b, t);
            for (int py = 0; py < x.getHeight(); py++)
                for (int px = 0; px < x.getWidth(); px++)
                    if (x.getRGB(px, py) != y.getRGB(px, py))
                        return false;
        }
        return true;
    }

    static Page styled(URL base, String animate, String font, String text) {
        return sized(base, 200, 70, "Notice", glntfx.NOTICE, "PgTotal", "1", "PgBKStyle-0", "1,3366cc,,0",
                     "PgDelay-0", "2000", "PgText-0", text, "FontStyle-0", font, "PgTextAnimate-0", animate);
    }

    // A direction outside 0..3 is 0, for every style that takes one.
    static void checkDirections(URL base) {
        String[] styles = {"5,%s,0", "8,%s,0", "12,%s,0", "12,%s,1", "13,%s,300"};
        String[] odd = {"4", "7", "-1", "3600000"};
        String font = "24,h,ffffff,b,0,0,0,4,000000";
        for (String st : styles) {
            glntfx zero = offline(styled(base, String.format(st, "0"), font, "Go|_#`there"));
            long[] times = {700 + 50, 700 + 200, 700 + zero.tIn[0] / 2, zero.bannerDur[0] - 100};
            for (String m : odd) {
                glntfx a = offline(styled(base, String.format(st, m), font, "Go|_#`there"));
                check(sameFrames(zero, a, times), "style " + String.format(st, m) + " moves as with direction 0");
            }
        }
    }

    // A text is drawn whole: the layers behind of all its letters first,
    // then the faces, so letters drawn one by one show at rest as the
    // static text does; and a fading text is composed first and then laid
    // on, so over black it is the text at rest times its opacity.
    static void checkLayers(URL base) {
        // Outlined, and letters that touch: each outline reaches into the
        // letter before it.
        String font = "40,c,ffffff,b,0,0,0,1,ff0000", text = "W___W";
        glntfx still = offline(styled(base, "6,0,0", font, text));
        long rest = 700 + 1000;
        for (String animate : new String[] {"4,0,0", "12,2,0", "12,3,0", "3,0,0", "14,100,0", "10,0,0"}) {
            glntfx a = offline(styled(base, animate, font, text));
            check(sameFrames(still, a, new long[] {700 + a.tIn[0] + 10}), "style " + animate + " at rest draws the text as static");
        }
        for (String effect : new String[] {"1", "2", "3", "4"}) {
            String f = "48,h,ffffff,b,0,0,0," + effect + ",ff0000";
            Page pg = styled(base, "7,0,0", f, text);
            pg.params.put("pgbkstyle-0", "1,000000,,0");
            glntfx a = offline(pg);
            BufferedImage half = frameAt(a, 700 + a.tIn[0] / 2), whole = frameAt(a, rest);
            double worst = 0;
            for (int y = 0; y < half.getHeight(); y++)
                for (int x = 0; x < half.getWidth(); x++)
                    for (int sh = 0; sh < 24; sh += 8)
                        worst = Math.max(worst, Math.abs(((half.getRGB(x, y) >> sh) & 255) - ((whole.getRGB(x, y) >> sh) & 255) / 2.0));
            check(worst <= 3, "effect " + effect + " fading in: halfway is the text at rest at half opacity, off by " + worst);
        }
    }

    // Only the primary button follows a link.
    static void checkButtons(URL base) {
        int[][] table = {{MouseEvent.BUTTON1, 1}, {MouseEvent.BUTTON2, 0}, {MouseEvent.BUTTON3, 0}, {MouseEvent.NOBUTTON, 0}};
        for (int[] row : table) {
            Page page = broken(base, "Notice", glntfx.NOTICE, "PgTotal", "1", "PgURL-0", "page.htm");
            glntfx a = new glntfx();
            a.setStub(page);
            a.init();
            a.loaded = true;
            a.currentBanner = 0;
            a.mouseClicked(click(a, row[0]));
            check(page.shown.size() == row[1], "button " + row[0] + (row[1] == 1 ? " opens the link" : " opens nothing") + ", got " + page.shown);
            a.destroy();
        }
    }

    static BufferedImage sheetRow(glntfx a, int frames) {
        BufferedImage row = new BufferedImage(frames * (a.appW + 6), a.appH + 6, BufferedImage.TYPE_INT_RGB);
        Graphics2D g = row.createGraphics();
        g.setColor(Color.gray);
        g.fillRect(0, 0, row.getWidth(), row.getHeight());
        for (int k = 0; k < frames; k++) {
            long t = a.cycle * k / frames + 350;
            g.drawImage(frameAt(a, t), k * (a.appW + 6) + 3, 3, null);
        }
        g.dispose();
        return row;
    }

    static glntfx checkDesign(String name, Page page, long live, boolean design) throws Exception {
        glntfx a = runLive(name, page, live, design);
        // The thread is stopped: drive the frames from here.
        sweep(name, a);
        return a;
    }

    // A page of the given size; the applet's parameters as for broken().
    static Page sized(URL base, int w, int h, String... kv) {
        Page p = broken(base, kv);
        p.width = w;
        p.height = h;
        return p;
    }

    // A folder holding dot.png, an image of one pixel.
    static URL dotFolder() throws Exception {
        File dir = Files.createTempDirectory("appletcheck").toFile();
        dir.deleteOnExit();
        File dot = new File(dir, "dot.png");
        dot.deleteOnExit();
        BufferedImage one = new BufferedImage(1, 1, BufferedImage.TYPE_INT_RGB);
        one.setRGB(0, 0, 0xc04020);
        ImageIO.write(one, "png", dot);
        return dir.toURI().toURL();
    }

    static Page broken(URL base, String... kv) {
        Page p = new Page(base);
        for (int i = 0; i + 1 < kv.length; i += 2)
            p.params.putIfAbsent(kv[i].toLowerCase(), kv[i + 1]);
        return p;
    }

    public static void main(String[] args) throws Exception {
        URL base = new File(args[0]).toURI().toURL();
        List<BufferedImage> rows = new ArrayList<>();

        for (int n = 2; n < args.length; n++) {
            String name = new File(args[n]).getName();
            String html = new String(Files.readAllBytes(new File(args[n]).toPath()), StandardCharsets.ISO_8859_1);
            Page page = parseBlock(html, base);
            glntfx a = checkDesign(name, page, 1000, true);
            check(a.noticeOk, name + ": the notice is accepted");
            check(a.total == Integer.parseInt(page.getParameter("PgTotal")), name + ": every banner is read");
            checkRestFrames(name, a);
            checkLink(name, a, page);
            rows.add(sheetRow(a, 6));
            a.destroy();
        }

        String notice = glntfx.NOTICE;
        String longText = new String(new char[6000]).replace('\0', 'w');
        String manyLines = new String(new char[3000]).replace("\0", "line|_#`");
        StringBuilder mb = new StringBuilder(1 << 20);
        while (mb.length() < (1 << 20))
            mb.append("a long text drawn in part ");
        String megaText = mb.toString();
        // Broken and odd parameter sets: none may throw, in any frame.
        Object[][] cases = {
            {"no parameters at all", broken(base)},
            {"wrong notice, a link", broken(base, "Notice", "x", "PgTotal", "1", "PgURL-0", "a.htm")},
            {"garbage everywhere", broken(base, "Notice", notice, "ProgressBar", ",,,", "ApMargin", "a,b,c",
                "ApBorderWidth", "-9", "ApBorderType", "77", "ApBKColor", "xyz", "BackMoveSpeed", "-3",
                "PgTotal", "2", "PgBKStyle-0", "q", "PgConnStyle-0", "x", "PgDelay-0", "-100",
                "FontStyle-0", ",,,,,,,,,,,,", "PgText-0", "|_#`|_#`", "PgTextSpeed-0", "z", "PgTextAnimate-0", "99,-7,x",
                "PgBKStyle-1", "0,ff0000,missing,with,commas.gif,7", "PgConnStyle-1", "42", "PgTextAnimate-1", "12,9,9")},
            {"margins larger than the applet", broken(base, "Notice", notice, "ApMargin", "1000,1000",
                "ApBorderWidth", "400", "ApBorderType", "3", "PgTotal", "1", "PgTextAnimate-0", "8,3,0")},
            {"count larger than the banners given", broken(base, "Notice", notice, "PgTotal", "3",
                "PgText-0", "only one", "PgTextAnimate-0", "2,-1,0")},
            {"no count: the banners present", broken(base, "Notice", notice, "PgText-0", "a", "PgText-1", "b",
                "PgBKStyle-1", "3,00ff00,,0")},
            {"border image missing", broken(base, "Notice", notice, "ApBorderType", "4", "ApBorderWidth", "4",
                "ApBKImg", "nothere.gif", "PgTotal", "1")},
            {"every style and fill", allStyles(base, notice)},
            {"huge font, long text, letter by letter", broken(base, "Notice", notice, "PgTotal", "2",
                "FontStyle-0", "5000,h,ffffff,b,8,-4000,4000,1,000000", "PgText-0", "Huge|_#`text",
                "PgTextAnimate-0", "10,0,0", "PgText-1", longText, "PgTextAnimate-1", "14,500,0",
                "PgDelay-1", "100")},
            {"extreme numbers", broken(base, "Notice", notice, "PgTotal", "2", "PgDelay-0", "2147483647",
                "PgTextSpeed-0", "2147483647", "PgTextAnimate-0", "2,2147483647,0", "PgText-0", manyLines,
                "PgTextSpeed-1", "2147483647", "PgTextAnimate-1", "3,0,0", "PgText-1", longText,
                "FontStyle-1", "2147483647,c,ffffff,p,0,2147483647,-2147483648,4,000000")},
            {"an applet far larger than a screen", sized(base, 30000, 30000, "Notice", notice, "PgTotal", "1",
                "ApBorderType", "4", "ApBorderWidth", "50", "ApBKImg", "eveningsky.jpg")},
            {"a one-pixel border image all round", sized(dotFolder(), 1500, 1200, "Notice", notice, "PgTotal", "1",
                "ApBorderType", "4", "ApBorderWidth", "30", "ApBKImg", "dot.png")},
            {"a text of a megabyte", broken(base, "Notice", notice, "PgTotal", "4",
                "PgText-0", megaText, "FontStyle-0", "20,h,ffffff,b,0,0,0,1,000000",
                "PgText-1", megaText, "PgTextAnimate-1", "10,0,0", "PgDelay-1", "100",
                "PgText-2", megaText, "PgTextAnimate-2", "14,0,0", "PgText-3", megaText, "PgTextAnimate-3", "12,2,0")},
        };
        for (Object[] c : cases) {
            String name = (String) c[0];
            Page page = (Page) c[1];
            try {
                glntfx a = checkDesign(name, page, 400, false);
                if (name.startsWith("wrong notice")) {
                    check(!a.noticeOk, name + ": the notice is refused");
                    checkLink(name + " (refused notice opens nothing)", a, broken(base));
                }
                if (name.startsWith("no count"))
                    check(a.total == 2, name + ": two banners found, got " + a.total);
                if (name.startsWith("count larger"))
                    check(a.total == 3, name + ": the count is kept, got " + a.total);
                if (name.startsWith("extreme")) {
                    boolean sane = a.cycle > 0;
                    for (int i = 0; i < a.total; i++)
                        sane &= a.tIn[i] >= 0 && a.tHold[i] >= 0 && a.tOut[i] >= 0 && a.tRest[i] >= 0 && a.bannerDur[i] > 0;
                    check(sane, name + ": every phase of the timeline is a real length");
                }
                if (name.startsWith("every style"))
                    rows.add(sheetRow(a, 8));
                if (name.startsWith("an applet far") || name.startsWith("a one-pixel") || name.startsWith("a text of"))
                    checkFrameTime(name, a);
                a.destroy();
            } catch (Exception e) {
                fail(name + ": threw " + e);
                e.printStackTrace(System.out);
            }
        }

        checkLinkSafety(base);
        checkButtons(base);
        checkNumbers(base);
        checkTimeline(base);
        checkBackgroundOffset(base);
        checkPushes(base);
        checkDirections(base);
        checkLayers(base);

        int w = 0, h = 0;
        for (BufferedImage r : rows) {
            w = Math.max(w, r.getWidth());
            h += r.getHeight();
        }
        BufferedImage sheet = new BufferedImage(Math.max(1, w), Math.max(1, h), BufferedImage.TYPE_INT_RGB);
        Graphics2D g = sheet.createGraphics();
        int y = 0;
        for (BufferedImage r : rows) {
            g.drawImage(r, 0, y, null);
            y += r.getHeight();
        }
        g.dispose();
        ImageIO.write(sheet, "png", new File(args[1]));
        System.out.println(failures == 0 ? "all checks passed" : failures + " check(s) failed");
        System.exit(failures == 0 ? 0 : 1);
    }

    // One banner of each animation style, each on another fill and transition.
    static Page allStyles(URL base, String notice) {
        Page p = broken(base, "Notice", notice, "ApBorderType", "2", "ApBorderWidth", "3", "ApBKColor", "303030",
                        "PgTotal", "15", "BackMoveSpeed", "30");
        for (int k = 0; k < 15; k++) {
            p.params.put(("PgBKStyle-" + k).toLowerCase(), (k + 2) + ",2060a0,,1");
            p.params.put(("PgConnStyle-" + k).toLowerCase(), String.valueOf(k % 13));
            p.params.put(("PgDelay-" + k).toLowerCase(), "800");
            p.params.put(("FontStyle-" + k).toLowerCase(), "20,h,ffee58,b," + (k % 9) + ",0,0," + (k % 5) + ",000000");
            p.params.put(("PgText-" + k).toLowerCase(), "Style " + k + "|_#`two lines");
            p.params.put(("PgTextSpeed-" + k).toLowerCase(), "10");
            p.params.put(("PgTextAnimate-" + k).toLowerCase(), k + "," + (k % 4) + "," + (k == 12 ? 1 : 500));
        }
        return p;
    }
}
