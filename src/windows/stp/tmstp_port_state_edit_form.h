// The edit dialog of the MSTP port table: one port's settings, its read-only states shown
// beside them. Its "Set" is the port window's.
#pragma once

#include <QDialog>
#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;

class TMSTPPortStateEditForm : public QDialog {
    Q_OBJECT

  public:
    explicit TMSTPPortStateEditForm(QWidget* owner);

    QLineEdit* edtPortIndex;
    QLineEdit* edtAdminHelloTime;
    QLineEdit* edtOperHelloTime;
    QComboBox* cbxPortEnable;
    QLineEdit* edtExtPathCost;
    QComboBox* cbxMigration;
    QComboBox* cbxAdminEdgePort;
    QComboBox* cbxOperEdgePort;
    QComboBox* cbxAdminP2P;
    QComboBox* cbxOperP2P;
    QComboBox* cbxSTPRole;
    QComboBox* cbxSTPTCN;
    QPushButton* BT_Set;
    QPushButton* BT_Close;

    // Run by "Set".
    std::function<void()> OnSet;

  protected:
    void showEvent(QShowEvent* event) override;
};
