// The shared parts of the VLAN, bridge and aggregation windows.
#include "vlan_form_parts.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <algorithm>

#include "config_geometry.h"

namespace {

constexpr int kMargin = 10;
constexpr int kGap = 5;
constexpr int kControlWidth = 96;
constexpr int kButtonHeight = 25;
constexpr int kCountHeight = 21;
constexpr int kStatusHeight = 20;

}  // namespace

TButtonColumn::TButtonColumn(QWidget* parent, const char* countName) : QFrame(parent) {
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(Scaled(kMargin), Scaled(kMargin), Scaled(kMargin), Scaled(kMargin));
    layout_->setSpacing(Scaled(kGap));
    if (countName) {
        CountBox = new QLabel(QStringLiteral("0"), this);
        CountBox->setObjectName(QString::fromLatin1(countName));
        CountBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        CountBox->setAlignment(Qt::AlignCenter);
        CountBox->setFixedSize(Scaled(kControlWidth),
                               std::max(Scaled(kCountHeight), CountBox->sizeHint().height()));
        layout_->addWidget(CountBox);
        SamplesLabel = new QLabel(QStringLiteral("Samples"), this);
        SamplesLabel->setAlignment(Qt::AlignCenter);
        SamplesLabel->setFixedWidth(Scaled(kControlWidth));
        layout_->addWidget(SamplesLabel);
    }
    setFixedWidth(Scaled(2 * kMargin + kControlWidth));
}

QPushButton* TButtonColumn::AddButton(const QString& text, const char* name) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    // Enter in a field must not press a button.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFixedSize(Scaled(kControlWidth),
                         std::max(Scaled(kButtonHeight), button->sizeHint().height()));
    layout_->addWidget(button);
    return button;
}

void TButtonColumn::Finish() {
    layout_->addStretch(1);
}

QBoxLayout* FrameWindow(QWidget* window, TButtonColumn* buttons, QStatusBar*& statusBar) {
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    auto* content = new QVBoxLayout;
    content->setContentsMargins(Scaled(kGap), Scaled(kGap), Scaled(kGap), Scaled(kGap));
    content->setSpacing(Scaled(kGap));
    body->addLayout(content, 1);
    body->addWidget(buttons);
    outer->addLayout(body, 1);
    statusBar = new QStatusBar(window);
    statusBar->setObjectName(QStringLiteral("StatusBar"));
    statusBar->setSizeGripEnabled(false);
    statusBar->setFixedHeight(std::max(Scaled(kStatusHeight), statusBar->sizeHint().height()));
    outer->addWidget(statusBar);
    return content;
}

void AddField(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption, grid->parentWidget());
    label->setBuddy(field);
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1);
}

void ShowRowCount(QTreeWidget* list, QLabel* count) {
    count->setText(QString::number(list->topLevelItemCount()));
}

void FollowRowCount(QTreeWidget* list, QLabel* count) {
    QAbstractItemModel* model = list->model();
    const auto show = [list, count] { ShowRowCount(list, count); };
    QObject::connect(model, &QAbstractItemModel::rowsInserted, count, show);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, count, show);
    QObject::connect(model, &QAbstractItemModel::modelReset, count, show);
    ShowRowCount(list, count);
}
