// The aggregation port, 802.1p and 802.1Q port windows against corvane-sim: what they read, show
// and write, their guards while a read is under way, their opening through the menu registry,
// and their pictures.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QWheelEvent>

#include <map>

#include "capability_names.h"
#include "config_geometry.h"
#include "modal_dialog.h"
#include "picture_folder.h"
#include "taggregator_port_table_form.h"
#include "tpbridge_config_form.h"
#include "tport_capabilities8021d_form.h"
#include "tprotocol_vlan_group_form.h"
#include "tvlan_port_infomation_form.h"
#include "vlan_fixture.h"

using namespace vlan_test;

namespace {

constexpr const char* kCapabilityColumn = "1.3.6.1.2.1.17.6.1.1.4.1.1";
constexpr const char* kPortVlanEntry = "1.3.6.1.2.1.17.7.1.4.5.1";
constexpr const char* kAggPortEntry = "1.2.840.10006.300.43.1.2.1.1";

QTreeWidgetItem* rowOf(QTreeWidget* list, const QString& caption) {
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        if (list->topLevelItem(r)->text(0) == caption)
            return list->topLevelItem(r);
    return nullptr;
}

// ---- port capabilities ----

// Every bridge port of the profile, by its own number, with the names of its octets; the port
// number comes from the rows' instances, never from a request of its own.
TEST_F(VlanWindowTest, PortCapabilitiesShowEveryPortWithTheNamesOfItsOctets) {
    for (const char* profile : {"corvane-a", "corvane-b"}) {
        SCOPED_TRACE(profile);
        startAgent(profile);
        TPortCapabilities8021dForm form(contextOf("TPortCapabilities8021dForm"));
        form.show();
        ASSERT_TRUE(waitRead(form, form.StatusBar));
        EXPECT_TRUE(form.StatusBar->currentMessage().startsWith("Get: Ok."));
        const auto rows = profileColumn(profile, kCapabilityColumn);
        QTreeWidget* list = form.LV_dot1dPortCapabilitiesEntry;
        ASSERT_EQ(list->topLevelItemCount(), static_cast<int>(rows.size()));
        EXPECT_EQ(form.ST_Count->text(), QString::number(rows.size()));
        EXPECT_EQ(list->headerItem()->text(0), "Port Number");
        EXPECT_EQ(list->headerItem()->text(1), "Capabilities");
        std::map<std::string, int> shownNames;
        for (int r = 0; r < list->topLevelItemCount(); ++r) {
            const std::string& row = rows[static_cast<std::size_t>(r)];
            EXPECT_EQ(list->topLevelItem(r)->text(0).toStdString(), instanceOf(row));
            EXPECT_EQ(list->topLevelItem(r)->text(1).toStdString(),
                      PortCapabilityNames(valueOf(row)));
            ++shownNames[list->topLevelItem(r)->text(1).toStdString()];
        }
        EXPECT_GE(shownNames.size(), 6u);  // the demo shows varied capabilities
        EXPECT_FALSE(anyPduNames("1.3.6.1.2.1.17.1.4.1.1"));
        form.close();
    }
}

TEST_F(VlanWindowTest, PortCapabilitiesRefuseARefreshWhileReading) {
    startAgent("corvane-a", {"--delay", "30"});
    TPortCapabilities8021dForm form(contextOf("TPortCapabilities8021dForm"));
    form.show();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return form.LV_dot1dPortCapabilitiesEntry->topLevelItemCount() > 2; }));
    const std::size_t before = pdus().size();
    form.RefreshBtn->click();
    EXPECT_EQ(shown, std::vector<QString>{"Get data not complete"});
    ASSERT_TRUE(waitRead(form, form.StatusBar));
    // The refused refresh started no second walk: one request per row and one for the end.
    EXPECT_EQ(form.LV_dot1dPortCapabilitiesEntry->topLevelItemCount(), 112);
    EXPECT_LE(pdus().size(), before + 112u);
    shown.clear();
    form.RefreshBtn->click();
    EXPECT_TRUE(shown.empty());
    ASSERT_TRUE(waitRead(form, form.StatusBar));
    EXPECT_EQ(form.LV_dot1dPortCapabilitiesEntry->topLevelItemCount(), 112);
    form.close();
}

// ---- 802.1p basic information ----

