#include "common/bitmapbutton.h"

#include <QPainter>

CBitmapButton::CBitmapButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

bool CBitmapButton::LoadBitmaps(const QPixmap& normal, const QPixmap& pressed, const QPixmap& focused,
                                const QPixmap& disabled)
{
    m_normal = normal;
    m_pressed = pressed;
    m_focused = focused;
    m_disabled = disabled;
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
    const QPixmap* picture = &m_normal;
    if (!isEnabled())
        picture = &m_disabled;
    else if (isDown())
        picture = &m_pressed;
    else if (hasFocus())
        picture = &m_focused;
    return picture->isNull() ? m_normal : *picture;
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
