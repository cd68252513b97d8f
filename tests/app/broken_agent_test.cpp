// The start-up (main window with its chassis panel) and a table window against agents that
// misbehave one way at a time: every read ends in bounded time with a status text, no "Ok."
// stands after a failure, and neither rows nor requests grow without bound.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <map>

#include "chassis_panel.h"
#include "config_form.h"
#include "generic_window.h"
#include "hostile_agent_process.h"
#include "main_form.h"
#include "menu_catalogue.h"
#include "message_box.h"
#include "module_panels.h"
#include "nm_snmp_request2_edits.h"
#include "snmp_types.h"

namespace fs = std::filesystem;
using corvane::test::HostileAgentProcess;

namespace {

const std::string kEquipment = "1.3.6.1.4.1.32473.10.120.100.1.2";
const std::string kPower = kEquipment + ".2.1.1";  // read mid-load, and by the Power Table window
const std::string kSysObjectId = "1.3.6.1.2.1.1.2";

// Corvane-B as served by a well-behaved agent; every fault hits the power table unless it says.
struct Fault {
    const char* name;
    const char* mode;
    std::vector<std::string> options;
    const char* status;  // a part of the status text it must leave
    bool mid = true;     // "--from" picks a request in the middle of a get-next walk
};
const Fault kFaults[] = {
    {"cycling answers",
     "cycle",
     {"--oid", kPower + ".2", "--rows", "5"},
     "Walk stopped: the agent's answer",
     false},
    {"backwards answers",
     "backwards",
     {"--oid", kPower + ".2", "--rows", "3"},
     "Walk stopped: the agent's answer",
     false},
    {"fewer variables",
     "fewer",
     {"--oid", kPower, "--keep", "1"},
     "The agent's answer does not match the request!"},
    {"more variables",
     "more",
     {"--oid", kPower, "--extra", "2"},
     "The agent's answer does not match the request!"},
    {"wrong request ID", "wrong-id", {"--oid", kPower}, "timed out"},
    {"error status mid-walk",
     "error-status",
     {"--oid", kPower},
     "(SNMP) Cannot perform operation, General Error!"},
    {"truncated datagrams", "truncate", {"--oid", kPower}, "timed out"},
    // A pause: one request and its retry go unanswered, then the agent answers again.
    {"silence after some requests", "silence", {"--oid", kPower, "--times", "2"}, "timed out"},
};

// The options for one fault and SNMP version: with get-next walks (SNMPv1) the fault starts at
// the third request of the table, with get-bulk (SNMPv2c) at the first, which holds the table.
std::vector<std::string> optionsFor(const Fault& f, const std::string& version) {
    std::vector<std::string> o = f.options;
    if (f.mid)
        o.insert(o.end(), {"--from", version == "/v0" ? "3" : "1"});
    return o;
}

// A copy of the Corvane-B profile with some objects replaced or removed.
class EditedProfile {
  public:
    explicit EditedProfile(const std::map<std::string, std::string>& edits)
        : dir_(folder_.path().toStdString()) {
        std::ifstream in(HostileAgentProcess::profilePath("corvane-b"));
        std::ofstream out(path());
        for (std::string line; std::getline(in, line);) {
            const auto it = edits.find(line.substr(0, line.find('|')));
            if (it == edits.end())
                out << line << '\n';
            else if (!it->second.empty())
                out << it->first << '|' << it->second << '\n';
        }
    }
    std::string path() const { return dir_ + "/switch.snmprec"; }

  private:
    QTemporaryDir folder_;
    std::string dir_;
};

bool shown(QWidget* panel, const QString& name) {
    QWidget* w = panel->findChild<QWidget*>(name);
    return w && w->isVisibleTo(panel);
}

TModulePanel* moduleIn(QWidget* panel, int position) {
    auto* slot = panel->findChild<QWidget*>(QString("Slot_Panel%1").arg(position));
    return slot ? slot->findChild<TModulePanel*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

class BrokenAgent : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::make_unique<QTemporaryDir>();
        work_ = folder_->path().toStdString();
        SetMessageHandler([](const MessageRequest& r) {
            ADD_FAILURE() << "message box: " << r.text.toStdString();
            return false;
        });
    }
    void TearDown() override {
        SetMessageHandler({});
        folder_.reset();
    }

