// The logging category of the request engine: table walks, their fall-backs and their ends. Debug
// output is off by default; QT_LOGGING_RULES="corvane.request.debug=true" switches it on.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcRequest)
