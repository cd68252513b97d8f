// Every generic entry of the menu against corvane-sim: the window opens, reads without an error
// status, shows data, and closes; SNMPv2c windows switch the version only while they are open.
// Every dedicated window that this build opens goes the same way.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "config_form.h"
#include "ctrl_btn_panel.h"
#include "dedicated_form.h"
#include "dedicated_windows.h"
#include "edits_panel.h"
#include "generic_window.h"
#include "main_form.h"
#include "menu_catalogue.h"
#include "message_box.h"
#include "modal_dialog.h"
#include "nm_snmp_request2_edits.h"
#include "oam_function_names.h"
#include "pdu_log.h"
#include "picture_folder.h"
#include "sim_process.h"
#include "snmp_panel.h"
#include "snmp_types.h"

namespace fs = std::filesystem;
using corvane::test::SimProcess;

namespace {

void waitIdle(NmSNMPRequest2Edits* b) {
    (void)QTest::qWaitFor([b] { return !b->Busy; }, 10000);
}

QString statusOf(NmSNMPRequest2Edits* b) {
    if (auto* bar = qobject_cast<QStatusBar*>(b->StatusTarget()))
        return bar->currentMessage();
    return {};
}

bool showsData(NmSNMPRequest2Edits* b) {
    if (b->ListView)
        return b->ListView->topLevelItemCount() > 0;
    for (int i = 0; i < b->Request.VarList.Count(); ++i)
        if (!b->Request.VarList.Item(i).Value.empty())
            return true;
    return false;
}

class MenuWalk : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new QTemporaryDir;
        work_ = folder_->path().toStdString();
        log_ = work_ / "pdus.log";
        agent_ = new SimProcess("corvane-b", {"--log-pdus", log_.string()});
        form_ = new TMainForm({"/I127.0.0.1", "/v0"}, work_.string());
        DefaultDevice.Port = agent_->port();
    }
    static void TearDownTestSuite() {
        delete form_;
        delete agent_;
        delete folder_;
    }
    // The entry at a menu path, e.g. {"MPLS", "Out Segment Table"}.
    static const MenuEntry& entryAt(const std::vector<std::string>& path) {
        const auto menu = menuCatalogue();
        for (std::size_t i = 0; i < menu.size(); ++i)
            if (menuPath(menu, i) == path)
                return menu[i];
        throw std::runtime_error("no menu entry " + path.back());
    }
    // Builds, shows and reads the window of an entry.
    static std::unique_ptr<TConfigForm> openRead(const MenuEntry& entry) {
        auto window = BuildGenericWindow(entry);
        window->show();
        window->RefreshCurrent();
        waitIdle(window->Current);
        return window;
    }
    // The variable bindings of the last set the agent received.
    static std::string lastSet() {
        std::string last;
        for (const std::string& line : corvane::test::readPduLog(log_.string()))
            if (line.rfind("set ", 0) == 0)
                last = line.substr(4);
        return last;
    }

    static inline QTemporaryDir* folder_ = nullptr;
    static inline fs::path work_;
    static inline fs::path log_;
    static inline SimProcess* agent_ = nullptr;
    static inline TMainForm* form_ = nullptr;
};

}  // namespace

