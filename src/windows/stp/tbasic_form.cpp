// The check-box selection of the columns to write.
#include "tbasic_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "binding_scopes.h"

TBasicForm::TBasicForm(const DedicatedWindowContext& context) : TDedicatedForm(context) {}

void TBasicForm::SetColumns(NmSNMPRequest2Edits* binding, int rowStatusColumn) {
    basicBinding_ = binding;
    ColumnCount = binding->Request.VarList.Count();
    IndexCount = binding->Request.VarList.IndexCount;
    RowStatusColumn = rowStatusColumn;
    Checks.assign(static_cast<std::size_t>(ColumnCount), nullptr);
    Values.assign(static_cast<std::size_t>(ColumnCount), nullptr);
}

void TBasicForm::BindEdit(int column, const std::string& format, QLineEdit* edit,
                          QCheckBox* check) {
    basicBinding_->BindEdits(column, format, {edit});
    Checks.at(static_cast<std::size_t>(column)) = check;
    Values.at(static_cast<std::size_t>(column)) = edit;
}

void TBasicForm::BindCombo(int column, QComboBox* combo, QCheckBox* check) {
    basicBinding_->BindComboBox(column, combo);
    Checks.at(static_cast<std::size_t>(column)) = check;
    Values.at(static_cast<std::size_t>(column)) = combo;
}

void TBasicForm::MarkCheckedColumns(ExcludedScope& scope) const {
    for (int c = IndexCount; c < ColumnCount; ++c) {
        if (c == RowStatusColumn)
            continue;
        const QCheckBox* check = Checks[static_cast<std::size_t>(c)];
        if (!check || !check->isChecked() || !check->isEnabled())
            scope.Exclude(c);
    }
}

void TBasicForm::CheckAll() {
    for (QCheckBox* check : Checks)
        if (check && check->isEnabled())
            check->setChecked(true);
}

void TBasicForm::ClearChecks() {
    for (QCheckBox* check : Checks)
        if (check)
            check->setChecked(false);
}

void TBasicForm::ClearValues() {
    for (QWidget* value : Values) {
        if (auto* combo = qobject_cast<QComboBox*>(value))
            combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
        else if (auto* edit = qobject_cast<QLineEdit*>(value))
            edit->clear();
    }
}
