#include "host/output/copycodedlg.h"

#include "common/colorlabel.h"
#include "platform/ui/dialogresource.h"
#include "platform/ui/qtconversions.h"
#include "host/output/notelabel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CCopyCodeDlg::CCopyCodeDlg(const std::string& code, QWidget* parent) : QDialog(parent), m_strCode(code)
{
    setObjectName(ControlIdName(IDD));
    setWindowTitle("Glintra's HTML Code");
    auto* done = new QLabel("You have copied Glintra's HTML code into clipboard successfully.", this);
    // Edits in the box are allowed and go nowhere.
    m_pCode = WithControlId(new QPlainTextEdit(this), IDC_CODE);
    m_pCode->setLineWrapMode(QPlainTextEdit::NoWrap);
    QString shown = ToQt(code);
    shown.replace("\r\n", "\n");
    m_pCode->setPlainText(shown);
    m_pNote = NoteLabel("After you paste into your HTML file,you must ensure the image,audio and class files in the "
                        "right path according to the HTML code. You can use File\\Support Files... function to list "
                        "all the image, audio and class files used by Glintra.",
                        IDC_NOTE, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(done);
    layout->addWidget(m_pCode, 1);
    layout->addWidget(m_pNote);
    resize(DialogUnitsToPixels(296, 206));
}
