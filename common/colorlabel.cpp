#include "common/colorlabel.h"

#include <QApplication>
#include <QPalette>

QColor ColorFromRef(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

COLORREF RefFromColor(const QColor& color)
{
    return RGB(BYTE(color.red()), BYTE(color.green()), BYTE(color.blue()));
}

CColorLabel::CColorLabel(QWidget* parent) : CColorLabel(QString(), parent) {}

CColorLabel::CColorLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    // The system's colours until told otherwise: window text on button face.
    const QPalette system = QApplication::palette();
    m_crText = RefFromColor(system.color(QPalette::WindowText));
    m_crBack = RefFromColor(system.color(QPalette::Button));
    setAutoFillBackground(true);
    setWordWrap(true);
    ApplyColors();
}

void CColorLabel::SetForeColor(COLORREF color)
{
    m_crText = color;
    ApplyColors();
}

void CColorLabel::SetBackColor(COLORREF color)
{
    m_crBack = color;
    ApplyColors();
}

void CColorLabel::SetBold(BOOL bold)
{
    QFont f = font();
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    setFont(f);
}

void CColorLabel::ApplyColors()
{
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, ColorFromRef(m_crText));
    colors.setColor(QPalette::Window, ColorFromRef(m_crBack));
    setPalette(colors);
    update();
}
