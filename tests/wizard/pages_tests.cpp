// What each page of the wizard does of its own, driven through its widgets:
// the General page's fields, size warnings, refused numbers, pickers and
// detail dialogs; the Background page's fill, picture and delay; the Text
// page's animation styles with their parameters, the Font dialog's
// placement, the target frame and the text's lines. Last, designs from
// other people's files, with values no control offers, go through the
// whole wizard and its detail dialogs and come back as they were.
#include "wizardfixture.h"

#include "platform/ui/qtconversions.h"
#include "wizard/colorbutton.h"
#include "wizard/textfontdlg.h"
#include "wizard/webpathfiledialog.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

#include <climits>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

namespace {

using PagesGeneral = WizardFixture;
using PagesBackground = WizardFixture;
using PagesText = WizardFixture;
using PagesOutOfRange = WizardFixture;

using Strings = std::vector<std::string>;

QLineEdit* Edit(QWidget& owner, int id)
{
    return Ctl<QLineEdit>(owner, id);
}

QComboBox* Combo(QWidget& owner, int id)
{
    return Ctl<QComboBox>(owner, id);
}

bool IsEnabled(QWidget& owner, int id)
{
    QWidget* control = Ctl<QWidget>(owner, id);
    return control && control->isEnabled();
}

Strings Entries(QComboBox* combo)
{
    Strings entries;
    for (int i = 0; combo && i < combo->count(); ++i)
        entries.push_back(combo->itemText(i).toStdString());
    return entries;
}

// Replaces what the edit holds, as the user does; typing nothing over the
// selection is a delete.
void Retype(QLineEdit* edit, const QString& text)
{
    TypeInto(edit, text);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
}

void PressOk(QDialog& dialog)
{
    UserClick(dialog, IDOK);
}

void PressCancel(QDialog& dialog)
{
    UserClick(dialog, IDCANCEL);
}

// One arrow of an up-down.
QToolButton* Arrow(QWidget& owner, int spinId, const char* which)
{
    QWidget* spin = Ctl<QWidget>(owner, spinId);
    for (QToolButton* arrow : spin ? spin->findChildren<QToolButton*>() : QList<QToolButton*>())
        if (arrow->accessibleName() == which)
            return arrow;
    return nullptr;
}

// The web path picker (dialog 130) as the user works it: the web path typed
// into its field, then a file of the folder chosen in its browser, or the
// picker cancelled when no file is given.
void UsePicker(QDialog& picker, const QString& webPath, const std::string& folder = {}, const QString& file = {})
{
    ASSERT_EQ(picker.objectName(), "130");
    auto* files = Ctl<QFileDialog>(picker, CWebPathFileDialog::IDC_FILES);
    ASSERT_NE(files, nullptr);
    Retype(Ctl<QLineEdit>(picker, CWebPathFileDialog::IDC_WEB_PATH), webPath);
    if (file.isEmpty()) {
        files->reject();
        return;
    }
    files->setDirectory(ToQt(folder));
    files->selectFile(file);
    static_cast<QDialog*>(files)->accept();  // the browser's Open
}

// ---------------------------------------------------------------------------
// The General page

constexpr int kSizeFields[] = {CGeneralPage::IDC_WIDTH, CGeneralPage::IDC_HEIGHT, CGeneralPage::IDC_MARGIN_WIDTH,
                                CGeneralPage::IDC_MARGIN_HEIGHT, CGeneralPage::IDC_BORDER_WIDTH};

TEST_F(PagesGeneral, ShowsTheDesignAndStoresEveryFieldOnNext)
{
    design.m_Align = 2;
    design.m_appBKColor = RGB(1, 2, 3);
    design.m_appWidth = 320;
    design.m_appHeight = 60;
    design.m_PgHrWidth = 5;
    design.m_PgVtWidth = 6;
    design.m_appBorderWidth = 3;
    design.m_appBorderType = 4;
    design.m_appBKImagePath = "/art/frame.gif";
    design.m_strClassLocalPath = "/srv/glintra/";
    const auto storedAsTyped = [](const CGlintraAppletParams& d) {
        EXPECT_EQ(d.m_Align, 1);
        EXPECT_EQ(d.m_appBKColor, RGB(40, 50, 60));
        EXPECT_EQ(d.m_appWidth, 640);
        EXPECT_EQ(d.m_appHeight, 120);
        EXPECT_EQ(d.m_PgHrWidth, 7);
        EXPECT_EQ(d.m_PgVtWidth, 8);
        EXPECT_EQ(d.m_appBorderWidth, 9);
        EXPECT_EQ(d.m_appBorderType, 2);
        EXPECT_EQ(d.m_appBKImagePath, "/art/other.gif");
        EXPECT_EQ(d.m_strClassLocalPath, "/srv/glintra/");
    };
    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        CGeneralPage& page = General(sheet);
        QComboBox* align = Combo(page, CGeneralPage::IDC_ALIGN);
        QComboBox* border = Combo(page, CGeneralPage::IDC_BORDER_STYLE);
        EXPECT_EQ(Entries(align), (Strings{"Center", "Left", "Right"}));
        EXPECT_EQ(align->currentIndex(), 2);
        EXPECT_EQ(Ctl<CColorButton>(page, CGeneralPage::IDC_BACK_COLOR)->Color(), RGB(1, 2, 3));
        const char* shown[] = {"320", "60", "5", "6", "3"};
        for (size_t i = 0; i < std::size(kSizeFields); ++i)
            EXPECT_EQ(Edit(page, kSizeFields[i])->text(), shown[i]) << kSizeFields[i];
        EXPECT_EQ(Entries(border), (Strings{"No Border", "Plain Border", "Bulge", "Sunken", "Use Image"}));
        EXPECT_EQ(border->currentIndex(), 4);
        EXPECT_EQ(Edit(page, CGeneralPage::IDC_BORDER_IMAGE)->text(), "/art/frame.gif");
        EXPECT_TRUE(IsEnabled(page, CGeneralPage::IDC_BORDER_IMAGE));
        EXPECT_TRUE(IsEnabled(page, CGeneralPage::IDC_BORDER_IMAGE_BROWSE));
        QLineEdit* classPath = Edit(page, CGeneralPage::IDC_CLASS_PATH);
        EXPECT_EQ(classPath->text(), "/srv/glintra/glntfx.class");
        EXPECT_TRUE(classPath->isReadOnly());
        EXPECT_FALSE(classPath->isEnabled());

        Choose(align, 1);
        ui.QueueColor(RGB(40, 50, 60));
        UserClick(page, CGeneralPage::IDC_BACK_COLOR);
        EXPECT_EQ(ui.RecordsOf(EUiExchange::ChooseColor).back().initialColor, RGB(1, 2, 3));
        const char* typed[] = {"640", "120", "7", "8", "9"};
        for (size_t i = 0; i < std::size(kSizeFields); ++i)
            Retype(Edit(page, kSizeFields[i]), typed[i]);
        Retype(Edit(page, CGeneralPage::IDC_BORDER_IMAGE), "/art/other.gif");
        Choose(border, 2);
        EXPECT_EQ(design.m_appWidth, 320) << "nothing is stored before the page is left";
        Next(sheet);
        EXPECT_EQ(sheet.currentId(), CGlintraPrpSheet::BackgroundPageId);
        storedAsTyped(design);
        Next(sheet);
        Finish(sheet);
    });
    ASSERT_TRUE(finished) << ui.Transcript();
    storedAsTyped(design);
    EXPECT_TRUE(ui.Messages().empty()) << ui.Transcript();
    EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
}

// The inner size is what is left inside both margins and both borders.
struct SizeCase {
    const char* name;
    int width, height, marginWidth, marginHeight, border;
    bool widthWarns, heightWarns;
};

const SizeCase kSizeCases[] = {
    {"defaults", 200, 100, 0, 0, 0, false, false},
    {"width used up by margins and borders", 200, 1000, 50, 0, 50, true, false},
    {"one pixel of width left", 201, 1000, 50, 0, 50, false, false},
    {"border alone counts on both sides of the width", 100, 1000, 0, 0, 50, true, false},
    {"margin alone counts on both sides", 98, 1000, 49, 0, 0, true, false},
    {"margin alone, one pixel left", 99, 1000, 49, 0, 0, false, false},
    {"height used up by margins and borders", 1000, 100, 0, 25, 25, false, true},
    {"one pixel of height left", 1000, 101, 0, 25, 25, false, false},
    {"border alone counts on both sides of the height", 1000, 100, 0, 0, 50, false, true},
    {"zero height", 1000, 0, 0, 0, 0, false, true},
    {"both too small", 10, 10, 0, 0, 5, true, true},
    {"margins larger than the applet", 300, 300, 400, 400, 0, true, true},
};

