// The icon as a list of shapes on a 128-unit square, painted with QPainter or written as SVG,
// so that the PNG sizes and the SVG cannot drift apart.
#include "app_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>
#include <utility>
#include <vector>

namespace {

constexpr qreal kDesign = 128;

struct Fill {
    enum Kind { None, Solid, Linear, Radial } kind = None;
    QColor colour;
    QPointF from, to;  // Linear: the gradient line; Radial: centre and focal point
    qreal radius = 0;
    std::vector<std::pair<qreal, QColor>> stops;
};

struct Shape {
    enum Kind { Rect, Ellipse, Line } kind = Rect;
    QRectF rect;  // Line: from top left to bottom right
    qreal corner = 0;
    Fill fill;
    QColor stroke;  // invalid: none
    qreal strokeWidth = 1;
    int minSize = 0;  // left out below this many pixels
};

const QColor kMetal(58, 60, 64);
const QColor kCardMetal(74, 77, 83);
const QColor kSupplyMetal(64, 68, 74);
const QColor kRecess(22, 23, 25);
const QColor kGreen(40, 230, 60);
const QColor kOrange(255, 128, 0);

Fill solid(const QColor& c) {
    Fill f;
    f.kind = Fill::Solid;
    f.colour = c;
    return f;
}

// Brushed metal lit from above, as the chassis fronts.
Fill metal(const QColor& base, qreal top, qreal bottom) {
    Fill f;
    f.kind = Fill::Linear;
    f.from = QPointF(0, top);
    f.to = QPointF(0, bottom);
    f.stops = {
        {0.0, base.lighter(135)}, {0.08, base.lighter(112)}, {0.55, base}, {1.0, base.darker(125)}};
    return f;
}

Fill glow(const QPointF& centre, qreal radius, const QColor& c) {
    Fill f;
    f.kind = Fill::Radial;
    f.from = centre;
    f.to = centre - QPointF(radius / 3, radius / 3);
    f.radius = radius;
    f.stops = {{0.0, c.lighter(160)}, {0.7, c}, {1.0, c.darker(130)}};
    return f;
}

Shape rect(const QRectF& r, Fill fill, QColor stroke = {}, qreal width = 1, qreal corner = 0,
           int minSize = 0) {
    return Shape{Shape::Rect, r, corner, std::move(fill), stroke, width, minSize};
}

Shape circle(const QPointF& c, qreal radius, Fill fill, QColor stroke = {}, qreal width = 1,
             int minSize = 0) {
    return Shape{Shape::Ellipse,
                 QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius),
                 0,
                 std::move(fill),
                 stroke,
                 width,
                 minSize};
}

Shape line(const QPointF& a, const QPointF& b, const QColor& c, qreal width, int minSize = 0) {
    return Shape{Shape::Line, QRectF(a, b), 0, Fill{}, c, width, minSize};
}

// A recessed area: dark floor, shadow along the top and left, a lit lower and right edge.
void recess(std::vector<Shape>& s, const QRectF& r) {
    s.push_back(rect(r, solid(kRecess)));
    s.push_back(
        line(r.topLeft() + QPointF(0, 1), r.topRight() + QPointF(0, 1), QColor(8, 8, 9), 2));
    s.push_back(
        line(r.topLeft() + QPointF(1, 0), r.bottomLeft() + QPointF(1, 0), QColor(8, 8, 9), 2));
    s.push_back(line(r.bottomLeft() - QPointF(0, 0.5), r.bottomRight() - QPointF(0, 0.5),
                     QColor(95, 98, 104), 1));
    s.push_back(line(r.topRight() - QPointF(0.5, 0), r.bottomRight() - QPointF(0.5, 0),
                     QColor(95, 98, 104), 1));
}

void screw(std::vector<Shape>& s, const QPointF& c) {
    Fill f;
    f.kind = Fill::Radial;
    f.from = c;
    f.to = c - QPointF(0.8, 0.8);
    f.radius = 3;
    f.stops = {{0.0, QColor(215, 218, 222)}, {1.0, QColor(90, 93, 98)}};
    s.push_back(circle(c, 2.2, f, QColor(30, 30, 32), 0.6, 48));
}

