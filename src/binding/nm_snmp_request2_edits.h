// The binding of one variable list to a window's controls: labels, edits (alone or several
// per value, with edit constraints), combo boxes, radio groups, check boxes on bits or whole
// values, and an optional list view with one line per table row.
//
// Windows that show some columns differently derive from this class and override DoRow
// (transform the received Value texts, then AddRow; nothing without a list view) and, where
// values are written, DoCollect (the base collection, then transform the Value texts).
#pragma once

#include <QElapsedTimer>
#include <QMetaObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "control_binding.h"
#include "nm_edit_constraint.h"
#include "nm_snmp_request2_controls.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// Grid lines between the cells of a list view, as the bound lists have them; for lists a window
// fills itself.
void ShowGridLines(QTreeWidget* view);

class NmSNMPRequest2Edits : public NmSNMPRequest2Controls {
  public:
    explicit NmSNMPRequest2Edits(QWidget* form);
    ~NmSNMPRequest2Edits() override;

    std::function<void()> BeforeGet, BeforeSet, AfterGet, AfterSet;
    // Runs first in ListViewChange, before the binding fills the controls.
    std::function<void()> SavedListViewChange;
    QPointer<QTreeWidget> ListView;
    std::vector<ControlBinding> Bindings;
    NmEditConstraint Constraint;
    bool EnableOnSelect = true;

    // Binding errors raise NmSNMPException with the library's text and code.
    void BindLabel(int index, QLabel* label);
    // A QLineEdit, QCheckBox or NmRadioGroup for the whole value.
    void BindControl(int index, QWidget* control);
    void BindComboBox(int index, QComboBox* combo);
    // One edit per conversion of the format ("%i%i%i%i" for four numbers).
    void BindEdits(int index, const std::string& format, const std::vector<QLineEdit*>& edits);
    // bits: bit indexes separated by ","; one check box per index, in order. Bit 0 is the
    // most significant bit of the first octet.
    void BindCheckBoxes(int index, const std::string& bits,
                        std::initializer_list<QCheckBox*> boxes);
    void BindCheckBoxList(int index, const std::string& bits, const std::vector<QCheckBox*>& boxes);
    // The general form: a null option list on a whole value takes the descriptor's list. A combo
    // box on a prefix option list needs an edit as second control for the rest of the value.
    void AddBinding(int index, int byteOffset, int partSyntax, const NmOptionList* options,
                    QWidget* control, QWidget* second = nullptr);
    void Unbind(int index);
    void SetConstraintOwner(QWidget* control);

    // index: a descriptor position, or -1 for all.
    void ValuesToControls(int index = -1);
    void ControlsToValues(int index = -1);
    void EnableControls(bool enable);

    // Makes the list view a read-only, whole-row-selection report and builds its columns.
    void AttachListView(QTreeWidget* listView, bool enableOnSelect);
    void BuildColumns();
    // Appends a line with the current Value texts. During a read, lines are shown in batches
    // (and pending window events run) every few tens of milliseconds; FlushRows shows the rest.
    void AddRow();
    void FlushRows();
    void SelectedRowToValues();
    // Asks for confirmation, then writes the delete word into the row-status column of the
    // selected row alone, synchronously, and reads the table again once the row is gone. With
    // collect the values to write are collected first (DoCollect), as for any other write.
    // A refusal or an agent error is shown in a message box; true when the row was deleted.
    bool DeleteRow(int statusIndex, const std::string& deleteWord, bool collect = false);

    // The descriptor shown in a list-view column, -1 for none.
    int ColumnDescriptor(int column) const;

  protected:
    void DoBeforeGet() override;
    void DoBeforeSet() override;
    void DoRow() override;
    void DoCollect() override;
    void DoAfterGet() override;
    void DoAfterSet() override;
    void ReadStopped() override;
    virtual void ListViewChange();

  private:
    void checkIndex(int index) const;
    void showBinding(const ControlBinding& b);
    // True when the binding holds a whole value typed as the empty text.
    bool readBinding(const ControlBinding& b, std::string& image);
    std::string cellText(int descriptor) const;
    void computeColumns();

    std::vector<int> columns_;  // descriptor per list-view column
    std::vector<QTreeWidgetItem*> pendingRows_;
    QElapsedTimer sinceFlush_;
    QMetaObject::Connection selectionConnection_;
};