    // The program's start-up against the agent: creation, first activation with the waiting
    // window, panel load. Returns the main window once the waiting window has gone.
    std::unique_ptr<TMainForm> startUp(const HostileAgentProcess& agent, const std::string& version,
                                       qint64& elapsed) {
        QElapsedTimer t;
        t.start();
        auto form =
            std::make_unique<TMainForm>(std::vector<std::string>{"/I127.0.0.1", version}, work_);
        DefaultDevice.Port = agent.port();
        form->FormCreate();
        form->show();
        // The first activation opens the waiting window from the event loop, and the panel
        // loads inside it: a few rounds of the loop see it come and go.
        int rounds = 0;
        (void)QTest::qWaitFor([&] { return ++rounds > 3 && !QApplication::activeModalWidget(); },
                              60000);
        elapsed = t.elapsed();
        return form;
    }

    std::unique_ptr<QTemporaryDir> folder_;
    std::string work_;
};

}  // namespace

TEST_F(BrokenAgent, StartUpEndsWithTheFirstFailureAndDrawsTheRest) {
    for (const char* version : {"/v0", "/v1"}) {
        for (const Fault& f : kFaults) {
            SCOPED_TRACE(std::string(version) + " " + f.name);
            HostileAgentProcess agent(f.mode, optionsFor(f, version));
            ASSERT_TRUE(agent.ready()) << agent.errorOutput();
            qint64 elapsed = 0;
            auto form = startUp(agent, version, elapsed);
            EXPECT_LT(elapsed, 20000);  // a hang, not a speed target
            EXPECT_GT(agent.faultCount(), 0u);
            const QString status = form->statusText();
            EXPECT_NE(status.indexOf(f.status), -1) << status.toStdString();
            EXPECT_EQ(status.indexOf("Ok."), -1) << status.toStdString();
            // The main window came up with its panel; the power table holds no more rows than
            // the switch has, and the rest of the panel is drawn.
            TChassisPanel* panel = form->currentPanel();
            ASSERT_NE(panel, nullptr);
            EXPECT_LE(panel->PowerListView->topLevelItemCount(), 8);
            EXPECT_NE(moduleIn(panel, 0), nullptr);
            ASSERT_NE(moduleIn(panel, 2), nullptr);  // a Corvane-LC7 with its LED rows
            EXPECT_EQ(form->PortInfoListView->topLevelItemCount(), 156);
            EXPECT_FALSE(shown(panel, "Slot_Panel5"));  // "N/A"
            // A normal start-up sends 180 requests with get-next walks, 21 with get-bulk.
            EXPECT_LE(agent.requestCount(), std::string(version) == "/v0" ? 200u : 60u);
        }
    }
}

// The walks of the start-up itself: a module table that turns back keeps neither the main window
// nor its panel from appearing, an LED name column going round ends the LED read.
TEST_F(BrokenAgent, StartUpWithCyclingModuleAndLedTables) {
    const struct {
        const char* name;
        std::string column;
        const char* rows;
        int slotsDrawn;  // modules placed from the rows read before the fault
    } cases[] = {
        {"module table back to row 1 after row 3", kEquipment + ".4.1.1.4", "3", 3},
        {"LED names round rows 1 to 5", kEquipment + ".6.1.1.2", "5", 7},
    };
    for (const char* version : {"/v0", "/v1"}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(version) + " " + c.name);
            HostileAgentProcess agent("cycle", {"--oid", c.column, "--rows", c.rows});
            ASSERT_TRUE(agent.ready()) << agent.errorOutput();
            qint64 elapsed = 0;
            auto form = startUp(agent, version, elapsed);
            EXPECT_LT(elapsed, 20000);
            EXPECT_NE(form->statusText().indexOf("Walk stopped: the agent's answer"), -1)
                << form->statusText().toStdString();
            TChassisPanel* panel = form->currentPanel();
            ASSERT_NE(panel, nullptr);
            int placed = 0;
            for (int k = 0; k < 8; ++k)
                placed += moduleIn(panel, k) != nullptr;
            EXPECT_EQ(placed, c.slotsDrawn);
            EXPECT_LE(form->UnitListView->topLevelItemCount(), 8);
            EXPECT_LE(form->PortInfoListView->topLevelItemCount(), 156);
            EXPECT_LE(agent.requestCount(), 200u);
        }
    }
}

