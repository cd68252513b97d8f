// Layout pieces of the spanning-tree windows.
#include "stp_widgets.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "config_geometry.h"

namespace {

constexpr int kMargin = 10;
constexpr int kGap = 5;
constexpr int kControlWidth = 96;
constexpr int kButtonHeight = 25;
constexpr int kCountHeight = 21;
constexpr int kStatusHeight = 20;
constexpr int kFieldWidth = 121;

}  // namespace

QPushButton* MakeButton(QWidget* parent, const QString& text, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    // Enter in a field must not press a button.
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

QLabel* MakeHiddenText(QWidget* parent, const char* name) {
    auto* text = new QLabel(parent);
    text->setObjectName(QString::fromLatin1(name));
    text->hide();
    return text;
}

QStatusBar* MakeStatusBar(QWidget* parent) {
    auto* bar = new QStatusBar(parent);
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(std::max(Scaled(kStatusHeight), bar->sizeHint().height()));
    return bar;
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
