// hostile-agent seen through Net-SNMP's command-line tools and raw datagrams: the normal mode
// serves the profile, each fault mode shows its fault.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "hostile_agent_process.h"
#include "hostile_ber.h"
#include "sim_process.h"

namespace corvane::test {
namespace {

const std::string kLedName = "1.3.6.1.4.1.32473.10.120.100.1.2.6.1.1.2";
const std::string kSystem = "1.3.6.1.2.1.1";
const std::string kSysDescr = "1.3.6.1.2.1.1.1.0";
const std::string kSysUpTime = "1.3.6.1.2.1.1.3.0";
const std::string kSysContact = "1.3.6.1.2.1.1.4.0";
const std::string kSysName = "1.3.6.1.2.1.1.5.0";

// Runs a Net-SNMP tool against the agent: no retry, a one-second timeout, numeric OIDs.
CommandResult tool(const HostileAgentProcess& agent, const std::string& name,
                   const std::string& version, const std::vector<std::string>& args,
                   const std::vector<std::string>& options = {}) {
    std::vector<std::string> argv{name,  "-r",  "0",     "-t", "1",     "-On",
                                  "-Oq", "-Oe", version, "-c", "meadow"};
    argv.insert(argv.end(), options.begin(), options.end());
    argv.push_back(agent.address());
    argv.insert(argv.end(), args.begin(), args.end());
    return runCommand(argv, std::chrono::seconds(10));
}

// The OIDs of -On -Oq output lines, without the leading dot.
std::vector<std::string> oidsOf(const std::string& out) {
    std::vector<std::string> oids;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        std::string oid = line.substr(0, line.find(' '));
        oids.push_back(oid.size() > 1 && oid[0] == '.' ? oid.substr(1) : oid);
    }
    return oids;
}

// The profile's OIDs under a prefix, in order.
std::vector<std::string> profileOids(const std::string& prefix, size_t max = SIZE_MAX) {
    std::vector<std::string> oids;
    std::ifstream in(HostileAgentProcess::profilePath("corvane-b"));
    for (std::string line; std::getline(in, line) && oids.size() < max;) {
        if (line.rfind(prefix + ".", 0) == 0) {
            oids.push_back(line.substr(0, line.find('|')));
        }
    }
    return oids;
}

std::string row(int n) {
    return kLedName + "." + std::to_string(n);
}

TEST(HostileAgent, NormalModeServesTheProfile) {
    HostileAgentProcess agent("normal");
    ASSERT_TRUE(agent.ready()) << agent.errorOutput();
    EXPECT_NE(agent.readyLine().find("mode normal"), std::string::npos) << agent.readyLine();

    const auto leds = profileOids(kLedName);
    ASSERT_GE(leds.size(), 100u);
    auto walk = tool(agent, "snmpwalk", "-v2c", {kLedName});
    EXPECT_EQ(walk.exitCode, 0) << walk.err;
    EXPECT_EQ(oidsOf(walk.out), leds);
    auto bulk = tool(agent, "snmpbulkwalk", "-v2c", {kLedName}, {"-Cr25"});
    EXPECT_EQ(bulk.exitCode, 0) << bulk.err;
    EXPECT_EQ(oidsOf(bulk.out), leds);
    auto v1 = tool(agent, "snmpwalk", "-v1", {kSystem});
    EXPECT_EQ(v1.exitCode, 0) << v1.err;
    EXPECT_EQ(oidsOf(v1.out), profileOids(kSystem));

    struct Case {
        std::string tool, version, oid, expect;
    };
    const Case cases[] = {
        {"snmpget", "-v2c", "1.3.6.1.2.1.1.1.7", "No Such Instance"},
        {"snmpget", "-v2c", "1.3.6.1.2.1.1.99.0", "No Such Object"},
        {"snmpget", "-v1", "1.3.6.1.2.1.1.1.7", "noSuchName"},
        {"snmpgetnext", "-v2c", "1.9", "No more variables"},
        {"snmpgetnext", "-v1", "1.9", "noSuchName"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tool + " " + c.version + " " + c.oid);
        auto r = tool(agent, c.tool, c.version, {c.oid});
        EXPECT_FALSE(r.timedOut);
        EXPECT_NE((r.out + r.err).find(c.expect), std::string::npos) << r.out << r.err;
    }
    auto set = runCommand({"snmpset", "-r", "0", "-t", "1", "-v2c", "-c", "thistle",
                           agent.address(), kSysName, "s", "changed"});
    EXPECT_NE(set.err.find("notWritable"), std::string::npos) << set.err;

    // Every request is logged, none as a fault.
    const auto log = agent.requests();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().rfind(std::to_string(log.size()) + " set ", 0), 0u) << log.back();
    EXPECT_EQ(agent.faultCount(), 0u);
}

