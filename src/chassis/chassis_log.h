// The logging category of the chassis view: the steps of a panel load. Debug output is off by
// default; QT_LOGGING_RULES="corvane.chassis.debug=true" switches it on.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcChassis)
