#include "wizard/datadialog.h"

#include "platform/ui/dialogresource.h"

#include <QShowEvent>

CDataDialog::CDataDialog(int idd, const QString& caption, int widthUnits, int heightUnits, QWidget* parent)
    : QDialog(parent), m_nWidthUnits(widthUnits), m_nHeightUnits(heightUnits)
{
    setObjectName(ControlIdName(idd));
    setWindowTitle(caption);
}

bool CDataDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange dx(saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

void CDataDialog::accept()
{
    // Every field is checked before any member changes, so a refused OK
    // followed by Cancel still changes nothing.
    CDataExchange check(CDataExchange::Validate);
    DoDataExchange(check);
    if (check.Failed())
        return;
    UpdateData(true);
    QDialog::accept();
}

void CDataDialog::OnInitDialog()
{
    UpdateData(false);
}

void CDataDialog::showEvent(QShowEvent* event)
{
    if (!m_bInitialized && !event->spontaneous()) {
        m_bInitialized = true;
        FitToUnits();
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CDataDialog::FitToUnits()
{
    resize(DialogUnitsToPixels(m_nWidthUnits, m_nHeightUnits).expandedTo(minimumSizeHint()));
}
