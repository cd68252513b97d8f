// corvane --export against corvane-sim over SNMPv3: the CSV printed equals, byte for byte, what
// the same window shows once opened; failed reads, unknown paths and pages; --version.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "config_form.h"
#include "export_command.h"
#include "generic_window.h"
#include "main_form.h"
#include "menu_catalogue.h"
#include "nm_snmp_request2_edits.h"
#include "sim_process.h"
#include "snmp_panel.h"

namespace fs = std::filesystem;
using corvane::test::CommandResult;
using corvane::test::runCommand;
using corvane::test::SimProcess;

namespace {
// The test's own CSV: quotes where a field holds a comma, a quote or a line break.
std::string csv(const std::vector<QStringList>& rows) {
    std::string out;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (QString f : row) {
            if (f.contains(',') || f.contains('"') || f.contains('\n') || f.contains('\r'))
                f = '"' + f.replace("\"", "\"\"") + '"';
            fields << f;
        }
        out += fields.join(',').toStdString() + "\r\n";
    }
    return out;
}

CommandResult corvane(std::vector<std::string> args) {
    args.insert(args.begin(), CORVANE_PATH);
    return runCommand(args, std::chrono::seconds(30));
}

class Export : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new QTemporaryDir;
        work_ = folder_->path().toStdString();
        // The programs started here keep their boots counter in the folder, not in the build.
        fs::current_path(work_);
        agent_ = new SimProcess("corvane-b");
        ASSERT_TRUE(agent_->ready());
        LaunchParameters kept;
        StartSession(corvane::test::simV3Switches(agent_->port()), work_.string(), kept);
    }
    static void TearDownTestSuite() {
        delete agent_;
        delete folder_;
    }

    // What the window of the entry holds once it has read the page, as CSV.
    static std::string windowCsv(const std::string& path, int page = 0) {
        const int at = FindMenuPath(menuCatalogue(), path);
        EXPECT_GE(at, 0) << path;
        if (at < 0)
            return {};
        const MenuEntry& entry = menuCatalogue()[static_cast<std::size_t>(at)];
        std::unique_ptr<TConfigForm> form = BuildGenericWindow(entry);
        const auto waitRead = [&form](std::size_t panel) {
            NmSNMPRequest2Edits* b = form->PanelBindings.at(panel).get();
            (void)QTest::qWaitFor(
                [b] {
                    auto* bar = qobject_cast<QStatusBar*>(b->StatusTarget());
                    return !b->Busy && bar && bar->currentMessage().startsWith("Get: Ok.");
                },
                10000);
            return b;
        };
        form->show();
        NmSNMPRequest2Edits* b = waitRead(0);
        if (page > 0) {
            form->Pages->setCurrentIndex(page);
            b = waitRead(static_cast<std::size_t>(page));
        }
        std::vector<QStringList> rows;
        if (QTreeWidget* view = b->ListView) {
            rows.emplace_back();
            for (int c = 0; c < view->columnCount(); ++c)
                if (!view->header()->isSectionHidden(c))
                    rows[0] << view->headerItem()->text(c).trimmed();
            for (int r = 0; r < view->topLevelItemCount(); ++r) {
                QStringList cells;
                for (int c = 0; c < view->columnCount(); ++c)
                    if (!view->header()->isSectionHidden(c))
                        cells << view->topLevelItem(r)->text(c);
                rows.push_back(cells);
            }
        } else {
            for (TSNMPEditorPanel* p : form->findChildren<TSNMPEditorPanel*>())
                if (p->Binding == b)
                    for (const UISnmpVar& row : p->Editor->Rows) {
                        QString value;
                        if (auto* edit = qobject_cast<QLineEdit*>(row.ValueControl))
                            value = edit->text();
                        else if (auto* combo = qobject_cast<QComboBox*>(row.ValueControl))
                            value = combo->currentText();
                        rows.push_back({row.CaptionLabel->text().trimmed(), value});
                    }
        }
        form->close();
        return csv(rows);
    }

    static inline QTemporaryDir* folder_ = nullptr;
    static fs::path work_;
    static SimProcess* agent_;
};

