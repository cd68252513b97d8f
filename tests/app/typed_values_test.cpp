// Catalogue windows against corvane-sim with the Corvane-B profile: what is typed in the Add and
// Edit dialogs reaches the switch exactly or not at all (the PDU log says which), a refusal
// keeps the dialog open with what was typed, and no read covers its message.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <functional>

#include "config_form.h"
#include "ctrl_btn_panel.h"
#include "edits_panel.h"
#include "generic_window.h"
#include "main_form.h"
#include "menu_catalogue.h"
#include "message_box.h"
#include "modal_dialog.h"
#include "nm_snmp_request2_edits.h"
#include "pdu_log.h"
#include "picture_folder.h"
#include "sim_process.h"
#include "snmp_panel.h"
#include "snmp_types.h"

namespace fs = std::filesystem;
using corvane::test::SimProcess;

namespace {

// What one use of the Add or Edit dialog did.
struct Outcome {
    std::vector<std::string> sets;  // set PDUs the agent received
    bool readAfter = false;         // a read followed the dialog
    bool stayedOpen = false;        // the dialog was still open after "Set Checked"
    std::vector<std::string> kept;  // the row editor's edit texts after "Set Checked"
    QStringList shown;              // message boxes
    QString status;                 // the window's status line afterwards
};

class TypedInCatalogueWindows : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new QTemporaryDir;
        work_ = folder_->path().toStdString();
        log_ = work_ / "pdus.log";
        agent_ = new SimProcess("corvane-b", {"--log-pdus", log_.string()});
        form_ = new TMainForm({"/I127.0.0.1", "/v1"}, work_.string());
        DefaultDevice.Port = agent_->port();
    }
    static void TearDownTestSuite() {
        delete form_;
        delete agent_;
        delete folder_;
    }
    void SetUp() override {
        ASSERT_TRUE(agent_->ready());
        SetMessageHandler([this](const MessageRequest& r) {
            shown_ << r.text;
            return true;
        });
    }
    void TearDown() override { SetMessageHandler({}); }

    static const MenuEntry& entryAt(const std::vector<std::string>& path) {
        const auto menu = menuCatalogue();
        for (std::size_t i = 0; i < menu.size(); ++i)
            if (menuPath(menu, i) == path)
                return menu[i];
        throw std::runtime_error("no menu entry " + path.back());
    }
    static void waitIdle(NmSNMPRequest2Edits* b) {
        (void)QTest::qWaitFor([b] { return !b->Busy; }, 10000);
    }
    // Opens and reads the window; its one list panel.
    static TSNMPListViewPanel* open(std::unique_ptr<TConfigForm>& window,
                                    const std::vector<std::string>& path) {
        window = BuildGenericWindow(entryAt(path));
        window->show();
        window->RefreshCurrent();
        waitIdle(window->Current);
        return window->findChild<TSNMPListViewPanel*>();
    }
    static std::vector<std::string> pdusSince(std::size_t from) {
        const auto all = corvane::test::readPduLog(log_.string());
        return from < all.size() ? std::vector<std::string>(all.begin() + from, all.end())
                                 : std::vector<std::string>();
    }
    static std::size_t pduCount() { return corvane::test::readPduLog(log_.string()).size(); }

    // Opens the dialog with button, fills the row editor, presses "Set Checked" and closes
    // the dialog if it is still open.
    Outcome runDialog(TSNMPListViewPanel* panel, QPushButton* button,
                      const std::function<void(TEditsPanel*)>& fill) {
        shown_.clear();
        Outcome out;
        const std::size_t before = pduCount();
        corvane::test::onNextDialog([&](QDialog* dialog) {
            fill(panel->Editor);
            panel->Editor->CheckBoxClick();
            dialog->findChild<TSNMPPanel*>()->Buttons->BT_SetChecked->click();
            out.stayedOpen = dialog->isVisible();
            for (const UISnmpVar& row : panel->Editor->Rows) {
                auto* e = qobject_cast<QLineEdit*>(row.ValueControl);
                out.kept.push_back(e ? e->text().toStdString() : std::string());
            }
            dialog->reject();
        });
        button->click();
        QTest::qWait(200);
        waitIdle(panel->Binding);
        for (const std::string& pdu : pdusSince(before)) {
            if (pdu.rfind("set ", 0) == 0)
                out.sets.push_back(pdu);
            else
                out.readAfter = true;
        }
        out.shown = shown_;
        out.status = panel->StatusBar()->currentMessage();
        return out;
    }
    static void type(TEditsPanel* editor, int row, const QString& text, bool tick = true) {
        auto& r = editor->Rows[static_cast<std::size_t>(row)];
        qobject_cast<QLineEdit*>(r.ValueControl)->setText(text);
        if (tick)
            r.CheckBox->setChecked(true);
    }

    QStringList shown_;
    static inline QTemporaryDir* folder_ = nullptr;
    static inline fs::path work_;
    static inline fs::path log_;
    static inline SimProcess* agent_ = nullptr;
    static inline TMainForm* form_ = nullptr;
};

