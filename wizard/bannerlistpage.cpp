#include "wizard/bannerlistpage.h"

#include "common/bitmapbutton.h"
#include "common/colorlabel.h"
#include "model/glintraappletparams.h"
#include "platform/ui/dialogresource.h"
#include "platform/ui/modulepictures.h"
#include "platform/ui/qtconversions.h"
#include "platform/ui/uiservices.h"
#include "resources/pagelet/pageletresources.h"
#include "wizard/bannerlistmodel.h"
#include "wizard/glintraprpsheet.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

namespace {

// The question before a delete, around the banner's title.
std::string DeleteQuestion(const std::string& title)
{
    return "If you just want " + title +
           " not to display,you can uncheck it.\n\nAll datas(background and text) of the banner will lost if you "
           "delete it.\nAre you sure want to delete?";
}

} // namespace

CBannerListPage::CBannerListPage(int idd, const char* heading, QWidget* parent) : CPropertyPage(idd, heading, parent)
{
    m_pPanel = new QWidget(this);
    auto* hint = new QLabel("You can give a  title for each banner,which can help to remember it.", m_pPanel);
    hint->setWordWrap(true);

    m_pLines = new CBannerListModel(this);
    m_pList = WithControlId(new QListView(m_pPanel), IDC_BANNER_LIST);
    m_pList->setModel(m_pLines);
    m_pList->setUniformItemSizes(true);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pList->setAccessibleName("Banners");
    hint->setBuddy(m_pList);

    m_pInsert = WithControlId(new CBitmapButton(m_pPanel), IDC_INSERT);
    m_pDelete = WithControlId(new CBitmapButton(m_pPanel), IDC_DELETE);
    m_pMoveUp = WithControlId(new CBitmapButton(m_pPanel), IDC_MOVEUP);
    m_pMoveDown = WithControlId(new CBitmapButton(m_pPanel), IDC_MOVEDOWN);
    m_pInsert->setAccessibleName("INSERT");
    m_pDelete->setAccessibleName("DELETE");
    m_pMoveUp->setAccessibleName("MOVEUP");
    m_pMoveDown->setAccessibleName("MOVEDOWN");

    m_pTitle = WithControlId(new QLineEdit(m_pPanel), IDC_TITLE);
    m_pTitle->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    for (CBitmapButton* button : {m_pInsert, m_pDelete, m_pMoveUp, m_pMoveDown}) {
        // A click takes the focus, so a title being typed is written first.
        button->setFocusPolicy(Qt::StrongFocus);
        button->setCursor(Qt::ArrowCursor);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(BuddyLabel("Title:", m_pTitle, m_pPanel));
    titleRow->addWidget(m_pTitle, 1);

    auto* column = new QVBoxLayout(m_pPanel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(hint);
    column->addWidget(m_pList, 1);
    column->addLayout(buttons);
    column->addLayout(titleRow);

    connect(m_pInsert, &QAbstractButton::clicked, this, &CBannerListPage::OnInsert);
    connect(m_pDelete, &QAbstractButton::clicked, this, &CBannerListPage::OnDelete);
    connect(m_pMoveUp, &QAbstractButton::clicked, this, &CBannerListPage::OnMoveUp);
    connect(m_pMoveDown, &QAbstractButton::clicked, this, &CBannerListPage::OnMoveDown);
    connect(m_pList->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!m_bFilling)
            OnSelChange();
    });
    connect(m_pLines, &CBannerListModel::CheckChanged, this, &CBannerListPage::OnCheckChanged);
}

void CBannerListPage::LayOut(QWidget* fields)
{
    auto* top = new QHBoxLayout;
    top->addWidget(MakeIcon());
    top->addWidget(Heading(), 1);
    auto* columns = new QHBoxLayout;
    columns->addWidget(m_pPanel, 2);
    columns->addSpacing(8);
    columns->addWidget(fields, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(columns, 1);
}

void CBannerListPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    const HMODULE32 resources = Sheet().Resources();
    const struct {
        CBitmapButton* button;
        UINT pictures;
        UINT tip;
    } buttons[] = {
        {m_pInsert, IDB_INSERT, IDS_TIP_INSERT},
        {m_pDelete, IDB_DELETE, IDS_TIP_DELETE},
        {m_pMoveUp, IDB_MOVEUP, IDS_TIP_MOVEUP},
        {m_pMoveDown, IDB_MOVEDOWN, IDS_TIP_MOVEDOWN},
    };
    for (const auto& b : buttons) {
        b.button->LoadBitmaps(ModulePicture(resources, b.pictures), ModulePicture(resources, b.pictures + 1),
                              ModulePicture(resources, b.pictures + 2), ModulePicture(resources, b.pictures + 3));
        b.button->SizeToContent();
        b.button->setToolTip(Sheet().String(b.tip));
        b.button->setAccessibleDescription(b.button->toolTip());
    }
}

void CBannerListPage::OnSetActive()
{
    // The other page may have changed the banners: show them as they are.
    FillBannerList();
    LoadBanner();
}

void CBannerListPage::OnLeave()
{
    StoreBanner();
    StoreChecks();
}

void CBannerListPage::DoDataExchange(CDataExchange& dx)
{
    dx.Text(m_pTitle, m_strTitle);
}

