#include "wizard/glintraprpsheet.h"

#include "common/browserlist.h"
#include "platform/base/files.h"
#include "platform/ui/dialogresource.h"
#include "platform/ui/modulepictures.h"
#include "platform/ui/qtconversions.h"
#include "platform/ui/uiservices.h"
#include "resources/pagelet/pageletresources.h"
#include "wizard/backgroundpage.h"
#include "wizard/generalpage.h"
#include "wizard/previewpage.h"
#include "wizard/textpage.h"

#include <QAbstractButton>
#include <QMenu>
#include <QPushButton>

#include <unistd.h>

CGlintraPrpSheet::CGlintraPrpSheet(HMODULE32 resources, QWidget* parent) : QWizard(parent), m_hResources(resources)
{
    setObjectName("GlintraPrpSheet");
    // The sheet's own caption until a page shows its dialog's caption.
    setWindowTitle(String(IDS_WIZARD_CAPTION));
    setWindowIcon(ModuleIcon(resources, IDI_PAGELET));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoDefaultButton, false);
    setOption(QWizard::HaveHelpButton, false);

    m_pGeneralPage = new CGeneralPage;
    m_pBackgroundPage = new CBackgroundPage;
    m_pTextPage = new CTextPage;
    setPage(GeneralPageId, m_pGeneralPage);
    setPage(BackgroundPageId, m_pBackgroundPage);
    setPage(TextPageId, m_pTextPage);
    setStartId(GeneralPageId);

    button(BackButton)->setObjectName(ControlIdName(ID_WIZBACK));
    button(NextButton)->setObjectName(ControlIdName(ID_WIZNEXT));
    button(FinishButton)->setObjectName(ControlIdName(ID_WIZFINISH));
    button(CancelButton)->setObjectName(ControlIdName(IDCANCEL));

    // Preview, at the lower left beside the wizard's own buttons.
    setOption(QWizard::HaveCustomButton1, true);
    setButtonText(CustomButton1, "Preview");
    QAbstractButton* preview = button(CustomButton1);
    preview->setObjectName(ControlIdName(IDC_PREVIEW));
    preview->setToolTip("Look at the banners in a web browser");
    setButtonLayout({CustomButton1, Stretch, BackButton, NextButton, FinishButton, CancelButton});
    connect(this, &QWizard::customButtonClicked, this, [this](int which) {
        if (which == CustomButton1)
            OnPreview();
    });

    for (CPropertyPage* page : {static_cast<CPropertyPage*>(m_pGeneralPage),
                                static_cast<CPropertyPage*>(m_pBackgroundPage),
                                static_cast<CPropertyPage*>(m_pTextPage)})
        page->OnInitDialog();

    connect(this, &QWizard::currentIdChanged, this, &CGlintraPrpSheet::OnCurrentIdChanged);
}

CGlintraPrpSheet::~CGlintraPrpSheet() = default;

QString CGlintraPrpSheet::String(UINT id) const
{
    return QString::fromStdString(LoadModuleString(m_hResources, id));
}

void CGlintraPrpSheet::OnCurrentIdChanged(int id)
{
    auto* page = qobject_cast<CPropertyPage*>(this->page(id));
    if (!page || m_bCancelling)
        return;
    setWindowTitle(CPropertyPage::kCaption);
    page->OnSetActive();
}

void CGlintraPrpSheet::showEvent(QShowEvent* event)
{
    if (!m_bSized && currentPage()) {
        m_bSized = true;
        QSize hint, least;
        for (int id : pageIds()) {
            QWizardPage* p = page(id);
            p->ensurePolished();
            hint = hint.expandedTo(p->sizeHint());
            least = least.expandedTo(p->minimumSizeHint());
        }
        // What the wizard adds around a page: its margins and the buttons.
        const QSize around = sizeHint() - currentPage()->sizeHint();
        setMinimumSize(least + around);
        resize(size().expandedTo(hint + around));
    }
    QWizard::showEvent(event);
}

