// The MSTP instance table: instances with their VLAN-to-instance maps, shown and edited as
// VLAN lists; rows are created with the typed instance and destroyed through the row status.
#pragma once

#include <array>

#include "stp_descriptors.h"
#include "tbasic_form.h"

class MSTPNewRequestEdits;
class QGroupBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class TMSTPVLANUnitForm : public TBasicForm {
    Q_OBJECT

  public:
    explicit TMSTPVLANUnitForm(const DedicatedWindowContext& context);

    QTreeWidget* ListView1;
    QGroupBox* GroupBoxID;
    QGroupBox* GroupBoxRange;
    QGroupBox* GroupBoxOther;
    QLineEdit* VIDEdit;
    QCheckBox* chkVID;  // hidden, checked: the index is always written
    std::array<QCheckBox*, kRangeCount> cbxVlanRange;
    std::array<QLineEdit*, kRangeCount> VLANRangeEdit;
    QCheckBox* CheckBoxPriority;
    QLineEdit* PriorityEdit;
    std::array<QCheckBox*, kStatusColumnCount> CheckBox;  // CheckBox1 ... CheckBox11
    std::array<QLineEdit*, kStatusColumnCount> Edit;      // Edit1 ... Edit11
    QCheckBox* cbxType;
    QComboBox* TypeComboBox;
    QCheckBox* cbxRow;  // hidden, with the row status
    QComboBox* RowComboBox;
    QLabel* StaticText1;
    QLabel* SamplesLabel;
    QPushButton* BT_Refresh;
    QPushButton* BT_Edit;
    QPushButton* BT_Add;
    QPushButton* BT_Delete;
    QPushButton* BT_CheckAll;
    QPushButton* BT_ClearChecks;
    QPushButton* BT_Close;
    QStatusBar* StatusBar;
    MSTPNewRequestEdits* Binding;

    // False while a read or write is under way.
    bool Ready() const { return ready_; }

    void RefreshClick();
    void AddClick();
    void EditClick();
    void DeleteClick();

    void done(int result) override;

  private:
    void buildControls();
    void ListView1Click();
    void readTable();
    void setRowButtons(bool rowSelected);
    void showCount();
    void failed(const std::string& text);
    // Refuses an empty instance field, and an empty Priority when it is checked.
    void checkRequired() const;

    bool ready_ = true;
};