TEST_F(VlanWindowTest, BasicInformationShowsTheSwitchsCapabilities) {
    const std::pair<const char*, const char*> cases[] = {
        {"corvane-a",
         "dot1dExtendedFilteringServices,dot1dTrafficClasses,dot1qIVLCapable,"
         "dot1qConfigurablePvidTagging"},
        {"corvane-b",
         "dot1dExtendedFilteringServices,dot1dTrafficClasses,dot1qStaticEntryIndividualPort,"
         "dot1qIVLCapable,dot1qHybridCapable,dot1qConfigurablePvidTagging"}};
    for (const auto& [profile, names] : cases) {
        SCOPED_TRACE(profile);
        startAgent(profile);
        TPBridgeConfigForm form(contextOf("TPBridgeConfigForm"));
        form.show();
        ASSERT_TRUE(waitRead(form, form.StatusBar));
        EXPECT_TRUE(form.StatusBar->currentMessage().startsWith("Get: Ok."));
        EXPECT_EQ(form.Edit_DeviceCapabilities->text(), names);
        EXPECT_EQ(form.Edit_DeviceCapabilities->toolTip(), names);
        EXPECT_EQ(pdusOf("get"), std::vector<std::string>{"get 1.3.6.1.2.1.17.6.1.1.1.0"});
        // "Refresh" reads again.
        form.BT_Get->click();
        ASSERT_TRUE(waitRead(form, form.StatusBar));
        EXPECT_EQ(pdusOf("get").size(), 2u);
        EXPECT_EQ(form.Edit_DeviceCapabilities->text(), names);
        form.close();
    }
}

TEST_F(VlanWindowTest, BasicInformationShowsTheFailureAndNoCapabilities) {
    // An agent that has gone: the field, filled before, is empty and the status says why.
    startAgent("corvane-a");
    TPBridgeConfigForm form(contextOf("TPBridgeConfigForm"));
    form.show();
    ASSERT_TRUE(waitRead(form, form.StatusBar));
    ASSERT_FALSE(form.Edit_DeviceCapabilities->text().isEmpty());
    agent_->stop();
    form.BT_Get->click();
    EXPECT_TRUE(form.Edit_DeviceCapabilities->text().isEmpty());
    ASSERT_TRUE(waitRead(form, form.StatusBar, 8000));
    EXPECT_TRUE(form.StatusBar->currentMessage().contains("(SNMPClass) SNMP request timed out!"))
        << form.StatusBar->currentMessage().toStdString();
    EXPECT_TRUE(form.Edit_DeviceCapabilities->text().isEmpty());
    EXPECT_TRUE(form.Edit_DeviceCapabilities->toolTip().isEmpty());
    EXPECT_TRUE(shown.empty());
    form.close();

    // A window opened against an agent that never answers.
    const int silent = socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_GE(silent, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(bind(silent, reinterpret_cast<sockaddr*>(&address), length), 0);
    ASSERT_EQ(getsockname(silent, reinterpret_cast<sockaddr*>(&address), &length), 0);
    DefaultDevice.Port = ntohs(address.sin_port);
    TPBridgeConfigForm unanswered(contextOf("TPBridgeConfigForm"));
    unanswered.show();
    ASSERT_TRUE(waitRead(unanswered, unanswered.StatusBar, 8000));
    EXPECT_TRUE(unanswered.StatusBar->currentMessage().contains("timed out"));
    EXPECT_TRUE(unanswered.Edit_DeviceCapabilities->text().isEmpty());
    unanswered.close();
    ::close(silent);
}

// ---- 802.1Q VLAN ports ----

TEST_F(VlanWindowTest, VlanPortSetWritesTheRowWithoutItsPvidAndSelectsThePortAgain) {
    startAgent("corvane-a");
    TVLanPortInfomationForm form(contextOf("TVLanPortInfomationForm"));
    form.show();
    ASSERT_TRUE(waitRead(form, form.StatusBar));
    QTreeWidget* list = form.LV_dot1qPortVlanEntry;
    EXPECT_EQ(list->topLevelItemCount(), 112);
    EXPECT_EQ(form.ST_Count->text(), "112");
    EXPECT_TRUE(form.PortVLanID->text().isEmpty());
    // Nothing selected: the fields wait for a port.
    EXPECT_FALSE(form.AcceptableFrameTypes->isEnabled());

    QTreeWidgetItem* port5 = rowOf(list, "5");
    ASSERT_NE(port5, nullptr);
    list->setCurrentItem(port5);
    EXPECT_EQ(form.PortVLanID->text(), "10");
    EXPECT_FALSE(form.PortVLanID->isEnabled());
    EXPECT_TRUE(form.AcceptableFrameTypes->isEnabled());
    EXPECT_EQ(form.AcceptableFrameTypes->currentText(), "admitAll");
    form.AcceptableFrameTypes->setCurrentText("admitOnlyVlanTagged");
    const std::size_t before = pdus().size();
    form.BT_Set->click();
    ASSERT_TRUE(waitRead(form, form.StatusBar));
    const auto sets = pdusOf("set", before);
    ASSERT_EQ(sets.size(), 1u);
    const std::string e = "1.3.6.1.2.1.17.7.1.4.5.1.";
    const auto was = [&](int column) {
        return profileValue("corvane-a", e + std::to_string(column), "5");
    };
    EXPECT_EQ(sets[0], "set " + e + "2.5=2:2 " + e + "3.5=2:" + was(3) + " " + e +
                           "4.5=2:" + was(4) + " " + e + "7.5=2:" + was(7));
    // The list was read again and shows port 5 selected, with its new value.
    EXPECT_FALSE(pdusOf("getnext", before).empty());
    ASSERT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->selectedItems().front()->text(0), "5");
    EXPECT_NE(list->selectedItems().front(), port5);  // a new line
    EXPECT_EQ(list->selectedItems().front()->text(2), "admitOnlyVlanTagged");
    EXPECT_EQ(form.AcceptableFrameTypes->currentText(), "admitOnlyVlanTagged");
    EXPECT_EQ(form.PortVLanID->text(), "10");
    EXPECT_FALSE(form.PortVLanID->isEnabled());
    EXPECT_TRUE(shown.empty());

    // Without a selected port, "Set" writes nothing.
    list->clearSelection();
    const std::size_t after = pdus().size();
    form.BT_Set->click();
    EXPECT_TRUE(pdusOf("set", after).empty());
    form.close();
}

