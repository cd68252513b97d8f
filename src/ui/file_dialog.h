// The one path for file dialogs, so that tests can answer them like the message boxes.
#pragma once

#include <QString>
#include <functional>

class QWidget;

struct FileDialogRequest {
    QString caption;
    QString suggestedName;  // the file name offered, in the current directory
    QString filter;         // e.g. "CSV files (*.csv)"
    QWidget* parent;
};

// Asks for the name of a file to write; an empty text when the user cancelled.
QString AskSaveFileName(const QString& caption, const QString& suggestedName, const QString& filter,
                        QWidget* parent = nullptr);

// Tests install a handler that answers instead of a real dialog; an empty function restores
// the real dialog. Returns the previous handler.
using FileDialogHandler = std::function<QString(const FileDialogRequest&)>;
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);
