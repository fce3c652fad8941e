// The test double every later area scripts its user with: it must write
// down what happened faithfully and answer exactly as scripted.

#include "platform/ui/scripteduiservices.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;

class ScriptedUi : public ::testing::Test {
protected:
    CScriptedUiServices ui;
    CScopedUiServices install{&ui};
};

TEST_F(ScriptedUi, RecordsEveryExchangeInOrderWithItsAnswer)
{
    CFileDialogOptions save;
    save.filters = {{"HTML Files(*.htm;*.html) ", "*.htm;*.html"}};
    save.defaultExtension = "htm";

    ui.QueueSaveFile("/site/index.htm");
    ui.QueueAnswer(IDYES);
    ui.QueueColor(RGB(1, 2, 3));
    ui.QueueShellOpenResult(false);

    EXPECT_EQ(ui.GetSaveFileName(save), "/site/index.htm");
    EXPECT_EQ(ui.MessageBox("Replace?", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, "Glintra"), IDYES);
    EXPECT_EQ(ui.ChooseColor(RGB(13, 47, 109)), RGB(1, 2, 3));
    EXPECT_FALSE(ui.ShellOpen("http://www.example.org/"));
    EXPECT_TRUE(ui.StartProgram("Pallima.exe", {"\"/site/index.htm\""}));
    EXPECT_TRUE(ui.ShowHelp(EHelpCommand::Context, 43));
    EXPECT_EQ(ui.BrowseForFolder("Folder", "/site"), std::nullopt);
    AfxMessageBox("You have saved Glintra into /site/index.htm successfully!");

    const auto& r = ui.Records();
    ASSERT_THAT(r, SizeIs(8)) << ui.Transcript();
    EXPECT_EQ(r[0].kind, EUiExchange::SaveFile);
    EXPECT_EQ(r[0].fileOptions.defaultExtension, "htm");
    EXPECT_EQ(r[0].fileOptions.filters.at(0).patterns, "*.htm;*.html");
    EXPECT_EQ(r[0].path, "/site/index.htm");

    EXPECT_EQ(r[1].kind, EUiExchange::MessageBox);
    EXPECT_EQ(r[1].text, "Replace?");
    EXPECT_EQ(r[1].caption, "Glintra");
    EXPECT_EQ(r[1].Buttons(), MB_YESNO);
    EXPECT_EQ(r[1].Icon(), MB_ICONQUESTION);
    EXPECT_EQ(r[1].DefaultButton(), MB_DEFBUTTON2);
    EXPECT_EQ(r[1].answer, IDYES);
    EXPECT_TRUE(r[1].scripted);

    EXPECT_EQ(r[2].kind, EUiExchange::ChooseColor);
    EXPECT_EQ(r[2].initialColor, RGB(13, 47, 109));
    EXPECT_EQ(r[2].color, RGB(1, 2, 3));

    EXPECT_EQ(r[3].kind, EUiExchange::ShellOpen);
    EXPECT_EQ(r[3].text, "http://www.example.org/");
    EXPECT_FALSE(r[3].result);

    EXPECT_EQ(r[4].kind, EUiExchange::StartProgram);
    EXPECT_EQ(r[4].text, "Pallima.exe");
    EXPECT_THAT(r[4].arguments, ElementsAre("\"/site/index.htm\""));

    EXPECT_EQ(r[5].kind, EUiExchange::Help);
    EXPECT_EQ(r[5].helpCommand, EHelpCommand::Context);
    EXPECT_EQ(r[5].helpData, 43u);

    EXPECT_EQ(r[6].kind, EUiExchange::BrowseFolder);
    EXPECT_EQ(r[6].initialFolder, "/site");
    EXPECT_FALSE(r[6].scripted);

    EXPECT_EQ(r[7].Buttons(), MB_OK);
    EXPECT_THAT(ui.Messages(), ElementsAre("Replace?", "You have saved Glintra into /site/index.htm successfully!"));
    EXPECT_EQ(ui.LastMessage(), "You have saved Glintra into /site/index.htm successfully!");
    EXPECT_THAT(ui.Problems(), IsEmpty());
    EXPECT_FALSE(ui.HasPendingScript());
}

