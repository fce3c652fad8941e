#pragma once
// A push button that is only a picture. It has up to four: normal, pressed
// (while it is held down), focused (while it has the keyboard focus) and
// disabled. A picture left empty falls back to the normal one. It draws no
// text and no focus frame of its own: a button that shows focus does it
// with its focused picture.

#include <QAbstractButton>
#include <QPixmap>

class CBitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CBitmapButton(QWidget* parent = nullptr);

    // FALSE when the normal picture is missing.
    bool LoadBitmaps(const QPixmap& normal, const QPixmap& pressed, const QPixmap& focused = {},
                     const QPixmap& disabled = {});
    // The button takes the size of its normal picture, keeping its place.
    void SizeToContent();

    const QPixmap& NormalPicture() const { return m_normal; }
    const QPixmap& PressedPicture() const { return m_pressed; }
    // What paint shows now.
    const QPixmap& CurrentPicture() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_normal;
    QPixmap m_pressed;
    QPixmap m_focused;
    QPixmap m_disabled;
};
