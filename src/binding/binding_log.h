// The logging category of the bindings: get and set cycles and their outcomes. Debug output is off
// by default; QT_LOGGING_RULES="corvane.binding.debug=true" switches it on.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcBinding)
