// corvane-sim data that moves and rows that windows create: growing counters, the writes of
// the spanning-tree, VLAN and LLDP windows, and the rows every port must have in both profiles.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "sim_process.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace corvane::test {
namespace {

const std::vector<std::string> kRead{"-v2c", "-c", "meadow"};
const std::vector<std::string> kWrite{"-v2c", "-c", "thistle"};

const std::string kStp = "1.3.6.1.4.1.32473.10.120.100.2.2";
const std::string kInstance = kStp + ".2.3.1";
const std::string kStpPort = kStp + ".2.4.1";
const std::string kProtocolGroup = "1.3.6.1.2.1.17.7.1.5.1.1";
const std::string kLldp = "1.0.8802.1.1.2.1";

// An SNMP tool with numeric OIDs, bare values and time ticks as numbers; hex: octet strings
// in hexadecimal.
CommandResult snmp(const SimProcess& sim, const std::string& tool,
                   const std::vector<std::string>& security, const std::vector<std::string>& args,
                   bool hex = false) {
    std::vector<std::string> argv{tool, "-r", "1", "-t", "2", "-On", "-Oq", "-Oe", "-Ot"};
    if (hex) {
        argv.push_back("-Ox");
    }
    argv.insert(argv.end(), security.begin(), security.end());
    argv.push_back(sim.address());
    argv.insert(argv.end(), args.begin(), args.end());
    return runCommand(argv);
}

// OID -> value of -On -Oq output (leading dot removed).
std::map<std::string, std::string> parse(const std::string& text) {
    std::map<std::string, std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        size_t sp = line.find(' ');
        std::string oid = line.substr(line[0] == '.' ? 1 : 0, sp - (line[0] == '.' ? 1 : 0));
        out[oid] = sp == std::string::npos ? "" : line.substr(sp + 1);
    }
    return out;
}

// The value of one object; with hex, octet strings as "E000..." (no quotes, blanks or breaks).
std::string get(const SimProcess& sim, const std::string& oid, bool hex = false) {
    auto r = snmp(sim, "snmpget", kRead, {oid}, hex);
    if (hex && r.exitCode == 0 && r.out.find(' ') != std::string::npos) {
        std::string value;
        for (char ch : r.out.substr(r.out.find(' ') + 1)) {
            if (ch != '"' && ch != ' ' && ch != '\n') {
                value.push_back(ch);
            }
        }
        return value;
    }
    auto values = parse(r.out);
    return values.count(oid) ? values[oid] : "(failed: " + r.out + r.err + ")";
}

using corvane::test::TempDir;

TEST(SimCounters, GrowWithTimeAndWrapAsTheirTypeDoes) {
    struct Case {
        const char* what;
        std::string line;  // TYPE|VALUE
        uint64_t firstAtLeast, secondAtLeast;
        std::function<uint64_t(double)> secondAtMost;  // after at most that many seconds
    };
    const Case cases[] = {
        {"Counter32 that grows", "65|1000+500/s", 1000, 1000 + 500 * 3,
         [](double s) { return 1000 + uint64_t(500 * s); }},
        {"Counter32 past 4294967295", "65|4294967095+100/s", 4294967095, 0,
         [](double s) { return uint64_t(100 * s) - 200; }},
        {"Counter64 past 2^64 - 1", "70|18446744073709551415+100/s", 18446744073709551415ull, 0,
         [](double s) { return uint64_t(100 * s) - 200; }},
        {"fixed counter above 2^31", "65|3000000000", 3000000000, 3000000000,
         [](double) { return 3000000000; }},
        {"half a count a second", "65|7+0.5/s", 7, 8, [](double s) { return 7 + uint64_t(s / 2); }},
    };
    const std::string base = "1.3.6.1.4.1.32473.99.2.";
    std::string text = "1.3.6.1.2.1.1.1.0|4|counters\n";
    std::vector<std::string> oids;
    for (const auto& c : cases) {
        oids.push_back(base + std::to_string(oids.size() + 1) + ".0");
        text += oids.back() + "|" + c.line + "\n";
    }
    TempDir dir;
    const auto started = std::chrono::steady_clock::now();
    SimProcess sim(dir.write("counters.snmprec", text));
    ASSERT_TRUE(sim.ready());
    auto first = parse(snmp(sim, "snmpget", kRead, oids).out);
    std::this_thread::sleep_for(std::chrono::milliseconds(3000));
    auto second = parse(snmp(sim, "snmpget", kRead, oids).out);
    const double most =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    ASSERT_EQ(first.size(), oids.size());
    ASSERT_EQ(second.size(), oids.size());
    for (size_t i = 0; i < oids.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.what);
        EXPECT_GE(std::stoull(first[oids[i]]), c.firstAtLeast);
        EXPECT_GE(std::stoull(second[oids[i]]), c.secondAtLeast);
        EXPECT_LE(std::stoull(second[oids[i]]), c.secondAtMost(most));
    }
    EXPECT_LT(std::stoull(second[oids[1]]), std::stoull(first[oids[1]]));  // wrapped
}

