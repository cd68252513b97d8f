// The spanning-tree algorithm window.
#include "tspanning_tree_algorithm_form.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "binding_scopes.h"
#include "config_geometry.h"
#include "message_box.h"
#include "stp_descriptors.h"
#include "stp_widgets.h"
#include "tprogress_form2.h"

// The state binding; its set report is run once the enabling write has ended.
class StpStateBinding : public NmSNMPRequest2Edits {
  public:
    using NmSNMPRequest2Edits::NmSNMPRequest2Edits;
    void ReportSet(NmSNMPError& error) { DoSetReport(error); }
};

namespace {

// Gives the request another time-out for the scope: the one of the write started inside it.
class TimeoutScope {
  public:
    TimeoutScope(NmSNMPRequest& request, int timeout) : request_(request), saved_(request.Timeout) {
        request.Timeout = timeout;
    }
    ~TimeoutScope() { request_.Timeout = saved_; }
    TimeoutScope(const TimeoutScope&) = delete;
    TimeoutScope& operator=(const TimeoutScope&) = delete;

  private:
    NmSNMPRequest& request_;
    int saved_;
};

}  // namespace

TSpanningTreeAlgorithmForm::TSpanningTreeAlgorithmForm(const DedicatedWindowContext& context)
    : TDedicatedForm(context) {
    setObjectName(QStringLiteral("TSpanningTreeAlgorithmForm"));
    if (context.Caption.isEmpty())
        setWindowTitle(QStringLiteral("Spanning Tree Algorithm"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setFixedWidth(FieldWidth());
    auto* row = new QHBoxLayout;
    row->setSpacing(Scaled(10));
    row->addWidget(new QLabel(QStringLiteral("State"), this));
    row->addWidget(ComboBox1);
    row->addStretch(1);
    auto* content = new QVBoxLayout;
    content->addLayout(row);
    content->addStretch(1);
    BT_Refresh = MakeColumnButton(this, QStringLiteral("Refresh"), "BT_Refresh");
    BT_Set = MakeColumnButton(this, QStringLiteral("Set"), "BT_Set");
    BT_Close = MakeColumnButton(this, QStringLiteral("Close"), "BT_Close");
    StatusBar = MakeStatusBar(this);
    LayOutWindow(this, content, MakeButtonColumn(this, {BT_Refresh, BT_Set, BT_Close}), StatusBar);
    setFixedSize(sizeHint().expandedTo(QSize(Scaled(320), 0)));

    connect(BT_Refresh, &QPushButton::clicked, this, [this] { RefreshClick(); });
    connect(BT_Set, &QPushButton::clicked, this, [this] { SetClick(); });
    connect(BT_Close, &QPushButton::clicked, this, &QDialog::close);

    binding_ = AddBinding(std::make_unique<StpStateBinding>(this));
    Binding = binding_;
    Binding->Request.VarList = NmSNMPVarList(dtStpState, vlScalar, 0);
    Binding->SetStatusTarget(StatusBar);
    Binding->OnEndSet = [this](NmSNMPError& error) { writeEnded(error); };
    Guarded([this] { Binding->BindComboBox(0, ComboBox1); }, Binding->StatusLine());
    readState();
}

void TSpanningTreeAlgorithmForm::readState() {
    // A read or the enabling write is under way; the write reads the state when it ends.
    if (Binding->Busy)
        return;
    Binding->Request.Active = true;
    Guarded([this] { Binding->Get(); }, Binding->StatusLine());
}

void TSpanningTreeAlgorithmForm::RefreshClick() {
    readState();
}

void TSpanningTreeAlgorithmForm::SetClick() {
    if (Binding->Busy)
        return;
    const QString state = ComboBox1->currentText();
    if (state == QLatin1String("disabled")) {
        Guarded(
            [this] {
                const AsyncModeScope synchronous(*Binding, false);
                Binding->Request.Active = true;
                Binding->Set(false, true);
            },
            Binding->StatusLine());
        readState();
    } else if (state == QLatin1String("enabled")) {
        if (!Confirm(QStringLiteral("To enabled STP may take a long time. Do you want to go on?"),
                     this)) {
            readState();
            return;
        }
        enableWithProgress();
    }
}

void TSpanningTreeAlgorithmForm::enableWithProgress() {
    TProgressForm2 progress(this, QStringLiteral("Enable STP Progress"),
                            QStringLiteral("Enable STP is processing..."));
    bool started = false;
    Guarded(
        [&] {
            const TimeoutScope slow(Binding->Request, kEnableTimeout);
            Binding->Request.Active = true;
            started = Binding->Set(false, true);
        },
        Binding->StatusLine());
    progress.exec();
    if (started && Binding->Busy)
        readAfterWrite_ = true;  // the switch has not answered yet
    else
        readState();
}

void TSpanningTreeAlgorithmForm::writeEnded(NmSNMPError& error) {
    binding_->ReportSet(error);
    if (readAfterWrite_) {
        readAfterWrite_ = false;
        readState();
    }
}

void TSpanningTreeAlgorithmForm::done(int result) {
    // A write that ends while the window closes reads nothing more.
    readAfterWrite_ = false;
    TDedicatedForm::done(result);
}
