// Shared fixture of the configuration window tests: a small switch profile served by
// corvane-sim with a PDU log, windows aimed at it, message boxes and modal dialogs answered
// by the test.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "config_form.h"
#include "message_box.h"
#include "modal_dialog.h"
#include "nm_snmp_request2_edits.h"
#include "pdu_log.h"
#include "sim_process.h"
#include "snmpd_fixture.h"

namespace configwin_test {

std::filesystem::path& dataDir();

inline const OptionEntry kRowStatusWords[] = {
    {1, "active"},        {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"},
    {5, "createAndWait"}, {6, "destroy"},      {0, nullptr}};
inline const NmOptionList kRowStatus(kRowStatusWords);

// Scalars under .99.3; a two-index table (name, status; rows 1.1, 1.2, 2.1) under .99.2.1; a
// read-only table under .99.4.1; a 40-row table under .99.5.1 for slow walks.
inline std::string profileText() {
    std::string p =
        "1.3.6.1.4.1.32473.99.3.1.0|4|sw1\n"
        "1.3.6.1.4.1.32473.99.3.2.0|67|8640123\n"
        "1.3.6.1.4.1.32473.99.3.3.0|4|lab\n"
        "1.3.6.1.4.1.32473.99.3.4.0|2|7\n"
        "1.3.6.1.4.1.32473.99.3.5.0|64|10.1.2.3\n"
        "1.3.6.1.4.1.32473.99.2.1.3.1.1|4|uplink\n"
        "1.3.6.1.4.1.32473.99.2.1.3.1.2|4|server\n"
        "1.3.6.1.4.1.32473.99.2.1.3.2.1|4|backup\n"
        "1.3.6.1.4.1.32473.99.2.1.4.1.1|2|1\n"
        "1.3.6.1.4.1.32473.99.2.1.4.1.2|2|1\n"
        "1.3.6.1.4.1.32473.99.2.1.4.2.1|2|2\n"
        "1.3.6.1.4.1.32473.99.4.1.2.1|65|100\n"
        "1.3.6.1.4.1.32473.99.4.1.2.2|65|200\n";
    for (int r = 1; r <= 40; ++r)
        p += "1.3.6.1.4.1.32473.99.5.1.2." + std::to_string(r) + "|2|" + std::to_string(r) + "\n";
    return p;
}
inline const char* kRules =
    "1.3.6.1.4.1.32473.99.3.1 rw type=4\n"
    "1.3.6.1.4.1.32473.99.3.3 rw type=4\n"
    "1.3.6.1.4.1.32473.99.3.4 rw type=2\n"
    "1.3.6.1.4.1.32473.99.3.5 rw type=64\n"
    "1.3.6.1.4.1.32473.99.2.1.3 rw type=4\n"
    "1.3.6.1.4.1.32473.99.2.1.4 rowstatus\n";

inline constexpr const char* kTableEntry = "1.3.6.1.4.1.32473.99.2.1";
inline const SNMPVarDescriptor kPortTable[] = {
    {"1.3.6.1.4.1.32473.99.2.1.1", "Slot", synInteger, vfIndex},
    {"1.3.6.1.4.1.32473.99.2.1.2", "Port", synInteger, vfIndex},
    {"1.3.6.1.4.1.32473.99.2.1.3", "Name", synDisplayString, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.2.1.4", "Status", synInteger, vfRead | vfWrite, &kRowStatus},
    {nullptr}};
inline constexpr int kPortStatus = 3;
inline const SNMPVarDescriptor kCounterTable[] = {
    {"1.3.6.1.4.1.32473.99.4.1.1", "Index", synInteger, vfIndex},
    {"1.3.6.1.4.1.32473.99.4.1.2", "Octets", synCounter32, vfRead},
    {nullptr}};
inline const SNMPVarDescriptor kLongTable[] = {
    {"1.3.6.1.4.1.32473.99.5.1.1", "Index", synInteger, vfIndex},
    {"1.3.6.1.4.1.32473.99.5.1.2", "Value", synInteger, vfRead},
    {nullptr}};

struct Shown {
    MessageKind kind;
    QString text;
};

class ConfigFormTest : public ::testing::Test {
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
        log_ = dataDir() / ("pdus-" + std::to_string(++agents_) + ".log");
        extra.insert(extra.end(), {"--rules", (dataDir() / "switch.rules").string(), "--log-pdus",
                                   log_.string()});
        agent_ = std::make_unique<corvane::test::SimProcess>(
            (dataDir() / "switch.snmprec").string(), extra);
        ASSERT_TRUE(agent_->ready());
    }

    // A binding of a window, aimed at the agent.
    std::unique_ptr<NmSNMPRequest2Edits> bind(QWidget* form, const SNMPVarDescriptor* table,
                                              std::uint8_t kind, int indexCount = 0) {
        auto b = std::make_unique<NmSNMPRequest2Edits>(form);
        b->Request.Device = {"127.0.0.1", agent_->port()};
        b->Request.Security.Version = 1;
        b->Request.Security.ReadCommunity = kReadCommunity;
        b->Request.Security.WriteCommunity = kWriteCommunity;
        b->Request.VarList = NmSNMPVarList(table, kind, indexCount);
        return b;
    }

    // The PDUs the agent received, one line each: "TYPE OID[=TAG:VALUE] ...".
    std::vector<std::string> pdus() const { return corvane::test::readPduLog(log_.string()); }
    std::vector<std::string> setsSince(std::size_t from) const {
        std::vector<std::string> out;
        const auto all = pdus();
        for (std::size_t i = from; i < all.size(); ++i)
            if (all[i].rfind("set ", 0) == 0)
                out.push_back(all[i]);
        return out;
    }

    // Shows the window and waits until its first read has ended.
    static void showAndRead(TConfigForm& form, NmSNMPRequest2Edits* binding = nullptr) {
        NmSNMPRequest2Edits* b = binding ? binding : form.PanelBindings.front().get();
        form.show();
        (void)QTest::qWaitFor([b] {
            auto* bar = qobject_cast<QStatusBar*>(b->StatusTarget());
            return !b->Busy && bar && bar->currentMessage().startsWith("Get:");
        });
    }

    // Runs action on the next modal dialog as soon as it is open; the dialog is closed
    // after 5 s at the latest so that no test can hang in it.
    static void onNextDialog(std::function<void(QDialog*)> action) {
        corvane::test::onNextDialog(std::move(action));
    }

    // Object names of the shown controls of a button column, top to bottom.
    static QStringList shownButtons(const TCtrlBtnPanel* buttons) {
        QStringList names;
        for (QWidget* c : buttons->Controls())
            if (c->isVisible())
                names << c->objectName();
        return names;
    }

    std::vector<Shown> shown;
    bool confirmAnswer = true;
    std::unique_ptr<corvane::test::SimProcess> agent_;
    std::filesystem::path log_;
    static inline int agents_ = 0;
};

}  // namespace configwin_test
