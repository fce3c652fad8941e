// The wizard's detail dialogs, each run modally as its page runs it: the
// members go into the controls, OK reads them back, Cancel keeps them; the
// integer fields, the up-downs, the lists that offer less than the member
// holds, the font dialog's effects and swatches, and the picker of web files.
#include "wizardfixture.h"

#include "wizard/backgroundimagedlg.h"
#include "wizard/colorbutton.h"
#include "wizard/directiondlg.h"
#include "wizard/directionpartsdlg.h"
#include "wizard/directiontimedlg.h"
#include "wizard/loadingmessagedlg.h"
#include "wizard/movingspeeddlg.h"
#include "wizard/textfontdlg.h"
#include "wizard/timedlg.h"
#include "wizard/webpathfiledialog.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

#include <climits>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

class DialogTest : public ::testing::Test {
protected:
    // Runs the dialog as its page does; the driver works it from inside its
    // loop and ends it.
    template <class D, class F>
    int Run(D& dialog, F driver)
    {
        ui.QueueDialog([driver](QDialog& shown) {
            shown.activateWindow();
            QApplication::processEvents();
            driver(static_cast<D&>(shown));
        });
        return UiServices().RunModal(dialog);
    }

    void TearDown() override
    {
        EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
        for (const CUiExchangeRecord& record : ui.RecordsOf(EUiExchange::Dialog))
            EXPECT_FALSE(record.leftOpen) << "a driver left " << record.name << " open";
    }

    CScriptedUiServices ui;
    CScopedUiServices installUi{&ui};
};

Strings Entries(QComboBox* combo)
{
    Strings entries;
    for (int i = 0; combo && i < combo->count(); ++i)
        entries.push_back(combo->itemText(i).toStdString());
    return entries;
}

std::string Rgb(COLORREF color)
{
    return std::to_string(GetRValue(color)) + "," + std::to_string(GetGValue(color)) + "," +
           std::to_string(GetBValue(color));
}

void Ok(QDialog& dialog)
{
    UserClick(dialog, IDOK);
}

void CancelButton(QDialog& dialog)
{
    UserClick(dialog, IDCANCEL);
}

// Escape where the focus is, as the keyboard sends it.
void Escape(QDialog& dialog)
{
    QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
    QTest::keyClick(target, Qt::Key_Escape);
}

// Moves a slider with the keyboard.
void SlideTo(QSlider* slider, Qt::Key key)
{
    ASSERT_NE(slider, nullptr);
    slider->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(slider, key);
}

QLineEdit* EditOf(QWidget& dialog, int id)
{
    return Ctl<QLineEdit>(dialog, id);
}

// The radio buttons of a group, by number, that show checked.
std::vector<int> Checked(QWidget& dialog, std::initializer_list<int> ids)
{
    std::vector<int> checked;
    for (int id : ids)
        if (Ctl<QRadioButton>(dialog, id)->isChecked())
            checked.push_back(id);
    return checked;
}

// ---------------------------------------------------------------------------
// Every member of each dialog, as one text, to see what OK and Cancel did.

std::string Members(const CTextFontDlg& d)
{
    std::ostringstream s;
    s << "animate " << d.m_nAnimateType << " name " << d.m_nFontName << " size " << d.m_nFontSize << " font "
      << Rgb(d.m_crFont) << " shadow " << Rgb(d.m_crShadow) << " style " << d.m_nFontStyle << " effect "
      << d.m_nEffect << " h " << d.m_nHorizontal << " v " << d.m_nVertical << " x " << d.m_nXOffset << " y "
      << d.m_nYOffset << " speed " << d.m_nSpeed;
    return s.str();
}

std::string Members(const CTimeDlg& d)
{
    return d.m_strDescription + " " + std::to_string(d.m_nValue);
}

std::string Members(const CDirectionDlg& d)
{
    return "animate " + std::to_string(d.m_nAnimateType) + " direction " + std::to_string(d.m_nDirection);
}

std::string Members(const CDirectionPartsDlg& d)
{
    return "direction " + std::to_string(d.m_nDirection) + " parts " + std::to_string(d.m_nPartsStyle);
}

std::string Members(const CDirectionTimeDlg& d)
{
    return "direction " + std::to_string(d.m_nDirection) + " time " + std::to_string(d.m_nTime);
}

std::string Members(const CMovingSpeedDlg& d)
{
    return "position " + std::to_string(d.m_nPosition);
}

std::string Members(const CLoadingMessageDlg& d)
{
    return std::string(d.m_bWithBar ? "bar" : "no bar") + " [" + d.m_strMessage + "]";
}

std::string Members(const CBackgroundImageDlg& d)
{
    return "image [" + d.m_strImage + "] web [" + d.m_strWebPath + "] put " + std::to_string(d.m_nPutType);
}

std::string MembersOf(CDataDialog& dialog)
{
    if (auto* d = dynamic_cast<CTextFontDlg*>(&dialog))
        return Members(*d);
    if (auto* d = dynamic_cast<CTimeDlg*>(&dialog))
        return Members(*d);
    if (auto* d = dynamic_cast<CDirectionDlg*>(&dialog))
        return Members(*d);
    if (auto* d = dynamic_cast<CDirectionPartsDlg*>(&dialog))
        return Members(*d);
    if (auto* d = dynamic_cast<CDirectionTimeDlg*>(&dialog))
        return Members(*d);
    if (auto* d = dynamic_cast<CMovingSpeedDlg*>(&dialog))
        return Members(*d);
    if (auto* d = dynamic_cast<CLoadingMessageDlg*>(&dialog))
        return Members(*d);
    if (auto* d = dynamic_cast<CBackgroundImageDlg*>(&dialog))
        return Members(*d);
    ADD_FAILURE() << "no members known for " << dialog.objectName().toStdString();
    return {};
}

// ---------------------------------------------------------------------------
// The dialogs as their pages fill them, with values of the test's own.

