// The logging category of the configuration windows: reads started, page switches and the waits of
// closing. Debug output is off by default; QT_LOGGING_RULES="corvane.configwin.debug=true" switches
// it on.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcConfigWin)
