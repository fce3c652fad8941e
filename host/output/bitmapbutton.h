#pragma once
// A push button that is only a picture: its pressed picture while it is
// held down, its normal picture in every other state. It draws no text and
// no focus frame of its own.

#include <QAbstractButton>
#include <QPixmap>

class CBitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CBitmapButton(QWidget* parent = nullptr);

    // Normal and pressed pictures; the focused and disabled ones stay
    // empty. FALSE when the normal picture is missing.
    bool LoadBitmaps(const QPixmap& normal, const QPixmap& pressed);
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
};