TEST_F(PagesGeneral, TooSmallAnAppletIsWarnedOfButStoredAndLeft)
{
    const std::string widthWarning = "The applet width is too small,Please enlarge it!";
    const std::string heightWarning = "The applet height is too small,Please enlarge it!";
    for (const SizeCase& c : kSizeCases) {
        SCOPED_TRACE(c.name);
        design = CGlintraAppletParams();
        ui.Clear();
        Run([&](CGlintraPrpSheet& sheet) {
            CGeneralPage& page = General(sheet);
            const int values[] = {c.width, c.height, c.marginWidth, c.marginHeight, c.border};
            for (size_t i = 0; i < std::size(kSizeFields); ++i)
                Retype(Edit(page, kSizeFields[i]), QString::number(values[i]));
            Next(sheet);
            Strings expected;
            if (c.widthWarns)
                expected.push_back(widthWarning);
            if (c.heightWarns)
                expected.push_back(heightWarning);
            EXPECT_EQ(ui.Messages(), expected);
            for (const CUiExchangeRecord& box : ui.RecordsOf(EUiExchange::MessageBox))
                EXPECT_EQ(box.Buttons(), MB_OK) << "a warning, not a question";
            EXPECT_EQ(sheet.currentId(), CGlintraPrpSheet::BackgroundPageId);
            EXPECT_EQ(design.m_appWidth, c.width);
            EXPECT_EQ(design.m_appHeight, c.height);
            EXPECT_EQ(design.m_PgHrWidth, c.marginWidth);
            EXPECT_EQ(design.m_PgVtWidth, c.marginHeight);
            EXPECT_EQ(design.m_appBorderWidth, c.border);
            Cancel(sheet);
        });
        EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
    }
}

struct RefusedCase {
    const char* name;
    int field;  // index into kSizeFields
    QString text;
};

const RefusedCase kRefusedCases[] = {
    {"width cleared", 0, ""},
    {"height cleared", 1, ""},
    {"margin width cleared", 2, ""},
    {"margin height cleared", 3, ""},
    {"border width cleared", 4, ""},
    {"width beyond any int", 0, "3000000000"},
    {"border width of eleven digits", 4, "99999999999"},
};

int CGlintraAppletParams::*const kSizeMembers[] = {&CGlintraAppletParams::m_appWidth,
                                                   &CGlintraAppletParams::m_appHeight,
                                                   &CGlintraAppletParams::m_PgHrWidth,
                                                   &CGlintraAppletParams::m_PgVtWidth,
                                                   &CGlintraAppletParams::m_appBorderWidth};

TEST_F(PagesGeneral, AFieldWithoutAnIntegerKeepsItsValueAndTheOthersAreStored)
{
    const int before[] = {300, 80, 4, 5, 6};
    const int typed[] = {310, 90, 14, 15, 16};
    for (const RefusedCase& c : kRefusedCases) {
        SCOPED_TRACE(c.name);
        design = CGlintraAppletParams();
        for (size_t i = 0; i < std::size(kSizeMembers); ++i)
            design.*kSizeMembers[i] = before[i];
        design.m_appBorderType = 2;
        ui.Clear();
        Run([&](CGlintraPrpSheet& sheet) {
            CGeneralPage& page = General(sheet);
            for (size_t i = 0; i < std::size(kSizeFields); ++i)
                Retype(Edit(page, kSizeFields[i]), int(i) == c.field ? c.text : QString::number(typed[i]));
            Choose(Combo(page, CGeneralPage::IDC_BORDER_STYLE), 3);
            Next(sheet);
            EXPECT_EQ(ui.Messages(), Strings{"Please enter an integer."});
            EXPECT_EQ(sheet.currentId(), CGlintraPrpSheet::BackgroundPageId) << "the page changes anyway";
            for (size_t i = 0; i < std::size(kSizeMembers); ++i)
                EXPECT_EQ(design.*kSizeMembers[i], int(i) == c.field ? before[i] : typed[i]) << kSizeFields[i];
            EXPECT_EQ(design.m_appBorderType, 3);
            Cancel(sheet);
        });
        EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
    }
}

TEST_F(PagesGeneral, BorderImageFieldsAreEnabledForUseImageOnlyAndKeepThePath)
{
    design.m_appBKImagePath = "/art/frame.gif";
    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        CGeneralPage& page = General(sheet);
        QLineEdit* image = Edit(page, CGeneralPage::IDC_BORDER_IMAGE);
        EXPECT_FALSE(image->isEnabled());
        EXPECT_FALSE(IsEnabled(page, CGeneralPage::IDC_BORDER_IMAGE_BROWSE));
        for (const int style : {4, 0, 1, 2, 3, 4, 3}) {
            Choose(Combo(page, CGeneralPage::IDC_BORDER_STYLE), style);
            EXPECT_EQ(image->isEnabled(), style == 4) << style;
            EXPECT_EQ(IsEnabled(page, CGeneralPage::IDC_BORDER_IMAGE_BROWSE), style == 4) << style;
            EXPECT_EQ(image->text(), "/art/frame.gif") << style;
        }
        Next(sheet);
        Next(sheet);
        Finish(sheet);
    });
    ASSERT_TRUE(finished);
    EXPECT_EQ(design.m_appBorderType, 3);
    EXPECT_EQ(design.m_appBKImagePath, "/art/frame.gif");
}

TEST_F(PagesGeneral, BorderImagePickerFillsThePathAndTheImagesWebPath)
{
    CTempDir art;
    ASSERT_TRUE(WriteText(art / "edge.gif", "GIF89a"));
    design.m_appBorderType = 4;
    design.m_appBKImagePath = "/art/frame.gif";
    design.m_appBKImageWebPath = "art/";
    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        CGeneralPage& page = General(sheet);
        ui.QueueDialog([&](QDialog& picker) {
            EXPECT_EQ(Edit(picker, CWebPathFileDialog::IDC_WEB_PATH)->text(), "art/");
            UsePicker(picker, "pics\\frames", art.Path(), "edge.gif");
        });
        UserClick(page, CGeneralPage::IDC_BORDER_IMAGE_BROWSE);
        EXPECT_EQ(Edit(page, CGeneralPage::IDC_BORDER_IMAGE)->text().toStdString(), art / "edge.gif");
        EXPECT_EQ(design.m_appBKImageWebPath, "pics/frames/");
        Next(sheet);
        Next(sheet);
        Finish(sheet);
    });
    ASSERT_TRUE(finished) << ui.Transcript();
    EXPECT_EQ(design.m_appBKImagePath, art / "edge.gif");
    EXPECT_EQ(design.m_appBKImageWebPath, "pics/frames/");
    EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
}

struct WebPathCase {
    QString typed;
    const char* stored;
};

const WebPathCase kWebPathCases[] = {
    {"images\\top", "images/top/"},
    {"", ""},
    {"images/top/", "images/top/"},
    {"\\java\\classes\\", "/java/classes/"},
};

TEST_F(PagesGeneral, AppletFileButtonSetsTheWebPathAndNothingElse)
{
    CTempDir folder;
    ASSERT_TRUE(WriteText(folder / "glntfx.class", "class"));
    ASSERT_TRUE(WriteText(folder / "other.class", "class"));
    const std::string local = folder.Path() + "/";
    for (const WebPathCase& c : kWebPathCases) {
        SCOPED_TRACE(c.typed.toStdString());
        design = CGlintraAppletParams();
        design.m_strClassLocalPath = local;
        design.m_ClassWebPath = "classes/";
        ui.Clear();
        const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
            CGeneralPage& page = General(sheet);
            ui.QueueDialog([&](QDialog& picker) {
                EXPECT_EQ(Edit(picker, CWebPathFileDialog::IDC_WEB_PATH)->text(), "classes/");
                // Another file than the applet's own: it is not taken.
                UsePicker(picker, c.typed, folder.Path(), "other.class");
            });
            UserClick(page, CGeneralPage::IDC_CLASS_BROWSE);
            EXPECT_EQ(design.m_ClassWebPath, c.stored) << "written at once";
            EXPECT_EQ(Edit(page, CGeneralPage::IDC_CLASS_PATH)->text().toStdString(), local + "glntfx.class");
            Next(sheet);
            Next(sheet);
            Finish(sheet);
        });
        ASSERT_TRUE(finished) << ui.Transcript();
        EXPECT_EQ(design.m_ClassWebPath, c.stored);
        EXPECT_EQ(design.m_strClassLocalPath, local);
        EXPECT_EQ(design.m_appBKImagePath, "");
        EXPECT_EQ(design.m_appBKImageWebPath, "");
        EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
    }
}

