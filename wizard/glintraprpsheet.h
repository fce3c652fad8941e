#pragma once
// The configuration wizard: three pages in a fixed order, the applet's
// general settings, then the banners' backgrounds, then their texts. It
// edits the design in place; whoever shows it keeps a copy to put back when
// the user cancels.

#include "platform/resources/moduleresources.h"

#include <QWizard>

#include <string>

class CBackgroundPage;
class CGeneralPage;
class CGlintra;
class CGlintraAppletParams;
class CPageletConfigFile;
class CProfile;
class CTextPage;
class QMenu;

class CGlintraPrpSheet : public QWizard {
    Q_OBJECT
public:
    // The wizard buttons, numbered as the sheet's own controls.
    static constexpr int ID_WIZBACK = 12323;
    static constexpr int ID_WIZNEXT = 12324;
    static constexpr int ID_WIZFINISH = 12325;
    static constexpr int IDCANCEL = 2;
    // The Preview button and the commands of its browser menu.
    static constexpr int IDC_PREVIEW = 4000;
    static constexpr unsigned ID_PREVIEW_DEFAULT = 32781;
    static constexpr unsigned ID_PREVIEW_FIRST = 32806;
    static constexpr unsigned ID_PREVIEW_LAST = 32900;
    enum EPage { GeneralPageId = 0, BackgroundPageId = 1, TextPageId = 2 };

    // The server's resources give the sheet its texts and pictures.
    explicit CGlintraPrpSheet(HMODULE32 resources, QWidget* parent = nullptr);
    ~CGlintraPrpSheet() override;

    // Set before the sheet is shown; none is owned. The preview needs the
    // pagelet's configuration tables, the user's settings (the browsers
    // named in the Web Browser dialog) and the folder it may write into.
    CGlintraAppletParams* m_pParams = nullptr;
    CGlintra* m_pPagelet = nullptr;
    CPageletConfigFile* m_pConfig = nullptr;
    CProfile* m_pSettings = nullptr;
    std::string m_strTempFolder;

    // The Preview button's menu: "Use Default", the known browsers and,
    // after a second separator, the user's. Each entry's data is its command.
    QMenu* BuildBrowserMenu();
    // Drops the menu down under the Preview button.
    void OnPreview();
    // A command of the menu: the current page stored, the preview page
    // written and opened in the browser the command names.
    void OnPreviewCommand(unsigned id);
    // The current page into the design, then preview.htm; its path, or ""
    // after "Preview Failure!".
    std::string MakePreviewPage();

    CGeneralPage& GeneralPage() const { return *m_pGeneralPage; }
    CBackgroundPage& BackgroundPage() const { return *m_pBackgroundPage; }
    CTextPage& TextPage() const { return *m_pTextPage; }

    HMODULE32 Resources() const { return m_hResources; }
    QString String(UINT id) const;

    // The wizard is closing without Finish: pages are left without a store.
    bool IsCancelling() const { return m_bCancelling; }

    void done(int result) override;

protected:
    void cleanupPage(int id) override;
    // Sized for the largest of the three pages before it first shows, so no
    // page is ever cut: the wizard does not grow by itself when the page
    // changes.
    void showEvent(QShowEvent* event) override;

private:
    void OnCurrentIdChanged(int id);

    HMODULE32 m_hResources;
    CGeneralPage* m_pGeneralPage = nullptr;
    CBackgroundPage* m_pBackgroundPage = nullptr;
    CTextPage* m_pTextPage = nullptr;
    bool m_bCancelling = false;
    bool m_bSized = false;
};
