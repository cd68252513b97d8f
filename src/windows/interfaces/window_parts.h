// Pieces the interface windows share, in the generic windows' look: the button column at the
// right (a sunken count box over "Samples", then buttons of one width), the one-panel status bar
// at the bottom, and the frame that puts them around a window's content.
#pragma once

#include <QString>
#include <QWidget>

class QBoxLayout;
class QLabel;
class QLayout;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class QVBoxLayout;

class ButtonColumn : public QWidget {
  public:
    explicit ButtonColumn(QWidget* parent);

    // The sunken count box showing "0", with "Samples" under it.
    QLabel* AddCountBox(const char* name);
    QPushButton* AddButton(const char* text, const char* name);
    QLabel* AddLabel(const QString& text, const char* name = nullptr);
    // Any control, at the column's width.
    void AddControl(QWidget* control);
    void AddGap();

  private:
    QVBoxLayout* layout_;
};

QStatusBar* MakeStatusBar(QWidget* parent, const char* name);

// The window's layout: content at the left, the column at the right, the status bar below.
void FrameWindow(QWidget* window, QLayout* content, ButtonColumn* column, QStatusBar* statusBar);

// Grid lines between the cells of a list the window fills itself (a binding draws its own).
void ShowGridLines(QTreeWidget* view);
