// The request engine against corvane-sim: what goes on the wire (from the agent's PDU log) and
// what comes back into the variable list.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "global_session.h"
#include "hostile_agent_process.h"
#include "messages.h"
#include "nm_snmp_request.h"
#include "pdu_log.h"
#include "sim_process.h"
#include "snmpd_fixture.h"

namespace fs = std::filesystem;
using corvane::test::SimProcess;

namespace {

// A small switch: a system group, a sparse table (below), and one table (index, name, value,
// status) whose value column has rows 1 and 2 only. That table is the last object, so the
// agent's view ends there.
//
// The sparse table, rows 1 to 8 (- no instance):
//   Index  1  -  3  4  5  6  7  8   a hole in the first column
//   Name   a  b  c  d  e  -  -  -   ends after row 5
//   Middle m  m  -  m  -  -  m  -   holes in a middle column
//   Count  - 20 30  -  -  -  -  -   starts late and ends after row 3
//   Last   x  x  x  x  -  x  -  -   holes in the last column
// Row 8 has only its index column.
const char* kProfile =
    "1.3.6.1.2.1.1.1.0|4|Test switch\n"
    "1.3.6.1.2.1.1.8.0|67|12345\n"
    "1.3.6.1.2.1.1.4.0|4|ops\n"
    "1.3.6.1.2.1.1.5.0|4|sw1\n"
    "1.3.6.1.2.1.1.6.0|4|lab\n"
    "1.3.6.1.4.1.32473.99.1.1.1.1|2|1\n"
    "1.3.6.1.4.1.32473.99.1.1.1.3|2|3\n"
    "1.3.6.1.4.1.32473.99.1.1.1.4|2|4\n"
    "1.3.6.1.4.1.32473.99.1.1.1.5|2|5\n"
    "1.3.6.1.4.1.32473.99.1.1.1.6|2|6\n"
    "1.3.6.1.4.1.32473.99.1.1.1.7|2|7\n"
    "1.3.6.1.4.1.32473.99.1.1.1.8|2|8\n"
    "1.3.6.1.4.1.32473.99.1.1.2.1|4|a\n"
    "1.3.6.1.4.1.32473.99.1.1.2.2|4|b\n"
    "1.3.6.1.4.1.32473.99.1.1.2.3|4|c\n"
    "1.3.6.1.4.1.32473.99.1.1.2.4|4|d\n"
    "1.3.6.1.4.1.32473.99.1.1.2.5|4|e\n"
    "1.3.6.1.4.1.32473.99.1.1.3.1|4|m1\n"
    "1.3.6.1.4.1.32473.99.1.1.3.2|4|m2\n"
    "1.3.6.1.4.1.32473.99.1.1.3.4|4|m4\n"
    "1.3.6.1.4.1.32473.99.1.1.3.7|4|m7\n"
    "1.3.6.1.4.1.32473.99.1.1.4.2|2|20\n"
    "1.3.6.1.4.1.32473.99.1.1.4.3|2|30\n"
    "1.3.6.1.4.1.32473.99.1.1.5.1|4|x1\n"
    "1.3.6.1.4.1.32473.99.1.1.5.2|4|x2\n"
    "1.3.6.1.4.1.32473.99.1.1.5.3|4|x3\n"
    "1.3.6.1.4.1.32473.99.1.1.5.4|4|x4\n"
    "1.3.6.1.4.1.32473.99.1.1.5.6|4|x6\n"
    "1.3.6.1.4.1.32473.99.2.1.1.1|2|1\n"
    "1.3.6.1.4.1.32473.99.2.1.1.2|2|2\n"
    "1.3.6.1.4.1.32473.99.2.1.1.3|2|3\n"
    "1.3.6.1.4.1.32473.99.2.1.2.1|4|one\n"
    "1.3.6.1.4.1.32473.99.2.1.2.2|4|two\n"
    "1.3.6.1.4.1.32473.99.2.1.2.3|4|three\n"
    "1.3.6.1.4.1.32473.99.2.1.3.1|2|10\n"
    "1.3.6.1.4.1.32473.99.2.1.3.2|2|20\n"
    "1.3.6.1.4.1.32473.99.2.1.4.1|2|1\n"
    "1.3.6.1.4.1.32473.99.2.1.4.2|2|1\n"
    "1.3.6.1.4.1.32473.99.2.1.4.3|2|1\n";
const char* kRules =
    "1.3.6.1.2.1.1.4 rw type=4\n"
    "1.3.6.1.2.1.1.5 rw type=4\n"
    "1.3.6.1.2.1.1.6 rw type=4\n"
    "1.3.6.1.4.1.32473.99.2.1.2 rw type=4\n"
    "1.3.6.1.4.1.32473.99.2.1.3 rw type=2\n"
    "1.3.6.1.4.1.32473.99.2.1.4 rowstatus\n";

const OptionEntry kRowStatusWords[] = {{1, "active"},      {2, "notInService"},  {3, "notReady"},
                                       {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"},
                                       {0, nullptr}};
const NmOptionList kRowStatus(kRowStatusWords);

const SNMPVarDescriptor kSystem[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", synDisplayString, vfRead},
    {"1.3.6.1.2.1.1.8", "sysORLastChange", synTimeTicks, vfRead},
    {"1.3.6.1.2.1.1.4", "sysContact", synDisplayString, vfWrite},  // write-only
    {"1.3.6.1.2.1.1.5", "sysName", synDisplayString, vfRead | vfWrite},
    {nullptr}};
const SNMPVarDescriptor kWritable[] = {
    {"1.3.6.1.2.1.1.4", "sysContact", synDisplayString, vfRead | vfWrite},
    {"1.3.6.1.2.1.1.5", "sysName", synDisplayString, vfRead | vfWrite},
    {"1.3.6.1.2.1.1.6", "sysLocation", synDisplayString, vfRead | vfWrite},
    {nullptr}};
const SNMPVarDescriptor kTable[] = {
    {"1.3.6.1.4.1.32473.99.2.1.1", "Index", synInteger, vfIndex | vfRead},
    {"1.3.6.1.4.1.32473.99.2.1.2", "Name", synDisplayString, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.2.1.3", "Value", synInteger, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.2.1.4", "Status", synInteger, vfRead | vfWrite, &kRowStatus},
    {nullptr}};
// The last column: a walk of it runs into the end of the agent's view.
const SNMPVarDescriptor kLastColumn[] = {
    {"1.3.6.1.4.1.32473.99.2.1.1", "Index", synInteger, vfIndex},
    {"1.3.6.1.4.1.32473.99.2.1.4", "Status", synInteger, vfRead, &kRowStatus},
    {nullptr}};
const SNMPVarDescriptor kSparse[] = {
    {"1.3.6.1.4.1.32473.99.1.1.1", "Index", synInteger, vfIndex | vfRead},
    {"1.3.6.1.4.1.32473.99.1.1.2", "Name", synDisplayString, vfRead},
    {"1.3.6.1.4.1.32473.99.1.1.3", "Middle", synDisplayString, vfRead},
    {"1.3.6.1.4.1.32473.99.1.1.4", "Count", synInteger, vfRead},
    {"1.3.6.1.4.1.32473.99.1.1.5", "Last", synDisplayString, vfRead},
    {nullptr}};
const std::vector<std::string> kSparseRows = {
    "1|a|m1|-|x1", "2|b|m2|20|x2", "3|c|-|30|x3", "4|d|m4|-|x4",
    "5|e|-|-|-",   "6|-|-|-|x6",   "7|-|m7|-|-",  "8|-|-|-|-",
};
const SNMPVarDescriptor kTwoColumns[] = {
    {"1.3.6.1.4.1.32473.99.2.1.1", "Index", synInteger, vfIndex | vfRead},
    {"1.3.6.1.4.1.32473.99.2.1.2", "Name", synDisplayString, vfRead},
    {nullptr}};

class RequestTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new QTemporaryDir;
        dir_ = folder_->path().toStdString();
        std::ofstream(dir_ / "switch.snmprec") << kProfile;
        std::ofstream(dir_ / "switch.rules") << kRules;
        InitGlobalSession(dir_.string());
    }
    static void TearDownTestSuite() {
        delete folder_;
        folder_ = nullptr;
    }

