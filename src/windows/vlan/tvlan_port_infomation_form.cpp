// The 802.1Q VLAN port window.
#include "tvlan_port_infomation_form.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include "config_geometry.h"
#include "copy_export.h"
#include "message_box.h"
#include "option_lists.h"
#include "vlan_form_parts.h"

namespace {

// clang-format off
const SNMPVarDescriptor kPortVlans[] = {
    {" ", "Port", synInteger, vfIndex},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "PVID", synGauge32, vfRead | vfWrite},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "Acceptable Frame Types", synInteger, vfRead | vfWrite, &olAcceptableFrameTypes},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Ingress Filtering", synInteger, vfRead | vfWrite, &olTrueFalse},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "GRVP Status", synInteger, vfRead | vfWrite, &olEnabledDisabled},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "GRVP Failed Registrations", synCounter32, vfRead},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "GRVP Last PDU Origin", synMacAddress, vfRead},
    {"1.3.6.1.2.1.17.7.1.4.5.1.7", "Restricted VLAN Registration", synInteger, vfRead | vfWrite, &olTrueFalse},
    {nullptr},
};
// clang-format on

constexpr int kPvid = 1;
constexpr int kFrameTypes = 2;
constexpr int kIngress = 3;
constexpr int kGvrp = 4;
constexpr int kRestricted = 7;

const QString kBusy = QStringLiteral("Refresh Not Complete");

}  // namespace

TVLanPortInfomationForm::TVLanPortInfomationForm(const DedicatedWindowContext& context)
    : TDedicatedForm(context) {
    auto* buttons = new TButtonColumn(this, "ST_Count");
    ST_Count = buttons->CountBox;
    BT_Refresh = buttons->AddButton(QStringLiteral("Refresh"), "BT_Refresh");
    BT_Set = buttons->AddButton(QStringLiteral("Set"), "BT_Set");
    BT_Close = buttons->AddButton(QStringLiteral("Close"), "BT_Close");
    QBoxLayout* content = FrameWindow(this, buttons, StatusBar);

    LV_dot1qPortVlanEntry = new QTreeWidget(this);
    LV_dot1qPortVlanEntry->setObjectName(QStringLiteral("LV_dot1qPortVlanEntry"));
    content->addWidget(LV_dot1qPortVlanEntry, 1);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(Scaled(8));
    fields->setColumnMinimumWidth(2, Scaled(16));
    PortVLanID = new QLineEdit(this);
    PortVLanID->setObjectName(QStringLiteral("PortVLanID"));
    AcceptableFrameTypes = new QComboBox(this);
    AcceptableFrameTypes->setObjectName(QStringLiteral("AcceptableFrameTypes"));
    IngressFiltering = new QComboBox(this);
    IngressFiltering->setObjectName(QStringLiteral("IngressFiltering"));
    GvrpStatus = new QComboBox(this);
    GvrpStatus->setObjectName(QStringLiteral("GvrpStatus"));
    RestrictedVLANRegistration = new QComboBox(this);
    RestrictedVLANRegistration->setObjectName(QStringLiteral("RestrictedVLANRegistration"));
    for (QWidget* field :
         {static_cast<QWidget*>(PortVLanID), static_cast<QWidget*>(AcceptableFrameTypes),
          static_cast<QWidget*>(IngressFiltering), static_cast<QWidget*>(GvrpStatus),
          static_cast<QWidget*>(RestrictedVLANRegistration)})
        field->setFixedWidth(Scaled(160));
    AddField(fields, 0, 0, QStringLiteral("Port VLAN ID"), PortVLanID);
    AddField(fields, 1, 0, QStringLiteral("Acceptable Frame Types"), AcceptableFrameTypes);
    AddField(fields, 2, 0, QStringLiteral("Ingress Filtering"), IngressFiltering);
    AddField(fields, 0, 3, QStringLiteral("GVRP Status"), GvrpStatus);
    AddField(fields, 1, 3, QStringLiteral("Restricted VLAN Registration"),
             RestrictedVLANRegistration);
    fields->setColumnStretch(5, 1);
    content->addLayout(fields);
    resize(Scaled(760), Scaled(480));

    Binding = AddBinding(std::make_unique<NmSNMPRequest2Edits>(this));
    Binding->Request.VarList = NmSNMPVarList(kPortVlans, vlTable, 1);
    Binding->SetStatusTarget(StatusBar);
    Binding->AttachListView(LV_dot1qPortVlanEntry, true);
    new ListViewTools(LV_dot1qPortVlanEntry);
    Binding->BindEdits(kPvid, "%i{}", {PortVLanID});
    Binding->BindComboBox(kFrameTypes, AcceptableFrameTypes);
    Binding->BindComboBox(kIngress, IngressFiltering);
    Binding->BindComboBox(kGvrp, GvrpStatus);
    Binding->BindComboBox(kRestricted, RestrictedVLANRegistration);
    Binding->AfterGet = [this] { afterGet(); };
    PortVLanID->setEnabled(false);

    FollowRowCount(LV_dot1qPortVlanEntry, ST_Count);
    // The PVID is shown, never typed: the binding enables its controls for a selected row.
    connect(LV_dot1qPortVlanEntry, &QTreeWidget::itemSelectionChanged, this,
            [this] { PortVLanID->setEnabled(false); });
    connect(BT_Refresh, &QPushButton::clicked, this, [this] { BT_RefreshClick(); });
    connect(BT_Set, &QPushButton::clicked, this, [this] { BT_SetClick(); });
    connect(BT_Close, &QPushButton::clicked, this, [this] { close(); });

    read();
    PortVLanID->clear();
}

void TVLanPortInfomationForm::read() {
    Binding->Request.Active = true;
    Guarded([this] { Binding->Get(); }, Binding->StatusLine());
    ShowRowCount(LV_dot1qPortVlanEntry, ST_Count);
}

void TVLanPortInfomationForm::BT_RefreshClick() {
    if (Binding->Busy) {
        ShowMessage(MessageKind::Information, kBusy, this);
        return;
    }
    reselect_.clear();
    read();
}

void TVLanPortInfomationForm::BT_SetClick() {
    if (Binding->Busy) {
        ShowMessage(MessageKind::Information, kBusy, this);
        return;
    }
    const QList<QTreeWidgetItem*> selected = LV_dot1qPortVlanEntry->selectedItems();
    if (selected.isEmpty())
        return;  // no port: nothing to write
    reselect_ = selected.front()->text(0);
    Binding->Request.Active = true;
    Guarded(
        [this] {
            // The PVID is shown but never written from this window.
            Binding->Request.VarList.Item(kPvid).Flags = vfRead;
            Binding->Set(true, true);
        },
        Binding->StatusLine());
}

// After every read: the port that was written is selected again; any other leaves no PVID.
void TVLanPortInfomationForm::afterGet() {
    if (reselect_.isEmpty())
        return;
    const QString port = reselect_;
    reselect_.clear();
    QTreeWidgetItem* found = nullptr;
    for (int r = 0; r < LV_dot1qPortVlanEntry->topLevelItemCount() && !found; ++r)
        if (LV_dot1qPortVlanEntry->topLevelItem(r)->text(0) == port)
            found = LV_dot1qPortVlanEntry->topLevelItem(r);
    PortVLanID->clear();
    if (found) {
        LV_dot1qPortVlanEntry->setCurrentItem(found);
        LV_dot1qPortVlanEntry->scrollToItem(found);
    }
}

void TVLanPortInfomationForm::done(int result) {
    LV_dot1qPortVlanEntry->clearSelection();
    TDedicatedForm::done(result);
}
