#pragma once
// "Rename" (dialog 131): the widget's name and description, the name
// checked by the name rule on OK.

#include <QDialog>

#include <string>

class QLineEdit;

class CWidgetNameDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 131;
    static constexpr int IDC_NAME = 1012;
    static constexpr int IDC_DESCRIPTION = 1013;

    CWidgetNameDlg(const std::string& name, const std::string& description, QWidget* parent = nullptr);
    void accept() override;

    std::string m_strName;
    std::string m_strDescription;

private:
    QLineEdit* m_pName = nullptr;
    QLineEdit* m_pDescription = nullptr;
};
