#include "host/output/pallimatoolview.h"

#include "common/colorlabel.h"
#include "host/document/commandids.h"
#include "platform/ui/dialogresource.h"
#include "platform/ui/qtconversions.h"
#include "host/document/pallimatooldoc.h"
#include "host/document/widgetnamedlg.h"
#include "common/bitmapbutton.h"
#include "host/output/hostpictures.h"
#include "host/output/outputcommands.h"
#include "platform/ui/uiservices.h"
#include "resources/host/hostresources.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {

// Places in dialog units.
struct CFormRect {
    int left, top, width, height;
};

QRect ToPixels(const CFormRect& r)
{
    const QSize origin = DialogUnitsToPixels(r.left, r.top);
    return QRect(QPoint(origin.width(), origin.height()), DialogUnitsToPixels(r.width, r.height));
}

constexpr CFormRect kFormSize{0, 0, 300, 212};

struct CRuleInfo {
    CFormRect place;
};
constexpr CRuleInfo kRules[] = {{{0, 0, 300, 1}}, {{8, 56, 280, 1}}, {{8, 101, 280, 1}}, {{0, 210, 300, 1}}};

struct CHeadingInfo {
    UINT picture;
    CFormRect place;
};
constexpr CHeadingInfo kHeadings[] = {
    {IDB_HEADING_NEW, {5, 4, 133, 15}},
    {IDB_HEADING_MAKE, {6, 60, 20, 20}},
    {IDB_HEADING_ADD, {6, 105, 173, 15}},
};

struct CLabelInfo {
    UINT id;
    const char* text;
    CFormRect place;
};
// In member order.
constexpr CLabelInfo kLabels[] = {
    {1051, "3. Open an existing web page and insert Glintra into it.", {23, 170, 196, 16}},
    {1050, "2. Create a web page which only contains the Glintra.", {23, 151, 197, 15}},
    {1049, "1. Copy HTML code and paste into web page later.", {23, 132, 192, 10}},
    {1048, "You can use one of these methods:", {23, 122, 191, 10}},
    {1047, "Configure the Glintra to meet your requirements.", {22, 78, 183, 20}},
    {1046, "You can create a new Glintra from the pre-made templates or open a previous saved Glintra.",
     {21, 22, 184, 27}},
};

struct CButtonInfo {
    UINT id;
    const char* name;
    CFormRect place;
};
// In member order.
constexpr CButtonInfo kButtons[] = {
    {IDC_OPEN, "Open...", {224, 31, 58, 17}},
    {IDC_NEW_PAGE, "New Page...", {225, 148, 58, 17}},
    {IDC_NEW, "New...", {224, 6, 58, 17}},
    {IDC_MORE_INFO, "More Information...", {24, 190, 54, 15}},
    {IDC_INSERT_INTO, "Insert into...", {225, 186, 58, 17}},
    {IDC_CONFIGURE, "Configure...", {224, 69, 58, 17}},
    {IDC_COPY_CODE, "Copy Code...", {225, 110, 58, 17}},
};

struct CPictureInfo {
    UINT button;
    UINT normal;
    UINT pressed;
};
// In loading order.
constexpr CPictureInfo kPictures[] = {
    {IDC_NEW, IDB_NEW, IDB_NEW_DOWN},
    {IDC_OPEN, IDB_OPEN, IDB_OPEN_DOWN},
    {IDC_CONFIGURE, IDB_CONFIGURE, IDB_CONFIGURE_DOWN},
    {IDC_COPY_CODE, IDB_COPYCODE, IDB_COPYCODE_DOWN},
    {IDC_NEW_PAGE, IDB_NEWPAGE, IDB_NEWPAGE_DOWN},
    {IDC_INSERT_INTO, IDB_INSERT, IDB_INSERT_DOWN},
    {IDC_MORE_INFO, IDB_MOREINFO, IDB_MOREINFO_DOWN},
};

// The buttons' column: texts may grow up to a little short of it.
constexpr int kButtonColumn = 224;

// A text's place, grown when the desktop's font needs more room than the
// form gives: first wider, up to the buttons, then taller.
QRect FitText(const QLabel& label, QRect place)
{
    const int widest = DialogUnitsToPixels(kButtonColumn, 0).width() - 6 - place.left();
    const int oneLine = label.fontMetrics().horizontalAdvance(label.text()) + 2;
    if (oneLine > place.width() && label.heightForWidth(place.width()) > place.height())
        place.setWidth(std::max(place.width(), std::min(oneLine, widest)));
    place.setHeight(std::max(place.height(), label.heightForWidth(place.width())));
    return place;
}

} // namespace

