#pragma once
// "Time" (dialog 140): one time in milliseconds, described by the caller
// ("Delay of every screen:", "Showing static text:", ...).

#include "wizard/datadialog.h"

#include <string>

class QLabel;

class CTimeDlg : public CDataDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 140;
    static constexpr int IDC_DESCRIPTION = 1063;
    static constexpr int IDC_VALUE = 1064;
    static constexpr int IDC_VALUE_SPIN = 1065;

    explicit CTimeDlg(QWidget* parent = nullptr);

    std::string m_strDescription;
    int m_nValue = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog() override;

private:
    QLabel* m_pDescription = nullptr;
    CIntegerEdit* m_pValue = nullptr;
};
