// The LLDP configuration windows against corvane-sim: TLV columns shown as names, the TLV
// dialog, the set cycle as the agent sees it, and the guards of the read cycle.
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "lldp_bit_maps.h"
#include "lldp_list_members.h"
#include "lldp_tlv_dialog.h"
#include "lldp_window_fixture.h"

using namespace lldp_test;

namespace {

constexpr const char* kPortConfig = "1.0.8802.1.1.2.1.1.6.1";
constexpr const char* kDot3PortConfig = "1.0.8802.1.1.2.1.5.4623.1.1.1.1";
constexpr const char* kMedPortConfig = "1.0.8802.1.1.2.1.5.4795.1.1.2.1";
constexpr const char* kProtocolConfig = "1.0.8802.1.1.2.1.5.32962.1.1.4.1";

using Factory = std::function<std::unique_ptr<TLLDPListForm>(const DedicatedWindowContext&)>;
template <class W>
Factory make() {
    return [](const DedicatedWindowContext& c) { return std::make_unique<W>(c); };
}

QStringList checkedBoxes(const TLLDPTlvDialog* d) {
    QStringList out;
    for (QCheckBox* b : d->Boxes)
        if (b->isChecked())
            out << b->objectName();
    return out;
}

void select(TLLDPListForm* w, int row) {
    w->ListView->setCurrentItem(w->ListView->topLevelItem(row));
}

}  // namespace

class LldpConfigWindows : public LldpWindowTest {
  protected:
    std::unique_ptr<TLLDPListForm> openForm(const Factory& factory, const char* windowClass) {
        auto w = factory(contextOf(windowClass));
        w->show();
        waitIdle(w->Binding);
        (void)QTest::qWaitFor([&] { return w->Complete; });
        return w;
    }
    static void waitComplete(TLLDPListForm* w) {
        (void)QTest::qWaitFor([w] { return w->Complete && !w->Binding->Busy; }, 15000);
    }
};

// Every line shows the names of its octet as the agent holds it.
TEST_F(LldpConfigWindows, TlvColumnsShowTheNamesOfTheAgentsOctets) {
    struct Case {
        const char* windowClass;
        Factory factory;
        const char* caption;
        std::string column;
        LldpBitMap (*names)();
    } cases[] = {
        {"TLLDPPortConfigForm", make<TLLDPPortConfigForm>(), "TLVs TX Enable",
         std::string(kPortConfig) + ".4", BasicTlvNames},
        {"TLLDPDot3PortConfigForm", make<TLLDPDot3PortConfigForm>(), "TLVs TX Enable",
         std::string(kDot3PortConfig) + ".1", Dot3TlvNames},
        {"TLLDPRemotePortConfigForm", make<TLLDPRemotePortConfigForm>(), "TLVs TX Enabled",
         std::string(kMedPortConfig) + ".2", MedTlvNames},
        {"TLLDPRemotePortConfigForm", make<TLLDPRemotePortConfigForm>(), "Capability Supported",
         std::string(kMedPortConfig) + ".1", MedTlvNames},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.windowClass) + " / " + c.caption);
        auto w = openForm(c.factory, c.windowClass);
        EXPECT_TRUE(statusOf(w->Binding).startsWith("Get: Ok."))
            << statusOf(w->Binding).toStdString();
        const auto agent = profileColumn(profile_, c.column);
        const QStringList ports = cellsOf(w->ListView, "Port Number");
        const QStringList cells = cellsOf(w->ListView, c.caption);
        ASSERT_EQ(ports.size(), static_cast<qsizetype>(agent.size()));
        EXPECT_EQ(w->CountBox->text(), QString::number(agent.size()));
        for (qsizetype r = 0; r < ports.size(); ++r) {
            const auto held = agent.find(ports[r].toStdString());
            ASSERT_NE(held, agent.end()) << ports[r].toStdString();
            EXPECT_EQ(cells[r].toStdString(), DecodeBitNames(c.names(), held->second))
                << "port " << ports[r].toStdString();
        }
        w->close();
    }
    // The three octets the basic map is known by are among them.
    auto w = openForm(make<TLLDPPortConfigForm>(), "TLLDPPortConfigForm");
    const QStringList cells = cellsOf(w->ListView, "TLVs TX Enable");
    EXPECT_TRUE(
        cells.contains(" Port Description,System Name,System Description,System Capabilities"));
    EXPECT_TRUE(cells.contains(" System Name,System Capabilities"));
    EXPECT_TRUE(cells.contains(" "));
}

