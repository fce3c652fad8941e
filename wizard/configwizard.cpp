#include "wizard/configwizard.h"

#include "model/glintraappletparams.h"
#include "platform/ui/uiservices.h"
#include "wizard/glintraprpsheet.h"
#include "wizard/wizardtempfolder.h"

#include <QApplication>

BOOL RunConfigWizard(const CConfigWizard& wizard)
{
    if (!wizard.design || !QApplication::instance())
        return FALSE;
    const CGlintraAppletParams backup(*wizard.design);
    BOOL finished = FALSE;
    {
        // Modal over whatever window the host has active, and centred on it.
        CGlintraPrpSheet sheet(wizard.resources, QApplication::activeWindow());
        sheet.m_pParams = wizard.design;
        sheet.m_pPagelet = wizard.pagelet;
        sheet.m_pConfig = wizard.config;
        sheet.m_pSettings = wizard.settings;
        sheet.m_strTempFolder = WizardTempFolder(wizard.serverFolder);
        if (wizard.running)
            *wizard.running = &sheet;
        finished = UiServices().RunModal(sheet) == QDialog::Accepted;
        if (wizard.running)
            *wizard.running = nullptr;
    }
    if (!finished)
        wizard.design->CopyFrom(backup);
    RemoveWizardTempFolder(WizardTempFolder(wizard.serverFolder));
    return finished;
}
