// The MSTP port state window.
#include "tmstp_port_state_form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "binding_scopes.h"
#include "config_geometry.h"
#include "copy_export.h"
#include "message_box.h"
#include "snmp_types.h"
#include "stp_descriptors.h"
#include "stp_widgets.h"
#include "tmstp_port_state_edit_form.h"

namespace {

// The request time-out of the port table: 3 s.
constexpr int kPortTimeout = 300;

}  // namespace

TMSTPPortStateForm::TMSTPPortStateForm(const DedicatedWindowContext& context)
    : TDedicatedForm(context) {
    setObjectName(QStringLiteral("TMSTPPortStateForm"));
    if (context.Caption.isEmpty())
        setWindowTitle(QStringLiteral("MSTP Port State"));
    lvMSTPPortState = MakeListView(this, "lvMSTPPortState");
    lvMSTPPortState->setMinimumSize(Scaled(620), Scaled(330));
    auto* content = new QVBoxLayout;
    content->addWidget(lvMSTPPortState, 1);
    StaticText1 = MakeCountBox(this, "StaticText1");
    SamplesLabel = MakeSamplesLabel(this);
    BT_Refresh = MakeColumnButton(this, QStringLiteral("Refresh"), "BT_Refresh");
    BT_Edit = MakeColumnButton(this, QStringLiteral("Edit"), "BT_Edit");
    BT_Stop = MakeColumnButton(this, QStringLiteral("Stop"), "BT_Stop");
    BT_Close = MakeColumnButton(this, QStringLiteral("Close"), "BT_Close");
    StatusBar = MakeStatusBar(this);
    LayOutWindow(
        this, content,
        MakeButtonColumn(this, {StaticText1, SamplesLabel, BT_Refresh, BT_Edit, BT_Stop, BT_Close}),
        StatusBar);
    lblSTPVersion = MakeHiddenText(this, "lblSTPVersion");
    resize(sizeHint());
    BT_Edit->setEnabled(false);

    connect(BT_Refresh, &QPushButton::clicked, this, [this] { RefreshClick(); });
    connect(BT_Edit, &QPushButton::clicked, this, [this] { EditClick(); });
    connect(BT_Stop, &QPushButton::clicked, this, [this] { StopClick(); });
    connect(BT_Close, &QPushButton::clicked, this, &QDialog::close);
    connect(lvMSTPPortState, &QTreeWidget::itemDoubleClicked, this, [this] { EditClick(); });
    connect(lvMSTPPortState, &QTreeWidget::itemSelectionChanged, this,
            [this] { BT_Edit->setEnabled(!lvMSTPPortState->selectedItems().isEmpty()); });
    QAbstractItemModel* model = lvMSTPPortState->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { showCount(); });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { showCount(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { showCount(); });

    EditForm = new TMSTPPortStateEditForm(this);
    EditForm->OnSet = [this] { SetPortClick(); };

    auto version = std::make_unique<NmSNMPRequest2Edits>(this);
    version->Async = false;
    version->Request.VarList = NmSNMPVarList(dtStpVersion, vlScalar, 0);
    VersionBinding = AddBinding(std::move(version));

    auto ports = std::make_unique<NmSNMPRequest2Edits>(this);
    ports->Request.VarList = NmSNMPVarList(dtMstpPortTable, vlTableRows, 1);
    ports->Request.Timeout = kPortTimeout;
    PortBinding = AddBinding(std::move(ports));
    PortBinding->SetStatusTarget(StatusBar);
    PortBinding->OnEndGet = [this](NmSNMPError& error) {
        ready_ = true;
        // The hook replaces the binding's report of a failed read.
        if (error.Code != 0)
            PortBinding->ShowStatus(error.Text);
    };
    TMSTPPortStateEditForm* d = EditForm;
    const bool bound = Guarded(
        [&] {
            VersionBinding->BindLabel(0, lblSTPVersion);
            PortBinding->AttachListView(lvMSTPPortState, true);
            PortBinding->BindEdits(kPortIndex, "%u", {d->edtPortIndex});
            PortBinding->BindEdits(kPortOperHelloTime, "%u", {d->edtOperHelloTime});
            PortBinding->BindEdits(kPortAdminHelloTime, "%u", {d->edtAdminHelloTime});
            PortBinding->BindComboBox(kPortEnable, d->cbxPortEnable);
            PortBinding->BindEdits(kPortExtPathCost, "%u", {d->edtExtPathCost});
            PortBinding->BindComboBox(kPortMigration, d->cbxMigration);
            PortBinding->BindComboBox(kPortAdminEdge, d->cbxAdminEdgePort);
            PortBinding->BindComboBox(kPortOperEdge, d->cbxOperEdgePort);
            PortBinding->BindComboBox(kPortAdminP2P, d->cbxAdminP2P);
            PortBinding->BindComboBox(kPortOperP2P, d->cbxOperP2P);
            PortBinding->BindComboBox(kPortRestrictedRole, d->cbxSTPRole);
            PortBinding->BindComboBox(kPortRestrictedTcn, d->cbxSTPTCN);
        },
        PortBinding->StatusLine());
    new ListViewTools(lvMSTPPortState);
    if (bound) {
        Guarded([this] { VersionBinding->Get(); }, [this](const std::string& t) { failed(t); });
        readPorts();
    }
    if (lvMSTPPortState->topLevelItemCount() == 0)
        StaticText1->setText(QStringLiteral("0"));
}

