// The error boundary of the widget layers: an exception raised in a slot or event handler stops
// there, its text goes to a report (a status line or a message box), and the window stays
// usable. Handlers run their work through Guarded instead of a try block of their own.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "message_box.h"

class QWidget;

// Where the text of an exception goes; an empty report drops it.
using ErrorReport = std::function<void(const std::string& text)>;

// Runs action. An exception it raises ends the action and its text goes to report instead of
// the event loop. True when the action ran to its end.
bool Guarded(const std::function<void()>& action, const ErrorReport& report);

// Returns a slot for connect() that runs action through Guarded.
template <class F>
auto GuardedSlot(F action, ErrorReport report) {
    return [action = std::move(action), report = std::move(report)]() mutable {
        Guarded(action, report);
    };
}

// A message box of the kind, owned by parent, showing the exception's text.
ErrorReport ToMessageBox(MessageKind kind, QWidget* parent);
// A message box of the kind with a fixed text, whatever the exception said.
ErrorReport ToFixedMessage(MessageKind kind, const QString& text, QWidget* parent);
