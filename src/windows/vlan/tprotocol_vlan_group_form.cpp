// The protocol VLAN group window.
#include "tprotocol_vlan_group_form.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include "binding_scopes.h"
#include "config_geometry.h"
#include "copy_export.h"
#include "message_box.h"
#include "option_lists.h"
#include "vlan_form_parts.h"

namespace {

// The two index columns are not read: they are the instance of the other columns' rows.
// clang-format off
const SNMPVarDescriptor kProtocolGroups[] = {
    {"1.3.6.1.2.1.17.7.1.5.1.1.1", "Template Frame Type", synInteger, vfIndex, &olTemplateFrameType},
    {"1.3.6.1.2.1.17.7.1.5.1.1.2", "Template Protocol Value", synOctets, vfIndex},
    {"1.3.6.1.2.1.17.7.1.5.1.1.3", "Group ID", synInteger, vfRead | vfWrite},
    {"1.3.6.1.2.1.17.7.1.5.1.1.4", "Group Row Status", synInteger, vfRead | vfWrite, &olRowStatusCreateDestroy},
    {nullptr},
};
// clang-format on

constexpr int kFrameType = 0;
constexpr int kProtocolValue = 1;
constexpr int kGroupId = 2;
constexpr int kRowStatus = 3;
// Items of the row-status combo: "active", "createAndGo", "destroy".
constexpr int kCreateAndGo = 1;
constexpr int kDestroy = 2;

}  // namespace

TProtocolVLANGroupForm::TProtocolVLANGroupForm(const DedicatedWindowContext& context)
    : TDedicatedForm(context) {
    auto* buttons = new TButtonColumn(this, "Static");
    Static = buttons->CountBox;
    BT_Refresh = buttons->AddButton(QStringLiteral("Refresh"), "BT_Refresh");
    BT_Add = buttons->AddButton(QStringLiteral("Add"), "BT_Add");
    BT_Delete = buttons->AddButton(QStringLiteral("Delete"), "BT_Delete");
    BT_Close = buttons->AddButton(QStringLiteral("Close"), "BT_Close");
    QBoxLayout* content = FrameWindow(this, buttons, StatusBar);

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    content->addWidget(ListView1, 1);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(Scaled(8));
    TypeComboBox = new QComboBox(this);
    TypeComboBox->setObjectName(QStringLiteral("TypeComboBox"));
    ValueEdit = new QLineEdit(this);
    ValueEdit->setObjectName(QStringLiteral("ValueEdit"));
    IDEdit = new QLineEdit(this);
    IDEdit->setObjectName(QStringLiteral("IDEdit"));
    RowComboBox = new QComboBox(this);
    RowComboBox->setObjectName(QStringLiteral("RowComboBox"));
    RowComboBox->hide();
    for (QWidget* field : {static_cast<QWidget*>(TypeComboBox), static_cast<QWidget*>(ValueEdit),
                           static_cast<QWidget*>(IDEdit)})
        field->setFixedWidth(Scaled(160));
    AddField(fields, 0, 0, QStringLiteral("Template Frame Type"), TypeComboBox);
    AddField(fields, 1, 0, QStringLiteral("Template Protocol Value"), ValueEdit);
    AddField(fields, 2, 0, QStringLiteral("Group ID"), IDEdit);
    fields->setColumnStretch(2, 1);
    content->addLayout(fields);
    resize(Scaled(660), Scaled(420));

    Binding = AddBinding(std::make_unique<NmSNMPRequest2Edits>(this));
    Binding->Async = false;
    Binding->Request.VarList = NmSNMPVarList(kProtocolGroups, vlTableRows, 2);
    Binding->SetStatusTarget(StatusBar);
    Binding->AttachListView(ListView1, true);
    new ListViewTools(ListView1);
    Binding->BindComboBox(kFrameType, TypeComboBox);
    Binding->BindEdits(kProtocolValue, "%h", {ValueEdit});
    Binding->BindEdits(kGroupId, "%i{n1x16l2}", {IDEdit});
    Binding->BindComboBox(kRowStatus, RowComboBox);

    FollowRowCount(ListView1, Static);
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] { listClick(); });
    connect(BT_Refresh, &QPushButton::clicked, this, [this] { BT_RefreshClick(); });
    connect(BT_Add, &QPushButton::clicked, this, [this] { BT_AddClick(); });
    connect(BT_Delete, &QPushButton::clicked, this, [this] { BT_DeleteClick(); });
    connect(BT_Close, &QPushButton::clicked, this, [this] { close(); });

    TypeComboBox->setCurrentIndex(-1);
    ValueEdit->clear();
    IDEdit->clear();
    RowComboBox->setCurrentIndex(kCreateAndGo);
    BT_Delete->setEnabled(false);
    BT_Add->setEnabled(true);
    // The table is read synchronously: once the window is up, so that it shows meanwhile.
    QMetaObject::invokeMethod(
        this,
        [this] {
            Guarded([this] { Binding->Get(); }, Binding->StatusLine());
            ShowRowCount(ListView1, Static);
        },
        Qt::QueuedConnection);
}

