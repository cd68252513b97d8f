// The row editor: one row (check box, caption, value control) per descriptor of a binding's
// list, with the check-box rules and the set action shared by scalar windows and dialogs.
#pragma once

#include <QColor>
#include <QFrame>
#include <string>
#include <vector>

class NmSNMPRequest2Edits;
class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;
class TCtrlBtnPanel;

inline constexpr int rkShow = 1;        // read-only, no option list: read-only edit
inline constexpr int rkEdit = 2;        // settable, no option list: edit
inline constexpr int rkChoice = 3;      // settable with an option list: drop-down list
inline constexpr int rkShowChoice = 4;  // read-only with an option list: edit showing the word

struct UISnmpVar {
    int RowKind = 0;
    std::string Format;
    QWidget* ValueControl = nullptr;  // QLineEdit or QComboBox
    QCheckBox* CheckBox = nullptr;
    QLabel* CaptionLabel = nullptr;
};

// Marks kept as properties on the row controls.
inline constexpr const char* kStatusInEdit = "StatusInEdit";    // value control
inline constexpr const char* kHiddenMark = "HiddenMark";        // check box
inline constexpr const char* kCloseAfterSet = "CloseAfterSet";  // "Set Checked" button

class TEditsPanel : public QFrame {
  public:
    TEditsPanel(QWidget* parent, NmSNMPRequest2Edits* binding);

    std::vector<UISnmpVar> Rows;
    QScrollArea* ScrollBox;
    NmSNMPRequest2Edits* Binding;
    int EditWidth;
    QColor DisabledFont;
    QColor DisabledColor;
    bool InitialCheck = false;
    // The last set action was refused before sending or failed at the agent.
    bool SetFailed = false;

    void BuildRows();
    void LayoutRows(bool resize);
    void SetRowStates(bool checked);
    void SetDisabledColors(const QColor& text, const QColor& background);
    void DisableRow(UISnmpVar& row);
    void EnableRow(UISnmpVar& row);
    void HideRow(int position);
    void ShowRow(int position);
    void ClearValues();
    bool IsRowEmpty(const UISnmpVar& row) const;
    int CheckedCount() const;
    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);

    // A row outside the index columns can be written.
    bool HasSettableColumn() const;
    bool IsSettableRow(int position) const;

    // Actions of the check boxes and of "Check All", "Clear Checks" and "Set Checked".
    void CheckBoxClick();
    void CheckAllClick();
    void ClearChecksClick();
    // button: the "Set Checked" that was pressed; with CloseAfterSet its window closes once
    // the values are written. A refusal is shown in a message box and in the status line.
    void SetCheckedClick(QPushButton* button);

  private:
    void freeRows();
    QPushButton* holderSetButton() const;
    QWidget* inner_;
};

// The constraint format of a row's edit for a descriptor syntax.
std::string RowFormat(unsigned syntax);
// The binding's own collection of the values to write (the selected line, then the controls).
void CollectValues(NmSNMPRequest2Edits& binding);
