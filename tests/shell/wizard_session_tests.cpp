// A user's session in the running program with the real pagelet server:
// New from a template opens the wizard, a banner is built with the keyboard
// alone, and Copy Code's block shows it; a cancelled wizard changes nothing.
#include "shellfixture.h"

#include "common/bitmapbutton.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTest>
#include <QWizard>

namespace {

class WizardSession : public ShellFixture {
protected:
    // A key to whatever has the keyboard focus, as a user presses it.
    static void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "nothing has the focus";
        QTest::keyClick(focus, Qt::Key(key), modifiers);
    }
    static void Type(const char* text)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClicks(focus, text);
    }
    // Tab until the control of that number has the focus.
    static void TabTo(int id)
    {
        for (int i = 0; i < 40; ++i) {
            QWidget* focus = QApplication::focusWidget();
            if (focus && focus->objectName() == QString::number(id))
                return;
            Press(Qt::Key_Tab);
        }
        FAIL() << "Tab never reached control " << id;
    }
    static std::string FocusName()
    {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName().toStdString() : std::string();
    }
    std::string CopiedBlock()
    {
        ui.QueueDialogReject();
        View().Button(IDC_COPY_CODE)->click();
        return ui.ClipboardText();
    }
};

TEST_F(WizardSession, NewFromATemplateThenABannerBuiltWithTheKeyboard)
{
    ASSERT_TRUE(CopyFileReplacing(GLINTRA_APP_DIR "/NewsTicker_PageletServer.Glintra.pgt",
                                  server.Folder() + "/NewsTicker_PageletServer.Glintra.pgt"));
    ASSERT_TRUE(Start()) << ui.Transcript();

    ui.QueueDialog([](QDialog& d) {
        auto* templates = d.findChild<QListWidget*>("1011");
        ASSERT_NE(templates, nullptr);
        const auto found = templates->findItems("News Ticker", Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        templates->setCurrentItem(found.front());
        d.findChild<QLineEdit*>("1012")->setText("Keyboard");
        d.accept();
    });
    std::string wizardTitle;
    ui.QueueDialog([&](QDialog& d) {
        wizardTitle = d.windowTitle().toStdString();
        d.activateWindow();
        QApplication::processEvents();
        auto& wizard = static_cast<QWizard&>(d);
        // General page: on to the banners.
        ASSERT_EQ(wizard.currentId(), 0);
        TabTo(1014);
        Press(Qt::Key_Return);
        ASSERT_EQ(wizard.currentId(), 1);
        // Background page: the list has the focus; a copy of the first
        // banner goes in front of it and becomes the one shown.
        EXPECT_EQ(FocusName(), "1032");
        const int banners = wizard.page(1)->findChild<QListView*>("1032")->model()->rowCount();
        TabTo(1009);
        Press(Qt::Key_Space);
        EXPECT_EQ(wizard.page(1)->findChild<QListView*>("1032")->model()->rowCount(), banners + 1);
        TabTo(1010);
        Press(Qt::Key_Home);  // "Image"
        Press(Qt::Key_Down);  // "Solid Color"
        Press(Qt::Key_Down);  // "Canvas"
        TabTo(1028);
        Press(Qt::Key_A, Qt::ControlModifier);
        Type("3500");
        Press(Qt::Key_Return);
        ASSERT_EQ(wizard.currentId(), 2);
        // Text page: the same banner, a fading text with a link.
        TabTo(1040);
        Press(Qt::Key_Home);
        for (int i = 0; i < 7; ++i)
            Press(Qt::Key_Down);  // "Fade in Text wholly"
        TabTo(1037);
        Press(Qt::Key_A, Qt::ControlModifier);
        Type("Typed without a mouse");
        Press(Qt::Key_Tab);
        EXPECT_EQ(FocusName(), "1039");
        Type("http://example.org/keys");
        Press(Qt::Key_Return);  // Finish
    });
    View().Button(IDC_NEW)->click();
    EXPECT_EQ(wizardTitle, "Pallima Glintra 1.5 Wizard");
    EXPECT_TRUE(Document().IsModified());
    EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();

    const std::string block = CopiedBlock();
    EXPECT_NE(block.find("<param name=\"PgText-0\" value=\"Typed without a mouse\">"), std::string::npos) << block;
    EXPECT_NE(block.find("<param name=\"PgURL-0\" value=\"http://example.org/keys\">"), std::string::npos);
    EXPECT_NE(block.find("<param name=\"PgTextAnimate-0\" value=\"7,0,0\">"), std::string::npos);
    EXPECT_NE(block.find("<param name=\"PgDelay-0\" value=\"3500\">"), std::string::npos);
    EXPECT_NE(block.find("<param name=\"PgBKStyle-0\" value=\"2,"), std::string::npos);

    // Configure again and cancel: the widget stays as it was.
    Document().SetModifiedFlag(false);
    ui.QueueDialog([](QDialog& d) {
        auto& wizard = static_cast<QWizard&>(d);
        wizard.next();
        wizard.page(1)->findChild<QAbstractButton*>("1009")->click();
        wizard.next();
        d.reject();
    });
    View().Button(IDC_CONFIGURE)->click();
    EXPECT_FALSE(Document().IsModified());
    EXPECT_EQ(CopiedBlock(), block);
}

} // namespace
