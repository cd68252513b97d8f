// The button column at the right of the dedicated windows, in the generic windows' look: a
// sunken row count over "Samples" where the window has a list, then controls of one width one
// below the other; and the one-panel status bar at the bottom.
#pragma once

#include <QFrame>
#include <QString>

class QLabel;
class QPushButton;
class QStatusBar;
class QVBoxLayout;

// A button at the column's width; Enter in a field never presses it.
QPushButton* MakeColumnButton(QWidget* parent, const QString& text, const char* name);
// The sunken box that shows a list's row count, "0" until the list is read.
QLabel* MakeCountBox(QWidget* parent, const char* name);
QLabel* MakeSamplesLabel(QWidget* parent);
QStatusBar* MakeStatusBar(QWidget* parent, const char* name = "StatusBar");

class TButtonColumn : public QFrame {
  public:
    // countName: the object name of the count box, which comes first with "Samples" under it;
    // null for a column without one.
    explicit TButtonColumn(QWidget* parent, const char* countName = nullptr);

    QLabel* CountBox = nullptr;
    QLabel* SamplesLabel = nullptr;

    QPushButton* AddButton(const QString& text, const char* name);
    QLabel* AddLabel(const QString& text, const char* name = nullptr);
    // Any control, at the column's width, under the ones before it.
    void AddControl(QWidget* control);
    void AddGap();

  private:
    QVBoxLayout* layout_;
};
