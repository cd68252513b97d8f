// The base of the MSTP instance window: per descriptor column a selection check box and a value
// control, so that a write carries exactly the checked columns.
#pragma once

#include <string>
#include <vector>

#include "dedicated_form.h"

class ExcludedScope;
class QCheckBox;
class QComboBox;
class QLineEdit;

class TBasicForm : public TDedicatedForm {
    Q_OBJECT

  public:
    explicit TBasicForm(const DedicatedWindowContext& context);

    // "Check All": every enabled check box; "Clear Checks": every one.
    void CheckAll();
    void ClearChecks();
    // Every combo box to its first item, every edit emptied.
    void ClearValues();

  protected:
    // The binding whose columns the check boxes select.
    void SetColumns(NmSNMPRequest2Edits* binding, int rowStatusColumn);
    // Binds an edit (with its constraint) or a combo box to a column with its check box.
    void BindEdit(int column, const std::string& format, QLineEdit* edit, QCheckBox* check);
    void BindCombo(int column, QComboBox* combo, QCheckBox* check);
    // Leaves out of the next write every column past the index columns, but the row status,
    // whose check box is not both checked and enabled.
    void MarkCheckedColumns(ExcludedScope& scope) const;

    std::vector<QCheckBox*> Checks;  // per column; null where none is bound
    std::vector<QWidget*> Values;
    int ColumnCount = 0;
    int IndexCount = 0;
    int RowStatusColumn = -1;

  private:
    NmSNMPRequest2Edits* basicBinding_ = nullptr;
};
