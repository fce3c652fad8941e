// The wizard's pages and dialogs as a user meets them at the default font:
// no text is cut off, Tab reaches every control in the order of the layout,
// and every field is named by its label. The same tests run again at 192
// dpi (see CMakeLists.txt).
#include "wizardfixture.h"

#include "common/bitmapbutton.h"
#include "wizard/backgroundimagedlg.h"
#include "wizard/directiondlg.h"
#include "wizard/directionpartsdlg.h"
#include "wizard/directiontimedlg.h"
#include "wizard/loadingmessagedlg.h"
#include "wizard/movingspeeddlg.h"
#include "wizard/textfontdlg.h"
#include "wizard/timedlg.h"
#include "wizard/webpathfiledialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <memory>

namespace {

using Layout = WizardFixture;

bool Shown(const QWidget* widget, const QWidget* top)
{
    for (const QWidget* w = widget; w && w != top; w = w->parentWidget())
        if (!w->isVisible())
            return false;
    return true;
}

// Texts that do not fit where they are shown.
std::vector<std::string> Clipped(QWidget& top)
{
    std::vector<std::string> clipped;
    for (QWidget* widget : top.findChildren<QWidget*>()) {
        if (!Shown(widget, &top))
            continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull() && !label->wordWrap())
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            text = button->text();
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            text = box->title();
        if (text.isEmpty())
            continue;
        // A push button's own minimum is the style's, wider than a short
        // text needs; what matters is its text.
        QSize needed = widget->minimumSizeHint();
        if (auto* button = qobject_cast<QPushButton*>(widget))
            needed.setWidth(button->fontMetrics().horizontalAdvance(QString(text).remove(u'&')) + 8);
        if (widget->width() < needed.width() || widget->height() < needed.height())
            clipped.push_back(text.toStdString() + " (" + std::to_string(widget->width()) + "x" +
                              std::to_string(widget->height()) + " < " + std::to_string(needed.width()) + "x" +
                              std::to_string(needed.height()) + ")");
    }
    return clipped;
}

// Fields a screen reader could not name.
std::vector<std::string> Unnamed(QWidget& top)
{
    std::vector<std::string> unnamed;
    for (QWidget* widget : top.findChildren<QWidget*>()) {
        const bool field = qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
                           qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QListView*>(widget) ||
                           qobject_cast<QSlider*>(widget);
        if (!field || !Shown(widget, &top) || widget->focusPolicy() == Qt::NoFocus)
            continue;
        bool numbered = false;
        widget->objectName().toInt(&numbered);
        if (!numbered)
            continue;  // parts of Qt's own controls, the file browser's say
        bool named = !widget->accessibleName().isEmpty();
        for (QLabel* label : top.findChildren<QLabel*>())
            named = named || label->buddy() == widget;
        if (!named)
            unnamed.push_back(widget->objectName().toStdString());
    }
    return unnamed;
}

// The control numbers Tab visits from the first, up to the wizard's own
// buttons: the focusable, shown, enabled controls in chain order.
std::vector<int> TabOrder(QWidget& top, QWidget* first, QWidget* stop)
{
    std::vector<int> order;
    QWidget* w = first;
    for (int guard = 0; w && w != stop && guard < 200; ++guard, w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !Shown(w, &top) || w->focusProxy())
            continue;
        bool ok = false;
        const int id = w->objectName().toInt(&ok);
        if (ok)
            order.push_back(id);
    }
    return order;
}

TEST_F(Layout, PagesFitTheirTextsAndTabInLayoutOrder)
{
    design = Titled({"A", "B", "C"});
    design.m_nCurPage = 1;  // both move buttons usable
    design.m_appBorderType = 4;  // the border image's field and button enabled
    design.m_aBackgrounds[1]->m_PgBKType = 0;
    design.m_aTexts[1]->m_TextAnimateType = 2;
    Run([&](CGlintraPrpSheet& sheet) {
        QWidget* next = sheet.button(QWizard::NextButton);
        struct Page {
            const char* shot;
            std::vector<int> tabs;
        };
        const Page pages[] = {
            {"wizard-general",
             {1014, 1015, 1001, 1003, 1055, 1056, 1005, 1018, 1017, 1007, 4015, 4017, 1071}},
            {"wizard-background", {1032, 1009, 1011, 1012, 1013, 1036, 1010, 1015, 1034, 1027, 1028}},
            {"wizard-text", {1032, 1009, 1011, 1012, 1013, 1036, 1040, 1041, 1038, 1037, 1039, 1022}},
        };
        for (const Page& page : pages) {
            SCOPED_TRACE(page.shot);
            SaveShot(sheet, page.shot);
            QWidget* current = sheet.currentPage();
            EXPECT_EQ(Clipped(sheet), std::vector<std::string>{});
            EXPECT_EQ(Unnamed(*current), std::vector<std::string>{});
            QWidget* first = Ctl<QWidget>(*current, page.tabs.front());
            std::vector<int> order = TabOrder(sheet, first, sheet.button(QWizard::BackButton));
            order.resize(std::min(order.size(), page.tabs.size()));
            EXPECT_EQ(order, page.tabs);
            if (sheet.currentId() < CGlintraPrpSheet::TextPageId)
                UserClick(qobject_cast<QAbstractButton*>(next));
        }
        Cancel(sheet);
    });
}

