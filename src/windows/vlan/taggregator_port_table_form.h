// "802.3ad Aggregator Port Table": the aggregation ports, read only, with the administrative
// actor and partner states of the selected port as check boxes.
#pragma once

#include <array>

#include "dedicated_form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTreeWidget;

class TAggregatorPortTableForm : public TDedicatedForm {
    Q_OBJECT

  public:
    explicit TAggregatorPortTableForm(const DedicatedWindowContext& context);

    QTreeWidget* ListView1;
    QTabWidget* PageControl1;
    // CheckBox1 … CheckBox32: eight per page, in page order (the actor and partner
    // administrative states, then the two operational ones, whose tabs are hidden).
    std::array<QCheckBox*, 32> CheckBoxes{};
    QLineEdit* edtActorKey;
    QLineEdit* edtPartnerID;
    QLineEdit* edtPartnerKey;
    QLabel* StaticText1;
    QPushButton* GetBtn;
    QPushButton* btnStop;
    QPushButton* btnClose;
    QStatusBar* StatusBar;
    NmSNMPRequest2Edits* Binding;

    // False while a read is under way.
    bool Ready() const;

    void GetBtnClick();
    void btnStopClick();
    void done(int result) override;

  private:
    void startRead();
    void onEndGet(NmSNMPError& error);
    void clearDetails();
    void listClick();

    bool ready_ = true;
};
