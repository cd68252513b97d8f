// Paths of the installed data, found relative to the program itself.
#include "install_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef CORVANE_BIN_TO_DATA
#define CORVANE_BIN_TO_DATA "../share/corvane"
#endif

QString InstalledDataDir() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" CORVANE_BIN_TO_DATA);
}

std::string MessageFolder(const std::string& workFolder) {
    const QString work =
        workFolder.empty() ? QDir::currentPath() : QString::fromStdString(workFolder);
    if (QFileInfo(work + "/errmsg").isDir())
        return workFolder;
    const QString installed = InstalledDataDir();
    if (QFileInfo(installed + "/errmsg").isDir())
        return installed.toStdString();
    return workFolder;
}
