// Write rules of a profile: which objects are writable, with which type and range,
// and which columns are row-status columns.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "store.h"

namespace corvane::sim {

struct Rule {
    enum class Kind { Writable, RowStatus, EntryStatus, ReadOnly };
    Oid oid;  // object (scalar) or column OID; instances lie below it
    Kind kind = Kind::Writable;
    int tag = -1;  // required BER tag; -1: the type of the existing instance
    std::vector<std::pair<int64_t, int64_t>> ranges;  // allowed values (numbers)
    std::vector<std::pair<int64_t, int64_t>> sizes;   // allowed lengths (strings)
    size_t line = 0;                                  // where the rules file gives it
    std::optional<Value> init;  // what the column holds in a row created without it
};

class Rules {
  public:
    // Reads a rules file; on failure returns false and fills error.
    bool load(const std::string& path, std::string& error);
    bool parseLine(const std::string& line, std::string& error);

    // Gives every writable rule without type= the type of the profile's value below it, so
    // a set can never store a type the profile did not have there. A rule with neither
    // fails: returns false and fills error, naming the rule's line.
    bool takeTypesFrom(const Store& store, std::string& error);

    // The rule with the longest OID that is a prefix of oid.
    const Rule* find(const Oid& oid) const;
    // The row-status column rule of the table entry (a column OID without its last arc).
    const Rule* statusOf(std::span<const uint32_t> entry) const;
    // The column rules of the table entry that give a new row's value (init=).
    std::vector<const Rule*> initialsOf(std::span<const uint32_t> entry) const;
    size_t size() const { return rules_.size(); }
    // The second arcs of all rule OIDs.
    std::vector<uint32_t> branches() const;

  private:
    std::map<Oid, Rule, OidLess> rules_;
    std::map<Oid, Oid, OidLess> statusByEntry_;
    std::string path_;  // the file load() read
    size_t line_ = 0;   // the line parseLine() is given
};

}  // namespace corvane::sim
