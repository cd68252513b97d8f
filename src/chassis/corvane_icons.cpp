// corvane-icons: writes the program's icon files into a folder: corvane.svg and
// corvane-32.png, corvane-64.png, corvane-128.png.
#include <QDir>
#include <QFile>
#include <cstdio>

#include "app_icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "corvane-icons: cannot create %s\n", argv[1]);
        return 1;
    }
    QFile svg(dir.filePath(QStringLiteral("corvane.svg")));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(AppIconSvg().toUtf8()) < 0) {
        std::fprintf(stderr, "corvane-icons: cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    for (int size : {32, 64, 128}) {
        const QString name = dir.filePath(QStringLiteral("corvane-%1.png").arg(size));
        if (!AppIconImage(size).save(name, "PNG")) {
            std::fprintf(stderr, "corvane-icons: cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
