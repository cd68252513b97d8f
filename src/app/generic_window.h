// Opening the generic configuration window of a menu catalogue entry.
#pragma once

#include <memory>

#include "menu_catalogue.h"

class QWidget;
class TConfigForm;

// Builds the window of a generic entry, laid out and adjusted, without showing it. The caption is
// the entry's title prefix followed by the agent address.
std::unique_ptr<TConfigForm> BuildGenericWindow(const MenuEntry& entry);

// The handler of a generic entry: builds the window, shows it modally and destroys it. Entries
// marked v2c read with SNMPv2c while the window is open when the program runs with SNMPv1.
void OpenGenericWindow(const MenuEntry& entry);

// Keeps SNMPv2c as the default version for its lifetime when the default is SNMPv1.
class SnmpV2cOverride {
  public:
    explicit SnmpV2cOverride(bool wanted);
    ~SnmpV2cOverride();
    SnmpV2cOverride(const SnmpV2cOverride&) = delete;
    SnmpV2cOverride& operator=(const SnmpV2cOverride&) = delete;

  private:
    bool active_ = false;
    int saved_ = 0;
};

// Rounds half to even, as the window heights of the catalogue are computed.
int roundScaled(double value);