TEST_F(BrokenAgent, TableWindowEndsWithAStatusText) {
    // One main window for the session; each fault gets an agent of its own.
    TMainForm form({"/I127.0.0.1", "/v0"}, work_);
    const auto menu = menuCatalogue();
    const MenuEntry* entry = nullptr;
    for (std::size_t i = 0; i < menu.size(); ++i)
        if (menuPath(menu, i) ==
            std::vector<std::string>{"Monitoring", "Equipment Management", "Power Table"})
            entry = &menu[i];
    ASSERT_NE(entry, nullptr);
    for (const char* version : {"/v0", "/v1"}) {
        for (const Fault& f : kFaults) {
            SCOPED_TRACE(std::string(version) + " " + f.name);
            HostileAgentProcess agent(f.mode, optionsFor(f, version));
            ASSERT_TRUE(agent.ready()) << agent.errorOutput();
            DefaultDevice.Port = agent.port();
            DefaultSecurity.Version = std::string(version) == "/v0" ? 0 : 1;
            QElapsedTimer t;
            t.start();
            std::unique_ptr<TConfigForm> window = BuildGenericWindow(*entry);
            window->show();  // its first read starts once it is on the screen
            (void)QTest::qWaitFor([&] { return window->Current && !window->Current->Busy; }, 30000);
            EXPECT_LT(t.elapsed(), 20000);
            NmSNMPRequest2Edits* b = window->Current;
            ASSERT_NE(b, nullptr);
            EXPECT_FALSE(b->Busy);
            const QString status = qobject_cast<QStatusBar*>(b->StatusTarget())->currentMessage();
            EXPECT_NE(status.indexOf(f.status), -1) << status.toStdString();
            EXPECT_FALSE(status.startsWith("Get: Ok.")) << status.toStdString();
            EXPECT_LE(b->ListView->topLevelItemCount(), 8);
            EXPECT_LE(agent.requestCount(), 40u);
            window->close();
        }
    }
    DefaultSecurity.Version = 0;
}

// A sysObjectID that cannot identify the switch: the status bar says so, with the reason.
TEST_F(BrokenAgent, SwitchThatCannotBeIdentified) {
    const std::string oid = kSysObjectId + ".0";
    const struct {
        const char* name;
        std::map<std::string, std::string> edits;
        std::vector<std::string> agent;  // mode and options
        const char* version;
        const char* reason;
    } cases[] = {
        {"an octet string",
         {{oid, "4|1.3.6.1.4.1.32473.10.120.2"}},
         {"normal"},
         "/v1",
         "its sysObjectID is not an object identifier."},
        {"an integer",
         {{oid, "2|2"}},
         {"normal"},
         "/v0",
         "its sysObjectID is not an object identifier."},
        {"missing, SNMPv2c", {{oid, ""}}, {"normal"}, "/v1", "the agent has no sysObjectID."},
        {"missing, SNMPv1", {{oid, ""}}, {"normal"}, "/v0", "(SNMP) Variable does not exist!"},
        {"an error status",
         {},
         {"error-status", "--oid", kSysObjectId},
         "/v1",
         "(SNMP) Cannot perform operation, General Error!"},
        {"two answers to one question",
         {},
         {"more", "--oid", kSysObjectId},
         "/v1",
         "The agent's answer does not match the request!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EditedProfile profile(c.edits);
        std::vector<std::string> options(c.agent.begin() + 1, c.agent.end());
        HostileAgentProcess agent(c.agent.front(), options, profile.path());
        ASSERT_TRUE(agent.ready()) << agent.errorOutput();
        qint64 elapsed = 0;
        auto form = startUp(agent, c.version, elapsed);
        EXPECT_EQ(form->currentPanel(), nullptr);
        EXPECT_EQ(form->statusText().toStdString(),
                  std::string("The switch could not be identified: ") + c.reason);
    }
}

// One application object, destroyed before the program's static objects: the shown windows
// leave an input device behind that must not outlive it.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
