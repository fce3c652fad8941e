#pragma once
// What the Background and Text pages share: the list of banners with a
// check mark each (list 1032), the Insert, Delete, Move up and Move down
// buttons, and the banner's title (edit 1036). The page shows the current
// banner of the design, one record of its own kind in a working copy; both
// pages work on the same current banner, so a banner chosen on one is still
// chosen on the other.

#include "wizard/propertypage.h"

#include <string>

class CBannerListModel;
class CBitmapButton;
class QLineEdit;
class QListView;

class CBannerListPage : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr int IDC_BANNER_LIST = 1032;
    static constexpr int IDC_INSERT = 1009;
    static constexpr int IDC_DELETE = 1011;
    static constexpr int IDC_MOVEUP = 1012;
    static constexpr int IDC_MOVEDOWN = 1013;
    static constexpr int IDC_TITLE = 1036;

    CBannerListPage(int idd, const char* heading, QWidget* parent = nullptr);

    void OnInitDialog() override;
    void OnSetActive() override;
    void OnLeave() override;

    // The list again from the design, the current banner selected.
    void FillBannerList();
    // The current banner's record into the working copy and the controls.
    void LoadBanner();
    // The controls into the working copy and the design.
    void StoreBanner();
    // Every line's check mark into both enable flags of its banner.
    void StoreChecks();
    // The page's own controls for type (none when -1), then the move
    // buttons for index (none when -1).
    void EnableControls(int type, int index);

    void OnInsert();
    void OnDelete();
    void OnMoveUp();
    void OnMoveDown();
    void OnSelChange();
    void OnKillFocusTitle();

    QListView* BannerList() const { return m_pList; }
    CBannerListModel* BannerLines() const { return m_pLines; }

protected:
    // The record of the page's kind.
    virtual std::string RecordTitle(int index) const = 0;
    virtual bool RecordEnabled(int index) const = 0;
    // Design record -> working copy -> members.
    virtual void LoadRecord() = 0;
    // Members -> working copy -> design record.
    virtual void StoreRecord() = 0;
    virtual void SetWorkingTitle(const std::string& title) = 0;
    // What decides the page's own controls: the fill type or the style.
    virtual int TypeMember() const = 0;
    virtual void EnableTypeControls(int type) = 0;
    // The Background page writes a line's check mark as soon as it is
    // chosen; the Text page only when it is left.
    virtual bool WritesChecksOnSelection() const { return false; }

    void DoDataExchange(CDataExchange& dx) override;

    // The page's layout: the icon and the heading above, the banner list
    // on the left, the page's own fields on the right.
    void LayOut(QWidget* fields);

    std::string m_strTitle;

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    int CurrentLine() const;
    void SelectLine(int row);
    void WriteCheckOfLine(int row);
    void OnCheckChanged(int row);
    void Move(BOOL (CGlintraAppletParams::*background)(int), BOOL (CGlintraAppletParams::*text)(int), int step);

    QWidget* m_pPanel = nullptr;
    QListView* m_pList = nullptr;
    CBannerListModel* m_pLines = nullptr;
    CBitmapButton* m_pInsert = nullptr;
    CBitmapButton* m_pDelete = nullptr;
    CBitmapButton* m_pMoveUp = nullptr;
    CBitmapButton* m_pMoveDown = nullptr;
    QLineEdit* m_pTitle = nullptr;
    bool m_bFilling = false;
};
