// The logging category of the application shell: start-up and the windows the menu opens. Debug
// output is off by default; QT_LOGGING_RULES="corvane.app.debug=true" switches it on.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)
