// The button column, the status bar and the frame of the interface windows.
#include "window_parts.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <algorithm>

#include "config_geometry.h"

namespace {

// Design pixels, as the generic windows' button column has them.
constexpr int kMargin = 10;
constexpr int kGap = 5;
constexpr int kControlWidth = 96;
constexpr int kButtonHeight = 25;
constexpr int kCountHeight = 21;
constexpr int kStatusHeight = 20;

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

ButtonColumn::ButtonColumn(QWidget* parent) : QWidget(parent) {
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(Scaled(kMargin), Scaled(kMargin), Scaled(kMargin), Scaled(kMargin));
    layout_->setSpacing(Scaled(kGap));
    layout_->addStretch(1);
    setFixedWidth(Scaled(2 * kMargin + kControlWidth));
}

void ButtonColumn::AddControl(QWidget* control) {
    control->setParent(this);
    control->setFixedWidth(Scaled(kControlWidth));
    // Above the closing stretch.
    layout_->insertWidget(layout_->count() - 1, control);
}

QLabel* ButtonColumn::AddCountBox(const char* name) {
    auto* box = new QLabel(QStringLiteral("0"));
    box->setObjectName(QString::fromLatin1(name));
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAlignment(Qt::AlignCenter);
    box->setFixedHeight(std::max(Scaled(kCountHeight), box->sizeHint().height()));
    AddControl(box);
    auto* samples = AddLabel(QStringLiteral("Samples"));
    samples->setAlignment(Qt::AlignCenter);
    return box;
}

QPushButton* ButtonColumn::AddButton(const char* text, const char* name) {
    auto* b = new QPushButton(QString::fromLatin1(text));
    b->setObjectName(QString::fromLatin1(name));
    // Enter in a field must not press a button.
    b->setAutoDefault(false);
    b->setDefault(false);
    b->setFixedHeight(std::max(Scaled(kButtonHeight), b->sizeHint().height()));
    AddControl(b);
    return b;
}

QLabel* ButtonColumn::AddLabel(const QString& text, const char* name) {
    auto* label = new QLabel(text);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    AddControl(label);
    return label;
}

void ButtonColumn::AddGap() {
    layout_->insertSpacing(layout_->count() - 1, Scaled(kMargin));
}

QStatusBar* MakeStatusBar(QWidget* parent, const char* name) {
    auto* bar = new QStatusBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(std::max(Scaled(kStatusHeight), bar->sizeHint().height()));
    return bar;
}

void FrameWindow(QWidget* window, QLayout* content, ButtonColumn* column, QStatusBar* statusBar) {
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
