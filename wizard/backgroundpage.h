#pragma once
// The wizard's second page (dialog 151): the background of each banner,
// how it is filled, how it replaces the banner before it, how long it stays.

#include "model/bannerbackground.h"
#include "wizard/bannerlistpage.h"

class CColorButton;
class QComboBox;
class QPushButton;

class CBackgroundPage : public CBannerListPage {
    Q_OBJECT
public:
    static constexpr int IDD = 151;
    static constexpr int IDC_FILL_TYPE = 1010;
    static constexpr int IDC_FILL_COLOR = 1015;
    static constexpr int IDC_IMAGE = 1034;
    static constexpr int IDC_SHOW_STYLE = 1027;
    static constexpr int IDC_DELAY = 1028;
    static constexpr int IDC_DELAY_SPIN = 1035;

    explicit CBackgroundPage(QWidget* parent = nullptr);

    void OnSelectFillType(int type);
    void OnFillColor();
    void OnImage();

    int m_nFillType = -1;
    int m_nShowStyle = -1;
    int m_nDelay = 0;
    CBannerBackground m_background;  // the current banner's, as edited

protected:
    std::string RecordTitle(int index) const override;
    bool RecordEnabled(int index) const override;
    void LoadRecord() override;
    void StoreRecord() override;
    void SetWorkingTitle(const std::string& title) override { m_background.m_BKTitle = title; }
    int TypeMember() const override { return m_nFillType; }
    void EnableTypeControls(int type) override;
    bool WritesChecksOnSelection() const override { return true; }
    void DoDataExchange(CDataExchange& dx) override;

private:
    QComboBox* m_pFillType = nullptr;
    CColorButton* m_pFillColor = nullptr;
    QPushButton* m_pImage = nullptr;
    QComboBox* m_pShowStyle = nullptr;
    CIntegerEdit* m_pDelay = nullptr;
};
