// The row editor.
#include "edits_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <stdexcept>

#include "binding_scopes.h"
#include "config_geometry.h"
#include "ctrl_btn_panel.h"
#include "error_boundary.h"
#include "message_box.h"
#include "nm_snmp_request2_edits.h"
#include "snmp_panel.h"

namespace {

constexpr int kMargin = 20;
constexpr int kGap = 5;
constexpr int kCheckWidth = 20;
constexpr int kMinRowHeight = 20;
constexpr int kDefaultEditWidth = 121;
// One column of the list may stay empty in a set.
constexpr int kMayStayEmpty = 17;

QString controlText(const QWidget* control) {
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    return {};
}

void setColours(QWidget* control, const QColor& text, const QColor& background) {
    QPalette p = control->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Text, text);
        p.setColor(g, QPalette::ButtonText, text);
        p.setColor(g, QPalette::WindowText, text);
        p.setColor(g, QPalette::Base, background);
        p.setColor(g, QPalette::Button, background);
    }
    control->setPalette(p);
}

// The protected collection of the binding, with the binding's own overrides.
struct CollectAccess : NmSNMPRequest2Edits {
    using NmSNMPRequest2Edits::DoCollect;
};

}  // namespace

std::string RowFormat(unsigned syntax) {
    switch (syntax) {
        case synInteger:
            return "%i";
        case synCounter32:
        case synGauge32:
        case synUInteger32:
            return "%u";
        case synIpAddress:
        case synIpAddress2:
            return "%s{I}";
        case synInetAddress:
            return "%s{Ia}";
        default:
            return "%s";
    }
}

void CollectValues(NmSNMPRequest2Edits& binding) {
    (binding.*&CollectAccess::DoCollect)();
}

TEditsPanel::TEditsPanel(QWidget* parent, NmSNMPRequest2Edits* binding)
    : QFrame(parent), Binding(binding), EditWidth(Scaled(kDefaultEditWidth)) {
    ScrollBox = new QScrollArea(this);
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setWidgetResizable(false);
    inner_ = new QWidget;
    ScrollBox->setWidget(inner_);
    FillParent(ScrollBox);
    BuildRows();
    SetDisabledColors(Qt::black, palette().color(QPalette::Button));
}

void TEditsPanel::freeRows() {
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        if (Binding)
            Binding->Unbind(static_cast<int>(i));
        delete Rows[i].ValueControl;
        delete Rows[i].CheckBox;
        delete Rows[i].CaptionLabel;
    }
    Rows.clear();
}

void TEditsPanel::BuildRows() {
    freeRows();
    if (!Binding)
        return;
    const NmSNMPVarList& list = Binding->Request.VarList;
    for (int i = 0; i < list.Count(); ++i) {
        const SNMPVarItem& item = list.Item(i);
        UISnmpVar row;
        const bool settable = list.IsSettable(i);
        const bool options = item.Options != nullptr;
        row.RowKind = settable ? (options ? rkChoice : rkEdit) : (options ? rkShowChoice : rkShow);
        row.Format = RowFormat(item.Syntax);
        row.CheckBox = new QCheckBox(inner_);
        row.CheckBox->setFocusPolicy(Qt::NoFocus);
        row.CheckBox->resize(Scaled(kCheckWidth), row.CheckBox->sizeHint().height());
        QObject::connect(row.CheckBox, &QCheckBox::clicked, this, [this] { CheckBoxClick(); });
        row.CaptionLabel = new QLabel(QString::fromStdString(item.Caption), inner_);
        row.CaptionLabel->adjustSize();
        if (row.RowKind == rkChoice) {
            auto* combo = new QComboBox(inner_);
            row.ValueControl = combo;
            Rows.push_back(row);
            Binding->BindComboBox(i, combo);
        } else {
            auto* edit = new QLineEdit(inner_);
            row.ValueControl = edit;
            Rows.push_back(row);
            Binding->BindEdits(i, row.RowKind == rkShowChoice ? "%s" : row.Format, {edit});
        }
        QWidget* vc = row.ValueControl;
        vc->resize(EditWidth, std::max(Scaled(kMinRowHeight) + 1, vc->sizeHint().height()));
    }
    SetRowStates(false);
    LayoutRows(true);
}

