// The main window against corvane-sim: identification, the chassis panel built from the
// switch's tables, Refresh, and an agent that is not a Corvane chassis.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "chassis_panel.h"
#include "main_form.h"
#include "message_box.h"
#include "module_panels.h"
#include "pdu_log.h"
#include "picture_folder.h"
#include "sim_process.h"
#include "snmp_types.h"
#include "snmpd_fixture.h"

namespace fs = std::filesystem;
using corvane::test::SimProcess;

namespace {

const std::string kEquipment = "1.3.6.1.4.1.32473.10.120.100.1.2";

// A copy of a shipped profile with some objects replaced.
class ProfileCopy {
  public:
    explicit ProfileCopy(const std::string& name) : dir_(folder_.path().toStdString()) {
        std::ifstream in(SimProcess::profilePath(name));
        for (std::string line; std::getline(in, line);) {
            const auto bar = line.find('|');
            if (bar == std::string::npos)
                continue;
            order_.push_back(line.substr(0, bar));
            lines_[line.substr(0, bar)] = line;
        }
        std::string rules = SimProcess::profilePath(name);
        rules.replace(rules.size() - 8, 8, ".rules");
        fs::copy_file(rules, dir_ + "/switch.rules");
    }
    void set(const std::string& oid, const std::string& typeAndValue) {
        if (!lines_.count(oid))
            order_.push_back(oid);
        lines_[oid] = oid + "|" + typeAndValue;
    }
    void remove(const std::string& oid) { lines_.erase(oid); }
    // The LED table index of an LED name.
    std::string ledIndex(const std::string& name) const {
        const std::string prefix = kEquipment + ".6.1.1.2.";
        for (const auto& [oid, line] : lines_)
            if (oid.rfind(prefix, 0) == 0 && line.substr(line.rfind('|') + 1) == name)
                return oid.substr(prefix.size());
        return {};
    }
    std::string write() {
        std::ofstream out(dir_ + "/switch.snmprec");
        for (const std::string& oid : order_)
            if (lines_.count(oid))
                out << lines_[oid] << '\n';
        return dir_ + "/switch.snmprec";
    }

  private:
    QTemporaryDir folder_;
    std::string dir_;
    std::vector<std::string> order_;
    std::map<std::string, std::string> lines_;
};

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::make_unique<QTemporaryDir>();
        work_ = folder_->path().toStdString();
    }
    void TearDown() override {
        SetMessageHandler({});
        folder_.reset();
    }
    // A main window aimed at the agent with SNMPv1, identified and with its panel loaded.
    std::unique_ptr<TMainForm> open(std::uint16_t port, const std::string& version = "/v1") {
        auto form =
            std::make_unique<TMainForm>(std::vector<std::string>{"/I127.0.0.1", version}, work_);
        DefaultDevice.Port = port;
        form->FormCreate();
        form->LoadChassisPanel();
        return form;
    }
    static bool shown(QWidget* panel, const QString& name) {
        QWidget* w = panel->findChild<QWidget*>(name);
        return w && w->isVisibleTo(panel);
    }
    static TModulePanel* moduleIn(QWidget* panel, int position) {
        auto* slot = panel->findChild<QWidget*>(QString("Slot_Panel%1").arg(position));
        return slot ? slot->findChild<TModulePanel*>(QString(), Qt::FindDirectChildrenOnly)
                    : nullptr;
    }

    std::unique_ptr<QTemporaryDir> folder_;
    std::string work_;
};

}  // namespace