TEST(SimStartNotations, BadGrowthAndInitialValuesAreRefused) {
    TempDir dir;
    struct Case {
        std::string profileLine;  // the second line of the profile
        std::string rulesLine;    // the only rule, or none
        const char* where;
    };
    const std::string ok = "1.3.6.1.2.1.11.1.0|65|10+1/s";
    const std::string column = "1.3.6.1.4.1.32473.99.1.1.";
    const Case cases[] = {
        {"1.3.6.1.2.1.11.1.0|65|10+/s", "", "p.snmprec:2"},
        {"1.3.6.1.2.1.11.1.0|65|10+x/s", "", "p.snmprec:2"},
        {"1.3.6.1.2.1.11.1.0|65|10+2", "", "p.snmprec:2"},
        {"1.3.6.1.2.1.11.1.0|65|10+-1/s", "", "p.snmprec:2"},
        {"1.3.6.1.2.1.11.1.0|65|10+5000000000/s", "", "p.snmprec:2"},
        {"1.3.6.1.2.1.11.1.0|65|+1/s", "", "p.snmprec:2"},
        {"1.3.6.1.2.1.11.1.0|66|10+1/s", "", "p.snmprec:2"},  // a gauge does not count on
        {"1.3.6.1.2.1.11.1.0|2|10+1/s", "", "p.snmprec:2"},
        {ok, column + "3 ro", "p.rules:1"},  // read-only needs a value
        {ok, column + "3 ro init=2", "p.rules:1"},
        {ok, column + "3 rw type=2 init=4:text", "p.rules:1"},  // not the column's type
        {ok, column + "3 ro init=65:1+1/s", "p.rules:1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.profileLine + " / " + c.rulesLine);
        const std::string profile =
            dir.write("p.snmprec", "1.3.6.1.2.1.1.1.0|4|x\n" + c.profileLine + "\n");
        fs::remove(fs::path(profile).replace_extension(".rules"));
        if (!c.rulesLine.empty()) {
            dir.write("p.rules", c.rulesLine + "\n");
        }
        auto r = runCommand(
            {SimProcess::binaryPath(), "--profile", profile, "--listen", "udp:127.0.0.1:0"},
            std::chrono::seconds(5));
        EXPECT_FALSE(r.timedOut) << "the agent started";
        EXPECT_NE(r.exitCode, 0);
        EXPECT_NE(r.err.find(c.where), std::string::npos) << r.err;
    }
}

// What the windows write, with the ranges of their fields; "" is success.
TEST(SimWrites, SettingsTakeTheRangesOfTheirWindows) {
    for (const char* chassis : {"corvane-a", "corvane-b"}) {
        SCOPED_TRACE(chassis);
        SimProcess sim(chassis);
        ASSERT_TRUE(sim.ready());
        struct Case {
            std::string oid;
            const char* type;
            std::string value;
            const char* error;
        };
        const Case cases[] = {
            {kStp + ".1.1.0", "i", "2", ""},
            {kStp + ".1.1.0", "i", "1", "wrongValue"},
            {kStp + ".1.2.0", "i", "0", ""},
            {kStp + ".1.2.0", "i", "3", "wrongValue"},
            {kStp + ".1.3.0", "i", "600", ""},
            {kStp + ".1.3.0", "i", "4001", "wrongValue"},
            {kStp + ".1.4.0", "i", "100", ""},
            {kStp + ".1.4.0", "i", "201", "wrongValue"},
            {kStp + ".1.5.0", "i", "3000", ""},
            {kStp + ".1.5.0", "i", "399", "wrongValue"},
            {kStp + ".1.6.0", "i", "40", ""},
            {kStp + ".1.6.0", "i", "65536", "wrongValue"},
            {kStp + ".1.7.0", "i", "10", ""},
            {kStp + ".1.7.0", "i", "0", "wrongValue"},
            {kInstance + ".12.1", "i", "61440", ""},
            {kInstance + ".12.1", "i", "61441", "wrongValue"},
            {kInstance + ".3.1", "x", std::string(126, '0') + "e0", ""},
            {kInstance + ".3.1", "x", "e0", "wrongLength"},
            {kInstance + ".10.1", "i", "0", "notWritable"},
            {kStpPort + ".2.5", "i", "100", ""},
            {kStpPort + ".4.5", "i", "2", ""},
            {kStpPort + ".5.5", "i", "200000000", ""},
            {kStpPort + ".7.5", "i", "2", "wrongValue"},
            {kStpPort + ".9.5", "i", "0", ""},
            {kStpPort + ".14.5", "i", "1", ""},
            {kStpPort + ".8.5", "i", "1", "notWritable"},
            {"1.3.6.1.2.1.17.7.1.4.5.1.1.5", "u", "4095", "wrongValue"},
            {"1.3.6.1.2.1.17.7.1.4.5.1.2.5", "i", "2", ""},
            {"1.3.6.1.2.1.17.7.1.4.5.1.7.5", "i", "1", ""},
            {kLldp + ".1.1.0", "i", "32768", ""},
            {kLldp + ".1.1.0", "i", "4", "wrongValue"},
            {kLldp + ".1.2.0", "i", "11", "wrongValue"},
            {kLldp + ".1.4.0", "i", "8192", ""},
            {kLldp + ".1.6.1.2.5", "i", "4", ""},
            {kLldp + ".1.6.1.4.5", "x", "40", ""},
            {kLldp + ".1.6.1.4.5", "x", "4000", "wrongLength"},
            {kLldp + ".5.4623.1.1.1.1.1.5", "x", "00", ""},
            {kLldp + ".5.4795.1.1.2.1.2.5", "x", "c0", ""},
            {kLldp + ".5.4795.1.1.2.1.1.5", "x", "c0", "notWritable"},
            {kLldp + ".5.32962.1.1.4.1.1.0.0", "i", "1", "noCreation"},  // no such row
            {"1.3.6.1.2.1.2.2.1.7.4001", "i", "2", ""},
            {"1.3.6.1.2.1.1.6.0", "s", "Rack 12", ""},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.oid + " " + c.value);
            auto r = snmp(sim, "snmpset", kWrite, {c.oid, c.type, c.value});
            if (*c.error) {
                EXPECT_NE(r.err.find(c.error), std::string::npos) << r.out << r.err;
                continue;
            }
            EXPECT_EQ(r.exitCode, 0) << r.err;
            const bool hex = *c.type == 'x';
            std::string shown = get(sim, c.oid, hex);
            std::string expect = c.value;
            if (hex) {
                for (char& ch : expect)
                    ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            }
            if (*c.type == 's') {
                expect = "\"" + expect + "\"";
            }
            EXPECT_EQ(shown, expect);
        }
    }
}