CPallimaToolView::CPallimaToolView(CPallimaToolDoc& document, QWidget* parent)
    : CColorFormView(IDD, parent), m_document(document)
{
    setMinimumSize(FormSize());
    // The form's font: 8 points of the desktop's own face.
    QFont formFont = font();
    formFont.setPointSize(8);
    setFont(formFont);

    for (const CRuleInfo& rule : kRules) {
        auto* line = new QFrame(this);
        line->setFrameStyle(QFrame::Box | QFrame::Sunken);
        line->setLineWidth(1);
        line->setStyleSheet("color: black;");
        QRect place = ToPixels(rule.place);
        place.setHeight(1);
        line->setGeometry(place);
    }
    for (const CHeadingInfo& heading : kHeadings) {
        auto* picture = new QLabel(this);
        picture->setObjectName(QString("heading%1").arg(heading.picture));
        const QPixmap image = HostPicture(heading.picture);
        picture->setPixmap(image);
        // A picture control takes the size of its picture.
        picture->setGeometry(QRect(ToPixels(heading.place).topLeft(),
                                   image.isNull() ? ToPixels(heading.place).size() : image.size()));
    }
    for (size_t i = 0; i < std::size(kLabels); ++i) {
        auto* label = WithControlId(new CColorLabel(QString::fromUtf8(kLabels[i].text), this), int(kLabels[i].id));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(FitText(*label, ToPixels(kLabels[i].place)));
        m_labels[i] = label;
    }
    m_pClipboardEdit = WithControlId(new QLineEdit(this), IDC_CLIPBOARD_EDIT);
    m_pClipboardEdit->setGeometry(ToPixels({138, 190, 68, 12}));
    m_pClipboardEdit->hide();

    for (size_t i = 0; i < std::size(kButtons); ++i) {
        auto* button = WithControlId(new CBitmapButton(this), int(kButtons[i].id));
        button->setAccessibleName(QString::fromUtf8(kButtons[i].name));
        button->setToolTip(QString::fromUtf8(kButtons[i].name).remove("..."));
        button->setGeometry(ToPixels(kButtons[i].place));
        const UINT id = kButtons[i].id;
        // A button's click is its command, routed like a menu item's.
        connect(button, &QAbstractButton::clicked, this, [id] { MainCommands().Send(id); });
        m_buttons[i] = button;
    }
    // The tab order follows the steps.
    const UINT order[] = {IDC_NEW, IDC_OPEN, IDC_CONFIGURE, IDC_COPY_CODE, IDC_NEW_PAGE, IDC_INSERT_INTO, IDC_MORE_INFO};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(Button(order[i - 1]), Button(order[i]));

    m_commands.On(IDC_NEW, [] { MainCommands().Send(ID_FILE_NEW); });
    m_commands.On(IDC_OPEN, [] { MainCommands().Send(ID_FILE_OPEN); });
    m_commands.On(IDC_CONFIGURE, [] { MainCommands().Send(ID_EDIT_CONFIGURE); });
    const auto publish = [this] { return m_publishOptions ? m_publishOptions() : CPublishOptions{}; };
    m_commands.On(IDC_COPY_CODE, [this, publish] { ::OnCopyCode(m_document, window(), publish()); });
    m_commands.On(IDC_NEW_PAGE, [this, publish] { ::OnNewPage(m_document, window(), publish()); });
    m_commands.On(IDC_INSERT_INTO, [this, publish] { ::OnInsertInto(m_document, window(), publish()); });
    m_commands.On(IDC_MORE_INFO, [] { UiServices().ShowHelp(EHelpCommand::Context, HELP_CONTEXT_MORE_INFO); });
    m_commands.On(ID_EDIT_CONFIGURE, [this] { OnConfigure(); });
    m_commands.On(ID_EDIT_RENAME, [this] { OnRename(); });
}

CPallimaToolView::~CPallimaToolView() = default;

QSize CPallimaToolView::FormSize()
{
    return ToPixels(kFormSize).size();
}

CColorLabel* CPallimaToolView::Label(UINT id) const
{
    for (CColorLabel* label : m_labels)
        if (label->objectName() == ControlIdName(int(id)))
            return label;
    return nullptr;
}

CBitmapButton* CPallimaToolView::Button(UINT id) const
{
    for (CBitmapButton* button : m_buttons)
        if (button->objectName() == ControlIdName(int(id)))
            return button;
    return nullptr;
}

void CPallimaToolView::OnInitialUpdate()
{
    if (m_bInitialUpdateDone)
        return;
    m_bInitialUpdateDone = true;
    for (const CPictureInfo& pictures : kPictures) {
        CBitmapButton* button = Button(pictures.button);
        button->LoadBitmaps(HostPicture(pictures.normal), HostPicture(pictures.pressed));
        button->SizeToContent();
    }
    for (CColorLabel* label : m_labels)
        label->SetBackColor(kGuidePageColor);
    SetBackgroundColor(kGuidePageColor);
}

bool CPallimaToolView::HasPagelet() const
{
    return m_document.m_pPagelet && m_document.m_pPagelet->IsCreated();
}

void CPallimaToolView::OnConfigure()
{
    if (!HasPagelet())
        return;
    // The wizard runs inside the call; TRUE when the user finished it.
    if (m_document.m_pPagelet->Config())
        m_document.SetModifiedFlag(true);
}

void CPallimaToolView::OnRename()
{
    if (!HasPagelet())
        return;
    CPagelet& pagelet = *m_document.m_pPagelet;
    CWidgetNameDlg dialog(pagelet.GetTitle(), pagelet.GetDescription(), window());
    if (UiServices().RunModal(dialog) != QDialog::Accepted)
        return;
    pagelet.SetTitle(dialog.m_strName);
    pagelet.SetDescription(dialog.m_strDescription);
    m_document.SetModifiedFlag(true);
}
