#pragma once
// A colour swatch that is a push button: the colour 5 pixels inside a
// raised (or, while pressed, sunken) border, and the focus rectangle on the
// colour's edge. A disabled swatch draws nothing at all. The owner opens
// the colour dialog on a click and sets the colour it returns.

#include "platform/base/types.h"

#include <QAbstractButton>

class CColorButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CColorButton(QWidget* parent = nullptr);

    COLORREF m_color = 0;

    // Sets the colour and draws it at once.
    void SetColor(COLORREF color);
    COLORREF Color() const { return m_color; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// What every owner does on a click: the colour dialog, starting from the
// swatch's colour; OK puts the chosen colour on the swatch, Cancel nothing.
// TRUE when a colour was chosen.
bool ChooseSwatchColor(CColorButton& swatch);
