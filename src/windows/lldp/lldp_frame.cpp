// The window frame of the LLDP windows.
#include "lldp_frame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

void LayOutLldpWindow(QWidget* window, QWidget* content, TButtonColumn* column,
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
