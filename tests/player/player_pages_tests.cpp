// The script player on whole pages: a page New Page writes plays and moves;
// hostile blocks never throw, hang or run script; the canvas takes the
// applet's place, label and link; Firefox plays it too.
#include "tests/player/playerpage.h"

#include "host/document/pagelet.h"
#include "host/output/pageoutput.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

const std::string kPlayer = GLINTRA_APP_DIR "/glntfx.js";

class PlayerPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(HaveProgram("chromium", folder)) << "chromium is not installed: scripts/deps.sh test installs it";
        ASSERT_TRUE(FileExists(kPlayer)) << kPlayer;
    }
    CTempDir folder;
};

// Pixels where two pictures of one region differ.
int Differences(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            if (!Near(a.pixelColor(x, y), b.pixelColor(x, y), 24))
                ++count;
    return count;
}

// What New Page writes with the player on, straight from a template, plays
// in a browser: two moments of its show differ where the text moves.
TEST_F(PlayerPages, ANewPageWithThePlayerMoves)
{
    CTempRegistry registry;
    CTempServer server;
    ASSERT_EQ(server.CallEntry("DllRegisterServer"), 0);
    ASSERT_TRUE(CopyFileReplacing(kPlayer, server.PlayerFile()));
    CPagelet pagelet;
    ASSERT_TRUE(pagelet.CreateFromProgID("PageletServer.Glintra"));
    ASSERT_TRUE(pagelet.ReadConfigFile(GLINTRA_APP_DIR "/NewsTicker_PageletServer.Glintra.pgt"));
    const std::string page = folder / "index.htm";
    ASSERT_TRUE(WriteNewPage(pagelet, page, {true}));
    ASSERT_EQ(CopyPlayerBeside(pagelet, page), "");

    // The page as written, in a frame of a page that holds its show at two
    // moments in turn (a headless browser has no clock to wait on).
    QImage shots[2];
    const long moments[] = {1500, 4000};
    for (int i = 0; i < 2; ++i) {
        const std::string harness = folder / ("moment" + std::to_string(i) + ".html");
        ASSERT_TRUE(WriteText(harness, "<html><body style=\"margin:0\"><iframe id=\"f\" src=\"index.htm\" "
                                       "style=\"border:0;width:600px;height:100px\"></iframe><script>"
                                       "document.getElementById('f').onload=function(){var w=this.contentWindow;"
                                       "(function wait(){if(w.glntfx)w.glntfx.ready(function(g){g.seek(" +
                                           std::to_string(moments[i]) +
                                           ");});else setTimeout(wait,5);})();};</script></body></html>"));
        const std::string png = folder / ("moment" + std::to_string(i) + ".png");
        const CProcessResult run = RunChromium(harness, {"--screenshot=" + png}, folder, 1500, "800,400");
        ASSERT_EQ(run.exitCode, 0) << run.err;
        ASSERT_TRUE(shots[i].load(QString::fromStdString(png)));
    }
    // The banner is 468 x 32, centred in the page's paragraph.
    const QRect banner(0, 0, 600, 60);
    const QImage first = shots[0].copy(banner), second = shots[1].copy(banner);
    int inked = 0;
    for (int x = 0; x < first.width(); ++x)
        if (!Near(first.pixelColor(x, 20), QColor(255, 255, 255), 10))
            ++inked;
    EXPECT_GT(inked, 400) << "the banner is drawn across its width";
    EXPECT_GT(Differences(first, second), 50) << "the ticker moved between the two moments";
    if (const char* keep = std::getenv("GLINTRA_SCREENSHOTS")) {
        first.save(QString::fromLocal8Bit(keep) + "/newpage-0.png");
        second.save(QString::fromLocal8Bit(keep) + "/newpage-1.png");
    }
}

