// The logging category of the dedicated windows. Debug output is off by default;
// QT_LOGGING_RULES="corvane.windows.debug=true" switches it on.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcWindows)
