// The TLV selection dialogs.
#include "lldp_tlv_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "config_geometry.h"
#include "snmp_types.h"

namespace {

constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 25;
constexpr int kBoxWidth = 200;

}  // namespace

TLLDPTlvDialog::TLLDPTlvDialog(QWidget* owner, LldpBitMap names, const QString& captionPrefix,
                               const std::vector<std::string>& hidden)
    : QDialog(owner), names_(names), captionPrefix_(captionPrefix) {
    setObjectName(QStringLiteral("TlvDialog"));
    auto* group = new QGroupBox(this);
    auto* boxes = new QVBoxLayout(group);
    boxes->setContentsMargins(Scaled(12), Scaled(8), Scaled(12), Scaled(8));
    boxes->setSpacing(Scaled(6));
    for (const LldpBitName& n : names_) {
        auto* box = new QCheckBox(QString::fromLatin1(n.Name), group);
        box->setObjectName(QString::fromLatin1(n.Name));
        box->setMinimumWidth(Scaled(kBoxWidth));
        const bool shown = std::find(hidden.begin(), hidden.end(), n.Name) == hidden.end();
        box->setVisible(shown);
        if (shown)
            boxes->addWidget(box);
        Boxes.push_back(box);
    }
    BT_SetChecked = new QPushButton(QStringLiteral("Set Checked"), this);
    BT_SetChecked->setObjectName(QStringLiteral("BT_SetChecked"));
    BT_Close = new QPushButton(QStringLiteral("Close"), this);
    BT_Close->setObjectName(QStringLiteral("BT_Close"));
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(Scaled(5));
    for (QPushButton* b : {BT_SetChecked, BT_Close}) {
        b->setAutoDefault(false);
        b->setFixedSize(Scaled(kButtonWidth),
                        std::max(Scaled(kButtonHeight), b->sizeHint().height()));
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(Scaled(10), Scaled(10), Scaled(10), Scaled(10));
    layout->setSpacing(Scaled(10));
    layout->addWidget(group, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(BT_SetChecked, &QPushButton::clicked, this, [this] { accept(); });
    connect(BT_Close, &QPushButton::clicked, this, [this] { reject(); });
}

QCheckBox* TLLDPTlvDialog::Box(const std::string& name) const {
    for (QCheckBox* b : Boxes)
        if (b->objectName().toStdString() == name)
            return b;
    return nullptr;
}

std::string TLLDPTlvDialog::CheckedText() const {
    std::vector<std::string> chosen;
    for (QCheckBox* b : Boxes)
        if (b->isChecked())
            chosen.push_back(b->objectName().toStdString());
    return ComposeBitNames(names_, chosen);
}

void TLLDPTlvDialog::uncheckAll() {
    for (QCheckBox* b : Boxes)
        b->setChecked(false);
}

bool TLLDPTlvDialog::ShowFor(QLineEdit* edit) {
    setWindowTitle(captionPrefix_ + QString::fromStdString(DefaultDevice.Address));
    uncheckAll();
    const std::string text = edit->text().toStdString();
    for (QCheckBox* b : Boxes)
        b->setChecked(text.find(b->objectName().toStdString()) != std::string::npos);
    const bool chosen = exec() == QDialog::Accepted;
    if (chosen)
        edit->setText(QString::fromStdString(CheckedText()));
    uncheckAll();
    return chosen;
}

TLLDPPortConfigurationForm::TLLDPPortConfigurationForm(QWidget* owner)
    : TLLDPTlvDialog(owner, BasicTlvNames(), QStringLiteral("Port Configuration Table Setting: ")) {
}

TLLDPDot3PortConfigurationForm::TLLDPDot3PortConfigurationForm(QWidget* owner)
    : TLLDPTlvDialog(owner, Dot3TlvNames(),
                     QStringLiteral("LLDP Dot3 Port Configuration Table Setting: ")) {}

TLLDPRemotePortConfigurationForm::TLLDPRemotePortConfigurationForm(QWidget* owner)
    : TLLDPTlvDialog(owner, MedTlvNames(),
                     QStringLiteral("Remote Port Configuration Table Setting: "),
                     {"location", "extendedPD"}) {}
