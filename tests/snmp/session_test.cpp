// The session layer against a real agent (snmpd on loopback).
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <filesystem>

#include "event_processor.h"
#include "global_session.h"
#include "messages.h"
#include "session.h"
#include "snmpd_fixture.h"

namespace {

const Oid kSysDescr = {1, 3, 6, 1, 2, 1, 1, 1, 0};
const Oid kSysObjectId = {1, 3, 6, 1, 2, 1, 1, 2, 0};
const Oid kSysLocation = {1, 3, 6, 1, 2, 1, 1, 6, 0};
const Oid kMissing = {1, 3, 6, 1, 2, 1, 1, 99, 0};

class SessionTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new QTemporaryDir;
        InitGlobalSession(folder_->path().toStdString());
        agent_ = new SnmpdProcess;
        std::string error;
        started_ = agent_->start(error);
        startError_ = error;
    }
    static void TearDownTestSuite() {
        GlobalSession->closeAll();
        delete agent_;
        delete folder_;
        folder_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(started_) << startError_; }

    static NmSNMPSecurity v1() {
        NmSNMPSecurity s;
        s.Version = 0;
        s.ReadCommunity = kReadCommunity;
        s.WriteCommunity = kWriteCommunity;
        return s;
    }
    static NmSNMPSecurity v2c() {
        NmSNMPSecurity s = v1();
        s.Version = 1;
        return s;
    }
    static NmSNMPSecurity v3(const std::string& authPass = kV3AuthPass) {
        NmSNMPSecurity s;
        s.Version = 3;
        s.SecurityModel = 3;
        s.SecurityLevel = 3;
        s.SecurityName = kV3User;
        s.AuthProtocol = 5;  // SHA-256
        s.AuthPassword = authPass;
        s.PrivProtocol = 4;  // AES-128
        s.PrivPassword = kV3PrivPass;
        return s;
    }
    static SnmpTarget target(const NmSNMPSecurity& sec, unsigned short port = 0, int timeout = 100,
                             int retries = 1) {
        NmSNMPDevice d{"127.0.0.1", port ? port : agent_->port()};
        return prepareTarget(d, sec, timeout, retries);
    }
    static SnmpPdu pdu(const NmSNMPSecurity& sec, std::vector<VarBind> vbs) {
        SnmpPdu p;
        preparePdu(p, sec, NmSNMPScope{});
        p.vbs = std::move(vbs);
        return p;
    }
    static int get(const NmSNMPSecurity& sec, const Oid& oid, SnmpResponse& r,
                   unsigned short port = 0) {
        return GlobalSession->syncRequest(PduType::Get, target(sec, port),
                                          pdu(sec, {{oid, SnmpValue::null()}}), r);
    }

    static inline QTemporaryDir* folder_ = nullptr;
    static inline SnmpdProcess* agent_ = nullptr;
    static inline bool started_ = false;
    static inline std::string startError_;
};

}  // namespace

TEST_F(SessionTest, GetWorksInEachVersion) {
    struct Case {
        const char* name;
        NmSNMPSecurity sec;
    } cases[] = {{"SNMPv1", v1()}, {"SNMPv2c", v2c()}, {"SNMPv3 authPriv", v3()}};
    for (const Case& c : cases) {
        SnmpResponse r;
        EXPECT_EQ(get(c.sec, kSysObjectId, r), 0) << c.name;
        ASSERT_EQ(r.vbs.size(), 1u) << c.name;
        EXPECT_EQ(r.vbs[0].oid, kSysObjectId);
        EXPECT_EQ(r.vbs[0].value.type, SnmpType::ObjectId);
        EXPECT_EQ(oidToString(r.vbs[0].value.oid), kSnmpdObjectId) << c.name;
    }
}

TEST_F(SessionTest, AgentErrorsComeBackAsStatus) {
    SnmpResponse r;
    EXPECT_EQ(get(v1(), kMissing, r), 2);  // noSuchName
    EXPECT_EQ(r.errorIndex, 1);

    EXPECT_EQ(get(v2c(), kMissing, r), 0);
    ASSERT_EQ(r.vbs.size(), 1u);
    EXPECT_TRUE(r.vbs[0].value.isException());

    // A set with the read community is refused; with SNMPv2c that is an error-status.
    NmSNMPSecurity readOnly = v2c();
    readOnly.WriteCommunity = kReadCommunity;
    SnmpResponse s;
    const int st = GlobalSession->syncRequest(
        PduType::Set, target(readOnly),
        pdu(readOnly, {{kSysLocation, SnmpValue::fromOctets("nowhere")}}), s);
    EXPECT_GT(st, 0);
}