    void startAgent(std::vector<std::string> extra = {}) {
        log_ = dir_ / ("pdus-" + std::to_string(++agents_) + ".log");
        extra.insert(extra.end(),
                     {"--rules", (dir_ / "switch.rules").string(), "--log-pdus", log_.string()});
        agent_ = std::make_unique<SimProcess>((dir_ / "switch.snmprec").string(), extra);
        ASSERT_TRUE(agent_->ready());
    }
    void SetUp() override { startAgent(); }

    // A request aimed at the agent, SNMPv2c unless told otherwise.
    std::unique_ptr<NmSNMPRequest> request(const SNMPVarDescriptor* table, std::uint8_t kind,
                                           int indexCount = 0, int version = 1) {
        auto r = std::make_unique<NmSNMPRequest>();
        r->Device = {"127.0.0.1", agent_->port()};
        r->Security.Version = static_cast<std::uint8_t>(version);
        r->Security.ReadCommunity = kReadCommunity;
        r->Security.WriteCommunity = kWriteCommunity;
        r->VarList = NmSNMPVarList(table, kind, indexCount);
        r->OnError = [this](NmSNMPError* e) { errors_.push_back(e->Code); };
        return r;
    }
    // The PDUs the agent received, one line each: "TYPE REQID OID[=TAG:VALUE] ...".
    std::vector<std::string> pdus() const { return corvane::test::readPduLog(log_.string()); }
    // How many of them start with a type word ("getbulk", "getnext").
    int sentOf(const std::string& type) const {
        int n = 0;
        for (const std::string& line : pdus())
            n += line.rfind(type + " ", 0) == 0;
        return n;
    }
    void useV3(NmSNMPRequest& r) const {
        r.Security.Version = 3;
        r.Security.SecurityModel = 3;
        r.Security.SecurityLevel = 3;
        r.Security.SecurityName = "corvane";
        r.Security.AuthProtocol = 5;
        r.Security.AuthPassword = "corvane-auth";
        r.Security.PrivProtocol = 4;
        r.Security.PrivPassword = "corvane-priv";
    }

