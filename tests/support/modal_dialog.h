// Acting on the modal dialogs a GUI test opens, without ever hanging in one.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

namespace corvane::test {

// Runs action on the next modal dialog as soon as it is open; the dialog is closed after
// 5 s at the latest so that no test can hang in it.
inline void onNextDialog(std::function<void(QDialog*)> action) {
    auto tries = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, tries, poll] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            if (++*tries < 300)
                QTimer::singleShot(10, *poll);
            return;
        }
        QPointer<QDialog> guard(dialog);
        QTimer::singleShot(5000, [guard] {
            if (guard)
                guard->reject();
        });
        action(dialog);
    };
    QTimer::singleShot(0, *poll);
}

}  // namespace corvane::test
