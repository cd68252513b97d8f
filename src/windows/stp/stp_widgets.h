// The pieces the spanning-tree windows are laid out from, in the look of the generic windows:
// a button column on the right (with the sunken count box over "Samples" where the window has a
// list), the window's content on the left and a one-panel status bar at the bottom.
#pragma once

#include <initializer_list>

#include "button_column.h"

class QDialog;
class QLabel;
class QLayout;
class QLineEdit;
class QStatusBar;
class QTreeWidget;
class QWidget;

QLabel* MakeHiddenText(QWidget* parent, const char* name);
QTreeWidget* MakeListView(QWidget* parent, const char* name);
// Edits and combo boxes of a form, at the width of the generic row editor.
int FieldWidth();

// The controls one below the other, at the button column's width, in a column of their own.
QWidget* MakeButtonColumn(QWidget* parent, std::initializer_list<QWidget*> controls);
// The window's layout: content on the left, the button column on the right, the status bar
// below both.
void LayOutWindow(QDialog* window, QLayout* content, QWidget* buttons, QStatusBar* status);
// Gives a control that only shows a value the system menu colour.
void ShowAsStatusOnly(QWidget* control);