TEST(SimWrites, InstanceAndProtocolGroupRowsComeAndGo) {
    SimProcess sim("corvane-b");
    ASSERT_TRUE(sim.ready());
    const std::string vlans9to11 = "00E0" + std::string(124, '0');
    struct Case {
        const char* what;
        std::vector<std::string> create;  // OID TYPE VALUE ..., the row status last
        std::string entry, row;           // table entry and row index
        int statusColumn;
        std::map<int, std::string> shown;  // columns of the new row: value, "" only present
    };
    const Case cases[] = {
        {"MSTP instance",
         {kInstance + ".2.7", "x", vlans9to11, kInstance + ".12.7", "i", "4096",
          kInstance + ".24.7", "i", "4"},
         kInstance,
         "7",
         24,
         {{2, ""}, {3, ""}, {9, ""}, {10, "1"}, {12, "4096"}, {13, ""}, {21, "0"}, {23, "20"}}},
        {"protocol group",
         {kProtocolGroup + ".3.1.2.136.142", "i", "5", kProtocolGroup + ".4.1.2.136.142", "i", "4"},
         kProtocolGroup,
         "1.2.136.142",
         4,
         {{3, "5"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string status = c.entry + "." + std::to_string(c.statusColumn) + "." + c.row;
        auto r = snmp(sim, "snmpset", kWrite, c.create);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(get(sim, status), "1");
        // Every column of a new row is there, so a walk of the table keeps its rows in step.
        for (const auto& [column, value] : c.shown) {
            const std::string oid = c.entry + "." + std::to_string(column) + "." + c.row;
            auto walk =
                parse(snmp(sim, "snmpwalk", kRead, {c.entry + "." + std::to_string(column)}).out);
            ASSERT_EQ(walk.count(oid), 1u) << oid;
            if (!value.empty()) {
                EXPECT_EQ(walk[oid], value) << oid;
            }
        }

        r = snmp(sim, "snmpset", kWrite, {status, "i", "4"});
        EXPECT_NE(r.err.find("inconsistentValue"), std::string::npos) << r.err;
        r = snmp(sim, "snmpset", kWrite, {status, "i", "6"});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        for (const auto& [column, value] : c.shown) {
            const std::string oid = c.entry + "." + std::to_string(column) + "." + c.row;
            EXPECT_NE(get(sim, oid).find("No Such Instance"), std::string::npos) << oid;
        }
        EXPECT_NE(get(sim, status).find("No Such Instance"), std::string::npos);
    }
}

// --- The profiles themselves -----------------------------------------------------------------

struct ProfileFile {
    std::map<std::string, std::string> values;  // OID -> TYPE|VALUE
    std::vector<std::pair<int, int>> ports;     // (slot, port) of every LED, in LED order

    explicit ProfileFile(const std::string& name) {
        std::ifstream in(SimProcess::profilePath(name));
        const std::string led = "1.3.6.1.4.1.32473.10.120.100.1.2.6.1.1.2.";
        for (std::string line; std::getline(in, line);) {
            size_t bar = line.find('|');
            values[line.substr(0, bar)] = line.substr(bar + 1);
            if (line.rfind(led, 0) == 0) {
                size_t slash = line.find('/');
                ports.emplace_back(std::stoi(line.substr(line.rfind("Prt") + 3)),
                                   std::stoi(line.substr(slash + 1)));
            }
        }
    }
    // Distinct values of a column's instances.
    std::set<std::string> column(const std::string& oid) const {
        std::set<std::string> out;
        for (auto it = values.lower_bound(oid + "."); it != values.end(); ++it) {
            if (it->first.rfind(oid + ".", 0) != 0)
                break;
            out.insert(it->second);
        }
        return out;
    }
};

TEST(SimProfiles, EveryPortHasTheRowsOfTheWindows) {
    for (const char* chassis : {"corvane-a", "corvane-b"}) {
        SCOPED_TRACE(chassis);
        ProfileFile p(chassis);
        ASSERT_GE(p.ports.size(), 100u);
        // Columns with one instance per port: by bridge port (numbered in LED order) or by
        // interface index (slot × 1000 + port).
        struct Column {
            std::string oid;
            bool byIfIndex;
        };
        const Column columns[] = {
            {"1.3.6.1.2.1.2.2.1.2", true},
            {"1.3.6.1.2.1.2.2.1.7", true},
            {"1.3.6.1.2.1.10.7.9.1.1", true},
            {"1.3.6.1.2.1.10.7.9.1.2", true},
            {"1.2.840.10006.300.43.1.2.1.1.2", true},
            {"1.2.840.10006.300.43.1.2.1.1.23", true},
            {kStpPort + ".2", false},
            {kStpPort + ".14", false},
            {"1.3.6.1.2.1.17.7.1.4.5.1.1", false},
            {"1.3.6.1.2.1.17.6.1.1.4.1.1", false},
            {kLldp + ".1.6.1.2", false},
            {kLldp + ".1.6.1.4", false},
            {kLldp + ".5.4623.1.1.1.1.1", false},
            {kLldp + ".5.4795.1.1.2.1.2", false},
            {kLldp + ".5.4623.1.2.3.1.1", false},
        };
        for (const auto& col : columns) {
            int missing = 0;
            for (size_t i = 0; i < p.ports.size(); ++i) {
                auto [slot, port] = p.ports[i];
                std::string index =
                    std::to_string(col.byIfIndex ? slot * 1000 + port : static_cast<int>(i) + 1);
                missing += p.values.count(col.oid + "." + index) == 0;
            }
            EXPECT_EQ(missing, 0) << col.oid;
        }
    }
}

TEST(SimProfiles, WindowsSeeVariedData) {
    for (const char* chassis : {"corvane-a", "corvane-b"}) {
        SCOPED_TRACE(chassis);
        ProfileFile p(chassis);
        struct Case {
            std::string column;
            size_t atLeast;  // distinct values
        };
        const Case cases[] = {
            {"1.3.6.1.2.1.17.6.1.1.4.1.1", 5},       // port capabilities
            {"1.2.840.10006.300.43.1.2.1.1.21", 4},  // actor operational state
            {"1.2.840.10006.300.43.1.2.1.1.23", 3},  // partner operational state
            {"1.3.6.1.2.1.10.7.9.1.1", 2},           // pause supported or not
            {"1.3.6.1.2.1.17.7.1.4.5.1.2", 2},       // acceptable frame types
            {kStpPort + ".7", 2},                    // admin edge
            {kLldp + ".1.6.1.2", 3},                 // LLDP admin status
            {kLldp + ".1.6.1.4", 5},                 // basic TLVs
            {kLldp + ".4.1.1.11", 4},                // neighbours' capabilities
            {kLldp + ".5.4623.1.3.3.1.1", 3},        // neighbours' aggregation
            {kLldp + ".5.4795.1.3.1.1.1", 3},        // MED capabilities
            {kProtocolGroup + ".3", 3},              // group IDs
            {kInstance + ".2", 3},                   // VLANs 1-512 of the instances
        };
        for (const auto& c : cases)
            EXPECT_GE(p.column(c.column).size(), c.atLeast) << c.column;

        // The SNMP group counts on, one counter above 2147483647.
        int growing = 0, big = 0;
        for (const auto& [oid, value] : p.values) {
            if (oid.rfind("1.3.6.1.2.1.11.", 0) != 0 || value.rfind("65|", 0) != 0)
                continue;
            growing += value.find("/s") != std::string::npos;
            big += std::stoull(value.substr(3)) > 2147483647ull;
        }
        EXPECT_GE(growing, 10);
        EXPECT_GE(big, 1);
        // Capability octets of the windows' maps: 14 is Bridge and Router.
        EXPECT_TRUE(p.column(kLldp + ".4.1.1.11").count("4x|14"));
        EXPECT_TRUE(p.column(kLldp + ".4.1.1.11").count("4x|03"));
    }
}

}  // namespace
}  // namespace corvane::test
