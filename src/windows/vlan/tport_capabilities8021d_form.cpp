// The 802.1p port capability window.
#include "tport_capabilities8021d_form.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include "config_geometry.h"
#include "copy_export.h"
#include "message_box.h"
#include "new_request2_edits4.h"
#include "vlan_form_parts.h"

namespace {

// The port number is not read: it is the instance of the capability column's rows.
const SNMPVarDescriptor kPortCapabilities[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", synInteger, vfIndex},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "Capabilities", synBits, vfRead},
    {nullptr},
};

constexpr int kCapabilities = 1;
// Wide enough for the three names together.
constexpr int kCapabilitiesWidth = 390;

}  // namespace

TPortCapabilities8021dForm::TPortCapabilities8021dForm(const DedicatedWindowContext& context)
    : TDedicatedForm(context) {
    auto* buttons = new TButtonColumn(this, "ST_Count");
    ST_Count = buttons->CountBox;
    RefreshBtn = buttons->AddButton(QStringLiteral("Refresh"), "RefreshBtn");
    BT_Close = buttons->AddButton(QStringLiteral("Close"), "BT_Close");
    QBoxLayout* content = FrameWindow(this, buttons, StatusBar);
    LV_dot1dPortCapabilitiesEntry = new QTreeWidget(this);
    LV_dot1dPortCapabilitiesEntry->setObjectName(QStringLiteral("LV_dot1dPortCapabilitiesEntry"));
    content->addWidget(LV_dot1dPortCapabilitiesEntry, 1);
    resize(Scaled(640), Scaled(380));

    Binding = AddBinding(std::make_unique<NewRequest2Edits4>(this, kCapabilities));
    Binding->Request.VarList = NmSNMPVarList(kPortCapabilities, vlTable, 1);
    Binding->SetStatusTarget(StatusBar);
    Binding->AttachListView(LV_dot1dPortCapabilitiesEntry, true);
    LV_dot1dPortCapabilitiesEntry->header()->resizeSection(kCapabilities,
                                                           Scaled(kCapabilitiesWidth));
    new ListViewTools(LV_dot1dPortCapabilitiesEntry);
    Binding->OnEndGet = [this](NmSNMPError& e) { onEnd(e); };
    Binding->OnEndSet = [this](NmSNMPError& e) { onEnd(e); };

    FollowRowCount(LV_dot1dPortCapabilitiesEntry, ST_Count);
    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(BT_Close, &QPushButton::clicked, this, [this] { close(); });

    startRead();
}

bool TPortCapabilities8021dForm::Ready() const {
    return ready_ || !Binding->Busy;
}

void TPortCapabilities8021dForm::startRead() {
    ready_ = false;
    Guarded([this] { Binding->Get(); },
            [this](const std::string& text) {
                ready_ = true;
                Binding->ShowStatus(text);
            });
    ShowRowCount(LV_dot1dPortCapabilitiesEntry, ST_Count);
}

void TPortCapabilities8021dForm::onEnd(NmSNMPError& error) {
    ready_ = true;
    // The hook takes the place of the failure report: the text still belongs in the status bar.
    if (error.Code != 0)
        Binding->ShowStatus(error.Text);
}

void TPortCapabilities8021dForm::RefreshBtnClick() {
    if (!Ready()) {
        ShowMessage(MessageKind::Information, QStringLiteral("Get data not complete"), this);
        return;
    }
    Binding->Request.Active = true;
    startRead();
}

void TPortCapabilities8021dForm::done(int result) {
    LV_dot1dPortCapabilitiesEntry->clearSelection();
    TDedicatedForm::done(result);
}
