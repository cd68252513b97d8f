// The MSTP instance window.
#include "tmstp_vlan_unit_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <stdexcept>

#include "binding_scopes.h"
#include "config_geometry.h"
#include "copy_export.h"
#include "mstp_new_request_edits.h"
#include "stp_widgets.h"
#include "vlan_list.h"

namespace {

// The request time-out of the instance table: 6 s.
constexpr int kInstanceTimeout = 600;

const char* const kStatusCaptions[kStatusColumnCount] = {"Designated Root Bridge",
                                                         "External Root Cost",
                                                         "Regional Root Bridge",
                                                         "Internal Root Cost",
                                                         "Designated Bridge",
                                                         "Root Port",
                                                         "Max Age",
                                                         "Forward Delay",
                                                         "Last Topology Change",
                                                         "Topology Changes Count",
                                                         "Remain Hops"};
const char* const kStatusFormats[kStatusColumnCount] = {"%s", "%i", "%s", "%i", "%s", "%i",
                                                        "%i", "%i", "%s", "%i", "%i"};

QString numbered(const char* stem, int n) {
    return QString::fromLatin1(stem) + QString::number(n);
}

// Raised for a write that would carry an empty field the user ticked.
[[noreturn]] void refuseEmpty(const char* caption) {
    throw std::runtime_error(std::string("\"") + caption + "\" is empty; nothing was written.");
}

}  // namespace

TMSTPVLANUnitForm::TMSTPVLANUnitForm(const DedicatedWindowContext& context) : TBasicForm(context) {
    setObjectName(QStringLiteral("TMSTPVLANUnitForm"));
    if (context.Caption.isEmpty())
        setWindowTitle(QStringLiteral("MSTP VLAN Table"));
    buildControls();

    Binding = AddBinding(std::make_unique<MSTPNewRequestEdits>(this));
    Binding->Request.VarList = NmSNMPVarList(dtMstpInstanceTable, vlTableRows, 1);
    Binding->Request.Timeout = kInstanceTimeout;
    Binding->SetStatusTarget(StatusBar);
    Binding->VIDEdit = VIDEdit;
    for (std::size_t k = 0; k < cbxVlanRange.size(); ++k) {
        Binding->RangeChecks[k] = cbxVlanRange[k];
        Binding->RangeEdits[k] = VLANRangeEdit[k];
    }
    SetColumns(Binding, kInstanceRowStatus);
    const bool bound = Guarded(
        [this] {
            Binding->AttachListView(ListView1, true);
            BindEdit(kInstanceId, "%i{n0x63l2}", VIDEdit, chkVID);
            for (int k = 1; k <= kRangeCount; ++k)
                BindEdit(kFirstRange + k - 1, "%s", VLANRangeEdit[static_cast<std::size_t>(k - 1)],
                         cbxVlanRange[static_cast<std::size_t>(k - 1)]);
            BindCombo(kInstanceType, TypeComboBox, cbxType);
            BindEdit(kInstancePriority, "%i{n0x61440l5}", PriorityEdit, CheckBoxPriority);
            for (int i = 0; i < kStatusColumnCount; ++i)
                BindEdit(kFirstStatusColumn + i, kStatusFormats[i],
                         Edit[static_cast<std::size_t>(i)], CheckBox[static_cast<std::size_t>(i)]);
            BindCombo(kInstanceRowStatus, RowComboBox, cbxRow);
        },
        Binding->StatusLine());
    new ListViewTools(ListView1);
    // After the binding's own selection handler, which fills and enables the controls.
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] { ListView1Click(); });
    QAbstractItemModel* model = ListView1->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { showCount(); });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { showCount(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { showCount(); });
    ClearValues();
    ClearChecks();
    chkVID->setChecked(true);
    Binding->OnEndGet = [this](NmSNMPError& error) {
        ready_ = true;
        // The hook replaces the binding's report of a failed read.
        if (error.Code != 0)
            Binding->ShowStatus(error.Text);
        showCount();
    };
    if (bound)
        readTable();
    setRowButtons(false);
    showCount();
}