struct CDefaultCase {
    const char* name;
    UINT type;
    int answer;
    int unanswered;
};

// Tests are listed by the case's name, not its bytes.
inline void PrintTo(const CDefaultCase& c, std::ostream* os) { *os << c.name; }

const CDefaultCase kDefaultCases[] = {
    {"Ok", MB_OK | MB_ICONEXCLAMATION, IDOK, 0},
    {"OkCancel", MB_OKCANCEL, IDCANCEL, 1},
    {"YesNo", MB_YESNO | MB_ICONQUESTION, IDNO, 1},
    {"YesNoCancel", MB_YESNOCANCEL, IDCANCEL, 1},
    {"RetryCancel", MB_RETRYCANCEL, IDCANCEL, 1},
};

class ScriptedUnqueuedAnswer : public ::testing::TestWithParam<CDefaultCase> {};

TEST_P(ScriptedUnqueuedAnswer, DeclinesAndCountsQuestions)
{
    CScriptedUiServices ui;
    EXPECT_EQ(ui.MessageBox("Question?", GetParam().type), GetParam().answer);
    EXPECT_EQ(ui.UnansweredQuestions(), GetParam().unanswered);
    EXPECT_THAT(ui.Problems(), SizeIs(GetParam().unanswered));
    EXPECT_FALSE(ui.Records().at(0).scripted);
}

