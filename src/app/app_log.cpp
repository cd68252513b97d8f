// The logging category of the application shell: start-up and the windows the menu opens.
#include "app_log.h"

Q_LOGGING_CATEGORY(lcApp, "corvane.app", QtWarningMsg)
