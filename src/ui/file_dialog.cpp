// File dialogs through one function; tests replace the handler.
#include "file_dialog.h"

#include <QDir>
#include <QFileDialog>

namespace {
FileDialogHandler& handler() {
    static FileDialogHandler h;
    return h;
}
}  // namespace

FileDialogHandler SetFileDialogHandler(FileDialogHandler h) {
    FileDialogHandler old = std::move(handler());
    handler() = std::move(h);
    return old;
}

QString AskSaveFileName(const QString& caption, const QString& suggestedName, const QString& filter,
                        QWidget* parent) {
    if (handler())
        return handler()(FileDialogRequest{caption, suggestedName, filter, parent});
    return QFileDialog::getSaveFileName(parent, caption, QDir::current().filePath(suggestedName),
                                        filter);
}
