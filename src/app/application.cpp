// Start-up settings of the application object.
#include "application.h"

#include <QApplication>

#include "app_icon.h"
#include "message_box.h"

void ConfigureApplication() {
    QApplication::setApplicationName("corvane");
    SetApplicationTitle("Corvane");
    QGuiApplication::setDesktopFileName("corvane");
    // Every window without an icon of its own, message boxes and dialogs included, shows it.
    QApplication::setWindowIcon(AppIcon());
}
