#pragma once
// "Background Moving Speed" (dialog 150): how fast a moving background
// moves, 0 (Fastest) to 400 (Slowest).

#include "wizard/datadialog.h"

class QSlider;

class CMovingSpeedDlg : public CDataDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 150;
    static constexpr int IDC_SPEED = 1048;

    explicit CMovingSpeedDlg(QWidget* parent = nullptr);

    int m_nPosition = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override;

private:
    QSlider* m_pSpeed = nullptr;
};
