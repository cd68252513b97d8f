// The logging category of the bindings: get and set cycles and their outcomes.
#include "binding_log.h"

Q_LOGGING_CATEGORY(lcBinding, "corvane.binding", QtWarningMsg)
