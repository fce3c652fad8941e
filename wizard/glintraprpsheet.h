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
class CTextPage;

class CGlintraPrpSheet : public QWizard {
    Q_OBJECT
public:
    // The wizard buttons, numbered as the sheet's own controls.
    static constexpr int ID_WIZBACK = 12323;
    static constexpr int ID_WIZNEXT = 12324;
    static constexpr int ID_WIZFINISH = 12325;
    static constexpr int IDCANCEL = 2;
    enum EPage { GeneralPageId = 0, BackgroundPageId = 1, TextPageId = 2 };

    // The server's resources give the sheet its texts and pictures.
    explicit CGlintraPrpSheet(HMODULE32 resources, QWidget* parent = nullptr);
    ~CGlintraPrpSheet() override;

    // Both are set before the sheet is shown; neither is owned.
    CGlintraAppletParams* m_pParams = nullptr;
    CGlintra* m_pPagelet = nullptr;

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

private:
    void OnCurrentIdChanged(int id);

    HMODULE32 m_hResources;
    CGeneralPage* m_pGeneralPage = nullptr;
    CBackgroundPage* m_pBackgroundPage = nullptr;
    CTextPage* m_pTextPage = nullptr;
    bool m_bCancelling = false;
};