fs::path Export::work_;
SimProcess* Export::agent_ = nullptr;

TEST_F(Export, PrintsWhatTheWindowHolds) {
    struct Case {
        const char* path;
        const char* page;  // null: none given
        int pageIndex;
        std::size_t minLines;
    };
    const Case cases[] = {
        {"Layer 2 / VLAN / 802.1Q / VLAN / Static VLAN", nullptr, 0, 3},
        {"System / IF-MIB / IF Number", nullptr, 0, 1},
        {"Management / SNMPv3 / Engine Information", nullptr, 0, 4},
        {"Layer 3 / OSPF / Area Settings", "Stub Area Table", 1, 3},
        {"Layer 3 / OSPF / Area Settings", nullptr, 0, 3},
        {"OAM / Dot3 OAM / Information Table", nullptr, 0, 3},
        // Blanks around the slashes and letter case do not matter.
        {"layer 3/ospf/area settings", "stub area table", 1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path) + (c.page ? std::string(" / page ") + c.page : ""));
        std::vector<std::string> args{"--export", c.path};
        if (c.page)
            args.insert(args.end(), {"--page", c.page});
        for (const std::string& s : corvane::test::simV3Switches(agent_->port()))
            args.push_back(s);
        const CommandResult r = corvane(args);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, windowCsv(c.path, c.pageIndex));
        std::size_t lines = 0;
        for (std::size_t at = 0; (at = r.out.find("\r\n", at)) != std::string::npos; at += 2)
            ++lines;
        EXPECT_GE(lines, c.minLines) << r.out;
    }
}

TEST_F(Export, FailuresGoToStandardErrorWithAnExitCode) {
    SimProcess gone("corvane-b");
    ASSERT_TRUE(gone.ready());
    const std::uint16_t deadPort = gone.port();
    gone.stop();

    std::vector<std::string> dead{"--export", "System / IF-MIB / IF Number"};
    for (const std::string& s : corvane::test::simV3Switches(deadPort))
        dead.push_back(s);
    const CommandResult failed = corvane(dead);
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(failed.err.rfind("Get: ", 0), 0u) << failed.err;
    EXPECT_NE(failed.err.find("timed out"), std::string::npos) << failed.err;
    EXPECT_EQ(failed.err.find("corvane-auth"), std::string::npos);

    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> told;
    };
    const Case cases[] = {
        {{"--export", "System / IF-MIB / IfX Tabel"},
         {"no menu entry \"System / IF-MIB / IfX Tabel\"", "  System / IF-MIB / IfX Table\n"}},
        {{"--export", "Layer 3 / OSPF"},
         {"  Layer 3 / OSPF / Area Settings\n", "  Layer 3 / OSPF / Host Table\n"}},
        {{"--export", "Layer 3 / OSPF / Area Settings", "--page", "Stubs"},
         {"has no page \"Stubs\"", "  Stub Area Table\n"}},
        {{"--export", "System / IF-MIB / IF Number", "--page", "Stubs"}, {"without pages"}},
        {{"--export", "Help / About"}, {"does not open a MIB window"}},
        {{"--export"}, {"--export needs a menu path"}},
        {{"--export", "System / IF-MIB / IF Number", "/v3", "/tX"}, {"not a valid integer"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        const CommandResult r = corvane(c.args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        for (const std::string& text : c.told)
            EXPECT_NE(r.err.find(text), std::string::npos) << r.err;
    }
}

TEST_F(Export, VersionOfBothPrograms) {
    const CommandResult manager = corvane({"--version"});
    EXPECT_EQ(manager.exitCode, 0);
    EXPECT_EQ(manager.out, "corvane " CORVANE_VERSION "\n");
    const CommandResult sim = runCommand({SimProcess::binaryPath(), "--version"});
    EXPECT_EQ(sim.exitCode, 0);
    EXPECT_EQ(sim.out, "corvane-sim " CORVANE_VERSION "\n");
}

}  // namespace