TEST_F(PagesGeneral, LoadingMessageAndMovingSpeedAreWrittenWhenTheirDialogSaysOk)
{
    design.m_BackMoveSpeed = 60;
    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        CGeneralPage& page = General(sheet);
        ui.QueueDialog([](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), "4004");
            auto* bar = Ctl<QCheckBox>(dialog, 4019);
            ASSERT_NE(bar, nullptr);
            EXPECT_EQ(bar->text(), "With Progress Bar");
            EXPECT_TRUE(bar->isChecked());
            EXPECT_EQ(Edit(dialog, 4018)->text(), "Loading Image...");
            UserClick(bar);
            Retype(Edit(dialog, 4018), "Please wait");
            PressOk(dialog);
        });
        UserClick(page, CGeneralPage::IDC_LOADING_MESSAGE);
        EXPECT_EQ(design.m_bWithBar, FALSE);
        EXPECT_EQ(design.m_strLoadMessage, "Please wait");

        ui.QueueDialog([](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), "150");
            auto* slider = Ctl<QSlider>(dialog, 1048);
            ASSERT_NE(slider, nullptr);
            EXPECT_EQ(slider->value(), 60);
            slider->setFocus(Qt::MouseFocusReason);
            slider->setValue(240);
            PressOk(dialog);
        });
        UserClick(page, CGeneralPage::IDC_MOVING_SPEED);
        EXPECT_EQ(design.m_BackMoveSpeed, 240);
        Next(sheet);
        Next(sheet);
        Finish(sheet);
    });
    ASSERT_TRUE(finished) << ui.Transcript();
    EXPECT_EQ(design.m_bWithBar, FALSE);
    EXPECT_EQ(design.m_strLoadMessage, "Please wait");
    EXPECT_EQ(design.m_BackMoveSpeed, 240);
    EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
}

// Each row works one of the page's pickers and dialogs, changes what it
// offers and cancels it.
struct CancelCase {
    const char* name;
    int button;
    std::function<void(CScriptedUiServices&, const std::string& folder)> script;
};

const CancelCase kCancelCases[] = {
    {"colour", CGeneralPage::IDC_BACK_COLOR,
     [](CScriptedUiServices& ui, const std::string&) { ui.QueueColor(std::nullopt); }},
    {"border image", CGeneralPage::IDC_BORDER_IMAGE_BROWSE,
     [](CScriptedUiServices& ui, const std::string&) {
         ui.QueueDialog([](QDialog& picker) { UsePicker(picker, "other\\place"); });
     }},
    {"applet file", CGeneralPage::IDC_CLASS_BROWSE,
     [](CScriptedUiServices& ui, const std::string&) {
         ui.QueueDialog([](QDialog& picker) { UsePicker(picker, "other\\place"); });
     }},
    {"loading message", CGeneralPage::IDC_LOADING_MESSAGE,
     [](CScriptedUiServices& ui, const std::string&) {
         ui.QueueDialog([](QDialog& dialog) {
             UserClick(Ctl<QCheckBox>(dialog, 4019));
             Retype(Edit(dialog, 4018), "Changed");
             PressCancel(dialog);
         });
     }},
    {"moving speed", CGeneralPage::IDC_MOVING_SPEED,
     [](CScriptedUiServices& ui, const std::string&) {
         ui.QueueDialog([](QDialog& dialog) {
             Ctl<QSlider>(dialog, 1048)->setValue(300);
             PressCancel(dialog);
         });
     }},
};

TEST_F(PagesGeneral, ACancelledPickerOrDialogChangesNothing)
{
    for (const CancelCase& c : kCancelCases) {
        SCOPED_TRACE(c.name);
        design = CGlintraAppletParams();
        design.m_appBKColor = RGB(9, 8, 7);
        design.m_appBorderType = 4;
        design.m_appBKImagePath = "/art/frame.gif";
        design.m_appBKImageWebPath = "art/";
        design.m_ClassWebPath = "classes/";
        design.m_strClassLocalPath = server.Path() + "/";
        design.m_bWithBar = FALSE;
        design.m_strLoadMessage = "Wait";
        design.m_BackMoveSpeed = 60;
        const CGlintraAppletParams before(design);
        ui.Clear();
        const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
            c.script(ui, server.Path());
            UserClick(General(sheet), c.button);
            EXPECT_FALSE(ui.HasPendingScript());
            Next(sheet);
            Next(sheet);
            Finish(sheet);
        });
        ASSERT_TRUE(finished) << ui.Transcript();
        EXPECT_TRUE(design == before) << ui.Transcript();
        for (const CUiExchangeRecord& dialog : ui.RecordsOf(EUiExchange::Dialog)) {
            if (dialog.name != "GlintraPrpSheet") {
                EXPECT_EQ(dialog.answer, QDialog::Rejected) << dialog.text;
            }
        }
        EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
    }
}

// ---------------------------------------------------------------------------
// The Background page

TEST_F(PagesBackground, ANewDesignsBannerAndWhatThePageStores)
{
    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        CBackgroundPage& page = Background(sheet);
        EXPECT_EQ(Ctl<QLabel>(page, 1000)->text(), "Set Glintra's Backgrounds Style");
        QComboBox* fill = Combo(page, CBackgroundPage::IDC_FILL_TYPE);
        QComboBox* show = Combo(page, CBackgroundPage::IDC_SHOW_STYLE);
        EXPECT_EQ(fill->count(), 20);
        EXPECT_EQ(fill->itemText(0), "Image");
        EXPECT_EQ(fill->itemText(1), "Solid Color");
        EXPECT_EQ(fill->currentIndex(), 1);
        EXPECT_EQ(Ctl<CColorButton>(page, CBackgroundPage::IDC_FILL_COLOR)->Color(), RGB(0, 0, 0));
        EXPECT_FALSE(IsEnabled(page, CBackgroundPage::IDC_IMAGE));
        EXPECT_EQ(show->count(), 13);
        EXPECT_EQ(show->currentIndex(), 0);
        EXPECT_EQ(Edit(page, CBackgroundPage::IDC_DELAY)->text(), "2000");
        EXPECT_EQ(Edit(page, CBannerListPage::IDC_TITLE)->text(), "Banner");

        Choose(fill, 19);
        Choose(show, 12);
        ui.QueueColor(RGB(200, 100, 50));
        UserClick(page, CBackgroundPage::IDC_FILL_COLOR);
        EXPECT_EQ(ui.RecordsOf(EUiExchange::ChooseColor).back().initialColor, RGB(0, 0, 0));
        ui.QueueColor(std::nullopt);
        UserClick(page, CBackgroundPage::IDC_FILL_COLOR);
        EXPECT_EQ(ui.RecordsOf(EUiExchange::ChooseColor).back().initialColor, RGB(200, 100, 50));
        Retype(Edit(page, CBackgroundPage::IDC_DELAY), "0");
        Next(sheet);
        const CBannerBackground& stored = *design.m_aBackgrounds[0];
        EXPECT_EQ(stored.m_PgBKType, 19);
        EXPECT_EQ(stored.m_PgConnStyle, 12);
        EXPECT_EQ(stored.m_PgBKColor, RGB(200, 100, 50)) << "the cancelled colour changed nothing";
        EXPECT_EQ(stored.m_PgDelay, 0);
        Cancel(sheet);
    });
    EXPECT_FALSE(finished);
    EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
}

TEST_F(PagesBackground, ImageButtonIsEnabledForTheImageFillOnlyAndThePictureStays)
{
    CBannerBackground& background = *design.m_aBackgrounds[0];
    background.m_PgBKType = 0;
    background.m_PgBKImg = "/art/sky.gif";
    background.m_PgBKImgWebPath = "art/";
    background.m_PgBKImgPutType = 1;
    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        CBackgroundPage& page = Background(sheet);
        EXPECT_TRUE(IsEnabled(page, CBackgroundPage::IDC_IMAGE));
        for (int type = 19; type >= 0; --type) {
            Choose(Combo(page, CBackgroundPage::IDC_FILL_TYPE), type);
            EXPECT_EQ(IsEnabled(page, CBackgroundPage::IDC_IMAGE), type == 0) << type;
        }
        Choose(Combo(page, CBackgroundPage::IDC_FILL_TYPE), 5);
        Next(sheet);
        Finish(sheet);
    });
    ASSERT_TRUE(finished);
    const CBannerBackground& stored = *design.m_aBackgrounds[0];
    EXPECT_EQ(stored.m_PgBKType, 5);
    EXPECT_EQ(stored.m_PgBKImg, "/art/sky.gif");
    EXPECT_EQ(stored.m_PgBKImgWebPath, "art/");
    EXPECT_EQ(stored.m_PgBKImgPutType, 1);
}

