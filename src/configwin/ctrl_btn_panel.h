// The button column at the right of a binding's panel, and the status bar panel at its bottom.
#pragma once

#include <QFrame>
#include <vector>

class QLabel;
class QPushButton;
class QStatusBar;

class TCtrlBtnPanel : public QFrame {
  public:
    explicit TCtrlBtnPanel(QWidget* parent);

    QLabel* CountBox;
    QLabel* SamplesLabel;
    QPushButton* BT_Refresh;
    QPushButton* BT_Edit;
    QPushButton* BT_SetChecked;
    QPushButton* BT_Add;
    QPushButton* BT_Delete;
    QPushButton* BT_CheckAll;
    QPushButton* BT_ClearChecks;
    QPushButton* BT_Close;

    // Places the shown controls one below the other; run after every change of visibility.
    void LayoutButtons();
    int ColumnWidth() const { return columnWidth_; }
    int ColumnHeight() const { return columnHeight_; }
    // The controls in layout order, top to bottom.
    std::vector<QWidget*> Controls() const;

  private:
    void loadBitmaps();

    int columnWidth_;
    int columnHeight_ = 0;
};

class TMsgPanel : public QFrame {
  public:
    explicit TMsgPanel(QWidget* parent);
    QStatusBar* StatusBar;

  protected:
    void resizeEvent(QResizeEvent* event) override;
};
