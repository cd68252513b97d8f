// Shared fixture of the binding tests: a small switch profile served by corvane-sim with a PDU
// log, a window to put controls on, and message boxes answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "message_box.h"
#include "nm_snmp_request2_edits.h"
#include "pdu_log.h"
#include "sim_process.h"
#include "snmpd_fixture.h"

namespace binding_test {

// Scalars under .99.3, a two-index table under .99.2.1 (slot, port, name, member ports,
// row status) with rows 1.1, 1.2 and 2.1.
inline const char* kProfile =
    "1.3.6.1.2.1.1.1.0|4|Test switch\n"
    "1.3.6.1.2.1.1.5.0|4|sw1\n"
    "1.3.6.1.4.1.32473.99.3.1.0|2|2\n"
    "1.3.6.1.4.1.32473.99.3.2.0|4x|0040\n"
    "1.3.6.1.4.1.32473.99.3.3.0|4x|01\n"
    "1.3.6.1.4.1.32473.99.3.4.0|4x|001a2b3c4d5e\n"
    "1.3.6.1.4.1.32473.99.3.5.0|64|10.1.2.3\n"
    "1.3.6.1.4.1.32473.99.3.6.0|67|8640123\n"
    "1.3.6.1.4.1.32473.99.2.1.1.1.1|2|1\n"
    "1.3.6.1.4.1.32473.99.2.1.1.1.2|2|1\n"
    "1.3.6.1.4.1.32473.99.2.1.1.2.1|2|2\n"
    "1.3.6.1.4.1.32473.99.2.1.2.1.1|2|1\n"
    "1.3.6.1.4.1.32473.99.2.1.2.1.2|2|2\n"
    "1.3.6.1.4.1.32473.99.2.1.2.2.1|2|1\n"
    "1.3.6.1.4.1.32473.99.2.1.3.1.1|4|uplink\n"
    "1.3.6.1.4.1.32473.99.2.1.3.1.2|4|server\n"
    "1.3.6.1.4.1.32473.99.2.1.3.2.1|4|backup\n"
    "1.3.6.1.4.1.32473.99.2.1.4.1.1|4x|e080\n"
    "1.3.6.1.4.1.32473.99.2.1.4.1.2|4x|8000\n"
    "1.3.6.1.4.1.32473.99.2.1.4.2.1|4x|0001\n"
    "1.3.6.1.4.1.32473.99.2.1.5.1.1|2|1\n"
    "1.3.6.1.4.1.32473.99.2.1.5.1.2|2|1\n"
    "1.3.6.1.4.1.32473.99.2.1.5.2.1|2|2\n";
inline const char* kRules =
    "1.3.6.1.2.1.1.5 rw type=4\n"
    "1.3.6.1.4.1.32473.99.3.1 rw type=2 range=1..2\n"
    "1.3.6.1.4.1.32473.99.3.2 rw type=4\n"
    "1.3.6.1.4.1.32473.99.3.3 rw type=4\n"
    "1.3.6.1.4.1.32473.99.3.4 rw type=4 size=6\n"
    "1.3.6.1.4.1.32473.99.3.5 rw type=64\n"
    "1.3.6.1.4.1.32473.99.3.6 rw type=67\n"
    "1.3.6.1.4.1.32473.99.2.1.3 rw type=4\n"
    "1.3.6.1.4.1.32473.99.2.1.4 rw type=4\n"
    "1.3.6.1.4.1.32473.99.2.1.5 rowstatus\n";

// Where the profile lives; written once by the test main.
std::filesystem::path& dataDir();

struct Shown {
    MessageKind kind;
    QString text;
};

class BindingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        startAgent();
        SetMessageHandler([this](const MessageRequest& r) {
            shown.push_back({r.kind, r.text});
            return confirmAnswer;
        });
    }
    void TearDown() override { SetMessageHandler({}); }

    void startAgent(std::vector<std::string> extra = {}) {
        agent_.reset();
        log_ =
            dataDir() / ("pdus-" + std::to_string(++agents_) + "-" +
                         ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".log");
        extra.insert(extra.end(), {"--rules", (dataDir() / "switch.rules").string(), "--log-pdus",
                                   log_.string()});
        agent_ = std::make_unique<corvane::test::SimProcess>(
            (dataDir() / "switch.snmprec").string(), extra);
        ASSERT_TRUE(agent_->ready());
    }

    // A binding on the window, aimed at the agent.
    template <class Binding = NmSNMPRequest2Edits>
    std::unique_ptr<Binding> bind(const SNMPVarDescriptor* table, std::uint8_t kind,
                                  int indexCount = 0, bool async = true) {
        auto b = std::make_unique<Binding>(&window);
        b->Async = async;
        b->Request.Device = {"127.0.0.1", agent_->port()};
        b->Request.Security.Version = 1;
        b->Request.Security.ReadCommunity = kReadCommunity;
        b->Request.Security.WriteCommunity = kWriteCommunity;
        b->Request.VarList = NmSNMPVarList(table, kind, indexCount);
        return b;
    }

    // The PDUs the agent received, one line each: "TYPE OID[=TAG:VALUE] ...".
    std::vector<std::string> pdus() const { return corvane::test::readPduLog(log_.string()); }
    std::vector<std::string> pdusSince(std::size_t from) const {
        const auto all = pdus();
        return from < all.size() ? std::vector<std::string>(all.begin() + from, all.end())
                                 : std::vector<std::string>();
    }

    static void waitIdle(NmSNMPRequest2Edits& b) {
        (void)QTest::qWaitFor([&] { return !b.Busy; });
    }

    QWidget window;
    std::vector<Shown> shown;
    bool confirmAnswer = true;
    std::unique_ptr<corvane::test::SimProcess> agent_;
    std::filesystem::path log_;
    static inline int agents_ = 0;
};

}  // namespace binding_test