void TProtocolVLANGroupForm::resetFields() {
    TypeComboBox->setCurrentIndex(-1);
    ValueEdit->clear();
    IDEdit->clear();
    RowComboBox->setCurrentIndex(kCreateAndGo);
    for (QWidget* field : {static_cast<QWidget*>(TypeComboBox), static_cast<QWidget*>(ValueEdit),
                           static_cast<QWidget*>(IDEdit), static_cast<QWidget*>(RowComboBox)})
        field->setEnabled(true);
    if (ListView1->topLevelItemCount() == 0)
        Static->setText(QStringLiteral("0"));
}

// No row selected: a new template can be typed.
void TProtocolVLANGroupForm::entryMode() {
    BT_Delete->setEnabled(false);
    BT_Add->setEnabled(true);
    resetFields();
}

void TProtocolVLANGroupForm::listClick() {
    if (ListView1->selectedItems().isEmpty()) {
        entryMode();
        return;
    }
    // The binding shows the row in the fields; a selected template is deleted, not edited.
    BT_Delete->setEnabled(true);
    BT_Add->setEnabled(false);
    for (QWidget* field : {static_cast<QWidget*>(TypeComboBox), static_cast<QWidget*>(ValueEdit),
                           static_cast<QWidget*>(IDEdit)})
        field->setEnabled(false);
}

bool TProtocolVLANGroupForm::checkField(QWidget* field, bool empty, const char* message) {
    if (!empty)
        return true;
    ShowMessage(MessageKind::Warning, QString::fromLatin1(message), this);
    if (field->isEnabled())
        field->setFocus();
    return false;
}

void TProtocolVLANGroupForm::BT_AddClick() {
    if (!checkField(TypeComboBox, TypeComboBox->currentIndex() < 0,
                    "Template Frame Type must be set.") ||
        !checkField(ValueEdit, ValueEdit->text().isEmpty(),
                    "Template Protocol Value must be set.") ||
        !checkField(IDEdit, IDEdit->text().isEmpty(), "Group ID must be set."))
        return;
    RowComboBox->setCurrentIndex(kCreateAndGo);
    Binding->Request.Active = true;
    Guarded([this] { Binding->Set(false, true); }, Binding->StatusLine());
    entryMode();
    BT_RefreshClick();
}

void TProtocolVLANGroupForm::BT_DeleteClick() {
    if (ListView1->selectedItems().isEmpty())
        return;  // nothing selected: no template to delete
    Binding->Request.Active = true;
    bool written = false;
    {
        // Only the row status goes out; the Group ID column is back once the scope ends.
        ExcludedScope onlyStatus(Binding->Request.VarList);
        onlyStatus.Exclude(kGroupId);
        RowComboBox->setCurrentIndex(kDestroy);
        Guarded([&] { written = Binding->Set(false, true); }, Binding->StatusLine());
    }
    if (written)
        Guarded([this] { Binding->Get(); }, Binding->StatusLine());
    ListView1->clearSelection();
    entryMode();
}

void TProtocolVLANGroupForm::BT_RefreshClick() {
    Binding->Request.Active = true;
    Guarded([this] { Binding->Get(); }, Binding->StatusLine());
    // A read leaves no row selected: nothing to delete until one is chosen again.
    BT_Delete->setEnabled(false);
    BT_Add->setEnabled(true);
    resetFields();
    ShowRowCount(ListView1, Static);
}

void TProtocolVLANGroupForm::done(int result) {
    ListView1->clearSelection();
    TDedicatedForm::done(result);
}