// Blocks someone else wrote: nothing given, values of the wrong kind, huge
// numbers, negative sizes, 10,000 banners, a 1 MB text, script in a link
// and markup in a text. The page stays clean, and nothing runs.
TEST_F(PlayerPages, HostileBlocksNeitherThrowNorHangNorRunScript)
{
    CPlayerPage page(4, 220, 100);
    page.Add({});  // every param missing: the notice screen
    page.Add({{"Notice", "Glintra banner applet. Banners designed with Pallima Glintra 1.5."},
              {"PgTotal", "abc"},
              {"PgBKStyle-0", "x,y,z,w"},
              {"FontStyle-0", "-5,?,zzzzzz,q,99,1e9,-1e9,77,#"},
              {"PgTextAnimate-0", "99,-7,x"},
              {"PgDelay-0", "-100"},
              {"ApMargin", "99999,-4"},
              {"ApBorderWidth", "-9"},
              {"ProgressBar", ","}});
    std::string huge(1 << 20, 'W');
    page.Add(DesignParams({{"PgText-0", huge}, {"PgTextAnimate-0", "3,0,0"}}));
    CParamList many = DesignParams({{"PgTotal", "10000"}});
    for (int i = 0; i < 10000; ++i) {
        const std::string k = std::to_string(i);
        many.emplace_back("PgBKStyle-" + k, std::to_string(i % 20) + ",ff00" + std::to_string(i % 10) + "0,,0");
        many.emplace_back("PgText-" + k, "Banner " + k);
        many.emplace_back("PgTextAnimate-" + k, std::to_string(i % 15) + ",1,1");
        many.emplace_back("PgDelay-" + k, "0");
    }
    page.Add(many);
    page.Add(DesignParams({{"PgURL-0", "javascript:window.glintraRan=1"},
                           {"PgText-0", "</script><script>window.glintraRan=2</script>\"'<b>"}}));
    page.Add(DesignParams({{"PgURL-0", " jAvA&#x09;sCrIpT:window.glintraRan=3"}}));
    page.Add(DesignParams({{"PgURL-0", "data:text/html,<script>parent.glintraRan=4</script>"}}), 2000000000, -3);
    page.Add(DesignParams({{"ApBKImg", "../../../../etc/passwd"}, {"ApBorderType", "4"}, {"ApBorderWidth", "5"}}));

    // Click and press Enter on every canvas; a link that ran script shows.
    const std::string poke =
        "var cs=document.querySelectorAll('canvas');"
        "for(var i=0;i<cs.length;i++){cs[i].dispatchEvent(new MouseEvent('click',{bubbles:true,clientX:5,"
        "clientY:5}));cs[i].dispatchEvent(new KeyboardEvent('keydown',{key:'Enter',bubbles:true}));}"
        "if(window.glintraRan)glintraErrors.push('a link ran script '+window.glintraRan);"
        "if(document.querySelectorAll('b').length)glintraErrors.push('a text became markup');";
    for (const long moment : {0L, 1234L, 987654321L}) {
        const CPlayedPage played = PlayInChromium(page, kPlayer, moment, folder, poke);
        ASSERT_TRUE(played.failure.empty()) << played.failure;
        EXPECT_TRUE(played.clean) << "at " << moment << " ms: " << played.dom;
    }
}

// The canvas takes the applet's place in its paragraph, says what it shows
// and is reachable with the keyboard when it leads somewhere.
TEST_F(PlayerPages, TheCanvasStandsInForTheApplet)
{
    CPlayerPage page;
    page.Add(DesignParams({{"PgText-0", "Fresh|_#`bread"}}), 200, 50);
    page.Add(DesignParams({{"PgText-0", "Sale"}, {"PgURL-0", "https://example.invalid/"}}));
    const std::string check =
        "var cs=document.querySelectorAll('canvas');function need(ok,what){if(!ok)glintraErrors.push(what);}"
        "need(cs.length==2,'two canvases, not '+cs.length);"
        "need(cs[0].parentNode.tagName=='P','in the applet\\'s paragraph');"
        "need(cs[0].style.width=='200px'&&cs[0].style.height=='50px','the applet\\'s size: '+cs[0].style.width);"
        "need(cs[0].getAttribute('role')=='img','role img: '+cs[0].getAttribute('role'));"
        "need(/Fresh bread/.test(cs[0].getAttribute('aria-label')||''),'label '+cs[0].getAttribute('aria-label'));"
        "need(!cs[0].hasAttribute('tabindex'),'no link, no tab stop');"
        "need(cs[1].getAttribute('role')=='link'&&cs[1].getAttribute('tabindex')=='0','a link is a tab stop');"
        "var a=document.querySelectorAll('applet');need(a.length==2&&getComputedStyle(a[0]).display=='none',"
        "'the applet hidden');";
    const CPlayedPage played = PlayInChromium(page, kPlayer, 1000, folder, check);
    ASSERT_TRUE(played.failure.empty()) << played.failure;
    EXPECT_TRUE(played.clean) << played.dom;
}

