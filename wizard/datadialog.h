#pragma once
// The wizard's small modal dialogs: the caller fills the members and runs
// the dialog; when it is first shown the members go into the controls, and
// OK reads them back and closes, unless an integer field was refused (then
// the dialog stays open on that field). Cancel changes no member.

#include "wizard/dialogdata.h"

#include <QDialog>

class CDataDialog : public QDialog {
    Q_OBJECT
public:
    // The dialog's resource number, caption and size in dialog units.
    CDataDialog(int idd, const QString& caption, int widthUnits, int heightUnits, QWidget* parent = nullptr);

    // Members into controls (FALSE) or back (TRUE); FALSE when a field was refused.
    bool UpdateData(bool saveAndValidate);
    void accept() override;

protected:
    virtual void DoDataExchange(CDataExchange& dx) = 0;
    // Once, when the dialog is first shown: by default the members go into
    // the controls.
    virtual void OnInitDialog();
    void showEvent(QShowEvent* event) override;

    // Sizes the dialog to its units, or larger where its texts need it.
    void FitToUnits();

private:
    int m_nWidthUnits;
    int m_nHeightUnits;
    bool m_bInitialized = false;
};