    // A row as "cell|cell|...", "-" for a value that was not obtained.
    static std::string rowText(const NmSNMPVarList& list) {
        std::string line;
        for (int i = 0; i < list.Count(); ++i) {
            const std::string& v = list.Item(i).Value;
            line += (i ? "|" : "") + (v == "(NOTDONE)" ? std::string("-") : v);
        }
        return line;
    }
    struct Walked {
        std::vector<std::string> rows;
        bool ok = true;
        int code = 0;          // of the end (asynchronous) or of the last error record
        std::string text;      // the same
        bool finished = true;  // the walk ended by itself within the bounds
    };
    // Walks the whole table, synchronously or through the handler, within bounds.
    Walked walk(NmSNMPRequest& r, bool async) {
        Walked w;
        if (!async) {
            errors_.clear();
            std::string lastText;
            r.OnError = [&](NmSNMPError* e) {
                errors_.push_back(e->Code);
                lastText = e->Text;
            };
            for (bool more = r.Get(w.ok, true); more; more = r.Get(w.ok, false)) {
                w.rows.push_back(rowText(r.VarList));
                if (w.rows.size() > 200) {
                    w.finished = false;
                    break;
                }
            }
            w.code = errors_.empty() ? 0 : errors_.back();
            w.text = lastText;
            return w;
        }
        bool done = false;
        NmSNMPRequest::Handler handler = [&](NmSNMPError& e, NmSNMPVarList& list) {
            if (e.Finished) {
                done = true;
                w.code = e.Code;
                w.text = e.Text;
                return;
            }
            w.rows.push_back(rowText(list));
            bool sent = false;
            if (w.rows.size() <= 200)
                r.GetAsync(sent, handler, this, false);
            if (!sent)
                done = true;
        };
        r.GetAsync(w.ok, handler, this, true);
        if (!w.ok)
            return w;
        (void)QTest::qWaitFor([&] { return done; }, 10000);
        w.finished = done && w.rows.size() <= 200;
        (void)QTest::qWaitFor([&] { return r.PendingReplies == 0; }, 3000);
        return w;
    }

    static inline QTemporaryDir* folder_ = nullptr;
    static inline fs::path dir_;
    static inline int agents_ = 0;
    fs::path log_;
    std::unique_ptr<SimProcess> agent_;
    std::vector<int> errors_;
};

}  // namespace

TEST_F(RequestTest, ScalarReadIsOneGetOfTheReadableItems) {
    auto r = request(kSystem, vlScalar);
    bool ok = false;
    EXPECT_FALSE(r->Get(ok, true));
    EXPECT_TRUE(ok);
    EXPECT_EQ(pdus(), std::vector<std::string>(
                          {"get 1.3.6.1.2.1.1.1.0 1.3.6.1.2.1.1.8.0 1.3.6.1.2.1.1.5.0"}));
    EXPECT_EQ(r->VarList.Item(0).Value, "Test switch");
    EXPECT_EQ(r->VarList.Item(1).Value, "0:02:03.45");
    EXPECT_EQ(r->VarList.Item(2).Value, "");  // write-only: never read
    EXPECT_EQ(r->VarList.Item(3).Value, "sw1");
    EXPECT_EQ(r->VarList.Item(3).Cursor, "1.3.6.1.2.1.1.5.0");
}

