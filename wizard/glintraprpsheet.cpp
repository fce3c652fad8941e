#include "wizard/glintraprpsheet.h"

#include "platform/ui/dialogresource.h"
#include "platform/ui/modulepictures.h"
#include "resources/pagelet/pageletresources.h"
#include "wizard/backgroundpage.h"
#include "wizard/generalpage.h"
#include "wizard/textpage.h"

#include <QAbstractButton>

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
