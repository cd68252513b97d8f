// The shared parts of the VLAN, bridge and aggregation windows.
#include "vlan_form_parts.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QStatusBar>
#include <QTreeWidget>

#include "config_geometry.h"

namespace {

constexpr int kGap = 5;

}  // namespace

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
    statusBar = MakeStatusBar(window);
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
