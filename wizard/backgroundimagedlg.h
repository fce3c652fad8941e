#pragma once
// "Background Image" (dialog 136): the picture of a banner's background,
// its web path and whether it is centred or tiled.

#include "wizard/datadialog.h"

#include <string>

class QButtonGroup;
class QLineEdit;

class CBackgroundImageDlg : public CDataDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 136;
    static constexpr int IDC_IMAGE = 1017;
    static constexpr int IDC_BROWSE = 1007;
    static constexpr int IDC_CENTER = 1018;
    static constexpr int IDC_TILE = 1019;

    explicit CBackgroundImageDlg(QWidget* parent = nullptr);

    std::string m_strWebPath;
    int m_nPutType = -1;       // 0 centre, 1 tile
    std::string m_strImage;    // local path

    void OnBrowse();

protected:
    void DoDataExchange(CDataExchange& dx) override;

private:
    QLineEdit* m_pImage = nullptr;
    QButtonGroup* m_pPutType = nullptr;
};