std::unique_ptr<CTextFontDlg> TextFont(int animateType = 4)
{
    auto d = std::make_unique<CTextFontDlg>();
    d->m_nAnimateType = animateType;
    d->m_nFontName = 1;
    d->m_nFontSize = 24;
    d->m_crFont = RGB(10, 20, 30);
    d->m_crShadow = RGB(40, 50, 60);
    d->m_nFontStyle = 2;
    d->m_nEffect = 3;
    d->m_nHorizontal = 2;
    d->m_nVertical = 1;
    d->m_nXOffset = -20;
    d->m_nYOffset = 35;
    d->m_nSpeed = 140;
    return d;
}

std::unique_ptr<CTimeDlg> Time(int value = 1500)
{
    auto d = std::make_unique<CTimeDlg>();
    d->m_strDescription = "Delay of every screen:";
    d->m_nValue = value;
    return d;
}

std::unique_ptr<CDirectionDlg> Direction(int animateType, int direction)
{
    auto d = std::make_unique<CDirectionDlg>();
    d->m_nAnimateType = animateType;
    d->m_nDirection = direction;
    return d;
}

std::unique_ptr<CDirectionPartsDlg> DirectionParts(int direction, int parts)
{
    auto d = std::make_unique<CDirectionPartsDlg>();
    d->m_nDirection = direction;
    d->m_nPartsStyle = parts;
    return d;
}

std::unique_ptr<CDirectionTimeDlg> DirectionTime(int direction = 1, int time = 3000)
{
    auto d = std::make_unique<CDirectionTimeDlg>();
    d->m_nDirection = direction;
    d->m_nTime = time;
    return d;
}

std::unique_ptr<CMovingSpeedDlg> MovingSpeed(int position)
{
    auto d = std::make_unique<CMovingSpeedDlg>();
    d->m_nPosition = position;
    return d;
}

std::unique_ptr<CLoadingMessageDlg> LoadingMessage()
{
    auto d = std::make_unique<CLoadingMessageDlg>();
    d->m_bWithBar = TRUE;
    d->m_strMessage = "Loading pictures...";
    return d;
}

std::unique_ptr<CBackgroundImageDlg> BackgroundImage(const std::string& image = "/pics/sky.gif",
                                                     const std::string& webPath = "img/", int putType = 1)
{
    auto d = std::make_unique<CBackgroundImageDlg>();
    d->m_strImage = image;
    d->m_strWebPath = webPath;
    d->m_nPutType = putType;
    return d;
}

using Maker = std::function<std::unique_ptr<CDataDialog>()>;
using Work = std::function<void(QDialog&)>;

// ---------------------------------------------------------------------------
// Showing, OK and Cancel, the same for every dialog.

struct RoundTrip {
    const char* caption;
    const char* number;   // the dialog's resource number
    Maker make;
    Work expectShown;     // the controls show the members made above
    std::function<void(QDialog&, CScriptedUiServices&)> change;  // the user changes every control
    std::string changed;  // the members after OK on those changes
};

const std::vector<RoundTrip>& RoundTrips()
{
    static const std::vector<RoundTrip> cases = {
        {"Font", "139", [] { return TextFont(); },
         [](QDialog& d) {
             EXPECT_EQ(Ctl<QComboBox>(d, 1033)->currentIndex(), 1);
             EXPECT_EQ(EditOf(d, 1072)->text(), "24");
             EXPECT_EQ(Checked(d, {1049, 1050, 1051}), std::vector<int>{1051});
             EXPECT_EQ(Ctl<QComboBox>(d, 1043)->currentIndex(), 3);
             EXPECT_EQ(Ctl<QComboBox>(d, 1044)->currentIndex(), 2);
             EXPECT_EQ(Ctl<QComboBox>(d, 1045)->currentIndex(), 1);
             EXPECT_EQ(EditOf(d, 1059)->text(), "-20") << "a negative offset is shown as it is";
             EXPECT_EQ(EditOf(d, 1060)->text(), "35");
             EXPECT_EQ(Ctl<QSlider>(d, 1048)->value(), 140);
             EXPECT_EQ(Ctl<CColorButton>(d, 1015)->Color(), RGB(10, 20, 30));
             EXPECT_EQ(Ctl<CColorButton>(d, 1016)->Color(), RGB(40, 50, 60));
         },
         [](QDialog& d, CScriptedUiServices& ui) {
             Choose(Ctl<QComboBox>(d, 1033), 2);
             TypeInto(EditOf(d, 1072), "48");
             UserClick(d, 1049);
             Choose(Ctl<QComboBox>(d, 1043), 4);
             Choose(Ctl<QComboBox>(d, 1044), 0);
             Choose(Ctl<QComboBox>(d, 1045), 2);
             TypeInto(EditOf(d, 1059), "7");
             TypeInto(EditOf(d, 1060), "0");
             SlideTo(Ctl<QSlider>(d, 1048), Qt::Key_End);
             ui.QueueColor(RGB(1, 2, 3));
             UserClick(d, 1015);
             ui.QueueColor(RGB(4, 5, 6));
             UserClick(d, 1016);
         },
         "animate 4 name 2 size 48 font 1,2,3 shadow 4,5,6 style 0 effect 4 h 0 v 2 x 7 y 0 speed 400"},
        {"Time", "140", [] { return Time(); },
         [](QDialog& d) {
             EXPECT_EQ(Ctl<QLabel>(d, 1063)->text(), "Delay of every screen:");
             EXPECT_EQ(EditOf(d, 1064)->text(), "1500");
         },
         [](QDialog& d, CScriptedUiServices&) { TypeInto(EditOf(d, 1064), "250"); }, "Delay of every screen: 250"},
        {"Direction", "141", [] { return Direction(8, 3); },
         [](QDialog& d) { EXPECT_EQ(Ctl<QComboBox>(d, 1066)->currentText(), "Right to Left"); },
         [](QDialog& d, CScriptedUiServices&) { Choose(Ctl<QComboBox>(d, 1066), 0); }, "animate 8 direction 0"},
        {"Direction and Parts Style", "142", [] { return DirectionParts(2, 1); },
         [](QDialog& d) {
             EXPECT_EQ(Ctl<QComboBox>(d, 1066)->currentIndex(), 2);
             EXPECT_EQ(Ctl<QComboBox>(d, 1067)->currentIndex(), 1);
         },
         [](QDialog& d, CScriptedUiServices&) {
             Choose(Ctl<QComboBox>(d, 1066), 1);
             Choose(Ctl<QComboBox>(d, 1067), 0);
         },
         "direction 1 parts 0"},
        {"Direction and Showing Time", "143", [] { return DirectionTime(); },
         [](QDialog& d) {
             EXPECT_EQ(Ctl<QComboBox>(d, 1066)->currentIndex(), 1);
             EXPECT_EQ(EditOf(d, 1064)->text(), "3000");
         },
         [](QDialog& d, CScriptedUiServices&) {
             Choose(Ctl<QComboBox>(d, 1066), 3);
             TypeInto(EditOf(d, 1064), "20");
         },
         "direction 3 time 20"},
        {"Background Moving Speed", "150", [] { return MovingSpeed(60); },
         [](QDialog& d) { EXPECT_EQ(Ctl<QSlider>(d, 1048)->value(), 60); },
         [](QDialog& d, CScriptedUiServices&) { SlideTo(Ctl<QSlider>(d, 1048), Qt::Key_End); }, "position 400"},
        {"Loading Message", "4004", [] { return LoadingMessage(); },
         [](QDialog& d) {
             EXPECT_TRUE(Ctl<QCheckBox>(d, 4019)->isChecked());
             EXPECT_EQ(Ctl<QCheckBox>(d, 4019)->text(), "With Progress Bar");
             EXPECT_EQ(EditOf(d, 4018)->text(), "Loading pictures...");
         },
         [](QDialog& d, CScriptedUiServices&) {
             UserClick(d, 4019);
             TypeInto(EditOf(d, 4018), "Wait");
         },
         "no bar [Wait]"},
        {"Background Image", "136", [] { return BackgroundImage(); },
         [](QDialog& d) {
             EXPECT_EQ(EditOf(d, 1017)->text(), "/pics/sky.gif");
             EXPECT_EQ(Checked(d, {1018, 1019}), std::vector<int>{1019});
         },
         [](QDialog& d, CScriptedUiServices&) {
             TypeInto(EditOf(d, 1017), "/pics/sea.jpg");
             UserClick(d, 1018);
         },
         "image [/pics/sea.jpg] web [img/] put 0"},
    };
    return cases;
}

