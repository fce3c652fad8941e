// Config as a host calls it: the real server's wizard, run by member number
// inside the call, worked through its controls like a user, and what the
// pagelet's HTML says afterwards.
#include "host/document/pagelet.h"
#include "platform/base/files.h"
#include "platform/ui/scripteduiservices.h"
#include "tests/support/appletblock.h"
#include "tests/support/testsupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QWizard>

#include <gtest/gtest.h>

namespace {

const char* const kProgID = "PageletServer.Glintra";

// The controls of the server's wizard by number; only Qt's own types are
// used here, the test links no server code.
template <class T>
T* Control(QWidget* owner, int id)
{
    T* control = owner->findChild<T*>(QString::number(id));
    EXPECT_NE(control, nullptr) << id;
    return control;
}

void Click(QWidget* owner, int id)
{
    auto* button = Control<QAbstractButton>(owner, id);
    ASSERT_TRUE(button && button->isEnabled()) << id;
    button->setFocus(Qt::MouseFocusReason);
    button->click();
}

void Choose(QWidget* owner, int id, int entry)
{
    auto* combo = Control<QComboBox>(owner, id);
    ASSERT_NE(combo, nullptr);
    combo->setCurrentIndex(entry);
    emit combo->activated(entry);
}

void Type(QWidget* owner, int id, const QString& text)
{
    auto* edit = Control<QLineEdit>(owner, id);
    ASSERT_NE(edit, nullptr);
    edit->setFocus(Qt::MouseFocusReason);
    edit->setText(text);
}

void SelectBanner(QWidget* page, int row)
{
    auto* list = Control<QListView>(page, 1032);
    list->setFocus(Qt::MouseFocusReason);
    list->setCurrentIndex(list->model()->index(row, 0));
}

// The widget file text of a design given by its parameter lines.
std::string WidgetText(const std::vector<std::string>& parameters)
{
    std::string text = "========== Description Part Begin ==========\r\nProgID = PageletServer.Glintra\r\n"
                       "========== Description Part End ==========\r\n\r\n"
                       "========== Parameter Part Begin ==========\r\n";
    for (const std::string& line : parameters)
        text += line + "\r\n";
    return text + "========== Parameter Part End ==========\r\n";
}

class PageletConfig : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(server.CallEntry("DllRegisterServer"), 0);
        ASSERT_TRUE(pagelet.CreateFromProgID(kProgID));
    }
    // The block a pagelet gives for the design in these parameter lines.
    std::string ExpectedBlock(const std::vector<std::string>& parameters)
    {
        CPagelet expected;
        EXPECT_TRUE(expected.CreateFromProgID(kProgID));
        const std::string file = work / "expected.pgt";
        EXPECT_TRUE(WriteText(file, WidgetText(parameters)));
        EXPECT_TRUE(expected.ReadConfigFile(file));
        return expected.GetHTMLBody(0, 1);
    }

    // Three banners built through the pages: fills, transitions and texts.
    void BuildThreeBanners(QDialog& dialog)
    {
        auto* wizard = qobject_cast<QWizard*>(&dialog);
        ASSERT_NE(wizard, nullptr);
        wizard->activateWindow();
        EXPECT_EQ(wizard->windowTitle(), "Pallima Glintra 1.5 Wizard");
        QWidget* general = wizard->page(0);
        Type(general, 1001, "468");
        Type(general, 1003, "60");
        Choose(general, 1014, 1);
        Click(wizard, 12324);  // Next

        QWidget* background = wizard->page(1);
        Click(background, 1009);  // Insert
        Click(background, 1009);
        const struct {
            int fill;
            COLORREF color;
            int show;
            const char* delay;
            const char* title;
        } backgrounds[] = {
            {4, RGB(200, 10, 10), 5, "3000", "First"},
            {2, RGB(0, 90, 0), 9, "1500", "Second"},
            {17, RGB(10, 20, 250), 12, "4000", "Third"},
        };
        for (int i = 0; i < 3; ++i) {
            SelectBanner(background, i);
            Choose(background, 1010, backgrounds[i].fill);
            ui.QueueColor(backgrounds[i].color);
            Click(background, 1015);
            Choose(background, 1027, backgrounds[i].show);
            Type(background, 1028, backgrounds[i].delay);
            Type(background, 1036, backgrounds[i].title);
        }
        Click(wizard, 12324);

        QWidget* text = wizard->page(2);
        const struct {
            int style;
            const char* text;
            const char* link;
            const char* target;
        } texts[] = {
            {1, "Hello", "", ""},
            {12, "Two\nlines", "", ""},
            {14, "Wobble", "http://example.org/sale", "_blank"},
        };
        for (int i = 0; i < 3; ++i) {
            SelectBanner(text, i);
            Choose(text, 1040, texts[i].style);
            auto* body = Control<QPlainTextEdit>(text, 1037);
            body->setFocus(Qt::MouseFocusReason);
            body->setPlainText(texts[i].text);
            Type(text, 1039, texts[i].link);
            Control<QComboBox>(text, 1022)->setEditText(texts[i].target);
        }
        Click(wizard, 12325);  // Finish
    }

    CTempRegistry registry;
    CTempServer server;
    CTempDir work;
    CScriptedUiServices ui;
    CScopedUiServices installUi{&ui};
    CPagelet pagelet;
};