TEST_F(PagesBackground, ImageDialogShowsThePictureAndOkTakesItBackForTheNextStore)
{
    CTempDir art;
    ASSERT_TRUE(WriteText(art / "moon.gif", "GIF89a"));
    CBannerBackground& background = *design.m_aBackgrounds[0];
    background.m_PgBKType = 0;
    background.m_PgBKImg = "/art/sky.gif";
    background.m_PgBKImgWebPath = "art/";
    background.m_PgBKImgPutType = 1;
    const CBannerBackground original = background;
    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        CBackgroundPage& page = Background(sheet);

        // Cancel first: nothing changes, however much was changed in it.
        ui.QueueDialog([](QDialog& dialog) {
            Retype(Edit(dialog, 1017), "/elsewhere/sun.gif");
            UserClick(dialog, 1018);
            PressCancel(dialog);
        });
        UserClick(page, CBackgroundPage::IDC_IMAGE);
        EXPECT_EQ(page.m_background, original);

        ui.QueueDialog([&](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), "136");
            EXPECT_EQ(Edit(dialog, 1017)->text(), "/art/sky.gif");
            EXPECT_FALSE(Ctl<QRadioButton>(dialog, 1018)->isChecked());
            EXPECT_TRUE(Ctl<QRadioButton>(dialog, 1019)->isChecked());
            // The web path goes to the picker and comes back from it.
            ui.QueueDialog([&](QDialog& picker) {
                EXPECT_EQ(Edit(picker, CWebPathFileDialog::IDC_WEB_PATH)->text(), "art/");
                UsePicker(picker, "pics\\night", art.Path(), "moon.gif");
            });
            UserClick(dialog, 1007);
            EXPECT_EQ(Edit(dialog, 1017)->text().toStdString(), art / "moon.gif");
            UserClick(dialog, 1018);
            PressOk(dialog);
        });
        UserClick(page, CBackgroundPage::IDC_IMAGE);
        EXPECT_EQ(page.m_background.m_PgBKImg, art / "moon.gif");
        EXPECT_EQ(page.m_background.m_PgBKImgWebPath, "pics/night/");
        EXPECT_EQ(page.m_background.m_PgBKImgPutType, 0);
        EXPECT_EQ(*design.m_aBackgrounds[0], original) << "the design waits for the page's store";
        Next(sheet);
        EXPECT_EQ(design.m_aBackgrounds[0]->m_PgBKImg, art / "moon.gif");
        Finish(sheet);
    });
    ASSERT_TRUE(finished) << ui.Transcript();
    const CBannerBackground& stored = *design.m_aBackgrounds[0];
    EXPECT_EQ(stored.m_PgBKImg, art / "moon.gif");
    EXPECT_EQ(stored.m_PgBKImgWebPath, "pics/night/");
    EXPECT_EQ(stored.m_PgBKImgPutType, 0);
    EXPECT_EQ(stored.m_PgBKType, 0);
    EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
}

TEST_F(PagesBackground, DelayTakesAnyTypedIntegerButItsArrowsStopAt30528)
{
    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        CBackgroundPage& page = Background(sheet);
        QLineEdit* delay = Edit(page, CBackgroundPage::IDC_DELAY);
        QToolButton* up = Arrow(page, CBackgroundPage::IDC_DELAY_SPIN, "Up");
        QToolButton* down = Arrow(page, CBackgroundPage::IDC_DELAY_SPIN, "Down");
        ASSERT_TRUE(up && down);

        Retype(delay, "40000");
        Next(sheet);
        EXPECT_EQ(design.m_aBackgrounds[0]->m_PgDelay, 40000);
        Back(sheet);
        EXPECT_EQ(delay->text(), "40000");
        Retype(delay, "");
        Next(sheet);
        EXPECT_EQ(ui.Messages(), Strings{"Please enter an integer."});
        EXPECT_EQ(sheet.currentId(), CGlintraPrpSheet::TextPageId);
        EXPECT_EQ(design.m_aBackgrounds[0]->m_PgDelay, 40000) << "a cleared delay keeps its value";
        Back(sheet);
        EXPECT_EQ(delay->text(), "40000");

        QTest::keyClick(delay, Qt::Key_Up);
        EXPECT_EQ(delay->text(), "30528") << "an arrow starts from the typed number, within the range";
        Retype(delay, "30527");
        UserClick(up);
        EXPECT_EQ(delay->text(), "30528");
        UserClick(up);
        QTest::keyClick(delay, Qt::Key_Up);
        EXPECT_EQ(delay->text(), "30528");
        UserClick(down);
        EXPECT_EQ(delay->text(), "30527");
        Retype(delay, "0");
        QTest::keyClick(delay, Qt::Key_Down);
        EXPECT_EQ(delay->text(), "0");
        QTest::keyClick(delay, Qt::Key_Up);
        Next(sheet);
        Finish(sheet);
    });
    ASSERT_TRUE(finished);
    EXPECT_EQ(design.m_aBackgrounds[0]->m_PgDelay, 1);
}

// ---------------------------------------------------------------------------
// The Text page

const Strings kStyleNames = {"No Text Displaying",
                             "Horizontal Scrolling",
                             "Vertical Scrolling",
                             "Typing",
                             "Letter Raindroping",
                             "Sliping Text with Track",
                             "Static Text",
                             "Fade in Text wholly",
                             "Fade in Text with Direction",
                             "Smashing Text,Border Left",
                             "Smashing whole Text",
                             "Carving Text from Background",
                             "Moving two parts form two sides",
                             "Moving Banner",
                             "drunk"};

TEST_F(PagesText, ANewDesignsBannerShowsStaticText)
{
    const CGlintraAppletParams before(design);
    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        Next(sheet);
        CTextPage& page = Text(sheet);
        EXPECT_EQ(Ctl<QLabel>(page, 1000)->text(), "Set Glintra's Foreground Texts Style");
        QComboBox* style = Combo(page, CTextPage::IDC_STYLE);
        EXPECT_EQ(Entries(style), kStyleNames);
        EXPECT_EQ(style->currentIndex(), 6);
        EXPECT_EQ(style->currentText(), "Static Text");
        EXPECT_FALSE(IsEnabled(page, CTextPage::IDC_SPECIAL_PARAMS));
        EXPECT_TRUE(IsEnabled(page, CTextPage::IDC_FONT));
        EXPECT_EQ(Ctl<QPlainTextEdit>(page, CTextPage::IDC_TEXT)->toPlainText(), "Enter Message Here");
        EXPECT_EQ(Edit(page, CTextPage::IDC_LINK)->text(), "");
        EXPECT_EQ(Edit(page, CBannerListPage::IDC_TITLE)->text(), "Banner");
        QComboBox* frame = Combo(page, CTextPage::IDC_TARGET_FRAME);
        EXPECT_EQ(Entries(frame), (Strings{"_self", "_parent", "_top", "_blank"}));
        EXPECT_TRUE(frame->isEditable());
        EXPECT_EQ(frame->currentText(), "");
        Finish(sheet);
    });
    ASSERT_TRUE(finished);
    EXPECT_TRUE(design == before) << "nothing was changed";
}

struct StyleCase {
    int style;
    int misc1, misc2, speed;
    bool specialParams, font;
};

const StyleCase kStyleCases[] = {
    {0, 0, 0, 0, false, false},      {1, 0, 0, 25, false, true},     {2, 2000, 0, 25, true, true},
    {3, 0, 0, 20, false, true},      {4, 0, 0, 15, false, true},     {5, 0, 0, 15, true, true},
    {6, 0, 0, 0, false, true},       {7, 0, 0, 40, false, true},     {8, 0, 0, 20, true, true},
    {9, 2000, 0, 20, true, true},    {10, 2000, 0, 50, true, true},  {11, 0, 0, 10, false, true},
    {12, 2, 1, 5, true, true},       {13, 0, 2000, 5, true, true},   {14, 2000, 0, 50, true, true},
};