TEST_F(MainWindowTest, CorvaneBPanelFromTheSwitchTables) {
    ProfileCopy profile("corvane-b");
    profile.set(kEquipment + ".4.1.1.4.4", "4|Corvane-LC1x");  // an unknown model in slot 4
    // Slot 3 holds a Corvane-LC7: port 5 on fibre, port 15 on copper.
    const std::string p5 = profile.ledIndex("Prt3/5"), p15 = profile.ledIndex("Prt3/15");
    ASSERT_FALSE(p5.empty());
    profile.set(kEquipment + ".6.1.1.3." + p5, "2|3");
    profile.set(kEquipment + ".6.1.1.5." + p5, "2|2");
    profile.set(kEquipment + ".6.1.1.3." + p15, "2|5");
    profile.set(kEquipment + ".6.1.1.5." + p15, "2|1");
    // Slot 5 holds a Corvane-LC6 (8 ports): a port 9 entry ends its update.
    profile.set(kEquipment + ".6.1.1.3." + profile.ledIndex("Prt5/1"), "2|3");
    profile.set(kEquipment + ".6.1.1.2." + profile.ledIndex("Prt5/2"), "4|Prt5/9");
    profile.set(kEquipment + ".6.1.1.3." + profile.ledIndex("Prt5/3"), "2|3");
    profile.set(kEquipment + ".1.1.1.4.1", "2|3");  // CPU three-LEDs in slot 1
    SimProcess agent(profile.write());
    ASSERT_TRUE(agent.ready());

    auto form = open(agent.port());
    TChassisPanel* panel = form->currentPanel();
    ASSERT_NE(panel, nullptr) << form->statusText().toStdString();
    EXPECT_STREQ(panel->metaObject()->className(), "TPanelCorvaneB");
    EXPECT_EQ(form->width(), 814 + 3);
    EXPECT_EQ(form->ScrollBox1->widget(), panel);

    EXPECT_FALSE(shown(panel, "Slot_Panel5"));  // "N/A"
    EXPECT_TRUE(shown(panel, "Slot_Panel3"));   // unknown model: empty, visible
    EXPECT_EQ(moduleIn(panel, 3), nullptr);
    // Bay 3: exist, failed, DC.
    for (const char* name : {"Image_PW3ok", "Image_PW3failed", "Image_PWDC3ok", "Panel3"})
        EXPECT_FALSE(shown(panel, name)) << name;
    EXPECT_TRUE(shown(panel, "Image_PWDC3failed"));

    TModulePanel* lc7 = moduleIn(panel, 2);
    ASSERT_NE(lc7, nullptr);
    for (const char* name : {"Port5LedPanelF", "Port5PanelF", "P5PanelF", "Port15PanelF"})
        EXPECT_TRUE(shown(lc7, name)) << name;
    EXPECT_FALSE(shown(lc7, "Port5PanelT"));

    TModulePanel* lc6 = moduleIn(panel, 4);
    ASSERT_NE(lc6, nullptr);
    EXPECT_TRUE(shown(lc6, "Port1Panel"));
    EXPECT_FALSE(shown(lc6, "Port3Panel"));

    TModulePanel* mc = moduleIn(panel, 0);
    ASSERT_NE(mc, nullptr);
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(shown(mc, QString("Image_CPU%1").arg(k)), k <= 3) << k;
}

TEST_F(MainWindowTest, RefreshAsksAndBuildsANewPanel) {
    SimProcess agent("corvane-a");
    ASSERT_TRUE(agent.ready());
    auto form = open(agent.port());
    QPointer<TChassisPanel> first = form->currentPanel();
    ASSERT_TRUE(first);
    EXPECT_STREQ(first->metaObject()->className(), "TPanelCorvaneA");

    QString asked;
    SetMessageHandler([&](const MessageRequest& r) {
        asked = r.text;
        return false;  // Cancel
    });
    form->RefreshClick();
    EXPECT_EQ(asked, "Refresh panel may take a long time. Are you sure?");
    EXPECT_EQ(form->currentPanel(), first.data());

    SetMessageHandler([](const MessageRequest&) { return true; });
    form->RefreshClick();
    ASSERT_NE(form->currentPanel(), nullptr);
    EXPECT_NE(form->currentPanel(), first.data());
    EXPECT_TRUE(first.isNull());  // the old panel is gone
    EXPECT_EQ(form->PanelList.size(), 1u);
}

