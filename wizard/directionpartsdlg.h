#pragma once
// "Direction and Parts Style" (dialog 142): the direction of the two-part
// animation and which two parts come in from the two sides.

#include "wizard/datadialog.h"

class QComboBox;

class CDirectionPartsDlg : public CDataDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 142;
    static constexpr int IDC_DIRECTION = 1066;
    static constexpr int IDC_PARTS_STYLE = 1067;

    explicit CDirectionPartsDlg(QWidget* parent = nullptr);

    int m_nDirection = -1;
    int m_nPartsStyle = -1;  // 0 even and odd lines, 1 the text and its shadow

protected:
    void DoDataExchange(CDataExchange& dx) override;

private:
    QComboBox* m_pDirection = nullptr;
    QComboBox* m_pPartsStyle = nullptr;
};