TEST_F(PagesText, ChoosingAnotherStyleSetsItsParametersAndSpeed)
{
    for (const StyleCase& c : kStyleCases) {
        SCOPED_TRACE("style " + std::to_string(c.style));
        design = CGlintraAppletParams();
        CBannerText& text = *design.m_aTexts[0];
        text.m_TextAnimateType = c.style;
        text.m_AnimateMisc1 = 111;
        text.m_AnimateMisc2 = 222;
        text.m_AnimateSpeed = 333;
        const auto params = [](const CBannerText& t) {
            return std::vector<int>{t.m_AnimateMisc1, t.m_AnimateMisc2, t.m_AnimateSpeed};
        };
        const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
            Next(sheet);
            Next(sheet);
            CTextPage& page = Text(sheet);
            QComboBox* style = Combo(page, CTextPage::IDC_STYLE);
            EXPECT_EQ(style->currentIndex(), c.style);
            EXPECT_EQ(IsEnabled(page, CTextPage::IDC_SPECIAL_PARAMS), c.specialParams) << "as loaded";
            EXPECT_EQ(IsEnabled(page, CTextPage::IDC_FONT), c.font) << "as loaded";
            Choose(style, c.style);
            EXPECT_EQ(params(page.m_text), (std::vector<int>{111, 222, 333})) << "the style already chosen";

            Choose(style, (c.style + 1) % 15);
            Choose(style, c.style);
            EXPECT_EQ(params(page.m_text), (std::vector<int>{c.misc1, c.misc2, c.speed}));
            EXPECT_EQ(IsEnabled(page, CTextPage::IDC_SPECIAL_PARAMS), c.specialParams);
            EXPECT_EQ(IsEnabled(page, CTextPage::IDC_FONT), c.font);
            Finish(sheet);
        });
        ASSERT_TRUE(finished);
        EXPECT_EQ(text.m_TextAnimateType, c.style);
        EXPECT_EQ(params(*design.m_aTexts[0]), (std::vector<int>{c.misc1, c.misc2, c.speed}));
    }
}

// What a detail dialog shows for a freshly chosen style, and the user's
// changes in it.
using DialogStep = std::function<void(QDialog&)>;

DialogStep ShowsTime(const char* description)
{
    return [description](QDialog& dialog) {
        EXPECT_EQ(Ctl<QLabel>(dialog, 1063)->text(), description);
        EXPECT_EQ(Edit(dialog, 1064)->text(), "2000");
    };
}

DialogStep TypesTime(const char* value)
{
    return [value](QDialog& dialog) { Retype(Edit(dialog, 1064), value); };
}

DialogStep ShowsDirections(Strings entries, const char* shown)
{
    return [entries, shown](QDialog& dialog) {
        EXPECT_EQ(Entries(Combo(dialog, 1066)), entries);
        EXPECT_EQ(Combo(dialog, 1066)->currentText(), shown);
    };
}

DialogStep Chooses(int id, int entry)
{
    return [id, entry](QDialog& dialog) { Choose(Combo(dialog, id), entry); };
}

struct ParamsCase {
    int style;
    const char* dialog;
    DialogStep shows;
    DialogStep edits;
    int misc1, misc2;  // after OK
};

const Strings kAllDirections = {"Top to Bottom", "Bottom to Top", "Left to Right", "Right to Left"};

const ParamsCase kParamsCases[] = {
    {2, "140", ShowsTime("Delay of every screen:"), TypesTime("1500"), 1500, 0},
    {9, "140", ShowsTime("Showing static text:"), TypesTime("300"), 300, 0},
    {10, "140", ShowsTime("Showing static text:"), TypesTime("40000"), 40000, 0},
    {14, "140", ShowsTime("Text Animating time:"), TypesTime("0"), 0, 0},
    {5, "141", ShowsDirections({"Top to Bottom", "Bottom to Top"}, "Top to Bottom"), Chooses(1066, 1), 1, 0},
    {8, "141", ShowsDirections(kAllDirections, "Top to Bottom"), Chooses(1066, 3), 3, 0},
    {12, "142",
     [](QDialog& dialog) {
         ShowsDirections(kAllDirections, "Left to Right")(dialog);
         EXPECT_EQ(Entries(Combo(dialog, 1067)), (Strings{"Even Lines and Odd Lines", "Text and It's Shadow"}));
         EXPECT_EQ(Combo(dialog, 1067)->currentText(), "Text and It's Shadow");
     },
     [](QDialog& dialog) {
         Chooses(1066, 3)(dialog);
         Chooses(1067, 0)(dialog);
     },
     3, 0},
    {13, "143",
     [](QDialog& dialog) {
         ShowsDirections(kAllDirections, "Top to Bottom")(dialog);
         EXPECT_EQ(Edit(dialog, 1064)->text(), "2000");
     },
     [](QDialog& dialog) {
         Chooses(1066, 2)(dialog);
         TypesTime("750")(dialog);
     },
     2, 750},
};

TEST_F(PagesText, SpecialParamsOpenTheStylesDialogAndOkWritesTheTextRecord)
{
    for (const ParamsCase& c : kParamsCases) {
        SCOPED_TRACE("style " + std::to_string(c.style));
        design = CGlintraAppletParams();
        ui.Clear();
        const CStyleDefaults defaults = *StyleDefaults(c.style);
        const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
            Next(sheet);
            Next(sheet);
            CTextPage& page = Text(sheet);
            Choose(Combo(page, CTextPage::IDC_STYLE), c.style);
            for (const bool ok : {false, true}) {
                ui.QueueDialog([&](QDialog& dialog) {
                    EXPECT_EQ(dialog.objectName(), c.dialog);
                    c.shows(dialog);
                    c.edits(dialog);
                    if (ok)
                        PressOk(dialog);
                    else
                        PressCancel(dialog);
                });
                UserClick(page, CTextPage::IDC_SPECIAL_PARAMS);
                EXPECT_EQ(page.m_text.m_AnimateMisc1, ok ? c.misc1 : defaults.misc1) << (ok ? "OK" : "Cancel");
                EXPECT_EQ(page.m_text.m_AnimateMisc2, ok ? c.misc2 : defaults.misc2) << (ok ? "OK" : "Cancel");
            }
            EXPECT_EQ(design.m_aTexts[0]->m_AnimateMisc1, 0) << "the design waits for the page's store";
            Finish(sheet);
        });
        ASSERT_TRUE(finished) << ui.Transcript();
        const CBannerText& stored = *design.m_aTexts[0];
        EXPECT_EQ(stored.m_TextAnimateType, c.style);
        EXPECT_EQ(stored.m_AnimateMisc1, c.misc1);
        EXPECT_EQ(stored.m_AnimateMisc2, c.misc2);
        EXPECT_EQ(stored.m_AnimateSpeed, defaults.speed);
        EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
    }
}

// A file written by hand can give the sliding style a horizontal direction,
// which its Direction dialog does not offer: OK keeps it, as it keeps any
// direction without an entry.
TEST_F(PagesText, SlidingTextKeepsAStoredHorizontalDirection)
{
    for (const int direction : {2, 3}) {
        SCOPED_TRACE(direction);
        design = CGlintraAppletParams();
        design.m_aTexts[0]->m_TextAnimateType = 5;
        design.m_aTexts[0]->m_AnimateMisc1 = direction;
        const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
            Next(sheet);
            Next(sheet);
            ui.QueueDialog([](QDialog& dialog) {
                EXPECT_EQ(Combo(dialog, 1066)->count(), 2);
                EXPECT_EQ(Combo(dialog, 1066)->currentIndex(), -1) << "no entry is the stored direction";
                PressOk(dialog);
            });
            UserClick(Text(sheet), CTextPage::IDC_SPECIAL_PARAMS);
            EXPECT_EQ(Text(sheet).m_text.m_AnimateMisc1, direction);
            Finish(sheet);
        });
        ASSERT_TRUE(finished);
        EXPECT_EQ(design.m_aTexts[0]->m_AnimateMisc1, direction);
    }
}