using DialogsCommon = DialogTest;

TEST_F(DialogsCommon, TheControlsShowTheMembersAndOkKeepsThem)
{
    for (const RoundTrip& c : RoundTrips()) {
        SCOPED_TRACE(c.caption);
        auto dialog = c.make();
        const std::string before = MembersOf(*dialog);
        const int result = Run(*dialog, [&](CDataDialog& d) {
            EXPECT_EQ(d.windowTitle().toStdString(), c.caption);
            EXPECT_EQ(d.objectName().toStdString(), c.number);
            c.expectShown(d);
            Ok(d);
        });
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_EQ(MembersOf(*dialog), before);
    }
}

TEST_F(DialogsCommon, OkReadsEveryControlBack)
{
    for (const RoundTrip& c : RoundTrips()) {
        SCOPED_TRACE(c.caption);
        auto dialog = c.make();
        const int result = Run(*dialog, [&](CDataDialog& d) {
            c.change(d, ui);
            Ok(d);
        });
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_EQ(MembersOf(*dialog), c.changed);
    }
    EXPECT_TRUE(ui.Messages().empty()) << ui.Transcript();
}

TEST_F(DialogsCommon, CancelOrEscapeAfterChangingEveryControlKeepsEveryMember)
{
    for (const bool escape : {false, true}) {
        for (const RoundTrip& c : RoundTrips()) {
            SCOPED_TRACE(std::string(c.caption) + (escape ? ", Escape" : ", Cancel"));
            auto dialog = c.make();
            const std::string before = MembersOf(*dialog);
            const int result = Run(*dialog, [&](CDataDialog& d) {
                c.change(d, ui);
                if (escape)
                    Escape(d);
                else
                    CancelButton(d);
                EXPECT_FALSE(d.isVisible());
            });
            EXPECT_EQ(result, QDialog::Rejected);
            EXPECT_EQ(MembersOf(*dialog), before);
        }
    }
}

// ---------------------------------------------------------------------------
// Integer fields.

struct IntegerField {
    const char* name;
    Maker make;
    int edit;
    int spin;
};

const std::vector<IntegerField>& IntegerFields()
{
    static const std::vector<IntegerField> fields = {
        {"font size", [] { return TextFont(); }, CTextFontDlg::IDC_FONT_SIZE, CTextFontDlg::IDC_FONT_SIZE_SPIN},
        {"x offset", [] { return TextFont(); }, CTextFontDlg::IDC_X_OFFSET, CTextFontDlg::IDC_X_OFFSET_SPIN},
        {"y offset", [] { return TextFont(); }, CTextFontDlg::IDC_Y_OFFSET, CTextFontDlg::IDC_Y_OFFSET_SPIN},
        {"time", [] { return Time(); }, CTimeDlg::IDC_VALUE, CTimeDlg::IDC_VALUE_SPIN},
        {"showing time", [] { return DirectionTime(); }, CDirectionTimeDlg::IDC_TIME, CDirectionTimeDlg::IDC_TIME_SPIN},
    };
    return fields;
}

TEST_F(DialogsCommon, OkOnAFieldWithoutAnIntegerAsksForOneAndStaysOpen)
{
    const char* const refused[] = {"", "12a", "2147483648", "99999999999", "-", "1 2"};
    for (const IntegerField& field : IntegerFields()) {
        for (const char* text : refused) {
            SCOPED_TRACE(std::string(field.name) + " [" + text + "]");
            const size_t asked = ui.Messages().size();
            auto dialog = field.make();
            const std::string before = MembersOf(*dialog);
            const int result = Run(*dialog, [&](CDataDialog& d) {
                QLineEdit* edit = EditOf(d, field.edit);
                edit->setText(text);
                Ok(d);
                EXPECT_EQ(ui.Messages().size(), asked + 1);
                EXPECT_EQ(ui.LastMessage(), "Please enter an integer.");
                EXPECT_TRUE(d.isVisible()) << "OK must not close the dialog";
                EXPECT_TRUE(edit->hasFocus()) << "the refused field takes the focus";
                CancelButton(d);
            });
            EXPECT_EQ(result, QDialog::Rejected);
            EXPECT_EQ(MembersOf(*dialog), before);
        }
    }
}

