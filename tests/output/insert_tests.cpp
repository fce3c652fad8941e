// Insert into an existing page: the editor hand-off, the insert dialog
// with Insert, Undo and the copy box, and writing the page back.
#include "outputfixture.h"

#include "tests/support/commandrecorder.h"

#include "host/output/editorchoicedlg.h"
#include "host/output/insertpagedlg.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include <csignal>
#include <sys/resource.h>

namespace {

constexpr const char* kBlock = "<!--Insert By Norvane Glintra-->\r\n<p>widget</p>\r\n<!--End of Glintra-->\r\n";

class InsertInto : public OutputFixture {
protected:
    void SetUp() override
    {
        OutputFixture::SetUp();
        UseFake({{"cursor", "<p>widget</p>"}});
    }
    // Picks the page, declines the editor, and works the insert dialog.
    void Run(const std::string& page, std::function<void(QDialog&)> work)
    {
        ui.QueueOpenFile(page);
        ui.QueueDialog([](QDialog& d) {
            Screenshot(d, "editorchoice");
            CScriptedUiServices::Control<QCheckBox>(d, CEditorChoiceDlg::IDC_USE_EDITOR)->setChecked(false);
            CScriptedUiServices::Click(d, IDOK);
        });
        ui.QueueDialog(std::move(work));
        OnInsertInto(document, nullptr);
    }
    static QPlainTextEdit* Page(QDialog& d) { return CScriptedUiServices::Control<QPlainTextEdit>(d, CInsertPageDlg::IDC_PAGE); }
    static void PlaceCaret(QDialog& d, int position, int anchor = -1)
    {
        QTextCursor cursor = Page(d)->textCursor();
        cursor.setPosition(anchor < 0 ? position : anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        Page(d)->setTextCursor(cursor);
    }
    static bool UndoEnabled(QDialog& d) { return CScriptedUiServices::Control<QPushButton>(d, CInsertPageDlg::IDC_UNDO)->isEnabled(); }
};

TEST_F(InsertInto, InsertTwiceOverASelectionAndUndo)
{
    struct Case {
        const char* what;
        std::function<void(QDialog&)> work;
        std::string written;
    };
    const std::string page = "<html>\r\n<body>\r\nHELLO\r\n</body>\r\n</html>\r\n";
    const int body = int(std::string("<html>\n<body>\n").size());
    const Case cases[] = {
        {"twice at the caret",
         [&](QDialog& d) {
             PlaceCaret(d, body);
             CScriptedUiServices::Click(d, CInsertPageDlg::IDC_INSERT);
             Screenshot(d, "insertpage");
             CScriptedUiServices::Click(d, CInsertPageDlg::IDC_INSERT);
             CScriptedUiServices::Click(d, IDOK);
         },
         "<html>\r\n<body>\r\n" + std::string(kBlock) + kBlock + "HELLO\r\n</body>\r\n</html>\r\n"},
        {"over a selection",
         [&](QDialog& d) {
             PlaceCaret(d, body + 5, body);  // HELLO
             CScriptedUiServices::Click(d, CInsertPageDlg::IDC_INSERT);
             CScriptedUiServices::Click(d, IDOK);
         },
         "<html>\r\n<body>\r\n" + std::string(kBlock) + "\r\n</body>\r\n</html>\r\n"},
        {"undone",
         [&](QDialog& d) {
             EXPECT_FALSE(UndoEnabled(d)) << "nothing to undo yet";
             PlaceCaret(d, body);
             CScriptedUiServices::Click(d, CInsertPageDlg::IDC_INSERT);
             EXPECT_TRUE(UndoEnabled(d));
             CScriptedUiServices::Click(d, CInsertPageDlg::IDC_UNDO);
             EXPECT_FALSE(UndoEnabled(d)) << "one level";
             EXPECT_FALSE(CScriptedUiServices::Click(d, CInsertPageDlg::IDC_UNDO));
             CScriptedUiServices::Click(d, IDOK);
         },
         page},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = site / "page.htm";
        ASSERT_TRUE(WriteFileAtomically(path, page));
        ui.Clear();
        Run(path, c.work);
        EXPECT_EQ(Read(path), c.written);
        EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
        EXPECT_EQ(ui.Dialogs(), (std::vector<std::string>{"Insert Glintra into Page", "Insert into " + path}));
    }
}

TEST_F(InsertInto, LfPagesComeBackWithCrLfAndTheCopyBox)
{
    const std::string path = site / "lf.htm";
    ASSERT_TRUE(WriteFileAtomically(path, "<p>\nend"));
    bool copyChecked = false;
    Run(path, [&](QDialog& d) {
        copyChecked = CScriptedUiServices::Control<QCheckBox>(d, CInsertPageDlg::IDC_COPY_FILES)->isChecked();
        CScriptedUiServices::Click(d, IDOK);
    });
    EXPECT_EQ(Read(path), "<p>\r\nend\r\n");
    EXPECT_TRUE(copyChecked) << "checked after a good read";
    ASSERT_EQ(fake.pagelet.writes.size(), 1u);
    EXPECT_EQ(fake.pagelet.writes[0].path, site / "lf.respgt");
    EXPECT_EQ(fake.pagelet.writes[0].overwrite, 1);
    EXPECT_FALSE(FileExists(site / "lf.respgt"));

    fake.pagelet.writes.clear();
    Run(path, [&](QDialog& d) {
        CScriptedUiServices::Control<QCheckBox>(d, CInsertPageDlg::IDC_COPY_FILES)->setChecked(false);
        CScriptedUiServices::Click(d, IDOK);
    });
    EXPECT_TRUE(fake.pagelet.writes.empty()) << "the copy box off: no support files";
    EXPECT_FALSE(document.IsModified());
}

TEST_F(InsertInto, PagesThatWereNotReadWholeAreNeverWrittenBack)
{
    struct Case {
        const char* what;
        std::function<std::string()> make;  // the path
        const char* message;                // the reading's message, before the path
        bool writable;
    };
    const Case cases[] = {
        {"no such page yet", [&] { return site / "new.htm"; }, "Open ", true},
        {"a folder", [&] { CreateFolder(site / "dir.htm"); return site / "dir.htm"; }, "Open ", false},
        {"not UTF-8",
         [&] {
             WriteFileAtomically(site / "latin1.htm", "caf\xe9\n");
             return site / "latin1.htm";
         },
         "Can't read content from ", false},
        {"a lone carriage return the control would turn into a line",
         [&] {
             WriteFileAtomically(site / "cr.htm", "a\rb\n");
             return site / "cr.htm";
         },
         "Can't read content from ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.Clear();
        const std::string path = c.make();
        std::string before;
        ReadWholeFile(path, before);
        bool stayedOpen = false;
        Run(path, [&](QDialog& d) {
            EXPECT_TRUE(Page(d)->toPlainText().isEmpty());
            EXPECT_TRUE(d.windowTitle().isEmpty());
            EXPECT_FALSE(CScriptedUiServices::Control<QCheckBox>(d, CInsertPageDlg::IDC_COPY_FILES)->isChecked());
            CScriptedUiServices::Click(d, CInsertPageDlg::IDC_INSERT);
            CScriptedUiServices::Click(d, IDOK);
            stayedOpen = d.isVisible();
            if (stayedOpen)
                CScriptedUiServices::Click(d, IDCANCEL);
        });
        const std::vector<std::string> messages = ui.Messages();
        ASSERT_GE(messages.size(), 1u);
        EXPECT_EQ(messages[0], c.message + path + (std::string(c.message) == "Open " ? " Failure!" : ""));
        EXPECT_EQ(stayedOpen, !c.writable);
        if (c.writable) {
            EXPECT_EQ(Read(path), kBlock) << "created with what the dialog showed";
        } else {
            ASSERT_EQ(messages.size(), 2u);
            EXPECT_NE(messages[1].find("not written back"), std::string::npos) << messages[1];
            std::string after;
            ReadWholeFile(path, after);
            EXPECT_EQ(after, before) << "untouched";
        }
    }
}

TEST_F(InsertInto, AFailedWriteLeavesTheOldPage)
{
    // The disk fills up while the page is written: a file-size limit of
    // the process makes the write fail, root or not.
    const std::string path = site / "page.htm";
    ASSERT_TRUE(WriteFileAtomically(path, "old\r\n"));
    struct rlimit before {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    Run(path, [&](QDialog& d) {
        for (int i = 0; i < 5; ++i)
            CScriptedUiServices::Click(d, CInsertPageDlg::IDC_INSERT);
        struct rlimit small = before;
        small.rlim_cur = 64;
        ::setrlimit(RLIMIT_FSIZE, &small);
        CScriptedUiServices::Click(d, IDOK);
    });
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(ui.LastMessage(), "Write " + path + " Failure!");
    EXPECT_EQ(Read(path), "old\r\n");
    EXPECT_TRUE(fake.pagelet.writes.empty()) << "no support files after a failed write";
    EXPECT_TRUE(FindFiles(site.Path(), "*").size() == 1u) << "no temporary file left";
}

TEST_F(InsertInto, EditorHandOff)
{
    const std::string path = site / "My Page.htm";
    ASSERT_TRUE(WriteFileAtomically(path, "<p>\r\n"));
    CCommandRecorder saves({57603});  // File Save
    struct Case {
        const char* what;
        bool modified;
        std::vector<int> answers;     // save question, download question
        bool started;                 // the editor could be started
        std::vector<UINT> saved;      // File Save sent
        size_t programStarts;
        std::vector<std::string> shellOpens;
        std::vector<std::string> dialogs;
    };
    const std::vector<std::string> choiceOnly{"Insert Glintra into Page"};
    const Case cases[] = {
        {"modified, save answered Cancel", true, {IDCANCEL}, true, {}, 0, {}, choiceOnly},
        {"modified, saved first", true, {IDOK}, true, {57603}, 1, {}, choiceOnly},
        {"not modified, started", false, {}, true, {}, 1, {}, choiceOnly},
        {"no editor, download", false, {IDOK}, false, {}, 1, {kEditorDownloadPage}, choiceOnly},
        {"no editor, insert here", false, {IDCANCEL}, false, {}, 1, {}, {"Insert Glintra into Page", "Insert into " + path}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.Clear();
        saves.sent.clear();
        document.SetModifiedFlag(c.modified);
        for (int answer : c.answers)
            ui.QueueAnswer(answer);
        if (c.programStarts)
            ui.QueueStartProgramResult(c.started);
        ui.QueueOpenFile(path);
        ui.QueueDialogAccept();  // the editor box stays checked
        if (c.dialogs.size() > 1)
            ui.QueueDialogReject();
        OnInsertInto(document, nullptr);
        EXPECT_EQ(saves.sent, c.saved);
        const auto starts = ui.RecordsOf(EUiExchange::StartProgram);
        ASSERT_EQ(starts.size(), c.programStarts);
        if (!starts.empty()) {
            EXPECT_EQ(starts[0].text, "Pallima.exe");
            EXPECT_EQ(starts[0].arguments, std::vector<std::string>{path}) << "the quoted path is one argument";
        }
        std::vector<std::string> opened;
        for (const auto& record : ui.RecordsOf(EUiExchange::ShellOpen))
            opened.push_back(record.text);
        EXPECT_EQ(opened, c.shellOpens);
        EXPECT_EQ(ui.Dialogs(), c.dialogs);
        EXPECT_EQ(Read(path), "<p>\r\n") << "the page is the editor's to change";
        EXPECT_FALSE(ui.HasPendingScript()) << ui.Transcript();
        std::vector<std::string> expected;
        if (c.modified)
            expected.push_back("You must save your Glintra before using Pallima,Save it?");
        if (!c.started && !(c.modified && c.answers[0] == IDCANCEL))
            expected.push_back("Can't find Pallima.exe, Download it?");
        EXPECT_EQ(ui.Messages(), expected);
    }
}

} // namespace