TEST_F(PagesText, FontDialogShowsTheRecordAndOkWritesItBack)
{
    CBannerText& text = *design.m_aTexts[0];
    text.m_FontName = 2;
    text.m_FontSize = 24;
    text.m_FontColor = RGB(1, 2, 3);
    text.m_ShadowColor = RGB(4, 5, 6);
    text.m_FontStyle = 1;
    text.m_SpecialEffect = 3;
    text.m_TextAlign = 5;  // Left, Bottom
    text.m_LeftTopX = 11;
    text.m_LeftTopY = -7;
    text.m_AnimateSpeed = 120;
    text.m_TextDisPos = 77;
    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        Next(sheet);
        CTextPage& page = Text(sheet);
        const auto shown = [](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), "139");
            EXPECT_EQ(Combo(dialog, 1033)->currentIndex(), 2);
            EXPECT_EQ(Edit(dialog, 1072)->text(), "24");
            EXPECT_EQ(Ctl<CColorButton>(dialog, 1015)->Color(), RGB(1, 2, 3));
            EXPECT_EQ(Ctl<CColorButton>(dialog, 1016)->Color(), RGB(4, 5, 6));
            EXPECT_TRUE(Ctl<QRadioButton>(dialog, 1050)->isChecked());
            EXPECT_EQ(Combo(dialog, 1043)->currentIndex(), 3);
            EXPECT_EQ(Combo(dialog, 1044)->currentText(), "Left");
            EXPECT_EQ(Combo(dialog, 1045)->currentText(), "Bottom");
            EXPECT_EQ(Edit(dialog, 1059)->text(), "11");
            EXPECT_EQ(Edit(dialog, 1060)->text(), "-7");
            EXPECT_EQ(Ctl<QSlider>(dialog, 1048)->value(), 120);
        };
        const auto edit = [&](QDialog& dialog) {
            Choose(Combo(dialog, 1033), 0);
            Retype(Edit(dialog, 1072), "30");
            ui.QueueColor(RGB(70, 80, 90));
            UserClick(dialog, 1015);
            ui.QueueColor(RGB(10, 20, 30));
            UserClick(dialog, 1016);
            UserClick(dialog, 1051);
            Choose(Combo(dialog, 1043), 1);
            Choose(Combo(dialog, 1044), 0);
            Choose(Combo(dialog, 1045), 1);
            Retype(Edit(dialog, 1059), "5");
            Retype(Edit(dialog, 1060), "6");
            Ctl<QSlider>(dialog, 1048)->setValue(200);
        };
        const CBannerText original = page.m_text;
        ui.QueueDialog([&](QDialog& dialog) {
            shown(dialog);
            edit(dialog);
            PressCancel(dialog);
        });
        UserClick(page, CTextPage::IDC_FONT);
        EXPECT_EQ(page.m_text, original) << "Cancel";

        ui.QueueDialog([&](QDialog& dialog) {
            shown(dialog);
            edit(dialog);
            PressOk(dialog);
        });
        UserClick(page, CTextPage::IDC_FONT);
        EXPECT_EQ(*design.m_aTexts[0], original) << "the design waits for the page's store";
        Finish(sheet);
    });
    ASSERT_TRUE(finished) << ui.Transcript();
    EXPECT_EQ(text.m_FontName, 0);
    EXPECT_EQ(text.m_FontSize, 30);
    EXPECT_EQ(text.m_FontColor, RGB(70, 80, 90));
    EXPECT_EQ(text.m_ShadowColor, RGB(10, 20, 30));
    EXPECT_EQ(text.m_FontStyle, 2);
    EXPECT_EQ(text.m_SpecialEffect, 1);
    EXPECT_EQ(text.m_TextAlign, 1);  // Middle, Top
    EXPECT_EQ(text.m_LeftTopX, 5);
    EXPECT_EQ(text.m_LeftTopY, 6);
    EXPECT_EQ(text.m_AnimateSpeed, 200);
    EXPECT_EQ(text.m_TextDisPos, 77);
    EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
}

// The placement is one number, 3 x horizontal + vertical: every pair is
// written, then shown again from the number written.
TEST_F(PagesText, FontPlacementIsThreeTimesHorizontalPlusVertical)
{
    design.m_aTexts[0]->m_TextDisPos = 77;
    const Strings horizontal = {"Middle", "Left", "Right"};
    const Strings vertical = {"Middle", "Top", "Bottom"};
    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        Next(sheet);
        CTextPage& page = Text(sheet);
        for (int h = 0; h < 3; ++h) {
            for (int v = 0; v < 3; ++v) {
                SCOPED_TRACE(horizontal[size_t(h)] + ", " + vertical[size_t(v)]);
                ui.QueueDialog([&](QDialog& dialog) {
                    Choose(Combo(dialog, 1044), h);
                    Choose(Combo(dialog, 1045), v);
                    PressOk(dialog);
                });
                UserClick(page, CTextPage::IDC_FONT);
                EXPECT_EQ(page.m_text.m_TextAlign, 3 * h + v);
                ui.QueueDialog([&](QDialog& dialog) {
                    EXPECT_EQ(Combo(dialog, 1044)->currentText().toStdString(), horizontal[size_t(h)]);
                    EXPECT_EQ(Combo(dialog, 1045)->currentText().toStdString(), vertical[size_t(v)]);
                    PressCancel(dialog);
                });
                UserClick(page, CTextPage::IDC_FONT);
            }
        }
        Finish(sheet);
    });
    ASSERT_TRUE(finished);
    EXPECT_EQ(design.m_aTexts[0]->m_TextAlign, 8);  // Right, Bottom
    EXPECT_EQ(design.m_aTexts[0]->m_TextDisPos, 77);
    EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
}

struct FrameCase {
    const char* stored;
    const char* typed;  // null: left as shown
    const char* shown;
    int entry;          // -1: no entry selected
    const char* after;
};

const FrameCase kFrameCases[] = {
    {"_top", nullptr, "_top", 2, "_top"},
    {"_T", nullptr, "_top", 2, "_top"},
    {"_PAR", nullptr, "_parent", 1, "_parent"},
    {"_", nullptr, "_self", 0, "_self"},
    {"_topmost", nullptr, "_topmost", -1, "_topmost"},
    {"main", nullptr, "main", -1, "main"},
    {"", nullptr, "", -1, ""},
    {"_blank", "main", "_blank", 3, "main"},
    {"", "main", "", -1, "main"},
};

TEST_F(PagesText, TargetFrameSelectsTheFirstEntryBeginningWithTheStoredName)
{
    for (const FrameCase& c : kFrameCases) {
        SCOPED_TRACE(std::string("stored \"") + c.stored + "\"" + (c.typed ? std::string(" typed ") + c.typed : ""));
        design = CGlintraAppletParams();
        design.m_aTexts[0]->m_TargetFrame = c.stored;
        const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
            Next(sheet);
            Next(sheet);
            QComboBox* frame = Combo(Text(sheet), CTextPage::IDC_TARGET_FRAME);
            EXPECT_EQ(frame->currentText(), c.shown);
            EXPECT_EQ(frame->currentIndex(), c.entry);
            if (c.typed)
                Retype(frame->lineEdit(), c.typed);
            Finish(sheet);
        });
        ASSERT_TRUE(finished);
        EXPECT_EQ(design.m_aTexts[0]->m_TargetFrame, c.after);
    }
}

TEST_F(PagesText, TextLinesAreStoredWithCrLfAndShownWithout)
{
    design.SetBannerCount(2);
    design.m_aTexts[1]->m_ShowText = "first\r\nsecond";
    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        Next(sheet);
        CTextPage& page = Text(sheet);
        auto* text = Ctl<QPlainTextEdit>(page, CTextPage::IDC_TEXT);
        text->setFocus(Qt::MouseFocusReason);
        text->selectAll();
        QTest::keyClicks(text, "one");
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, "two");
        Retype(Edit(page, CTextPage::IDC_LINK), "http://example.com/sale.htm");
        SelectLine(page, 1);
        EXPECT_EQ(text->toPlainText(), "first\nsecond");
        Finish(sheet);
    });
    ASSERT_TRUE(finished);
    EXPECT_EQ(design.m_aTexts[0]->m_ShowText, "one\r\ntwo");
    EXPECT_EQ(design.m_aTexts[0]->m_URL, "http://example.com/sale.htm");
    EXPECT_EQ(design.m_aTexts[1]->m_ShowText, "first\r\nsecond");
}

// ---------------------------------------------------------------------------
// Designs from other people's files

// Values drawn from a control's entries, its edges and just beyond, and
// numbers no control offers.
class CWildValues {
public:
    explicit CWildValues(unsigned seed) : m_random(seed) {}

