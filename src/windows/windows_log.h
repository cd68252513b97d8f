// The logging category of the dedicated windows ("corvane.windows", off by default).
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcWindows)
