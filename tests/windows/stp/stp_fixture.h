// Shared fixture of the spanning-tree window tests: corvane-sim with a PDU log, the program's
// default agent aimed at it, message boxes answered by the test, and the contexts the windows
// are opened with.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "chassis_tables.h"
#include "dedicated_windows.h"
#include "menu_catalogue.h"
#include "message_box.h"
#include "nm_snmp_request2_edits.h"
#include "pdu_log.h"
#include "sim_process.h"
#include "snmp_types.h"
#include "snmpd_fixture.h"
#include "tprogress_form2.h"

namespace stp_test {

inline const std::string kStp = "1.3.6.1.4.1.32473.10.120.100.2.2";
inline const std::string kInstanceEntry = kStp + ".2.3.1";
inline const std::string kPortEntry = kStp + ".2.4.1";

struct Shown {
    MessageKind kind;
    QString text;
};

inline const MenuEntry& entryOf(const char* windowClass) {
    for (const MenuEntry& e : menuCatalogue())
        if (e.Window && std::string(e.Window) == windowClass)
            return e;
    throw std::runtime_error(std::string("no menu entry opens ") + windowClass);
}

inline QString statusOf(const QStatusBar* bar) {
    return bar ? bar->currentMessage() : QString();
}

// Waits until the binding has no read or write under way.
inline bool waitIdle(const NmSNMPRequest2Edits* binding, int ms = 15000) {
    return QTest::qWaitFor([binding] { return !binding->Busy; }, ms);
}

class StpWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TProgressForm2::SetTickInterval(std::chrono::milliseconds(5));
        SetMessageHandler([this](const MessageRequest& r) {
            shown.push_back({r.kind, r.text});
            return confirmAnswer;
        });
    }
    void TearDown() override {
        SetMessageHandler({});
        TProgressForm2::SetTickInterval(std::chrono::milliseconds(1000));
        ResetDefaultTarget();
    }

    // Starts corvane-sim with a profile ("corvane-a", "corvane-b") and aims the program's
    // default agent at it; windows made afterwards talk to it with SNMPv2c.
    void startAgent(const std::string& profile, std::vector<std::string> extra = {}) {
        agent_.reset();
        log_ = (folder_.path() + "/pdus-" + QString::number(++agents_) + ".log").toStdString();
        extra.insert(extra.end(), {"--log-pdus", log_});
        agent_ = std::make_unique<corvane::test::SimProcess>(profile, extra);
        ASSERT_TRUE(agent_->ready());
        aimAt(*agent_);
    }
    static void aimAt(const corvane::test::SimProcess& agent) {
        DefaultDevice.Address = "127.0.0.1";
        DefaultDevice.Port = agent.port();
        DefaultSecurity.Version = 1;
        DefaultSecurity.ReadCommunity = kReadCommunity;
        DefaultSecurity.WriteCommunity = kWriteCommunity;
    }

    // The context a window is opened with: the menu entry of its class, the caption the main
    // window would give it, and the shared bindings below.
    DedicatedWindowContext context(const char* windowClass) {
        const MenuEntry& entry = entryOf(windowClass);
        return DedicatedWindowContext{
            entry, QString::fromUtf8(entry.Title) + QString::fromStdString(DefaultDevice.Address),
            nullptr, shared};
    }
    // A main window's STP version binding and its hidden text, reading the agent the default
    // target names when it is called.
    void makeSharedVersion() {
        ST_STPVersion = std::make_unique<QLabel>();
        stpVersionBinding = std::make_unique<NmSNMPRequest2Edits>(ST_STPVersion.get());
        stpVersionBinding->Async = false;
        stpVersionBinding->Request.VarList = NmSNMPVarList(dtChassisStpVersion, vlScalar, 0);
        stpVersionBinding->BindLabel(0, ST_STPVersion.get());
        shared.StpVersionBinding = stpVersionBinding.get();
        shared.ST_STPVersion = ST_STPVersion.get();
    }

    // The PDUs the agent received, one line each: "TYPE OID[=TAG:VALUE] ...".
    std::vector<std::string> pdus() const { return corvane::test::readPduLog(log_); }
    std::size_t pduCount() const { return pdus().size(); }
    std::vector<std::string> setsSince(std::size_t from) const {
        std::vector<std::string> out;
        const auto all = pdus();
        for (std::size_t i = from; i < all.size(); ++i)
            if (all[i].rfind("set ", 0) == 0)
                out.push_back(all[i].substr(4));
        return out;
    }
    std::vector<std::string> typesSince(std::size_t from) const {
        std::vector<std::string> out;
        const auto all = pdus();
        for (std::size_t i = from; i < all.size(); ++i)
            out.push_back(all[i].substr(0, all[i].find(' ')));
        return out;
    }

    std::vector<Shown> shown;
    bool confirmAnswer = true;
    SharedBindings shared;
    std::unique_ptr<QLabel> ST_STPVersion;
    std::unique_ptr<NmSNMPRequest2Edits> stpVersionBinding;
    std::unique_ptr<corvane::test::SimProcess> agent_;
    QTemporaryDir folder_;
    std::string log_;
    static inline int agents_ = 0;
};

// Whether a set's variable bindings name the object (an OID followed by "=").
inline bool writes(const std::string& set, const std::string& oid) {
    return set.find(oid + "=") != std::string::npos;
}

}  // namespace stp_test