TEST_F(DialogsCommon, AFieldPutRightAfterARefusalIsTaken)
{
    for (const IntegerField& field : IntegerFields()) {
        SCOPED_TRACE(field.name);
        auto dialog = field.make();
        const int result = Run(*dialog, [&](CDataDialog& d) {
            EditOf(d, field.edit)->setText("12a");
            Ok(d);
            ASSERT_TRUE(d.isVisible());
            TypeInto(EditOf(d, field.edit), "77");
            Ok(d);
        });
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_NE(MembersOf(*dialog).find("77"), std::string::npos) << MembersOf(*dialog);
    }
}

TEST_F(DialogsCommon, IntegersAtTheEndsOfTheRangeAreTaken)
{
    for (const auto& [text, value] : {std::pair{"-2147483648", INT_MIN}, std::pair{"2147483647", INT_MAX}}) {
        SCOPED_TRACE(text);
        auto dialog = TextFont();
        const int result = Run(*dialog, [&, text = text](CTextFontDlg& d) {
            EditOf(d, CTextFontDlg::IDC_X_OFFSET)->setText(text);
            Ok(d);
        });
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_EQ(dialog->m_nXOffset, value);
    }
    EXPECT_TRUE(ui.Messages().empty()) << ui.Transcript();
}

TEST_F(DialogsCommon, RefusedOkThenCancelKeepsTheOtherFieldsToo)
{
    // The direction chosen before the refused OK; the font dialog also
    // stores the slider before its fields are checked.
    auto times = DirectionTime(1, 3000);
    const std::string timesBefore = Members(*times);
    Run(*times, [&](CDirectionTimeDlg& d) {
        Choose(Ctl<QComboBox>(d, 1066), 3);
        EditOf(d, 1064)->setText("12a");
        Ok(d);
        CancelButton(d);
    });
    EXPECT_EQ(Members(*times), timesBefore);

    auto font = TextFont();
    const std::string fontBefore = Members(*font);
    Run(*font, [&](CTextFontDlg& d) {
        Choose(Ctl<QComboBox>(d, 1033), 0);
        SlideTo(Ctl<QSlider>(d, 1048), Qt::Key_Home);
        EditOf(d, 1060)->setText("");
        Ok(d);
        CancelButton(d);
    });
    EXPECT_EQ(Members(*font), fontBefore);
}

TEST_F(DialogsCommon, NumberEditsRefuseTypedCharactersOtherThanDigits)
{
    for (const IntegerField& field : IntegerFields()) {
        SCOPED_TRACE(field.name);
        auto dialog = field.make();
        Run(*dialog, [&](CDataDialog& d) {
            QLineEdit* edit = EditOf(d, field.edit);
            TypeInto(edit, "-5x");
            EXPECT_EQ(edit->text(), "5");
            QTest::keyClicks(edit, "0.3e");
            EXPECT_EQ(edit->text(), "503");
            CancelButton(d);
        });
    }
}

// ---------------------------------------------------------------------------
// Up-downs: the arrows step the edit and stop at the ends of the range; a
// number typed beyond the range is the edit's own business.

enum class Arrow { UpKey, DownKey, UpButton, DownButton };

