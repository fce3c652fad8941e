#pragma once
// "Glintra's HTML Code" (dialog 142): the code just put on the clipboard,
// with a note on the files the page needs. No buttons: the close box or
// Esc closes it.

#include <QDialog>

#include <string>

class CColorLabel;
class QPlainTextEdit;

class CCopyCodeDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 142;
    static constexpr int IDC_CODE = 1036;
    static constexpr int IDC_NOTE = 1041;

    explicit CCopyCodeDlg(const std::string& code, QWidget* parent = nullptr);

    std::string m_strCode;
    CColorLabel* m_pNote = nullptr;

private:
    QPlainTextEdit* m_pCode = nullptr;
};
