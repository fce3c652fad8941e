// Frames of the banner applet at chosen show times, for the tests that hold
// the script player to the applet: the same blocks, the same moments. It
// reads blocks and stands in for the browser as AppletCheck does.
//
//   javac --release 8 -d OUT applet/java/glntfx.java applet/java/AppletCheck.java tests/player/java/FrameDump.java
//   xvfb-run -a java -cp OUT FrameDump DOCBASE OUTDIR BLOCK.html...
//
// Each BLOCK.html holds one <applet ...> element with its <param> lines and,
// in a first line "<!-- moment N -->", the show time to draw; the frame goes
// to OUTDIR/<block file name>.png. Pictures are looked up against DOCBASE,
// the folder the page would lie in. Needs a display: Xvfb will do.

import java.awt.Frame;
import java.awt.Graphics2D;
import java.awt.image.BufferedImage;
import java.io.File;
import java.net.URL;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.util.regex.Matcher;
import java.util.regex.Pattern;
import javax.imageio.ImageIO;

public class FrameDump {

    public static void main(String[] args) throws Exception {
        URL base = new File(args[0]).toURI().toURL();
        File out = new File(args[1]);
        int failures = 0;
        for (int i = 2; i < args.length; i++) {
            File blockFile = new File(args[i]);
            String html = new String(Files.readAllBytes(blockFile.toPath()), StandardCharsets.UTF_8);
            AppletCheck.Page page = AppletCheck.parseBlock(html, base);
            Matcher moment = Pattern.compile("<!-- moment (\\d+) -->").matcher(html);
            long t = moment.find() ? Long.parseLong(moment.group(1)) : 0;

            glntfx a = new glntfx();
            a.setStub(page);
            Frame f = new Frame(blockFile.getName());
            f.setLayout(null);
            f.add(a);
            a.setBounds(0, 0, page.width, page.height);
            f.setSize(page.width + 40, page.height + 60);
            f.setVisible(true);
            a.init();
            a.start();
            // The show starts once the pictures are in.
            for (int waited = 0; !a.loaded && waited < 20000; waited += 20)
                Thread.sleep(20);
            a.stop();
            if (!a.loaded) {
                System.out.println("FAIL " + blockFile.getName() + ": the show never started");
                failures++;
            }
            BufferedImage img = new BufferedImage(a.appW, a.appH, BufferedImage.TYPE_INT_RGB);
            Graphics2D g = img.createGraphics();
            a.renderFrame(g, t);
            g.dispose();
            ImageIO.write(img, "png", new File(out, blockFile.getName() + ".png"));
            f.setVisible(false);
            f.dispose();
        }
        System.exit(failures == 0 ? 0 : 1);
    }
}
