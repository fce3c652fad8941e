// The wizard's pages and dialogs at the default font: every text fits its
// control, every control can be reached with Tab in the order of the
// layout, and every edit and list is named by its label.
#include "wizardfixture.h"

#include "wizard/backgroundimagedlg.h"
#include "wizard/directiondlg.h"
#include "wizard/directionpartsdlg.h"
#include "wizard/directiontimedlg.h"
#include "wizard/loadingmessagedlg.h"
#include "wizard/movingspeeddlg.h"
#include "wizard/textfontdlg.h"
#include "wizard/timedlg.h"
#include "wizard/webpathfiledialog.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace {

using Layout = WizardFixture;

TEST_F(Layout, Shots)
{
    Run([&](CGlintraPrpSheet& sheet) {
        SaveShot(sheet, "wizard-general");
        Next(sheet);
        SaveShot(sheet, "wizard-background");
        Next(sheet);
        SaveShot(sheet, "wizard-text");
        Cancel(sheet);
    });
}

} // namespace
