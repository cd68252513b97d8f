#include "rules.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace corvane::sim {

namespace {

bool parseInt(std::string_view s, int64_t& out) {
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size() && !s.empty();
}

// "1..3,5,7..9"
bool parseRanges(std::string_view text, std::vector<std::pair<int64_t, int64_t>>& out) {
    while (!text.empty()) {
        size_t comma = text.find(',');
        std::string_view item = text.substr(0, comma);
        size_t dots = item.find("..");
        int64_t lo = 0, hi = 0;
        if (dots == std::string_view::npos) {
            if (!parseInt(item, lo)) {
                return false;
            }
            hi = lo;
        } else if (!parseInt(item.substr(0, dots), lo) || !parseInt(item.substr(dots + 2), hi) ||
                   hi < lo) {
            return false;
        }
        out.emplace_back(lo, hi);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return !out.empty();
}

// Why a rule's OID can never match a served object, or empty.
std::string ruleOidProblem(const Oid& oid) {
    if (oid[0] != 1) {
        return "OID " + formatOid(oid) + " is not under 1 (iso)";
    }
    if (std::string problem = oidEncodingProblem(oid); !problem.empty()) {
        return "OID " + formatOid(oid) + " " + problem;
    }
    return {};
}

// "TAG:VALUE" in the profile's value notation ("2:1", "4x:00ff"); it gives the rule its
// type when type= has not.
bool parseInit(std::string_view text, Rule& rule) {
    size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        return false;
    }
    auto value = parseValue(text.substr(0, colon), text.substr(colon + 1));
    if (!value || value->perSecond > 0 || (rule.tag >= 0 && rule.tag != value->tag)) {
        return false;
    }
    rule.tag = value->tag;
    rule.init = std::move(value);
    return true;
}

}  // namespace

bool Rules::load(const std::string& path, std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = path + " is a folder, not a rules file";
        return false;
    }
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    path_ = path;
    std::string line;
    for (size_t n = 1; std::getline(in, line); ++n) {
        line_ = n;
        if (!parseLine(line, error)) {
            error = path + ":" + std::to_string(n) + ": " + error;
            return false;
        }
    }
    return true;
}

bool Rules::parseLine(const std::string& raw, std::string& error) {
    std::string line = raw.substr(0, raw.find('#'));
    std::istringstream words(line);
    std::string oidText, kind;
    if (!(words >> oidText)) {
        return true;
    }
    Rule rule;
    auto oid = parseOid(oidText);
    if (!oid || !(words >> kind)) {
        error = "expected OID and kind";
        return false;
    }
    if (std::string problem = ruleOidProblem(*oid); !problem.empty()) {
        error = problem;
        return false;
    }
    rule.oid = *oid;
    rule.line = line_;
    if (kind == "rw") {
        rule.kind = Rule::Kind::Writable;
    } else if (kind == "rowstatus") {
        rule.kind = Rule::Kind::RowStatus;
        rule.tag = kInteger;
        rule.ranges = {{1, 2}, {4, 6}};
    } else if (kind == "entrystatus") {
        rule.kind = Rule::Kind::EntryStatus;
        rule.tag = kInteger;
        rule.ranges = {{1, 4}};
    } else if (kind == "ro") {
        rule.kind = Rule::Kind::ReadOnly;
    } else {
        error = "unknown kind " + kind;
        return false;
    }
    std::string opt;
    while (words >> opt) {
        size_t eq = opt.find('=');
        std::string key = opt.substr(0, eq);
        std::string_view val = eq == std::string::npos ? "" : std::string_view(opt).substr(eq + 1);
        int64_t tag = 0;
        if (key == "type" && parseInt(val, tag) && isKnownTag(static_cast<int>(tag)) &&
            rule.kind == Rule::Kind::Writable) {
            rule.tag = static_cast<int>(tag);
        } else if (key == "range" && rule.kind == Rule::Kind::Writable &&
                   parseRanges(val, rule.ranges)) {
        } else if (key == "size" && parseRanges(val, rule.sizes)) {
        } else if (key == "init" && parseInit(val, rule)) {
        } else {
            error = "bad option " + opt;
            return false;
        }
    }
    if (rule.kind == Rule::Kind::ReadOnly && !rule.init) {
        error = "a ro rule wants init=";
        return false;
    }
    if (rule.kind == Rule::Kind::RowStatus || rule.kind == Rule::Kind::EntryStatus) {
        Oid entry(rule.oid.begin(), rule.oid.end() - 1);
        statusByEntry_[entry] = rule.oid;
    }
    rules_[rule.oid] = std::move(rule);
    return true;
}

bool Rules::takeTypesFrom(const Store& store, std::string& error) {
    for (auto& [oid, rule] : rules_) {
        // The first instance below the rule that a longer rule does not take over.
        for (auto it = store.lower_bound(oid);
             rule.tag < 0 && it != store.end() && hasPrefix(it->first, oid); ++it) {
            if (find(it->first) == &rule) {
                rule.tag = it->second.tag;
            }
        }
        if (rule.tag < 0) {
            error = path_ + ":" + std::to_string(rule.line) + ": rule " + formatOid(oid) +
                    " has no type= and no value below it in the profile to take the type from";
            return false;
        }
    }
    return true;
}

const Rule* Rules::find(const Oid& oid) const {
    // Prefixes of oid sort before it, so walk back from its upper bound.
    auto it = rules_.upper_bound(oid);
    while (it != rules_.begin()) {
        --it;
        if (hasPrefix(oid, it->first)) {
            return &it->second;
        }
        // A rule that is not a prefix may still hide a shorter one before it.
        size_t common = 0;
        while (common < it->first.size() && common < oid.size() &&
               it->first[common] == oid[common]) {
            ++common;
        }
        Oid shorter(oid.begin(), oid.begin() + static_cast<long>(common));
        it = rules_.upper_bound(shorter);
    }
    return nullptr;
}

std::vector<uint32_t> Rules::branches() const {
    std::vector<uint32_t> out;
    for (const auto& [oid, rule] : rules_) {
        out.push_back(oid[1]);
    }
    return out;
}

std::vector<const Rule*> Rules::initialsOf(std::span<const uint32_t> entry) const {
    std::vector<const Rule*> out;
    for (auto it = rules_.lower_bound(entry); it != rules_.end() && hasPrefix(it->first, entry);
         ++it) {
        if (it->first.size() == entry.size() + 1 && it->second.init) {
            out.push_back(&it->second);
        }
    }
    return out;
}

const Rule* Rules::statusOf(std::span<const uint32_t> entry) const {
    auto it = statusByEntry_.find(entry);
    if (it == statusByEntry_.end()) {
        return nullptr;
    }
    return &rules_.at(it->second);
}

}  // namespace corvane::sim
