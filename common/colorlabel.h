#pragma once
// A text label with its own text colour, background and font: the guide
// page's explanations, the notes of the output dialogs and the wizard's
// bold page titles.

#include "platform/base/types.h"

#include <QLabel>

class CColorLabel : public QLabel {
    Q_OBJECT
public:
    explicit CColorLabel(QWidget* parent = nullptr);
    CColorLabel(const QString& text, QWidget* parent = nullptr);

    void SetForeColor(COLORREF color);
    void SetBackColor(COLORREF color);
    void SetBold(BOOL bold);

    COLORREF ForeColor() const { return m_crText; }
    COLORREF BackColor() const { return m_crBack; }

private:
    void ApplyColors();

    COLORREF m_crText;
    COLORREF m_crBack;
};

QColor ColorFromRef(COLORREF color);
COLORREF RefFromColor(const QColor& color);
