// The MSTP port edit dialog.
#include "tmstp_port_state_edit_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "config_geometry.h"
#include "stp_widgets.h"

TMSTPPortStateEditForm::TMSTPPortStateEditForm(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("TMSTPPortStateEditForm"));
    setWindowTitle(QStringLiteral("MSTP Port State Edit "));
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(Scaled(10));
    fields->setVerticalSpacing(Scaled(5));
    int row = 0;
    const auto add = [&](const char* caption, QWidget* field, const char* name) {
        field->setObjectName(QString::fromLatin1(name));
        field->setFixedWidth(FieldWidth());
        fields->addWidget(new QLabel(QString::fromLatin1(caption), this), row, 0);
        fields->addWidget(field, row, 1);
        ++row;
    };
    const auto edit = [this] { return new QLineEdit(this); };
    const auto combo = [this] { return new QComboBox(this); };
    add("Port Index", edtPortIndex = edit(), "edtPortIndex");
    add("Admin Hello Time", edtAdminHelloTime = edit(), "edtAdminHelloTime");
    add("Operate Hello Time", edtOperHelloTime = edit(), "edtOperHelloTime");
    add("Port Enable", cbxPortEnable = combo(), "cbxPortEnable");
    add("External Path Cost", edtExtPathCost = edit(), "edtExtPathCost");
    add("Migration", cbxMigration = combo(), "cbxMigration");
    add("Admin Edge", cbxAdminEdgePort = combo(), "cbxAdminEdgePort");
    add("Operate Edge", cbxOperEdgePort = combo(), "cbxOperEdgePort");
    add("Admin P2P", cbxAdminP2P = combo(), "cbxAdminP2P");
    add("Operate P2P", cbxOperP2P = combo(), "cbxOperP2P");
    add("Restricted Role", cbxSTPRole = combo(), "cbxSTPRole");
    add("Restricted TCN", cbxSTPTCN = combo(), "cbxSTPTCN");
    auto* content = new QVBoxLayout;
    content->addLayout(fields);
    content->addStretch(1);
    BT_Set = MakeColumnButton(this, QStringLiteral("Set"), "BT_Set");
    BT_Close = MakeColumnButton(this, QStringLiteral("Close"), "BT_Close");
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(Scaled(10), Scaled(10), Scaled(10), Scaled(10));
    outer->setSpacing(Scaled(10));
    outer->addLayout(content, 1);
    outer->addWidget(MakeButtonColumn(this, {BT_Set, BT_Close}));
    setFixedSize(sizeHint());
    connect(BT_Set, &QPushButton::clicked, this, [this] {
        if (OnSet)
            OnSet();
    });
    connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
}

void TMSTPPortStateEditForm::showEvent(QShowEvent* event) {
    // The port and its operational states are shown, never written.
    for (QWidget* w : std::initializer_list<QWidget*>{edtPortIndex, edtOperHelloTime,
                                                      cbxOperEdgePort, cbxOperP2P}) {
        w->setEnabled(false);
        ShowAsStatusOnly(w);
    }
    if (!event->spontaneous())
        if (QWidget* owner = parentWidget())
            move(owner->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    QDialog::showEvent(event);
}