TEST_F(MainWindowTest, OtherAgentsGetNoPanel) {
    {
        ProfileCopy profile("corvane-b");  // a switch of another kind
        profile.set("1.3.6.1.2.1.1.2.0", "6|1.3.6.1.4.1.32473.10.121.7");
        SimProcess agent(profile.write());
        ASSERT_TRUE(agent.ready());
        auto form = open(agent.port());
        EXPECT_EQ(DeviceOID, "1.3.6.1.4.1.32473.10.121.7");
        EXPECT_EQ(form->currentPanel(), nullptr);
        EXPECT_EQ(form->width(), 800);
        EXPECT_TRUE(form->menuBar()->isEnabled());
    }
    {
        const std::uint16_t silent = freeUdpPort();
        auto form = open(silent);
        EXPECT_EQ(form->currentPanel(), nullptr);
        EXPECT_EQ(DeviceOID, "");
        EXPECT_NE(form->statusText().indexOf("timed out"), -1);
    }
}

TEST_F(MainWindowTest, StartupReadsEachSharedTableOnce) {
    // A walk starts with a request for the table's first column itself, not one of its rows.
    const std::map<std::string, std::string> firstColumns = {
        {"module", kEquipment + ".4.1.1.4"},
        {"power", kEquipment + ".2.1.1.2"},
        {"LED", kEquipment + ".6.1.1.2"},
        {"management module", kEquipment + ".1.1.1.2"},
    };
    for (const char* version : {"/v1", "/v0"}) {
        SCOPED_TRACE(version);
        const std::string log = work_ + "/pdus" + version[2] + ".log";
        SimProcess agent("corvane-b", {"--log-pdus", log});
        ASSERT_TRUE(agent.ready());
        auto walks = [&] {
            std::map<std::string, int> n;
            for (const std::string& line : corvane::test::readPduLog(log))
                for (const auto& [table, column] : firstColumns)
                    n[table] += (line + " ").find(" " + column + " ") != std::string::npos;
            return n;
        };
        auto form = open(agent.port(), version);
        ASSERT_NE(form->currentPanel(), nullptr);
        for (const auto& [table, count] : walks())
            EXPECT_EQ(count, 1) << table;
        const auto sent = corvane::test::readPduLog(log);
        const bool bulk = std::string(version) == "/v1";
        EXPECT_EQ(
            std::count_if(sent.begin(), sent.end(),
                          [](const std::string& l) { return l.rfind("getbulk", 0) == 0; }) > 0,
            bulk);
        if (bulk) {
            EXPECT_LE(sent.size(), 40u);
        }

        SetMessageHandler([](const MessageRequest&) { return true; });
        form->RefreshClick();
        ASSERT_NE(form->currentPanel(), nullptr);
        for (const auto& [table, count] : walks())
            EXPECT_EQ(count, 2) << table << " after Refresh";
    }
}

// The main window keeps the size the chassis gives it and stands centred on the screen (at its
// top-left edge where it does not fit), when shown and again after a panel load.
TEST_F(MainWindowTest, FixedSizeCentredOnTheScreen) {
    const auto expectCentred = [](QWidget* w) {
        const QRect area = w->screen()->availableGeometry();
        const QRect frame = w->frameGeometry();
        if (frame.width() <= area.width())
            EXPECT_LE(std::abs(frame.center().x() - area.center().x()), 1);
        else
            EXPECT_EQ(frame.left(), area.left());
        if (frame.height() <= area.height())
            EXPECT_LE(std::abs(frame.center().y() - area.center().y()), 1);
        else
            EXPECT_EQ(frame.top(), area.top());
    };
    SimProcess agent("corvane-a");
    ASSERT_TRUE(agent.ready());
    auto form = std::make_unique<TMainForm>(std::vector<std::string>{"/I127.0.0.1", "/v1"}, work_);
    DefaultDevice.Port = agent.port();
    form->FormCreate();
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    form->show();
    expectCentred(form.get());
    form->LoadChassisPanel();
    ASSERT_NE(form->currentPanel(), nullptr);
    EXPECT_EQ(form->width(), 801 + 3);
    EXPECT_EQ(form->minimumSize(), form->size());
    EXPECT_EQ(form->maximumSize(), form->size());
    expectCentred(form.get());
}

