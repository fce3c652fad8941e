#include "host/output/insertpagedlg.h"

#include "platform/ui/dialogresource.h"
#include "platform/ui/qtconversions.h"
#include "host/document/pagelet.h"
#include "host/output/pageoutput.h"
#include "platform/ui/uiservices.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

// The control shows lines ended by LF; the page keeps CR LF. The page is
// taken as strict UTF-8: anything else would not come back as it was.
QString Shown(const std::string& text)
{
    QString shown = QString::fromUtf8(text.data(), qsizetype(text.size()));
    shown.replace("\r\n", "\n");
    return shown;
}

std::string Kept(QString shown)
{
    shown.replace('\n', "\r\n");
    return shown.toUtf8().toStdString();
}

} // namespace

CInsertPageDlg::CInsertPageDlg(const CPagelet& pagelet, std::string path, QWidget* parent,
                               const CPublishOptions& options)
    : QDialog(parent), m_pPagelet(&pagelet), m_strPath(std::move(path)), m_options(options)
{
    setObjectName(ControlIdName(IDD));
    auto* hint = new QLabel("Locate the insert point using caret:", this);
    m_pPage = WithControlId(new QPlainTextEdit(this), IDC_PAGE);
    m_pPage->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* ok = WithControlId(new QPushButton("OK", this), 1);
    auto* cancel = WithControlId(new QPushButton("Cancel", this), 2);
    auto* insert = WithControlId(new QPushButton("Insert", this), IDC_INSERT);
    m_pUndo = WithControlId(new QPushButton("Undo", this), IDC_UNDO);
    m_pCopyFiles = WithControlId(
        new QCheckBox("Copy class,image and audio files into same directory automatically", this), IDC_COPY_FILES);
    // The caret's place matters more than the buttons' focus.
    for (QPushButton* button : {ok, cancel, insert, m_pUndo})
        button->setAutoDefault(false);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(insert, &QPushButton::clicked, this, &CInsertPageDlg::OnInsert);
    connect(m_pUndo, &QPushButton::clicked, this, &CInsertPageDlg::OnUndo);

    auto* grid = new QGridLayout;
    grid->addWidget(hint, 0, 0);
    grid->addWidget(m_pPage, 1, 0, 6, 1);
    grid->addWidget(ok, 1, 1);
    grid->addWidget(cancel, 2, 1);
    grid->addItem(new QSpacerItem(0, 20), 3, 1);
    grid->addWidget(insert, 4, 1);
    grid->addWidget(m_pUndo, 5, 1);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addWidget(m_pCopyFiles);
    resize(DialogUnitsToPixels(336, 244));
}

void CInsertPageDlg::InitDialog()
{
    std::string text;
    const EPageRead read = ReadPageText(m_strPath, text);
    bool whole = read == EPageRead::Read;
    if (whole) {
        // The page must come back exactly as it was read: text that is not
        // UTF-8, or that the control would change, is not shown at all.
        const QString shown = Shown(text);
        whole = Kept(shown) == text;
        if (whole) {
            m_pPage->setPlainText(shown);
            whole = m_pPage->toPlainText() == shown;
        }
        if (!whole) {
            m_pPage->clear();
            AfxMessageBox("Can't read content from " + m_strPath);
        }
    } else if (read == EPageRead::ReadFailed) {
        AfxMessageBox("Can't read content from " + m_strPath);
    } else {
        AfxMessageBox("Open " + m_strPath + " Failure!");
    }
    // A page that is there but was not read whole is never written back;
    // a name without a file may still become a page.
    m_bCanWriteBack = whole || read == EPageRead::NotFound;
    if (!whole) {
        m_strPageText.clear();
        setWindowTitle(QString());
        m_pCopyFiles->setChecked(false);
        m_pUndo->setEnabled(true);
        return;
    }
    m_strPageText = text;
    setWindowTitle(ToQt("Insert into " + m_strPath));
    m_pCopyFiles->setChecked(true);
    m_pUndo->setEnabled(false);
    m_pPage->document()->clearUndoRedoStacks();
    m_pPage->moveCursor(QTextCursor::Start);
}

void CInsertPageDlg::OnInsert()
{
    const QString block = Shown(InsertionBlock(m_pPagelet->GetHTMLBody(0, PublishedOutputMode(m_options))));
    QTextCursor cursor = m_pPage->textCursor();
    // One step to undo: the selection replaced by the block.
    cursor.beginEditBlock();
    cursor.insertText(block);
    cursor.endEditBlock();
    m_pPage->setTextCursor(cursor);
    m_pUndo->setEnabled(true);
    m_pPage->setFocus();
}

void CInsertPageDlg::OnUndo()
{
    m_pPage->undo();
    m_pUndo->setEnabled(false);
    m_pPage->setFocus();
}

void CInsertPageDlg::accept()
{
    if (!m_bCanWriteBack) {
        AfxMessageBox("The page " + m_strPath +
                          " could not be read whole, so it is not written back. Cancel leaves it as it is.",
                      MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_strPageText = Kept(m_pPage->toPlainText());
    m_bCopyFiles = m_pCopyFiles->isChecked();
    QDialog::accept();
}