    // An index for a list of count entries.
    int Index(int count)
    {
        switch (Below(8)) {
        case 0:
            return -1;
        case 1:
            return count;
        case 2:
            return Wild();
        default:
            return Below(count);
        }
    }
    // A number for a field whose up-down runs from lower to upper.
    int Number(int lower, int upper)
    {
        switch (Below(8)) {
        case 0:
            return lower;
        case 1:
            return upper;
        case 2:
            return upper + 1;
        case 3:
        case 4:
            return Wild();
        default:
            return lower + Below(upper - lower + 1);
        }
    }
    COLORREF Color() { return COLORREF(m_random()); }
    bool Coin() { return Below(2) == 0; }
    template <class T, size_t N>
    const T& Of(const T (&values)[N])
    {
        return values[Below(int(N))];
    }
    int Below(int count) { return int(m_random() % unsigned(count)); }

private:
    int Wild()
    {
        static constexpr int kWild[] = {INT_MIN, INT_MIN + 1, -2147483, -5, -4, -3, -1, 7, 9, 12,
                                        20, 40, 99, 30529, 100000, INT_MAX - 1, INT_MAX};
        return Of(kWild);
    }

    std::mt19937 m_random;
};

const char* const kPaths[] = {"", "/art/frame.gif", "C:\\art\\frame.gif", "caf\xe9.gif", "\xc3\xbc" "ber/sky.jpg"};
const char* const kFrames[] = {"", "_self", "_parent", "_top", "_blank", "main", "_topmost", "frame two"};
const char* const kTexts[] = {"", "Hello", "one\r\ntwo", "ends\r\n", "caf\xe9 \xc3\xbc"};
const char* const kTitles[] = {"Banner", "", "Sale \xe9t\xe9", "T\xc3\xbc"};

CGlintraAppletParams WildDesign(CWildValues& wild)
{
    CGlintraAppletParams made;
    made.SetBannerCount(1 + wild.Below(4));
    made.m_nCurPage = wild.Below(made.m_nTotalPages);
    made.m_Align = wild.Index(3);
    made.m_appBKColor = wild.Color();
    made.m_appWidth = wild.Number(0, 5000);
    made.m_appHeight = wild.Number(0, 5000);
    made.m_PgHrWidth = wild.Number(0, 500);
    made.m_PgVtWidth = wild.Number(0, 500);
    made.m_appBorderWidth = wild.Number(0, 500);
    made.m_appBorderType = wild.Index(5);
    made.m_appBKImagePath = wild.Of(kPaths);
    made.m_appBKImageWebPath = wild.Of(kPaths);
    made.m_ClassWebPath = wild.Of(kPaths);
    made.m_strClassLocalPath = "/nowhere/";
    made.m_BackMoveSpeed = wild.Number(0, 400);
    made.m_bWithBar = wild.Coin() ? TRUE : FALSE;
    made.m_strLoadMessage = wild.Of(kTitles);
    for (int i = 0; i < made.m_nTotalPages; ++i) {
        CBannerBackground& background = *made.m_aBackgrounds[size_t(i)];
        // One in three an image fill, so that its dialog is opened too.
        background.m_PgBKType = wild.Below(3) == 0 ? 0 : wild.Index(20);
        background.m_PgBKColor = wild.Color();
        background.m_PgConnStyle = wild.Index(13);
        background.m_PgDelay = wild.Number(0, 30528);
        background.m_PgBKImg = wild.Of(kPaths);
        background.m_PgBKImgWebPath = wild.Of(kPaths);
        background.m_PgBKImgPutType = wild.Index(2);
        background.m_BKTitle = wild.Of(kTitles);

        CBannerText& text = *made.m_aTexts[size_t(i)];
        text.m_ShowText = wild.Of(kTexts);
        text.m_URL = wild.Of(kPaths);
        text.m_TargetFrame = wild.Of(kFrames);
        text.m_FontSize = wild.Number(0, 5000);
        text.m_FontName = wild.Index(3);
        text.m_FontColor = wild.Color();
        text.m_ShadowColor = wild.Color();
        text.m_FontStyle = wild.Index(3);
        text.m_TextDisPos = wild.Number(0, 8);
        text.m_TextAlign = wild.Index(9);
        text.m_LeftTopX = wild.Number(-5000, 5000);
        text.m_LeftTopY = wild.Number(-5000, 5000);
        text.m_SpecialEffect = wild.Index(5);
        text.m_TextAnimateType = wild.Index(15);
        text.m_AnimateMisc1 = wild.Coin() ? wild.Index(4) : wild.Number(0, 30528);
        text.m_AnimateMisc2 = wild.Coin() ? wild.Index(2) : wild.Number(0, 30528);
        text.m_AnimateSpeed = wild.Number(0, 400);
        text.m_TextTitle = wild.Of(kTitles);
        // Both records of a banner carry one check mark.
        text.m_bTextEnable = background.m_bBKEnable = wild.Coin() ? TRUE : FALSE;
    }
    return made;
}

template <class T>
std::string Shown(const T& value)
{
    if constexpr (std::is_arithmetic_v<T>)
        return std::to_string(value);
    else
        return "\"" + value + "\"";
}

// Every field that differs, one line each.
std::string Differences(const CGlintraAppletParams& actual, const CGlintraAppletParams& expected)
{
    std::string lines;
    const auto compare = [&lines](const std::string& name, const auto& got, const auto& want) {
        if (!(got == want))
            lines += name + " is " + Shown(got) + ", was " + Shown(want) + "\n";
    };
#define GLINTRA_COMPARE(field) compare(#field, actual.field, expected.field)
    GLINTRA_COMPARE(m_Align);
    GLINTRA_COMPARE(m_ClassWebPath);
    GLINTRA_COMPARE(m_strClassLocalPath);
    GLINTRA_COMPARE(m_appWidth);
    GLINTRA_COMPARE(m_appHeight);
    GLINTRA_COMPARE(m_appBorderWidth);
    GLINTRA_COMPARE(m_appBorderType);
    GLINTRA_COMPARE(m_appBKImagePath);
    GLINTRA_COMPARE(m_appBKImageWebPath);
    GLINTRA_COMPARE(m_appBKColor);
    GLINTRA_COMPARE(m_PgHrWidth);
    GLINTRA_COMPARE(m_PgVtWidth);
    GLINTRA_COMPARE(m_BackMoveSpeed);
    GLINTRA_COMPARE(m_bWithBar);
    GLINTRA_COMPARE(m_strLoadMessage);
    GLINTRA_COMPARE(m_nTotalPages);
    GLINTRA_COMPARE(m_nCurPage);
    if (actual.m_aBackgrounds.size() != expected.m_aBackgrounds.size() ||
        actual.m_aTexts.size() != expected.m_aTexts.size())
        return lines + "the banners differ in number\n";
    for (size_t i = 0; i < actual.m_aBackgrounds.size(); ++i) {
        const std::string at = "banner " + std::to_string(i) + " ";
        const CBannerBackground& a = *actual.m_aBackgrounds[i];
        const CBannerBackground& e = *expected.m_aBackgrounds[i];
        compare(at + "m_PgConnStyle", a.m_PgConnStyle, e.m_PgConnStyle);
        compare(at + "m_PgDelay", a.m_PgDelay, e.m_PgDelay);
        compare(at + "m_PgBKType", a.m_PgBKType, e.m_PgBKType);
        compare(at + "m_PgBKColor", a.m_PgBKColor, e.m_PgBKColor);
        compare(at + "m_PgBKImg", a.m_PgBKImg, e.m_PgBKImg);
        compare(at + "m_PgBKImgWebPath", a.m_PgBKImgWebPath, e.m_PgBKImgWebPath);
        compare(at + "m_PgBKImgPutType", a.m_PgBKImgPutType, e.m_PgBKImgPutType);
        compare(at + "m_BKTitle", a.m_BKTitle, e.m_BKTitle);
        compare(at + "m_bBKEnable", a.m_bBKEnable, e.m_bBKEnable);
    }
    for (size_t i = 0; i < actual.m_aTexts.size(); ++i) {
        const std::string at = "banner " + std::to_string(i) + " ";
        const CBannerText& a = *actual.m_aTexts[i];
        const CBannerText& e = *expected.m_aTexts[i];
        compare(at + "m_ShowText", a.m_ShowText, e.m_ShowText);
        compare(at + "m_URL", a.m_URL, e.m_URL);
        compare(at + "m_TargetFrame", a.m_TargetFrame, e.m_TargetFrame);
        compare(at + "m_FontSize", a.m_FontSize, e.m_FontSize);
        compare(at + "m_FontName", a.m_FontName, e.m_FontName);
        compare(at + "m_FontColor", a.m_FontColor, e.m_FontColor);
        compare(at + "m_ShadowColor", a.m_ShadowColor, e.m_ShadowColor);
        compare(at + "m_FontStyle", a.m_FontStyle, e.m_FontStyle);
        compare(at + "m_TextDisPos", a.m_TextDisPos, e.m_TextDisPos);
        compare(at + "m_TextAlign", a.m_TextAlign, e.m_TextAlign);
        compare(at + "m_LeftTopX", a.m_LeftTopX, e.m_LeftTopX);
        compare(at + "m_LeftTopY", a.m_LeftTopY, e.m_LeftTopY);
        compare(at + "m_SpecialEffect", a.m_SpecialEffect, e.m_SpecialEffect);
        compare(at + "m_TextAnimateType", a.m_TextAnimateType, e.m_TextAnimateType);
        compare(at + "m_AnimateMisc1", a.m_AnimateMisc1, e.m_AnimateMisc1);
        compare(at + "m_AnimateMisc2", a.m_AnimateMisc2, e.m_AnimateMisc2);
        compare(at + "m_AnimateSpeed", a.m_AnimateSpeed, e.m_AnimateSpeed);
        compare(at + "m_TextTitle", a.m_TextTitle, e.m_TextTitle);
        compare(at + "m_bTextEnable", a.m_bTextEnable, e.m_bTextEnable);
    }
#undef GLINTRA_COMPARE
    return lines;
}

