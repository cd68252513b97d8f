// The spanning-tree information window.
#include "tstp_info.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cstdlib>

#include "binding_scopes.h"
#include "config_geometry.h"
#include "stp_descriptors.h"
#include "stp_widgets.h"
#include "tprogress_form2.h"

namespace {

// 8 s for the slow reads and writes of the timers, the version and the hello time.
constexpr int kSlowTimeout = 800;

long long number(const QLineEdit* edit) {
    return std::atoll(edit->text().toStdString().c_str());
}

}  // namespace

TSTP_Info::TSTP_Info(const DedicatedWindowContext& context) : TDedicatedForm(context) {
    setObjectName(QStringLiteral("TSTP_Info"));
    if (context.Caption.isEmpty())
        setWindowTitle(QStringLiteral("Spanning Tree Information"));

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(Scaled(10));
    fields->setVerticalSpacing(Scaled(6));
    int row = 0;
    const auto addField = [&](const char* caption, QWidget* field) {
        auto* label = new QLabel(QString::fromLatin1(caption), this);
        fields->addWidget(label, row, 0);
        field->setFixedWidth(FieldWidth());
        fields->addWidget(field, row, 1);
        ++row;
    };
    const auto makeEdit = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        return edit;
    };
    Combo_STPVersion = new QComboBox(this);
    Combo_STPVersion->setObjectName(QStringLiteral("Combo_STPVersion"));
    ET_AgingTime = makeEdit("ET_AgingTime");
    ET_HelloTime = makeEdit("ET_HelloTime");
    ET_ForwardDelay = makeEdit("ET_ForwardDelay");
    ET_Priority = makeEdit("ET_Priority");
    ED_TxHoldCount = makeEdit("ED_TxHoldCount");
    addField("STP Version", Combo_STPVersion);
    addField("Max. Age (600-4000) 10ms", ET_AgingTime);
    addField("Hello Time (100-200)  10ms", ET_HelloTime);
    addField("Forward Delay (400-3000) 10ms", ET_ForwardDelay);
    addField("Max. Hops (6-40)", ET_Priority);
    addField("TX Hold Count (1-10)", ED_TxHoldCount);
    auto* notes = new QVBoxLayout;
    notes->setSpacing(Scaled(2));
    notes->addWidget(
        new QLabel(QStringLiteral("Notes : 2*(Forward Delay - 100) >= Max Age"), this));
    notes->addWidget(new QLabel(QStringLiteral("Max Age>= 2*(Hello Time + 100)"), this));
    auto* content = new QVBoxLayout;
    content->addLayout(fields);
    content->addSpacing(Scaled(6));
    content->addLayout(notes);
    content->addStretch(1);

    BT_Get = MakeColumnButton(this, QStringLiteral("Refresh"), "BT_Get");
    BT_Set = MakeColumnButton(this, QStringLiteral("Set"), "BT_Set");
    BT_Close = MakeColumnButton(this, QStringLiteral("Close"), "BT_Close");
    StatusBar = MakeStatusBar(this);
    LayOutWindow(this, content, MakeButtonColumn(this, {BT_Get, BT_Set, BT_Close}), StatusBar);
    lbMSTPState = MakeHiddenText(this, "lbMSTPState");
    HelloText = MakeHiddenText(this, "HelloText");
    VersionInfo = MakeHiddenText(this, "VersionInfo");
    setFixedSize(sizeHint().expandedTo(QSize(Scaled(400), 0)));

    connect(BT_Get, &QPushButton::clicked, this, [this] { BT_GetClick(); });
    connect(BT_Set, &QPushButton::clicked, this, [this] { BT_SetClick(); });
    connect(BT_Close, &QPushButton::clicked, this, &QDialog::close);

    // Created and read one after the other, as the window shows them.
    TimersBinding = makeBinding(dtStpBridgeTimers, kSlowTimeout);
    VersionBinding = makeBinding(dtStpVersion, kSlowTimeout);
    HelloBinding = makeBinding(dtStpHelloTime, kSlowTimeout);
    StateBinding = makeBinding(dtStpState, 0);
    HelloTextBinding = makeBinding(dtStpHelloTime, 0);
    VersionInfoBinding = makeBinding(dtStpVersion, 0);
    const ErrorReport status = TimersBinding->StatusLine();
    Guarded(
        [this] {
            TimersBinding->BindEdits(kTimerMaxAge, "%i{n600x4000l4a}", {ET_AgingTime});
            TimersBinding->BindEdits(kTimerForwardDelay, "%i{n400x3000l4a}", {ET_ForwardDelay});
            TimersBinding->BindEdits(kTimerMaxHops, "%i{n6x40l2a}", {ET_Priority});
            TimersBinding->BindEdits(kTimerTxHoldCount, "%i{n1x10l2a}", {ED_TxHoldCount});
            TimersBinding->Get();
            VersionBinding->BindComboBox(0, Combo_STPVersion);
            VersionBinding->Get();
            HelloBinding->BindEdits(0, "%i{n100x200l3a}", {ET_HelloTime});
            HelloBinding->Get();
            StateBinding->BindLabel(0, lbMSTPState);
            StateBinding->Get();
            HelloTextBinding->BindLabel(0, HelloText);
            HelloTextBinding->Get();
            VersionInfoBinding->BindLabel(0, VersionInfo);
            VersionInfoBinding->Get();
        },
        status);
}

