// The TLV selection dialogs of the three LLDP port configuration windows: one check box per TLV
// name; "Set Checked" writes the checked names into the window's TLV edit, "Close" leaves it.
#pragma once

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

#include "lldp_bit_maps.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class TLLDPTlvDialog : public QDialog {
    Q_OBJECT

  public:
    // hidden: names whose boxes are not shown; they follow the edit's text all the same.
    TLLDPTlvDialog(QWidget* owner, LldpBitMap names, const QString& captionPrefix,
                   const std::vector<std::string>& hidden = {});

    // Shows the dialog modally for the edit: the boxes whose names occur in its text start
    // checked. True when "Set Checked" wrote the edit.
    bool ShowFor(QLineEdit* edit);
    // The text the checked boxes make, in the order of the names.
    std::string CheckedText() const;
    QCheckBox* Box(const std::string& name) const;

    std::vector<QCheckBox*> Boxes;  // in the order of the names
    QPushButton* BT_SetChecked;
    QPushButton* BT_Close;

  private:
    void uncheckAll();

    LldpBitMap names_;
    QString captionPrefix_;
};

class TLLDPPortConfigurationForm : public TLLDPTlvDialog {
  public:
    explicit TLLDPPortConfigurationForm(QWidget* owner);
};

class TLLDPDot3PortConfigurationForm : public TLLDPTlvDialog {
  public:
    explicit TLLDPDot3PortConfigurationForm(QWidget* owner);
};

// "location" and "extendedPD" are not offered, but a choice the switch already has survives.
class TLLDPRemotePortConfigurationForm : public TLLDPTlvDialog {
  public:
    explicit TLLDPRemotePortConfigurationForm(QWidget* owner);
};