void Press(QDialog& d, const IntegerField& field, Arrow arrow)
{
    QLineEdit* edit = EditOf(d, field.edit);
    if (arrow == Arrow::UpKey || arrow == Arrow::DownKey) {
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(edit, arrow == Arrow::UpKey ? Qt::Key_Up : Qt::Key_Down);
        return;
    }
    QWidget* spin = Ctl<QWidget>(d, field.spin);
    ASSERT_NE(spin, nullptr);
    const Qt::ArrowType wanted = arrow == Arrow::UpButton ? Qt::UpArrow : Qt::DownArrow;
    for (QToolButton* button : spin->findChildren<QToolButton*>()) {
        if (button->arrowType() == wanted) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    ADD_FAILURE() << "no arrow button on " << field.spin;
}

TEST_F(DialogsCommon, ArrowsStepTheEditWithinTheRange)
{
    const IntegerField& size = IntegerFields()[0];
    const IntegerField& x = IntegerFields()[1];
    const IntegerField& y = IntegerFields()[2];
    const IntegerField& time = IntegerFields()[3];
    const IntegerField& showing = IntegerFields()[4];
    struct Case {
        const IntegerField& field;
        const char* start;
        Arrow arrow;
        const char* expected;
    } const cases[] = {
        {time, "41", Arrow::UpKey, "42"},
        {time, "41", Arrow::DownButton, "40"},
        {time, "41", Arrow::UpButton, "42"},
        {time, "41", Arrow::DownKey, "40"},
        {time, "0", Arrow::DownKey, "0"},
        {time, "0", Arrow::DownButton, "0"},
        {time, "30527", Arrow::UpKey, "30528"},
        {time, "30528", Arrow::UpButton, "30528"},
        {time, "40000", Arrow::UpKey, "30528"},
        {time, "40000", Arrow::UpButton, "30528"},
        {showing, "40000", Arrow::UpKey, "30528"},
        {showing, "0", Arrow::DownButton, "0"},
        {size, "5000", Arrow::UpKey, "5000"},
        {size, "0", Arrow::DownButton, "0"},
        {size, "9000", Arrow::UpButton, "5000"},
        {x, "-5000", Arrow::DownKey, "-5000"},
        {x, "-1", Arrow::UpButton, "0"},
        {x, "0", Arrow::DownKey, "-1"},
        {y, "5000", Arrow::UpButton, "5000"},
        {y, "-4999", Arrow::DownButton, "-5000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field.name) + " " + c.start + " arrow " + std::to_string(int(c.arrow)));
        auto dialog = c.field.make();
        Run(*dialog, [&](CDataDialog& d) {
            EditOf(d, c.field.edit)->setText(c.start);
            Press(d, c.field, c.arrow);
            EXPECT_EQ(EditOf(d, c.field.edit)->text().toStdString(), c.expected);
            CancelButton(d);
        });
    }
}

TEST_F(DialogsCommon, ANumberTypedBeyondTheArrowsRangeIsKept)
{
    for (const IntegerField& field : IntegerFields()) {
        SCOPED_TRACE(field.name);
        auto dialog = field.make();
        const int result = Run(*dialog, [&](CDataDialog& d) {
            TypeInto(EditOf(d, field.edit), "40000");
            Ok(d);
        });
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_NE(MembersOf(*dialog).find(" 40000"), std::string::npos) << MembersOf(*dialog);
    }
    auto time = Time(40000);
    Run(*time, [](CTimeDlg& d) {
        EXPECT_EQ(EditOf(d, 1064)->text(), "40000") << "a member beyond the range is shown as it is";
        Ok(d);
    });
    EXPECT_EQ(time->m_nValue, 40000);
}

// ---------------------------------------------------------------------------
// A list or radio group without an entry for the member shows none and
// keeps the member.

struct Unoffered {
    const char* name;
    Maker make;
    Work expectNone;
};

TEST_F(DialogsCommon, AValueWithoutAnEntryShowsNoSelectionAndOkKeepsIt)
{
    const std::vector<Unoffered> cases = {
        {"font lists and style",
         [] {
             auto d = TextFont(4);
             d->m_nFontName = 9;
             d->m_nEffect = 7;
             d->m_nHorizontal = 5;
             d->m_nVertical = 5;
             d->m_nFontStyle = 5;
             return d;
         },
         [](QDialog& d) {
             for (int id : {1033, 1043, 1044, 1045}) {
                 EXPECT_EQ(Ctl<QComboBox>(d, id)->currentIndex(), -1) << id;
                 EXPECT_EQ(Ctl<QComboBox>(d, id)->currentText(), "") << id;
             }
             EXPECT_EQ(Checked(d, {1049, 1050, 1051}), std::vector<int>{});
         }},
        {"font placement unset",
         [] {
             auto d = TextFont(6);
             d->m_nHorizontal = -1;
             d->m_nVertical = -1;
             return d;
         },
         [](QDialog& d) {
             EXPECT_EQ(Ctl<QComboBox>(d, 1044)->currentIndex(), -1);
             EXPECT_EQ(Ctl<QComboBox>(d, 1045)->currentIndex(), -1);
         }},
        {"direction", [] { return Direction(8, 9); },
         [](QDialog& d) { EXPECT_EQ(Ctl<QComboBox>(d, 1066)->currentIndex(), -1); }},
        {"direction and parts", [] { return DirectionParts(9, 7); },
         [](QDialog& d) {
             EXPECT_EQ(Ctl<QComboBox>(d, 1066)->currentIndex(), -1);
             EXPECT_EQ(Ctl<QComboBox>(d, 1067)->currentIndex(), -1);
         }},
        {"direction and time", [] { return DirectionTime(-3, 10); },
         [](QDialog& d) { EXPECT_EQ(Ctl<QComboBox>(d, 1066)->currentIndex(), -1); }},
        {"background placement", [] { return BackgroundImage("/pics/sky.gif", "", 5); },
         [](QDialog& d) { EXPECT_EQ(Checked(d, {1018, 1019}), std::vector<int>{}); }},
    };
    for (const Unoffered& c : cases) {
        SCOPED_TRACE(c.name);
        auto dialog = c.make();
        const std::string before = MembersOf(*dialog);
        const int result = Run(*dialog, [&](CDataDialog& d) {
            c.expectNone(d);
            Ok(d);
        });
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_EQ(MembersOf(*dialog), before);
    }
}

TEST_F(DialogsCommon, AChoiceReplacesAValueWithoutAnEntry)
{
    auto dialog = DirectionParts(9, 7);
    Run(*dialog, [](CDirectionPartsDlg& d) {
        Choose(Ctl<QComboBox>(d, 1067), 1);
        Ok(d);
    });
    EXPECT_EQ(Members(*dialog), "direction 9 parts 1");

    auto image = BackgroundImage("/pics/sky.gif", "", 5);
    Run(*image, [](CBackgroundImageDlg& d) {
        UserClick(d, 1019);
        Ok(d);
    });
    EXPECT_EQ(image->m_nPutType, 1);
}

// ---------------------------------------------------------------------------
// The speed sliders of the font and moving speed dialogs.

struct SpeedSlider {
    const char* name;
    std::function<std::unique_ptr<CDataDialog>(int)> make;
};

const SpeedSlider kSpeedSliders[] = {
    {"font", [](int speed) -> std::unique_ptr<CDataDialog> {
         auto d = TextFont();
         d->m_nSpeed = speed;
         return d;
     }},
    {"moving speed", [](int speed) -> std::unique_ptr<CDataDialog> { return MovingSpeed(speed); }},
};

int SpeedOf(CDataDialog& dialog)
{
    if (auto* font = dynamic_cast<CTextFontDlg*>(&dialog))
        return font->m_nSpeed;
    return static_cast<CMovingSpeedDlg&>(dialog).m_nPosition;
}

using DialogsSpeed = DialogTest;

TEST_F(DialogsSpeed, SliderRunsFromFastestToSlowestInTicksOfTwenty)
{
    for (const SpeedSlider& slider : kSpeedSliders) {
        SCOPED_TRACE(slider.name);
        auto dialog = slider.make(120);
        Run(*dialog, [](CDataDialog& d) {
            QSlider* speed = Ctl<QSlider>(d, 1048);
            EXPECT_EQ(speed->minimum(), 0);
            EXPECT_EQ(speed->maximum(), 400);
            EXPECT_EQ(speed->tickInterval(), 20);
            EXPECT_NE(speed->tickPosition(), QSlider::NoTicks);
            EXPECT_EQ(speed->value(), 120);
            CancelButton(d);
        });
    }
}

TEST_F(DialogsSpeed, EndsOfTheSliderAndValuesBeyondThem)
{
    struct Case {
        int member;
        std::optional<Qt::Key> key;  // none: the slider is not touched
        int shown;
        int stored;
    } const cases[] = {
        {120, Qt::Key_End, 120, 400},
        {120, Qt::Key_Home, 120, 0},
        {1000, std::nullopt, 400, 1000},
        {-5, std::nullopt, 0, -5},
        {1000, Qt::Key_Home, 400, 0},
        {1000, Qt::Key_PageDown, 400, 380},
    };
    for (const SpeedSlider& slider : kSpeedSliders) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(slider.name) + " member " + std::to_string(c.member));
            auto dialog = slider.make(c.member);
            const int result = Run(*dialog, [&](CDataDialog& d) {
                QSlider* speed = Ctl<QSlider>(d, 1048);
                EXPECT_EQ(speed->value(), c.shown);
                if (c.key)
                    SlideTo(speed, *c.key);
                Ok(d);
            });
            EXPECT_EQ(result, QDialog::Accepted);
            EXPECT_EQ(SpeedOf(*dialog), c.stored);
        }
    }
}