// A line card: lamps on the left, then copper ports with their link lamps, or fibre cages.
void card(std::vector<Shape>& s, qreal top, bool fibre, const std::vector<QColor>& links) {
    const QRectF face(16, top, 82, 22);
    s.push_back(rect(face, metal(kCardMetal, face.top(), face.bottom()), QColor(34, 35, 38), 1));
    s.push_back(circle(QPointF(21, top + 7), 2, glow(QPointF(21, top + 7), 2, kGreen)));
    s.push_back(circle(QPointF(21, top + 15), 2,
                       glow(QPointF(21, top + 15), 2, links.empty() ? kGreen : links.back())));
    const std::size_t count = fibre ? 3 : 5;
    for (std::size_t i = 0; i < count; ++i) {
        const QColor& link = links[i % links.size()];
        if (fibre) {
            const QRectF cage(28 + 22 * i, top + 7, 16, 10);
            s.push_back(rect(cage, solid(QColor(150, 154, 160)), QColor(200, 203, 208), 0.8));
            s.push_back(rect(cage.adjusted(2, 2, -2, -2), solid(QColor(12, 12, 13))));
            s.push_back(
                rect(QRectF(cage.right() + 1.5, top + 8, 2.5, 4), solid(link), {}, 1, 0, 48));
        } else {
            const QRectF port(28 + 13.5 * i, top + 10, 10, 8);
            s.push_back(rect(port, solid(QColor(14, 14, 15)), QColor(120, 123, 128), 0.8));
            s.push_back(rect(QRectF(port.left() + 3, port.bottom() - 2.2, 4, 1.6),
                             solid(QColor(190, 160, 70)), {}, 1, 0, 64));
            s.push_back(
                rect(QRectF(port.left() + 2.5, top + 4, 5, 2.5), solid(link), {}, 1, 0, 48));
        }
    }
}

void supply(std::vector<Shape>& s, qreal left) {
    const QRectF face(left, 17, 40, 16);
    s.push_back(
        rect(face, metal(kSupplyMetal, face.top(), face.bottom()), QColor(30, 31, 34), 1, 1.5));
    s.push_back(rect(QRectF(left + 5, 20, 22, 10), solid(QColor(20, 20, 22)), {}, 1, 1.5));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 5; ++col)
            s.push_back(circle(QPointF(left + 8 + 4 * col, 23 + 4 * row), 1.1,
                               solid(QColor(70, 73, 78)), {}, 1, 64));
    s.push_back(circle(QPointF(left + 33, 25), 2.6, glow(QPointF(left + 33, 25), 2.6, kGreen)));
}

void fan(std::vector<Shape>& s, const QPointF& c) {
    s.push_back(circle(c, 5.6, solid(QColor(30, 31, 34)), QColor(110, 113, 118), 0.9));
    for (qreal r : {3.6, 1.8})
        s.push_back(circle(c, r, Fill{}, QColor(75, 78, 83), 0.7, 64));
    s.push_back(circle(c, 1.2, solid(QColor(140, 143, 148)), {}, 1, 48));
}

const std::vector<Shape>& shapes() {
    static const std::vector<Shape> all = [] {
        std::vector<Shape> s;
        const QRectF body(4, 12, 120, 104);
        s.push_back(rect(body, metal(kMetal, body.top(), body.bottom()), QColor(28, 29, 32), 2, 7));
        for (qreal y = body.top() + 4; y < body.bottom() - 3; y += 3)
            s.push_back(line(QPointF(body.left() + 3, y), QPointF(body.right() - 3, y),
                             QColor(255, 255, 255, 12), 1, 128));
        supply(s, 16);
        supply(s, 60);
        s.push_back(circle(QPointF(111, 25), 2.6, glow(QPointF(111, 25), 2.6, kGreen)));
        recess(s, QRectF(14, 37, 86, 74));
        card(s, 39, false, {kGreen, kGreen, kOrange, kGreen, kGreen});
        card(s, 63, false, {kGreen, kOrange, kGreen});
        card(s, 87, true, {kGreen});
        recess(s, QRectF(104, 37, 14, 74));
        for (qreal y : {51.0, 74.0, 97.0})
            fan(s, QPointF(111, y));
        for (const QPointF& c :
             {QPointF(9, 18), QPointF(119, 18), QPointF(9, 110), QPointF(119, 110)})
            screw(s, c);
        return s;
    }();
    return all;
}

QBrush brushOf(const Fill& fill) {
    switch (fill.kind) {
        case Fill::Solid:
            return fill.colour;
        case Fill::Linear: {
            QLinearGradient g(fill.from, fill.to);
            for (const auto& [at, c] : fill.stops)
                g.setColorAt(at, c);
            return g;
        }
        case Fill::Radial: {
            QRadialGradient g(fill.from, fill.radius, fill.to);
            for (const auto& [at, c] : fill.stops)
                g.setColorAt(at, c);
            return g;
        }
        case Fill::None:
            break;
    }
    return Qt::NoBrush;
}

