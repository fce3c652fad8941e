#pragma once
// Pieces the widget and template dialogs share: a line edit or list named
// by its control number, OK and Cancel buttons numbered 1 and 2, and text
// between std::string (UTF-8) and Qt.

#include "platform/ui/dialogresource.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <string>

inline QString ToQt(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline std::string FromQt(const QString& text)
{
    return text.toUtf8().toStdString();
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
