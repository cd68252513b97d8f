// Message boxes through one function; tests replace the handler.
#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessageHandler& handler() {
    static MessageHandler h;
    return h;
}
QString& title() {
    static QString t = QStringLiteral("Corvane");
    return t;
}
}  // namespace

QString ApplicationTitle() {
    return title();
}

void SetApplicationTitle(const QString& text) {
    title() = text;
}

MessageHandler SetMessageHandler(MessageHandler h) {
    MessageHandler old = std::move(handler());
    handler() = std::move(h);
    return old;
}

bool ShowMessage(MessageKind kind, const QString& text, QWidget* parent) {
    if (handler())
        return handler()(MessageRequest{kind, text, parent});
    const QString caption = ApplicationTitle();
    switch (kind) {
        case MessageKind::Confirmation:
            return QMessageBox::question(parent, caption, text,
                                         QMessageBox::Ok | QMessageBox::Cancel,
                                         QMessageBox::Cancel) == QMessageBox::Ok;
        case MessageKind::Warning:
            QMessageBox::warning(parent, caption, text);
            return true;
        case MessageKind::Error:
            QMessageBox::critical(parent, caption, text);
            return true;
        case MessageKind::Information:
            QMessageBox::information(parent, caption, text);
            return true;
    }
    return true;
}