void TEditsPanel::LayoutRows(bool resize) {
    int labelWidth = 0;
    for (const UISnmpVar& row : Rows)
        labelWidth = std::max(labelWidth, row.CaptionLabel->width());
    const NmSNMPVarList* list = Binding ? &Binding->Request.VarList : nullptr;
    int y = Scaled(kMargin);
    int previousHeight = -1;
    int right = 0;
    int bottom = 0;
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        UISnmpVar& row = Rows[i];
        QWidget* vc = row.ValueControl;
        vc->resize(EditWidth, vc->height());
        const bool hidden = (list && static_cast<int>(i) < list->Count() &&
                             (list->Item(static_cast<int>(i)).Flags & vfHidden)) ||
                            vc->isHidden();
        if (hidden)
            continue;
        if (vc->height() < Scaled(kMinRowHeight))
            vc->resize(vc->width(), Scaled(kMinRowHeight) + 1);
        if (previousHeight >= 0)
            y += previousHeight + Scaled(kGap);
        previousHeight = vc->height();
        const int h = vc->height();
        const int checkLeft = Scaled(kMargin);
        const int labelLeft = checkLeft + row.CheckBox->width() + Scaled(kGap);
        row.CheckBox->move(checkLeft, y + (h - row.CheckBox->height()) / 2);
        row.CaptionLabel->move(labelLeft, y + (h - row.CaptionLabel->height()) / 2);
        vc->move(labelLeft + labelWidth + Scaled(kGap), y);
        right = std::max(right, vc->x() + vc->width());
        bottom = std::max(bottom, vc->y() + vc->height());
    }
    inner_->resize(right + Scaled(kMargin), bottom + Scaled(kMargin));
    if (resize)
        this->resize(2 * Scaled(kMargin) + right, 2 * Scaled(kMargin) + bottom);
}

bool TEditsPanel::IsSettableRow(int position) const {
    const int kind = Rows[static_cast<std::size_t>(position)].RowKind;
    return kind == rkEdit || kind == rkChoice;
}

bool TEditsPanel::HasSettableColumn() const {
    const int indexCount = Binding ? Binding->Request.VarList.IndexCount : 0;
    for (int i = std::max(0, indexCount); i < static_cast<int>(Rows.size()); ++i)
        if (IsSettableRow(i))
            return true;
    return false;
}

void TEditsPanel::SetRowStates(bool checked) {
    InitialCheck = checked;
    const int indexCount = Binding ? Binding->Request.VarList.IndexCount : 0;
    for (int i = 0; i < static_cast<int>(Rows.size()); ++i) {
        if (!IsSettableRow(i) || i < indexCount)
            DisableRow(Rows[static_cast<std::size_t>(i)]);
        else
            EnableRow(Rows[static_cast<std::size_t>(i)]);
    }
}

void TEditsPanel::SetDisabledColors(const QColor& text, const QColor& background) {
    DisabledFont = text;
    DisabledColor = background;
    for (int i = 0; i < static_cast<int>(Rows.size()); ++i)
        if (!IsSettableRow(i))
            DisableRow(Rows[static_cast<std::size_t>(i)]);
}

void TEditsPanel::DisableRow(UISnmpVar& row) {
    row.CheckBox->setEnabled(false);
    row.CheckBox->hide();
    row.CheckBox->setChecked(false);
    if (auto* edit = qobject_cast<QLineEdit*>(row.ValueControl)) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
    } else {
        row.ValueControl->setEnabled(false);
    }
    setColours(row.ValueControl, DisabledFont, DisabledColor);
}

void TEditsPanel::EnableRow(UISnmpVar& row) {
    row.CheckBox->setEnabled(true);
    row.CheckBox->show();
    row.CheckBox->setChecked(InitialCheck);
    if (auto* edit = qobject_cast<QLineEdit*>(row.ValueControl)) {
        edit->setReadOnly(false);
        edit->setFocusPolicy(Qt::StrongFocus);
    } else {
        row.ValueControl->setEnabled(true);
    }
    setColours(row.ValueControl, Qt::black, Qt::white);
}

void TEditsPanel::HideRow(int position) {
    UISnmpVar& row = Rows.at(static_cast<std::size_t>(position));
    if (Binding)
        Binding->Request.VarList.Item(position).Flags |= vfHidden;
    row.ValueControl->hide();
    row.CheckBox->hide();
    row.CaptionLabel->hide();
    row.CheckBox->setProperty(kHiddenMark, true);
}

void TEditsPanel::ShowRow(int position) {
    UISnmpVar& row = Rows.at(static_cast<std::size_t>(position));
    if (Binding)
        Binding->Request.VarList.Item(position).Flags &= ~vfHidden;
    row.ValueControl->show();
    row.CheckBox->show();
    row.CaptionLabel->show();
    // The mark belongs to one Edit dialog; a later Add must not leave the row out.
    row.CheckBox->setProperty(kHiddenMark, false);
}

void TEditsPanel::ClearValues() {
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        if (auto* edit = qobject_cast<QLineEdit*>(Rows[i].ValueControl))
            edit->clear();
        else if (auto* combo = qobject_cast<QComboBox*>(Rows[i].ValueControl))
            combo->setCurrentIndex(-1);
        if (Binding && static_cast<int>(i) < Binding->Request.VarList.Count())
            Binding->Request.VarList.Item(static_cast<int>(i)).Value.clear();
    }
}