TEST_F(SessionTest, WrongPassPhraseIsAnAuthenticationStatusNotATimeout) {
    SnmpResponse r;
    QElapsedTimer t;
    t.start();
    const int status = get(v3("not-the-pass-phrase"), kSysDescr, r);
    EXPECT_EQ(status, 1408);
    EXPECT_LT(t.elapsed(), 1500);
    int code = 0;
    std::string text;
    TranslateStatus(status, code, text);
    EXPECT_EQ(text, "(SNMPv3USM) Authentication failure!");

    // The right pass phrase still works afterwards: parameters make their own session.
    EXPECT_EQ(get(v3(), kSysDescr, r), 0);
    NmSNMPSecurity unknown = v3();
    unknown.SecurityName = "nobody";
    EXPECT_EQ(get(unknown, kSysDescr, r), 1404);
}

TEST_F(SessionTest, SilentPortTimesOutWithinTimeoutTimesTries) {
    const unsigned short silent = freeUdpPort();
    struct Case {
        const char* name;
        NmSNMPSecurity sec;
    } cases[] = {{"SNMPv1", v1()}, {"SNMPv3", v3()}};
    for (const Case& c : cases) {
        SnmpResponse r;
        QElapsedTimer t;
        t.start();
        const int status = GlobalSession->syncRequest(
            PduType::Get, target(c.sec, silent, /*timeout=*/30, /*retries=*/1),
            pdu(c.sec, {{kSysDescr, SnmpValue::null()}}), r);
        EXPECT_EQ(status, -5) << c.name;
        EXPECT_GE(t.elapsed(), 550) << c.name;
        EXPECT_LT(t.elapsed(), 1200) << c.name;
    }
}

TEST_F(SessionTest, SetWithWriteCommunityReadsBack) {
    const std::string text = "rack 7, row " + std::to_string(::getpid() % 100);
    SnmpResponse s;
    EXPECT_EQ(
        GlobalSession->syncRequest(PduType::Set, target(v1()),
                                   pdu(v1(), {{kSysLocation, SnmpValue::fromOctets(text)}}), s),
        0);
    SnmpResponse r;
    ASSERT_EQ(get(v2c(), kSysLocation, r), 0);
    ASSERT_EQ(r.vbs.size(), 1u);
    EXPECT_EQ(r.vbs[0].value.octets, text);
}

TEST_F(SessionTest, GetNextWalksInOrder) {
    SnmpResponse r;
    ASSERT_EQ(GlobalSession->syncRequest(PduType::GetNext, target(v2c()),
                                         pdu(v2c(), {{{1, 3, 6, 1, 2, 1, 1}, {}}}), r),
              0);
    ASSERT_EQ(r.vbs.size(), 1u);
    EXPECT_EQ(r.vbs[0].oid, kSysDescr);
    EXPECT_EQ(r.vbs[0].value.type, SnmpType::OctetString);
}

TEST_F(SessionTest, AsyncGetCompletesThroughTheEventPump) {
    for (const NmSNMPSecurity& sec : {v2c(), v3()}) {
        bool done = false;
        SnmpResponse got;
        const int st = GlobalSession->asyncRequest(
            PduType::Get, target(sec), pdu(sec, {{kSysObjectId, {}}}), [&](const SnmpResponse& r) {
                got = r;
                done = true;
            });
        ASSERT_EQ(st, 0);
        EXPECT_FALSE(done);  // never inside the send
        EXPECT_EQ(GlobalSession->outstanding(), 1);
        (void)QTest::qWaitFor([&] { return done; }, 3000);
        ASSERT_TRUE(done);
        EXPECT_EQ(got.status, 0);
        ASSERT_EQ(got.vbs.size(), 1u);
        EXPECT_EQ(oidToString(got.vbs[0].value.oid), kSnmpdObjectId);
        EXPECT_EQ(got.agent.Port, agent_->port());
        EXPECT_EQ(GlobalSession->outstanding(), 0);
    }
}

TEST_F(SessionTest, AsyncTimeoutAndForgottenOwner) {
    const unsigned short silent = freeUdpPort();
    int calls = 0;
    int status = 0;
    const int owner = 0;
    ASSERT_EQ(GlobalSession->asyncRequest(PduType::Get, target(v2c(), silent, 20, 0),
                                          pdu(v2c(), {{kSysDescr, {}}}),
                                          [&](const SnmpResponse& r) {
                                              ++calls;
                                              status = r.status;
                                          }),
              0);
    // A second request whose owner goes away: its callback must never run.
    bool forgottenRan = false;
    ASSERT_EQ(GlobalSession->asyncRequest(
                  PduType::Get, target(v2c(), silent, 20, 0), pdu(v2c(), {{kSysDescr, {}}}),
                  [&](const SnmpResponse&) { forgottenRan = true; }, &owner),
              0);
    GlobalSession->forgetOwner(&owner);
    (void)QTest::qWaitFor([&] { return calls > 0; }, 3000);
    (void)QTest::qWaitFor([] { return GlobalSession->outstanding() == 0; }, 2000);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(status, -5);
    EXPECT_FALSE(forgottenRan);
}