// ---------------------------------------------------------------------------
// Font.

using DialogsTextFont = DialogTest;

TEST_F(DialogsTextFont, EffectsOfferedForEachAnimationStyle)
{
    const Strings all = {"Normal", "Outline", "Sunken", "Bulge", "with Shadow"};
    const Strings plain = {"Normal"};
    struct Case {
        int style;
        bool effects;
    } const cases[] = {
        {0, true},  {1, false}, {2, false}, {3, false},  {4, true},  {5, true},  {6, true}, {7, true},
        {8, true},  {9, true},  {10, true}, {11, true},  {12, true}, {13, true}, {14, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("style " + std::to_string(c.style));
        auto dialog = TextFont(c.style);
        dialog->m_nEffect = 4;  // with Shadow
        const int result = Run(*dialog, [&](CTextFontDlg& d) {
            QComboBox* effect = Ctl<QComboBox>(d, CTextFontDlg::IDC_EFFECT);
            EXPECT_EQ(Entries(effect), c.effects ? all : plain);
            EXPECT_EQ(effect->currentText().toStdString(), c.effects ? "with Shadow" : "Normal");
            Ok(d);
        });
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_EQ(dialog->m_nEffect, c.effects ? 4 : 0);
    }
}

TEST_F(DialogsTextFont, CancelKeepsAnEffectThePlainStylesDoNotOffer)
{
    auto dialog = TextFont(1);
    dialog->m_nEffect = 4;
    Run(*dialog, [](CTextFontDlg& d) { CancelButton(d); });
    EXPECT_EQ(dialog->m_nEffect, 4);
}

TEST_F(DialogsTextFont, FontNameAndPlacementLists)
{
    auto dialog = TextFont();
    Run(*dialog, [](CTextFontDlg& d) {
        EXPECT_EQ(Entries(Ctl<QComboBox>(d, 1033)), (Strings{"TimesRoman", "Helvetica", "Courier"}));
        EXPECT_EQ(Entries(Ctl<QComboBox>(d, 1044)), (Strings{"Middle", "Left", "Right"}));
        EXPECT_EQ(Entries(Ctl<QComboBox>(d, 1045)), (Strings{"Middle", "Top", "Bottom"}));
        CancelButton(d);
    });
}

TEST_F(DialogsTextFont, EachStyleRadioGivesItsNumber)
{
    const int radios[] = {CTextFontDlg::IDC_PLAIN, CTextFontDlg::IDC_BOLD, CTextFontDlg::IDC_ITALIC};
    for (int style = 0; style < 3; ++style) {
        const int next = (style + 1) % 3;
        SCOPED_TRACE("style " + std::to_string(style));
        auto dialog = TextFont();
        dialog->m_nFontStyle = style;
        Run(*dialog, [&](CTextFontDlg& d) {
            EXPECT_EQ(Checked(d, {1049, 1050, 1051}), std::vector<int>{radios[style]});
            UserClick(d, radios[next]);
            EXPECT_EQ(Checked(d, {1049, 1050, 1051}), std::vector<int>{radios[next]});
            Ok(d);
        });
        EXPECT_EQ(dialog->m_nFontStyle, next);
    }
}

TEST_F(DialogsTextFont, SwatchesOpenTheColourDialogOnTheirColour)
{
    struct Case {
        int swatch;
        COLORREF CTextFontDlg::*chosen;
        COLORREF CTextFontDlg::*other;
    } const cases[] = {
        {CTextFontDlg::IDC_FONT_COLOR, &CTextFontDlg::m_crFont, &CTextFontDlg::m_crShadow},
        {CTextFontDlg::IDC_SHADOW_COLOR, &CTextFontDlg::m_crShadow, &CTextFontDlg::m_crFont},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.swatch);
        const size_t before = ui.RecordsOf(EUiExchange::ChooseColor).size();
        auto dialog = TextFont();
        const COLORREF start = (*dialog).*c.chosen;
        const COLORREF other = (*dialog).*c.other;
        Run(*dialog, [&](CTextFontDlg& d) {
            auto* swatch = Ctl<CColorButton>(d, c.swatch);
            ui.QueueColor(RGB(200, 150, 100));
            UserClick(swatch);
            ui.QueueColor(std::nullopt);
            UserClick(swatch);
            const auto asked = ui.RecordsOf(EUiExchange::ChooseColor);
            ASSERT_EQ(asked.size(), before + 2);
            EXPECT_EQ(asked[before].initialColor, start);
            EXPECT_EQ(asked[before + 1].initialColor, RGB(200, 150, 100));
            EXPECT_EQ(swatch->Color(), RGB(200, 150, 100)) << "a cancelled colour dialog changes nothing";
            Ok(d);
        });
        EXPECT_EQ((*dialog).*c.chosen, RGB(200, 150, 100));
        EXPECT_EQ((*dialog).*c.other, other);
    }
}

