#pragma once
// The wizard's third and last page (dialog 149): the text of each banner,
// its animation style with the style's own parameters, its font and place
// (through the Font dialog), its link and the link's target frame.

#include "model/bannertext.h"
#include "wizard/bannerlistpage.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;

// What choosing an animation style sets: its two parameters and its speed.
struct CStyleDefaults {
    int misc1;
    int misc2;
    int speed;
};
// The defaults of style 0 to 14; other values have none.
const CStyleDefaults* StyleDefaults(int style);
// Whether the style has parameters of its own ("Special Params...").
bool StyleHasSpecialParams(int style);

class CTextPage : public CBannerListPage {
    Q_OBJECT
public:
    static constexpr int IDD = 149;
    static constexpr int IDC_STYLE = 1040;
    static constexpr int IDC_SPECIAL_PARAMS = 1041;
    static constexpr int IDC_FONT = 1038;
    static constexpr int IDC_TEXT = 1037;
    static constexpr int IDC_LINK = 1039;
    static constexpr int IDC_TARGET_FRAME = 1022;

    explicit CTextPage(QWidget* parent = nullptr);

    void OnSelectStyle(int style);
    void OnSpecialParams();
    void OnFont();

    int m_nStyle = -1;
    std::string m_strTargetFrame;
    std::string m_strText;
    std::string m_strLink;
    CBannerText m_text;  // the current banner's, as edited

protected:
    std::string RecordTitle(int index) const override;
    bool RecordEnabled(int index) const override;
    void LoadRecord() override;
    void StoreRecord() override;
    void SetWorkingTitle(const std::string& title) override { m_text.m_TextTitle = title; }
    int TypeMember() const override { return m_nStyle; }
    void EnableTypeControls(int style) override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    QComboBox* m_pStyle = nullptr;
    QPushButton* m_pSpecialParams = nullptr;
    QPushButton* m_pFont = nullptr;
    QPlainTextEdit* m_pText = nullptr;
    QLineEdit* m_pLink = nullptr;
    QComboBox* m_pTargetFrame = nullptr;
};
