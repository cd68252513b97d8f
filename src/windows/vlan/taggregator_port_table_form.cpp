// The 802.3ad aggregation port window.
#include "taggregator_port_table_form.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>

#include "config_geometry.h"
#include "copy_export.h"
#include "message_box.h"
#include "option_lists.h"
#include "vlan_form_parts.h"

namespace {

// clang-format off
const SNMPVarDescriptor kAggregatorPorts[] = {
    {"1.2.840.10006.300.43.1.2.1.1.1", "Port Index", synInteger, vfIndex},
    {"1.2.840.10006.300.43.1.2.1.1.2", "Actor System Priority", synInteger, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.3", "Actor System ID", synMacAddress, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.4", "Actor Administration Key", synInteger, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.5", "Actor Operation Key", synInteger, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.6", "Partner Administration System Priority", synInteger, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.7", "Partner Operation System Priority", synInteger, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.8", "Partner Administration System ID", synMacAddress, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.9", "Partner Operation System ID", synMacAddress, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.10", "Partner Administration Key", synInteger, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.11", "Partner Operation Key", synInteger, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.12", "Selected Aggregation ID", synInteger, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.13", "Attached Aggregation ID", synInteger, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.14", "Actor Port", synInteger, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.15", "Actor Port Priority", synInteger, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.16", "Partner Administration Port", synInteger, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.17", "Partner Operation Port", synInteger, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.18", "Partner Admin Port Priority", synInteger, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.19", "Partner Operation Port Priority", synInteger, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.20", "Actor Administration State", synBits, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.21", "Actor Operation State", synBits, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.22", "Partner Administration State", synBits, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.23", "Partner Operation State", synBits, vfRead},
    {"1.2.840.10006.300.43.1.2.1.1.24", "Aggregate Or Individual", synInteger, vfRead, &olTrueFalse},
    {nullptr},
};
// clang-format on

constexpr int kActorAdminKey = 3;
constexpr int kPartnerAdminId = 7;
constexpr int kPartnerAdminKey = 9;
constexpr int kActorAdminState = 19;
constexpr int kPartnerAdminState = 21;

constexpr const char* kPages[] = {"Actor Admin State", "Partner Admin State", "Actor Oper State",
                                  "Partner Oper State"};
// Pages in tab order and the first check box of each: 1, 17, 9, 25.
constexpr int kFirstBox[] = {0, 16, 8, 24};
constexpr const char* kStateBits[] = {"lacpActivity",    "lacpTimeout", "aggregation",
                                      "synchronisation", "collecting",  "distributing",
                                      "defaulted",       "expired"};

}  // namespace

TAggregatorPortTableForm::TAggregatorPortTableForm(const DedicatedWindowContext& context)
    : TDedicatedForm(context) {
    auto* buttons = new TButtonColumn(this, "StaticText1");
    StaticText1 = buttons->CountBox;
    GetBtn = buttons->AddButton(QStringLiteral("Refresh"), "GetBtn");
    btnStop = buttons->AddButton(QStringLiteral("Stop"), "btnStop");
    btnClose = buttons->AddButton(QStringLiteral("Close"), "btnClose");
    QBoxLayout* content = FrameWindow(this, buttons, StatusBar);

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    content->addWidget(ListView1, 1);

    auto* details = new QHBoxLayout;
    details->setSpacing(Scaled(10));
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    for (int p = 0; p < 4; ++p) {
        auto* page = new QWidget;
        auto* grid = new QGridLayout(page);
        grid->setHorizontalSpacing(Scaled(20));
        grid->setVerticalSpacing(Scaled(4));
        for (int b = 0; b < 8; ++b) {
            const int n = kFirstBox[p] + b;
            auto* box = new QCheckBox(QString::fromLatin1(kStateBits[b]), page);
            box->setObjectName(QStringLiteral("CheckBox%1").arg(n + 1));
            // The window writes nothing: the boxes show the state but take no clicks.
            box->setAttribute(Qt::WA_TransparentForMouseEvents);
            box->setFocusPolicy(Qt::NoFocus);
            CheckBoxes[static_cast<std::size_t>(n)] = box;
            grid->addWidget(box, b % 4, b / 4);
        }
        PageControl1->addTab(page, QString::fromLatin1(kPages[p]));
    }
    // The operational states are in the list; their pages are not offered. A hidden tab alone
    // is still reached by the keyboard and the wheel: a disabled one is passed over.
    for (int p : {2, 3}) {
        PageControl1->setTabVisible(p, false);
        PageControl1->setTabEnabled(p, false);
    }
    details->addWidget(PageControl1, 1);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(Scaled(8));
    edtActorKey = new QLineEdit(this);
    edtActorKey->setObjectName(QStringLiteral("edtActorKey"));
    edtPartnerID = new QLineEdit(this);
    edtPartnerID->setObjectName(QStringLiteral("edtPartnerID"));
    edtPartnerKey = new QLineEdit(this);
    edtPartnerKey->setObjectName(QStringLiteral("edtPartnerKey"));
    int row = 0;
    for (auto [caption, edit] : {std::pair{"Actor Admin Key", edtActorKey},
                                 std::pair{"Partner Admin System ID", edtPartnerID},
                                 std::pair{"Partner Admin Key", edtPartnerKey}}) {
        edit->setReadOnly(true);
        edit->setFixedWidth(Scaled(121));
        AddField(fields, row++, 0, QString::fromLatin1(caption), edit);
    }
    fields->setRowStretch(row, 1);
    details->addLayout(fields);
    content->addLayout(details);
    resize(Scaled(760), Scaled(460));

    auto binding = std::make_unique<NmSNMPRequest2Edits>(this);
    Binding = AddBinding(std::move(binding));
    Binding->Request.VarList = NmSNMPVarList(kAggregatorPorts, vlTable, 1);
    Binding->SetStatusTarget(StatusBar);
    Binding->AttachListView(ListView1, true);
    new ListViewTools(ListView1);
    Binding->BindEdits(kActorAdminKey, "%i{n0x65535l5}", {edtActorKey});
    Binding->BindEdits(kPartnerAdminId, "%s{l12}", {edtPartnerID});
    Binding->BindEdits(kPartnerAdminKey, "%i{n0x65535l5}", {edtPartnerKey});
    Binding->BindCheckBoxList(kActorAdminState, "0,1,2,3,4,5,6,7",
                              {CheckBoxes.begin(), CheckBoxes.begin() + 8});
    Binding->BindCheckBoxList(kPartnerAdminState, "0,1,2,3,4,5,6,7",
                              {CheckBoxes.begin() + 16, CheckBoxes.begin() + 24});
    Binding->OnEndGet = [this](NmSNMPError& e) { onEndGet(e); };

    FollowRowCount(ListView1, StaticText1);
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] { listClick(); });
    connect(GetBtn, &QPushButton::clicked, this, [this] { GetBtnClick(); });
    connect(btnStop, &QPushButton::clicked, this, [this] { btnStopClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { close(); });

    startRead();
}

