// What frames every LLDP window: content at the left, the button column at the right (with the
// sunken count box over "Samples" in the list windows) and the one-panel status bar at the bottom.
#pragma once

#include "button_column.h"

class QLabel;
class QStatusBar;
class QWidget;

// Content at the left, the button column at the right, the status bar under both.
void LayOutLldpWindow(QWidget* window, QWidget* content, TButtonColumn* column,
                      QStatusBar* statusBar);

// A sunken static text as the editing areas show values in.
QLabel* MakeStaticText(QWidget* parent, const char* objectName);
