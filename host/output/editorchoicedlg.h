#pragma once
// "Insert Glintra into Page" (dialog 147): the offer to let the Pallima
// HTML editor insert the widget.

#include "platform/base/types.h"

#include <QDialog>

class CColorLabel;
class QCheckBox;

class CEditorChoiceDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 147;
    static constexpr int IDC_USE_EDITOR = 1042;
    static constexpr int IDC_NOTE = 1043;

    explicit CEditorChoiceDlg(QWidget* parent = nullptr);
    void accept() override;

    BOOL m_bUseEditor = FALSE;
    CColorLabel* m_pNote = nullptr;

private:
    QCheckBox* m_pUseEditor = nullptr;
};
