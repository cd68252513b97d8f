// The frame of the interface windows: content at the left, the button column at the right, the
// status bar at the bottom.
#pragma once

#include "button_column.h"

class QLayout;
class QStatusBar;
class QWidget;

// The window's layout: content at the left, the column at the right, the status bar below.
void FrameWindow(QWidget* window, QLayout* content, TButtonColumn* column, QStatusBar* statusBar);