void TMSTPVLANUnitForm::buildControls() {
    ListView1 = MakeListView(this, "ListView1");
    ListView1->setMinimumSize(Scaled(560), Scaled(170));

    const auto makeCheck = [this](const QString& caption, const QString& name) {
        auto* check = new QCheckBox(caption, this);
        check->setObjectName(name);
        return check;
    };
    const auto makeEdit = [this](const QString& name, int width) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setFixedWidth(width);
        return edit;
    };

    GroupBoxID = new QGroupBox(QStringLiteral("MSTP ID"), this);
    GroupBoxID->setObjectName(QStringLiteral("GroupBoxID"));
    VIDEdit = makeEdit(QStringLiteral("VIDEdit"), Scaled(60));
    chkVID = makeCheck(QString(), QStringLiteral("chkVID"));
    chkVID->setChecked(true);
    chkVID->setEnabled(false);
    chkVID->hide();
    auto* idRow = new QHBoxLayout(GroupBoxID);
    idRow->addWidget(new QLabel(QStringLiteral("MSTP Instance ID"), GroupBoxID));
    idRow->addWidget(VIDEdit);
    idRow->addStretch(1);

    GroupBoxRange = new QGroupBox(QStringLiteral("VLAN Range List"), this);
    GroupBoxRange->setObjectName(QStringLiteral("GroupBoxRange"));
    auto* ranges = new QGridLayout(GroupBoxRange);
    ranges->setVerticalSpacing(Scaled(4));
    for (int k = 1; k <= kRangeCount; ++k) {
        auto* check =
            makeCheck(QString::fromStdString(VlanFieldCaption(k)), numbered("cbxVlanRange", k));
        auto* edit = makeEdit(numbered("VLANRangeEdit", k), Scaled(230));
        cbxVlanRange[static_cast<std::size_t>(k - 1)] = check;
        VLANRangeEdit[static_cast<std::size_t>(k - 1)] = edit;
        ranges->addWidget(check, k - 1, 0);
        ranges->addWidget(edit, k - 1, 1);
    }

    GroupBoxOther = new QGroupBox(QStringLiteral("Other"), this);
    GroupBoxOther->setObjectName(QStringLiteral("GroupBoxOther"));
    auto* other = new QGridLayout(GroupBoxOther);
    other->setVerticalSpacing(Scaled(4));
    CheckBoxPriority = makeCheck(QStringLiteral("Priority"), QStringLiteral("CheckBoxPriority"));
    PriorityEdit = makeEdit(QStringLiteral("PriorityEdit"), Scaled(150));
    other->addWidget(CheckBoxPriority, 0, 0);
    other->addWidget(PriorityEdit, 0, 1);
    for (int i = 0; i < kStatusColumnCount; ++i) {
        auto* check =
            makeCheck(QString::fromLatin1(kStatusCaptions[i]), numbered("CheckBox", i + 1));
        check->setEnabled(false);
        auto* edit = makeEdit(numbered("Edit", i + 1), Scaled(150));
        CheckBox[static_cast<std::size_t>(i)] = check;
        Edit[static_cast<std::size_t>(i)] = edit;
        other->addWidget(check, i + 1, 0);
        other->addWidget(edit, i + 1, 1);
    }
    cbxType = makeCheck(QStringLiteral("Type"), QStringLiteral("cbxType"));
    cbxType->setEnabled(false);
    TypeComboBox = new QComboBox(this);
    TypeComboBox->setObjectName(QStringLiteral("TypeComboBox"));
    TypeComboBox->setFixedWidth(Scaled(150));
    other->addWidget(cbxType, kStatusColumnCount + 1, 0);
    other->addWidget(TypeComboBox, kStatusColumnCount + 1, 1);
    cbxRow = makeCheck(QString(), QStringLiteral("cbxRow"));
    cbxRow->hide();
    RowComboBox = new QComboBox(this);
    RowComboBox->setObjectName(QStringLiteral("RowComboBox"));
    RowComboBox->hide();

    auto* left = new QVBoxLayout;
    left->addWidget(GroupBoxID);
    left->addWidget(GroupBoxRange);
    left->addStretch(1);
    auto* groups = new QHBoxLayout;
    groups->addLayout(left);
    groups->addWidget(GroupBoxOther, 0, Qt::AlignTop);
    groups->addStretch(1);
    auto* content = new QVBoxLayout;
    content->setSpacing(Scaled(8));
    content->addWidget(ListView1, 1);
    content->addLayout(groups);

    StaticText1 = MakeCountBox(this, "StaticText1");
    SamplesLabel = MakeSamplesLabel(this);
    BT_Refresh = MakeColumnButton(this, QStringLiteral("Refresh"), "BT_Refresh");
    BT_Edit = MakeColumnButton(this, QStringLiteral("Edit"), "BT_Edit");
    BT_Add = MakeColumnButton(this, QStringLiteral("Add"), "BT_Add");
    BT_Delete = MakeColumnButton(this, QStringLiteral("Delete"), "BT_Delete");
    BT_CheckAll = MakeColumnButton(this, QStringLiteral("Check All"), "BT_CheckAll");
    BT_ClearChecks = MakeColumnButton(this, QStringLiteral("Clear Checks"), "BT_ClearChecks");
    BT_Close = MakeColumnButton(this, QStringLiteral("Close"), "BT_Close");
    StatusBar = MakeStatusBar(this);
    LayOutWindow(this, content,
                 MakeButtonColumn(this, {StaticText1, SamplesLabel, BT_Refresh, BT_Edit, BT_Add,
                                         BT_Delete, BT_CheckAll, BT_ClearChecks, BT_Close}),
                 StatusBar);
    resize(sizeHint());

    connect(BT_Refresh, &QPushButton::clicked, this, [this] { RefreshClick(); });
    connect(BT_Edit, &QPushButton::clicked, this, [this] { EditClick(); });
    connect(BT_Add, &QPushButton::clicked, this, [this] { AddClick(); });
    connect(BT_Delete, &QPushButton::clicked, this, [this] { DeleteClick(); });
    connect(BT_CheckAll, &QPushButton::clicked, this, [this] { CheckAll(); });
    connect(BT_ClearChecks, &QPushButton::clicked, this, [this] { ClearChecks(); });
    connect(BT_Close, &QPushButton::clicked, this, [this] {
        ready_ = false;
        Binding->Request.Active = false;
        close();
    });
}

