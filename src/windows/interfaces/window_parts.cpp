// The frame of the interface windows.
#include "window_parts.h"

#include <QBoxLayout>
#include <QStatusBar>

#include "config_geometry.h"

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