NmSNMPRequest2Edits* TSTP_Info::makeBinding(const SNMPVarDescriptor* table, int timeout) {
    auto binding = std::make_unique<NmSNMPRequest2Edits>(this);
    binding->Async = false;
    binding->Request.VarList = NmSNMPVarList(table, vlScalar, 0);
    if (timeout > 0)
        binding->Request.Timeout = timeout;
    binding->SetStatusTarget(StatusBar);
    return AddBinding(std::move(binding));
}

void TSTP_Info::showText(const QString& text) {
    StatusBar->showMessage(text);
}

void TSTP_Info::BT_GetClick() {
    Guarded(
        [this] {
            StateBinding->Get();
            TimersBinding->Get();
            HelloBinding->Get();
            VersionBinding->Get();
        },
        TimersBinding->StatusLine());
}

void TSTP_Info::BT_SetClick() {
    Guarded([this] { setSettings(); }, TimersBinding->StatusLine());
}

void TSTP_Info::setSettings() {
    if (ET_Priority->text().isEmpty() || ET_AgingTime->text().isEmpty() ||
        ET_ForwardDelay->text().isEmpty()) {
        showText(QStringLiteral("Don't Leave Empty Fileds."));
        return;
    }
    const long long maxAge = number(ET_AgingTime);
    if (2 * number(ET_ForwardDelay) - 200 < maxAge) {
        showText(QStringLiteral("Data Error."));
        return;
    }
    if (number(ET_Priority) >= 65536) {
        showText(QStringLiteral("Priority value is wrong."));
        return;
    }
    const QString chosen = Combo_STPVersion->currentText();
    if (chosen == QLatin1String("mstp")) {
        if (VersionInfo->text() != chosen && !VersionBinding->Set(false, true))
            return;
        if (!TimersBinding->Set(false, true))
            return;
    } else {
        if (ET_HelloTime->text().isEmpty()) {
            showText(QStringLiteral("Don't Leave Empty Fileds."));
            return;
        }
        if (maxAge < 2 * number(ET_HelloTime) + 200) {
            showText(QStringLiteral("Data Error."));
            return;
        }
        if (VersionInfo->text() != chosen && !VersionBinding->Set(false, true))
            return;
        if (!HelloBinding->Set(false, true))
            return;
        // Max. Hops belongs to MSTP alone.
        ExcludedScope withoutHops(TimersBinding->Request.VarList);
        withoutHops.Exclude(kTimerMaxHops);
        if (!TimersBinding->Set(false, true))
            return;
    }
    const SharedBindings& shared = Shared();
    if (shared.StpVersionBinding)
        shared.StpVersionBinding->Get();
    VersionInfo->setText(chosen);
    if (shared.ST_STPVersion && shared.ST_STPVersion->text() != chosen &&
        lbMSTPState->text() == QLatin1String("enabled")) {
        TProgressForm2 progress(this, QStringLiteral("Set STP Progress"),
                                QStringLiteral("Change STP Version is processing..."));
        progress.exec();
    }
    BT_GetClick();
}
