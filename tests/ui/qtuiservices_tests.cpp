// The desktop services, driven through Qt's own windows on the offscreen
// platform.

#include "platform/ui/qtconversions.h"
#include "platform/ui/qtuiservices.h"

#include "tests/ui/modalwatch.h"
#include "tests/ui/qtprinters.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <bitset>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::Return;

// The modal window as the kind the test expects; a test that meets another
// kind fails and leaves it to the watch to close.
template <class T>
T& Window(QWidget& widget)
{
    if (auto* window = qobject_cast<T*>(&widget))
        return *window;
    ADD_FAILURE() << "unexpected window " << widget.metaObject()->className();
    static T* stray = new T;
    return *stray;
}

// QFileDialog hides its accept(); as a QDialog it is pressed OK.
void Accept(QDialog& dialog)
{
    dialog.accept();
}

void Press(QWidget& widget, QMessageBox::StandardButton which)
{
    auto* box = qobject_cast<QMessageBox*>(&widget);
    ASSERT_NE(box, nullptr) << widget.metaObject()->className();
    ASSERT_NE(box->button(which), nullptr);
    box->button(which)->click();
}

struct CBoxCase {
    const char* name;
    UINT type;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton defaultButton;
    QMessageBox::StandardButton click;
    int clickAnswer;
    int escapeAnswer;
};

// Tests are listed by the case's name, not its bytes.
inline void PrintTo(const CBoxCase& c, std::ostream* os) { *os << c.name; }

const CBoxCase kBoxCases[] = {
    {"Ok", MB_OK, QMessageBox::Ok, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok, IDOK, IDOK},
    {"OkCancelQuestion", MB_OKCANCEL | MB_ICONQUESTION, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Question,
     QMessageBox::Ok, QMessageBox::Cancel, IDCANCEL, IDCANCEL},
    {"OkCancelSecondDefault", MB_OKCANCEL | MB_DEFBUTTON2, QMessageBox::Ok | QMessageBox::Cancel,
     QMessageBox::NoIcon, QMessageBox::Cancel, QMessageBox::Ok, IDOK, IDCANCEL},
    {"YesNoExclamation", MB_YESNO | MB_ICONEXCLAMATION, QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning,
     QMessageBox::Yes, QMessageBox::No, IDNO, IDNO},
    {"YesNoSecondDefault", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, QMessageBox::Yes | QMessageBox::No,
     QMessageBox::Question, QMessageBox::No, QMessageBox::Yes, IDYES, IDNO},
    {"YesNoCancelInformation", MB_YESNOCANCEL | MB_ICONINFORMATION,
     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Information, QMessageBox::Yes,
     QMessageBox::Yes, IDYES, IDCANCEL},
    {"YesNoCancelThirdDefault", MB_YESNOCANCEL | MB_DEFBUTTON3,
     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::NoIcon, QMessageBox::Cancel,
     QMessageBox::No, IDNO, IDCANCEL},
    {"RetryCancelError", MB_RETRYCANCEL | MB_ICONERROR, QMessageBox::Retry | QMessageBox::Cancel,
     QMessageBox::Critical, QMessageBox::Retry, QMessageBox::Retry, IDRETRY, IDCANCEL},
    {"OkWithSecondDefaultKeepsTheOnlyButton", MB_OK | MB_DEFBUTTON2, QMessageBox::Ok, QMessageBox::NoIcon,
     QMessageBox::Ok, QMessageBox::Ok, IDOK, IDOK},
};

class QtMessageBox : public ::testing::TestWithParam<CBoxCase> {
protected:
    // What the box looked like when it was open.
    struct CSeen {
        bool opened = false;
        QMessageBox::StandardButtons buttons;
        int buttonCount = 0;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QString text;
        QString caption;
        Qt::TextFormat format = Qt::AutoText;
    };

