#include "host/help/helpwindow.h"

#include "platform/base/files.h"

#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The index is small; anything much larger is not ours.
constexpr qint64 kMaxIndexSize = 1 << 20;

} // namespace

CHelpWindow::CHelpWindow(std::string folder, QWidget* parent)
    : QWidget(parent, Qt::Window), m_strFolder(std::move(folder))
{
    setObjectName("help");
    setWindowTitle("Pallima Glintra Help");

    m_pContents = new QListWidget;
    m_pContents->setObjectName("contents");
    m_pSearch = new QLineEdit;
    m_pSearch->setObjectName("keyword");
    m_pSearch->setPlaceholderText("Type a keyword");
    m_pSearch->setClearButtonEnabled(true);
    m_pResults = new QListWidget;
    m_pResults->setObjectName("results");

    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchLayout->setContentsMargins(4, 4, 4, 4);
    searchLayout->addWidget(m_pSearch);
    searchLayout->addWidget(m_pResults);

    m_pTabs = new QTabWidget;
    m_pTabs->addTab(m_pContents, "Contents");
    m_pTabs->addTab(searchPage, "Search");

    m_pBrowser = new QTextBrowser;
    m_pBrowser->setObjectName("page");
    m_pBrowser->setOpenLinks(false);

    auto* splitter = new QSplitter;
    splitter->addWidget(m_pTabs);
    splitter->addWidget(m_pBrowser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({250, 510});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(760, 560);

    // A page opens from either list by a click or by Enter.
    for (QListWidget* list : {m_pContents, m_pResults}) {
        const auto open = [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString().toStdString()); };
        connect(list, &QListWidget::itemActivated, this, open);
        connect(list, &QListWidget::itemClicked, this, open);
    }
    connect(m_pSearch, &QLineEdit::textChanged, this, &CHelpWindow::FillResults);
    connect(m_pSearch, &QLineEdit::returnPressed, this, [this] {
        if (m_pResults->count() > 0)
            ShowPage(m_pResults->item(0)->data(Qt::UserRole).toString().toStdString());
    });
    connect(m_pBrowser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        // Links between our pages stay here; anything else goes to the
        // desktop (a web address, say).
        if (url.isRelative() && IsHelpPageName(url.path().toStdString()))
            ShowPage(url.path().toStdString());
        else
            QDesktopServices::openUrl(url);
    });
}

bool CHelpWindow::Load()
{
    if (m_bLoaded)
        return !m_index.Empty();
    m_bLoaded = true;
    QFile file(QString::fromStdString(m_strFolder + "/help.idx"));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxIndexSize)
        return false;
    const QByteArray text = file.readAll();
    m_index = CHelpIndex::Parse(std::string_view(text.constData(), size_t(text.size())));
    for (const CHelpPage& page : m_index.Contents()) {
        auto* item = new QListWidgetItem(QString::fromStdString(page.title), m_pContents);
        item->setData(Qt::UserRole, QString::fromStdString(page.file));
    }
    m_pBrowser->setSearchPaths({QString::fromStdString(m_strFolder)});
    FillResults(QString());
    return !m_index.Empty();
}

bool CHelpWindow::ShowPage(const std::string& file)
{
    if (!IsHelpPageName(file) || !FileExists(m_strFolder + "/" + file))
        return false;
    m_pBrowser->setSource(QUrl::fromLocalFile(QString::fromStdString(m_strFolder + "/" + file)));
    m_strCurrentPage = file;
    for (int i = 0; i < m_pContents->count(); ++i)
        if (m_pContents->item(i)->data(Qt::UserRole).toString().toStdString() == file)
            m_pContents->setCurrentRow(i);
    setWindowTitle(QString::fromStdString(m_index.TitleOf(file) + " - Pallima Glintra Help"));
    return true;
}

void CHelpWindow::FillResults(const QString& text)
{
    m_pResults->clear();
    for (const CHelpKeyword& entry : m_index.FindKeywords(text.trimmed().toStdString())) {
        auto* item = new QListWidgetItem(
            QString::fromStdString(entry.keyword + "  (" + m_index.TitleOf(entry.file) + ")"), m_pResults);
        item->setData(Qt::UserRole, QString::fromStdString(entry.file));
    }
}

void CHelpWindow::Present()
{
    show();
    raise();
    activateWindow();
}

bool CHelpWindow::ShowHelp(EHelpCommand command, DWORD data, const std::string& keyword)
{
    if (command == EHelpCommand::Quit) {
        close();
        return true;
    }
    if (!Load())
        return false;
    const std::string first = m_index.Contents().front().file;
    bool shown = false;
    switch (command) {
    case EHelpCommand::Context:
    case EHelpCommand::ContextPopup: {
        // A topic the index does not know opens the contents.
        const std::string page = m_index.PageOfTopic(data);
        shown = ShowPage(page.empty() ? first : page);
        m_pTabs->setCurrentIndex(0);
        break;
    }
    case EHelpCommand::Contents:
        shown = ShowPage(m_strCurrentPage.empty() ? first : m_strCurrentPage);
        m_pTabs->setCurrentIndex(0);
        break;
    case EHelpCommand::Keyword:
        if (m_strCurrentPage.empty())
            ShowPage(first);
        m_pSearch->setText(QString::fromStdString(keyword));
        m_pTabs->setCurrentIndex(1);
        m_pSearch->setFocus();
        shown = true;
        break;
    case EHelpCommand::Quit:
        break;
    }
    if (shown)
        Present();
    return shown;
}