TEST_F(RequestTest, InstancesAreSentAsTheyAreAndCannotBeWalked) {
    const SNMPVarDescriptor instances[] = {
        {"1.3.6.1.4.1.32473.99.2.1.2.2", "Name of 2", synDisplayString, vfRead}, {nullptr}};
    auto r = request(instances, vlInstances);
    bool ok = false;
    r->Get(ok, true);
    EXPECT_TRUE(ok);
    EXPECT_EQ(r->VarList.Item(0).Value, "two");
    try {
        r->Get(ok, false);
        FAIL() << "a continue-mode read of instances went out";
    } catch (const NmSNMPException& e) {
        EXPECT_EQ(e.code(), -510);
        EXPECT_EQ(e.text(),
                  "Can't send get-next command for a SNMP variable list with single value!");
    }
    EXPECT_EQ(pdus().size(), 1u);
}

TEST_F(RequestTest, SynchronousWalkReturnsRowsThenEnds) {
    auto r = request(kTwoColumns, vlTable, 1);
    r->MaxRepetitions = 0;  // get-next: a row per request
    bool ok = false;
    std::vector<std::string> rows;
    bool more = r->Get(ok, true);
    for (int guard = 0; more && guard < 10; ++guard) {
        rows.push_back(r->VarList.Item(0).Value + ":" + r->VarList.Item(1).Value);
        more = r->Get(ok, false);
    }
    EXPECT_EQ(rows, std::vector<std::string>({"1:one", "2:two", "3:three"}));
    EXPECT_TRUE(ok);
    EXPECT_EQ(r->VarList.Item(0).Value, "(NOTDONE)");
    EXPECT_EQ(r->VarList.Item(1).Value, "(NOTDONE)");
    const auto sent = pdus();
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[0], "getnext 1.3.6.1.4.1.32473.99.2.1.1 1.3.6.1.4.1.32473.99.2.1.2");
    EXPECT_EQ(sent[1], "getnext 1.3.6.1.4.1.32473.99.2.1.1.1 1.3.6.1.4.1.32473.99.2.1.2.1");
}

TEST_F(RequestTest, ColumnEndingEarlyIsNotDoneWhileTheWalkGoesOn) {
    auto r = request(kTable, vlTableRows, 1);
    bool ok = false;
    ASSERT_TRUE(r->Get(ok, true));
    ASSERT_TRUE(r->Get(ok, false));
    EXPECT_EQ(r->VarList.Item(2).Value, "20");
    ASSERT_TRUE(r->Get(ok, false));  // row 3 has no value
    EXPECT_EQ(r->VarList.Item(0).Value, "3");
    EXPECT_EQ(r->VarList.Item(1).Value, "three");
    EXPECT_EQ(r->VarList.Item(2).Value, "(NOTDONE)");
    // The ended column restarts from the row read before.
    EXPECT_EQ(r->VarList.Item(2).Cursor, "1.3.6.1.4.1.32473.99.2.1.3.2");
    EXPECT_EQ(r->VarList.Item(3).Value, "active");
    EXPECT_FALSE(r->Get(ok, false));
}

TEST_F(RequestTest, SnmpV1EndOfViewEndsTheWalk) {
    auto sync = request(kLastColumn, vlTable, 1, /*version=*/0);
    bool ok = true;
    int rows = 0;
    for (bool more = sync->Get(ok, true); more && rows < 10; more = sync->Get(ok, false))
        ++rows;
    EXPECT_EQ(rows, 3);
    EXPECT_FALSE(ok);  // noSuchName ended it, and no error record was made
    EXPECT_TRUE(errors_.empty());

    auto async = request(kLastColumn, vlTable, 1, /*version=*/0);
    int asyncRows = 0;
    bool finished = false;
    NmSNMPError last;
    std::function<void(NmSNMPError&, NmSNMPVarList&)> handler = [&](NmSNMPError& e,
                                                                    NmSNMPVarList&) {
        last = e;
        if (e.Finished) {
            finished = true;
            return;
        }
        ++asyncRows;
        bool sent = false;
        async->GetAsync(sent, handler, this, false);
    };
    async->GetAsync(ok, handler, this, true);
    ASSERT_TRUE(ok);
    (void)QTest::qWaitFor([&] { return finished; });
    EXPECT_TRUE(finished);
    EXPECT_EQ(asyncRows, 3);
    EXPECT_EQ(last.Code, 0);
    EXPECT_EQ(last.Text, "Ok.");
    EXPECT_EQ(async->PendingReplies, 0);
}