bool TAggregatorPortTableForm::Ready() const {
    // A read that ended on a path that skipped the hook must not keep the window open for good.
    return ready_ || !Binding->Busy;
}

void TAggregatorPortTableForm::startRead() {
    ready_ = false;
    const bool ok = Guarded([this] { Binding->Get(); },
                            [this](const std::string& text) {
                                ready_ = true;
                                clearDetails();
                                Binding->ShowStatus(text);
                            });
    if (ok)
        clearDetails();
}

void TAggregatorPortTableForm::onEndGet(NmSNMPError& error) {
    ready_ = true;
    // The hook takes the place of the failure report: the text still belongs in the status bar.
    if (error.Code != 0)
        Binding->ShowStatus(error.Text);
    for (QCheckBox* box : CheckBoxes)
        if (!box->isHidden())
            box->setEnabled(true);
    for (QLineEdit* edit : {edtActorKey, edtPartnerID, edtPartnerKey})
        edit->setEnabled(true);
}

void TAggregatorPortTableForm::clearDetails() {
    for (QCheckBox* box : CheckBoxes)
        if (!box->isHidden())
            box->setChecked(false);
    for (QLineEdit* edit : {edtActorKey, edtPartnerID, edtPartnerKey})
        edit->clear();
}

void TAggregatorPortTableForm::listClick() {
    // With a row selected the binding has filled the details.
    if (ListView1->selectedItems().isEmpty())
        clearDetails();
}

void TAggregatorPortTableForm::GetBtnClick() {
    if (!Ready())
        return;
    Binding->Request.Active = true;
    startRead();
}

void TAggregatorPortTableForm::btnStopClick() {
    Binding->Request.Active = false;
}

void TAggregatorPortTableForm::done(int result) {
    if (!Ready()) {
        ShowMessage(MessageKind::Information, QStringLiteral("Get data not complete"), this);
        return;
    }
    ListView1->clearSelection();
    TDedicatedForm::done(result);
}