TEST_F(MenuWalk, EveryGenericWindowReadsAndShowsData) {
    ASSERT_TRUE(agent_->ready());
    SetMessageHandler([](const MessageRequest& r) {
        ADD_FAILURE() << "message box: " << r.text.toStdString();
        return false;
    });
    const auto menu = menuCatalogue();
    int opened = 0;
    for (std::size_t i = 0; i < menu.size(); ++i) {
        const MenuEntry& entry = menu[i];
        if (entry.Action != MenuAction::Generic)
            continue;
        std::string path;
        for (const std::string& p : menuPath(menu, i))
            path += p + " > ";
        SCOPED_TRACE(path);
        const bool v2c =
            std::any_of(entry.Adjustments.begin(), entry.Adjustments.end(),
                        [](const Adjustment& a) { return a.Kind == AdjustmentKind::SnmpV2c; });
        {
            SnmpV2cOverride version(v2c);
            std::unique_ptr<TConfigForm> window = BuildGenericWindow(entry);
            window->show();
            const int pages = window->Pages ? window->Pages->count() : 1;
            for (int page = 0; page < pages; ++page) {
                if (window->Pages)
                    window->Pages->setCurrentIndex(page);
                window->RefreshCurrent();
                NmSNMPRequest2Edits* b = window->Current;
                ASSERT_NE(b, nullptr);
                waitIdle(b);
                EXPECT_EQ(b->Request.Security.Version, v2c ? 1 : 0);
                const QString status = statusOf(b);
                EXPECT_TRUE(status.startsWith("Get: Ok."))
                    << "page " << page << ": " << status.toStdString();
                EXPECT_TRUE(showsData(b)) << "page " << page << " shows nothing";
                if (b->ListView) {  // the demo profile gives every table two rows or more
                    EXPECT_GE(b->ListView->topLevelItemCount(), 2) << "page " << page;
                }
            }
            window->close();
        }
        EXPECT_EQ(DefaultSecurity.Version, 0);  // the next window reads with SNMPv1 again
        ++opened;
    }
    EXPECT_EQ(opened, 193);
    SetMessageHandler({});
}

namespace {

// A binding that has read something: lines in its list view, or values of its scalars.
bool bindingShowsData(const NmSNMPRequest2Edits& b) {
    if (b.ListView)
        return b.ListView->topLevelItemCount() > 0;
    for (int i = 0; i < b.Request.VarList.Count(); ++i)
        if (!b.Request.VarList.Item(i).Value.empty())
            return true;
    return false;
}

QList<QStatusBar*> shownStatusBars(const QWidget* window) {
    QList<QStatusBar*> bars;
    for (QStatusBar* bar : window->findChildren<QStatusBar*>())
        if (bar->isVisible())
            bars << bar;
    return bars;
}

// A window has had its say: no binding busy, and every status bar it shows holds a line.
bool settled(const TDedicatedForm* window) {
    for (const auto& b : window->Bindings())
        if (b->Busy)
            return false;
    const QList<QStatusBar*> bars = shownStatusBars(window);
    return !bars.isEmpty() && std::all_of(bars.begin(), bars.end(), [](const QStatusBar* bar) {
        return !bar->currentMessage().isEmpty();
    });
}

// Dedicated windows that show part of their data only after a step of the user's, keyed by
// window class: the step, run once the window has settled. Keep it small.
const std::map<std::string, std::function<void(TDedicatedForm*)>>& dedicatedSteps() {
    static const std::map<std::string, std::function<void(TDedicatedForm*)>> steps = {
        // The counter of the interface clicked.
        {"Tdot3ControlForm",
         [](TDedicatedForm* w) {
             auto* list = w->findChild<QTreeWidget*>("ListView1");
             auto* panel = w->findChild<QTreeWidget*>("ListView2");
             ASSERT_TRUE(list && panel && list->topLevelItemCount() > 0);
             const QRect row = list->visualItemRect(list->topLevelItem(0));
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
             EXPECT_TRUE(QTest::qWaitFor(
                 [panel] { return !panel->topLevelItem(0)->text(1).isEmpty(); }, 5000));
         }},
    };
    return steps;
}

}  // namespace

