#pragma once
// "Browse Files" (dialog 611): shows which pictures already lie in the folder
// the support files are copied to. It only informs; it has no buttons and is
// closed with its close box or Escape.

#include <QDialog>

#include <string>

class QListWidget;

class CBrowseFilesDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 611;
    static constexpr int IDC_FILE_LIST = 616;
    static constexpr int IDC_UNUSED_LIST = 615;

    CBrowseFilesDlg(const std::string& folder, const std::string& fileTypes, QWidget* parent = nullptr);

    // Fills the list. FALSE, after telling the user why, when the folder or
    // the types are blank or the folder does not exist; the dialog is then
    // not to be shown.
    bool InitDialog();

    const std::string& Folder() const { return m_strFolder; }
    const std::string& FileTypes() const { return m_strFileTypes; }

private:
    QListWidget* m_pList = nullptr;
    std::string m_strFolder;
    std::string m_strFileTypes;
};
