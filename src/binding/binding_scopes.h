// Scope guards for the temporary state of a write: the binding's mode and the exclusion marks of
// its descriptors are put back however the scope is left, a raised error included.
#pragma once

#include <vector>

#include "nm_snmp_request2_controls.h"
#include "nm_snmp_var_list.h"

// Switches the binding to a mode for the scope.
class AsyncModeScope {
  public:
    AsyncModeScope(NmSNMPRequest2Controls& binding, bool async)
        : binding_(binding), saved_(binding.Async) {
        binding.Async = async;
    }
    ~AsyncModeScope() { binding_.Async = saved_; }
    AsyncModeScope(const AsyncModeScope&) = delete;
    AsyncModeScope& operator=(const AsyncModeScope&) = delete;

  private:
    NmSNMPRequest2Controls& binding_;
    bool saved_;
};

// Puts vfExcluded on descriptors for the scope; marks that were there before stay.
class ExcludedScope {
  public:
    explicit ExcludedScope(NmSNMPVarList& list) : list_(list) {}
    ~ExcludedScope() {
        for (int i : marked_)
            if (i < list_.Count())
                list_.Item(i).Flags &= ~vfExcluded;
    }
    ExcludedScope(const ExcludedScope&) = delete;
    ExcludedScope& operator=(const ExcludedScope&) = delete;

    void Exclude(int position) {
        SNMPVarItem& item = list_.Item(position);
        if (item.Flags & vfExcluded)
            return;
        item.Flags |= vfExcluded;
        marked_.push_back(position);
    }

  private:
    NmSNMPVarList& list_;
    std::vector<int> marked_;
};