TEST_F(DialogsTextFont, HelpAsksForTheDialogsTopicAndLeavesItOpen)
{
    auto dialog = TextFont();
    Run(*dialog, [&](CTextFontDlg& d) {
        UserClick(d, CTextFontDlg::IDHELP);
        EXPECT_TRUE(d.isVisible());
        CancelButton(d);
    });
    const auto help = ui.RecordsOf(EUiExchange::Help);
    ASSERT_EQ(help.size(), 1u) << ui.Transcript();
    EXPECT_EQ(help[0].helpCommand, EHelpCommand::Context);
    EXPECT_EQ(help[0].helpData, 0x20000u + CTextFontDlg::IDD);
}

// ---------------------------------------------------------------------------
// Time, direction.

using DialogsTime = DialogTest;

TEST_F(DialogsTime, ShowsTheCallersDescriptionInMilliseconds)
{
    for (const char* description : {"Delay of every screen:", "Showing static text:", "Text Animating time:"}) {
        SCOPED_TRACE(description);
        auto dialog = Time();
        dialog->m_strDescription = description;
        Run(*dialog, [&](CTimeDlg& d) {
            EXPECT_EQ(Ctl<QLabel>(d, CTimeDlg::IDC_DESCRIPTION)->text().toStdString(), description);
            bool unit = false;
            for (QLabel* label : d.findChildren<QLabel*>())
                unit = unit || label->text() == "(millisecond)";
            EXPECT_TRUE(unit);
            CancelButton(d);
        });
    }
}

using DialogsDirection = DialogTest;

TEST_F(DialogsDirection, TheSlidingStyleOffersTheVerticalDirectionsOnly)
{
    const Strings four = {"Top to Bottom", "Bottom to Top", "Left to Right", "Right to Left"};
    const Strings two = {"Top to Bottom", "Bottom to Top"};
    for (const auto& [style, entries] : {std::pair{5, two}, std::pair{8, four}}) {
        SCOPED_TRACE(style);
        auto dialog = Direction(style, 1);
        Run(*dialog, [&, &entries = entries](CDirectionDlg& d) {
            EXPECT_EQ(Entries(Ctl<QComboBox>(d, 1066)), entries);
            EXPECT_EQ(Ctl<QComboBox>(d, 1066)->currentIndex(), 1);
            Choose(Ctl<QComboBox>(d, 1066), 0);
            Ok(d);
        });
        EXPECT_EQ(dialog->m_nDirection, 0);
    }
}

TEST_F(DialogsDirection, AHorizontalDirectionStoredForTheSlidingStyleIsKept)
{
    for (const int stored : {2, 3}) {
        SCOPED_TRACE(stored);
        auto dialog = Direction(5, stored);
        Run(*dialog, [](CDirectionDlg& d) {
            EXPECT_EQ(Ctl<QComboBox>(d, 1066)->currentIndex(), -1);
            Ok(d);
        });
        EXPECT_EQ(dialog->m_nDirection, stored);
    }
}

TEST_F(DialogsDirection, PartsAndTimeDialogsListTheirChoices)
{
    const Strings four = {"Top to Bottom", "Bottom to Top", "Left to Right", "Right to Left"};
    auto parts = DirectionParts(0, 0);
    Run(*parts, [&](CDirectionPartsDlg& d) {
        EXPECT_EQ(Entries(Ctl<QComboBox>(d, 1066)), four);
        EXPECT_EQ(Entries(Ctl<QComboBox>(d, 1067)), (Strings{"Even Lines and Odd Lines", "Text and It's Shadow"}));
        CancelButton(d);
    });
    auto times = DirectionTime();
    Run(*times, [&](CDirectionTimeDlg& d) {
        EXPECT_EQ(Entries(Ctl<QComboBox>(d, 1066)), four);
        CancelButton(d);
    });
}

// ---------------------------------------------------------------------------
// The picker of web files, alone and from the background image dialog.

using DialogsWebPath = DialogTest;

TEST_F(DialogsWebPath, NormalizeWebPath)
{
    const std::pair<const char*, const char*> cases[] = {
        {"images\\banner", "images/banner/"},
        {"img/", "img/"},
        {"", ""},
        {"img", "img/"},
        {"a\\b\\", "a/b/"},
        {"/", "/"},
        {"http://host/pics", "http://host/pics/"},
    };
    for (const auto& [given, expected] : cases)
        EXPECT_EQ(NormalizeWebPath(given), expected) << given;
}

TEST_F(DialogsWebPath, ParseFilterString)
{
    const auto image = ParseFilterString(kImageFileFilter);
    ASSERT_EQ(image.size(), 1u);
    EXPECT_EQ(image[0].description, "Image Files(*.GIF,*.JPG.*.JPEG)");
    EXPECT_EQ(image[0].patterns, "*.gif;*.jpg;*.jpeg");

    const auto classes = ParseFilterString(kClassFileFilter);
    ASSERT_EQ(classes.size(), 1u);
    EXPECT_EQ(classes[0].description, "Class Files(*.class)");
    EXPECT_EQ(classes[0].patterns, "*.class");

    const auto two = ParseFilterString("Pictures | *.gif | All Files | *.* ||");
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[1].description, "All Files");
    EXPECT_EQ(two[1].patterns, "*.*");
}

// A folder with pictures to pick from.
class PictureFolder {
public:
    PictureFolder()
    {
        for (const char* name : {"sky.gif", "sea.jpg", "notes.txt"})
            WriteText(folder / name, "picture");
    }
    std::string operator/(const std::string& name) const { return folder / name; }
    CTempDir folder;
};

QFileDialog* Files(QDialog& picker)
{
    return Ctl<QFileDialog>(picker, CWebPathFileDialog::IDC_FILES);
}