INSTANTIATE_TEST_SUITE_P(BoxTypes, ScriptedUnqueuedAnswer, ::testing::ValuesIn(kDefaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScriptedUi, QueuedAnswersAreUsedInOrderThenTheDefaultsAgain)
{
    ui.QueueAnswer(IDYES);
    ui.QueueAnswer(IDOK);
    ui.QueueAnswer(IDCANCEL);
    EXPECT_EQ(AfxMessageBox("First?", MB_YESNOCANCEL), IDYES);
    EXPECT_EQ(AfxMessageBox("Note."), IDOK) << "an OK box takes its queued answer too";
    EXPECT_EQ(AfxMessageBox("Second?", MB_OKCANCEL), IDCANCEL);
    EXPECT_FALSE(ui.HasPendingScript());
    EXPECT_EQ(ui.UnansweredQuestions(), 0);
    EXPECT_EQ(AfxMessageBox("Third?", MB_YESNO), IDNO);
    EXPECT_EQ(ui.UnansweredQuestions(), 1);
    EXPECT_THAT(ui.Problems(), ElementsAre(HasSubstr("Third?")));
}

TEST_F(ScriptedUi, AnAnswerTheBoxCannotGiveIsAProblem)
{
    ui.QueueAnswer(IDYES);
    EXPECT_EQ(AfxMessageBox("Create HTML File Failure!"), IDYES) << "answered as scripted";
    EXPECT_EQ(ui.UnansweredQuestions(), 0);
    EXPECT_THAT(ui.Problems(), ElementsAre(HasSubstr("Create HTML File Failure!")));
}

TEST_F(ScriptedUi, PickersTakeTheirOwnQueuesAndCancelWhenEmpty)
{
    ui.QueueOpenFile("/site/a.htm");
    ui.QueueOpenFile(std::nullopt);
    ui.QueueSaveFile("/site/b.htm");
    ui.QueueFolder("/site");
    ui.QueueColor(std::nullopt);

    EXPECT_EQ(ui.GetSaveFileName({}), "/site/b.htm");
    EXPECT_EQ(ui.GetOpenFileName({}), "/site/a.htm");
    EXPECT_EQ(ui.GetOpenFileName({}), std::nullopt);
    EXPECT_EQ(ui.GetOpenFileName({}), std::nullopt);
    EXPECT_EQ(ui.GetSaveFileName({}), std::nullopt);
    EXPECT_EQ(ui.BrowseForFolder("", ""), "/site");
    EXPECT_EQ(ui.BrowseForFolder("", ""), std::nullopt);
    EXPECT_EQ(ui.ChooseColor(0), std::nullopt);
    EXPECT_EQ(ui.ChooseColor(0), std::nullopt);

    const auto opens = ui.RecordsOf(EUiExchange::OpenFile);
    ASSERT_THAT(opens, SizeIs(3));
    EXPECT_TRUE(opens[1].scripted) << "a queued Cancel is scripted";
    EXPECT_FALSE(opens[2].scripted);
    EXPECT_THAT(ui.Problems(), IsEmpty()) << "a cancelled picker is no question left open";
    EXPECT_FALSE(ui.HasPendingScript());
}

TEST_F(ScriptedUi, ShellProgramAndHelpSucceedUnlessToldOtherwise)
{
    ui.QueueStartProgramResult(false);
    ui.QueueHelpResult(false);
    EXPECT_TRUE(ui.ShellOpen("/site/index.htm"));
    EXPECT_FALSE(ui.StartProgram("Pallima.exe", {}));
    EXPECT_TRUE(ui.StartProgram("Pallima.exe", {}));
    EXPECT_FALSE(ui.ShowHelp(EHelpCommand::Keyword));
    EXPECT_TRUE(ui.ShowHelp(EHelpCommand::Keyword));
}

TEST_F(ScriptedUi, ClipboardKeepsTheText)
{
    EXPECT_EQ(ui.GetClipboardText(), "");
    ui.SetClipboardText("<APPLET>\r\n");
    EXPECT_EQ(ui.GetClipboardText(), "<APPLET>\r\n");
    EXPECT_EQ(ui.ClipboardText(), "<APPLET>\r\n");
    EXPECT_THAT(ui.Records(), SizeIs(3));
    EXPECT_EQ(ui.Records()[1].kind, EUiExchange::SetClipboard);
}

TEST_F(ScriptedUi, ClearForgetsWhatHappenedButKeepsTheScript)
{
    ui.SetClipboardText("code");
    AfxMessageBox("Unanswered?", MB_YESNO);
    QDialog unexpected;
    ui.RunModal(unexpected);
    ui.QueueAnswer(IDYES);
    ui.Clear();
    EXPECT_THAT(ui.Records(), IsEmpty());
    EXPECT_THAT(ui.Problems(), IsEmpty());
    EXPECT_EQ(ui.UnansweredQuestions(), 0);
    EXPECT_EQ(ui.UnexpectedDialogs(), 0);
    EXPECT_TRUE(ui.HasPendingScript());
    EXPECT_EQ(AfxMessageBox("Now?", MB_YESNO), IDYES);
    EXPECT_EQ(ui.ClipboardText(), "code");
}

TEST_F(ScriptedUi, TranscriptShowsEachExchange)
{
    AfxMessageBox("Open /x.pgt Error!");
    ui.ShellOpen("/x.htm");
    const std::string transcript = ui.Transcript();
    EXPECT_THAT(transcript, HasSubstr("\"Open /x.pgt Error!\""));
    EXPECT_THAT(transcript, HasSubstr("\"/x.htm\""));
    EXPECT_EQ(std::count(transcript.begin(), transcript.end(), '\n'), 2);
}

// A dialog in the manner of ours: a number as its object name, controls
// named by their numbers, and an OK that refuses an empty name.
class CBrowserDialog : public QDialog {
public:
    explicit CBrowserDialog(const char* title, const char* number = "134")
    {
        setObjectName(number);
        setWindowTitle(title);
        auto* layout = new QVBoxLayout(this);
        m_pName = new QLineEdit(this);
        m_pName->setObjectName("1012");
        layout->addWidget(m_pName);
        auto* ok = new QPushButton("OK", this);
        ok->setObjectName("1");
        layout->addWidget(ok);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        auto* more = new QPushButton("...", this);
        more->setObjectName("1010");
        layout->addWidget(more);
        connect(more, &QPushButton::clicked, this, [this] {
            CBrowserDialog nested("Nested", "135");
            m_nNestedResult = UiServices().RunModal(nested);
            m_strNestedName = nested.m_strName;
        });
        auto* disabled = new QPushButton("Delete", this);
        disabled->setObjectName("1049");
        disabled->setEnabled(false);
        layout->addWidget(disabled);
    }

    void accept() override
    {
        if (m_pName->text().isEmpty()) {
            AfxMessageBox("You must input the name and execute file's path for the specified web browser.");
            return;
        }
        m_strName = m_pName->text();
        QDialog::accept();
    }

    QString m_strName;
    int m_nNestedResult = -1;
    QString m_strNestedName;

private:
    QLineEdit* m_pName;
};

TEST_F(ScriptedUi, DriverWorksTheRealDialogFromInsideItsLoop)
{
    CBrowserDialog dialog("Web Browser");
    bool wasShownModal = false;
    ui.QueueDialog([&](QDialog& d) {
        wasShownModal = d.isVisible() && QApplication::activeModalWidget() == &d;
        EXPECT_FALSE(CScriptedUiServices::Click(d, 9999)) << "no such control";
        EXPECT_FALSE(CScriptedUiServices::Click(d, 1049)) << "disabled";
        EXPECT_TRUE(CScriptedUiServices::Click(d, 1));
        EXPECT_TRUE(d.isVisible()) << "refused while the name is empty";
        CScriptedUiServices::Control<QLineEdit>(d, 1012)->setText("Mozilla");
        EXPECT_TRUE(CScriptedUiServices::Click(d, 1));
    });
    EXPECT_EQ(UiServices().RunModal(dialog), QDialog::Accepted);
    EXPECT_TRUE(wasShownModal);
    EXPECT_EQ(dialog.m_strName, "Mozilla");
    EXPECT_FALSE(dialog.isVisible());

    const auto& r = ui.Records();
    ASSERT_THAT(r, SizeIs(2)) << ui.Transcript();
    EXPECT_EQ(r[0].kind, EUiExchange::Dialog);
    EXPECT_EQ(r[0].name, "134");
    EXPECT_EQ(r[0].text, "Web Browser");
    EXPECT_EQ(r[0].answer, QDialog::Accepted);
    EXPECT_FALSE(r[0].leftOpen);
    EXPECT_EQ(r[1].kind, EUiExchange::MessageBox) << "messages of the dialog come after it";
    EXPECT_THAT(ui.Problems(), IsEmpty());
    EXPECT_THAT(ui.Dialogs(), ElementsAre("Web Browser"));
}

TEST_F(ScriptedUi, ADialogLeftOpenIsRejected)
{
    CBrowserDialog dialog("Web Browser");
    ui.QueueDialog([](QDialog& d) { CScriptedUiServices::Control<QLineEdit>(d, 1012)->setText("typed"); });
    EXPECT_EQ(UiServices().RunModal(dialog), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.m_strName, "") << "Cancel takes nothing over";
    EXPECT_TRUE(ui.Records().at(0).leftOpen);
    EXPECT_THAT(ui.Problems(), IsEmpty());
}

TEST_F(ScriptedUi, ResultCodesOfDoneAreKept)
{
    CBrowserDialog dialog("Web Browser");
    ui.QueueDialog([](QDialog& d) { d.done(57603); });
    EXPECT_EQ(UiServices().RunModal(dialog), 57603);
    EXPECT_EQ(ui.Records().at(0).answer, 57603);
}

TEST_F(ScriptedUi, ADialogOpensAnotherFromItsDriver)
{
    CBrowserDialog outer("Web Browser");
    std::vector<std::string> order;
    ui.QueueDialog([&](QDialog& d) {
        order.push_back("outer");
        EXPECT_TRUE(CScriptedUiServices::Click(d, 1010));
        order.push_back("outer again");
        CScriptedUiServices::Control<QLineEdit>(d, 1012)->setText("Outer");
        CScriptedUiServices::Click(d, 1);
    });
    ui.QueueDialog([&](QDialog& d) {
        order.push_back("nested");
        EXPECT_EQ(QApplication::activeModalWidget(), &d);
        CScriptedUiServices::Control<QLineEdit>(d, 1012)->setText("Inner");
        CScriptedUiServices::Click(d, 1);
    });
    EXPECT_EQ(UiServices().RunModal(outer), QDialog::Accepted);
    EXPECT_THAT(order, ElementsAre("outer", "nested", "outer again"));
    EXPECT_EQ(outer.m_nNestedResult, QDialog::Accepted);
    EXPECT_EQ(outer.m_strNestedName, "Inner");
    EXPECT_EQ(outer.m_strName, "Outer");

    const auto dialogs = ui.RecordsOf(EUiExchange::Dialog);
    ASSERT_THAT(dialogs, SizeIs(2));
    EXPECT_EQ(dialogs[0].name, "134");
    EXPECT_EQ(dialogs[0].answer, QDialog::Accepted) << "the outer record is completed after the nested one";
    EXPECT_EQ(dialogs[1].name, "135");
    EXPECT_EQ(dialogs[1].answer, QDialog::Accepted);
}

// Opens a dialog of its own while it is being shown, before its user can
// do anything.
class COpeningDialog : public QDialog {
public:
    std::vector<std::string>* order = nullptr;

protected:
    void showEvent(QShowEvent* event) override
    {
        QDialog::showEvent(event);
        if (m_bOpened)
            return;
        m_bOpened = true;
        CBrowserDialog first("First");
        UiServices().RunModal(first);
        order->push_back("first closed");
    }

private:
    bool m_bOpened = false;
};

TEST_F(ScriptedUi, ADriverWaitsWhileItsDialogHasAnotherOpen)
{
    std::vector<std::string> order;
    COpeningDialog dialog;
    dialog.order = &order;
    ui.QueueDialog([&](QDialog& d) {
        order.push_back("opening dialog driven");
        d.accept();
    });
    ui.QueueDialog([&](QDialog& d) {
        order.push_back("first driven");
        d.reject();
    });
    EXPECT_EQ(UiServices().RunModal(dialog), QDialog::Accepted);
    EXPECT_THAT(order, ElementsAre("first driven", "first closed", "opening dialog driven"));
    EXPECT_THAT(ui.Problems(), IsEmpty());
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

TEST_F(ScriptedUi, WithoutADriverTheDialogIsRejectedUnseen)
{
    CShowCountingDialog dialog;
    dialog.setObjectName("147");
    dialog.setWindowTitle("Insert Glintra into Page");
    EXPECT_EQ(UiServices().RunModal(dialog), QDialog::Rejected);
    EXPECT_EQ(dialog.shows, 0);
    EXPECT_EQ(ui.UnexpectedDialogs(), 1);
    EXPECT_THAT(ui.Problems(), ElementsAre(HasSubstr("Insert Glintra into Page")));
    EXPECT_EQ(ui.Records().at(0).answer, QDialog::Rejected);
}

TEST_F(ScriptedUi, ADriversExceptionLeavesAfterTheDialogIsClosed)
{
    CBrowserDialog dialog("Web Browser");
    ui.QueueDialog([](QDialog&) { throw std::runtime_error("driver failed"); });
    EXPECT_THROW(UiServices().RunModal(dialog), std::runtime_error);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // The double goes on working after it.
    ui.QueueDialogAccept();
    CScriptedUiServices::Control<QLineEdit>(dialog, 1012)->setText("again");
    EXPECT_EQ(UiServices().RunModal(dialog), QDialog::Accepted);
}

TEST_F(ScriptedUi, ADialogThatClosesItselfWhileOpeningDoesNotHangTheTest)
{
    class CClosingDialog : public QDialog {
    protected:
        void showEvent(QShowEvent* event) override
        {
            QDialog::showEvent(event);
            QMetaObject::invokeMethod(this, &QDialog::reject, Qt::DirectConnection);
        }
    } dialog;
    dialog.setWindowTitle("Closing");
    bool driven = false;
    ui.QueueDialog([&](QDialog&) { driven = true; });
    EXPECT_EQ(UiServices().RunModal(dialog), QDialog::Rejected);
    QApplication::processEvents();
    EXPECT_FALSE(driven);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_THAT(ui.Problems(), ElementsAre(HasSubstr("closed itself while it was being shown")));
}

} // namespace
