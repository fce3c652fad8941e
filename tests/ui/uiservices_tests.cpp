// The services switch and the answers given when nobody is at the keyboard.

#include "platform/ui/consoleuiservices.h"
#include "platform/ui/scopeduiservices.h"
#include "platform/ui/scripteduiservices.h"
#include "platform/ui/uiservices.h"

#include <QDialog>
#include <QGuiApplication>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// Keeps the lines in place of writing them to standard error.
class CCapturingConsole : public CConsoleUiServices {
public:
    std::vector<std::string> lines;

protected:
    void WriteLine(const std::string& line) override { lines.push_back(line); }
};

struct CUnattendedCase {
    const char* name;
    UINT type;
    std::vector<int> buttons;
    int answer;
};

// Tests are listed by the case's name, not its bytes.
inline void PrintTo(const CUnattendedCase& c, std::ostream* os) { *os << c.name; }

const CUnattendedCase kUnattendedCases[] = {
    {"Ok", MB_OK, {IDOK}, IDOK},
    {"OkWithErrorIcon", MB_OK | MB_ICONERROR, {IDOK}, IDOK},
    {"OkCancel", MB_OKCANCEL | MB_ICONQUESTION, {IDOK, IDCANCEL}, IDCANCEL},
    {"YesNo", MB_YESNO | MB_ICONEXCLAMATION, {IDYES, IDNO}, IDNO},
    {"YesNoWithSecondDefault", MB_YESNO | MB_DEFBUTTON2, {IDYES, IDNO}, IDNO},
    {"YesNoCancel", MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
    {"RetryCancel", MB_RETRYCANCEL | MB_ICONINFORMATION, {IDRETRY, IDCANCEL}, IDCANCEL},
    // Button sets the program never asks for are shown as a plain OK box.
    {"UnusedSetTwo", 0x2, {IDOK}, IDOK},
    {"UnusedSetFifteen", 0xF | MB_ICONQUESTION, {IDOK}, IDOK},
};

class UnattendedAnswer : public ::testing::TestWithParam<CUnattendedCase> {};

TEST_P(UnattendedAnswer, ConsoleDeclinesAndPrintsOneLine)
{
    const CUnattendedCase& c = GetParam();
    EXPECT_THAT(MessageBoxAnswers(c.type), ElementsAreArray(c.buttons));
    EXPECT_EQ(UnattendedMessageBoxAnswer(c.type), c.answer);

    CCapturingConsole console;
    EXPECT_EQ(console.MessageBox("Open C:/Site/a.pgt Error!", c.type, "Glintra"), c.answer);
    EXPECT_THAT(console.lines, ElementsAre("Glintra: Open C:/Site/a.pgt Error!"));
}

INSTANTIATE_TEST_SUITE_P(BoxTypes, UnattendedAnswer, ::testing::ValuesIn(kUnattendedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConsoleUiServices, MessageLineNamesTheCaptionOrTheApplication)
{
    CCapturingConsole console;
    console.MessageBox("first line\r\nsecond line", MB_OK, "Web Browser");
    console.MessageBox("You must save your Glintra before using Pallima,Save it?", MB_OKCANCEL);

    const QString displayName = QGuiApplication::applicationDisplayName();
    QGuiApplication::setApplicationDisplayName(QString());
    console.MessageBox("Create HTML File Failure!");
    QGuiApplication::setApplicationDisplayName(displayName);

    EXPECT_THAT(console.lines, ElementsAre("Web Browser: first line\r\nsecond line",
                                           "Pallima Glintra: You must save your Glintra before using Pallima,Save it?",
                                           "Create HTML File Failure!"));
}

TEST(ConsoleUiServices, LinesGoToStandardError)
{
    CConsoleUiServices console;
    QDialog dialog;
    dialog.setWindowTitle("Web Browser");
    ::testing::internal::CaptureStderr();
    console.MessageBox("Please select a browser to delete!");
    console.RunModal(dialog);
    const std::string written = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(written, "Pallima Glintra: Please select a browser to delete!\n"
                       "Dialog \"Web Browser\" was answered Cancel because there is no display\n");
}

class CShowCountingDialog : public QDialog {
public:
    int shows = 0;

protected:
    void showEvent(QShowEvent* event) override
    {
        ++shows;
        QDialog::showEvent(event);
    }
};

TEST(ConsoleUiServices, DialogsAreRejectedUnseen)
{
    CCapturingConsole console;
    CShowCountingDialog dialog;
    dialog.setWindowTitle("Insert Glintra into Page");
    dialog.setResult(QDialog::Accepted);
    EXPECT_EQ(console.RunModal(dialog), QDialog::Rejected);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.shows, 0);
    ASSERT_EQ(console.lines.size(), 1u);
    EXPECT_THAT(console.lines[0], HasSubstr("Insert Glintra into Page"));
    EXPECT_THAT(console.lines[0], HasSubstr("Cancel"));
}

TEST(ConsoleUiServices, PickersCancelNothingOpensClipboardStaysInMemory)
{
    CCapturingConsole console;
    EXPECT_EQ(console.GetOpenFileName({}), std::nullopt);
    EXPECT_EQ(console.GetSaveFileName({}), std::nullopt);
    EXPECT_EQ(console.BrowseForFolder("Folder", "/tmp"), std::nullopt);
    EXPECT_EQ(console.ChooseColor(RGB(1, 2, 3)), std::nullopt);
    EXPECT_FALSE(console.ShellOpen("http://www.example.org/"));
    EXPECT_FALSE(console.StartProgram("true", {}));
    EXPECT_FALSE(console.ShowHelp(EHelpCommand::Contents));

    EXPECT_EQ(console.GetClipboardText(), "");
    EXPECT_TRUE(console.SetClipboardText("<APPLET>\r\n</APPLET>"));
    EXPECT_EQ(console.GetClipboardText(), "<APPLET>\r\n</APPLET>");
    EXPECT_THAT(console.lines, IsEmpty()) << "only boxes and dialogs are reported";
}

// The command line words its lines its own way.
class CRewordedConsole : public CCapturingConsole {
protected:
    std::string MessageLine(const std::string& text, UINT type, const std::string&) const override
    {
        return (type & MB_TYPEMASK) == MB_OK ? "glintra: " + text : "glintra: " + text + " [no]";
    }
    std::string DialogLine(const QDialog& dialog) const override
    {
        return "glintra: skipped " + dialog.objectName().toStdString();
    }
};

TEST(ConsoleUiServices, WordingIsTheSubclasssChoice)
{
    CRewordedConsole console;
    QDialog dialog;
    dialog.setObjectName("147");
    EXPECT_EQ(console.MessageBox("Can't find Pallima.exe, Download it?", MB_OKCANCEL), IDCANCEL);
    console.MessageBox("Write /x.htm Failure!");
    console.RunModal(dialog);
    EXPECT_THAT(console.lines, ElementsAre("glintra: Can't find Pallima.exe, Download it? [no]",
                                           "glintra: Write /x.htm Failure!", "glintra: skipped 147"));
}

TEST(UiServicesSwitch, FallbackAnswersUntilSomethingIsInstalled)
{
    ASSERT_FALSE(HasUiServices());
    EXPECT_EQ(InstalledUiServices(), nullptr);
    EXPECT_NE(dynamic_cast<CConsoleUiServices*>(&UiServices()), nullptr);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(AfxMessageBox("Save it?", MB_YESNO), IDNO);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Pallima Glintra: Save it?\n");

    CScriptedUiServices ui;
    SetUiServices(&ui);
    EXPECT_TRUE(HasUiServices());
    EXPECT_EQ(&UiServices(), &ui);
    SetUiServices(nullptr);
    EXPECT_FALSE(HasUiServices());
    EXPECT_NE(dynamic_cast<CConsoleUiServices*>(&UiServices()), nullptr);
}

TEST(UiServicesSwitch, ScopesNestAndRestoreWhatWasBefore)
{
    CScriptedUiServices outer;
    CScriptedUiServices inner;
    {
        CScopedUiServices installOuter(&outer);
        {
            CScopedUiServices installInner(inner);
            inner.QueueAnswer(IDYES);
            EXPECT_EQ(AfxMessageBox("Replace it?", MB_YESNO | MB_ICONQUESTION), IDYES);
        }
        EXPECT_EQ(InstalledUiServices(), &outer);
        AfxMessageBox("Done!");
    }
    EXPECT_EQ(InstalledUiServices(), nullptr);

    ASSERT_EQ(inner.Records().size(), 1u);
    EXPECT_EQ(inner.Records()[0].type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(inner.Records()[0].caption, "") << "the program's boxes carry the application's caption";
    EXPECT_THAT(outer.Messages(), ElementsAre("Done!"));
}

} // namespace
