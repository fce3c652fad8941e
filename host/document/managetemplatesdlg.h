#pragma once
// "Manage Templates" (dialog 155): renames, re-describes and deletes the
// templates of the server folder. Every change is made on disk at once;
// there is no Cancel.

#include "host/document/templatelist.h"

#include <QDialog>

class QLineEdit;
class QListWidget;

class CManageTemplatesDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 155;
    static constexpr int IDC_NAME = 1046;
    static constexpr int IDC_DESCRIPTION = 1020;
    static constexpr int IDC_TEMPLATES = 1011;
    static constexpr int IDC_RENAME = 1048;
    static constexpr int IDC_DELETE = 1049;

    explicit CManageTemplatesDlg(QWidget* parent = nullptr);

    // FALSE after "Manage templates failure!" when the dialog's pagelet
    // cannot be made; the dialog is then not shown.
    bool InitDialog();
    void OnRename();
    void OnDelete();

    int m_nSelected = -1;
    const CTemplateList& Templates() const { return m_templates; }

private:
    void OnSelect(int row);
    void ShowSelected();
    void FillList();
    // After a change on disk that did not go through: list what is there.
    void Relist(const std::string& keepPath);

    CTemplateList m_templates;
    QLineEdit* m_pName = nullptr;
    QLineEdit* m_pDescription = nullptr;
    QListWidget* m_pList = nullptr;
};
