#include "common/linklabel.h"

#include "common/colorlabel.h"
#include "platform/ui/uiservices.h"

#include <QApplication>
#include <QMouseEvent>

CLinkLabel::CLinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::ArrowCursor);
    SetState(Normal);
}

QColor CLinkLabel::TextColor() const
{
    switch (m_state) {
    case Visited: return ColorFromRef(m_crVisited);
    case Hover: return ColorFromRef(m_crHover);
    default: return ColorFromRef(m_crNormal);
    }
}

void CLinkLabel::SetState(EState state)
{
    m_state = state;
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, TextColor());
    setPalette(colors);
    update();
}

void CLinkLabel::enterEvent(QEnterEvent* event)
{
    // Qt reports the leave however fast the mouse goes, so no capture is
    // needed to come back from the hover colour.
    if (m_bHoverTracking && m_state != Hover) {
        m_stateBeforeHover = m_state;
        SetState(Hover);
    }
    QLabel::enterEvent(event);
}

void CLinkLabel::leaveEvent(QEvent* event)
{
    if (m_bHoverTracking && m_state == Hover)
        SetState(m_stateBeforeHover);
    QLabel::leaveEvent(event);
}

void CLinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QLabel::mousePressEvent(event);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool opened = UiServices().ShellOpen(m_strTarget);
    QApplication::restoreOverrideCursor();
    if (opened) {
        // Followed: it comes back to the visited colour when the mouse leaves.
        if (m_state == Hover)
            m_stateBeforeHover = Visited;
        else
            SetState(Visited);
    }
}
