#pragma once
// "Save as Template" (dialog 135): the name and description the widget's
// design is stored under as a template, the file that will be written, and
// the templates already there.

#include "host/document/templatelist.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

class CSaveTemplateDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 135;
    static constexpr int IDC_NAME = 1004;
    static constexpr int IDC_DESCRIPTION = 1007;
    static constexpr int IDC_PATH = 1008;
    static constexpr int IDC_TEMPLATES = 1011;

    CSaveTemplateDlg(const std::string& name, const std::string& description, QWidget* parent = nullptr);

    // Makes the dialog's own pagelet and lists the templates; FALSE after
    // "Save as template failure!" when the pagelet cannot be made.
    bool InitDialog();
    void accept() override;

    std::string m_strName;
    std::string m_strDescription;
    std::string m_strPath;

private:
    void OnNameChanged();

    CTemplateList m_templates;
    QLineEdit* m_pName = nullptr;
    QLineEdit* m_pDescription = nullptr;
    QLabel* m_pPath = nullptr;
    QListWidget* m_pList = nullptr;
};
