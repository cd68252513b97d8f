// corvane-sim seen from the outside, through Net-SNMP's command-line tools.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "sim_process.h"
#include "temp_dir.h"

namespace corvane::test {
namespace {

const std::string kLedTable = "1.3.6.1.4.1.32473.10.120.100.1.2.6";
const std::string kSysDescr = "1.3.6.1.2.1.1.1.0";
const std::string kSysName = "1.3.6.1.2.1.1.5.0";
const std::string kIfAdmin1 = "1.3.6.1.2.1.2.2.1.7.3001";
const std::string kVlanName = "1.3.6.1.2.1.17.7.1.4.3.1.1";
const std::string kVlanStatus = "1.3.6.1.2.1.17.7.1.4.3.1.5";
const std::string kEtherStatsStatus = "1.3.6.1.2.1.16.1.1.1.21";
const std::string kEtherStatsOwner = "1.3.6.1.2.1.16.1.1.1.20";

const std::vector<std::string> kV2Read{"-v2c", "-c", "meadow"};
const std::vector<std::string> kV2Write{"-v2c", "-c", "thistle"};
const std::vector<std::string> kV1Read{"-v1", "-c", "meadow"};
const std::vector<std::string> kV1Write{"-v1", "-c", "thistle"};
const std::vector<std::string> kV3{"-v3", "-l",      "authPriv",    "-u",           "corvane",
                                   "-a",  "SHA-256", "-A",          "corvane-auth", "-x",
                                   "AES", "-X",      "corvane-priv"};

// Runs an SNMP tool against the simulator with one retry and a one-second timeout,
// numeric OIDs and bare values.
CommandResult snmp(const SimProcess& sim, const std::string& tool,
                   const std::vector<std::string>& security, const std::vector<std::string>& args,
                   const std::vector<std::string>& options = {}) {
    std::vector<std::string> argv{tool, "-r", "1", "-t", "1", "-On", "-Oq", "-Oe"};
    argv.insert(argv.end(), options.begin(), options.end());
    argv.insert(argv.end(), security.begin(), security.end());
    argv.push_back(sim.address());
    argv.insert(argv.end(), args.begin(), args.end());
    return runCommand(argv);
}

// "OID VALUE" lines of -On -Oq output, quotes of strings removed.
std::vector<std::pair<std::string, std::string>> parseLines(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> rows;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        size_t sp = line.find(' ');
        std::string oid = line.substr(0, sp);
        std::string value = sp == std::string::npos ? "" : line.substr(sp + 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        if (!oid.empty() && oid[0] == '.') {
            oid.erase(0, 1);
        }
        rows.emplace_back(oid, value);
    }
    return rows;
}

std::string getValue(const SimProcess& sim, const std::string& oid) {
    auto r = snmp(sim, "snmpget", kV2Read, {oid});
    auto rows = parseLines(r.out);
    return rows.size() == 1 ? rows[0].second : "(failed: " + r.err + ")";
}

// The profile's own lines under a prefix, in file order: what a walk must return.
std::vector<std::pair<std::string, std::string>> profileRows(const std::string& prefix) {
    std::vector<std::pair<std::string, std::string>> rows;
    std::ifstream in(SimProcess::profilePath("corvane-b"));
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(prefix + ".", 0) == 0) {
            size_t a = line.find('|'), b = line.find('|', a + 1);
            rows.emplace_back(line.substr(0, a), line.substr(b + 1));
        }
    }
    return rows;
}

class SimAgent : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(sim.ready()) << "corvane-sim did not start"; }
    SimProcess sim;
};

TEST_F(SimAgent, StartsQuicklyAndKeepsSecretsOutOfItsReadyLine) {
    EXPECT_LT(sim.startTime().count(), 1000);
    EXPECT_NE(sim.readyLine().find("profile corvane-b"), std::string::npos) << sim.readyLine();
    for (const char* secret : {"meadow", "thistle", "corvane-auth", "corvane-priv"}) {
        EXPECT_EQ(sim.readyLine().find(secret), std::string::npos) << sim.readyLine();
    }
}

TEST_F(SimAgent, LedTableWalksEveryRowInOrder) {
    auto expected = profileRows(kLedTable);
    ASSERT_GE(expected.size(), 5u * 150u);
    struct Case {
        const char* tool;
        std::vector<std::string> security;
        std::vector<std::string> options;
    };
    const Case cases[] = {
        {"snmpwalk", kV2Read, {"-Cc"}},
        {"snmpbulkwalk", kV2Read, {"-Cr25"}},
        {"snmpwalk", kV1Read, {}},
        {"snmpbulkwalk", kV3, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.tool) + " " + c.security[0]);
        auto r = snmp(sim, c.tool, c.security, {kLedTable}, c.options);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(parseLines(r.out), expected);
    }
}