// The owner index "admin" as sub-identifiers.
const std::string kAdmin = "5.97.100.109.105.110";

}  // namespace

// "Ping Control Table" > Add, Target Address (an InetAddress column).
TEST_F(TypedInCatalogueWindows, PingTargetAddressGoesOutAsTypedOrNotAtAll) {
    struct Case {
        const char* typed;
        const char* sent;  // the value on the wire, or null for nothing sent
    };
    const Case cases[] = {
        {"192.0.2.7", "4x:c0000207"},
        {"300.1.1.1", nullptr},
        {"1.2.3.4.5", nullptr},
        {"-1.0.0.1", nullptr},
        {"abc", nullptr},
        {"FE800000000000000000000000000001", "4x:fe800000000000000000000000000001"},
    };
    std::unique_ptr<TConfigForm> window;
    TSNMPListViewPanel* panel = open(window, {"Monitoring", "Ping", "Control Table"});
    ASSERT_NE(panel, nullptr);
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::string test = "t" + std::to_string(++n);
        const Outcome out = runDialog(panel, panel->Buttons->BT_Add, [&](TEditsPanel* editor) {
            type(editor, 0, "admin");
            type(editor, 1, QString::fromStdString(test));
            type(editor, 3, c.typed);
        });
        if (c.sent) {
            const std::string row = kAdmin + ".2.116." + std::to_string(48 + n);
            EXPECT_EQ(out.sets,
                      std::vector<std::string>({"set 1.3.6.1.2.1.80.1.2.1.4." + row + "=" + c.sent +
                                                " 1.3.6.1.2.1.80.1.2.1.23." + row + "=2:4"}));
            EXPECT_FALSE(out.stayedOpen);
            EXPECT_TRUE(out.readAfter);
            EXPECT_TRUE(out.shown.isEmpty()) << out.shown.join('|').toStdString();
            continue;
        }
        EXPECT_TRUE(out.sets.empty());
        EXPECT_TRUE(out.stayedOpen);
        EXPECT_FALSE(out.readAfter);
        EXPECT_EQ(out.shown, QStringList({" Please enter a valid IP address!"}));
        EXPECT_TRUE(out.status.startsWith("Set:  Please enter a valid IP address!"))
            << out.status.toStdString();
        ASSERT_GE(out.kept.size(), 4u);
        EXPECT_EQ(out.kept[3], c.typed);
    }
    window->close();
}

// "IP Net To Physical" > Edit, Physical Address (a MAC address written with separators).
TEST_F(TypedInCatalogueWindows, PhysicalAddressWithSeparatorsIsSixOctets) {
    struct Case {
        const char* typed;
        const char* sent;  // or null
        const char* message;
    };
    const Case cases[] = {
        {"00:1A:2B:3C:4D:5E", "4x:001a2b3c4d5e", nullptr},
        {"00-1a-2b-3c-4d-5f", "4x:001a2b3c4d5f", nullptr},
        {"001a.2b3c.4d60", "4x:001a2b3c4d60", nullptr},
        {"00:1A:2B:3C:4D:5G", nullptr,
         "Bad value of the associated SNMP variable's (partial) data!"},
        {"00:1A::3C:4D:5E", nullptr, "Bad value of the associated SNMP variable's (partial) data!"},
    };
    std::unique_ptr<TConfigForm> window;
    TSNMPListViewPanel* panel =
        open(window, {"Layer 3", "IP Management", "IP Net To Physical Table"});
    ASSERT_NE(panel, nullptr);
    QTreeWidget* list = panel->List->ListView;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ASSERT_GT(list->topLevelItemCount(), 0);
        list->setCurrentItem(list->topLevelItem(0));
        panel->ListClick();
        const Outcome out = runDialog(panel, panel->Buttons->BT_Edit,
                                      [&](TEditsPanel* editor) { type(editor, 3, c.typed); });
        if (c.sent) {
            EXPECT_EQ(out.sets,
                      std::vector<std::string>(
                          {std::string("set 1.3.6.1.2.1.4.35.1.4.3001.1.4.10.154.0.1=") + c.sent}));
            EXPECT_FALSE(out.stayedOpen);
            EXPECT_TRUE(out.shown.isEmpty()) << out.shown.join('|').toStdString();
            continue;
        }
        EXPECT_TRUE(out.sets.empty());
        EXPECT_TRUE(out.stayedOpen);
        EXPECT_FALSE(out.readAfter);
        EXPECT_EQ(out.shown, QStringList({c.message}));
    }
    window->close();
}

