#include "wizard/propertypage.h"

#include "common/colorlabel.h"
#include "platform/ui/dialogresource.h"
#include "platform/ui/modulepictures.h"
#include "resources/pagelet/pageletresources.h"
#include "wizard/glintraprpsheet.h"

#include <QLabel>

namespace {

constexpr int IDC_HEADING = 1000;

} // namespace

CPropertyPage::CPropertyPage(int idd, const char* heading, QWidget* parent) : QWizardPage(parent)
{
    setObjectName(ControlIdName(idd));
    m_pHeading = WithControlId(new CColorLabel(QString::fromUtf8(heading), this), IDC_HEADING);
    m_pHeading->SetBold(TRUE);
    m_pHeading->setWordWrap(false);
    m_pHeading->setAutoFillBackground(false);
}

QSize CPropertyPage::sizeHint() const
{
    return QWizardPage::sizeHint().expandedTo(DialogUnitsToPixels(330, 154));
}

bool CPropertyPage::UpdateData(bool saveAndValidate)
{
    CDataExchange dx(saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

bool CPropertyPage::validatePage()
{
    // Next and Finish: store, and never refuse to go on.
    OnLeave();
    return true;
}

CGlintraPrpSheet& CPropertyPage::Sheet() const
{
    return *static_cast<CGlintraPrpSheet*>(wizard());
}

CGlintraAppletParams& CPropertyPage::Design() const
{
    return *Sheet().m_pParams;
}

QLabel* CPropertyPage::MakeIcon()
{
    m_pIcon = WithControlId(new QLabel(this), IDI_PAGELET);
    m_pIcon->setFixedSize(32, 32);
    return m_pIcon;
}

void CPropertyPage::OnInitDialog()
{
    if (m_pIcon)
        m_pIcon->setPixmap(ModuleIcon(Sheet().Resources(), IDI_PAGELET).pixmap(32, 32));
}
