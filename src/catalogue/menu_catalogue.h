// Menu catalogue records: the main window's menu tree and what each command opens.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "nm_snmp_var_list.h"

enum class MenuAction : std::uint8_t {
    Submenu,    // a menu or sub-menu; the entries one level deeper follow it
    Generic,    // a configuration window built from descriptor tables
    Dedicated,  // a hand-built window
    Tool,       // starts a sibling tool
    About,
    Refresh,  // reloads the chassis panel
};

enum class WindowLayout : std::uint8_t {
    None,    // not a generic window
    Editor,  // one scalar group in an editor panel
    List,    // one table in a list-view panel
    Pages,   // a page control, one page per table
};

// One panel (or page) of a generic window: the binding's variable list and its row status.
struct CataloguePage {
    const char* Title;  // page title; null outside a pages window
    const SNMPVarDescriptor* Table;
    std::uint8_t Kind;  // list kind given to NmSNMPVarList
    int IndexCount;
    int AddIndex = -1;  // row-status column written by Add; -1: no Add
    const char* AddLiteral = "";
    int DeleteIndex = -1;  // row-status column written by Delete; -1: no Delete
    const char* DeleteLiteral = "";
};

enum class AdjustmentKind : std::uint8_t {
    SnmpV2c,           // SNMPv2c instead of SNMPv1 while the window is open
    Height,            // window height set to Height pixels
    ScaledHeight,      // window height set to Height x display scale, rounded
    ScaledHeightStep,  // window height changed by Height x display scale (negative: lower)
    Size,              // window width and height set, before or after the pages are added
    VarFormat,         // edit of Column gets the constraint Format
    StatusInEdit,      // row-status Column stays visible in the Edit dialog
    NoEdit,            // Edit hidden and the double-click action removed
    NoAdd,             // Add hidden; Delete stays
    EditWidth,         // value fields Width x display scale wider than the first one
    OamBinding,        // the OAM binding variant decodes Column
};

// One extra step after the layout; Text is the step as the catalogue writes it.
struct Adjustment {
    AdjustmentKind Kind;
    const char* Text;
    int Column = -1;
    const char* Format = nullptr;
    int Width = 0;
    int Height = 0;
    const char* Page = nullptr;  // page the step applies to; null: the window or its one panel
    bool BeforePages = false;    // Size: applied before the pages are added
};

// One menu item. The menu is a flat list in menu order; Level 0 items stand on the menu bar
// and every item belongs to the nearest item above it with a lower level.
struct MenuEntry {
    int Level;
    const char* Caption;  // exact caption, trailing blanks included
    MenuAction Action = MenuAction::Submenu;
    const char* Title = nullptr;  // window caption prefix; the agent address follows it
    WindowLayout Layout = WindowLayout::None;
    std::span<const CataloguePage> Pages = {};
    std::span<const Adjustment> Adjustments = {};
    const char* Window = nullptr;  // dedicated window class
    bool MainWindowOwner = false;  // dedicated window owned by the main window, else the app
    const char* Tool = nullptr;    // sibling tool switch, e.g. "/TMIB_IFCounters"
};

// The whole menu bar, in menu order.
std::span<const MenuEntry> menuCatalogue();

// Captions from the menu bar down to the entry at index.
std::vector<std::string> menuPath(std::span<const MenuEntry> menu, std::size_t index);