    static void Look(QWidget& widget, CSeen& seen)
    {
        auto* box = qobject_cast<QMessageBox*>(&widget);
        ASSERT_NE(box, nullptr);
        seen.opened = true;
        seen.buttons = box->standardButtons();
        seen.buttonCount = int(box->buttons().size());
        seen.icon = box->icon();
        seen.defaultButton = box->standardButton(box->defaultButton());
        seen.text = box->text();
        seen.caption = box->windowTitle();
        seen.format = box->textFormat();
    }

    CQtUiServices services;
};

TEST_P(QtMessageBox, ShowsTheButtonsAndIconOfTheTypeAndAnswersTheClick)
{
    const CBoxCase& c = GetParam();
    CSeen seen;
    OnNextModal([&](QWidget& widget) {
        Look(widget, seen);
        Press(widget, c.click);
    });
    const int answer = services.MessageBox("Open /site/a.pgt Error!", c.type, "Glintra");
    ASSERT_TRUE(seen.opened);
    EXPECT_EQ(seen.buttons, c.buttons);
    EXPECT_EQ(seen.buttonCount, std::bitset<32>(c.buttons.toInt()).count());
    EXPECT_EQ(seen.icon, c.icon);
    EXPECT_EQ(seen.defaultButton, c.defaultButton);
    EXPECT_EQ(seen.text, "Open /site/a.pgt Error!");
    EXPECT_EQ(seen.caption, "Glintra");
    EXPECT_EQ(answer, c.clickAnswer);
}

TEST_P(QtMessageBox, EscapeAndTheCloseBoxDecline)
{
    const CBoxCase& c = GetParam();
    OnNextModal([](QWidget& box) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&box, &escape);
    });
    EXPECT_EQ(services.MessageBox("Escape?", c.type), c.escapeAnswer);

    OnNextModal([](QWidget& box) { box.close(); });
    EXPECT_EQ(services.MessageBox("Close box?", c.type), c.escapeAnswer);
}

INSTANTIATE_TEST_SUITE_P(BoxTypes, QtMessageBox, ::testing::ValuesIn(kBoxCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtMessageBox, TextIsPlainUtf8AndTheCaptionDefaultsToTheApplication)
{
    CSeen seen;
    OnNextModal([&](QWidget& box) {
        Look(box, seen);
        box.close();
    });
    services.MessageBox("<HTML>\r\nGr\xc3\xb6\xc3\x9f" "e.htm Failure!");
    ASSERT_TRUE(seen.opened);
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.text, QString::fromUtf8("<HTML>\r\nGr\xc3\xb6\xc3\x9f" "e.htm Failure!"));
    EXPECT_EQ(seen.caption, "Pallima Glintra");
}

TEST_F(QtMessageBox, BelongsToTheActiveWindow)
{
    QWidget frame;
    frame.show();
    QApplication::setActiveWindow(&frame);
    ASSERT_EQ(QApplication::activeWindow(), &frame);
    QWidget* parent = nullptr;
    OnNextModal([&](QWidget& box) {
        parent = box.parentWidget();
        box.close();
    });
    services.MessageBox("Parented?");
    EXPECT_EQ(parent, &frame);
}

struct CNameFilterCase {
    CFileFilter filter;
    const char* expected;
};

TEST(QtNameFilter, DescriptionAsGivenPatternsInParentheses)
{
    const CNameFilterCase cases[] = {
        {{"Pallima Widgets File(*.pgt) ", "*.pgt"}, "Pallima Widgets File(*.pgt)  (*.pgt)"},
        {{"HTML Files(*.htm;*.html) ", " *.htm;*.html "}, "HTML Files(*.htm;*.html)  (*.htm *.html)"},
        {{"Web Browser(*.EXE) ", " *.EXE"}, "Web Browser(*.EXE)  (*.EXE)"},
        // Every file, with or without a dot in its name.
        {{"All Files(*.*) ", " *.* "}, "All Files(*.*)  (*)"},
        {{"Some", ";*.a;;*.*;"}, "Some (*.a *)"},
        {{"Anything", ""}, "Anything (*)"},
        {{"", "*.txt"}, " (*.txt)"},
    };
    for (const CNameFilterCase& c : cases)
        EXPECT_EQ(QtNameFilter(c.filter), QString::fromUtf8(c.expected)) << c.filter.description;
}

