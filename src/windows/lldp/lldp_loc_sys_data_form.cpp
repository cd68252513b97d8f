// The local system data window: scalars into static texts, capabilities decoded after each read.
#include "lldp_loc_sys_data_form.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "config_geometry.h"
#include "error_boundary.h"
#include "lldp_bit_maps.h"
#include "lldp_frame.h"
#include "lldp_window_tables.h"
#include "message_box.h"
#include "nm_snmp_request2_edits.h"

namespace {

constexpr int kValueWidth = 330;

}  // namespace

TLLDPLocSysDataForm::TLLDPLocSysDataForm(const DedicatedWindowContext& context)
    : TDedicatedForm(context) {
    Binding = AddBinding(std::make_unique<NmSNMPRequest2Edits>(this));
    Binding->Request.VarList = NmSNMPVarList(dtLldpLocalSystemData, vlScalar, 0);

    auto* content = new QFrame(this);
    content->setObjectName(QStringLiteral("Content"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(Scaled(10));
    grid->setVerticalSpacing(Scaled(8));
    const char* captions[] = {"Local Chassis ID Subtype",
                              "Local Chassis ID",
                              "Local System Name",
                              "Local System Description",
                              "Local System Capabilities Supported",
                              "Local System Capabilities Enabled"};
    int line = 0;
    for (; line < 4; ++line) {
        QLabel* text = MakeStaticText(content, captions[line]);
        text->setMinimumWidth(Scaled(kValueWidth));
        Binding->BindLabel(line, text);
        Texts.push_back(text);
        grid->addWidget(new QLabel(QString::fromLatin1(captions[line]), content), line, 0);
        grid->addWidget(text, line, 1);
    }
    const auto capabilities = [&](QLabel*& hidden, QLineEdit*& edit) {
        hidden = new QLabel(content);
        hidden->setObjectName(QString::fromLatin1(captions[line]) + QStringLiteral(" Octets"));
        hidden->hide();
        Binding->BindLabel(line, hidden);
        edit = new QLineEdit(content);
        edit->setObjectName(QString::fromLatin1(captions[line]));
        edit->setEnabled(false);
        grid->addWidget(new QLabel(QString::fromLatin1(captions[line]), content), line, 0);
        grid->addWidget(edit, line, 1);
        ++line;
    };
    capabilities(CapabilitiesSupported, SupportedEdit);
    capabilities(CapabilitiesEnabled, EnabledEdit);
    grid->setColumnStretch(1, 1);
    auto* outer = new QVBoxLayout(content);
    outer->setContentsMargins(Scaled(12), Scaled(12), Scaled(12), Scaled(12));
    outer->addLayout(grid);
    outer->addStretch(1);

    auto* column = new TButtonColumn(this);
    BT_Refresh = column->AddButton(QStringLiteral("Refresh"), "BT_Refresh");
    BT_Close = column->AddButton(QStringLiteral("Close"), "BT_Close");
    StatusBar = MakeStatusBar(this);
    Binding->SetStatusTarget(StatusBar);
    LayOutLldpWindow(this, content, column, StatusBar);

    Binding->OnEndGet = [this](NmSNMPError& e) {
        if (e.Code != 0)
            Binding->ShowStatus(e.Text);
        readEnded();
    };
    connect(BT_Refresh, &QPushButton::clicked, this, [this] { RefreshClick(); });
    connect(BT_Close, &QPushButton::clicked, this, [this] { close(); });
    resize(Scaled(720), Scaled(230));
}

void TLLDPLocSysDataForm::showEvent(QShowEvent* event) {
    TDedicatedForm::showEvent(event);
    if (firstReadQueued_)
        return;
    firstReadQueued_ = true;
    QMetaObject::invokeMethod(
        this, [this] { startRead(); }, Qt::QueuedConnection);
}

void TLLDPLocSysDataForm::RefreshClick() {
    if (!Complete) {
        ShowMessage(MessageKind::Warning, QStringLiteral("Get data not complete"), this);
        return;
    }
    startRead();
}

void TLLDPLocSysDataForm::startRead() {
    Complete = false;
    Guarded(
        [this] {
            Binding->Request.Active = true;
            if (!Binding->Get())
                Complete = true;
        },
        [this](const std::string& text) {
            Binding->ShowStatus(text);
            Complete = true;
        });
}

void TLLDPLocSysDataForm::readEnded() {
    Complete = true;
    const LldpBitMap names = SystemCapabilityNames();
    SupportedEdit->setText(
        QString::fromStdString(DecodeBitNames(names, CapabilitiesSupported->text().toStdString())));
    EnabledEdit->setText(
        QString::fromStdString(DecodeBitNames(names, CapabilitiesEnabled->text().toStdString())));
}