TEST_F(VlanWindowTest, VlanPortsRefuseRefreshAndSetWhileBusy) {
    startAgent("corvane-a", {"--delay", "30"});
    TVLanPortInfomationForm form(contextOf("TVLanPortInfomationForm"));
    form.show();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return form.LV_dot1qPortVlanEntry->topLevelItemCount() > 5; }));
    form.LV_dot1qPortVlanEntry->setCurrentItem(rowOf(form.LV_dot1qPortVlanEntry, "3"));
    form.BT_Refresh->click();
    form.BT_Set->click();
    EXPECT_EQ(shown, (std::vector<QString>{"Refresh Not Complete", "Refresh Not Complete"}));
    ASSERT_TRUE(waitRead(form, form.StatusBar));
    EXPECT_TRUE(pdusOf("set").empty());
    EXPECT_EQ(form.LV_dot1qPortVlanEntry->topLevelItemCount(), 112);
    form.close();
}

// ---- aggregation ports ----

TEST_F(VlanWindowTest, AggregationPortsShowEveryPortAndTheAdminStatesOfTheSelectedOne) {
    startAgent("corvane-b");
    TAggregatorPortTableForm form(contextOf("TAggregatorPortTableForm"));
    form.show();
    ASSERT_TRUE(waitRead(form, form.StatusBar));
    EXPECT_TRUE(form.StatusBar->currentMessage().startsWith("Get: Ok."));
    QTreeWidget* list = form.ListView1;
    const std::string entry = kAggPortEntry;
    const auto keys = profileColumn("corvane-b", entry + ".4");
    ASSERT_EQ(list->topLevelItemCount(), static_cast<int>(keys.size()));
    EXPECT_EQ(form.StaticText1->text(), QString::number(keys.size()));
    EXPECT_EQ(list->headerItem()->text(0), "Port Index");
    EXPECT_EQ(list->headerItem()->text(23), "Aggregate Or Individual");
    EXPECT_FALSE(anyPduNames(entry + ".1"));  // the index comes from the instances
    EXPECT_TRUE(anyPduNames(entry + ".2"));

    const auto actor = profileColumn("corvane-b", entry + ".20");
    const auto partner = profileColumn("corvane-b", entry + ".22");
    const auto partnerId = profileColumn("corvane-b", entry + ".8");
    std::map<std::string, int> states;
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        const auto i = static_cast<std::size_t>(r);
        SCOPED_TRACE(instanceOf(keys[i]));
        ASSERT_EQ(list->topLevelItem(r)->text(0).toStdString(), instanceOf(keys[i]));
        ++states[valueOf(actor[i]) + "/" + valueOf(partner[i])];
        if (r % 7 != 0 && states[valueOf(actor[i]) + "/" + valueOf(partner[i])] > 1)
            continue;  // every kind of row once, and a sample of the rest
        list->setCurrentItem(list->topLevelItem(r));
        EXPECT_EQ(form.edtActorKey->text().toStdString(), valueOf(keys[i]));
        EXPECT_EQ(form.edtPartnerID->text().toUpper().toStdString(),
                  QString::fromStdString(valueOf(partnerId[i])).toUpper().toStdString());
        const int actorBits = std::stoi(valueOf(actor[i]), nullptr, 16);
        const int partnerBits = std::stoi(valueOf(partner[i]), nullptr, 16);
        for (int b = 0; b < 8; ++b) {
            EXPECT_EQ(form.CheckBoxes[static_cast<std::size_t>(b)]->isChecked(),
                      (actorBits & (0x80 >> b)) != 0)
                << "actor bit " << b;
            EXPECT_EQ(form.CheckBoxes[static_cast<std::size_t>(16 + b)]->isChecked(),
                      (partnerBits & (0x80 >> b)) != 0)
                << "partner bit " << b;
        }
    }
    EXPECT_GE(states.size(), 4u);  // varied states in the demo
    // No row selected: the details are empty.
    list->clearSelection();
    EXPECT_TRUE(form.edtActorKey->text().isEmpty());
    for (QCheckBox* box : form.CheckBoxes)
        EXPECT_FALSE(box->isChecked());
    form.close();
    EXPECT_FALSE(form.isVisible());
}

