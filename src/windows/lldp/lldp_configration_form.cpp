// The basic information settings window: its check-box rules and its write of the ticked values.
#include "lldp_configration_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "binding_scopes.h"
#include "config_geometry.h"
#include "error_boundary.h"
#include "lldp_frame.h"
#include "lldp_window_tables.h"
#include "message_box.h"
#include "nm_snmp_request2_edits.h"

namespace {

constexpr int kEditWidth = 90;
constexpr int kNoteWidth = 250;
constexpr int kNoteHeight = 15;

struct Row {
    const char* Caption;
    const char* Format;
};
constexpr Row kRows[] = {{"Message TX Interval", "%i{n5x32768l5}"},
                         {"Message TX Hold Multiplier", "%i{n2x10l2}"},
                         {"Reinit Delay", "%i{n1x10l2}"},
                         {"TX Delay", "%i{n1x8192l4}"}};

}  // namespace

TLLDPConfigrationForm::TLLDPConfigrationForm(const DedicatedWindowContext& context)
    : TDedicatedForm(context) {
    Binding = AddBinding(std::make_unique<NmSNMPRequest2Edits>(this));
    Binding->Request.VarList = NmSNMPVarList(dtLldpBasicSettings, vlScalar, 0);

    auto* content = new QFrame(this);
    content->setObjectName(QStringLiteral("Content"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(Scaled(10));
    grid->setVerticalSpacing(Scaled(8));
    for (int i = 0; i < 4; ++i) {
        const Row& row = kRows[i];
        auto* box = new QCheckBox(content);
        box->setObjectName(QString::fromLatin1(row.Caption) + QStringLiteral(" Check"));
        auto* caption = new QLabel(QString::fromLatin1(row.Caption), content);
        auto* edit = new QLineEdit(content);
        edit->setObjectName(QString::fromLatin1(row.Caption));
        edit->setFixedWidth(Scaled(kEditWidth));
        caption->setBuddy(edit);
        Binding->BindEdits(i, row.Format, {edit});
        connect(box, &QCheckBox::clicked, this, [this] { CheckBoxClick(); });
        grid->addWidget(box, i, 0);
        grid->addWidget(caption, i, 1);
        grid->addWidget(edit, i, 2);
        Boxes[static_cast<std::size_t>(i)] = box;
        Edits[static_cast<std::size_t>(i)] = edit;
    }
    grid->setColumnStretch(3, 1);
    Note = new QLabel(QStringLiteral("Notes : Message TX Interval >=  4*TX Delay"), content);
    Note->setObjectName(QStringLiteral("Note"));
    Note->setMinimumSize(Scaled(kNoteWidth), Scaled(kNoteHeight));
    auto* outer = new QVBoxLayout(content);
    outer->setContentsMargins(Scaled(14), Scaled(14), Scaled(14), Scaled(10));
    outer->setSpacing(Scaled(12));
    outer->addLayout(grid);
    outer->addWidget(Note);
    outer->addStretch(1);

    auto* column = new TButtonColumn(this);
    BT_SetChecked = column->AddButton(QStringLiteral("Set Checked"), "BT_SetChecked");
    BT_ClearChecked = column->AddButton(QStringLiteral("Clear Checked"), "BT_ClearChecked");
    BT_Refresh = column->AddButton(QStringLiteral("Refresh"), "BT_Refresh");
    BT_Close = column->AddButton(QStringLiteral("Close"), "BT_Close");
    BT_SetChecked->setEnabled(false);
    StatusBar = MakeStatusBar(this);
    Binding->SetStatusTarget(StatusBar);
    LayOutLldpWindow(this, content, column, StatusBar);

    connect(BT_SetChecked, &QPushButton::clicked, this, [this] { SetCheckedClick(); });
    connect(BT_ClearChecked, &QPushButton::clicked, this, [this] { ClearCheckedClick(); });
    connect(BT_Refresh, &QPushButton::clicked, this, [this] { RefreshClick(); });
    connect(BT_Close, &QPushButton::clicked, this, [this] { close(); });
    resize(Scaled(430), Scaled(200));
}

void TLLDPConfigrationForm::showEvent(QShowEvent* event) {
    TDedicatedForm::showEvent(event);
    if (firstReadQueued_)
        return;
    firstReadQueued_ = true;
    QMetaObject::invokeMethod(
        this, [this] { read(); }, Qt::QueuedConnection);
}

void TLLDPConfigrationForm::enableIntervalAndDelay(bool intervalOn, bool delayOn) {
    Boxes[kTxInterval]->setEnabled(intervalOn);
    Edits[kTxInterval]->setEnabled(intervalOn);
    Boxes[kTxDelay]->setEnabled(delayOn);
    Edits[kTxDelay]->setEnabled(delayOn);
}

void TLLDPConfigrationForm::CheckBoxClick() {
    bool any = false;
    for (QCheckBox* b : Boxes)
        any = any || b->isChecked();
    if (!any) {
        BT_SetChecked->setEnabled(false);
        enableIntervalAndDelay(true, true);
        return;
    }
    // The agent checks the interval against the delay: the two go in separate requests.
    if (Boxes[kTxInterval]->isChecked()) {
        Boxes[kTxDelay]->setChecked(false);
        Boxes[kTxDelay]->setEnabled(false);
        Edits[kTxDelay]->setEnabled(false);
    } else {
        Boxes[kTxDelay]->setEnabled(true);
        Edits[kTxDelay]->setEnabled(true);
    }
    if (Boxes[kTxDelay]->isChecked()) {
        Boxes[kTxInterval]->setChecked(false);
        Boxes[kTxInterval]->setEnabled(false);
        Edits[kTxInterval]->setEnabled(false);
    } else {
        Boxes[kTxInterval]->setEnabled(true);
        Edits[kTxInterval]->setEnabled(true);
    }
    BT_SetChecked->setEnabled(true);
}

void TLLDPConfigrationForm::SetCheckedClick() {
    if (Binding->Busy) {
        ShowMessage(MessageKind::Warning, QStringLiteral("Get data not complete"), this);
        return;
    }
    bool raised = false;
    {
        // Unticked values are left out of the request; every mark goes again however the
        // write ends. The write waits for its answer so that the read below follows it.
        ExcludedScope unticked(Binding->Request.VarList);
        for (int i = 0; i < 4; ++i)
            if (!Boxes[static_cast<std::size_t>(i)]->isChecked())
                unticked.Exclude(i);
        const AsyncModeScope synchronous(*Binding, false);
        Binding->Request.Active = true;
        raised = !Guarded([this] { Binding->Set(true, true, {}, nullptr); }, Binding->StatusLine());
    }
    // A write stopped before sending (an emptied field) changed nothing: reading again would
    // replace its message with "Ok." and the typed values with the old ones.
    if (!raised)
        read();
}

void TLLDPConfigrationForm::ClearCheckedClick() {
    for (QCheckBox* b : Boxes)
        b->setChecked(false);
    CheckBoxClick();
}

void TLLDPConfigrationForm::RefreshClick() {
    if (Binding->Busy) {
        ShowMessage(MessageKind::Warning, QStringLiteral("Get data not complete"), this);
        return;
    }
    read();
}

void TLLDPConfigrationForm::read() {
    Guarded(
        [this] {
            Binding->Request.Active = true;
            Binding->Get();
        },
        Binding->StatusLine());
    for (QCheckBox* b : Boxes)
        b->setChecked(false);
    enableIntervalAndDelay(true, true);
    BT_SetChecked->setEnabled(false);
}
