#pragma once
// "Direction and Showing Time" (dialog 143): where the moving banner comes
// from and how long its text then stands still, in milliseconds.

#include "wizard/datadialog.h"

class QComboBox;

class CDirectionTimeDlg : public CDataDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 143;
    static constexpr int IDC_DIRECTION = 1066;
    static constexpr int IDC_TIME = 1064;
    static constexpr int IDC_TIME_SPIN = 1065;

    explicit CDirectionTimeDlg(QWidget* parent = nullptr);

    int m_nDirection = -1;
    int m_nTime = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override;

private:
    QComboBox* m_pDirection = nullptr;
    CIntegerEdit* m_pTime = nullptr;
};
