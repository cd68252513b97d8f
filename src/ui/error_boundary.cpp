// The error boundary: one catch for every guarded handler.
#include "error_boundary.h"

#include <QPointer>
#include <QWidget>
#include <exception>

bool Guarded(const std::function<void()>& action, const ErrorReport& report) {
    std::string text;
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        text = e.what();
    } catch (...) {
        text = "Unknown error code!";
    }
    if (report)
        report(text);
    return false;
}

ErrorReport ToMessageBox(MessageKind kind, QWidget* parent) {
    return [kind, parent = QPointer<QWidget>(parent)](const std::string& text) {
        ShowMessage(kind, QString::fromStdString(text), parent.data());
    };
}

ErrorReport ToFixedMessage(MessageKind kind, const QString& text, QWidget* parent) {
    return [kind, text, parent = QPointer<QWidget>(parent)](const std::string&) {
        ShowMessage(kind, text, parent.data());
    };
}
