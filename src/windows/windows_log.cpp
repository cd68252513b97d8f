// The logging category of the dedicated windows.
#include "windows_log.h"

Q_LOGGING_CATEGORY(lcWindows, "corvane.windows", QtWarningMsg)
