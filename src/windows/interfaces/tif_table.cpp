// The interface table window.
#include "tif_table.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include "config_geometry.h"
#include "copy_export.h"
#include "interface_tables.h"
#include "message_box.h"
#include "window_parts.h"

TIF_Table::TIF_Table(const DedicatedWindowContext& context) : TDedicatedForm(context) {
    setObjectName(QStringLiteral("TIF_Table"));
    LV_IF_Table = new QTreeWidget(this);
    LV_IF_Table->setObjectName(QStringLiteral("LV_IF_Table"));
    new ListViewTools(LV_IF_Table);

    ST_Index = new QLabel(this);
    ST_Index->setObjectName(QStringLiteral("ST_Index"));
    ST_Index->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ST_Index->setMinimumWidth(Scaled(120));
    Combo_AdminStatus = new QComboBox(this);
    Combo_AdminStatus->setObjectName(QStringLiteral("Combo_AdminStatus"));
    Combo_AdminStatus->setMinimumWidth(Scaled(120));

    auto* fields = new QHBoxLayout;
    fields->setSpacing(Scaled(8));
    fields->addWidget(new QLabel(QStringLiteral("Index"), this));
    fields->addWidget(ST_Index);
    fields->addSpacing(Scaled(16));
    fields->addWidget(new QLabel(QStringLiteral("Admin Status"), this));
    fields->addWidget(Combo_AdminStatus);
    fields->addStretch(1);
    auto* content = new QVBoxLayout;
    content->setSpacing(Scaled(6));
    content->addWidget(LV_IF_Table, 1);
    content->addLayout(fields);
    content->addSpacing(Scaled(4));

    auto* column = new TButtonColumn(this, "StaticText1");
    StaticText1 = column->CountBox;
    BT_Get = column->AddButton("Refresh", "BT_Get");
    BT_Set = column->AddButton("Set", "BT_Set");
    btnStop = column->AddButton("Stop", "btnStop");
    CloseButton = column->AddButton("Close", "CloseButton");
    StatusBar1 = MakeStatusBar(this, "StatusBar1");
    FrameWindow(this, content, column, StatusBar1);
    resize(Scaled(860), Scaled(450));

    connect(BT_Get, &QPushButton::clicked, this, &TIF_Table::BT_GetClick);
    connect(BT_Set, &QPushButton::clicked, this, &TIF_Table::BT_SetClick);
    connect(btnStop, &QPushButton::clicked, this, &TIF_Table::btnStopClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    // Set needs a row; the binding fills the index and the combo box from it.
    connect(LV_IF_Table, &QTreeWidget::itemSelectionChanged, this,
            [this] { BT_Set->setEnabled(!LV_IF_Table->selectedItems().isEmpty()); });
    QAbstractItemModel* model = LV_IF_Table->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &TIF_Table::showCount);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TIF_Table::showCount);
    connect(model, &QAbstractItemModel::modelReset, this, &TIF_Table::showCount);

    FormCreate();
}

void TIF_Table::FormCreate() {
    Guarded(
        [this] {
            Binding = AddBinding(std::make_unique<NmSNMPRequest2Edits>(this));
            Binding->Request.VarList = NmSNMPVarList(dtIfTable, vlTable, 1);
            Binding->AttachListView(LV_IF_Table, true);
            // Room for the usual texts of these columns, whose headings are short.
            for (const auto& [column, width] : {std::pair{1, 110}, {2, 115}, {4, 85}})
                LV_IF_Table->header()->resizeSection(column, Scaled(width));
            Binding->BindLabel(kIfIndexColumn, ST_Index);
            Binding->BindComboBox(kIfAdminStatusColumn, Combo_AdminStatus);
            Binding->SetStatusTarget(StatusBar1);
            Binding->EnableControls(false);
            Binding->Get();
        },
        [this](const std::string& text) {
            if (Binding)
                Binding->ShowStatus(text);
            else
                StatusBar1->showMessage(QString::fromStdString(text));
        });
    showCount();
    BT_Set->setEnabled(false);
    busy_ = false;
}

bool TIF_Table::IsBusy() const {
    return busy_ || (Binding && Binding->Busy);
}

void TIF_Table::runGuarded(const std::function<void()>& operation) {
    if (IsBusy()) {
        ShowMessage(MessageKind::Warning, QStringLiteral("Getting Data Not Complete"), this);
        return;
    }
    if (!Binding)
        return;
    busy_ = true;
    Binding->Request.Active = true;
    Guarded(operation, Binding->MessagePath());
    busy_ = false;
    BT_Set->setEnabled(false);
}

void TIF_Table::BT_GetClick() {
    runGuarded([this] { Binding->Get(); });
}

void TIF_Table::BT_SetClick() {
    runGuarded([this] {
        // Without a selected row there is no instance to write.
        if (!LV_IF_Table->selectedItems().isEmpty())
            Binding->Set(true, true);
    });
}

void TIF_Table::btnStopClick() {
    if (Binding)
        Binding->Request.Active = false;
    busy_ = false;
}

void TIF_Table::showCount() {
    StaticText1->setText(QString::number(LV_IF_Table->topLevelItemCount()));
}

void TIF_Table::done(int result) {
    LV_IF_Table->clearSelection();
    TDedicatedForm::done(result);
}
