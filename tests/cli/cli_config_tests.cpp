// glintra config: the wizard on a widget file, with the command run in the
// test's process so that a script can answer the wizard.
#include "cli/glintracli.h"
#include "platform/ui/scripteduiservices.h"
#include "tests/support/testsupport.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QWizard>

#include <gtest/gtest.h>

#include <sstream>

namespace {

class GlintraConfig : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(server.CallEntry("DllRegisterServer"), 0);
        std::ostringstream out, err;
        ASSERT_EQ(RunGlintra({"new", widget}, out, err), 0) << err.str();
        before = ReadText(widget);
    }
    int Config(std::string& err, bool canShowWindows = true)
    {
        std::ostringstream out, errors;
        const int code = RunGlintra({"config", widget}, out, errors, canShowWindows);
        err = errors.str();
        return code;
    }
    static void Press(QWizard& wizard, int id)
    {
        auto* button = wizard.findChild<QAbstractButton*>(QString::number(id));
        ASSERT_TRUE(button && button->isEnabled()) << id;
        button->click();
    }

    CTempRegistry registry;
    CTempServer server;
    CTempDir work;
    CScriptedUiServices ui;
    CScopedUiServices installUi{&ui};
    std::string widget = work / "banner.pgt";
    std::string before;
};

TEST_F(GlintraConfig, FinishWritesTheWidgetBack)
{
    ui.QueueDialog([&](QDialog& d) {
        auto& wizard = static_cast<QWizard&>(d);
        auto* width = wizard.page(0)->findChild<QLineEdit*>("1001");
        ASSERT_NE(width, nullptr);
        width->setText("333");
        Press(wizard, 12324);
        Press(wizard, 12324);
        Press(wizard, 12325);
    });
    std::string err;
    EXPECT_EQ(Config(err), 0) << err << ui.Transcript();
    const std::string after = ReadText(widget);
    EXPECT_NE(after.find("m_appWidth = 333\r\n"), std::string::npos);
    EXPECT_NE(after.find("ProgID = PageletServer.Glintra\r\n"), std::string::npos);
    EXPECT_NE(after.find("LastUpdateTime = "), std::string::npos);
    EXPECT_NE(after, before);
}

TEST_F(GlintraConfig, CancelLeavesTheFileAndExitsThree)
{
    ui.QueueDialog([&](QDialog& d) {
        auto& wizard = static_cast<QWizard&>(d);
        wizard.page(0)->findChild<QLineEdit*>("1001")->setText("333");
        Press(wizard, 2);
    });
    std::string err;
    EXPECT_EQ(Config(err), 3);
    EXPECT_NE(err.find("cancelled"), std::string::npos) << err;
    EXPECT_EQ(ReadText(widget), before);
}

TEST_F(GlintraConfig, WithoutADisplayItSaysSoAndExitsOne)
{
    std::string err;
    EXPECT_EQ(Config(err, false), 1);
    EXPECT_NE(err.find("display"), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << "one line";
    EXPECT_TRUE(ui.Dialogs().empty());
    EXPECT_EQ(ReadText(widget), before);
}

TEST(GlintraDisplay, FoundFromTheEnvironment)
{
    struct Case {
        const char* display;
        const char* wayland;
        const char* platform;
        bool available;
    };
    const Case cases[] = {
        {":0", nullptr, nullptr, true},
        {nullptr, "wayland-0", nullptr, true},
        {"", "", nullptr, false},
        {nullptr, nullptr, nullptr, false},
        {":99", nullptr, "xcb", true},
        {":99", nullptr, "offscreen", false},
        {":99", nullptr, "minimal", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DesktopDisplayAvailable(c.display, c.wayland, c.platform), c.available)
            << (c.display ? c.display : "-") << " " << (c.wayland ? c.wayland : "-") << " "
            << (c.platform ? c.platform : "-");
}

} // namespace
