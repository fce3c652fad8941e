#pragma once
// A form painted in one colour of its own: the base of the guide page.

#include "platform/base/types.h"

#include <QWidget>

class CColorFormView : public QWidget {
    Q_OBJECT
public:
    void SetBackgroundColor(COLORREF color);
    COLORREF BackgroundColor() const { return m_crBackground; }
    UINT FormId() const { return m_nFormId; }

protected:
    // The form of that dialog number; only derived views are made.
    explicit CColorFormView(UINT formId, QWidget* parent = nullptr);
    void paintEvent(QPaintEvent* event) override;

private:
    UINT m_nFormId;
    COLORREF m_crBackground;
};
