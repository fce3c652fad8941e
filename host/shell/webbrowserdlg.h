#pragma once
// "Web Browser" (dialog 134): the browsers found on this computer, and the
// ones the user names for the wizard's Preview menu, which can be added
// and deleted. Every change is stored at once; the dialog has no OK or
// Cancel and is closed with its close box or Escape.

#include "common/browserlist.h"

#include <QDialog>

#include <string>

class CProfile;
class QLineEdit;
class QListWidget;

class CWebBrowserDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 134;
    static constexpr int IDC_INSTALLED = 1053;
    static constexpr int IDC_SPECIFIED = 1026;
    static constexpr int IDC_DELETE = 1049;
    static constexpr int IDC_NAME = 1012;
    static constexpr int IDC_FILE_PATH = 1039;
    static constexpr int IDC_BROWSE = 1010;
    static constexpr int IDC_ADD = 1027;

    // Detection runs here, every time the dialog is made.
    explicit CWebBrowserDlg(CProfile& settings, QWidget* parent = nullptr,
                            const CDesktopSearch& search = CDesktopSearch::FromEnvironment());

    void OnBrowse();
    void OnAdd();
    void OnDelete();

    std::string m_strFilePath;
    std::string m_strName;
    std::string m_strSelected;

private:
    void TakeOver();

    CBrowserList m_browsers;
    QListWidget* m_pInstalled = nullptr;
    QListWidget* m_pSpecified = nullptr;
    QLineEdit* m_pName = nullptr;
    QLineEdit* m_pFilePath = nullptr;
};
