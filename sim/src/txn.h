// All-or-nothing set transactions over the store: check, apply, undo.
#pragma once

#include <optional>
#include <vector>

#include "rules.h"
#include "store.h"

namespace corvane::sim {

// Error-status codes of the protocol operations.
enum SetStatus : int {
    kNoError = 0,
    kNoAccess = 6,
    kWrongType = 7,
    kWrongLength = 8,
    kWrongValue = 10,
    kNoCreation = 11,
    kInconsistentValue = 12,
    kNotWritable = 17,
};

struct SetVarbind {
    Oid oid;
    Value value;
};

// Store changes in order; an empty value erases the key.
using Changes = std::vector<std::pair<Oid, std::optional<Value>>>;

struct SetPlan {
    int status = kNoError;
    size_t errorIndex = 0;  // 0-based varbind index of the first failure
    Changes changes;
};

// Checks a whole set request against the rules and the current store and returns the
// changes it makes, or the first failure.
SetPlan planSet(const Store& store, const Rules& rules, const std::vector<SetVarbind>& vbs);

// Applies changes and returns what undoes them.
Changes applyChanges(Store& store, const Changes& changes);

}  // namespace corvane::sim
