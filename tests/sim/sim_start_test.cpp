// corvane-sim at start: what it cannot serve is refused with a message naming the line or
// option; what it accepts it answers.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sim_process.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace corvane::test {
namespace {

const std::string kSysDescr = "1.3.6.1.2.1.1.1.0";
const std::string kSysName = "1.3.6.1.2.1.1.5.0";

using corvane::test::TempDir;

const char* const kGoodProfile =
    "1.3.6.1.2.1.1.1.0|4|hand-written\n"
    "1.3.6.1.2.1.1.2.0|6|1.3.6.1.4.1.32473.10.120.2\n"
    "1.3.6.1.2.1.1.5.0|4|lab\n";

TEST(SimStart, RefusesWhatItCannotServe) {
    TempDir dir;
    const std::string good = dir.write("good.snmprec", kGoodProfile);
    fs::create_directory(dir.path() + "/folder.rules");
    struct Case {
        const char* what;
        std::string profile;  // file contents; empty: the good profile
        std::string rules;    // file contents of the profile's .rules; empty: none
        std::vector<std::string> args;
        std::vector<std::string> expect;  // all in standard error
    };
    const Case cases[] = {
        {"profile is a folder", "", "", {"--profile", dir.path()}, {dir.path(), "folder"}},
        {"profile without objects", "# nothing\n\n", "", {}, {"p.snmprec", "no objects"}},
        {"OID value with first arc above 2",
         "1.3.6.1.2.1.1.1.0|4|x\n1.3.6.1.2.1.1.2.0|6|7.7.7\n",
         "",
         {},
         {"p.snmprec:2:", "7.7.7", "first arc"}},
        {"OID value with second arc 40 under 1",
         "1.3.6.1.2.1.1.2.0|6|1.45.3\n",
         "",
         {},
         {"p.snmprec:1:", "1.45.3", "second arc"}},
        {"object outside iso",
         "1.3.6.1.2.1.1.1.0|4|x\n7.7.7|2|1\n",
         "",
         {},
         {"p.snmprec:2:", "7.7.7"}},
        {"object with second arc 45", "1.45.1|2|5\n", "", {}, {"p.snmprec:1:", "1.45.1"}},
        {"rule without type and nothing to take it from",
         kGoodProfile,
         "1.3.6.1.2.1.1.5 rw\n1.3.6.1.2.1.1.6 rw size=0..10\n",
         {},
         {"p.rules:2:", "1.3.6.1.2.1.1.6", "type="}},
        {"rule OID that cannot be encoded",
         kGoodProfile,
         "# comment\n1.45.1 rw type=2\n",
         {},
         {"p.rules:2:", "1.45.1"}},
        {"rules path is a folder",
         kGoodProfile,
         "",
         {"--rules", dir.path() + "/folder.rules"},
         {"folder.rules", "folder"}},
        {"negative delay", "", "", {"--delay", "-1"}, {"--delay", "'-1'"}},
        {"delay that is no number", "", "", {"--delay", "abc"}, {"--delay", "'abc'"}},
        {"huge delay", "", "", {"--delay", "99999999999999999999"}, {"--delay", "600000"}},
        {"delay above ten minutes", "", "", {"--delay", "600001"}, {"--delay", "600000"}},
        {"negative drop count", "", "", {"--drop-every", "-3"}, {"--drop-every"}},
        {"TCP listener", "", "", {"--listen", "tcp:127.0.0.1:0"}, {"tcp:127.0.0.1:0", "UDP"}},
        {"several listeners",
         "",
         "",
         {"--listen", "udp:127.0.0.1:0,udp:127.0.0.2:0"},
         {"--listen", "one"}},
        {"community with a control character",
         "",
         "",
         {"--community", "rea\td/thistle"},
         {"--community", "read community", "control character"}},
        {"community too long",
         "",
         "",
         {"--community", "meadow/" + std::string(300, 'w')},
         {"--community", "write community", "longer"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> argv{SimProcess::binaryPath()};
        bool ownProfile = false;
        for (const auto& a : c.args) {
            ownProfile = ownProfile || a == "--profile";
        }
        if (!ownProfile) {
            std::string profile = c.profile.empty() ? good : dir.write("p.snmprec", c.profile);
            std::error_code ec;
            fs::remove(dir.path() + "/p.rules", ec);
            if (!c.rules.empty()) {
                dir.write("p.rules", c.rules);
            }
            argv.insert(argv.end(), {"--profile", profile});
        }
        argv.insert(argv.end(), {"--listen", "udp:127.0.0.1:0"});
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        auto r = runCommand(argv, std::chrono::seconds(5));
        EXPECT_FALSE(r.timedOut) << "started: " << r.out;
        EXPECT_NE(r.exitCode, 0);
        EXPECT_EQ(r.out.find("ready"), std::string::npos) << r.out;
        for (const auto& text : c.expect) {
            EXPECT_NE(r.err.find(text), std::string::npos) << text << " not in: " << r.err;
        }
        // No community ever appears in a message.
        EXPECT_EQ(r.err.find("rea\td"), std::string::npos);
        EXPECT_EQ(r.err.find("wwwwwwww"), std::string::npos);
    }
}

TEST(SimStart, AnswersCommunitiesAndUsersWithBlanksAndQuotes) {
    struct Case {
        std::string read, write;
    };
    const Case cases[] = {
        {"public area", "it's \"rw\""},
        {"back\\slash", "#not a comment"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.read + " / " + c.write);
        SimProcess sim("corvane-b", {"--community", c.read + "/" + c.write, "--v3-user",
                                     "ops team:SHA:pass phrase one:AES:pass phrase two"});
        ASSERT_TRUE(sim.ready());
        auto get = runCommand({"snmpget", "-r", "0", "-t", "2", "-Oqv", "-v2c", "-c", c.read,
                               sim.address(), kSysDescr});
        EXPECT_NE(get.out.find("Corvane-B"), std::string::npos) << get.out << get.err;
        auto set = runCommand({"snmpset", "-r", "0", "-t", "2", "-Oqv", "-v2c", "-c", c.write,
                               sim.address(), kSysName, "s", "renamed"});
        EXPECT_EQ(set.exitCode, 0) << set.err;
        auto v3 = runCommand({"snmpget",
                              "-r",
                              "0",
                              "-t",
                              "2",
                              "-Oqv",
                              "-v3",
                              "-l",
                              "authPriv",
                              "-u",
                              "ops team",
                              "-a",
                              "SHA",
                              "-A",
                              "pass phrase one",
                              "-x",
                              "AES",
                              "-X",
                              "pass phrase two",
                              sim.address(),
                              kSysName});
        EXPECT_NE(v3.out.find("renamed"), std::string::npos) << v3.out << v3.err;
    }
}

TEST(SimStart, RuleWithoutTypeTakesTheProfilesType) {
    TempDir dir;
    const std::string entry = "1.3.6.1.4.1.32473.99.1.1";
    const std::string profile = dir.write(
        "p.snmprec", std::string(kGoodProfile) + entry + ".2.1|4|row-1\n" + entry + ".5.1|2|1\n");
    dir.write("p.rules", "1.3.6.1.2.1.1.5 rw\n" + entry + ".2 rw\n" + entry + ".5 rowstatus\n");
    SimProcess sim(profile);
    ASSERT_TRUE(sim.ready()) << "refused rules whose objects are in the profile";
    struct Case {
        std::vector<std::string> varbinds;  // OID TYPE VALUE ...
        bool taken;
    };
    // I, U, F and D travel wrapped in Opaque.
    const Case cases[] = {
        {{kSysName, "I", "5"}, false},
        {{kSysName, "U", "5"}, false},
        {{kSysName, "F", "1.5"}, false},
        {{kSysName, "D", "2.5"}, false},
        {{kSysName, "i", "5"}, false},
        {{kSysName, "s", "bench"}, true},
        {{entry + ".2.7", "I", "5", entry + ".5.7", "i", "4"}, false},
        {{entry + ".2.7", "i", "5", entry + ".5.7", "i", "4"}, false},
        {{entry + ".2.7", "s", "row-7", entry + ".5.7", "i", "4"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.varbinds[0] + " " + c.varbinds[1]);
        std::vector<std::string> argv{"snmpset", "-r", "0",       "-t",         "2",
                                      "-v2c",    "-c", "thistle", sim.address()};
        argv.insert(argv.end(), c.varbinds.begin(), c.varbinds.end());
        auto set = runCommand(argv);
        EXPECT_EQ(set.exitCode == 0, c.taken) << set.out << set.err;
        if (!c.taken) {
            EXPECT_NE(set.err.find("wrongType"), std::string::npos) << set.err;
        }
    }
    // Every cell reads back, as a string.
    auto walk = runCommand({"snmpwalk", "-r", "0", "-t", "2", "-v2c", "-On", "-c", "meadow",
                            sim.address(), "1.3.6.1"});
    EXPECT_EQ(walk.exitCode, 0) << walk.err;
    EXPECT_NE(walk.out.find(kSysName + " = STRING: \"bench\""), std::string::npos) << walk.out;
    EXPECT_NE(walk.out.find(entry + ".2.7 = STRING: \"row-7\""), std::string::npos) << walk.out;
    EXPECT_EQ(walk.out.find("Error"), std::string::npos) << walk.out;
}

}  // namespace
}  // namespace corvane::test
