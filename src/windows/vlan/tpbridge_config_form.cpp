// The 802.1p basic information window.
#include "tpbridge_config_form.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "capability_names.h"
#include "config_geometry.h"
#include "vlan_form_parts.h"

namespace {

// dot1dDeviceCapabilities is a BITS value: it arrives as octets, shown as hexadecimal text
// until the window turns it into names.
const SNMPVarDescriptor kDeviceCapabilities[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", synBits, vfRead},
    {nullptr},
};

}  // namespace

TPBridgeConfigForm::TPBridgeConfigForm(const DedicatedWindowContext& context)
    : TDedicatedForm(context) {
    auto* buttons = new TButtonColumn(this, nullptr);
    BT_Get = buttons->AddButton(QStringLiteral("Refresh"), "BT_Get");
    BT_Close = buttons->AddButton(QStringLiteral("Close"), "BT_Close");
    QBoxLayout* content = FrameWindow(this, buttons, StatusBar);
    content->setContentsMargins(Scaled(12), Scaled(14), Scaled(12), Scaled(8));

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(Scaled(8));
    Edit_DeviceCapabilities = new QLineEdit(this);
    Edit_DeviceCapabilities->setObjectName(QStringLiteral("Edit_DeviceCapabilities"));
    Edit_DeviceCapabilities->setReadOnly(true);
    Edit_DeviceCapabilities->setMinimumWidth(Scaled(620));
    AddField(fields, 0, 0, QStringLiteral("Device Capabilities"), Edit_DeviceCapabilities);
    content->addLayout(fields);
    content->addStretch(1);
    resize(Scaled(800), Scaled(120));

    Binding = AddBinding(std::make_unique<NmSNMPRequest2Edits>(this));
    Binding->Request.VarList = NmSNMPVarList(kDeviceCapabilities, vlScalar, 0);
    Binding->SetStatusTarget(StatusBar);
    // The field is empty while a read is under way and stays so when it fails.
    Binding->BeforeGet = [this] { showCapabilities({}); };
    Binding->AfterGet = [this] {
        showCapabilities(
            QString::fromStdString(DeviceCapabilityNames(Binding->Request.VarList.Item(0).Value)));
    };

    connect(BT_Get, &QPushButton::clicked, this, [this] { BT_GetClick(); });
    connect(BT_Close, &QPushButton::clicked, this, [this] { close(); });

    BT_GetClick();
}

void TPBridgeConfigForm::showCapabilities(const QString& names) {
    Edit_DeviceCapabilities->setText(names);
    Edit_DeviceCapabilities->setToolTip(names);
    Edit_DeviceCapabilities->setCursorPosition(0);
}

void TPBridgeConfigForm::BT_GetClick() {
    if (Binding->Busy)
        return;  // the read under way fills the field
    Binding->Request.Active = true;
    Guarded([this] { Binding->Get(); }, Binding->StatusLine());
}
