// Geometry helpers of the configuration windows: the design scale, centring and filling.
#pragma once

class QWidget;

// Sizes are designed at 96 pixels per inch and grow by 1.25 on any other screen.
double ConfigScale();
// 0 follows the primary screen again; the application or a test may fix it.
void SetConfigScale(double scale);
int Scaled(int designPixels);

// Centres the window on the program's main window, or on the screen when there is none.
void CentreOnMainWindow(QWidget* window);
// Centres the window on its screen's available area; a window larger than the area keeps its
// top-left corner (and so its title bar) inside it.
void CentreOnScreen(QWidget* window);
// Keeps the child covering its parent's client area from now on.
void FillParent(QWidget* child);
