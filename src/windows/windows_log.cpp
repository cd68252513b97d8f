// The dedicated windows' logging category.
#include "windows_log.h"

Q_LOGGING_CATEGORY(lcWindows, "corvane.windows", QtWarningMsg)
