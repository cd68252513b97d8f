#include "button_column.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
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

}  // namespace

QPushButton* MakeColumnButton(QWidget* parent, const QString& text, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    b->setDefault(false);
    b->setFixedSize(Scaled(kControlWidth), std::max(Scaled(kButtonHeight), b->sizeHint().height()));
    return b;
}

QLabel* MakeCountBox(QWidget* parent, const char* name) {
    auto* box = new QLabel(QStringLiteral("0"), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAlignment(Qt::AlignCenter);
    box->setFixedSize(Scaled(kControlWidth),
                      std::max(Scaled(kCountHeight), box->sizeHint().height()));
    return box;
}

QLabel* MakeSamplesLabel(QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("Samples"), parent);
    label->setObjectName(QStringLiteral("SamplesLabel"));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QStatusBar* MakeStatusBar(QWidget* parent, const char* name) {
    auto* bar = new QStatusBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(std::max(Scaled(kStatusHeight), bar->sizeHint().height()));
    return bar;
}

TButtonColumn::TButtonColumn(QWidget* parent, const char* countName) : QFrame(parent) {
    setObjectName(QStringLiteral("ButtonColumn"));
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(Scaled(kMargin), Scaled(kMargin), Scaled(kMargin), Scaled(kMargin));
    layout_->setSpacing(Scaled(kGap));
    // The controls stay at the top.
    layout_->addStretch(1);
    setFixedWidth(Scaled(2 * kMargin + kControlWidth));
    if (countName) {
        CountBox = MakeCountBox(this, countName);
        AddControl(CountBox);
        SamplesLabel = MakeSamplesLabel(this);
        AddControl(SamplesLabel);
    }
}

void TButtonColumn::AddControl(QWidget* control) {
    control->setParent(this);
    control->setFixedWidth(Scaled(kControlWidth));
    layout_->insertWidget(layout_->count() - 1, control);
}

QPushButton* TButtonColumn::AddButton(const QString& text, const char* name) {
    QPushButton* b = MakeColumnButton(this, text, name);
    AddControl(b);
    return b;
}

QLabel* TButtonColumn::AddLabel(const QString& text, const char* name) {
    auto* label = new QLabel(text, this);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    AddControl(label);
    return label;
}

void TButtonColumn::AddGap() {
    layout_->insertSpacing(layout_->count() - 1, Scaled(kMargin));
}
