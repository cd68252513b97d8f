// The seam of the dedicated windows: each group folder (interfaces, stp, vlan, lldp) registers
// an opener for the window classes it builds, keyed by the menu entry's MenuEntry::Window, and
// the main window opens a dedicated entry through this registry. An entry whose class nobody
// registered stays disabled. README.md in this folder shows how a window is built.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class NmSNMPRequest2Edits;
class QLabel;
class QTreeWidget;
class QWidget;
struct MenuEntry;

// The main window's shared bindings and the hidden controls they fill. A window asks a binding
// to read again (Get) and then reads the control, as the chassis view does.
struct SharedBindings {
    QWidget* MainWindow = nullptr;
    NmSNMPRequest2Edits* UnitBinding = nullptr;        // module table, into UnitListView
    NmSNMPRequest2Edits* StpVersionBinding = nullptr;  // spanning-tree version, into ST_STPVersion
    NmSNMPRequest2Edits* ObjectIDBinding = nullptr;    // sysObjectID, into ST_ModuleOID
    NmSNMPRequest2Edits* LedBinding = nullptr;         // LED table, into PortInfoListView
    NmSNMPRequest2Edits* CpuCardBinding = nullptr;     // management modules, into CPUCard_ListView
    QLabel* ST_ModuleOID = nullptr;
    QLabel* ST_STPVersion = nullptr;
    QTreeWidget* UnitListView = nullptr;
    QTreeWidget* PortInfoListView = nullptr;
    QTreeWidget* CPUCard_ListView = nullptr;
};

// What an opener is given.
struct DedicatedWindowContext {
    const MenuEntry& Entry;
    QString Caption;  // the entry's Title followed by the agent address, as the main window set it
    QWidget* Owner;   // the main window for entries marked MainWindowOwner, else null
    const SharedBindings& Shared;
};

// Creates the window, shows it modally and destroys it when it closes. An exception it raises
// reaches the main window's error boundary (a message box).
using DedicatedWindowOpener = std::function<void(const DedicatedWindowContext&)>;

class DedicatedWindowRegistry {
  public:
    // Raises std::logic_error for a class registered twice or an empty name.
    void Register(const std::string& windowClass, DedicatedWindowOpener opener);
    // Null when nobody registered the class.
    const DedicatedWindowOpener* Find(std::string_view windowClass) const;
    bool Contains(std::string_view windowClass) const { return Find(windowClass) != nullptr; }
    std::vector<std::string> Classes() const;

  private:
    std::map<std::string, DedicatedWindowOpener, std::less<>> openers_;
};

// The registry filled once, on first use, by the four groups' registration functions.
const DedicatedWindowRegistry& DedicatedWindows();

// One per group folder, in its register_<group>.cpp.
void RegisterInterfacesWindows(DedicatedWindowRegistry& registry);
void RegisterStpWindows(DedicatedWindowRegistry& registry);
void RegisterVlanWindows(DedicatedWindowRegistry& registry);
void RegisterLldpWindows(DedicatedWindowRegistry& registry);

// Opens a dedicated entry's window: the context is built from the entry, the caption and the
// shared bindings. False when the entry's class is not registered.
bool OpenDedicatedWindow(const MenuEntry& entry, const QString& caption,
                         const SharedBindings& shared,
                         const DedicatedWindowRegistry& registry = DedicatedWindows());
