// Layout pieces of the spanning-tree windows.
#include "stp_widgets.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "config_geometry.h"

namespace {

constexpr int kMargin = 10;
constexpr int kGap = 5;
constexpr int kControlWidth = 96;
constexpr int kFieldWidth = 121;

}  // namespace

QLabel* MakeHiddenText(QWidget* parent, const char* name) {
    auto* text = new QLabel(parent);
    text->setObjectName(QString::fromLatin1(name));
    text->hide();
    return text;
}

QTreeWidget* MakeListView(QWidget* parent, const char* name) {
    auto* view = new QTreeWidget(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRootIsDecorated(false);
    view->header()->setStretchLastSection(false);
    return view;
}

int FieldWidth() {
    return Scaled(kFieldWidth);
}

QWidget* MakeButtonColumn(QWidget* parent, std::initializer_list<QWidget*> controls) {
    auto* column = new QWidget(parent);
    column->setObjectName(QStringLiteral("ButtonColumn"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Scaled(kGap));
    for (QWidget* c : controls) {
        c->setParent(column);
        c->setFixedWidth(Scaled(kControlWidth));
        layout->addWidget(c, 0, Qt::AlignHCenter);
    }
    layout->addStretch(1);
    column->setFixedWidth(Scaled(kControlWidth));
    return column;
}

void LayOutWindow(QDialog* window, QLayout* content, QWidget* buttons, QStatusBar* status) {
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* body = new QHBoxLayout;
    body->setContentsMargins(Scaled(kMargin), Scaled(kMargin), Scaled(kMargin), Scaled(kMargin));
    body->setSpacing(Scaled(kMargin));
    body->addLayout(content, 1);
    body->addWidget(buttons);
    outer->addLayout(body, 1);
    outer->addWidget(status);
}

void ShowAsStatusOnly(QWidget* control) {
    QPalette p = control->palette();
    const QColor menu = p.color(QPalette::Window);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Base, menu);
        p.setColor(g, QPalette::Button, menu);
    }
    control->setPalette(p);
}
