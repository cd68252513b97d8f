// Painting of the chassis artwork: everything is drawn, no bitmap files are needed.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {

void paintMetal(QPainter& p, const QRectF& r, const QColor& base) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, base.lighter(135));
    g.setColorAt(0.08, base.lighter(112));
    g.setColorAt(0.55, base);
    g.setColorAt(1.0, base.darker(125));
    p.fillRect(r, g);
    // Fine horizontal brushing.
    p.setPen(QPen(QColor(255, 255, 255, 10), 1));
    for (qreal y = r.top() + 2; y < r.bottom(); y += 3)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    p.setPen(QPen(base.darker(180), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

void paintRecess(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(22, 23, 25));
    p.setPen(QPen(QColor(8, 8, 9), 2));
    p.drawLine(r.topLeft() + QPointF(1, 1), r.topRight() + QPointF(-1, 1));
    p.drawLine(r.topLeft() + QPointF(1, 1), r.bottomLeft() + QPointF(1, -1));
    p.setPen(QPen(QColor(95, 98, 104), 1));
    p.drawLine(r.bottomLeft() + QPointF(0, -0.5), r.bottomRight() + QPointF(0, -0.5));
    p.drawLine(r.topRight() + QPointF(-0.5, 0), r.bottomRight() + QPointF(-0.5, 0));
}

void paintScrew(QPainter& p, const QPointF& c, qreal radius) {
    QRadialGradient g(c - QPointF(radius / 3, radius / 3), radius * 1.4);
    g.setColorAt(0, QColor(215, 218, 222));
    g.setColorAt(1, QColor(90, 93, 98));
    p.setPen(QPen(QColor(30, 30, 32), 0.8));
    p.setBrush(g);
    p.drawEllipse(c, radius, radius);
    p.setPen(QPen(QColor(45, 46, 50), 1));
    p.drawLine(c + QPointF(-radius * 0.6, 0), c + QPointF(radius * 0.6, 0));
    p.drawLine(c + QPointF(0, -radius * 0.6), c + QPointF(0, radius * 0.6));
}

void paintRj45(QPainter& p, const QRectF& r, bool notchUp) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r, QColor(14, 14, 15));
    p.setPen(QPen(QColor(120, 123, 128), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    // The latch notch and the gold contacts on the opposite side.
    const qreal nw = r.width() * 0.4;
    const QRectF notch(r.center().x() - nw / 2, notchUp ? r.top() : r.bottom() - 3, nw, 3);
    p.fillRect(notch, QColor(50, 52, 55));
    p.setPen(QPen(QColor(190, 160, 70), 1));
    const qreal cy = notchUp ? r.bottom() - 3 : r.top() + 2;
    for (int i = 0; i < 6; ++i) {
        const qreal x = r.left() + 3 + i * (r.width() - 6) / 5.0;
        p.drawLine(QPointF(x, cy), QPointF(x, cy + 1));
    }
}

void paintSfpCage(QPainter& p, const QRectF& r) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r, QColor(150, 154, 160));
    p.fillRect(r.adjusted(2, 2, -2, -2), QColor(12, 12, 13));
    p.setPen(QPen(QColor(200, 203, 208), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(QPen(QColor(70, 72, 76), 1));
    p.drawLine(QPointF(r.left() + 3, r.center().y()), QPointF(r.right() - 3, r.center().y()));
}

void paintLabel(QPainter& p, const QRectF& r, const QString& text, int pixelSize,
                Qt::Alignment align, const QColor& colour) {
    QFont f = p.font();
    f.setPixelSize(pixelSize);
    f.setBold(pixelSize >= 10);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, align, text);
}

void paintSupply(QPainter& p, const QRectF& r, bool dc, bool working) {
    p.setRenderHint(QPainter::Antialiasing, true);
    paintMetal(p, r, dc ? QColor(70, 66, 58) : QColor(64, 68, 74));
    // Handle, grille and lamp.
    const QRectF handle(r.left() + 6, r.top() + 8, 10, r.height() - 16);
    p.setPen(QPen(QColor(25, 25, 27), 1.2));
    p.setBrush(QColor(40, 41, 44));
    p.drawRoundedRect(handle, 3, 3);
    const QRectF grille(r.left() + 24, r.top() + 8, r.width() * 0.45, r.height() - 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 22));
    p.drawRoundedRect(grille, 2, 2);
    p.setBrush(working ? QColor(70, 73, 78) : QColor(40, 40, 42));
    for (qreal y = grille.top() + 3; y < grille.bottom() - 2; y += 5)
        for (qreal x = grille.left() + 3; x < grille.right() - 2; x += 5)
            p.drawEllipse(QPointF(x, y), 1.5, 1.5);
    const QPointF lamp(r.right() - 14, r.top() + 14);
    QRadialGradient glow(lamp, 7);
    const QColor c = working ? QColor(40, 230, 60) : QColor(235, 30, 30);
    glow.setColorAt(0, c.lighter(150));
    glow.setColorAt(0.5, c);
    glow.setColorAt(1, QColor(c.red(), c.green(), c.blue(), 0));
    p.setBrush(glow);
    p.drawEllipse(lamp, 7, 7);
    paintLabel(p, QRectF(grille.right() + 6, r.top() + 26, r.right() - grille.right() - 10, 14),
               dc ? QStringLiteral("DC") : QStringLiteral("AC"), 11, Qt::AlignCenter);
    paintLabel(p, QRectF(grille.right() + 4, r.top() + 42, r.right() - grille.right() - 8, 12),
               working ? QStringLiteral("OK") : QStringLiteral("FAIL"), 8, Qt::AlignCenter,
               working ? QColor(150, 230, 150) : QColor(255, 120, 110));
    paintScrew(p, QPointF(r.right() - 8, r.bottom() - 8), 3);
}

}  // namespace artwork

PictureWidget::PictureWidget(const QString& name, QWidget* parent, Painter painter)
    : QWidget(parent), painter_(std::move(painter)) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureWidget::setPainter(Painter painter) {
    painter_ = std::move(painter);
    update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    if (!painter_)
        return;
    QPainter p(this);
    painter_(p, rect());
}

LampWidget::LampWidget(const QString& name, QWidget* parent, const QRect& geometry,
                       const QColor& colour)
    : QWidget(parent), colour_(colour) {
    setObjectName(name);
    setGeometry(geometry);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LampWidget::setColor(const QColor& colour) {
    colour_ = colour;
    update();
}

void LampWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colour_);
}