TEST_F(RequestTest, SparseTableGivesTheRightCellsWithEveryWalkKind) {
    struct Case {
        const char* name;
        int version;
        int maxRepetitions;
        bool async;
        std::vector<std::string> agentOptions;
    } cases[] = {
        {"v1 get-next", 0, -1, false, {}},
        {"v1 get-next, handler", 0, -1, true, {}},
        {"v2c get-next", 1, 0, false, {}},
        {"v2c bulk", 1, -1, false, {}},
        {"v2c bulk, handler", 1, -1, true, {}},
        {"v2c bulk of one row", 1, 1, false, {}},
        {"v2c bulk of two rows, handler", 1, 2, true, {}},
        {"v2c bulk of three rows", 1, 3, false, {}},
        {"v3 bulk", 3, -1, false, {}},
        // Five columns, answers of seven variables: every answer ends inside a row.
        {"v2c bulk cut inside a row", 1, 4, false, {"--bulk-cut", "7"}},
        {"v2c bulk cut inside a row, handler", 1, -1, true, {"--bulk-cut", "7"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        agent_.reset();
        startAgent(c.agentOptions);
        auto r = request(kSparse, vlTable, 1, c.version == 3 ? 1 : c.version);
        if (c.version == 3)
            useV3(*r);
        r->MaxRepetitions = c.maxRepetitions;
        const Walked w = walk(*r, c.async);
        EXPECT_TRUE(w.finished);
        EXPECT_EQ(w.rows, kSparseRows);
        EXPECT_EQ(w.code, 0) << w.text;
        const bool bulk = c.version != 0 && c.maxRepetitions != 0;
        EXPECT_EQ(sentOf("getbulk") > 0, bulk);
        EXPECT_EQ(sentOf("getnext") > 0, !bulk);
        if (c.version == 1 && c.maxRepetitions == 0) {  // a row per request, and one to end
            EXPECT_EQ(sentOf("getnext"), 9);
        }
    }
}

TEST_F(RequestTest, BulkWalkAsksFewRequestsAndEndsAtTheEndOfTheView) {
    // The status column is the last object of the agent: its walk runs into endOfMibView.
    auto r = request(kTable, vlTableRows, 1);
    const Walked w = walk(*r, false);
    EXPECT_EQ(w.rows,
              std::vector<std::string>({"1|one|10|active", "2|two|20|active", "3|three|-|active"}));
    EXPECT_TRUE(w.ok);
    EXPECT_EQ(w.code, 0);
    const auto sent = pdus();
    ASSERT_EQ(sent.size(), 1u);  // the whole table and its end in one answer
    EXPECT_EQ(sent[0].rfind("getbulk nr=0 mr=", 0), 0u) << sent[0];
    // Every value of the list went out as a column of the one request.
    EXPECT_NE(sent[0].find(" 1.3.6.1.4.1.32473.99.2.1.1 1.3.6.1.4.1.32473.99.2.1.2 "
                           "1.3.6.1.4.1.32473.99.2.1.3 1.3.6.1.4.1.32473.99.2.1.4"),
              std::string::npos)
        << sent[0];
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(r->VarList.Item(i).Value, "(NOTDONE)") << i;
}

TEST_F(RequestTest, TooBigAndErrorsFallBackToSmallerRequestsThenGetNext) {
    struct Case {
        const char* name;
        std::vector<std::string> agentOptions;
        int maxRepetitions;
        std::vector<std::string> firstTypes;  // the leading PDU kinds with their size
    } cases[] = {
        // 5 columns of about 20 octets: 8 rows fit 400 octets only in halves.
        {"tooBig above 400 octets", {"--bulk-toobig", "400"}, 8, {"mr=8", "mr=4"}},
        {"tooBig always", {"--bulk-toobig", "1"}, 4, {"mr=4", "mr=2", "mr=1", "getnext"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        agent_.reset();
        startAgent(c.agentOptions);
        for (bool async : {false, true}) {
            auto r = request(kSparse, vlTable, 1);
            r->MaxRepetitions = c.maxRepetitions;
            const std::size_t before = pdus().size();
            const Walked w = walk(*r, async);
            EXPECT_EQ(w.rows, kSparseRows) << "async " << async;
            EXPECT_EQ(w.code, 0) << w.text;
            const auto all = pdus();
            std::vector<std::string> kinds;
            for (std::size_t i = before; i < all.size() && kinds.size() < c.firstTypes.size();
                 ++i) {
                const auto mr = all[i].find("mr=");
                kinds.push_back(mr == std::string::npos
                                    ? all[i].substr(0, all[i].find(' '))
                                    : all[i].substr(mr, all[i].find(' ', mr) - mr));
            }
            EXPECT_EQ(kinds, c.firstTypes) << "async " << async;
            // The request keeps the size that worked for its next walk.
            const std::size_t again = pdus().size();
            EXPECT_EQ(walk(*r, false).rows, kSparseRows);
            const auto next = pdus();
            ASSERT_GT(next.size(), again);
            EXPECT_EQ(next[again].find(c.firstTypes.front()), std::string::npos) << next[again];
        }
    }
}

TEST_F(RequestTest, AnswersThatDoNotIncreaseEndTheWalkWithAStatusText) {
    const std::string names = "1.3.6.1.4.1.32473.99.2.1.2";
    struct Case {
        const char* name;
        std::string jump;  // FROM=TO
        int version;
        int maxRepetitions;
    } cases[] = {
        {"round in a circle, get-next", names + ".3=" + names + ".1", 0, -1},
        {"round in a circle, bulk", names + ".3=" + names + ".1", 1, -1},
        {"back to the same row, bulk of one", names + ".3=" + names + ".2", 1, 1},
        {"back into another column, get-next", names + ".3=1.3.6.1.4.1.32473.99.2.1.1.1", 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        agent_.reset();
        startAgent({"--jump", c.jump});
        for (bool async : {false, true}) {
            auto r = request(kTwoColumns, vlTable, 1, c.version);
            r->MaxRepetitions = c.maxRepetitions;
            QElapsedTimer t;
            t.start();
            const Walked w = walk(*r, async);
            EXPECT_LT(t.elapsed(), 3000);
            EXPECT_TRUE(w.finished) << "async " << async;
            // The rows before the fault, with either kind of walk.
            EXPECT_EQ(w.rows, std::vector<std::string>({"1|one", "2|two"})) << "async " << async;
            EXPECT_EQ(w.code, -529) << "async " << async;
            EXPECT_EQ(w.text.rfind("Walk stopped: the agent's answer 1.3.6.1.4.1.32473.99.2.1.", 0),
                      0u)
                << w.text;
            EXPECT_NE(w.text.find(" does not come after 1.3.6.1.4.1.32473.99.2.1."),
                      std::string::npos)
                << w.text;
            if (!async) {
                EXPECT_FALSE(w.ok);
            }
        }
        EXPECT_LE(pdus().size(), 8u);
    }
}

TEST_F(RequestTest, SnmpV1NeverSendsGetBulk) {
    for (int repetitions : {-1, 0, 25}) {
        auto r = request(kTable, vlTableRows, 1, /*version=*/0);
        r->MaxRepetitions = repetitions;
        EXPECT_EQ(walk(*r, false).rows.size(), 3u);
        EXPECT_EQ(walk(*r, true).rows.size(), 3u);
    }
    EXPECT_EQ(sentOf("getbulk"), 0);
    EXPECT_GT(sentOf("getnext"), 0);
}

TEST_F(RequestTest, TimeoutLeavesNullDerivedValues) {
    auto r = request(kSystem, vlScalar);
    r->Device.Port = freeUdpPort();
    r->Timeout = 20;
    r->Retries = 0;
    r->VarList.Item(3).Value = "stale";
    bool ok = true;
    r->Get(ok, true);
    EXPECT_FALSE(ok);
    EXPECT_EQ(errors_, std::vector<int>({-405}));
    EXPECT_EQ(r->VarList.Item(0).Value, "");  // an empty DisplayString
    EXPECT_EQ(r->VarList.Item(1).Value, "(NULL)");
    EXPECT_EQ(r->VarList.Item(3).Value, "");
}

TEST_F(RequestTest, SetWithSelectionAndValuesLeavesTheListAsItWas) {
    auto r = request(kWritable, vlScalar);
    for (int i = 0; i < 3; ++i)
        r->VarList.Item(i).Value = "old" + std::to_string(i);
    const std::vector<std::string> values = {"x", "y"};
    bool ok = false;
    NmSNMPError error;
    r->Set(ok, error, false, "2,0", &values);
    EXPECT_TRUE(ok);
    EXPECT_EQ(pdus(),
              std::vector<std::string>({"set 1.3.6.1.2.1.1.4.0=4:y 1.3.6.1.2.1.1.6.0=4:x"}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(r->VarList.Item(i).Value, "old" + std::to_string(i));
        EXPECT_EQ(r->VarList.Item(i).Flags & vfExcluded, 0u);
    }
    auto check = request(kWritable, vlScalar);
    check->Get(ok, true);
    EXPECT_EQ(check->VarList.Item(0).Value, "y");
    EXPECT_EQ(check->VarList.Item(1).Value, "sw1");
    EXPECT_EQ(check->VarList.Item(2).Value, "x");

    // A refused set fills the caller's record.
    r->Security.WriteCommunity = "not-the-community";
    r->Timeout = 20;
    r->Retries = 0;
    r->Set(ok, error, false, "", nullptr);
    EXPECT_FALSE(ok);
    EXPECT_EQ(error.Code, -405);
    EXPECT_EQ(error.Sequence, r->ErrorSequence);
}

TEST_F(RequestTest, RowIsCreatedAndDestroyedThroughItsStatusColumn) {
    auto r = request(kTable, vlTableRows, 1);
    r->VarList.Item(0).Value = "7";
    r->VarList.Item(1).Value = "seven";
    r->VarList.Item(2).Value = "70";
    r->VarList.Item(3).Value = "createAndGo";
    bool ok = false;
    NmSNMPError error;
    r->Set(ok, error, false, "", nullptr);
    ASSERT_TRUE(ok) << error.Text;
    EXPECT_EQ(pdus().back(),
              "set 1.3.6.1.4.1.32473.99.2.1.2.7=4:seven 1.3.6.1.4.1.32473.99.2.1.3.7=2:70 "
              "1.3.6.1.4.1.32473.99.2.1.4.7=2:4");

    auto rows = [&] {
        auto walk = request(kLastColumn, vlTable, 1);
        std::vector<std::string> indexes;
        bool k = false;
        for (bool more = walk->Get(k, true); more && indexes.size() < 10;
             more = walk->Get(k, false))
            indexes.push_back(walk->VarList.Item(0).Value);
        return indexes;
    };
    EXPECT_EQ(rows(), std::vector<std::string>({"1", "2", "3", "7"}));

    // The new row has no instance in the readable index column, so that column ends first;
    // the walk still ends instead of starting over.
    auto all = request(kTable, vlTableRows, 1);
    int calls = 1;
    for (bool more = all->Get(ok, true); more && calls < 20; more = all->Get(ok, false))
        ++calls;
    EXPECT_LE(calls, 6);

    const std::vector<std::string> destroy = {"destroy"};
    r->Set(ok, error, false, "3", &destroy);
    ASSERT_TRUE(ok) << error.Text;
    EXPECT_EQ(pdus().back(), "set 1.3.6.1.4.1.32473.99.2.1.4.7=2:6");
    EXPECT_EQ(rows(), std::vector<std::string>({"1", "2", "3"}));
}

TEST_F(RequestTest, DestructorWaitsForTheOutstandingReply) {
    agent_.reset();
    startAgent({"--delay", "300"});
    auto r = request(kSystem, vlScalar);
    bool handled = false;
    bool ok = false;
    r->GetAsync(
        ok,
        [&](NmSNMPError& e, NmSNMPVarList& list) {
            handled = true;
            EXPECT_EQ(e.Code, 0);
            EXPECT_EQ(list.Item(3).Value, "sw1");
        },
        this, true);
    ASSERT_TRUE(ok);
    EXPECT_EQ(r->PendingReplies, 1);
    QElapsedTimer t;
    t.start();
    r.reset();
    EXPECT_TRUE(handled);
    EXPECT_GE(t.elapsed(), 200);
    EXPECT_LT(t.elapsed(), 6000);
}

// An agent that answers after the time-out: the request sends again and takes the late answer;
// the retransmission does not end the read.
TEST_F(RequestTest, AsynchronousReadOutlivesARetransmission) {
    agent_.reset();
    startAgent({"--delay", "700"});
    auto r = request(kSystem, vlScalar);
    r->Timeout = 50;  // half a second, then once more
    bool handled = false;
    int code = -1;
    bool ok = false;
    r->GetAsync(
        ok,
        [&](NmSNMPError& e, NmSNMPVarList& list) {
            handled = true;
            code = e.Code;
            EXPECT_EQ(list.Item(3).Value, "sw1");
        },
        this, true);
    ASSERT_TRUE(ok);
    ASSERT_TRUE(QTest::qWaitFor([&] { return handled; }, 5000));
    EXPECT_EQ(code, 0);
    EXPECT_EQ(pdus().size(), 2u);  // the request and its retransmission
    EXPECT_TRUE(QTest::qWaitFor([&] { return r->PendingReplies == 0; }, 2000));
}

TEST_F(RequestTest, InactiveRequestSendsNothing) {
    auto r = request(kSystem, vlScalar);
    r->Active = false;
    bool ok = true;
    r->Get(ok, true);
    EXPECT_FALSE(ok);
    r->GetAsync(ok, {}, this, true);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(pdus().empty());
}

// A read whose answer does not fit what it asked is a failure with a status text, never data,
// with get (scalars) and with either kind of walk, synchronous or not.
TEST_F(RequestTest, AnswersThatDoNotFitTheRequestAreFailures) {
    const std::vector<std::vector<std::string>> faults = {{"fewer", "--keep", "1"},
                                                          {"more", "--extra", "2"}};
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault[0]);
        std::vector<std::string> options(fault.begin() + 1, fault.end());
        options.insert(options.end(),
                       {"--community", std::string(kReadCommunity) + "/" + kWriteCommunity});
        corvane::test::HostileAgentProcess agent(fault[0], options,
                                                 (dir_ / "switch.snmprec").string());
        ASSERT_TRUE(agent.ready()) << agent.errorOutput();
        for (bool async : {false, true}) {
            SCOPED_TRACE(async ? "async" : "sync");
            auto r = request(kSystem, vlScalar);
            r->Device.Port = agent.port();
            r->VarList.Item(3).Value = "stale";
            errors_.clear();
            bool ok = true;
            if (!async) {
                r->Get(ok, true);
                EXPECT_FALSE(ok);
                EXPECT_EQ(errors_, std::vector<int>({-530}));
                EXPECT_EQ(r->VarList.Item(0).Value, "");  // as after a time-out
                EXPECT_EQ(r->VarList.Item(3).Value, "");
            } else {
                NmSNMPError end;
                bool done = false;
                r->GetAsync(
                    ok,
                    [&](NmSNMPError& e, NmSNMPVarList&) {
                        end = e;
                        done = true;
                    },
                    this, true);
                ASSERT_TRUE(ok);
                (void)QTest::qWaitFor([&] { return done; }, 5000);
                EXPECT_EQ(end.Code, -530);
                EXPECT_EQ(end.Text, "The agent's answer does not match the request!");
                EXPECT_EQ(r->VarList.Item(3).Value, "stale");  // nothing absorbed
            }
            for (int version : {0, 1}) {
                auto t = request(kSparse, vlTable, 1, version);
                t->Device.Port = agent.port();
                const Walked w = walk(*t, async);
                EXPECT_TRUE(w.finished) << "version " << version;
                EXPECT_TRUE(w.rows.empty()) << "version " << version;
                EXPECT_EQ(w.code, -530) << "version " << version << ": " << w.text;
            }
        }
        EXPECT_LE(agent.requestCount(), 60u);
    }
}

// A request the agent did not answer the first time is sent again, and the answer to the
// second one completes it.
TEST_F(RequestTest, AnAnswerToARetransmissionCompletesTheRequest) {
    corvane::test::HostileAgentProcess agent("silence",
                                             {"--from", "1", "--times", "1", "--community",
                                              std::string(kReadCommunity) + "/" + kWriteCommunity},
                                             (dir_ / "switch.snmprec").string());
    ASSERT_TRUE(agent.ready()) << agent.errorOutput();
    auto r = request(kSystem, vlScalar);
    r->Device.Port = agent.port();
    r->Timeout = 30;
    bool ok = false;
    NmSNMPError end;
    bool done = false;
    r->GetAsync(
        ok,
        [&](NmSNMPError& e, NmSNMPVarList&) {
            end = e;
            done = true;
        },
        this, true);
    ASSERT_TRUE(ok);
    (void)QTest::qWaitFor([&] { return done; }, 5000);
    EXPECT_TRUE(done);
    EXPECT_EQ(end.Code, 0) << end.Text;
    EXPECT_EQ(r->VarList.Item(3).Value, "sw1");
    EXPECT_EQ(agent.requestCount(), 2u);
    (void)QTest::qWaitFor([&] { return r->PendingReplies == 0; }, 1000);
    EXPECT_EQ(r->PendingReplies, 0);
}
