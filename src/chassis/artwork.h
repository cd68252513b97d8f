// Drawn artwork of the chassis view: a painted picture widget, lamps, and the painting of
// chassis fronts, supply modules, module faces and port openings in one consistent style.
#pragma once

#include <QColor>
#include <QWidget>
#include <functional>

class QPainter;

namespace artwork {

inline const QColor kLime(0, 255, 0);
inline const QColor kOrange(255, 128, 0);
inline const QColor kAmberEdge(253, 166, 4);
inline const QColor kGreen(0, 128, 0);
inline const QColor kFanGreen(0, 255, 64);
inline const QColor kRed(255, 0, 0);

// Brushed dark metal with a soft top highlight.
void paintMetal(QPainter& p, const QRectF& r, const QColor& base = QColor(58, 60, 64));
// A recessed area (slot, bay) with an inner shadow.
void paintRecess(QPainter& p, const QRectF& r);
void paintScrew(QPainter& p, const QPointF& centre, qreal radius = 3.5);
// Port openings; an RJ-45 jack has its latch notch at the bottom unless flipped.
void paintRj45(QPainter& p, const QRectF& r, bool notchUp);
void paintSfpCage(QPainter& p, const QRectF& r);
// Small printed label text on a face.
void paintLabel(QPainter& p, const QRectF& r, const QString& text, int pixelSize = 8,
                Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter,
                const QColor& colour = QColor(210, 214, 220));
// A supply module: AC or DC, working (green lamp) or failed (red lamp, dark fan grille).
void paintSupply(QPainter& p, const QRectF& r, bool dc, bool working);

}  // namespace artwork

// A widget whose content is painted by a function: the named pictures of the panels.
class PictureWidget : public QWidget {
  public:
    using Painter = std::function<void(QPainter&, const QRect&)>;
    PictureWidget(const QString& name, QWidget* parent, Painter painter);
    void setPainter(Painter painter);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    Painter painter_;
};

// A lamp or strip: a filled rectangle in its colour; a mask may give it another outline.
class LampWidget : public QWidget {
  public:
    LampWidget(const QString& name, QWidget* parent, const QRect& geometry,
               const QColor& colour = Qt::black);
    void setColor(const QColor& colour);
    QColor color() const { return colour_; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QColor colour_;
};