// "OSPF Host Table" > Add: an empty index, an existing row, a new row.
TEST_F(TypedInCatalogueWindows, RefusedAddKeepsTheDialogAndItsMessage) {
    struct Case {
        const char* address;
        const char* tos;
        const char* sent;     // or null
        bool written;         // the dialog closes and the table is read again
        const char* message;  // or null
    };
    const Case cases[] = {
        {"", "0", nullptr, false, " Please enter a valid IP address!"},
        {"192.0.2.5", "", nullptr, false, " Empty value is not allowed!"},
        {"10.110.0.1", "0",
         "set 1.3.6.1.2.1.14.6.1.3.10.110.0.1.0=2:5 1.3.6.1.2.1.14.6.1.4.10.110.0.1.0=2:4", false,
         "(SNMP) Cannot create/set variable, Inconsistent Value!"},
        {"192.0.2.5", "0",
         "set 1.3.6.1.2.1.14.6.1.3.192.0.2.5.0=2:5 1.3.6.1.2.1.14.6.1.4.192.0.2.5.0=2:4", true,
         nullptr},
    };
    std::unique_ptr<TConfigForm> window;
    TSNMPListViewPanel* panel = open(window, {"Layer 3", "OSPF", "Host Table"});
    ASSERT_NE(panel, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.address) + " ToS '" + c.tos + "'");
        const QString statusBefore = panel->StatusBar()->currentMessage();
        const Outcome out = runDialog(panel, panel->Buttons->BT_Add, [&](TEditsPanel* editor) {
            type(editor, 0, c.address);
            type(editor, 1, c.tos);
            type(editor, 2, "5");
        });
        EXPECT_EQ(out.sets,
                  c.sent ? std::vector<std::string>({c.sent}) : std::vector<std::string>());
        EXPECT_EQ(out.stayedOpen, !c.written);
        EXPECT_EQ(out.readAfter, c.written);
        if (c.written) {
            EXPECT_TRUE(out.shown.isEmpty()) << out.shown.join('|').toStdString();
            EXPECT_TRUE(out.status.startsWith("Get: Ok.")) << out.status.toStdString();
            continue;
        }
        EXPECT_EQ(out.shown, QStringList({c.message}));
        ASSERT_GE(out.kept.size(), 3u);
        EXPECT_EQ(out.kept[0], c.address);
        EXPECT_EQ(out.kept[1], c.tos);
        EXPECT_EQ(out.kept[2], "5");
        // A refusal here stays in the status line; the agent's error leaves the line alone.
        if (c.sent) {
            EXPECT_EQ(out.status, statusBefore);
        } else {
            EXPECT_TRUE(out.status.startsWith(QString("Set: ") + c.message))
                << out.status.toStdString();
        }
    }
    window->close();
}

// Renders a refused Add dialog and its window (into CORVANE_SHOT_DIR when set, to look at).
TEST_F(TypedInCatalogueWindows, RefusedAddPicture) {
    const corvane::test::PictureFolder folder;
    const QByteArray dir = folder.path().toUtf8();
    std::unique_ptr<TConfigForm> window;
    TSNMPListViewPanel* panel = open(window, {"Layer 3", "OSPF", "Host Table"});
    ASSERT_NE(panel, nullptr);
    runDialog(panel, panel->Buttons->BT_Add, [&](TEditsPanel* editor) {
        type(editor, 0, "192.0.2.300");
        type(editor, 1, "0");
        type(editor, 2, "5");
        QWidget* dialog = editor->window();
        dialog->findChild<TSNMPPanel*>()->Buttons->BT_SetChecked->click();
        QApplication::processEvents();
        dialog->grab().save(QString::fromUtf8(dir) + "/refused-add-dialog.png");
        window->grab().save(QString::fromUtf8(dir) + "/refused-add-window.png");
    });
    window->close();
}
