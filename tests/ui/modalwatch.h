#pragma once
// Drives the real modal windows of Qt from inside their event loops: the
// action is called on the next modal widget that opens, and a widget the
// action leaves open is closed (as a failure) so that no test hangs.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace modalwatch {

struct CWatch {
    std::function<void(QWidget&)> action;
    QPointer<QWidget> after;
    int attempts = 300;
};

inline void CloseIfLeftOpen(QPointer<QWidget> opened)
{
    QTimer::singleShot(3000, [opened] {
        if (!opened || !opened->isVisible())
            return;
        ADD_FAILURE() << "the modal window " << opened->metaObject()->className() << " was left open";
        if (auto* dialog = qobject_cast<QDialog*>(opened.data()))
            dialog->done(QDialog::Rejected);
        else
            opened->close();
    });
}

inline void Poll(std::shared_ptr<CWatch> watch)
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == watch->after || !modal->isVisible()) {
        if (--watch->attempts > 0)
            QTimer::singleShot(10, [watch] { Poll(watch); });
        else
            ADD_FAILURE() << "no modal window opened";
        return;
    }
    QPointer<QWidget> opened(modal);
    watch->action(*modal);
    CloseIfLeftOpen(opened);
}

} // namespace modalwatch

// action: what the user does to the window. after: a modal window already
// open (the one the new window comes from), which is not the one wanted.
inline void OnNextModal(std::function<void(QWidget&)> action, QWidget* after = nullptr)
{
    auto watch = std::make_shared<modalwatch::CWatch>();
    watch->action = std::move(action);
    watch->after = after;
    QTimer::singleShot(0, [watch] { modalwatch::Poll(watch); });
}
