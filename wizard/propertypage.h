#pragma once
// One page of the wizard sheet. A page reaches the design only through its
// sheet. The sheet tells it when it becomes active (it loads its controls
// from the design) and when the user leaves it with Back, Next or Finish
// (it stores them); Cancel leaves it without a store.

#include "wizard/dialogdata.h"

#include <QWizardPage>

class CGlintraAppletParams;
class CGlintraPrpSheet;
class CColorLabel;
class QLabel;

class CPropertyPage : public QWizardPage {
    Q_OBJECT
public:
    // The caption of each page's dialog, which the sheet shows.
    static constexpr const char* kCaption = "Pallima Glintra 1.5 Wizard";

    CPropertyPage(int idd, const char* heading, QWidget* parent = nullptr);

    // Once, when the sheet holds the page: pictures, tips, ranges.
    virtual void OnInitDialog();
    virtual void OnSetActive() = 0;
    // Back, Next or Finish.
    virtual void OnLeave() = 0;

    // Members into controls (FALSE) or back (TRUE); FALSE when an integer
    // field was refused (the others are read anyway).
    bool UpdateData(bool saveAndValidate);

    CColorLabel* Heading() const { return m_pHeading; }

    // At least the page's dialog size; more where its texts need it.
    QSize sizeHint() const override;

protected:
    virtual void DoDataExchange(CDataExchange& dx) = 0;
    bool validatePage() override;

    CGlintraPrpSheet& Sheet() const;
    CGlintraAppletParams& Design() const;

    // The icon at the page's top left, for the pages that show one.
    QLabel* MakeIcon();

private:
    CColorLabel* m_pHeading = nullptr;
    QLabel* m_pIcon = nullptr;
};
