// The frame of the interface windows.
#include "window_parts.h"

#include <QBoxLayout>
#include <QPainter>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include "config_geometry.h"

namespace {

class GridLineDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
};

}  // namespace

void FrameWindow(QWidget* window, QLayout* content, TButtonColumn* column, QStatusBar* statusBar) {
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* body = new QHBoxLayout;
    body->setContentsMargins(Scaled(4), Scaled(4), 0, 0);
    body->setSpacing(0);
    body->addLayout(content, 1);
    body->addWidget(column);
    outer->addLayout(body, 1);
    outer->addWidget(statusBar);
}

void ShowGridLines(QTreeWidget* view) {
    view->setItemDelegate(new GridLineDelegate(view));
}
