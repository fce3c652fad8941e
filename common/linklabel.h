#pragma once
// A text that behaves as a web link: underlined, blue, red while the mouse
// is over it, and opening its target with the shell's "open" when clicked.

#include "platform/base/types.h"

#include <QLabel>

#include <string>

class CLinkLabel : public QLabel {
    Q_OBJECT
public:
    enum EState { Normal = 0, Visited = 1, Hover = 2 };

    explicit CLinkLabel(const QString& text = {}, QWidget* parent = nullptr);

    void SetLinkTarget(const std::string& target) { m_strTarget = target; }
    const std::string& LinkTarget() const { return m_strTarget; }
    EState State() const { return m_state; }
    QColor TextColor() const;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void SetState(EState state);

    std::string m_strTarget;
    COLORREF m_crNormal = RGB(0, 0, 255);
    COLORREF m_crVisited = RGB(0, 0, 255);
    COLORREF m_crHover = RGB(255, 0, 0);
    bool m_bHoverTracking = true;
    EState m_state = Normal;
    EState m_stateBeforeHover = Normal;
};
