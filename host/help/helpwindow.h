#pragma once
// The program's help window: the pages of the help folder with their
// contents and a keyword search, opened by topic number.

#include "host/help/helpindex.h"
#include "platform/ui/helpviewer.h"

#include <QWidget>

#include <string>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

class CHelpWindow : public QWidget, public IHelpViewer {
    Q_OBJECT
public:
    // The pages are read from folder (with its help.idx) when first asked.
    explicit CHelpWindow(std::string folder, QWidget* parent = nullptr);

    bool ShowHelp(EHelpCommand command, DWORD data, const std::string& keyword) override;

    // The page shown now ("" before any), and the widgets, for tests.
    std::string CurrentPage() const { return m_strCurrentPage; }
    const CHelpIndex& Index() const { return m_index; }
    QTabWidget* Tabs() const { return m_pTabs; }
    QLineEdit* SearchEdit() const { return m_pSearch; }
    QListWidget* SearchResults() const { return m_pResults; }
    QTextBrowser* Browser() const { return m_pBrowser; }

private:
    bool Load();
    bool ShowPage(const std::string& file);
    void FillResults(const QString& text);
    void Present();

    std::string m_strFolder;
    bool m_bLoaded = false;
    CHelpIndex m_index;
    std::string m_strCurrentPage;
    QTabWidget* m_pTabs = nullptr;
    QListWidget* m_pContents = nullptr;
    QLineEdit* m_pSearch = nullptr;
    QListWidget* m_pResults = nullptr;
    QTextBrowser* m_pBrowser = nullptr;
};
