// Parts the VLAN, bridge and aggregation windows share: the button column with the sunken
// row count over "Samples", the one-panel status bar, labelled fields and the row count that
// follows every change of a list view.
#pragma once

#include <QFrame>
#include <QString>

class QBoxLayout;
class QGridLayout;
class QLabel;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class QWidget;

// The column at the window's right: the row count (a sunken box), "Samples", then the buttons
// one below the other.
class TButtonColumn : public QFrame {
  public:
    // countName: the object name of the count box; null for a column without a count.
    TButtonColumn(QWidget* parent, const char* countName);

    QLabel* CountBox = nullptr;
    QLabel* SamplesLabel = nullptr;

    QPushButton* AddButton(const QString& text, const char* name);
    // Ends the column; the buttons stay at the top.
    void Finish();

  private:
    QBoxLayout* layout_;
};

// The window's frame: content at the left, the button column at the right, the status bar at
// the bottom. Returns the layout the content goes into.
QBoxLayout* FrameWindow(QWidget* window, TButtonColumn* buttons, QStatusBar*& statusBar);

// A caption in a grid cell followed by its field.
void AddField(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field);

// Shows the list's row count in the label now and after every change of the list.
void FollowRowCount(QTreeWidget* list, QLabel* count);
void ShowRowCount(QTreeWidget* list, QLabel* count);