const std::vector<std::string> kThreeBanners = {
    "m_appWidth = 468", "m_appHeight = 60", "m_Align = 1", "m_nTotalPages = 3",
    "m_PgBKType-0 = 4", "m_PgBKColor-0 = 658120", "m_PgConnStyle-0 = 5", "m_PgDelay-0 = 3000",
    "m_BKTitle-0 = First", "m_TextTitle-0 = First",
    "m_TextAnimateType-0 = 1", "m_AnimateSpeed-0 = 25", "m_ShowText-0 = Hello",
    "m_PgBKType-1 = 2", "m_PgBKColor-1 = 23040", "m_PgConnStyle-1 = 9", "m_PgDelay-1 = 1500",
    "m_BKTitle-1 = Second", "m_TextTitle-1 = Second",
    "m_TextAnimateType-1 = 12", "m_AnimateMisc1-1 = 2", "m_AnimateMisc2-1 = 1", "m_AnimateSpeed-1 = 5",
    "m_ShowText-1 = Two|_#`lines",
    "m_PgBKType-2 = 17", "m_PgBKColor-2 = 16389130", "m_PgConnStyle-2 = 12", "m_PgDelay-2 = 4000",
    "m_BKTitle-2 = Third", "m_TextTitle-2 = Third",
    "m_TextAnimateType-2 = 14", "m_AnimateMisc1-2 = 2000", "m_AnimateSpeed-2 = 50", "m_ShowText-2 = Wobble",
    "m_URL-2 = http://example.org/sale", "m_TargetFrame-2 = _blank",
    // A file without a font size reads as 14; the wizard's banners keep 18.
    "m_FontSize-0 = 18", "m_FontSize-1 = 18", "m_FontSize-2 = 18",
};

TEST_F(PageletConfig, FinishGivesTheBlockOfTheDesignBuilt)
{
    ui.QueueDialog([&](QDialog& d) { BuildThreeBanners(d); });
    ASSERT_TRUE(pagelet.Config()) << ui.Transcript();
    EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
    EXPECT_EQ(pagelet.GetHTMLBody(0, 1), ExpectedBlock(kThreeBanners));
    EXPECT_FALSE(FolderExists(server.Folder() + "/tmp"));
}

TEST_F(PageletConfig, CancelGivesTheUntouchedBlock)
{
    const std::string before = pagelet.GetHTMLBody(0, 1);
    ASSERT_EQ(before, DefaultAppletBlock());
    ui.QueueDialog([&](QDialog& d) {
        auto* wizard = qobject_cast<QWizard*>(&d);
        ASSERT_NE(wizard, nullptr);
        Type(wizard->page(0), 1001, "468");
        Click(wizard, 12324);
        QWidget* background = wizard->page(1);
        Click(background, 1009);
        Choose(background, 1010, 3);
        Click(wizard, 12324);
        Choose(wizard->page(2), 1040, 4);
        Click(wizard, 2);  // Cancel, on the last page
    });
    EXPECT_FALSE(pagelet.Config()) << ui.Transcript();
    EXPECT_EQ(pagelet.GetHTMLBody(0, 1), before);
    EXPECT_FALSE(FolderExists(server.Folder() + "/tmp"));
}

} // namespace
