#pragma once
// The wizard's first page (dialog 133): the applet's own settings, its
// size, margins, border, colours, loading message, the background's moving
// speed and where the applet's class file lies on the web server.

#include "platform/base/types.h"
#include "wizard/propertypage.h"

#include <string>

class CColorButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CGeneralPage : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr int IDD = 133;
    static constexpr int IDC_SIDE_PICTURE = 130;
    static constexpr int IDC_ALIGN = 1014;
    static constexpr int IDC_BACK_COLOR = 1015;
    static constexpr int IDC_LOADING_MESSAGE = 4017;
    static constexpr int IDC_MOVING_SPEED = 1071;
    static constexpr int IDC_WIDTH = 1001;
    static constexpr int IDC_WIDTH_SPIN = 1002;
    static constexpr int IDC_HEIGHT = 1003;
    static constexpr int IDC_HEIGHT_SPIN = 1004;
    static constexpr int IDC_MARGIN_WIDTH = 1055;
    static constexpr int IDC_MARGIN_WIDTH_SPIN = 1031;
    static constexpr int IDC_MARGIN_HEIGHT = 1056;
    static constexpr int IDC_MARGIN_HEIGHT_SPIN = 1033;
    static constexpr int IDC_BORDER_WIDTH = 1005;
    static constexpr int IDC_BORDER_WIDTH_SPIN = 1006;
    static constexpr int IDC_BORDER_STYLE = 1018;
    static constexpr int IDC_BORDER_IMAGE = 1017;
    static constexpr int IDC_BORDER_IMAGE_BROWSE = 1007;
    static constexpr int IDC_CLASS_PATH = 4014;
    static constexpr int IDC_CLASS_BROWSE = 4015;

    explicit CGeneralPage(QWidget* parent = nullptr);

    void OnInitDialog() override;
    void OnSetActive() override;
    void OnLeave() override;

    void OnSelectBorderStyle(int style);
    void OnBackColor();
    void OnBorderImage();
    void OnClassFile();
    void OnLoadingMessage();
    void OnMovingSpeed();

    int m_nAlign = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nMarginWidth = 0;
    int m_nMarginHeight = 0;
    int m_nBorderWidth = 0;
    int m_nBorderStyle = 0;
    std::string m_strBorderImage;
    std::string m_strClassPath;

protected:
    void DoDataExchange(CDataExchange& dx) override;

private:
    void EnableBorderImage(int style);

    QLabel* m_pSidePicture = nullptr;
    QComboBox* m_pAlign = nullptr;
    CColorButton* m_pBackColor = nullptr;
    CIntegerEdit* m_pWidth = nullptr;
    CIntegerEdit* m_pHeight = nullptr;
    CIntegerEdit* m_pMarginWidth = nullptr;
    CIntegerEdit* m_pMarginHeight = nullptr;
    CIntegerEdit* m_pBorderWidth = nullptr;
    QComboBox* m_pBorderStyle = nullptr;
    QLineEdit* m_pBorderImage = nullptr;
    QPushButton* m_pBorderImageBrowse = nullptr;
    QLineEdit* m_pClassPath = nullptr;
};