void TMSTPPortStateForm::failed(const std::string& text) {
    ready_ = true;
    StatusBar->showMessage(QString::fromStdString(text));
}

void TMSTPPortStateForm::showCount() {
    StaticText1->setText(QString::number(lvMSTPPortState->topLevelItemCount()));
}

void TMSTPPortStateForm::readPorts() {
    ready_ = false;
    PortBinding->Request.Active = true;
    bool started = false;
    Guarded([&] { started = PortBinding->Get(); }, [this](const std::string& t) { failed(t); });
    // A read that did not start runs no hook.
    if (!started || !PortBinding->Busy)
        ready_ = true;
}

void TMSTPPortStateForm::RefreshClick() {
    if (!ready_)
        return;
    if (!VersionBinding->Busy)
        Guarded([this] { VersionBinding->Get(); }, PortBinding->StatusLine());
    if (!PortBinding->Busy)
        readPorts();
}

void TMSTPPortStateForm::EditClick() {
    if (!EditForm || lvMSTPPortState->selectedItems().isEmpty())
        return;
    if (!ready_ || PortBinding->Busy) {
        ShowMessage(MessageKind::Information, QStringLiteral("Get data not complete"), this);
        return;
    }
    EditForm->setWindowTitle(QStringLiteral("Port State Information: ") +
                             QString::fromStdString(DefaultDevice.Address) +
                             QStringLiteral(" (Edit)"));
    EditForm->exec();
    BT_Edit->setEnabled(false);
    Guarded([this] { VersionBinding->Get(); }, PortBinding->StatusLine());
}

void TMSTPPortStateForm::StopClick() {
    PortBinding->Request.Active = false;
}

void TMSTPPortStateForm::SetPortClick() {
    if (PortBinding->Busy)
        return;  // the dialog stays open
    const bool written = Guarded(
        [this] {
            PortBinding->Request.Active = true;
            const QString version = lblSTPVersion->text();
            ExcludedScope remembered(PortBinding->Request.VarList);
            // Only MSTP has a hello time per port.
            if (version == QLatin1String("stp") || version == QLatin1String("rstp"))
                remembered.Exclude(kPortAdminHelloTime);
            // Written before the table is read again, so that the two never overlap.
            const AsyncModeScope synchronous(*PortBinding, false);
            PortBinding->Set(false, true);
        },
        [this](const std::string& t) { failed(t); });
    if (written)
        readPorts();
    if (EditForm)
        EditForm->accept();
}

void TMSTPPortStateForm::done(int result) {
    if (!ready_) {
        ShowMessage(MessageKind::Information, QStringLiteral("Get data not complete"), this);
        return;
    }
    lvMSTPPortState->clearSelection();
    delete EditForm;
    EditForm = nullptr;
    TDedicatedForm::done(result);
}