struct CFileDialogCase {
    const char* name;
    CQtUiServices::EFileDialogKind kind;
    CFileDialogOptions options;
    QFileDialog::AcceptMode acceptMode;
    QFileDialog::FileMode fileMode;
    bool confirmOverwrite;
    const char* suffix;
    int selectedFilter;
};

// Tests are listed by the case's name, not its bytes.
inline void PrintTo(const CFileDialogCase& c, std::ostream* os) { *os << c.name; }

const std::vector<CFileFilter> kHtmlFilters = {{"HTML Files(*.htm;*.html) ", "*.htm;*.html"},
                                               {"All Files(*.*) ", "*.*"}};

CFileDialogOptions Options(int filterIndex, std::string extension, bool mustExist, bool promptOverwrite)
{
    CFileDialogOptions options;
    options.filters = kHtmlFilters;
    options.filterIndex = filterIndex;
    options.defaultExtension = std::move(extension);
    options.mustExist = mustExist;
    options.promptOverwrite = promptOverwrite;
    return options;
}

TEST(QtFileDialog, ConfiguredFromTheOptions)
{
    using Kind = CQtUiServices::EFileDialogKind;
    const CFileDialogCase cases[] = {
        {"open existing", Kind::Open, Options(0, "", true, true), QFileDialog::AcceptOpen, QFileDialog::ExistingFile,
         false, "", 0},
        {"open any", Kind::Open, Options(1, "", false, true), QFileDialog::AcceptOpen, QFileDialog::AnyFile, false, "",
         1},
        {"save asking", Kind::Save, Options(0, ".htm", true, true), QFileDialog::AcceptSave, QFileDialog::AnyFile,
         true, "htm", 0},
        {"save replacing", Kind::Save, Options(1, "pgt", true, false), QFileDialog::AcceptSave, QFileDialog::AnyFile,
         false, "pgt", 1},
        {"index past the end", Kind::Save, Options(2, "", true, true), QFileDialog::AcceptSave, QFileDialog::AnyFile,
         true, "", 0},
        {"negative index", Kind::Open, Options(-1, "", true, true), QFileDialog::AcceptOpen, QFileDialog::ExistingFile,
         false, "", 0},
    };
    for (const CFileDialogCase& c : cases) {
        SCOPED_TRACE(c.name);
        QFileDialog dialog;
        CQtUiServices::ConfigureFileDialog(dialog, c.options, c.kind);
        EXPECT_EQ(dialog.acceptMode(), c.acceptMode);
        EXPECT_EQ(dialog.fileMode(), c.fileMode);
        EXPECT_EQ(!dialog.testOption(QFileDialog::DontConfirmOverwrite), c.confirmOverwrite);
        EXPECT_EQ(dialog.defaultSuffix(), c.suffix);
        // Qt shows each entry with its runs of blanks made one.
        QStringList shown;
        for (const QString& filter : QtNameFilters(kHtmlFilters))
            shown.append(filter.simplified());
        EXPECT_EQ(dialog.nameFilters(), shown);
        EXPECT_EQ(dialog.selectedNameFilter(), shown[c.selectedFilter]);
    }
}

TEST(QtFileDialog, StartsAtTheInitialFolderOrFileAndTakesTheTitle)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    CFileDialogOptions options;
    options.initialPath = folder.path().toStdString();
    QFileDialog atFolder;
    CQtUiServices::ConfigureFileDialog(atFolder, options, CQtUiServices::EFileDialogKind::Open);
    EXPECT_EQ(atFolder.directory().absolutePath(), QDir(folder.path()).absolutePath());
    EXPECT_EQ(atFolder.windowTitle(), "Open") << "no title: Qt's own";

    options.initialPath = folder.filePath("index.htm").toStdString();
    options.title = "Save Glintra";
    QFileDialog atFile;
    CQtUiServices::ConfigureFileDialog(atFile, options, CQtUiServices::EFileDialogKind::Save);
    EXPECT_EQ(atFile.directory().absolutePath(), QDir(folder.path()).absolutePath());
    EXPECT_EQ(atFile.selectedFiles().value(0), folder.filePath("index.htm"));
    EXPECT_EQ(atFile.windowTitle(), "Save Glintra");
}

