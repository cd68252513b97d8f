// The frame of the interface windows: content at the left, the button column at the right, the
// status bar at the bottom; and the grid lines of the lists they fill themselves.
#pragma once

#include "button_column.h"

class QLayout;
class QStatusBar;
class QTreeWidget;
class QWidget;

// The window's layout: content at the left, the column at the right, the status bar below.
void FrameWindow(QWidget* window, QLayout* content, TButtonColumn* column, QStatusBar* statusBar);

// Grid lines between the cells of a list the window fills itself (a binding draws its own).
void ShowGridLines(QTreeWidget* view);