// Opened as the menu opens them (modal, through the registry): each reads without an error
// status, shows data and closes, whatever it runs meanwhile (timers, further reads).
TEST_F(MenuWalk, EveryEnabledDedicatedWindowReadsAndShowsData) {
    ASSERT_TRUE(agent_->ready());
    SetMessageHandler([](const MessageRequest& r) {
        ADD_FAILURE() << "message box: " << r.text.toStdString();
        return false;
    });
    const auto menu = menuCatalogue();
    int dedicated = 0;
    int opened = 0;
    for (std::size_t i = 0; i < menu.size(); ++i) {
        const MenuEntry& entry = menu[i];
        if (entry.Action != MenuAction::Dedicated)
            continue;
        ++dedicated;
        SCOPED_TRACE(entry.Window);
        // Every dedicated entry has its window now; none may fall back to a disabled entry.
        if (!DedicatedWindows().Contains(entry.Window)) {
            ADD_FAILURE() << "not registered";
            continue;
        }
        const QString caption = QString::fromUtf8(entry.Title) + "127.0.0.1";
        bool looked = false;
        // Runs inside the window's modal loop; closes the window in every case.
        const auto examine = [&] {
            auto* window = qobject_cast<TDedicatedForm*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            const QPointer<TDedicatedForm> guard(window);
            const auto close = qScopeGuard([guard] {
                if (guard)
                    guard->reject();
            });
            looked = true;
            EXPECT_EQ(window->windowTitle(), caption);
            ASSERT_TRUE(QTest::qWaitFor([&] { return !guard || settled(window); }, 20000))
                << "still reading";
            ASSERT_TRUE(guard);
            const auto step = dedicatedSteps().find(entry.Window);
            if (step != dedicatedSteps().end()) {
                step->second(window);
                ASSERT_TRUE(QTest::qWaitFor([&] { return !guard || settled(window); }, 20000));
                ASSERT_TRUE(guard);
            }
            for (const QStatusBar* bar : shownStatusBars(window))
                EXPECT_TRUE(bar->currentMessage().startsWith("Get: Ok."))
                    << bar->currentMessage().toStdString();
            const auto& bindings = window->Bindings();
            EXPECT_TRUE(std::any_of(bindings.begin(), bindings.end(), [](const auto& b) {
                return bindingShowsData(*b);
            })) << "shows nothing";
        };
        // The window is looked for once its modal loop runs; at most 5 s.
        auto tries = std::make_shared<int>(0);
        auto poll = std::make_shared<std::function<void()>>();
        *poll = [&, tries, poll] {
            auto* modal = qobject_cast<TDedicatedForm*>(QApplication::activeModalWidget());
            if (!modal || !modal->isVisible()) {
                if (++*tries < 500)
                    QTimer::singleShot(10, *poll);
                return;
            }
            examine();
        };
        QTimer::singleShot(0, *poll);
        // Whatever happens, no window stays open for good.
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, [] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                modal->reject();
        });
        giveUp.start(60000);
        EXPECT_TRUE(OpenDedicatedWindow(entry, caption, form_->sharedBindings()));
        EXPECT_TRUE(looked);
        *poll = nullptr;
        ++opened;
    }
    EXPECT_EQ(opened, dedicated);
    EXPECT_EQ(dedicated, 24);
    SetMessageHandler({});
}

// Every cell of every list view page of a window, read with the current defaults.
std::vector<std::vector<std::string>> readAllPages(const MenuEntry& entry, bool& readOk) {
    std::vector<std::vector<std::string>> pages;
    std::unique_ptr<TConfigForm> window = BuildGenericWindow(entry);
    window->show();
    const int count = window->Pages ? window->Pages->count() : 1;
    for (int page = 0; page < count; ++page) {
        if (window->Pages)
            window->Pages->setCurrentIndex(page);
        window->RefreshCurrent();
        NmSNMPRequest2Edits* b = window->Current;
        waitIdle(b);
        readOk = readOk && statusOf(b).startsWith("Get: Ok.");
        if (!b->ListView)
            continue;
        std::vector<std::string> rows;
        for (int r = 0; r < b->ListView->topLevelItemCount(); ++r) {
            std::string line;
            for (int c = 0; c < b->ListView->columnCount(); ++c)
                line += b->ListView->topLevelItem(r)->text(c).toStdString() + "|";
            rows.push_back(line);
        }
        pages.push_back(std::move(rows));
    }
    window->close();
    return pages;
}

