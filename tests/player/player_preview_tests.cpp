// The wizard's Preview from end to end, as a host drives the real server:
// a design with a picture from another folder, Preview in a browser that is
// a small script noting the page it was given, and that page opened in
// headless Chromium, where the script player draws the banner.
#include "tests/player/playerpage.h"

#include "host/document/pagelet.h"
#include "platform/registry/profile.h"
#include "platform/ui/scripteduiservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QWizard>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kPlayer = GLINTRA_APP_DIR "/glntfx.js";

// Starts programs for real (and waits for them), noting each start as the
// scripted services do.
class CStartingUiServices : public CScriptedUiServices {
public:
    explicit CStartingUiServices(const CTempDir& scratch) : m_scratch(scratch) {}
    bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) override
    {
        CScriptedUiServices::StartProgram(program, arguments);
        std::vector<std::string> argv = {program};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        return RunProcess(argv, m_scratch).exitCode == 0;
    }

private:
    const CTempDir& m_scratch;
};

TEST(PreviewEndToEnd, TheChosenBrowserGetsAPageThatPlays)
{
    CTempDir scratch, pictures;
    ASSERT_TRUE(HaveProgram("chromium", scratch));
    CTempRegistry registry;
    CTempServer server;
    ASSERT_EQ(server.CallEntry("DllRegisterServer"), 0);
    ASSERT_TRUE(CopyFileReplacing(kPlayer, server.PlayerFile()));
    CStartingUiServices ui(scratch);
    CScopedUiServices install(&ui);

    // The browser: a script that notes its argument.
    const std::string browser = scratch / "browser.sh", noted = scratch / "noted.txt";
    ASSERT_TRUE(WriteText(browser, "#!/bin/sh\nprintf '%s' \"$1\" > '" + noted + "'\n"));
    ::chmod(browser.c_str(), 0755);
    CProfile settings("Norvane", "Pallima Glintra");
    settings.WriteProfileString("Specify Browser", "BrowserNum", "1");
    settings.WriteProfileString("Specify Browser", "Name1", "Noting Browser");
    settings.WriteProfileString("Specify Browser", "Path1", browser);

    // A design whose banner shows a red picture from another folder.
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(QColor(255, 0, 0));
    ASSERT_TRUE(red.save(QString::fromStdString(pictures / "red.png")));
    const std::string widget = pictures / "w.pgt";
    ASSERT_TRUE(WriteText(widget, "========== Description Part Begin ==========\r\nProgID = PageletServer.Glintra\r\n"
                                  "========== Description Part End ==========\r\n\r\n"
                                  "========== Parameter Part Begin ==========\r\nm_PgBKType-0 = 0\r\n"
                                  "m_PgBKImg-0 = red.png\r\nm_PgBKColor-0 = 16711680\r\nm_appWidth = 160\r\n"
                                  "m_appHeight = 60\r\n========== Parameter Part End ==========\r\n"));
    CPagelet pagelet;
    ASSERT_TRUE(pagelet.CreateFromProgID("PageletServer.Glintra"));
    ASSERT_TRUE(pagelet.ReadConfigFile(widget));

    std::string page;
    QImage shot;
    ui.QueueDialog([&](QDialog& d) {
        auto& wizard = static_cast<QWizard&>(d);
        auto* preview = wizard.findChild<QAbstractButton*>("4000");
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->text(), "Preview");
        // The menu drops down; the user picks the noting browser.
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions())
                if (action->text() == "Noting Browser") {
                    menu->close();
                    action->trigger();
                    return;
                }
            ADD_FAILURE() << "no entry for the user's browser";
            menu->close();
        });
        preview->click();
        page = ReadText(noted);
        ASSERT_FALSE(page.empty()) << ui.Transcript();
        // The browser's view of the page: held at a moment of the show.
        const std::string harness = scratch / "harness.html";
        WriteText(harness, "<html><body style=\"margin:0\"><iframe id=\"f\" src=\"file://" + page +
                               "\" style=\"border:0;width:300px;height:100px\"></iframe><script>"
                               "document.getElementById('f').onload=function(){var w=this.contentWindow;"
                               "(function wait(){if(w.glntfx)w.glntfx.ready(function(g){g.seek(1500);});"
                               "else setTimeout(wait,5);})();};</script></body></html>");
        const std::string png = scratch / "preview.png";
        const CProcessResult run = RunChromium(harness, {"--screenshot=" + png}, scratch, 1500, "800,400");
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_TRUE(shot.load(QString::fromStdString(png))) << run.err;
        d.reject();
    });
    EXPECT_FALSE(pagelet.Config());
    EXPECT_EQ(page, server.Folder() + "/tmp/wizard-" + std::to_string(::getpid()) + "/preview.htm");
    ASSERT_FALSE(shot.isNull());
    // The paragraph centres the 160-pixel banner in the frame; the red
    // picture sits in the middle of it.
    EXPECT_TRUE(Near(shot.pixelColor(150, 30), QColor(255, 0, 0), 10)) << Describe(shot.pixelColor(150, 30));
    if (const char* keep = std::getenv("GLINTRA_SCREENSHOTS"))
        shot.save(QString::fromLocal8Bit(keep) + "/preview-in-chromium.png");
    EXPECT_FALSE(FolderExists(server.Folder() + "/tmp")) << "nothing left after the wizard";
}

} // namespace