QString num(qreal v) {
    return QString::number(v, 'g', 6);
}

QString colourAttributes(const char* name, const QColor& c) {
    QString a = QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), c.name(QColor::HexRgb));
    if (c.alpha() != 255)
        a += QStringLiteral(" %1-opacity=\"%2\"").arg(QLatin1String(name), num(c.alphaF()));
    return a;
}

}  // namespace

void PaintAppIcon(QPainter& p, int size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / kDesign, size / kDesign);
    for (const Shape& s : shapes()) {
        if (size < s.minSize)
            continue;
        p.setBrush(brushOf(s.fill));
        // Flat ends and sharp corners, as SVG draws a stroke by default.
        p.setPen(s.stroke.isValid() ? QPen(QBrush(s.stroke), s.strokeWidth, Qt::SolidLine,
                                           Qt::FlatCap, Qt::MiterJoin)
                                    : QPen(Qt::NoPen));
        switch (s.kind) {
            case Shape::Rect:
                if (s.corner > 0)
                    p.drawRoundedRect(s.rect, s.corner, s.corner);
                else
                    p.drawRect(s.rect);
                break;
            case Shape::Ellipse:
                p.drawEllipse(s.rect);
                break;
            case Shape::Line:
                p.drawLine(s.rect.topLeft(), s.rect.bottomRight());
                break;
        }
    }
    p.restore();
}

QImage AppIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    PaintAppIcon(p, size);
    return image;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {32, 64, 128})
        icon.addPixmap(QPixmap::fromImage(AppIconImage(size)));
    return icon;
}

QString AppIconSvg() {
    QString defs, body;
    int gradients = 0;
    for (const Shape& s : shapes()) {
        QString fill = QStringLiteral(" fill=\"none\"");
        if (s.fill.kind == Fill::Solid) {
            fill = colourAttributes("fill", s.fill.colour);
        } else if (s.fill.kind != Fill::None) {
            const QString id = QStringLiteral("g%1").arg(gradients++);
            const bool linear = s.fill.kind == Fill::Linear;
            defs += linear ? QStringLiteral(
                                 "<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\""
                                 " x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">")
                                 .arg(id, num(s.fill.from.x()), num(s.fill.from.y()),
                                      num(s.fill.to.x()), num(s.fill.to.y()))
                           : QStringLiteral(
                                 "<radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\""
                                 " cx=\"%2\" cy=\"%3\" r=\"%4\" fx=\"%5\" fy=\"%6\">")
                                 .arg(id, num(s.fill.from.x()), num(s.fill.from.y()),
                                      num(s.fill.radius), num(s.fill.to.x()), num(s.fill.to.y()));
            for (const auto& [at, c] : s.fill.stops)
                defs += QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\"/>")
                            .arg(num(at), c.name(QColor::HexRgb));
            defs += linear ? QStringLiteral("</linearGradient>\n")
                           : QStringLiteral("</radialGradient>\n");
            fill = QStringLiteral(" fill=\"url(#%1)\"").arg(id);
        }
        QString stroke;
        if (s.stroke.isValid())
            stroke = colourAttributes("stroke", s.stroke) +
                     QStringLiteral(" stroke-width=\"%1\"").arg(num(s.strokeWidth));
        const QRectF& r = s.rect;
        switch (s.kind) {
            case Shape::Rect:
                body += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"")
                            .arg(num(r.x()), num(r.y()), num(r.width()), num(r.height()));
                if (s.corner > 0)
                    body += QStringLiteral(" rx=\"%1\"").arg(num(s.corner));
                break;
            case Shape::Ellipse:
                body += QStringLiteral("<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\"")
                            .arg(num(r.center().x()), num(r.center().y()), num(r.width() / 2),
                                 num(r.height() / 2));
                break;
            case Shape::Line:
                body += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"")
                            .arg(num(r.left()), num(r.top()), num(r.right()), num(r.bottom()));
                fill.clear();
                break;
        }
        body += fill + stroke + QStringLiteral("/>\n");
    }
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"128\" height=\"128\""
               " viewBox=\"0 0 128 128\">\n<defs>\n") +
           defs + QStringLiteral("</defs>\n") + body + QStringLiteral("</svg>\n");
}
