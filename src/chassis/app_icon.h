// The program's icon, drawn in the style of the chassis art: a dark metal chassis with a
// recessed card cage, line cards with ports and lamps, and a fan tray. One drawing gives the
// window icon, the installed PNG sizes and the SVG.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

class QPainter;

// Paints the icon into the square (0, 0, size, size); fine detail is left out at small sizes.
void PaintAppIcon(QPainter& p, int size);
// The icon on a transparent background.
QImage AppIconImage(int size);
// The icon at 32, 64 and 128 pixels; needs a QGuiApplication.
QIcon AppIcon();
// The whole drawing as an SVG document.
QString AppIconSvg();