// The dialog's choice reaches the agent only through the window's set button, as one octet,
// together with the line's other writable values as they were.
TEST_F(LldpConfigWindows, TheDialogsChoiceIsWrittenByTheSetButton) {
    struct Case {
        const char* name;
        const char* windowClass;
        Factory factory;
        const char* caption;
        std::string column;
        LldpBitMap (*names)();
        // The line to change: the first whose TLV text holds this (empty: the first line).
        QString lineWith;
        std::function<void(TLLDPTlvDialog*)> choose;
        std::function<std::string(const std::string& before)> octet;  // from the octet before
    } cases[] = {
        {"System Name alone", "TLLDPPortConfigForm", make<TLLDPPortConfigForm>(), "TLVs TX Enable",
         std::string(kPortConfig) + ".4", BasicTlvNames, "",
         [](TLLDPTlvDialog* d) {
             for (QCheckBox* b : d->Boxes)
                 b->setChecked(b->objectName() == "System Name");
         },
         [](const std::string&) { return std::string("40"); }},
        {"every box unchecked", "TLLDPPortConfigForm", make<TLLDPPortConfigForm>(),
         "TLVs TX Enable", std::string(kPortConfig) + ".4", BasicTlvNames, "System",
         [](TLLDPTlvDialog* d) {
             for (QCheckBox* b : d->Boxes)
                 b->setChecked(false);
         },
         [](const std::string&) { return std::string("00"); }},
        {"802.3 TLVs", "TLLDPDot3PortConfigForm", make<TLLDPDot3PortConfigForm>(), "TLVs TX Enable",
         std::string(kDot3PortConfig) + ".1", Dot3TlvNames, "",
         [](TLLDPTlvDialog* d) {
             for (QCheckBox* b : d->Boxes)
                 b->setChecked(b->objectName() == "macPhyConfigStatus" ||
                               b->objectName() == "maxFrameSize");
         },
         [](const std::string&) { return std::string("90"); }},
        // "location" has no box shown; the switch's choice of it stays.
        {"MED TLVs with a hidden one kept", "TLLDPRemotePortConfigForm",
         make<TLLDPRemotePortConfigForm>(), "TLVs TX Enabled", std::string(kMedPortConfig) + ".2",
         MedTlvNames, "location",
         [](TLLDPTlvDialog* d) { d->Box("networkPolicy")->setChecked(false); },
         [](const std::string& before) {
             char hex[16];
             std::snprintf(hex, sizeof hex, "%02X",
                           static_cast<unsigned>(std::stoul(before, nullptr, 16) & ~0x40u));
             return std::string(hex);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto w = openForm(c.factory, c.windowClass);
        const QStringList cells = cellsOf(w->ListView, c.caption);
        int row = 0;
        while (!c.lineWith.isEmpty() && row < cells.size() && !cells[row].contains(c.lineWith))
            ++row;
        ASSERT_LT(row, cells.size());
        const std::string port = cellsOf(w->ListView, "Port Number")[row].toStdString();
        const std::string before = profileColumn(profile_, c.column).at(port);
        select(w.get(), row);
        EXPECT_EQ(w->TlvEdit->text(), cells[row]);

        QString caption;
        QStringList checkedAtFirst;
        corvane::test::onNextDialog([&](QDialog* d) {
            auto* dialog = qobject_cast<TLLDPTlvDialog*>(d);
            ASSERT_NE(dialog, nullptr);
            caption = dialog->windowTitle();
            checkedAtFirst = checkedBoxes(dialog);
            c.choose(dialog);
            dialog->BT_SetChecked->click();
        });
        QTest::mouseClick(w->TlvEdit, Qt::LeftButton);
        // The boxes started as the line's names.
        QStringList expectedChecked;
        for (const LldpBitName& n : c.names())
            if (cells[row].contains(n.Name))
                expectedChecked << n.Name;
        EXPECT_EQ(checkedAtFirst, expectedChecked);
        EXPECT_TRUE(caption.endsWith(": 127.0.0.1")) << caption.toStdString();
        const std::string after = c.octet(before);
        EXPECT_EQ(w->TlvEdit->text().toStdString(), DecodeBitNames(c.names(), after));

        const std::size_t logged = pdus().size();
        EXPECT_TRUE(setsSince(logged).empty());  // the dialog itself writes nothing
        ASSERT_TRUE(w->BT_Set->isEnabled());
        w->BT_Set->click();
        const auto sets = setsSince(logged);
        ASSERT_EQ(sets.size(), 1u);
        const auto written = setBindings(sets[0]);
        ASSERT_TRUE(written.count(c.column + "." + port)) << sets[0];
        EXPECT_EQ(loggedOctets(written.at(c.column + "." + port)), after) << sets[0];
        if (std::string(c.windowClass) == "TLLDPPortConfigForm") {
            // The admin state goes with it, unchanged.
            const std::string admin = std::string(kPortConfig) + ".2." + port;
            EXPECT_EQ(written.size(), 2u) << sets[0];
            EXPECT_EQ(written.at(admin),
                      "2:" + profileColumn(profile_, std::string(kPortConfig) + ".2").at(port));
        } else {
            EXPECT_EQ(written.size(), 1u) << sets[0];
        }
        // The window reads again and shows what the agent now holds.
        waitComplete(w.get());
        EXPECT_EQ(cellsOf(w->ListView, c.caption)[row].toStdString(),
                  DecodeBitNames(c.names(), after));
        EXPECT_EQ(w->TlvEdit->text(), "");  // the editing area was cleared
        EXPECT_FALSE(w->BT_Set->isEnabled());
        EXPECT_TRUE(shown.empty());
        w->close();
        startAgent();  // the next case starts from the profile again
    }
}

TEST_F(LldpConfigWindows, CloseInTheDialogLeavesTheEditAndWritesNothing) {
    auto w = openForm(make<TLLDPPortConfigForm>(), "TLLDPPortConfigForm");
    select(w.get(), 0);
    const QString before = w->TlvEdit->text();
    const std::size_t logged = pdus().size();
    QStringList afterClose;
    TLLDPTlvDialog* seen = nullptr;
    corvane::test::onNextDialog([&](QDialog* d) {
        seen = qobject_cast<TLLDPTlvDialog*>(d);
        for (QCheckBox* b : seen->Boxes)
            b->setChecked(!b->isChecked());
        seen->BT_Close->click();
    });
    QTest::mouseClick(w->TlvEdit, Qt::LeftButton);
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(seen->windowTitle(), "Port Configuration Table Setting: 127.0.0.1");
    EXPECT_TRUE(checkedBoxes(seen).isEmpty());  // unchecked for the next time
    EXPECT_EQ(w->TlvEdit->text(), before);
    EXPECT_TRUE(w->BT_Set->isEnabled());  // the click into the edit enabled it
    QTest::qWait(100);
    EXPECT_TRUE(setsSince(logged).empty());
    // The edit takes no typing: names come from the dialog.
    QTest::keyClicks(w->TlvEdit, "x");
    EXPECT_EQ(w->TlvEdit->text(), before);
}

// The editing area follows the selected line; "Refresh" empties it.
TEST_F(LldpConfigWindows, TheEditingAreaShowsTheSelectedLine) {
    auto w = openForm(make<TLLDPPortConfigForm>(), "TLLDPPortConfigForm");
    EXPECT_FALSE(w->BT_Set->isEnabled());
    EXPECT_FALSE(w->EditControls[0]->isEnabled());  // the index label
    select(w.get(), 2);
    auto* port = qobject_cast<QLabel*>(w->EditControls[0]);
    auto* admin = qobject_cast<QComboBox*>(w->EditControls[1]);
    ASSERT_TRUE(port && admin);
    const QTreeWidgetItem* line = w->ListView->topLevelItem(2);
    EXPECT_EQ(port->text(), line->text(columnOf(w->ListView, "Port Number")));
    EXPECT_EQ(admin->currentText(), line->text(columnOf(w->ListView, "Administration State")));
    EXPECT_EQ(w->TlvEdit->text(), line->text(columnOf(w->ListView, "TLVs TX Enable")));
    EXPECT_TRUE(w->BT_Set->isEnabled());
    QStringList words;
    for (int i = 0; i < admin->count(); ++i)
        words << admin->itemText(i);
    EXPECT_EQ(words, QStringList({"txOnly", "rxOnly", "txAndrx", "disabled"}));

    w->BT_Refresh->click();
    EXPECT_EQ(port->text(), " ");
    EXPECT_EQ(admin->currentIndex(), -1);
    EXPECT_EQ(w->TlvEdit->text(), "");
    EXPECT_FALSE(w->BT_Set->isEnabled());
    waitComplete(w.get());
    EXPECT_EQ(w->ListView->topLevelItemCount(), 156);
}

// A second "Refresh" while the first read is still under way is refused with the member's words
// and sends nothing; the read in progress ends normally.
TEST_F(LldpConfigWindows, RefreshTwiceQuicklyIsRefusedWhileTheReadRuns) {
    startAgent({"--delay", "150"});
    DefaultSecurity.Version = 1;  // get-bulk: a whole read is a few answers
    struct Case {
        const char* windowClass;
        Factory factory;
        std::string column;
        const char* words;
    } cases[] = {
        {"TLLDPPortConfigForm", make<TLLDPPortConfigForm>(), std::string(kPortConfig) + ".2",
         "Get data not complete"},
        {"TLLDPConfigProtocolForm", make<TLLDPConfigProtocolForm>(),
         std::string(kProtocolConfig) + ".1", "Get data not complete."},
        {"TLLDPDot3LinkAggForm", make<TLLDPDot3LinkAggForm>(), "1.0.8802.1.1.2.1.5.4623.1.2.3.1.1",
         "Get data not complete"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.windowClass);
        shown.clear();
        auto w = openForm(c.factory, c.windowClass);
        const int rows = w->ListView->topLevelItemCount();
        ASSERT_GT(rows, 0);
        const int walks = walkStarts(c.column);
        w->BT_Refresh->click();
        EXPECT_FALSE(w->Complete);
        w->BT_Refresh->click();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, c.words);
        waitComplete(w.get());
        EXPECT_EQ(walkStarts(c.column), walks + 1);
        EXPECT_EQ(w->ListView->topLevelItemCount(), rows);
        EXPECT_TRUE(statusOf(w->Binding).startsWith("Get: Ok."));
        w->close();
    }
    DefaultSecurity.Version = 0;
}

// "Stop" ends a walk at its next step and unlocks the window at once; the answer on its way is
// the last.
TEST_F(LldpConfigWindows, StopEndsALongWalkAndUnlocksTheWindow) {
    startAgent({"--delay", "60"});
    auto w = std::make_unique<TLLDPPortConfigForm>(contextOf("TLLDPPortConfigForm"));
    w->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->ListView->topLevelItemCount() >= 3; }, 10000));
    EXPECT_FALSE(w->Complete);
    w->BT_Stop->click();
    EXPECT_TRUE(w->Complete);
    const std::size_t sent = pdus().size();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->Binding->Busy; }, 2000));
    QTest::qWait(200);
    EXPECT_LE(pdus().size(), sent + 1);
    EXPECT_LT(w->ListView->topLevelItemCount(), 20);
    EXPECT_TRUE(statusOf(w->Binding).contains("not active")) << statusOf(w->Binding).toStdString();

    // Unlocked: a new read starts at once, no message.
    const int walks = walkStarts(std::string(kPortConfig) + ".2");
    w->BT_Refresh->click();
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(w->Binding->Busy);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->ListView->topLevelItemCount() >= 2; }, 5000));
    EXPECT_EQ(walkStarts(std::string(kPortConfig) + ".2"), walks + 1);
    // Stopped again, it closes without waiting for the rest of the table.
    w->BT_Stop->click();
    QElapsedTimer closing;
    closing.start();
    w->close();
    EXPECT_LT(closing.elapsed(), 2000);
    EXPECT_FALSE(w->Binding->Busy);
}

// A write the agent does not answer is reported in a message box, not covered by the read that
// follows it.
TEST_F(LldpConfigWindows, AFailedWriteIsReported) {
    startAgent({"--community", "meadow/other"});  // the window's write community goes unanswered
    auto w = openForm(make<TLLDPConfigProtocolForm>(), "TLLDPConfigProtocolForm");
    select(w.get(), 0);
    auto* tx = qobject_cast<QComboBox*>(w->EditControls[2]);
    ASSERT_NE(tx, nullptr);
    tx->setCurrentIndex(tx->currentIndex() == 0 ? 1 : 0);
    QElapsedTimer waited;
    waited.start();
    w->BT_Set->click();
    EXPECT_GE(waited.elapsed(), 1500);  // the time-out and its one retry
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, MessageKind::Error);
    waitComplete(w.get());
    EXPECT_TRUE(w->Complete);
    EXPECT_FALSE(w->BT_Set->isEnabled());
}