// The pump sleeps while nothing is outstanding; a request arms its timer for the library's own
// next time-out, so the retry and the time-out come when they are due, and then it sleeps again.
// A retransmission is not the request's end.
TEST_F(SessionTest, EventPumpWakesOnlyForOutstandingRequests) {
    ASSERT_NE(EventProcessor, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([] { return GlobalSession->outstanding() == 0; }, 5000));
    QTest::qWait(10);
    EXPECT_FALSE(EventProcessor->isTimerArmed());

    // A port that takes the datagrams and never answers.
    const int sink = ::socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_GE(sink, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof at;
    ASSERT_EQ(::bind(sink, reinterpret_cast<sockaddr*>(&at), sizeof at), 0);
    ASSERT_EQ(::getsockname(sink, reinterpret_cast<sockaddr*>(&at), &length), 0);
    const unsigned short silent = ntohs(at.sin_port);
    bool done = false;
    int status = 0;
    qint64 after = 0;
    QElapsedTimer t;
    t.start();
    ASSERT_EQ(GlobalSession->asyncRequest(PduType::Get, target(v2c(), silent, 20, 1),
                                          pdu(v2c(), {{kSysDescr, {}}}),
                                          [&](const SnmpResponse& r) {
                                              done = true;
                                              status = r.status;
                                              after = t.elapsed();
                                          }),
              0);
    EXPECT_TRUE(EventProcessor->isTimerArmed());
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 3000));
    EXPECT_EQ(status, -5);
    // 0.2 s, then once more after the retry.
    EXPECT_GE(after, 400);
    EXPECT_LT(after, 1500);
    EXPECT_FALSE(EventProcessor->isTimerArmed());
    ::close(sink);
}

// The session layer's trace names each request and answer, and never a community, a pass
// phrase or the octets of a string.
TEST_F(SessionTest, TraceShowsRequestsWithoutSecrets) {
    static QStringList lines;
    lines.clear();
    QLoggingCategory::setFilterRules("corvane.snmp.debug=true");
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext& c, const QString& text) {
            if (QLatin1String(c.category) == QLatin1String("corvane.snmp"))
                lines << text;
        });
    SnmpResponse r;
    std::string description;
    for (const NmSNMPSecurity& sec : {v2c(), v3()}) {
        EXPECT_EQ(get(sec, kSysDescr, r), 0);
        if (!r.vbs.empty())
            description = r.vbs[0].value.octets;
        bool done = false;
        ASSERT_EQ(
            GlobalSession->asyncRequest(PduType::Get, target(sec), pdu(sec, {{kSysLocation, {}}}),
                                        [&](const SnmpResponse&) { done = true; }),
            0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 3000));
    }
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules("corvane.snmp.debug=false");
    const QString all = lines.join('\n');
    EXPECT_TRUE(all.contains("get to 127.0.0.1:")) << all.toStdString();
    EXPECT_TRUE(all.contains("1.3.6.1.2.1.1.1.0 = ")) << all.toStdString();
    EXPECT_TRUE(all.contains("1.3.6.1.2.1.1.6.0")) << all.toStdString();
    for (const char* secret : {kReadCommunity, kWriteCommunity, kV3AuthPass, kV3PrivPass})
        EXPECT_FALSE(all.contains(QString::fromUtf8(secret))) << secret;
    ASSERT_FALSE(description.empty());
    EXPECT_FALSE(all.contains(QString::fromStdString(description))) << "the octets of sysDescr";
}

TEST_F(SessionTest, UnresolvableHostAndBadParameters) {
    NmSNMPDevice d{"no-such-host.invalid", 161};
    try {
        prepareTarget(d, v1(), 100, 1);
        FAIL() << "no error raised";
    } catch (const NmSNMPException& e) {
        EXPECT_EQ(e.code(), -509);
        EXPECT_EQ(e.text(), "Invalid IP Address or DNS name!");
    }
    SnmpResponse r;
    NmSNMPSecurity model = v3();
    model.SecurityModel = 1;
    EXPECT_EQ(get(model, kSysDescr, r), -1402);
    NmSNMPSecurity des3 = v3();
    des3.PrivProtocol = 3;
    EXPECT_EQ(get(des3, kSysDescr, r), 1413);
    NmSNMPSecurity badAuth = v3();
    badAuth.AuthProtocol = 9;
    EXPECT_EQ(get(badAuth, kSysDescr, r), 1412);
}