class QtPickers : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    std::string Path(const char* name) const { return folder.filePath(name).toStdString(); }

    static void WriteFile(const std::string& path)
    {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<HTML>");
    }

    CFileDialogOptions SaveOptions() const
    {
        CFileDialogOptions options;
        options.filters = kHtmlFilters;
        options.defaultExtension = ".htm";
        options.initialPath = folder.path().toStdString();
        return options;
    }

    QTemporaryDir folder;
    CQtUiServices services;
};

TEST_F(QtPickers, SaveAddsTheDefaultExtension)
{
    OnNextModal([](QWidget& widget) {
        auto& dialog = Window<QFileDialog>(widget);
        dialog.selectFile("index");
        Accept(dialog);
    });
    EXPECT_EQ(services.GetSaveFileName(SaveOptions()), Path("index.htm"));

    OnNextModal([](QWidget& widget) {
        auto& dialog = Window<QFileDialog>(widget);
        dialog.selectFile("page.html");
        Accept(dialog);
    });
    EXPECT_EQ(services.GetSaveFileName(SaveOptions()), Path("page.html")) << "a name with an extension keeps it";
}

TEST_F(QtPickers, SaveAsksBeforeReplacingAFile)
{
    WriteFile(Path("old.htm"));
    OnNextModal([](QWidget& widget) {
        auto& dialog = Window<QFileDialog>(widget);
        OnNextModal([](QWidget& box) { Press(box, QMessageBox::Yes); }, &dialog);
        dialog.selectFile("old.htm");
        Accept(dialog);
    });
    EXPECT_EQ(services.GetSaveFileName(SaveOptions()), Path("old.htm"));

    bool stayedOpen = false;
    OnNextModal([&](QWidget& widget) {
        auto& dialog = Window<QFileDialog>(widget);
        OnNextModal([](QWidget& box) { Press(box, QMessageBox::No); }, &dialog);
        dialog.selectFile("old.htm");
        Accept(dialog);
        stayedOpen = dialog.isVisible();
        dialog.reject();
    });
    EXPECT_EQ(services.GetSaveFileName(SaveOptions()), std::nullopt);
    EXPECT_TRUE(stayedOpen) << "answering No goes back to the file dialog";
}

TEST_F(QtPickers, OpenGivesTheChosenFileOrNothing)
{
    WriteFile(Path("a.pgt"));
    CFileDialogOptions options;
    options.filters = {{"Pallima Widgets File(*.pgt) ", "*.pgt"}};
    options.initialPath = Path("a.pgt");
    OnNextModal([](QWidget& widget) { Accept(Window<QFileDialog>(widget)); });
    EXPECT_EQ(services.GetOpenFileName(options), Path("a.pgt"));

    options.filters = kHtmlFilters;
    options.filterIndex = 1;
    QString shownFilter;
    OnNextModal([&](QWidget& widget) {
        shownFilter = Window<QFileDialog>(widget).selectedNameFilter();
        Accept(Window<QFileDialog>(widget));
    });
    EXPECT_EQ(services.GetOpenFileName(options), Path("a.pgt"));
    EXPECT_EQ(shownFilter, QtNameFilter(kHtmlFilters[1]).simplified()) << "the entry asked for is shown first";

    OnNextModal([](QWidget& widget) { Window<QFileDialog>(widget).reject(); });
    EXPECT_EQ(services.GetOpenFileName(options), std::nullopt);
}

