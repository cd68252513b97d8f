// "Protocol VLAN Group Table": the protocol templates (frame type and protocol value) and the
// group each belongs to; templates are added and deleted here.
#pragma once

#include "dedicated_form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class TProtocolVLANGroupForm : public TDedicatedForm {
    Q_OBJECT

  public:
    explicit TProtocolVLANGroupForm(const DedicatedWindowContext& context);

    QTreeWidget* ListView1;
    QComboBox* TypeComboBox;
    QLineEdit* ValueEdit;
    QLineEdit* IDEdit;
    QComboBox* RowComboBox;  // hidden: the row status written
    QLabel* Static;
    QPushButton* BT_Refresh;
    QPushButton* BT_Add;
    QPushButton* BT_Delete;
    QPushButton* BT_Close;
    QStatusBar* StatusBar;
    NmSNMPRequest2Edits* Binding;

    void BT_RefreshClick();
    void BT_AddClick();
    void BT_DeleteClick();
    void done(int result) override;

  private:
    void resetFields();
    void entryMode();
    void listClick();
    // False (and the message) when a field the new row needs is empty.
    bool checkField(QWidget* field, bool empty, const char* message);
};
