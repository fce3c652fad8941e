#include "host/output/supportfilesdlg.h"

#include "platform/ui/dialogresource.h"
#include "platform/ui/qtconversions.h"
#include "applet/appletcodes.h"
#include "host/document/pagelet.h"
#include "host/output/pageoutput.h"
#include "platform/base/asciicase.h"
#include "platform/base/files.h"
#include "platform/ui/uiservices.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

CSupportFilesDlg::CSupportFilesDlg(const CPagelet& pagelet, QWidget* parent, const CPublishOptions& options)
    : QDialog(parent), m_pPagelet(&pagelet), m_options(options)
{
    setObjectName(ControlIdName(IDD));
    setWindowTitle("Support Files");
    auto* heading = new QLabel("Your Glintra has used these image,audio and class files:", this);
    m_pFiles = WithControlId(new QTreeWidget(this), IDC_FILES);
    m_pFiles->setRootIsDecorated(false);
    m_pFiles->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pFiles->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pFiles->setUniformRowHeights(true);
    auto* ok = WithControlId(new QPushButton("OK", this), 1);
    ok->setDefault(true);
    auto* copy = WithControlId(new QPushButton("Copy to...", this), IDC_COPY_TO);
    copy->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(copy, &QPushButton::clicked, this, &CSupportFilesDlg::OnCopyTo);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_pFiles, 1);
    layout->addLayout(buttons);
    resize(DialogUnitsToPixels(286, 150));
}

void CSupportFilesDlg::InitDialog()
{
    const QStringList headings{"File Name", "Source File Path", "Web Path"};
    m_pFiles->setHeaderLabels(headings);
    const int extra[] = {50, 140, 120};
    const QFontMetrics metrics(m_pFiles->header()->font());
    for (int column = 0; column < 3; ++column)
        m_pFiles->setColumnWidth(column, metrics.horizontalAdvance(headings[column]) + extra[column]);

    // The pagelet is asked for the count before every pass.
    for (short i = 0; i < m_pPagelet->GetResourceNumber(); ++i) {
        const std::string name = m_pPagelet->GetResourceName(i);
        AddFile(name, m_pPagelet->GetResourceLocalPath(i), m_pPagelet->GetResourceWebPath(i));
        if (m_options.withPlayer && name == kAppletClassFile) {
            // The player's script goes wherever the class file goes.
            if (const std::optional<CSupportFile> player = PlayerSupportFile(*m_pPagelet))
                AddFile(player->name, player->localFolder, player->webPath);
        }
    }
}

void CSupportFilesDlg::AddFile(const std::string& name, const std::string& local, const std::string& web)
{
    // Only the first row of the same name is compared: a file listed again
    // with its very paths is left out.
    QTreeWidgetItem* first = nullptr;
    for (int row = 0; row < m_pFiles->topLevelItemCount() && !first; ++row)
        if (EqualsNoCase(FromQt(m_pFiles->topLevelItem(row)->text(0)), name))
            first = m_pFiles->topLevelItem(row);
    if (first && FromQt(first->text(1)) == local && FromQt(first->text(2)) == web)
        return;
    auto* item = new QTreeWidgetItem(m_pFiles, QStringList{ToQt(name), ToQt(local), ToQt(web)});
    item->setSelected(true);
}

void CSupportFilesDlg::OnCopyTo()
{
    const std::optional<std::string> chosen = UiServices().BrowseForFolder("Choose a directory", std::string());
    if (!chosen || !FolderExists(*chosen))
        return;
    const std::string folder = *chosen;
    std::vector<QTreeWidgetItem*> selected;
    for (int row = 0; row < m_pFiles->topLevelItemCount(); ++row)
        if (m_pFiles->topLevelItem(row)->isSelected())
            selected.push_back(m_pFiles->topLevelItem(row));
    if (selected.empty()) {
        AfxMessageBox("Please select files to copy.");
        return;
    }
    std::string failed;
    for (QTreeWidgetItem* item : selected) {
        const std::string name = FromQt(item->text(0));
        const std::string source = FromQt(item->text(1)) + name;
        if (!CopyFileReplacing(source, WithTrailingSlash(folder) + name))
            failed += "\n" + source;
    }
    if (!failed.empty()) {
        // Every copy was tried; the user learns which ones are missing.
        AfxMessageBox("These support files could not be copied to " + folder + ":" + failed, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    AfxMessageBox("Copy support files to " + folder + " success!");
}