TEST_F(QtPickers, FolderBrowserStartsAtTheFolder)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("Site"));
    QString title;
    OnNextModal([&](QWidget& widget) {
        auto& dialog = Window<QFileDialog>(widget);
        title = dialog.windowTitle();
        EXPECT_EQ(dialog.fileMode(), QFileDialog::Directory);
        EXPECT_EQ(dialog.directory().absolutePath(), QDir(folder.path()).absolutePath());
        dialog.selectFile(folder.filePath("Site"));
        Accept(dialog);
    });
    EXPECT_EQ(services.BrowseForFolder("Choose the folder", folder.path().toStdString()), Path("Site"));
    EXPECT_EQ(title, "Choose the folder");

    OnNextModal([](QWidget& widget) { Window<QFileDialog>(widget).reject(); });
    EXPECT_EQ(services.BrowseForFolder("Choose the folder", folder.path().toStdString()), std::nullopt);
}

TEST_F(QtPickers, ColourDialogStartsFromTheColourAndGivesTheChoice)
{
    QColor shown;
    OnNextModal([&](QWidget& widget) {
        auto& dialog = Window<QColorDialog>(widget);
        shown = dialog.currentColor();
        dialog.setCurrentColor(QColor(1, 2, 3));
        Accept(dialog);
    });
    EXPECT_EQ(services.ChooseColor(RGB(13, 47, 109)), RGB(1, 2, 3));
    EXPECT_EQ(shown, QColor(13, 47, 109));

    OnNextModal([](QWidget& widget) { Window<QColorDialog>(widget).reject(); });
    EXPECT_EQ(services.ChooseColor(0), std::nullopt);
}

TEST(ColorRef, RedIsTheLowestByte)
{
    struct {
        COLORREF color;
        QColor qt;
    } const cases[] = {
        {0, QColor(0, 0, 0)},
        {16777215, QColor(255, 255, 255)},
        {0x0000FF, QColor(255, 0, 0)},
        {0xFF0000, QColor(0, 0, 255)},
        {RGB(13, 47, 109), QColor(13, 47, 109)},
        {RGB(178, 178, 201), QColor(178, 178, 201)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToQColor(c.color), c.qt) << c.color;
        EXPECT_EQ(ToColorRef(c.qt), c.color) << c.color;
    }
    EXPECT_EQ(ToQColor(0xFF00FF00), QColor(0, 255, 0)) << "the top byte is no colour";
    EXPECT_EQ(ToColorRef(QColor::fromHsv(0, 255, 255)), RGB(255, 0, 0)) << "any colour model";
}