// A row the panel cannot draw is skipped and named in the status bar in one short line; the
// other cards, bays and lamps are drawn as the good rows say.
TEST_F(MainWindowTest, BadRowsAreSkippedAndTheRestIsDrawn) {
    const std::string power = kEquipment + ".2.1.1", models = kEquipment + ".4.1.1.4";
    const std::string names = kEquipment + ".6.1.1.2";
    struct Case {
        const char* name;
        std::function<void(ProfileCopy&)> edit;
        std::string status;
        int emptySlot;  // the slot position left as drawn, -1 for none
    } cases[] = {
        {"an LED name that gives no slot and port",
         [&](ProfileCopy& p) { p.set(names + "." + p.ledIndex("Prt3/2"), "4|garbage"); },
         "LED row '2' skipped: name 'garbage' gives no slot and port", -1},
        {"a 64 KiB LED name",
         [&](ProfileCopy& p) {
             p.set(names + "." + p.ledIndex("Prt3/2"), "4|Prt3/" + std::string(65000, '2'));
         },
         "LED row '2' skipped: name 'Prt3/2222222222222222...' gives no slot and port", -1},
        {"nine power rows",
         [&](ProfileCopy& p) {
             p.set(power + ".1.9", "2|9");
             p.set(power + ".2.9", "2|2");
             p.set(power + ".3.9", "2|1");
             p.set(power + ".4.9", "2|2");
         },
         "Power row '9' skipped: the chassis has 8 bays", -1},
        {"a power row without its type", [&](ProfileCopy& p) { p.remove(power + ".3.2"); },
         "Power row '2' skipped: no Power Type value", -1},
        {"a module without its model", [&](ProfileCopy& p) { p.remove(models + ".3"); },
         "No module row for slot 3", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileCopy profile("corvane-b");
        c.edit(profile);
        SimProcess agent(profile.write());
        ASSERT_TRUE(agent.ready());
        auto form = open(agent.port());
        TChassisPanel* panel = form->currentPanel();
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(form->statusText().toStdString(), c.status);
        // Slots 1 to 8: MC-A, MC-B, LC7, LC1, LC6, N/A, LC4, LC10.
        for (int k : {0, 1, 2, 3, 4, 6, 7}) {
            if (k == c.emptySlot) {
                EXPECT_EQ(moduleIn(panel, k), nullptr);
                EXPECT_TRUE(shown(panel, QString("Slot_Panel%1").arg(k)));
            } else {
                EXPECT_NE(moduleIn(panel, k), nullptr) << "slot " << k + 1;
            }
        }
        EXPECT_FALSE(shown(panel, "Slot_Panel5"));
        EXPECT_TRUE(shown(panel, "Image_PW0ok"));
        EXPECT_TRUE(shown(panel, "Image_PWDC2ok"));
        EXPECT_TRUE(shown(panel, "Image_PWDC7ok"));
        const bool typeMissing = c.status.find("Power Type") != std::string::npos;
        EXPECT_EQ(shown(panel, "Image_PW1ok"), !typeMissing);
        EXPECT_EQ(shown(panel, "Panel1"), typeMissing);  // the skipped bay stays covered
        if (c.emptySlot != 2) {  // the first LED row lights Corvane-LC7 port 1
            EXPECT_TRUE(shown(moduleIn(panel, 2), "P1PanelT") ||
                        shown(moduleIn(panel, 2), "P1PanelF"));
        }
    }
}

// Renders the demo's main window for both chassis (into CORVANE_SHOT_DIR when set).
TEST_F(MainWindowTest, Picture) {
    const corvane::test::PictureFolder folder;
    const QByteArray dir = folder.path().toUtf8();
    for (const char* chassis : {"corvane-a", "corvane-b"}) {
        SimProcess agent(chassis);
        ASSERT_TRUE(agent.ready());
        auto form = open(agent.port());
        form->show();
        QApplication::processEvents();
        form->grab().save(QString::fromUtf8(dir) + "/main-" + chassis + ".png");
    }
}
