// The system information window.
#include "tmibii_info.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "config_geometry.h"
#include "interface_tables.h"
#include "window_parts.h"

namespace {

QLabel* valueLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long description must not widen the window; its tool tip holds the whole text.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setMinimumHeight(QLineEdit().sizeHint().height());
    return label;
}

QLineEdit* valueEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

}  // namespace

TMIBII_Info::TMIBII_Info(const DedicatedWindowContext& context) : TDedicatedForm(context) {
    setObjectName(QStringLiteral("TMIBII_Info"));
    ST_SysDescr = valueLabel(this, "ST_SysDescr");
    ST_SysOID = valueLabel(this, "ST_SysOID");
    ST_SysUpTime = valueLabel(this, "ST_SysUpTime");
    Edit_SysName = valueEdit(this, "Edit_SysName");
    Edit_SysLocation = valueEdit(this, "Edit_SysLocation");
    Edit_SysContact = valueEdit(this, "Edit_SysContact");
    ST_SysService = valueLabel(this, "ST_SysService");
    ST_SysORLastChange = valueLabel(this, "ST_SysORLastChange");

    auto* form = new QFormLayout;
    form->setContentsMargins(Scaled(8), Scaled(8), Scaled(8), Scaled(8));
    form->setHorizontalSpacing(Scaled(12));
    form->setVerticalSpacing(Scaled(8));
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(QStringLiteral("System Description"), ST_SysDescr);
    form->addRow(QStringLiteral("System OID"), ST_SysOID);
    form->addRow(QStringLiteral("System Up Time"), ST_SysUpTime);
    form->addRow(QStringLiteral("System Name"), Edit_SysName);
    form->addRow(QStringLiteral("System Location"), Edit_SysLocation);
    form->addRow(QStringLiteral("System Contact"), Edit_SysContact);
    form->addRow(QStringLiteral("System Service"), ST_SysService);
    form->addRow(QStringLiteral("OR Last Change"), ST_SysORLastChange);

    auto* column = new TButtonColumn(this);
    BT_Get = column->AddButton("Refresh", "BT_Get");
    BT_Set = column->AddButton("Set", "BT_Set");
    CloseButton = column->AddButton("Close", "CloseButton");
    StatusBar1 = MakeStatusBar(this, "StatusBar1");
    FrameWindow(this, form, column, StatusBar1);
    resize(Scaled(640), Scaled(290));

    connect(BT_Get, &QPushButton::clicked, this, &TMIBII_Info::BT_GetClick);
    connect(BT_Set, &QPushButton::clicked, this, &TMIBII_Info::BT_SetClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);

    FormCreate();
}

void TMIBII_Info::FormCreate() {
    Guarded(
        [this] {
            Binding = AddBinding(std::make_unique<NmSNMPRequest2Edits>(this));
            Binding->Request.VarList = NmSNMPVarList(dtMibIIInfo, vlScalar, 0);
            Binding->BindLabel(0, ST_SysDescr);
            Binding->BindLabel(1, ST_SysOID);
            Binding->BindLabel(2, ST_SysUpTime);
            Binding->BindEdits(3, "%s{l255}", {Edit_SysContact});
            Binding->BindEdits(4, "%s{l255}", {Edit_SysName});
            Binding->BindEdits(5, "%s{l255}", {Edit_SysLocation});
            Binding->BindLabel(6, ST_SysService);
            Binding->BindLabel(7, ST_SysORLastChange);
            Binding->SetStatusTarget(StatusBar1);
            Binding->AfterGet = [this] { ST_SysDescr->setToolTip(ST_SysDescr->text()); };
            Binding->Get();
        },
        [this](const std::string& text) {
            if (Binding)
                Binding->ShowStatus(text);
            else
                StatusBar1->showMessage(QString::fromStdString(text));
        });
}

void TMIBII_Info::BT_GetClick() {
    // A read still under way would be started twice.
    if (!Binding || Binding->Busy)
        return;
    Binding->Request.Active = true;
    Guarded([this] { Binding->Get(); }, Binding->MessagePath());
}

void TMIBII_Info::BT_SetClick() {
    if (!Binding || Binding->Busy)
        return;
    Binding->Request.Active = true;
    Guarded([this] { Binding->Set(false, true); }, Binding->MessagePath());
}