void CBannerListPage::FillBannerList()
{
    const CGlintraAppletParams& design = Design();
    std::vector<CBannerListModel::CLine> lines;
    lines.reserve(size_t(std::max(design.m_nTotalPages, 0)));
    for (int i = 0; i < design.m_nTotalPages; ++i)
        lines.push_back({ToQt(RecordTitle(i)), RecordEnabled(i)});
    m_bFilling = true;
    m_pLines->Reset(std::move(lines));
    m_bFilling = false;
    SelectLine(design.m_nCurPage);
    m_pList->setFocus();
}

void CBannerListPage::SelectLine(int row)
{
    const QModelIndex line = m_pLines->index(row);
    m_bFilling = true;
    if (line.isValid()) {
        m_pList->selectionModel()->setCurrentIndex(line, QItemSelectionModel::ClearAndSelect);
        m_pList->scrollTo(line);
    } else {
        m_pList->selectionModel()->clear();
    }
    m_bFilling = false;
}

int CBannerListPage::CurrentLine() const
{
    const QModelIndex current = m_pList->selectionModel()->currentIndex();
    return current.isValid() && m_pList->selectionModel()->isSelected(current) ? current.row() : -1;
}

void CBannerListPage::LoadBanner()
{
    LoadRecord();
    // The page's own buttons follow the banner's value whatever it is: a
    // -1 read from a file is a value like any other, not "leave them".
    EnableTypeControls(TypeMember());
    EnableControls(-1, Design().m_nCurPage);
    UpdateData(false);
}

void CBannerListPage::StoreBanner()
{
    UpdateData(true);
    StoreRecord();
}

void CBannerListPage::StoreChecks()
{
    CGlintraAppletParams& design = Design();
    for (int i = 0; i < m_pLines->rowCount(); ++i) {
        const BOOL enable = m_pLines->Line(i).checked ? TRUE : FALSE;
        design.SetBackgroundEnable(i, enable);
        design.SetTextEnable(i, enable);
    }
}

void CBannerListPage::EnableControls(int type, int index)
{
    if (type != -1)
        EnableTypeControls(type);
    if (index != -1) {
        m_pMoveUp->setEnabled(index != 0);
        m_pMoveDown->setEnabled(index != Design().m_nTotalPages - 1);
    }
}

void CBannerListPage::OnInsert()
{
    StoreBanner();
    // The list is filled again from the design: its check marks go there
    // first, or a mark changed on this page would be lost.
    StoreChecks();
    Design().InsertBannerCopy(Design().m_nCurPage);
    FillBannerList();
    LoadBanner();
}

void CBannerListPage::OnDelete()
{
    CGlintraAppletParams& design = Design();
    if (design.m_nTotalPages == 1) {
        AfxMessageBox("You must remain at least ONE!", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const int line = CurrentLine();
    const std::string title = line >= 0 ? FromQt(m_pLines->Line(line).title) : std::string();
    if (AfxMessageBox(DeleteQuestion(title), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    StoreChecks();
    design.DeleteBanner(design.m_nCurPage);
    FillBannerList();
    LoadBanner();
}

void CBannerListPage::Move(BOOL (CGlintraAppletParams::*background)(int), BOOL (CGlintraAppletParams::*text)(int),
                           int step)
{
    // The controls keep what they show: it belongs to the moved banner and
    // is stored at its new place later.
    CGlintraAppletParams& design = Design();
    StoreChecks();
    if ((design.*background)(design.m_nCurPage) && (design.*text)(design.m_nCurPage))
        design.m_nCurPage += step;
    FillBannerList();
    EnableControls(-1, design.m_nCurPage);
}

void CBannerListPage::OnMoveUp()
{
    Move(&CGlintraAppletParams::MoveBackgroundUp, &CGlintraAppletParams::MoveTextUp, -1);
}

void CBannerListPage::OnMoveDown()
{
    Move(&CGlintraAppletParams::MoveBackgroundDown, &CGlintraAppletParams::MoveTextDown, 1);
}

void CBannerListPage::OnSelChange()
{
    const int line = CurrentLine();
    if (line < 0)
        return;
    if (line != Design().m_nCurPage) {
        StoreBanner();
        Design().m_nCurPage = line;
        LoadBanner();
    }
    if (WritesChecksOnSelection())
        WriteCheckOfLine(line);
}

void CBannerListPage::WriteCheckOfLine(int row)
{
    const BOOL enable = m_pLines->Line(row).checked ? TRUE : FALSE;
    Design().SetBackgroundEnable(row, enable);
    Design().SetTextEnable(row, enable);
}

void CBannerListPage::OnCheckChanged(int row)
{
    // A click on a line's box also chooses the line; where choosing writes
    // the mark, the mark written is the new one.
    if (WritesChecksOnSelection() && row == CurrentLine())
        WriteCheckOfLine(row);
}

void CBannerListPage::OnKillFocusTitle()
{
    if (Sheet().IsCancelling() || !Sheet().m_pParams)
        return;
    UpdateData(true);
    SetWorkingTitle(m_strTitle);
    Design().SetBannerTitle(Design().m_nCurPage, m_strTitle);
    const int line = CurrentLine();
    if (line >= 0)
        m_pLines->SetTitle(line, ToQt(m_strTitle));
}

bool CBannerListPage::eventFilter(QObject* watched, QEvent* event)
{
    // Another window taking the activation (a message box, a menu) is no
    // end of the edit: the title stays where it is.
    if (watched == m_pTitle && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            OnKillFocusTitle();
    }
    return CPropertyPage::eventFilter(watched, event);
}
