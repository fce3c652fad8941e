#pragma once
// Dialogs stand for the resources they are numbered after: a dialog and each
// of its controls carry their number as object name, so code and tests can
// say "list 4009", and sizes given in dialog units are converted at the
// metrics of an 8-point font. OK and Cancel are buttons 1 and 2.

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
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

// OK (1) and, unless left out, Cancel (2), wired to the dialog.
inline QDialogButtonBox* OkCancelButtons(QDialog* dialog, bool withCancel = true)
{
    auto* box = new QDialogButtonBox(dialog);
    QPushButton* ok = box->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(ControlIdName(1));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    if (withCancel) {
        QPushButton* cancel = box->addButton(QDialogButtonBox::Cancel);
        cancel->setObjectName(ControlIdName(2));
        QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    }
    return box;
}