void CGlintraPrpSheet::cleanupPage(int id)
{
    // Qt cleans a page up when the user goes Back from it, and every page
    // when the wizard is cancelled; only the first is a store.
    if (auto* page = qobject_cast<CPropertyPage*>(this->page(id)); page && !m_bCancelling)
        page->OnLeave();
}

void CGlintraPrpSheet::done(int result)
{
    if (result != Accepted)
        m_bCancelling = true;
    QWizard::done(result);
}

QMenu* CGlintraPrpSheet::BuildBrowserMenu()
{
    auto* menu = new QMenu(this);
    menu->setObjectName("143");
    const auto add = [&](const std::string& text, unsigned id) {
        QAction* action = menu->addAction(ToQt(text));
        action->setData(id);
        // The commands stop at the end of their range: a browser past it
        // has no command to run.
        action->setEnabled(id <= ID_PREVIEW_LAST);
        connect(action, &QAction::triggered, this, [this, id] { OnPreviewCommand(id); });
    };
    add("Use Default", ID_PREVIEW_DEFAULT);
    menu->addSeparator();
    if (!m_pSettings)
        return menu;
    const CBrowserList browsers(*m_pSettings);
    const int known = browsers.GetKnownBrowserCount();
    for (int i = 0; i < known; ++i)
        add(browsers.GetKnownBrowserName(i), ID_PREVIEW_FIRST + unsigned(i));
    const int users = browsers.GetUserBrowserCount();
    if (users != 0 && users != -1) {
        menu->addSeparator();
        for (int j = 0; j < users; ++j)
            add(browsers.GetUserBrowserName(j), ID_PREVIEW_FIRST + unsigned(known + 1 + j));
    }
    return menu;
}

void CGlintraPrpSheet::OnPreview()
{
    QMenu* menu = BuildBrowserMenu();
    QAbstractButton* preview = button(CustomButton1);
    menu->exec(preview->mapToGlobal(QPoint(0, preview->height())));
    menu->deleteLater();
}

std::string CGlintraPrpSheet::MakePreviewPage()
{
    // What the current page shows goes into the design first (the General
    // page warns about a size too small, as on Next).
    if (auto* general = qobject_cast<CGeneralPage*>(currentPage()))
        general->OnLeave();
    else if (auto* banners = qobject_cast<CBannerListPage*>(currentPage()))
        banners->StoreBanner();
    std::string page;
    if (m_pParams && m_pConfig)
        page = WritePreviewPage(*m_pParams, *m_pConfig, m_hResources, m_strTempFolder);
    if (page.empty())
        AfxMessageBox("Preview Failure!", MB_OK | MB_ICONEXCLAMATION);
    return page;
}

void CGlintraPrpSheet::OnPreviewCommand(unsigned id)
{
    if (id != ID_PREVIEW_DEFAULT && (id < ID_PREVIEW_FIRST || id > ID_PREVIEW_LAST))
        return;
    const std::string page = MakePreviewPage();
    if (page.empty())
        return;
    if (id == ID_PREVIEW_DEFAULT) {
        // The desktop's own handler for web pages.
        UiServices().ShellOpen(page);
        return;
    }
    if (!m_pSettings)
        return;
    const CBrowserList browsers(*m_pSettings);
    const int k = int(id - ID_PREVIEW_FIRST), known = browsers.GetKnownBrowserCount();
    const std::string program = k < known ? browsers.GetKnownBrowserPath(k) : browsers.GetUserBrowserPath(k - known - 1);
    const std::string name = k < known ? browsers.GetKnownBrowserName(k) : browsers.GetUserBrowserName(k - known - 1);
    // The wizard does not wait for the browser, but says when it cannot
    // start it rather than leaving the user waiting for a window.
    const bool runnable = !program.empty() && FileExists(program) && ::access(program.c_str(), X_OK) == 0;
    if (!runnable || !UiServices().StartProgram(program, {page}))
        AfxMessageBox("The browser " + name + " (" + program + ") could not be started.", MB_OK | MB_ICONEXCLAMATION);
}
