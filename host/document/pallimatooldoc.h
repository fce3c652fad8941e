#pragma once
// The host's one document: a widget, that is one banner design held by one
// pagelet and stored as a .pgt file through it. The document keeps almost
// nothing itself; the design, the widget's name and description live in
// the pagelet.

#include "host/document/pagelet.h"
#include "platform/ui/commandrouter.h"
#include "platform/ui/document.h"

#include <functional>
#include <memory>

// Commands of the document, by number.
constexpr UINT ID_CONFIGURE = 32771;
constexpr UINT ID_SUPPORT_FILES = 32775;
constexpr UINT ID_SAVE_AS_TEMPLATE = 32777;
constexpr UINT ID_VIEW_SAMPLE = 32794;

class CPallimaToolDoc : public CDocument {
public:
    CPallimaToolDoc();
    ~CPallimaToolDoc() override;

    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(const std::string& path) override;
    BOOL OnSaveDocument(const std::string& path) override;

    // The document's commands: Save as Template, Support Files, View Sample.
    ICommandTarget& Commands() { return m_commands; }
    void OnSaveAsTemplate();
    void OnSupportFiles();
    void OnViewSample();
    bool CanShowSupportFiles() const;

    // The Support Files dialog, which the output side provides.
    std::function<void(CPagelet&)> m_showSupportFiles;

    // The widget's pagelet. A document always has one once the first new
    // document was made: a new or open that fails keeps the previous one.
    std::unique_ptr<CPagelet> m_pPagelet;
    BOOL m_bFirstNew = TRUE;

private:
    // A fresh pagelet, or null after telling the user.
    std::unique_ptr<CPagelet> MakePagelet() const;

    CCommandMap m_commands;
};
