#pragma once
// The insert dialog (dialog 132): the page's text, where the user puts the
// caret and presses Insert to place the widget's block; one level of Undo;
// OK takes the text to be written back.

#include "platform/base/types.h"

#include "host/output/publishoptions.h"

#include <QDialog>

#include <string>

class CPagelet;
class QCheckBox;
class QPlainTextEdit;
class QPushButton;

class CInsertPageDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 132;
    static constexpr int IDC_PAGE = 1030;
    static constexpr int IDC_INSERT = 1031;
    static constexpr int IDC_UNDO = 1032;
    static constexpr int IDC_COPY_FILES = 1034;

    CInsertPageDlg(const CPagelet& pagelet, std::string path, QWidget* parent = nullptr,
                   const CPublishOptions& options = {});

    // Reads the page, with its messages when that fails. Call before the
    // dialog runs.
    void InitDialog();
    void accept() override;
    void OnInsert();
    void OnUndo();

    // TRUE when OK may write the page back: it was read whole, or there
    // is no file of that name yet.
    bool CanWriteBack() const { return m_bCanWriteBack; }

    const CPagelet* m_pPagelet;
    std::string m_strPath;
    CPublishOptions m_options;
    QPushButton* m_pUndo = nullptr;
    QPlainTextEdit* m_pPage = nullptr;
    std::string m_strPageText;
    BOOL m_bCopyFiles = FALSE;

private:
    QCheckBox* m_pCopyFiles = nullptr;
    bool m_bCanWriteBack = false;
};