TEST(HostileAgent, EachModeShowsItsFault) {
    struct Case {
        const char* mode;
        std::vector<std::string> options;
        std::string tool, version;
        std::vector<std::string> args;
        std::function<void(const CommandResult&, const HostileAgentProcess&)> check;
    };
    const std::vector<std::string> threeScalars{kSysDescr, kSysUpTime, kSysName};
    const Case cases[] = {
        {"cycle",
         {"--oid", kLedName, "--rows", "5"},
         "snmpwalk",
         "-v2c",
         {kLedName},
         [](const CommandResult& r, const HostileAgentProcess& a) {
             EXPECT_EQ(oidsOf(r.out),
                       (std::vector<std::string>{row(1), row(2), row(3), row(4), row(5), row(1)}));
             EXPECT_NE(r.err.find("OID not increasing"), std::string::npos) << r.err;
             EXPECT_EQ(a.faultCount(), 1u);
         }},
        {"backwards",
         {"--oid", kLedName, "--rows", "3"},
         "snmpwalk",
         "-v1",
         {kLedName},
         [](const CommandResult& r, const HostileAgentProcess&) {
             EXPECT_EQ(oidsOf(r.out), (std::vector<std::string>{row(1), row(2), row(3), row(2)}));
             EXPECT_NE(r.err.find("OID not increasing"), std::string::npos) << r.err;
         }},
        {"cycle in get-bulk",
         {"--oid", kLedName, "--rows", "2"},
         "snmpbulkget",
         "-v2c",
         {kLedName},
         [](const CommandResult& r, const HostileAgentProcess&) {
             EXPECT_EQ(oidsOf(r.out), (std::vector<std::string>{row(1), row(2), row(1), row(2)}));
         }},
        {"fewer",
         {},
         "snmpget",
         "-v2c",
         threeScalars,
         [](const CommandResult& r, const HostileAgentProcess& a) {
             EXPECT_EQ(oidsOf(r.out), (std::vector<std::string>{kSysDescr}));
             EXPECT_EQ(a.faultCount(), 1u);
         }},
        {"more",
         {"--extra", "2"},
         "snmpget",
         "-v1",
         {kSysUpTime},
         [](const CommandResult& r, const HostileAgentProcess&) {
             EXPECT_EQ(oidsOf(r.out),
                       (std::vector<std::string>{kSysUpTime, kSysContact, kSysName}));
         }},
        {"wrong-id",
         {},
         "snmpget",
         "-v2c",
         {kSysUpTime},
         [](const CommandResult& r, const HostileAgentProcess& a) {
             EXPECT_NE(r.err.find("Timeout"), std::string::npos) << r.out << r.err;
             EXPECT_EQ(a.requestCount(), 1u);
             EXPECT_EQ(a.faultCount(), 1u);
         }},
        {"error-status",
         {"--oid", kLedName, "--from", "3"},
         "snmpwalk",
         "-v2c",
         {kLedName},
         [](const CommandResult& r, const HostileAgentProcess& a) {
             // get-next of the column, of row 1, then of row 2 fails
             EXPECT_EQ(oidsOf(r.out), (std::vector<std::string>{row(1), row(2)}));
             EXPECT_NE(r.err.find("genError"), std::string::npos) << r.err;
             EXPECT_EQ(a.faultCount(), 1u);
         }},
        {"error-status",
         {"--oid", kLedName},
         "snmpget",
         "-v2c",
         {kSysDescr},
         [](const CommandResult& r, const HostileAgentProcess& a) {
             EXPECT_EQ(r.exitCode, 0) << "a request outside --oid is answered: " << r.err;
             EXPECT_EQ(a.faultCount(), 0u);
         }},
        {"error-status",
         {"--status", "2", "--index", "1"},
         "snmpget",
         "-v1",
         {kSysDescr},
         [](const CommandResult& r, const HostileAgentProcess&) {
             EXPECT_NE(r.err.find("noSuchName"), std::string::npos) << r.err;
         }},
        {"truncate",
         {},
         "snmpget",
         "-v2c",
         {kSysDescr},
         [](const CommandResult& r, const HostileAgentProcess& a) {
             EXPECT_NE(r.err.find("Timeout"), std::string::npos) << r.out << r.err;
             EXPECT_EQ(a.faultCount(), 1u);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " with " + c.tool + " " + c.version);
        std::string mode = c.mode;
        mode = mode.substr(0, mode.find(' '));
        HostileAgentProcess agent(mode, c.options);
        ASSERT_TRUE(agent.ready()) << agent.errorOutput();
        std::vector<std::string> options;
        if (c.tool == "snmpbulkget") {
            options = {"-Cn0", "-Cr4"};
        }
        auto r = tool(agent, c.tool, c.version, c.args, options);
        EXPECT_FALSE(r.timedOut);
        c.check(r, agent);
    }
}

TEST(HostileAgent, SilenceAfterSomeRequestsAndAPause) {
    HostileAgentProcess agent("silence", {"--from", "3", "--times", "2"});
    ASSERT_TRUE(agent.ready()) << agent.errorOutput();
    std::vector<bool> answered;
    for (int i = 0; i < 5; ++i) {
        answered.push_back(tool(agent, "snmpget", "-v2c", {kSysUpTime}).exitCode == 0);
    }
    EXPECT_EQ(answered, (std::vector<bool>{true, true, false, false, true}));
    EXPECT_EQ(agent.requestCount(), 5u);
    EXPECT_EQ(agent.faultCount(), 2u);
}

TEST(HostileAgent, DelayMakesEveryAnswerLate) {
    HostileAgentProcess agent("normal", {"--delay", "1200"});
    ASSERT_TRUE(agent.ready()) << agent.errorOutput();
    auto late = runCommand(
        {"snmpget", "-r", "0", "-t", "1", "-v2c", "-c", "meadow", agent.address(), kSysUpTime});
    EXPECT_NE(late.err.find("Timeout"), std::string::npos) << late.out << late.err;
    auto patient = runCommand(
        {"snmpget", "-r", "0", "-t", "3", "-v2c", "-c", "meadow", agent.address(), kSysUpTime});
    EXPECT_EQ(patient.exitCode, 0) << patient.err;
}

// Sends one datagram to the agent and returns what comes back within ms (empty: nothing).
std::string roundTrip(const HostileAgentProcess& agent, const std::string& datagram, int ms = 500) {
    int sock = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    to.sin_port = htons(agent.port());
    sendto(sock, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    std::string reply;
    pollfd pfd{sock, POLLIN, 0};
    if (poll(&pfd, 1, ms) > 0) {
        char buf[65536];
        ssize_t n = recv(sock, buf, sizeof buf, 0);
        if (n > 0) {
            reply.assign(buf, static_cast<size_t>(n));
        }
    }
    close(sock);
    return reply;
}

ber::Message getRequest(int64_t id, const std::string& community = "meadow") {
    ber::Message m;
    m.community = community;
    m.requestId = id;
    m.varbinds.push_back({*ber::parseOidText(kSysDescr), ber::kNull, {}});
    return m;
}

TEST(HostileAgent, RawDatagramsCarryTheFault) {
    ber::Message normalReply;
    {
        HostileAgentProcess agent("normal");
        ASSERT_TRUE(agent.ready()) << agent.errorOutput();
        auto reply = ber::decode(roundTrip(agent, ber::encode(getRequest(4242))));
        ASSERT_TRUE(reply.has_value());
        EXPECT_EQ(reply->pduType, ber::kResponse);
        EXPECT_EQ(reply->requestId, 4242);
        ASSERT_EQ(reply->varbinds.size(), 1u);
        EXPECT_EQ(reply->varbinds[0].tag, ber::kOctetString);
        EXPECT_EQ(reply->varbinds[0].content.rfind("Corvane-B", 0), 0u);
        normalReply = *reply;
        // A wrong community and a datagram that is no message go unanswered and unlogged.
        EXPECT_EQ(roundTrip(agent, ber::encode(getRequest(1, "wrong"))), "");
        EXPECT_EQ(roundTrip(agent, "\x30\x03\x02\x01"), "");
        EXPECT_EQ(agent.requestCount(), 1u);
    }
    {
        HostileAgentProcess agent("wrong-id", {"--id-offset", "7"});
        ASSERT_TRUE(agent.ready()) << agent.errorOutput();
        auto reply = ber::decode(roundTrip(agent, ber::encode(getRequest(4242))));
        ASSERT_TRUE(reply.has_value());
        EXPECT_EQ(reply->requestId, 4249);
        reply->requestId = 4242;
        EXPECT_EQ(*reply, normalReply);
    }
    {
        HostileAgentProcess agent("truncate", {"--keep-bytes", "10"});
        ASSERT_TRUE(agent.ready()) << agent.errorOutput();
        const std::string whole = ber::encode(normalReply);
        std::string cut = roundTrip(agent, ber::encode(getRequest(4242)));
        EXPECT_EQ(cut, whole.substr(0, 10));
        EXPECT_FALSE(ber::decode(cut).has_value());
    }
}

TEST(HostileAgent, RefusesBadOptions) {
    struct Case {
        std::vector<std::string> args;
        std::string expect;
    };
    const std::string profile = HostileAgentProcess::profilePath("corvane-b");
    const Case cases[] = {
        {{"--profile", profile, "--mode", "chaos"}, "--mode"},
        {{"--profile", profile, "--mode", "cycle"}, "--oid"},
        {{"--profile", profile, "--mode", "silence", "--from", "0"}, "--from"},
        {{"--profile", profile, "--mode", "normal", "--port", "70000"}, "--port"},
        {{"--profile", "/nonexistent.snmprec", "--mode", "normal"}, "cannot open"},
        {{"--mode", "normal"}, "usage"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expect);
        std::vector<std::string> argv{HostileAgentProcess::binaryPath()};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        auto r = runCommand(argv, std::chrono::seconds(5));
        EXPECT_FALSE(r.timedOut);
        EXPECT_NE(r.exitCode, 0);
        EXPECT_NE(r.err.find(c.expect), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace corvane::test