TEST_F(MenuWalk, GetNextAndBulkWalksShowTheSameRowsInEveryTableWindow) {
    ASSERT_TRUE(agent_->ready());
    SetMessageHandler([](const MessageRequest& r) {
        ADD_FAILURE() << "message box: " << r.text.toStdString();
        return false;
    });
    const std::size_t logBefore = corvane::test::readPduLog(log_.string()).size();
    DefaultSecurity.Version = 1;
    const auto menu = menuCatalogue();
    int tables = 0;
    for (std::size_t i = 0; i < menu.size(); ++i) {
        const MenuEntry& entry = menu[i];
        if (entry.Action != MenuAction::Generic)
            continue;
        std::string path;
        for (const std::string& p : menuPath(menu, i))
            path += p + " > ";
        SCOPED_TRACE(path);
        bool ok = true;
        DefaultMaxRepetitions = 0;
        const auto byGetNext = readAllPages(entry, ok);
        DefaultMaxRepetitions = -1;
        const auto byBulk = readAllPages(entry, ok);
        EXPECT_TRUE(ok);
        EXPECT_EQ(byGetNext, byBulk);
        tables += !byBulk.empty();
    }
    DefaultSecurity.Version = 0;
    EXPECT_GT(tables, 100);
    // Both kinds went out.
    const auto sent = corvane::test::readPduLog(log_.string());
    int bulk = 0, next = 0;
    for (std::size_t i = logBefore; i < sent.size(); ++i) {
        bulk += sent[i].rfind("getbulk ", 0) == 0;
        next += sent[i].rfind("getnext ", 0) == 0;
    }
    EXPECT_GT(bulk, 100);
    EXPECT_GT(next, bulk);
    SetMessageHandler({});
}

TEST_F(MenuWalk, OamVariantNamesTheSupportedFunctions) {
    struct Case {
        const char* hex;
        const char* names;
    } cases[] = {{"F0", "Variable Request, Link Monitoring, Remote Loopback, Unidirection"},
                 {"70", "Link Monitoring, Remote Loopback, Unidirection"},
                 {"10", "Unidirection"},
                 {"00", ""}};
    for (const Case& c : cases)
        EXPECT_EQ(OamFunctionNames(c.hex), c.names) << c.hex;

    auto window = openRead(entryAt({"OAM", "Dot3 OAM", "Peer Table"}));
    QTreeWidget* list = window->Current->ListView;
    ASSERT_GT(list->topLevelItemCount(), 0);
    const int column = [&] {
        for (int c = 0; c < list->columnCount(); ++c)
            if (window->Current->ColumnDescriptor(c) == 6)
                return c;
        return -1;
    }();
    ASSERT_GE(column, 0);
    const QString cell = list->topLevelItem(0)->text(column);
    static const QStringList names = {"Variable Request", "Link Monitoring", "Remote Loopback",
                                      "Unidirection"};
    for (const QString& part : cell.split(", ", Qt::SkipEmptyParts))
        EXPECT_TRUE(names.contains(part)) << cell.toStdString();
    window->close();
}

TEST_F(MenuWalk, HeightsFollowTheDisplayScale) {
    const double saved = DisplayScale;
    DisplayScale = 1.25;
    auto orTable = BuildGenericWindow(entryAt({"System", "System OR Table"}));
    EXPECT_EQ(orTable->height(), 562);
    DisplayScale = 1.0;
    auto plain = BuildGenericWindow(entryAt({"System", "System OR Table"}));
    EXPECT_EQ(plain->height(), 450);
    DisplayScale = saved;
}

