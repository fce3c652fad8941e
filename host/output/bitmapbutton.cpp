#include "host/output/bitmapbutton.h"

#include <QPainter>

CBitmapButton::CBitmapButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

bool CBitmapButton::LoadBitmaps(const QPixmap& normal, const QPixmap& pressed)
{
    m_normal = normal;
    m_pressed = pressed;
    update();
    return !m_normal.isNull();
}

void CBitmapButton::SizeToContent()
{
    if (!m_normal.isNull())
        setFixedSize(m_normal.deviceIndependentSize().toSize());
}

const QPixmap& CBitmapButton::CurrentPicture() const
{
    return isDown() && !m_pressed.isNull() ? m_pressed : m_normal;
}

QSize CBitmapButton::sizeHint() const
{
    return m_normal.isNull() ? QSize(100, 35) : m_normal.deviceIndependentSize().toSize();
}

void CBitmapButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, CurrentPicture());
}