bool TEditsPanel::IsRowEmpty(const UISnmpVar& row) const {
    return !row.CheckBox->isHidden() && controlText(row.ValueControl).isEmpty();
}

int TEditsPanel::CheckedCount() const {
    return static_cast<int>(std::count_if(
        Rows.begin(), Rows.end(), [](const UISnmpVar& r) { return r.CheckBox->isChecked(); }));
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons) {
    if (!Binding)
        throw std::logic_error("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    buttons->CountBox->hide();
    buttons->SamplesLabel->hide();
    buttons->BT_Refresh->show();
    buttons->BT_Edit->hide();
    buttons->BT_SetChecked->show();
    buttons->BT_Add->hide();
    buttons->BT_Delete->hide();
    buttons->BT_CheckAll->show();
    buttons->BT_ClearChecks->show();
    buttons->BT_Close->show();
    if (!HasSettableColumn()) {
        buttons->BT_SetChecked->hide();
        buttons->BT_CheckAll->hide();
        buttons->BT_ClearChecks->hide();
    } else {
        const auto open = [](const UISnmpVar& r) {
            return !r.CheckBox->isHidden() && r.CheckBox->isEnabled();
        };
        if (std::count_if(Rows.begin(), Rows.end(), open) <= 1) {
            buttons->BT_CheckAll->hide();
            buttons->BT_ClearChecks->hide();
            buttons->BT_SetChecked->setText(QStringLiteral("Set"));
            buttons->BT_SetChecked->setEnabled(true);
            if (CheckedCount() <= 1)
                for (UISnmpVar& r : Rows)
                    r.CheckBox->hide();
            for (UISnmpVar& r : Rows)
                r.CheckBox->setChecked(!open(r) && !r.CheckBox->property(kHiddenMark).toBool());
        }
    }
    buttons->LayoutButtons();
}

QPushButton* TEditsPanel::holderSetButton() const {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* panel = qobject_cast<TSNMPPanel*>(w))
            return panel->Buttons->BT_SetChecked;
    return nullptr;
}

void TEditsPanel::CheckBoxClick() {
    if (QPushButton* set = holderSetButton())
        set->setEnabled(CheckedCount() >= 1);
}

void TEditsPanel::CheckAllClick() {
    for (UISnmpVar& r : Rows)
        if (r.CheckBox->isEnabled())
            r.CheckBox->setChecked(true);
    if (CheckedCount() >= 1)
        if (QPushButton* set = holderSetButton())
            set->setEnabled(true);
}

void TEditsPanel::ClearChecksClick() {
    for (UISnmpVar& r : Rows)
        if (r.CheckBox->isEnabled())
            r.CheckBox->setChecked(false);
    if (CheckedCount() == 0)
        if (QPushButton* set = holderSetButton())
            set->setEnabled(false);
}

void TEditsPanel::SetCheckedClick(QPushButton* button) {
    if (!Binding)
        return;
    NmSNMPVarList& list = Binding->Request.VarList;
    bool incomplete = false;
    bool written = false;
    {
        const AsyncModeScope synchronous(*Binding, false);
        ExcludedScope unchecked(list);
        const int count = std::min(list.Count(), static_cast<int>(Rows.size()));
        for (int i = std::max(0, static_cast<int>(list.IndexCount)); i < count; ++i) {
            const UISnmpVar& row = Rows[static_cast<std::size_t>(i)];
            const SNMPVarItem& item = list.Item(i);
            const bool excluded = !row.CheckBox->isChecked() ||
                                  (!row.ValueControl->property(kStatusInEdit).toBool() &&
                                   item.Value == "active" && row.CheckBox->isHidden());
            if (excluded)
                unchecked.Exclude(i);
            else if (IsRowEmpty(row) && i != kMayStayEmpty)
                incomplete = true;
        }
        Binding->LastOp = 1;  // a refusal while collecting is reported as the set's
        Guarded(
            [&] {
                CollectValues(*Binding);
                if (incomplete)
                    ShowMessage(MessageKind::Warning, QStringLiteral("Some items are empty!"),
                                window());
                else
                    written = Binding->Set(false, false, {}, nullptr);
            },
            [this](const std::string& text) {
                // Nothing was sent; the values stay as typed for the user to mend.
                Binding->ShowStatus(text);
                ShowMessage(MessageKind::Warning, QString::fromStdString(text), window());
            });
    }
    SetFailed = !incomplete && !written;
    if (written && button && button->property(kCloseAfterSet).toBool())
        button->window()->close();
}