TEST(ShellOpenUrl, AddressesStayPathsBecomeFiles)
{
    const QString current = QDir::currentPath();
    struct {
        const char* target;
        bool valid;
        const char* scheme;
        QString expected;  // the URL, or the local file for file URLs
    } const cases[] = {
        {"http://www.norvane.com/pallima.htm", true, "http", "http://www.norvane.com/pallima.htm"},
        {"HTTPS://example.org/a?b=1", true, "https", "https://example.org/a?b=1"},
        {"mailto:someone@example.org", true, "mailto", "mailto:someone@example.org"},
        {"file:///tmp/My%20Site/index.htm", true, "file", "/tmp/My Site/index.htm"},
        {"/tmp/My Site/index#1.htm", true, "file", "/tmp/My Site/index#1.htm"},
        {"Sample/sample.htm", true, "file", current + "/Sample/sample.htm"},
        {"httpdocs/a.htm", true, "file", current + "/httpdocs/a.htm"},
        {"", false, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        const QUrl url = ShellOpenUrl(c.target);
        EXPECT_EQ(url.isValid(), c.valid);
        if (!c.valid)
            continue;
        EXPECT_EQ(url.scheme(), c.scheme);
        EXPECT_EQ(url.isLocalFile() ? url.toLocalFile() : url.toString(), c.expected);
    }
}

// Stands in for the desktop's opener.
class COpenRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class QtShell : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* scheme : kSchemes)
            QDesktopServices::setUrlHandler(scheme, &recorder, "open");
    }
    void TearDown() override
    {
        for (const char* scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    static constexpr const char* kSchemes[] = {"file", "http", "https"};
    COpenRecorder recorder;
    CQtUiServices services;
};

TEST_F(QtShell, OpensWhatIsThereAndReportsWhatIsNot)
{
    QTemporaryDir folder;
    const QString page = folder.filePath("index.htm");
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    EXPECT_TRUE(services.ShellOpen(page.toStdString()));
    EXPECT_TRUE(services.ShellOpen(folder.path().toStdString()));
    EXPECT_TRUE(services.ShellOpen("https://www.example.org/download.htm"));
    EXPECT_FALSE(services.ShellOpen(folder.filePath("missing.htm").toStdString()));
    EXPECT_FALSE(services.ShellOpen("file://" + folder.filePath("missing.htm").toStdString()));
    EXPECT_FALSE(services.ShellOpen(""));
    ASSERT_EQ(recorder.opened.size(), 3);
    EXPECT_EQ(recorder.opened[0], QUrl::fromLocalFile(page));
    EXPECT_EQ(recorder.opened[1], QUrl::fromLocalFile(folder.path()));
    EXPECT_EQ(recorder.opened[2], QUrl("https://www.example.org/download.htm"));
}

TEST(QtStartProgram, StartsWhatCanBeFound)
{
    CQtUiServices services;
    EXPECT_TRUE(services.StartProgram("true", {"\"/site/index.htm\""})) << "found on the search path";
    EXPECT_FALSE(services.StartProgram("/nonexistent/Pallima.exe", {}));
    EXPECT_FALSE(services.StartProgram("", {}));
}

class CMockHelpViewer : public IHelpViewer {
public:
    MOCK_METHOD(bool, ShowHelp, (EHelpCommand command, DWORD data, const std::string& keyword), (override));
};

TEST(QtHelp, PassedToTheViewerWhenThereIsOne)
{
    CQtUiServices services;
    EXPECT_FALSE(services.ShowHelp(EHelpCommand::Contents));

    CMockHelpViewer viewer;
    services.SetHelpViewer(&viewer);
    EXPECT_CALL(viewer, ShowHelp(EHelpCommand::Context, 0x10000 + 32793, "")).WillOnce(Return(true));
    EXPECT_CALL(viewer, ShowHelp(EHelpCommand::Keyword, 0, "banner")).WillOnce(Return(false));
    EXPECT_TRUE(services.ShowHelp(EHelpCommand::Context, 0x10000 + 32793));
    EXPECT_FALSE(services.ShowHelp(EHelpCommand::Keyword, 0, "banner"));

    services.SetHelpViewer(nullptr);
    EXPECT_FALSE(services.ShowHelp(EHelpCommand::Contents));
}

TEST(QtClipboard, TextGoesToTheSystemClipboardAndBack)
{
    CQtUiServices services;
    const std::string code = "<APPLET code=\"glntfx.class\">\r\n<PARAM name=\"x\" value=\"Gr\xc3\xbc\xc3\x9f" "e\">";
    ASSERT_TRUE(services.SetClipboardText(code));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(code));
    EXPECT_EQ(services.GetClipboardText(), code);

    QGuiApplication::clipboard()->setText("pasted elsewhere");
    EXPECT_EQ(services.GetClipboardText(), "pasted elsewhere");
}

TEST(QtRunModal, RunsTheDialogAndGivesItsResult)
{
    CQtUiServices services;
    QDialog dialog;
    OnNextModal([](QWidget& widget) { Window<QDialog>(widget).done(5); });
    EXPECT_EQ(services.RunModal(dialog), 5);
    OnNextModal([](QWidget& widget) { Window<QDialog>(widget).accept(); });
    EXPECT_EQ(services.RunModal(dialog), QDialog::Accepted);
}

} // namespace

#include "qtuiservices_tests.moc"
