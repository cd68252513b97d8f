// The button column, status bar and window frame of the LLDP windows.
#include "lldp_frame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

#include "config_geometry.h"

namespace {

constexpr int kMargin = 10;
constexpr int kGap = 5;
constexpr int kControlWidth = 96;
constexpr int kButtonHeight = 25;
constexpr int kCountHeight = 21;

}  // namespace

TLLDPButtonColumn::TLLDPButtonColumn(QWidget* parent, bool withCount) : QFrame(parent) {
    setObjectName(QStringLiteral("ButtonColumn"));
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(Scaled(kMargin), Scaled(kMargin), Scaled(kMargin), Scaled(kMargin));
    layout_->setSpacing(Scaled(kGap));
    if (withCount) {
        CountBox = new QLabel(QStringLiteral("0"), this);
        CountBox->setObjectName(QStringLiteral("CountBox"));
        CountBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        CountBox->setAlignment(Qt::AlignCenter);
        CountBox->setFixedSize(Scaled(kControlWidth),
                               std::max(Scaled(kCountHeight), CountBox->sizeHint().height()));
        auto* samples = new QLabel(QStringLiteral("Samples"), this);
        samples->setObjectName(QStringLiteral("SamplesLabel"));
        samples->setAlignment(Qt::AlignCenter);
        samples->setFixedWidth(Scaled(kControlWidth));
        layout_->addWidget(CountBox);
        layout_->addWidget(samples);
    }
    layout_->addStretch(1);
    setFixedWidth(Scaled(2 * kMargin + kControlWidth));
}

QPushButton* TLLDPButtonColumn::AddButton(const QString& text, const char* objectName) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    b->setDefault(false);
    b->setFixedSize(Scaled(kControlWidth), std::max(Scaled(kButtonHeight), b->sizeHint().height()));
    // Buttons stack under the count; the stretch stays last.
    layout_->insertWidget(layout_->count() - 1, b);
    return b;
}

QStatusBar* MakeLldpStatusBar(QWidget* parent) {
    auto* bar = new QStatusBar(parent);
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    return bar;
}

void LayOutLldpWindow(QWidget* window, QWidget* content, TLLDPButtonColumn* column,
                      QStatusBar* statusBar) {
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(content, 1);
    row->addWidget(column);
    outer->addLayout(row, 1);
    outer->addWidget(statusBar);
}

QLabel* MakeStaticText(QWidget* parent, const char* objectName) {
    auto* label = new QLabel(QStringLiteral(" "), parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