TEST_F(SimAgent, MissingObjectsGiveTheErrorOfEachVersion) {
    struct Case {
        const char* tool;
        std::vector<std::string> security;
        std::string oid;
        std::string expect;  // in standard output or standard error
    };
    const Case cases[] = {
        {"snmpgetnext", kV1Read, "1.3.111.2.802.1.1.99", "noSuchName"},
        {"snmpget", kV1Read, "1.3.6.1.2.1.1.1.7", "noSuchName"},
        {"snmpgetnext", kV2Read, "1.3.111.2.802.1.1.99", "No more variables left in this MIB View"},
        {"snmpget", kV2Read, "1.3.6.1.2.1.1.1.7", "No Such Instance"},
        {"snmpget", kV2Read, "1.3.6.1.2.1.1.99.0", "No Such Object"},
        {"snmpget", kV3, "1.3.6.1.2.1.1.1.7", "No Such Instance"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.tool) + " " + c.security[0] + " " + c.oid);
        auto r = snmp(sim, c.tool, c.security, {c.oid});
        EXPECT_FALSE(r.timedOut);
        EXPECT_NE((r.out + r.err).find(c.expect), std::string::npos) << r.out << r.err;
    }
}

TEST_F(SimAgent, RejectedSetsChangeNothing) {
    struct Case {
        const char* what;
        std::vector<std::string> security;
        std::vector<std::string> varbinds;  // OID TYPE VALUE ...
        std::string error;
    };
    const Case cases[] = {
        {"read-only object", kV2Write, {kSysDescr, "s", "changed"}, "notWritable"},
        {"read-only object, v1", kV1Write, {kSysDescr, "s", "changed"}, "noSuchName"},
        {"read community", kV2Read, {kSysName, "s", "changed"}, "noAccess"},
        {"wrong type", kV2Write, {kSysName, "i", "5"}, "wrongType"},
        {"out of range", kV2Write, {kIfAdmin1, "i", "7"}, "wrongValue"},
        {"second of two bad",
         kV2Write,
         {kSysName, "s", "changed", kIfAdmin1, "i", "9"},
         "wrongValue"},
        {"first of two bad",
         kV2Write,
         {kIfAdmin1, "i", "9", kSysName, "s", "changed"},
         "wrongValue"},
        {"unknown row, no creation", kV2Write, {kVlanName + ".77", "s", "x"}, "noCreation"},
    };
    const std::string descr = getValue(sim, kSysDescr);
    const std::string name = getValue(sim, kSysName);
    const std::string admin = getValue(sim, kIfAdmin1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto r = snmp(sim, "snmpset", c.security, c.varbinds);
        EXPECT_NE(r.exitCode, 0);
        EXPECT_NE(r.err.find(c.error), std::string::npos) << r.err;
        EXPECT_EQ(getValue(sim, kSysDescr), descr);
        EXPECT_EQ(getValue(sim, kSysName), name);
        EXPECT_EQ(getValue(sim, kIfAdmin1), admin);
    }
    auto ok = snmp(sim, "snmpset", kV2Write, {kSysName, "s", "renamed", kIfAdmin1, "i", "2"});
    EXPECT_EQ(ok.exitCode, 0) << ok.err;
    EXPECT_EQ(getValue(sim, kSysName), "renamed");
    EXPECT_EQ(getValue(sim, kIfAdmin1), "2");
}

TEST_F(SimAgent, RowStatusCreatesAndDestroysRows) {
    struct Case {
        const char* what;
        std::string status;  // row-status column
        std::string other;   // a column set with the creation
        std::string otherType, otherValue;
        std::string create, createdAs, destroy;
    };
    const Case cases[] = {
        {"RowStatus", kVlanStatus + ".99", kVlanName + ".99", "s", "lab", "4", "1", "6"},
        {"EntryStatus", kEtherStatsStatus + ".42", kEtherStatsOwner + ".42", "s", "lab", "2", "3",
         "4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto r = snmp(sim, "snmpset", kV2Write,
                      {c.other, c.otherType, c.otherValue, c.status, "i", c.create});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(getValue(sim, c.status), c.createdAs);
        EXPECT_EQ(getValue(sim, c.other), c.otherValue);

        r = snmp(sim, "snmpset", kV2Write, {c.status, "i", c.create});
        EXPECT_NE(r.err.find("inconsistentValue"), std::string::npos) << r.err;

        r = snmp(sim, "snmpset", kV2Write, {c.status, "i", c.destroy});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_NE(getValue(sim, c.status).find("No Such Instance"), std::string::npos);
        EXPECT_NE(getValue(sim, c.other).find("No Such Instance"), std::string::npos);
    }
}

