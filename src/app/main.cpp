// Start-up: application title, main window (session, messages, command line), message loop.
#include <QApplication>
#include <cstdio>
#include <exception>

#include "command_line.h"
#include "main_form.h"
#include "message_box.h"
#include "messages.h"

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& a : args) {
        if (a == "--help") {
            std::fputs(CommandLineHelp().c_str(), stdout);
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("corvane");
    QApplication::setApplicationDisplayName("Corvane");

    if (args.empty()) {
        ShowMessage(MessageKind::Information, "No parameter input");
        return 1;
    }

    std::unique_ptr<TMainForm> form;
    try {
        form = std::make_unique<TMainForm>(args);
    } catch (const std::exception& e) {
        ShowMessage(MessageKind::Error, QString::fromLocal8Bit(e.what()));
        return 1;
    }
    form->FormCreate();
    form->show();
    return app.exec();
}
