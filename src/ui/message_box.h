// The one path for message boxes and confirmations, so that tests can answer them.
#pragma once

#include <QString>
#include <functional>

class QWidget;

enum class MessageKind { Information, Warning, Error, Confirmation };

struct MessageRequest {
    MessageKind kind;
    QString text;
    QWidget* parent;
};

// The application title, "Corvane": the caption of every message box. Qt's own display name
// stays unset, since Qt would append it to every window caption.
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

// Shows a message box with the application title as caption. For Confirmation the box
// has OK and Cancel and the result says whether OK was chosen; for the others it is true.
bool ShowMessage(MessageKind kind, const QString& text, QWidget* parent = nullptr);
inline bool Confirm(const QString& text, QWidget* parent = nullptr) {
    return ShowMessage(MessageKind::Confirmation, text, parent);
}

// Tests install a handler that answers instead of a real box; an empty function restores
// the real boxes. Returns the previous handler.
using MessageHandler = std::function<bool(const MessageRequest&)>;
MessageHandler SetMessageHandler(MessageHandler handler);
