#include "wizard/copyresourcesdlg.h"

#include "platform/base/files.h"
#include "platform/ui/dialogresource.h"
#include "platform/ui/uiservices.h"
#include "wizard/browsefilesdlg.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kNameColumn = 0;
constexpr int kSourceColumn = 1;
constexpr int kPreviousNameRole = Qt::UserRole + 1;

// Only the destination name is a label the user edits.
class CNameOnlyDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return index.column() == kNameColumn ? QStyledItemDelegate::createEditor(parent, option, index) : nullptr;
    }
};

// A name that stays in the destination folder: no folder part, and neither
// "." nor "..", which would put the copy somewhere else.
bool IsPlainFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

} // namespace

CCopyResourcesDlg::CCopyResourcesDlg(const std::string& destinationFolder, QWidget* parent)
    : QDialog(parent), m_strDestination(destinationFolder)
{
    setObjectName(ControlIdName(IDD));
    setWindowTitle("Copy Resources");
    resize(DialogUnitsToPixels(299, 191));

    m_pHeading = WithControlId(new QLabel(this), IDC_HEADING);
    m_pList = WithControlId(new QTreeWidget(this), IDC_FILE_LIST);
    m_pList->setRootIsDecorated(false);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_pList->setItemDelegate(new CNameOnlyDelegate(m_pList));
    m_pList->setColumnCount(2);
    auto* notice = new QLabel(
        "These files' names have already been used in the destination directory. If you don't rename the "
        "destination file's name, the files with same name will be overwritten.",
        this);
    notice->setWordWrap(true);

    auto* ok = WithControlId(new QPushButton("OK", this), IDOK);
    auto* browse = WithControlId(new QPushButton("Browse ...", this), IDC_BROWSE);
    auto* rename = WithControlId(new QPushButton("Rename", this), IDC_RENAME);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CCopyResourcesDlg::accept);
    connect(browse, &QPushButton::clicked, this, &CCopyResourcesDlg::OnBrowse);
    connect(rename, &QPushButton::clicked, this, &CCopyResourcesDlg::OnRename);
    connect(m_pList, &QTreeWidget::itemChanged, this, &CCopyResourcesDlg::OnLabelEdited);

    auto* left = new QVBoxLayout;
    left->addWidget(m_pHeading);
    left->addWidget(m_pList, 1);
    left->addWidget(notice);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(browse);
    buttons->addWidget(rename);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
}

void CCopyResourcesDlg::AddFile(std::string* field)
{
    if (!field)
        return;
    m_mapPending[*field].push_back(field);
    ++m_nReferenceCount;
}

void CCopyResourcesDlg::Run()
{
    InitDialog();
    UiServices().RunModal(*this);
}

void CCopyResourcesDlg::InitDialog()
{
    if (m_bInitialized)
        return;
    m_bInitialized = true;
    m_pHeading->setText(QString::fromStdString("Destination Directory: " + m_strDestination));

    const QString nameHeading = "Destination File Name";
    const QString sourceHeading = "Resource File";
    m_pList->setHeaderLabels({nameHeading, sourceHeading});
    const QFontMetrics metrics(m_pList->header()->font());
    // Wide enough for the heading text, plus a margin for the header's own padding.
    const int padding = 2 * m_pList->header()->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
    m_pList->setColumnWidth(kNameColumn, metrics.horizontalAdvance(nameHeading) + padding);
    m_pList->setColumnWidth(kSourceColumn, metrics.horizontalAdvance(sourceHeading) + 140 + padding);

    const QSignalBlocker quiet(m_pList);
    for (const auto& [source, fields] : m_mapPending) {
        auto* item = new QTreeWidgetItem(m_pList);
        const QString name = QString::fromStdString(PathFileName(source));
        item->setText(kNameColumn, name);
        item->setData(kNameColumn, kPreviousNameRole, name);
        item->setText(kSourceColumn, QString::fromStdString(source));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    if (m_pList->topLevelItemCount() > 0)
        m_pList->setCurrentItem(m_pList->topLevelItem(0));
}

std::vector<std::pair<std::string, std::string>> CCopyResourcesDlg::Lines() const
{
    std::vector<std::pair<std::string, std::string>> lines;
    for (int i = 0; i < m_pList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_pList->topLevelItem(i);
        lines.emplace_back(Utf8(item->text(kNameColumn)), Utf8(item->text(kSourceColumn)));
    }
    return lines;
}

void CCopyResourcesDlg::OnLabelEdited(QTreeWidgetItem* item, int column)
{
    if (!item || column != kNameColumn)
        return;
    const QString previous = item->data(kNameColumn, kPreviousNameRole).toString();
    const QString edited = item->text(kNameColumn);
    if (edited == previous)
        return;
    const QSignalBlocker quiet(m_pList);
    if (edited.isEmpty()) {
        item->setText(kNameColumn, previous);  // an empty edit keeps the name
        return;
    }
    if (!IsPlainFileName(Utf8(edited))) {
        item->setText(kNameColumn, previous);
        AfxMessageBox("\"" + Utf8(edited) + "\" is not a file name for the destination directory. "
                      "Please enter a name without \"/\" that is not \"..\".",
                      MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    item->setData(kNameColumn, kPreviousNameRole, edited);
}

void CCopyResourcesDlg::OnRename()
{
    QTreeWidgetItem* item = m_pList->currentItem();
    if (!item) {
        AfxMessageBox("Please select a file to rename first!");
        return;
    }
    m_pList->setFocus();
    m_pList->editItem(item, kNameColumn);
}

void CCopyResourcesDlg::OnBrowse()
{
    CBrowseFilesDlg browse(m_strDestination, "*.gif;*.jpg;*.jpeg;", this);
    if (browse.InitDialog())
        UiServices().RunModal(browse);
}

void CCopyResourcesDlg::accept()
{
    for (int i = 0; i < m_pList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_pList->topLevelItem(i);
        const std::string name = Utf8(item->text(kNameColumn));
        const std::string source = Utf8(item->text(kSourceColumn));
        const std::string target = m_strDestination + name;
        // A field follows only a copy that is really there, so the design
        // never names a file that is missing.
        if (!IsPlainFileName(name) || !CopyFileReplacing(source, target))
            continue;
        auto pending = m_mapPending.find(source);
        if (pending == m_mapPending.end())
            continue;
        for (std::string* field : pending->second)
            *field = target;
    }
    QDialog::accept();
}

void CCopyResourcesPrompt::AddFile(std::string* field)
{
    if (field)
        m_aFields.push_back(field);
}

void CCopyResourcesPrompt::Run()
{
    if (m_aFields.empty() || !QApplication::instance())
        return;
    CCopyResourcesDlg dialog(m_strDestination, QApplication::activeWindow());
    for (std::string* field : m_aFields)
        dialog.AddFile(field);
    dialog.Run();
}
