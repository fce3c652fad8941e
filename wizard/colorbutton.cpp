#include "wizard/colorbutton.h"

#include "platform/ui/qtconversions.h"
#include "platform/ui/uiservices.h"

#include <QPainter>

namespace {

constexpr int kInset = 5;

} // namespace

CColorButton::CColorButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    // Nothing is drawn behind the swatch: the dialog shows through.
    setAutoFillBackground(false);
}

void CColorButton::SetColor(COLORREF color)
{
    m_color = color;
    update();
}

QSize CColorButton::sizeHint() const
{
    return QSize(60, 24);
}

void CColorButton::paintEvent(QPaintEvent*)
{
    if (!isEnabled())
        return;
    QPainter painter(this);
    const QRect r = rect();
    // The item rectangle's right and bottom lie one past the last pixel, as
    // the border's end points are given.
    const int left = r.left(), top = r.top(), right = r.left() + r.width(), bottom = r.top() + r.height();

    painter.fillRect(r.adjusted(kInset, kInset, -kInset, -kInset), ToQColor(m_color));

    QPen white(QColor(255, 255, 255), 2);
    QPen black(QColor(0, 0, 0), 2);
    const bool pressed = isDown();
    painter.setPen(pressed ? black : white);
    painter.drawLine(left, top, right, top);
    painter.drawLine(left, top, left, bottom);
    painter.setPen(black);
    painter.drawLine(right, bottom, right, top);
    painter.drawLine(right, bottom, left, bottom);

    if (hasFocus()) {
        // A dotted rectangle that shows on any colour: every other pixel
        // inverted.
        const QRect focus = r.adjusted(kInset, kInset, -kInset - 1, -kInset - 1);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        QPen dots(QColor(255, 255, 255), 1, Qt::CustomDashLine);
        dots.setDashPattern({1, 1});
        painter.setPen(dots);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(focus);
    }
}

bool ChooseSwatchColor(CColorButton& swatch)
{
    const std::optional<COLORREF> chosen = UiServices().ChooseColor(swatch.Color());
    if (!chosen)
        return false;
    swatch.SetColor(*chosen);
    return true;
}
