#include "host/output/editorchoicedlg.h"

#include "common/colorlabel.h"
#include "platform/ui/dialogresource.h"
#include "platform/ui/qtconversions.h"
#include "host/output/notelabel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

CEditorChoiceDlg::CEditorChoiceDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(ControlIdName(IDD));
    setWindowTitle("Insert Glintra into Page");
    m_pNote = NoteLabel("The best method to insert Glintra into page is using Pallima - a free HTML editor developed "
                        "by Norvane Software. You can insert,configure or delete a Glintra in Pallima easy.",
                        IDC_NOTE, this);
    m_pNote->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_pUseEditor =
        WithControlId(new QCheckBox("Using Pallima's File\\Import Widget... to insert Glintra", this), IDC_USE_EDITOR);
    // Checked whenever the dialog opens.
    m_bUseEditor = TRUE;
    m_pUseEditor->setChecked(true);
    auto* ok = WithControlId(new QPushButton("OK", this), 1);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pNote);
    layout->addWidget(m_pUseEditor);
    layout->addLayout(buttons);
    resize(DialogUnitsToPixels(264, 78));
}

void CEditorChoiceDlg::accept()
{
    m_bUseEditor = m_pUseEditor->isChecked();
    QDialog::accept();
}