// On a screen of twice the density the canvas has twice the pixels, and
// the picture is as sharp as the screen: a one-pixel border line of the
// applet is two screen pixels wide, not a blur.
TEST_F(PlayerPages, CrispOnADenseScreen)
{
    CPlayerPage page;
    page.Add(DesignParams({{"ApBorderType", "1"}, {"ApBorderWidth", "1"}, {"ApBKColor", "000000"},
                           {"PgBKStyle-0", "1,000000,,0"}, {"PgText-0", ""}}),
             100, 40);
    const std::string check =
        "var c=document.querySelector('canvas');if(c.width!=200||c.height!=80)"
        "glintraErrors.push('backing store '+c.width+'x'+c.height+' for 100x40 at 2x');";
    const CPlayedPage played = PlayInChromium(page, kPlayer, 1000, folder, check, {"--force-device-scale-factor=2"});
    ASSERT_TRUE(played.failure.empty()) << played.failure;
    EXPECT_TRUE(played.clean) << played.dom;
    // The screenshot is in screen pixels: the frame's top row is two rows.
    const QRect place(page.Block(0).place.topLeft() * 2, page.Block(0).place.size() * 2);
    const QColor frame = played.shot.pixelColor(place.x() + 40, place.y());
    EXPECT_FALSE(Near(frame, QColor(0, 0, 0), 60)) << "the frame line is drawn";
    EXPECT_TRUE(Near(played.shot.pixelColor(place.x() + 40, place.y() + 1), frame, 8)) << "two screen rows";
    EXPECT_TRUE(Near(played.shot.pixelColor(place.x() + 40, place.y() + 2), QColor(0, 0, 0), 8)) << "then black";
}

// A visitor who asked for less motion sees each banner's text at rest, at
// every moment: no typing, no transition half way.
TEST_F(PlayerPages, LessMotionShowsTheTextsStill)
{
    CPlayerPage page;
    page.Add(DesignParams({{"PgText-0", "HIHI"}, {"FontStyle-0", "24,h,ffffff,b,0,0,0,0,000000"},
                           {"PgTextAnimate-0", "3,0,0"}, {"PgDelay-0", "20000"}}));
    for (const bool reduced : {false, true}) {
        const std::vector<std::string> flags = reduced ? std::vector<std::string>{"--force-prefers-reduced-motion"}
                                                       : std::vector<std::string>{};
        const CPlayedPage played = PlayInChromium(page, kPlayer, 700 + 90, folder, {}, flags);
        ASSERT_TRUE(played.clean) << played.dom;
        QRect ink;
        const QImage canvas = played.shot.copy(page.Block(0).place);
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (!Near(canvas.pixelColor(x, y), QColor(0, 0, 0), 80))
                    ink |= QRect(x, y, 1, 1);
        // Typing has two of the four letters out by then; at rest all four.
        if (reduced)
            EXPECT_GT(ink.width(), 45) << "the whole text at once";
        else
            EXPECT_LT(ink.width(), 35) << "typing, half way";
    }
}

// Firefox draws the banner too. Firefox has no clock of its own to run
// here: the page is held at one moment before the picture is taken.
TEST_F(PlayerPages, FirefoxPlaysItToo)
{
    if (!HaveProgram("firefox-esr", folder))
        GTEST_SKIP() << "firefox-esr is not installed (scripts/deps.sh test installs it)";
    CPlayerPage page;
    page.Add(DesignParams({{"PgBKStyle-0", "1,3366cc,,0"}, {"PgText-0", "Firefox"}}), 200, 60);
    const std::string html = folder / "firefox.html";
    ASSERT_TRUE(WriteText(html, page.Html("file://" + kPlayer, 1000)));
    CreateFolder(folder / "profile");
    const std::string png = folder / "firefox.png";
    const CProcessResult run =
        RunProcess({"env", "MOZ_HEADLESS=1", "timeout", "120", "firefox-esr", "--headless", "--no-remote", "--profile",
                    folder / "profile", "--window-size=400,200", "--screenshot", png, "file://" + html},
                   folder);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    QImage shot;
    ASSERT_TRUE(shot.load(QString::fromStdString(png)));
    const QRect place = page.Block(0).place;
    EXPECT_TRUE(Near(shot.pixelColor(place.x() + 3, place.y() + 3), QColor(0x33, 0x66, 0xcc), 8))
        << Describe(shot.pixelColor(place.x() + 3, place.y() + 3));
    int white = 0;
    for (int x = place.x(); x < place.right(); ++x)
        for (int y = place.y(); y < place.bottom(); ++y)
            if (Near(shot.pixelColor(x, y), QColor(255, 255, 255), 30))
                ++white;
    EXPECT_GT(white, 30) << "the white text is drawn";
}

} // namespace
