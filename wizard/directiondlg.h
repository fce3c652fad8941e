#pragma once
// "Direction" (dialog 141): the direction of a text animation. The sliding
// style moves vertically only, so it is offered the first two directions.

#include "wizard/datadialog.h"

class QComboBox;

class CDirectionDlg : public CDataDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 141;
    static constexpr int IDC_DIRECTION = 1066;

    explicit CDirectionDlg(QWidget* parent = nullptr);

    int m_nAnimateType = 0;
    int m_nDirection = -1;   // 0 top to bottom, 1 bottom to top, 2 left to right, 3 right to left

protected:
    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog() override;

private:
    QComboBox* m_pDirection = nullptr;
};
