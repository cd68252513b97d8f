// What frames every LLDP window: the button column at the right (with the sunken
// count box over "Samples" in the list windows) and the one-panel status bar at the bottom.
#pragma once

#include <QFrame>
#include <QString>

class QLabel;
class QPushButton;
class QStatusBar;
class QVBoxLayout;

class TLLDPButtonColumn : public QFrame {
  public:
    TLLDPButtonColumn(QWidget* parent, bool withCount);

    QLabel* CountBox = nullptr;  // null without a count
    // The next button down the column; Enter in a field never presses it.
    QPushButton* AddButton(const QString& text, const char* objectName);

  private:
    QVBoxLayout* layout_;
};

// The status bar the window's binding writes to.
QStatusBar* MakeLldpStatusBar(QWidget* parent);

// Content at the left, the button column at the right, the status bar under both.
void LayOutLldpWindow(QWidget* window, QWidget* content, TLLDPButtonColumn* column,
                      QStatusBar* statusBar);

// A sunken static text as the editing areas show values in.
QLabel* MakeStaticText(QWidget* parent, const char* objectName);
