// The logging category of the request engine: table walks, their fall-backs and ends.
#include "request_log.h"

Q_LOGGING_CATEGORY(lcRequest, "corvane.request", QtWarningMsg)
