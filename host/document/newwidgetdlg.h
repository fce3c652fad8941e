#pragma once
// "New " (dialog 130): a name and a description for the new widget and the
// template it starts from. On OK the document's pagelet holds the chosen
// template's design under the typed name.

#include "host/document/templatelist.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

class CNewWidgetDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 130;
    static constexpr int IDC_NAME = 1012;
    static constexpr int IDC_DESCRIPTION = 1013;
    static constexpr int IDC_TEMPLATES = 1011;
    static constexpr int IDC_INFO = 1014;

    explicit CNewWidgetDlg(CPagelet& documentPagelet, QWidget* parent = nullptr);

    // Makes the dialog's own pagelet and lists the templates. FALSE when the
    // pagelet cannot be made: the dialog is then not shown (as a Cancel).
    bool InitDialog();
    void accept() override;

    std::string m_strName;
    std::string m_strDescription;
    int m_nSelected = -1;

private:
    void OnSelectTemplate(int row);

    CPagelet& m_documentPagelet;
    CTemplateList m_templates;
    QLineEdit* m_pName = nullptr;
    QLineEdit* m_pDescription = nullptr;
    QListWidget* m_pList = nullptr;
    QLabel* m_pInfo = nullptr;
};
