// The program's main window: menu bar, chassis client area, status bar, and the shared bindings
// that the chassis view and the spanning-tree windows read again.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "chassis_host.h"
#include "chassis_panel.h"
#include "command_line.h"
#include "dedicated_windows.h"

class QLabel;
class QScrollArea;
class QTreeWidget;
class NmSNMPRequest2Edits;

// Fixed at construction from the screen resolution; dedicated windows size themselves with them.
extern bool LargeFonts;
extern double DisplayScale;
// The agent's sysObjectID in dotted form, read when the main window is created.
extern std::string DeviceOID;

inline constexpr const char* kCorvaneAObjectId = "1.3.6.1.4.1.32473.10.120.1";
inline constexpr const char* kCorvaneBObjectId = "1.3.6.1.4.1.32473.10.120.2";

// The start-up steps after the main window's controls: session and boots counter, message
// files, command line. Errors escape to the caller. The command-line export runs them too.
void StartSession(const std::vector<std::string>& args, const std::string& workFolder,
                  LaunchParameters& kept);

class TMainForm : public QMainWindow, public ChassisHost {
    Q_OBJECT
  public:
    // Runs the start-up steps: session, boots counter, message files, command line. Errors of
    // those steps escape to the caller, which shows them and ends the program.
    explicit TMainForm(const std::vector<std::string>& args, const std::string& workFolder = {},
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    // The creation handler: shared bindings, module table and device identification.
    void FormCreate();
    // Builds and places the chassis panel for DeviceOID; nothing for an unknown device.
    void LoadChassisPanel();
    void CloseChassisPanels();
    // The "Refresh" command: asks, then loads a new panel behind the waiting window.
    void RefreshClick();
    // Shows the waiting window that loads the panel (first activation and Refresh).
    void ShowWaitingForm();

    QString statusText() const;
    TChassisPanel* currentPanel() const { return CurrentPanel; }
    // What a dedicated window may use of this window.
    SharedBindings sharedBindings() const;
    // One synchronous read of a shared or panel binding. An error it raises goes to the status
    // bar like a failed read; while the start-up or a panel load runs, its first failure stays
    // there, so that later reads do not cover it with "Ok.".
    bool readBinding(NmSNMPRequest2Edits& binding);

    // ChassisHost
    void setStatusText(const QString& text) override;
    QTreeWidget* unitListView() override { return UnitListView; }
    void readUnitTable() override;
    QTreeWidget* ledListView() override { return PortInfoListView; }
    void readLedTable() override;
    QTreeWidget* cpuCardListView() override { return CPUCard_ListView; }
    void readCpuCardTable() override;
    std::unique_ptr<PanelBinding> bindFanState(QLabel* target) override;
    std::unique_ptr<PanelBinding> bindPowerTable(QTreeWidget* target) override;

    LaunchParameters launchParameters;
    QString WindowTitle;
    bool FirstLoad = true;
    bool Activated = false;

    QScrollArea* ScrollBox1 = nullptr;
    QLabel* StatusPanel0 = nullptr;
    QLabel* ST_ModuleOID = nullptr;
    QLabel* ST_STPVersion = nullptr;
    QTreeWidget* UnitListView = nullptr;
    QTreeWidget* PortInfoListView = nullptr;
    QTreeWidget* CPUCard_ListView = nullptr;

    std::unique_ptr<NmSNMPRequest2Edits> UnitBinding;
    std::unique_ptr<NmSNMPRequest2Edits> StpVersionBinding;
    std::unique_ptr<NmSNMPRequest2Edits> ObjectIDBinding;
    std::unique_ptr<NmSNMPRequest2Edits> LedBinding;
    std::unique_ptr<NmSNMPRequest2Edits> CpuCardBinding;

    std::vector<QPointer<TChassisPanel>> PanelList;
    QPointer<TChassisPanel> CurrentPanel;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void createMenus();
    // The start-up's and each panel load's reads: the first failure is the one shown.
    class ReadGroup;
    void noteFailure(const QString& text);
    // Reads sysObjectID into DeviceOID; says in the status bar why the switch is unknown.
    void identify();
    bool holdFailures_ = false;
    QString firstFailure_;
    // The module table as read at creation, not yet used by a panel load: the first load
    // takes it as it is instead of reading it again a moment later.
    bool unitTableFresh_ = false;
    std::unique_ptr<NmSNMPRequest2Edits> makeBinding(const void* table, int kind, int indexCount,
                                                     QWidget* statusTarget);
};
