#pragma once
// "Loading Message" (dialog 4004): what the applet shows while it loads its
// pictures, and whether a progress bar goes with it.

#include "platform/base/types.h"
#include "wizard/datadialog.h"

#include <string>

class QCheckBox;
class QLineEdit;

class CLoadingMessageDlg : public CDataDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 4004;
    static constexpr int IDC_WITH_BAR = 4019;
    static constexpr int IDC_MESSAGE = 4018;

    explicit CLoadingMessageDlg(QWidget* parent = nullptr);

    BOOL m_bWithBar = FALSE;
    std::string m_strMessage;

protected:
    void DoDataExchange(CDataExchange& dx) override;

private:
    QCheckBox* m_pWithBar = nullptr;
    QLineEdit* m_pMessage = nullptr;
};