// The operational states are in the list: their pages are there but cannot be reached.
TEST_F(VlanWindowTest, AggregationOperationalStatePagesCannotBeReached) {
    startAgent("corvane-a");
    TAggregatorPortTableForm form(contextOf("TAggregatorPortTableForm"));
    form.show();
    ASSERT_TRUE(waitRead(form, form.StatusBar));
    QTabWidget* pages = form.PageControl1;
    ASSERT_EQ(pages->count(), 4);
    EXPECT_EQ(pages->tabText(0), "Actor Admin State");
    EXPECT_EQ(pages->tabText(1), "Partner Admin State");
    EXPECT_EQ(pages->tabText(2), "Actor Oper State");
    EXPECT_EQ(pages->tabText(3), "Partner Oper State");
    EXPECT_FALSE(pages->isTabVisible(2));
    EXPECT_FALSE(pages->isTabVisible(3));
    EXPECT_EQ(form.CheckBoxes[0]->text(), "lacpActivity");
    EXPECT_EQ(form.CheckBoxes[7]->text(), "expired");
    QTabBar* bar = pages->tabBar();
    for (int start : {0, 1}) {
        pages->setCurrentIndex(start);
        for (int k = 0; k < 6; ++k) {
            QTest::keyClick(bar, Qt::Key_Right);
            EXPECT_LT(pages->currentIndex(), 2);
            QTest::keyClick(bar, Qt::Key_Left);
            EXPECT_LT(pages->currentIndex(), 2);
            QTest::keyClick(pages, Qt::Key_Tab, Qt::ControlModifier);
            EXPECT_LT(pages->currentIndex(), 2);
            QTest::keyClick(pages, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
            EXPECT_LT(pages->currentIndex(), 2);
            for (int delta : {-120, 120}) {
                QWheelEvent wheel(QPointF(5, 5), bar->mapToGlobal(QPointF(5, 5)), {}, {0, delta},
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(bar, &wheel);
                EXPECT_LT(pages->currentIndex(), 2);
            }
        }
    }
    form.close();
}

TEST_F(VlanWindowTest, AggregationWindowStaysOpenWhileReading) {
    startAgent("corvane-b", {"--delay", "40"});
    TAggregatorPortTableForm form(contextOf("TAggregatorPortTableForm"));
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.ListView1->topLevelItemCount() > 1; }));
    EXPECT_FALSE(form.Ready());
    form.close();
    EXPECT_EQ(shown, std::vector<QString>{"Get data not complete"});
    EXPECT_TRUE(form.isVisible());
    form.btnClose->click();
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_TRUE(form.isVisible());
    // "Refresh" is ignored meanwhile; "Stop" ends the read, and then the window closes.
    const std::size_t rows = static_cast<std::size_t>(form.ListView1->topLevelItemCount());
    form.GetBtn->click();
    EXPECT_GE(static_cast<std::size_t>(form.ListView1->topLevelItemCount()), rows);
    form.btnStop->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.Ready(); }, 5000));
    EXPECT_LT(form.ListView1->topLevelItemCount(), 156);
    EXPECT_EQ(form.StatusBar->currentMessage().contains("Stop, SNMP Request is not active."), true)
        << form.StatusBar->currentMessage().toStdString();
    form.btnClose->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(shown.size(), 2u);
}

