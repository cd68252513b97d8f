#include "txn.h"

#include <set>

namespace corvane::sim {

namespace {

enum RowStatus {
    kActive = 1,
    kNotInService = 2,
    kCreateAndGo = 4,
    kCreateAndWait = 5,
    kDestroy = 6
};
enum EntryStatus { kValid = 1, kCreateRequest = 2, kUnderCreation = 3, kInvalid = 4 };

bool inRanges(int64_t v, const std::vector<std::pair<int64_t, int64_t>>& ranges) {
    if (ranges.empty()) {
        return true;
    }
    for (auto [lo, hi] : ranges) {
        if (v >= lo && v <= hi) {
            return true;
        }
    }
    return false;
}

// The type a column's instances carry: taken from any existing instance.
int columnTag(const Store& store, const Oid& column) {
    auto it = store.lower_bound(column);
    if (it != store.end() && hasPrefix(it->first, column)) {
        return it->second.tag;
    }
    return -1;
}

// A row of a table: its entry OID (column OID without the last arc) and index arcs.
struct RowKey {
    Oid entry;
    Oid index;
    auto operator<=>(const RowKey&) const = default;
};

Oid cell(const RowKey& row, uint32_t column) {
    Oid oid = row.entry;
    oid.push_back(column);
    oid.insert(oid.end(), row.index.begin(), row.index.end());
    return oid;
}

// Every existing cell of a row, found column by column.
std::vector<Oid> rowCells(const Store& store, const RowKey& row) {
    std::vector<Oid> cells;
    Oid probe = row.entry;
    probe.push_back(0);
    auto it = store.lower_bound(probe);
    while (it != store.end() && hasPrefix(it->first, row.entry) &&
           it->first.size() > row.entry.size()) {
        uint32_t column = it->first[row.entry.size()];
        Oid oid = cell(row, column);
        if (store.count(oid)) {
            cells.push_back(oid);
        }
        if (column == UINT32_MAX) {
            break;
        }
        probe.back() = column + 1;
        it = store.lower_bound(probe);
    }
    return cells;
}

}  // namespace

SetPlan planSet(const Store& store, const Rules& rules, const std::vector<SetVarbind>& vbs) {
    SetPlan plan;
    auto fail = [&](size_t i, int status) {
        plan.status = status;
        plan.errorIndex = i;
        plan.changes.clear();
        return plan;
    };
    struct Checked {
        const Rule* rule;
        RowKey row;
        bool exists;
    };
    std::vector<Checked> checked;
    std::set<RowKey> created, destroyed;

    // Pass 1: each varbind on its own; row-status columns decide the fate of rows.
    for (size_t i = 0; i < vbs.size(); ++i) {
        const SetVarbind& vb = vbs[i];
        const Rule* rule = rules.find(vb.oid);
        if (!rule || rule->kind == Rule::Kind::ReadOnly) {
            return fail(i, kNotWritable);
        }
        // A type the profile cannot hold (Opaque, its Int64 and Float forms) could never
        // be read back.
        if (!isKnownTag(vb.value.tag)) {
            return fail(i, kWrongType);
        }
        auto existing = store.find(vb.oid);
        bool exists = existing != store.end();
        int tag = rule->tag >= 0 ? rule->tag
                  : exists       ? existing->second.tag
                                 : columnTag(store, rule->oid);
        if (tag >= 0 && tag != vb.value.tag) {
            return fail(i, kWrongType);
        }
        if (vb.value.tag == kIpAddress && vb.value.bytes.size() != 4) {
            return fail(i, kWrongLength);
        }
        if ((vb.value.tag == kOctetString || vb.value.tag == kObjectId) && !rule->sizes.empty()) {
            int64_t len = static_cast<int64_t>(vb.value.bytes.size());
            if (!inRanges(len, rule->sizes)) {
                return fail(i, kWrongLength);
            }
        }
        if (isNumericTag(vb.value.tag)) {
            int64_t n =
                vb.value.tag == kInteger ? vb.value.asInt() : static_cast<int64_t>(vb.value.num);
            if (!inRanges(n, rule->ranges)) {
                return fail(i, kWrongValue);
            }
        }
        RowKey row{Oid(rule->oid.begin(), rule->oid.end() - 1),
                   Oid(vb.oid.begin() + static_cast<long>(rule->oid.size()), vb.oid.end())};
        checked.push_back({rule, row, exists});
        if (rule->kind == Rule::Kind::Writable) {
            continue;
        }
        int64_t v = vb.value.asInt();
        bool rmon = rule->kind == Rule::Kind::EntryStatus;
        bool create = rmon ? v == kCreateRequest : (v == kCreateAndGo || v == kCreateAndWait);
        bool destroy = rmon ? v == kInvalid : v == kDestroy;
        if (row.index.empty() || created.count(row) || destroyed.count(row)) {
            return fail(i, kInconsistentValue);
        }
        if (create) {
            if (exists) {
                return fail(i, kInconsistentValue);
            }
            created.insert(row);
        } else if (destroy) {
            destroyed.insert(row);
        } else if (!exists) {
            // active, notInService, valid, underCreation need a row to act on
            return fail(i, kInconsistentValue);
        }
    }

    // Pass 2: plain columns need an existing cell or a row that exists or is being created.
    for (size_t i = 0; i < vbs.size(); ++i) {
        const Checked& c = checked[i];
        if (c.rule->kind != Rule::Kind::Writable) {
            continue;
        }
        if (destroyed.count(c.row)) {
            return fail(i, kInconsistentValue);
        }
        if (c.exists || created.count(c.row)) {
            continue;
        }
        const Rule* status = c.row.index.empty() ? nullptr : rules.statusOf(c.row.entry);
        if (!status || !store.count(cell(c.row, status->oid.back()))) {
            return fail(i, kNoCreation);
        }
    }

    // The changes, in varbind order; row-status values are those the row ends up with.
    for (size_t i = 0; i < vbs.size(); ++i) {
        const Checked& c = checked[i];
        Value value = vbs[i].value;
        if (c.rule->kind != Rule::Kind::Writable) {
            if (destroyed.count(c.row)) {
                for (Oid& oid : rowCells(store, c.row)) {
                    plan.changes.emplace_back(std::move(oid), std::nullopt);
                }
                continue;
            }
            bool rmon = c.rule->kind == Rule::Kind::EntryStatus;
            int64_t v = value.asInt();
            if (rmon && v == kCreateRequest) {
                v = kUnderCreation;
            } else if (!rmon && v == kCreateAndGo) {
                v = kActive;
            } else if (!rmon && v == kCreateAndWait) {
                v = kNotInService;
            }
            value.num = static_cast<uint64_t>(v);
        }
        plan.changes.emplace_back(vbs[i].oid, std::move(value));
    }
    // A new row holds every column a real agent fills in, not only those the request set.
    std::set<Oid> setHere;
    for (const SetVarbind& vb : vbs) {
        setHere.insert(vb.oid);
    }
    for (const RowKey& row : created) {
        for (const Rule* rule : rules.initialsOf(row.entry)) {
            Oid oid = cell(row, rule->oid.back());
            if (!setHere.count(oid)) {
                plan.changes.emplace_back(std::move(oid), *rule->init);
            }
        }
    }
    return plan;
}

Changes applyChanges(Store& store, const Changes& changes) {
    Changes undo;
    undo.reserve(changes.size());
    for (const auto& [oid, value] : changes) {
        auto it = store.find(oid);
        undo.emplace_back(oid, it == store.end() ? std::nullopt : std::optional(it->second));
        if (value) {
            if (it == store.end()) {
                store.emplace(oid, *value);
            } else {
                it->second = *value;
            }
        } else if (it != store.end()) {
            store.erase(it);
        }
    }
    // Undo runs backwards so repeated keys end at their first old value.
    std::reverse(undo.begin(), undo.end());
    return undo;
}

}  // namespace corvane::sim
