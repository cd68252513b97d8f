// Geometry helpers of the configuration windows.
#include "config_geometry.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

double fixedScale = 0;

class FillFilter : public QObject {
  public:
    FillFilter(QWidget* child, QWidget* parent) : QObject(child), child_(child), parent_(parent) {
        parent->installEventFilter(this);
    }
    QWidget* watched() const { return parent_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A child moved elsewhere no longer follows its old parent.
        if (watched == parent_ && event->type() == QEvent::Resize &&
            child_->parentWidget() == parent_)
            child_->setGeometry(parent_->rect());
        return false;
    }

  private:
    QWidget* child_;
    QWidget* parent_;
};

}  // namespace

double ConfigScale() {
    if (fixedScale > 0)
        return fixedScale;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && std::lround(screen->logicalDotsPerInch()) != 96 ? 1.25 : 1.0;
}

void SetConfigScale(double scale) {
    fixedScale = scale;
}

int Scaled(int designPixels) {
    return static_cast<int>(std::lround(designPixels * ConfigScale()));
}

void CentreOnMainWindow(QWidget* window) {
    QRect area;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w) && w->isVisible()) {
            area = w->frameGeometry();
            break;
        }
    if (area.isEmpty())
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
    if (area.isEmpty())
        return;
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

void FillParent(QWidget* child) {
    QWidget* parent = child->parentWidget();
    if (!parent)
        return;
    bool installed = false;
    for (QObject* o : child->children())
        if (auto* f = dynamic_cast<FillFilter*>(o))
            installed = installed || f->watched() == parent;
    if (!installed)
        new FillFilter(child, parent);
    child->setGeometry(parent->rect());
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size();
    QPoint at = area.center() - QPoint(frame.width() / 2, frame.height() / 2);
    at.setX(std::max(at.x(), area.left()));
    at.setY(std::max(at.y(), area.top()));
    window->move(at);
}