// Picks a file as a click in the browser's list does: the click takes the
// focus from the file name field (whose text selectFile leaves alone while
// it has the focus, as it would under the user's typing).
void SelectFile(QFileDialog* files, const std::string& path)
{
    ASSERT_NE(files, nullptr);
    for (auto* view : files->findChildren<QAbstractItemView*>()) {
        if (view->isVisible() && (view->objectName() == "listView" || view->objectName() == "treeView"))
            view->setFocus(Qt::MouseFocusReason);
    }
    files->selectFile(QString::fromStdString(path));
    ASSERT_EQ(files->selectedFiles().join("|").toStdString(), path);
}

// The file browser's Open: its accept() is reached through QDialog's.
void Pick(QFileDialog* files)
{
    ASSERT_NE(files, nullptr);
    static_cast<QDialog*>(files)->accept();
}

TEST_F(DialogsWebPath, PickingAFileGivesItsFullPathAndTheNormalisedWebPath)
{
    PictureFolder pictures;
    CWebPathFileDialog picker(pictures / "sky.gif", "images\\banner", kImageFileFilter);
    const int result = Run(picker, [&](CWebPathFileDialog& d) {
        EXPECT_EQ(d.objectName(), "130");
        QFileDialog* files = Files(d);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->directory().absolutePath().toStdString(), pictures.folder.Path());
        EXPECT_EQ(files->selectedFiles().join("|").toStdString(), pictures / "sky.gif");
        EXPECT_EQ(files->nameFilters().join("|").toStdString(), "Image Files(*.GIF,*.JPG.*.JPEG) (*.gif *.jpg *.jpeg)");
        EXPECT_EQ(EditOf(d, CWebPathFileDialog::IDC_WEB_PATH)->text(), "images\\banner");
        SelectFile(files, pictures / "sea.jpg");
        Pick(files);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(picker.GetPathName(), pictures / "sea.jpg");
    EXPECT_EQ(picker.GetWebPath(), "images/banner/");
}

TEST_F(DialogsWebPath, ATypedWebPathIsTakenOnOk)
{
    PictureFolder pictures;
    CWebPathFileDialog picker(pictures / "sky.gif", "", kImageFileFilter);
    Run(picker, [&](CWebPathFileDialog& d) {
        TypeInto(EditOf(d, CWebPathFileDialog::IDC_WEB_PATH), "pics\\top");
        Pick(Files(d));
    });
    EXPECT_EQ(picker.GetPathName(), pictures / "sky.gif");
    EXPECT_EQ(picker.GetWebPath(), "pics/top/");
}

TEST_F(DialogsWebPath, CancelLeavesPathAndWebPathAsTheyWere)
{
    PictureFolder pictures;
    CWebPathFileDialog picker(pictures / "sky.gif", "images/", kImageFileFilter);
    const int result = Run(picker, [&](CWebPathFileDialog& d) {
        SelectFile(Files(d), pictures / "sea.jpg");
        Files(d)->reject();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(picker.GetPathName(), "");
    EXPECT_EQ(picker.m_strWebPath, "images/");
}

TEST_F(DialogsWebPath, CancelAfterTypingAWebPathKeepsTheOldOne)
{
    PictureFolder pictures;
    CWebPathFileDialog picker(pictures / "sky.gif", "images/", kImageFileFilter);
    Run(picker, [&](CWebPathFileDialog& d) {
        TypeInto(EditOf(d, CWebPathFileDialog::IDC_WEB_PATH), "elsewhere");
        Escape(d);
    });
    EXPECT_EQ(picker.m_strWebPath, "images/");
    EXPECT_EQ(picker.GetWebPath(), "images/");
}

using DialogsBackgroundImage = DialogTest;

TEST_F(DialogsBackgroundImage, BrowseStartsFromTheLastTakenPathAndTakesTheChoice)
{
    PictureFolder pictures;
    auto dialog = BackgroundImage(pictures / "sky.gif", "old\\path", 1);
    const int result = Run(*dialog, [&](CBackgroundImageDlg& d) {
        EXPECT_EQ(Ctl<QAbstractButton>(d, 1007)->text(), "...");
        // Typed, never taken: the picker starts from the member.
        TypeInto(EditOf(d, 1017), QString::fromStdString(pictures / "typed.gif"));
        ui.QueueDialog([&](QDialog& picker) {
            EXPECT_EQ(picker.objectName(), "130");
            QFileDialog* files = Files(picker);
            ASSERT_NE(files, nullptr);
            EXPECT_EQ(files->selectedFiles().join("|").toStdString(), pictures / "sky.gif");
            EXPECT_EQ(EditOf(picker, CWebPathFileDialog::IDC_WEB_PATH)->text(), "old\\path");
            TypeInto(EditOf(picker, CWebPathFileDialog::IDC_WEB_PATH), "images\\banner");
            SelectFile(files, pictures / "sea.jpg");
            Pick(files);
        });
        UserClick(d, CBackgroundImageDlg::IDC_BROWSE);
        EXPECT_EQ(EditOf(d, 1017)->text().toStdString(), pictures / "sea.jpg");
        EXPECT_EQ(d.m_strWebPath, "images/banner/");
        Ok(d);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(Members(*dialog), "image [" + pictures / "sea.jpg" + "] web [images/banner/] put 1");
}

TEST_F(DialogsBackgroundImage, ACancelledBrowseChangesNothing)
{
    PictureFolder pictures;
    auto dialog = BackgroundImage(pictures / "sky.gif", "img/", 0);
    const std::string before = Members(*dialog);
    Run(*dialog, [&](CBackgroundImageDlg& d) {
        TypeInto(EditOf(d, 1017), "typed.gif");
        ui.QueueDialog([&](QDialog& picker) {
            SelectFile(Files(picker), pictures / "sea.jpg");
            TypeInto(EditOf(picker, CWebPathFileDialog::IDC_WEB_PATH), "images");
            Files(picker)->reject();
        });
        UserClick(d, CBackgroundImageDlg::IDC_BROWSE);
        EXPECT_EQ(Members(d), before);
        EXPECT_EQ(EditOf(d, 1017)->text(), "typed.gif") << "the field keeps what was typed";
        CancelButton(d);
    });
    EXPECT_EQ(Members(*dialog), before);
}

} // namespace
