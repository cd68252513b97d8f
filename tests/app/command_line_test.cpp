// Command-line parsing into the default target and the kept switch texts.
#include <gtest/gtest.h>

#include "command_line.h"
#include "snmp_types.h"

namespace {

struct Parsed {
    NmSNMPDevice device;
    NmSNMPScope scope;
    NmSNMPSecurity security;
    LaunchParameters kept;
};

// Parses from the start-up defaults, as the main window does.
Parsed parse(const std::vector<std::string>& args) {
    ResetDefaultTarget();
    Parsed p;
    ParseCommandLine(args, p.kept);
    p.device = DefaultDevice;
    p.scope = DefaultScope;
    p.security = DefaultSecurity;
    return p;
}

}  // namespace

TEST(CommandLine, SwitchOrderAndVersionGate) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::function<void(const Parsed&)> check;
    } cases[] = {
        {"port after /v3",
         {"/v3", "/t1161", "/nadmin"},
         [](const Parsed& p) {
             EXPECT_EQ(p.device.Port, 1161);
             EXPECT_EQ(p.security.SecurityName, "admin");
             EXPECT_EQ(p.kept.Port, "1161");
         }},
        {"port before /v3 ignored",
         {"/t1161", "/v3", "/nadmin"},
         [](const Parsed& p) {
             EXPECT_EQ(p.device.Port, 161);
             EXPECT_EQ(p.kept.Port, "");
             EXPECT_EQ(p.security.SecurityName, "admin");
         }},
        {"port needs version 3",
         {"/v1", "/t1161", "/nadmin"},
         [](const Parsed& p) {
             EXPECT_EQ(p.device.Port, 161);
             EXPECT_EQ(p.security.SecurityName, "");
             EXPECT_EQ(p.security.Version, 1);
         }},
        {"switch anywhere in the argument",
         {"/Mabc/Ixyz"},
         [](const Parsed& p) {
             EXPECT_EQ(p.device.Address, "xyz");
             EXPECT_EQ(DeviceAddress, "xyz");
             EXPECT_EQ(p.kept.Address, "xyz");
         }},
        {"/I is tested before /R",
         {"/Rpublic/I10.0.0.1"},
         [](const Parsed& p) {
             EXPECT_EQ(p.device.Address, "10.0.0.1");
             EXPECT_EQ(p.security.ReadCommunity, "meadow");
         }},
        {"empty /R and last one wins",
         {"/R"},
         [](const Parsed& p) { EXPECT_EQ(p.security.ReadCommunity, ""); }},
        {"repeated /R",
         {"/Rone", "/Rtwo"},
         [](const Parsed& p) {
             EXPECT_EQ(p.security.ReadCommunity, "two");
             EXPECT_EQ(p.kept.ReadCommunity, "two");
         }},
        {"protocol 0 kept, level 0 not kept",
         {"/v3", "/a0", "/l0"},
         [](const Parsed& p) {
             EXPECT_EQ(p.security.AuthProtocol, 0);
             EXPECT_EQ(p.kept.AuthProtocol, "0");
             EXPECT_EQ(p.security.SecurityLevel, 0);
             EXPECT_EQ(p.kept.SecurityLevel, "");
         }},
        {"high port",
         {"/v3", "/t40000"},
         [](const Parsed& p) {
             EXPECT_EQ(p.device.Port, 40000);
             EXPECT_EQ(p.kept.Port, "40000");
         }},
        {"port keeps the low 16 bits",
         {"/v3", "/t65537"},
         [](const Parsed& p) {
             EXPECT_EQ(p.device.Port, 1);
             EXPECT_EQ(p.kept.Port, "1");
         }},
        {"version keeps the low 8 bits and opens v3",
         {"/v259", "/nadmin"},
         [](const Parsed& p) {
             EXPECT_EQ(p.security.Version, 3);
             EXPECT_EQ(p.kept.Version, "259");
             EXPECT_EQ(p.security.SecurityName, "admin");
         }},
        {"empty texts are stored but not kept",
         {"/v3", "/c", "/A", "/P", "/d"},
         [](const Parsed& p) {
             EXPECT_EQ(p.kept.ContextName, "");
             EXPECT_EQ(p.kept.AuthPassword, "");
             EXPECT_EQ(p.kept.PrivPassword, "");
             EXPECT_EQ(p.scope.ContextEngineID, "");
         }},
        {"every v3 switch",
         {"/v3", "/cctx", "/d8000", "/m3", "/l3", "/nu", "/Aauthpass", "/Pprivpass", "/a5", "/p4",
          "stray", "/x1"},
         [](const Parsed& p) {
             EXPECT_EQ(p.scope.ContextName, "ctx");
             EXPECT_EQ(p.scope.ContextEngineID, "8000");
             EXPECT_EQ(p.security.SecurityModel, 3);
             EXPECT_EQ(p.security.SecurityLevel, 3);
             EXPECT_EQ(p.security.AuthPassword, "authpass");
             EXPECT_EQ(p.security.PrivPassword, "privpass");
             EXPECT_EQ(p.security.AuthProtocol, 5);
             EXPECT_EQ(p.security.PrivProtocol, 4);
             EXPECT_EQ(p.kept.SecurityLevel, "3");
             EXPECT_EQ(p.kept.PrivProtocol, "4");
         }},
        {"case matters: /a and /A differ",
         {"/v3", "/Asecret1"},
         [](const Parsed& p) {
             EXPECT_EQ(p.security.AuthPassword, "secret1");
             EXPECT_EQ(p.security.AuthProtocol, 1);
         }},
        {"no /I keeps the loopback default",
         {"/v1"},
         [](const Parsed& p) { EXPECT_EQ(p.device.Address, "127.0.0.1"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.check(parse(c.args));
    }
}

TEST(CommandLine, MaxRepetitionsSetsTheWalkKind) {
    EXPECT_EQ((parse({"/v1"}), DefaultMaxRepetitions), -1);  // chosen per walk
    const Parsed p = parse({"/I192.0.2.1", "--max-repetitions", "0", "/v1"});
    EXPECT_EQ(DefaultMaxRepetitions, 0);
    EXPECT_EQ(p.security.Version, 1);
    EXPECT_EQ(p.device.Address, "192.0.2.1");
    parse({"--max-repetitions", "25"});
    EXPECT_EQ(DefaultMaxRepetitions, 25);
    // The value is not read as a switch of its own.
    EXPECT_EQ((parse({"--max-repetitions", "7", "/Ix"}), DefaultMaxRepetitions), 7);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--max-repetitions"},
                                                 {"--max-repetitions", "-1"},
                                                 {"--max-repetitions", "many"},
                                                 {"--max-repetitions", "1001"},
                                                 {"--max-repetitions", "/v1"}}) {
        EXPECT_THROW(parse(args), CommandLineError) << args.back();
    }
    try {
        parse({"--max-repetitions", "many"});
    } catch (const CommandLineError& e) {
        EXPECT_STREQ(e.what(), "--max-repetitions wants a whole number from 0 to 1000, not 'many'");
    }
    EXPECT_NE(CommandLineHelp().find("--max-repetitions N"), std::string::npos);
    ResetDefaultTarget();
}

TEST(CommandLine, BadNumbersStopStartup) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"/vX"},
                                                 {"/v"},
                                                 {"/v3", "/t"},
                                                 {"/v3", "/l1x"},
                                                 {"/v3", "/m99999999999"}}) {
        EXPECT_THROW(parse(args), CommandLineError) << args.back();
    }
    try {
        parse({"/vX"});
    } catch (const CommandLineError& e) {
        EXPECT_STREQ(e.what(), "'X' is not a valid integer value");
    }
    // Signed values are numbers too.
    EXPECT_EQ(parse({"/v3", "/m-2"}).security.SecurityModel, -2);
}