// ---- the menu entries ----

// Each window opens from its menu entry through the registry, modally, with the entry's caption,
// and reads without an error status from an agent that answers after 20 ms, as a switch on a
// network does, with one request per row and one for the end of the table (SNMPv1).
TEST_F(VlanWindowTest, TheMenuEntriesOpenTheWindowsAndEachReads) {
    startAgent("corvane-a", {"--delay", "20"});
    const auto rows = [](const std::string& column) {
        return profileColumn("corvane-a", column).size();
    };
    const std::pair<const char*, std::size_t> windows[] = {
        {"TAggregatorPortTableForm", rows(std::string(kAggPortEntry) + ".2") + 1},
        {"TPBridgeConfigForm", 1},
        {"TPortCapabilities8021dForm", rows(kCapabilityColumn) + 1},
        {"TVLanPortInfomationForm", rows(std::string(kPortVlanEntry) + ".1") + 1},
        {"TProtocolVLANGroupForm", rows("1.3.6.1.2.1.17.7.1.5.1.1.3") + 1}};
    for (const auto& [windowClass, requests] : windows) {
        SCOPED_TRACE(windowClass);
        const MenuEntry& entry = entryOf(windowClass);
        EXPECT_TRUE(DedicatedWindows().Contains(windowClass));
        const std::size_t before = pdus().size();
        bool looked = false;
        corvane::test::onNextDialog([&](QDialog* d) {
            auto* form = qobject_cast<TDedicatedForm*>(d);
            ASSERT_NE(form, nullptr);
            EXPECT_EQ(form->windowTitle(), captionOf(entry));
            auto* bar = form->findChild<QStatusBar*>("StatusBar");
            ASSERT_NE(bar, nullptr);
            EXPECT_TRUE(waitRead(*form, bar));
            EXPECT_TRUE(bar->currentMessage().startsWith("Get: Ok."))
                << bar->currentMessage().toStdString();
            if (auto* list = form->findChild<QTreeWidget*>()) {
                EXPECT_EQ(static_cast<std::size_t>(list->topLevelItemCount()), requests - 1);
            }
            EXPECT_EQ(pdus().size() - before, requests);
            looked = true;
            form->close();
        });
        EXPECT_TRUE(OpenDedicatedWindow(entry, captionOf(entry), shared_));
        EXPECT_TRUE(looked);
    }
    EXPECT_TRUE(shown.empty());
}

// ---- pictures ----

TEST_F(VlanWindowTest, Pictures) {
    startAgent("corvane-b");
    const corvane::test::PictureFolder folder;
    const QString dir = folder.path();
    const QFont normal = QApplication::font();
    for (double scale : {1.0, 1.25}) {
        SetConfigScale(scale);
        QFont font = normal;
        font.setPointSizeF(normal.pointSizeF() * scale);
        QApplication::setFont(font);
        const QString suffix = scale > 1 ? "-125.png" : "-100.png";
        const auto picture = [&](TDedicatedForm& form, QStatusBar* bar, const QString& name,
                                 QTreeWidget* list, int row) {
            form.show();
            ASSERT_TRUE(waitRead(form, bar));
            if (list && row >= 0)
                list->setCurrentItem(list->topLevelItem(row));
            QApplication::processEvents();
            EXPECT_TRUE(form.grab().save(dir + "/" + name + suffix));
            form.close();
        };
        {
            TAggregatorPortTableForm form(contextOf("TAggregatorPortTableForm"));
            picture(form, form.StatusBar, "aggregator-ports", form.ListView1, 3);
        }
        {
            TPBridgeConfigForm form(contextOf("TPBridgeConfigForm"));
            picture(form, form.StatusBar, "8021p-basic", nullptr, -1);
        }
        {
            TPortCapabilities8021dForm form(contextOf("TPortCapabilities8021dForm"));
            picture(form, form.StatusBar, "8021p-port-capabilities", nullptr, -1);
        }
        {
            TVLanPortInfomationForm form(contextOf("TVLanPortInfomationForm"));
            picture(form, form.StatusBar, "8021q-vlan-ports", form.LV_dot1qPortVlanEntry, 4);
        }
        {
            TProtocolVLANGroupForm form(contextOf("TProtocolVLANGroupForm"));
            picture(form, form.StatusBar, "protocol-vlan-groups", form.ListView1, 2);
        }
    }
    SetConfigScale(1.0);
    QApplication::setFont(normal);
}

}  // namespace
