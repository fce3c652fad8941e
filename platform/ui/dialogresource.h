#pragma once
// Dialogs stand for the resources they are numbered after: a dialog and each
// of its controls carry their number as object name, so code and tests can
// say "list 4009", and sizes given in dialog units are converted at the
// metrics of an 8-point font.

#include <QSize>
#include <QString>
#include <QWidget>

inline QString ControlIdName(int id)
{
    return QString::number(id);
}

template <class W>
W* WithControlId(W* widget, int id)
{
    widget->setObjectName(ControlIdName(id));
    return widget;
}

// About 1.5 pixels per horizontal and 1.625 per vertical dialog unit.
inline QSize DialogUnitsToPixels(int width, int height)
{
    return QSize(width * 3 / 2, height * 13 / 8);
}
