// The LLDP list windows: a list view at the left (with an editing area under a splitter in the
// configuration windows), the button column at the right, a one-panel status bar, and the read,
// selection, set, stop and closing cycles they all share. A member gives its table, binding,
// buttons and editing rows (LldpListSetup) and nothing else.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dedicated_form.h"
#include "nm_snmp_var_list.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;
class QStatusBar;
class QTreeWidget;
class TButtonColumn;
class TLLDPTlvDialog;

enum class LldpRowKind {
    Static,  // a sunken static text (index and read-only columns)
    Choice,  // a pick-only drop-down list of the column's words
    Tlv,     // the TLV names; a click opens the TLV dialog
};

struct LldpEditRow {
    const char* Label;
    int Position;  // the descriptor shown
    LldpRowKind Kind;
};

struct LldpListSetup {
    const SNMPVarDescriptor* Table = nullptr;
    std::uint8_t Kind = vlTable;
    int IndexCount = 0;
    std::function<std::unique_ptr<NmSNMPRequest2Edits>(QWidget* form)> MakeBinding;
    // The set button's caption ("Set", "Edit"); null for a data window with "Refresh" and
    // "Close" only and no editing area.
    const char* SetCaption = nullptr;
    std::vector<LldpEditRow> Rows;
    std::function<std::unique_ptr<TLLDPTlvDialog>(QWidget* owner)> MakeTlvDialog;
    const char* NotComplete = "Get data not complete";
    bool ClearOnSetError = false;  // the protocol windows empty the editing area instead
    // Reads synchronously, always on "Refresh", with a 10 s time-out after the first read.
    bool Synchronous = false;
    int DesignWidth = 600;
    int DesignHeight = 400;
};

class TLLDPListForm : public TDedicatedForm {
    Q_OBJECT

  public:
    TLLDPListForm(const DedicatedWindowContext& context, LldpListSetup setup);
    ~TLLDPListForm() override;

    // No read or set of the window is outstanding.
    bool Complete = false;
    NmSNMPRequest2Edits* Binding;
    QTreeWidget* ListView;
    QLabel* CountBox;
    QPushButton* BT_Refresh;
    QPushButton* BT_Set = nullptr;
    QPushButton* BT_Stop = nullptr;
    QPushButton* BT_Close;
    QStatusBar* StatusBar;
    QSplitter* Splitter;
    QFrame* EditArea = nullptr;
    std::vector<QWidget*> EditControls;  // one per editing row
    QLineEdit* TlvEdit = nullptr;

    void RefreshClick();
    void SetClick();
    void StopClick();
    // Static texts to a single blank, lists and the edit emptied, the set button disabled.
    void ClearEditArea();
    // The TLV dialog for the selected line; "Set Checked" changes the edit, only the set button
    // writes it.
    void ShowTlvDialog();

    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildEditArea();
    void firstRead();
    void startRead();
    void readSynchronously();
    void readRaised(const std::string& text);
    void readEnded();
    void updateCount();
    void selectionChanged();
    bool lineSelected() const;
    void notComplete();

    LldpListSetup setup_;
    std::unique_ptr<TLLDPTlvDialog> tlvDialog_;
    std::string setError_;  // a refused write, shown once the set cycle is over
    bool firstReadQueued_ = false;
    // A close asked for while a synchronous read runs (its rows let events run): done once
    // the read has returned.
    std::optional<int> closeAfterRead_;
};