void TMSTPVLANUnitForm::setRowButtons(bool rowSelected) {
    BT_Edit->setEnabled(rowSelected);
    BT_Delete->setEnabled(rowSelected);
    BT_Add->setEnabled(!rowSelected);
}

void TMSTPVLANUnitForm::showCount() {
    StaticText1->setText(QString::number(ListView1->topLevelItemCount()));
}

void TMSTPVLANUnitForm::failed(const std::string& text) {
    ready_ = true;
    StatusBar->showMessage(QString::fromStdString(text));
}

void TMSTPVLANUnitForm::ListView1Click() {
    if (ListView1->selectedItems().isEmpty()) {
        setRowButtons(false);
        ClearChecks();
        ClearValues();
        return;
    }
    setRowButtons(true);
    // From now on these only show the row's status.
    for (std::size_t i = 0; i < Edit.size(); ++i) {
        Edit[i]->setEnabled(false);
        CheckBox[i]->setEnabled(false);
        ShowAsStatusOnly(Edit[i]);
    }
    cbxType->setEnabled(false);
    TypeComboBox->setEnabled(false);
    ShowAsStatusOnly(TypeComboBox);
}

void TMSTPVLANUnitForm::readTable() {
    ready_ = false;
    BT_Edit->setEnabled(false);
    Binding->Request.Active = true;
    bool started = false;
    Guarded([&] { started = Binding->Get(); }, [this](const std::string& t) { failed(t); });
    // A read that did not start runs no hook.
    if (!started || !Binding->Busy)
        ready_ = true;
    showCount();
}

void TMSTPVLANUnitForm::RefreshClick() {
    if (!ready_)
        return;
    readTable();
}

void TMSTPVLANUnitForm::checkRequired() const {
    if (VIDEdit->text().trimmed().isEmpty())
        refuseEmpty("MSTP Instance ID");
    if (CheckBoxPriority->isChecked() && CheckBoxPriority->isEnabled() &&
        PriorityEdit->text().trimmed().isEmpty())
        refuseEmpty("Priority");
}

void TMSTPVLANUnitForm::AddClick() {
    if (!ready_)
        return;
    const bool written = Guarded(
        [this] {
            cbxRow->setChecked(true);
            RowComboBox->setCurrentText(QStringLiteral("createAndGo"));
            chkVID->setChecked(true);
            checkRequired();
            ExcludedScope unchecked(Binding->Request.VarList);
            MarkCheckedColumns(unchecked);
            const AsyncModeScope synchronous(*Binding, false);
            Binding->Request.Active = true;
            Binding->Set(false, true);
        },
        [this](const std::string& t) { failed(t); });
    if (!written)
        return;
    VIDEdit->clear();
    readTable();
    ClearChecks();
    ClearValues();
}

void TMSTPVLANUnitForm::EditClick() {
    if (!ready_ || ListView1->selectedItems().isEmpty())
        return;
    const bool written = Guarded(
        [this] {
            chkVID->setChecked(true);
            checkRequired();
            ExcludedScope unchecked(Binding->Request.VarList);
            MarkCheckedColumns(unchecked);
            // The row exists: its status is not written.
            unchecked.Exclude(kInstanceRowStatus);
            const AsyncModeScope synchronous(*Binding, false);
            Binding->Request.Active = true;
            Binding->Set(false, true);
        },
        [this](const std::string& t) { failed(t); });
    if (written) {
        ClearChecks();
        ClearValues();
        readTable();
    }
    setRowButtons(false);
}

void TMSTPVLANUnitForm::DeleteClick() {
    if (!ready_ || ListView1->selectedItems().isEmpty())
        return;
    ready_ = false;
    Binding->DeleteRow(kInstanceRowStatus, "destroy");
    // The read that follows a delete marks the window ready when it ends.
    if (!Binding->Busy)
        ready_ = true;
    setRowButtons(false);
    RefreshClick();
    ClearChecks();
    ClearValues();
}

void TMSTPVLANUnitForm::done(int result) {
    ListView1->clearSelection();
    Binding->Request.Active = false;
    TBasicForm::done(result);
}