TEST(SimSecurity, V3UsersNeedTheirPassPhrases) {
    SimProcess sim("corvane-b", {"--v3-user", "corvane:SHA-256:corvane-auth:AES:corvane-priv",
                                 "--v3-user", "legacy:MD5:legacy-auth:DES:legacy-priv"});
    ASSERT_TRUE(sim.ready());
    struct Case {
        std::vector<std::string> security;
        bool answered;
    };
    const Case cases[] = {
        {kV3, true},
        {{"-v3", "-l", "authPriv", "-u", "legacy", "-a", "MD5", "-A", "legacy-auth", "-x", "DES",
          "-X", "legacy-priv"},
         true},
        {{"-v3", "-l", "authPriv", "-u", "corvane", "-a", "SHA-256", "-A", "wrong-phrase", "-x",
          "AES", "-X", "corvane-priv"},
         false},
        {{"-v3", "-l", "authNoPriv", "-u", "nobody", "-a", "SHA-256", "-A", "corvane-auth"}, false},
        {{"-v2c", "-c", "wrong-community"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.security[c.security.size() > 4 ? 4 : 2]);
        auto r = snmp(sim, "snmpget", c.security, {kSysDescr});
        EXPECT_EQ(r.exitCode == 0, c.answered) << r.out << r.err;
        EXPECT_EQ(r.out.find("Corvane-B") != std::string::npos, c.answered) << r.out;
    }
}

TEST(SimFaults, DropEveryNthRequestAndDelayAnswers) {
    {
        SimProcess sim("corvane-b", {"--drop-every", "2"});
        ASSERT_TRUE(sim.ready());
        std::vector<bool> answered;
        for (int i = 0; i < 4; ++i) {
            auto r = runCommand({"snmpget", "-r", "0", "-t", "1", "-v2c", "-c", "meadow",
                                 sim.address(), kSysDescr});
            answered.push_back(r.exitCode == 0);
        }
        EXPECT_EQ(answered, (std::vector<bool>{true, false, true, false}));
    }
    {
        SimProcess sim("corvane-b", {"--delay", "1500"});
        ASSERT_TRUE(sim.ready());
        auto late = runCommand(
            {"snmpget", "-r", "0", "-t", "1", "-v2c", "-c", "meadow", sim.address(), kSysDescr});
        EXPECT_NE(late.exitCode, 0) << late.out;
        auto patient = runCommand(
            {"snmpget", "-r", "0", "-t", "4", "-v2c", "-c", "meadow", sim.address(), kSysDescr});
        EXPECT_EQ(patient.exitCode, 0) << patient.err;
    }
}

// A profile of its own in a temporary folder, removed with it.
class TempProfile {
  public:
    explicit TempProfile(const std::string& content)
        : path_(dir_.write("switch.snmprec", content)) {}
    std::string path() const { return path_; }

  private:
    TempDir dir_;
    std::string path_;
};

const std::string kBigName = "1.3.6.1.2.1.1.5.0";
const std::string kBigLocation = "1.3.6.1.2.1.1.6.0";
const std::string kNames = "1.3.6.1.4.1.32473.99.2.1.2";

std::string nameOf(int row) {
    return "name" + std::to_string(row) + std::string(15, '-');
}

// Five rows of about 40 octets each.
std::string smallTable() {
    std::string rows;
    for (int i = 1; i <= 5; ++i)
        rows += kNames + "." + std::to_string(i) + "|4|" + nameOf(i) + "\n";
    return rows;
}

TEST(SimFaults, ResponsesTooLongForADatagramAreAnsweredNotDropped) {
    // 70,000 octets in one value; two values of 40,000 that fit only one at a time.
    TempProfile profile(kSysDescr + "|4|" + std::string(70000, 'a') + "\n" + kBigName + "|4|" +
                        std::string(40000, 'b') + "\n" + kBigLocation + "|4|" +
                        std::string(40000, 'c') + "\n" + smallTable());
    SimProcess sim(profile.path());
    ASSERT_TRUE(sim.ready());
    for (const auto& security : {kV1Read, kV2Read, kV3}) {
        SCOPED_TRACE(security[0]);
        auto r = snmp(sim, "snmpget", security, {kSysDescr});
        EXPECT_NE(r.exitCode, 0);
        EXPECT_NE(r.err.find("tooBig"), std::string::npos) << r.err << r.out;
    }
    // Get-bulk gets fewer repetitions instead, down to what fits.
    auto bulk = snmp(sim, "snmpbulkget", kV2Read, {"1.3.6.1.2.1.1.4"}, {"-Cr3"});
    EXPECT_EQ(bulk.exitCode, 0) << bulk.err;
    const auto rows = parseLines(bulk.out);
    ASSERT_EQ(rows.size(), 1u) << bulk.out.substr(0, 200);
    EXPECT_EQ(rows[0].first, kBigName);
    EXPECT_EQ(rows[0].second.size(), 40000u);
}

TEST(SimFaults, BulkTooBigAboveTheGivenSize) {
    TempProfile profile(smallTable());
    SimProcess sim(profile.path(), {"--bulk-toobig", "160"});
    ASSERT_TRUE(sim.ready());
    auto small = snmp(sim, "snmpbulkget", kV2Read, {kNames}, {"-Cr2"});
    EXPECT_EQ(small.exitCode, 0) << small.err;
    EXPECT_EQ(parseLines(small.out).size(), 2u);
    for (const auto& security : {kV2Read, kV3}) {
        auto big = snmp(sim, "snmpbulkget", security, {kNames}, {"-Cr5"});
        EXPECT_NE(big.err.find("tooBig"), std::string::npos) << security[0] << big.err << big.out;
    }
    // Get-next answers of the same size are not touched.
    auto next = snmp(sim, "snmpgetnext", kV2Read, {kNames, kNames, kNames, kNames, kNames});
    EXPECT_EQ(next.exitCode, 0) << next.err;
}

TEST(SimFaults, BulkCutEndsAnswersInsideARepetition) {
    TempProfile profile(smallTable());
    SimProcess sim(profile.path(), {"--bulk-cut", "3"});
    ASSERT_TRUE(sim.ready());
    for (const auto& security : {kV2Read, kV3}) {
        auto r = snmp(sim, "snmpbulkget", security, {kNames, kNames + ".2"}, {"-Cr4"});
        std::vector<std::string> oids;
        for (const auto& [oid, value] : parseLines(r.out))
            oids.push_back(oid.substr(kNames.size() + 1));
        EXPECT_EQ(oids, (std::vector<std::string>{"1", "3", "2"})) << security[0] << r.err;
    }
}

TEST(SimFaults, JumpsSendAnswersBackOrRound) {
    TempProfile profile(smallTable());
    {
        // After row 3 the walk goes round to row 1, in get-next and in get-bulk.
        SimProcess sim(profile.path(), {"--jump", kNames + ".4=" + kNames + ".1"});
        ASSERT_TRUE(sim.ready());
        auto next = snmp(sim, "snmpgetnext", kV2Read, {kNames + ".3"});
        EXPECT_EQ(parseLines(next.out),
                  (std::vector<std::pair<std::string, std::string>>{{kNames + ".1", nameOf(1)}}));
        auto bulk = snmp(sim, "snmpbulkget", kV2Read, {kNames}, {"-Cr7"});
        std::vector<std::string> oids;
        for (const auto& [oid, value] : parseLines(bulk.out))
            oids.push_back(oid.substr(kNames.size() + 1));
        EXPECT_EQ(oids, (std::vector<std::string>{"1", "2", "3", "1", "2", "3", "1"}));
        auto walk = snmp(sim, "snmpwalk", kV1Read, {kNames});
        EXPECT_NE(walk.err.find("not increasing"), std::string::npos) << walk.err;
    }
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--jump", kNames + ".4"},
          std::vector<std::string>{"--jump", kNames + ".4=" + kNames + ".9"},
          std::vector<std::string>{"--bulk-toobig", "many"}}) {
        std::vector<std::string> argv{SimProcess::binaryPath(), "--profile", profile.path()};
        argv.insert(argv.end(), bad.begin(), bad.end());
        auto r = runCommand(argv, std::chrono::seconds(5));
        EXPECT_NE(r.exitCode, 0) << bad[1];
        EXPECT_NE(r.err.find(bad[0]), std::string::npos) << r.err;
    }
}

TEST(SimLog, PduLogHasOneLinePerRequest) {
    TempDir dir;
    ASSERT_TRUE(dir.isValid());
    std::string log = dir.path() + "/pdus.log";
    {
        SimProcess sim("corvane-b", {"--log-pdus", log});
        ASSERT_TRUE(sim.ready());
        snmp(sim, "snmpget", kV2Read, {kSysDescr, kSysName});
        snmp(sim, "snmpset", kV2Write, {kSysName, "s", "hello"});
        snmp(sim, "snmpbulkget", kV2Read, {"1.3.6.1.2.1.1"}, {"-Cn0", "-Cr5"});
        EXPECT_EQ(sim.stop(), 0);
    }
    std::ifstream in(log);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        // the request id varies; keep the type and what follows it
        std::istringstream words(line);
        std::string type, id, rest;
        words >> type >> id;
        std::getline(words, rest);
        lines.push_back(type + rest);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"get " + kSysDescr + " " + kSysName,
                                               "set " + kSysName + "=4:hello",
                                               "getbulk nr=0 mr=5 1.3.6.1.2.1.1"}));
}

}  // namespace
}  // namespace corvane::test