// The pictures and tips of the pages: the side picture, the icon, the
// bold headings, and the banner list buttons in their four states.
TEST_F(Layout, PicturesTipsAndHeadings)
{
    design = Titled({"A", "B"});
    Run([&](CGlintraPrpSheet& sheet) {
        auto* side = Ctl<QLabel>(General(sheet), CGeneralPage::IDC_SIDE_PICTURE);
        EXPECT_EQ(side->pixmap().size(), QSize(116, 245));
        const struct {
            CPropertyPage* page;
            const char* heading;
        } pages[] = {
            {&General(sheet), "Set Applet General Parameters"},
            {&Background(sheet), "Set Glintra's Backgrounds Style"},
            {&Text(sheet), "Set Glintra's Foreground Texts Style"},
        };
        for (const auto& p : pages) {
            auto* heading = Ctl<QLabel>(*p.page, 1000);
            EXPECT_EQ(heading->text(), p.heading);
            EXPECT_EQ(heading->font().weight(), QFont::Bold);
        }
        for (CBannerListPage* page : {static_cast<CBannerListPage*>(&Background(sheet)),
                                      static_cast<CBannerListPage*>(&Text(sheet))}) {
            EXPECT_FALSE(Ctl<QLabel>(*page, IDI_PAGELET)->pixmap().isNull());
            const struct {
                int id;
                const char* tip;
            } buttons[] = {{CBannerListPage::IDC_INSERT, "Insert a new banner"},
                           {CBannerListPage::IDC_DELETE, "Delete this banner"},
                           {CBannerListPage::IDC_MOVEUP, "Move up this banner"},
                           {CBannerListPage::IDC_MOVEDOWN, "Move down this banner"}};
            for (const auto& b : buttons) {
                auto* button = Ctl<CBitmapButton>(*page, b.id);
                EXPECT_EQ(button->toolTip(), b.tip);
                EXPECT_EQ(button->size(), QSize(30, 26));
            }
        }
        // The picture follows the state: normal, disabled, focused, pressed.
        Next(sheet);
        CBackgroundPage& page = Background(sheet);
        auto* up = Ctl<CBitmapButton>(page, CBannerListPage::IDC_MOVEUP);
        auto* down = Ctl<CBitmapButton>(page, CBannerListPage::IDC_MOVEDOWN);
        const QImage disabled = up->CurrentPicture().toImage();
        ASSERT_FALSE(up->isEnabled());
        const QImage normal = down->CurrentPicture().toImage();
        down->setFocus(Qt::TabFocusReason);
        const QImage focused = down->CurrentPicture().toImage();
        down->setDown(true);
        const QImage pressed = down->CurrentPicture().toImage();
        down->setDown(false);
        EXPECT_NE(normal, focused);
        EXPECT_NE(normal, pressed);
        EXPECT_NE(focused, pressed);
        SelectLine(page, 1);
        EXPECT_NE(down->CurrentPicture().toImage(), normal) << "disabled now";
        EXPECT_NE(up->CurrentPicture().toImage(), disabled) << "enabled now";
        Cancel(sheet);
    });
}

TEST_F(Layout, WizardButtonsPerPage)
{
    Run([&](CGlintraPrpSheet& sheet) {
        struct Expected {
            bool back, next, finish;
        };
        const Expected pages[] = {{false, true, false}, {true, true, false}, {true, false, true}};
        for (int page = 0; page < 3; ++page) {
            SCOPED_TRACE(page);
            EXPECT_EQ(sheet.windowTitle(), "Pallima Glintra 1.5 Wizard");
            auto usable = [&](QWizard::WizardButton which) {
                return sheet.button(which)->isVisible() && sheet.button(which)->isEnabled();
            };
            EXPECT_EQ(usable(QWizard::BackButton), pages[page].back);
            EXPECT_EQ(usable(QWizard::NextButton), pages[page].next);
            EXPECT_EQ(usable(QWizard::FinishButton), pages[page].finish);
            EXPECT_TRUE(usable(QWizard::CancelButton));
            if (page < 2)
                Next(sheet);
        }
        Cancel(sheet);
    });
}

// Every detail dialog, as its owner opens it.
TEST_F(Layout, DetailDialogsFitTheirTexts)
{
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<QDialog>()>>> dialogs = {
        {"dialog-background-image", [] { return std::make_unique<CBackgroundImageDlg>(); }},
        {"dialog-font", [] { return std::make_unique<CTextFontDlg>(); }},
        {"dialog-time",
         [] {
             auto d = std::make_unique<CTimeDlg>();
             d->m_strDescription = "Delay of every screen:";
             return d;
         }},
        {"dialog-direction", [] { return std::make_unique<CDirectionDlg>(); }},
        {"dialog-direction-parts", [] { return std::make_unique<CDirectionPartsDlg>(); }},
        {"dialog-direction-time", [] { return std::make_unique<CDirectionTimeDlg>(); }},
        {"dialog-moving-speed", [] { return std::make_unique<CMovingSpeedDlg>(); }},
        {"dialog-loading-message", [] { return std::make_unique<CLoadingMessageDlg>(); }},
        {"dialog-web-path", [] { return std::make_unique<CWebPathFileDialog>("/tmp/sky.gif", "img/", kImageFileFilter); }},
    };
    for (const auto& [name, make] : dialogs) {
        SCOPED_TRACE(name);
        std::unique_ptr<QDialog> dialog = make();
        ui.QueueDialog([&, name = name](QDialog& d) {
            SaveShot(d, name);
            EXPECT_EQ(Clipped(d), std::vector<std::string>{});
            EXPECT_EQ(Unnamed(d), std::vector<std::string>{});
            d.reject();
        });
        UiServices().RunModal(*dialog);
    }
    EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
}

} // namespace
