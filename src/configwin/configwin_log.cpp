// The logging category of the configuration windows: refreshes, page switches and closing waits.
#include "configwin_log.h"

Q_LOGGING_CATEGORY(lcConfigWin, "corvane.configwin", QtWarningMsg)