// The entry a list shows for a stored index: none unless it names one.
int EntryFor(int value, int count)
{
    return value >= 0 && value < count ? value : -1;
}

// The styles whose Special Params button opens a dialog.
bool HasSpecialDialog(int style)
{
    return style == 2 || style == 5 || style == 8 || style == 9 || style == 10 || style == 12 || style == 13 ||
           style == 14;
}

// A stored -1 is one more value that no list offers: the buttons follow it
// as they follow 40 or 99, whatever banner was shown before.
TEST_F(PagesOutOfRange, AStoredMinusOneSetsTheButtonsAsAnyOtherUnofferedValue)
{
    design.SetBannerCount(2);
    design.m_aBackgrounds[0]->m_PgBKType = 0;
    design.m_aBackgrounds[1]->m_PgBKType = -1;
    design.m_aTexts[0]->m_TextAnimateType = 0;
    design.m_aTexts[1]->m_TextAnimateType = -1;
    Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        CBackgroundPage& background = Background(sheet);
        EXPECT_TRUE(IsEnabled(background, CBackgroundPage::IDC_IMAGE)) << "an image fill";
        SelectLine(background, 1);
        EXPECT_FALSE(IsEnabled(background, CBackgroundPage::IDC_IMAGE)) << "no image fill";
        SelectLine(background, 0);
        Next(sheet);
        CTextPage& text = Text(sheet);
        EXPECT_FALSE(IsEnabled(text, CTextPage::IDC_FONT)) << "no text displayed";
        SelectLine(text, 1);
        EXPECT_TRUE(IsEnabled(text, CTextPage::IDC_FONT)) << "a style other than 0";
        Cancel(sheet);
    });
}

// Each design is opened, every banner is chosen on both banner pages, and
// the detail dialogs are opened and left with OK on some; after Finish the
// design is as it was. Lists show no selection for a value they do not
// offer, and integer edits show every int as it is.
TEST_F(PagesOutOfRange, WizardAndItsDialogsKeepEveryValueNoControlOffers)
{
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        CWildValues wild(seed);
        design = WildDesign(wild);
        CGlintraAppletParams expected(design);
        ui.Clear();
        const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
            CGeneralPage& general = General(sheet);
            EXPECT_EQ(Combo(general, CGeneralPage::IDC_ALIGN)->currentIndex(), EntryFor(design.m_Align, 3));
            EXPECT_EQ(Combo(general, CGeneralPage::IDC_BORDER_STYLE)->currentIndex(),
                      EntryFor(design.m_appBorderType, 5));
            EXPECT_EQ(Edit(general, CGeneralPage::IDC_WIDTH)->text(), QString::number(design.m_appWidth));
            EXPECT_EQ(Edit(general, CGeneralPage::IDC_BORDER_WIDTH)->text(),
                      QString::number(design.m_appBorderWidth));
            if (wild.Coin()) {
                ui.QueueDialog(PressOk);
                UserClick(general, CGeneralPage::IDC_MOVING_SPEED);
                ui.QueueDialog(PressOk);
                UserClick(general, CGeneralPage::IDC_LOADING_MESSAGE);
            }
            const auto inner = [](int size, int margin, int border) {
                return static_cast<long long>(size) - 2LL * (static_cast<long long>(margin) + border);
            };
            Strings warnings;
            if (inner(design.m_appWidth, design.m_PgHrWidth, design.m_appBorderWidth) <= 0)
                warnings.push_back("The applet width is too small,Please enlarge it!");
            if (inner(design.m_appHeight, design.m_PgVtWidth, design.m_appBorderWidth) <= 0)
                warnings.push_back("The applet height is too small,Please enlarge it!");
            for (size_t i = 0; i < warnings.size(); ++i)
                ui.QueueAnswer(IDOK);
            Next(sheet);
            EXPECT_EQ(ui.Messages(), warnings);

            CBackgroundPage& background = Background(sheet);
            for (int i = 0; i < design.m_nTotalPages; ++i) {
                SelectLine(background, i);
                const CBannerBackground& record = *expected.m_aBackgrounds[size_t(i)];
                EXPECT_EQ(Combo(background, CBackgroundPage::IDC_FILL_TYPE)->currentIndex(),
                          EntryFor(record.m_PgBKType, 20)) << i;
                EXPECT_EQ(Combo(background, CBackgroundPage::IDC_SHOW_STYLE)->currentIndex(),
                          EntryFor(record.m_PgConnStyle, 13)) << i;
                EXPECT_EQ(Edit(background, CBackgroundPage::IDC_DELAY)->text(), QString::number(record.m_PgDelay));
                EXPECT_EQ(IsEnabled(background, CBackgroundPage::IDC_IMAGE), record.m_PgBKType == 0) << i;
                if (record.m_PgBKType == 0 && wild.Coin()) {
                    ui.QueueDialog(PressOk);
                    UserClick(background, CBackgroundPage::IDC_IMAGE);
                }
            }
            SelectLine(background, expected.m_nCurPage);
            Next(sheet);

            CTextPage& text = Text(sheet);
            for (int i = 0; i < design.m_nTotalPages; ++i) {
                SelectLine(text, i);
                CBannerText& record = *expected.m_aTexts[size_t(i)];
                const int style = record.m_TextAnimateType;
                EXPECT_EQ(Combo(text, CTextPage::IDC_STYLE)->currentIndex(), EntryFor(style, 15)) << i;
                if (IsEnabled(text, CTextPage::IDC_FONT) && wild.Coin()) {
                    ui.QueueDialog([&](QDialog& dialog) {
                        EXPECT_EQ(Combo(dialog, 1033)->currentIndex(), EntryFor(record.m_FontName, 3));
                        const bool placed = record.m_TextAlign >= 0 && record.m_TextAlign <= 8;
                        EXPECT_EQ(Combo(dialog, 1044)->currentIndex(), placed ? record.m_TextAlign / 3 : -1);
                        EXPECT_EQ(Combo(dialog, 1045)->currentIndex(), placed ? record.m_TextAlign % 3 : -1);
                        EXPECT_EQ(Edit(dialog, 1072)->text(), QString::number(record.m_FontSize));
                        EXPECT_EQ(Edit(dialog, 1059)->text(), QString::number(record.m_LeftTopX));
                        PressOk(dialog);
                    });
                    UserClick(text, CTextPage::IDC_FONT);
                    // The scrolling, typing and drunk styles draw plain text:
                    // their dialog offers "Normal" only and sets it.
                    if (!StyleOffersEffects(style))
                        record.m_SpecialEffect = 0;
                }
                if (HasSpecialDialog(style) && wild.Coin()) {
                    ui.QueueDialog(PressOk);
                    UserClick(text, CTextPage::IDC_SPECIAL_PARAMS);
                }
            }
            SelectLine(text, expected.m_nCurPage);
            Finish(sheet);
        });
        ASSERT_TRUE(finished) << ui.Transcript();
        EXPECT_EQ(Differences(design, expected), "");
        EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
        EXPECT_FALSE(ui.HasPendingScript());
        if (HasFailure())
            break;
    }
}

} // namespace
