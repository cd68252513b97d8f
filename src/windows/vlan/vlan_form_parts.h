// Parts the VLAN, bridge and aggregation windows share: their frame, labelled fields and the row
// count that follows every change of a list view.
#pragma once

#include <QString>

#include "button_column.h"

class QBoxLayout;
class QGridLayout;
class QLabel;
class QStatusBar;
class QTreeWidget;
class QWidget;

// The window's frame: content at the left, the button column at the right, the status bar at
// the bottom. Returns the layout the content goes into.
QBoxLayout* FrameWindow(QWidget* window, TButtonColumn* buttons, QStatusBar*& statusBar);

// A caption in a grid cell followed by its field.
void AddField(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field);

// Shows the list's row count in the label now and after every change of the list.
void FollowRowCount(QTreeWidget* list, QLabel* count);
void ShowRowCount(QTreeWidget* list, QLabel* count);