TEST_F(MenuWalk, NoEditAndNoAdd) {
    auto mpls = openRead(entryAt({"MPLS", "Out Segment Table"}));
    auto* panel = mpls->findChild<TSNMPListViewPanel*>();
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->Buttons->BT_Edit->isVisibleTo(panel));
    ASSERT_GT(panel->List->ListView->topLevelItemCount(), 0);
    panel->List->ListView->setCurrentItem(panel->List->ListView->topLevelItem(0));
    bool dialogOpened = false;
    corvane::test::onNextDialog([&](QDialog* d) {
        dialogOpened = true;
        d->reject();
    });
    QTreeWidget* view = panel->List->ListView;
    emit view->itemDoubleClicked(view->topLevelItem(0), 0);  // the double-click action is gone
    QTest::qWait(200);
    EXPECT_FALSE(dialogOpened);
    mpls->close();

    auto vrrp = BuildGenericWindow(entryAt({"Layer 3", "VRRP ", "Operation Table"}));
    auto* vrrpPanel = vrrp->findChild<TSNMPListViewPanel*>();
    ASSERT_NE(vrrpPanel, nullptr);
    EXPECT_FALSE(vrrpPanel->Buttons->BT_Add->isVisibleTo(vrrpPanel));
    EXPECT_TRUE(vrrpPanel->Buttons->BT_Delete->isVisibleTo(vrrpPanel));
}

TEST_F(MenuWalk, RmonRowsKeepTheirStatusAndDeleteWithInvalid) {
    const MenuEntry& entry = entryAt({"Monitoring", "RMON", "Statistics Table"});
    ASSERT_EQ(entry.Pages.size(), 1u);
    const int status = entry.Pages[0].DeleteIndex;
    EXPECT_STREQ(entry.Pages[0].DeleteLiteral, "invalid");
    auto window = openRead(entry);
    auto* panel = window->findChild<TSNMPListViewPanel*>();
    ASSERT_NE(panel, nullptr);
    QTreeWidget* list = panel->List->ListView;
    ASSERT_GT(list->topLevelItemCount(), 0);
    list->setCurrentItem(list->topLevelItem(0));

    bool statusRowShown = false;
    // The dialog borrows the window's row editor.
    QWidget* statusControl = panel->Editor->Rows.at(static_cast<std::size_t>(status)).ValueControl;
    corvane::test::onNextDialog([&](QDialog* d) {
        statusRowShown = statusControl->isVisible();
        d->reject();
    });
    panel->ShowEditDialog();
    EXPECT_TRUE(statusRowShown);

    waitIdle(window->Current);  // the dialog reads the table again when it closes
    ASSERT_GT(list->topLevelItemCount(), 0);
    SetMessageHandler([](const MessageRequest&) { return true; });
    list->setCurrentItem(list->topLevelItem(0));
    panel->DeleteClick();
    SetMessageHandler({});
    const std::string set = lastSet();
    EXPECT_NE(set.find("=2:4"), std::string::npos) << set;  // EntryStatus invalid
    EXPECT_EQ(set.find(' '), std::string::npos) << "only the status column: " << set;
    window->close();
}

// Renders windows of five shapes (into CORVANE_SHOT_DIR when set, to look at).
TEST_F(MenuWalk, Pictures) {
    const corvane::test::PictureFolder folder;
    const QByteArray dir = folder.path().toUtf8();
    const std::vector<std::pair<std::vector<std::string>, const char*>> shots = {
        {{"System", "MIB II", "IP Information Settings"}, "scalar"},
        {{"Management", "SNMPv3", "Engine Information"}, "scalar-wide"},
        {{"System", "System OR Table"}, "table"},
        {{"Layer 2 ", "VLAN", "802.1Q", "VLAN ", "Static VLAN"}, "table-rows"},
        {{"Layer 3", "RIP2 Settings"}, "pages"},
    };
    for (const auto& [path, name] : shots) {
        const MenuEntry* entry = nullptr;
        try {
            entry = &entryAt(path);
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
            continue;
        }
        SnmpV2cOverride version(
            std::any_of(entry->Adjustments.begin(), entry->Adjustments.end(),
                        [](const Adjustment& a) { return a.Kind == AdjustmentKind::SnmpV2c; }));
        auto window = openRead(*entry);
        QApplication::processEvents();
        window->grab().save(QString::fromUtf8(dir) + "/window-" + name + ".png");
        window->close();
    }
}
