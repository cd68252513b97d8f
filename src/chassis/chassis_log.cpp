// The logging category of the chassis view: the steps of a panel load.
#include "chassis_log.h"

Q_LOGGING_CATEGORY(lcChassis, "corvane.chassis", QtWarningMsg)
