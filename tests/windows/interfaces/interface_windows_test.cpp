// The interface table, system information and MAC control windows against corvane-sim (and a
// hostile agent that refuses the MAC control counter), what corvane-catalogue says of them, and
// their pictures.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "config_geometry.h"
#include "hostile_agent_process.h"
#include "interfaces_fixture.h"
#include "picture_folder.h"
#include "tdot3_control_form.h"
#include "tif_table.h"
#include "tmibii_info.h"
#include "tsnmp_counters.h"

using interfaces_test::InterfaceWindows;

namespace {

QTreeWidgetItem* rowWithIndex(QTreeWidget* view, int column, const QString& index) {
    for (int r = 0; r < view->topLevelItemCount(); ++r)
        if (view->topLevelItem(r)->text(column) == index)
            return view->topLevelItem(r);
    return nullptr;
}

int columnOf(const NmSNMPRequest2Edits* b, int descriptor) {
    for (int c = 0; c < b->ListView->columnCount(); ++c)
        if (b->ColumnDescriptor(c) == descriptor)
            return c;
    return -1;
}

// A mouse click on a line of the list, or on the empty space right of its columns.
void clickRow(QTreeWidget* view, int row) {
    const QRect rect = view->visualItemRect(view->topLevelItem(row));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(10, rect.center().y()));
}
void clickRightOfColumns(QTreeWidget* view) {
    const QRect rect = view->visualItemRect(view->topLevelItem(0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      QPoint(view->viewport()->width() - 5, rect.center().y()));
}

constexpr const char* kCounterColumn = "1.3.6.1.2.1.10.7.9.1.2";

}  // namespace

// ---- interface table ----

TEST_F(InterfaceWindows, InterfaceTableRefusesASecondRequestWhileOneIsUnderWay) {
    startSim({"--delay", "300"});
    auto w = open<TIF_Table>("TIF_Table");
    EXPECT_EQ(w->windowTitle(), "IF Table: 127.0.0.1");
    ASSERT_TRUE(w->Binding->Busy);
    EXPECT_TRUE(w->IsBusy());
    EXPECT_FALSE(w->BT_Set->isEnabled());
    const std::size_t sent = pdus().size();
    w->BT_Get->click();
    w->BT_Set->setEnabled(true);  // as if a row had been chosen meanwhile
    w->BT_Set->click();
    EXPECT_EQ(shown, QStringList({"Getting Data Not Complete", "Getting Data Not Complete"}));
    EXPECT_EQ(pdus().size(), sent);  // nothing more went out
    w->btnStop->click();
    EXPECT_TRUE(waitIdle(w->Binding));
    EXPECT_FALSE(w->IsBusy());
    w->close();
}

// SNMPv1 walks row by row: 160 interfaces at 40 ms each take a while.
TEST_F(InterfaceWindows, InterfaceTableStopKeepsTheRowsReceived) {
    startSim({"--delay", "40"});
    auto w = open<TIF_Table>("TIF_Table");
    QTreeWidget* list = w->LV_IF_Table;
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->topLevelItemCount() >= 5; }, 10000));
    w->btnStop->click();
    EXPECT_FALSE(w->IsBusy() && !w->Binding->Busy);
    ASSERT_TRUE(waitIdle(w->Binding));
    const int rows = list->topLevelItemCount();
    EXPECT_GE(rows, 5);
    EXPECT_LT(rows, 100);
    QTest::qWait(300);
    EXPECT_EQ(list->topLevelItemCount(), rows);
    EXPECT_EQ(w->StaticText1->text(), QString::number(rows));
    EXPECT_TRUE(status(w->StatusBar1).contains("not active"))
        << status(w->StatusBar1).toStdString();
    EXPECT_TRUE(shown.isEmpty()) << shown.join('|').toStdString();
    // A new read goes to the end.
    w->BT_Get->click();
    ASSERT_TRUE(waitIdle(w->Binding, 20000));
    EXPECT_EQ(list->topLevelItemCount(), 160);
    EXPECT_EQ(w->StaticText1->text(), "160");
    w->close();
}

TEST_F(InterfaceWindows, InterfaceTableSetWritesOnlyTheAdminStatusOfTheSelectedRow) {
    startSim();
    auto w = open<TIF_Table>("TIF_Table");
    ASSERT_TRUE(waitIdle(w->Binding));
    QTreeWidget* list = w->LV_IF_Table;
    EXPECT_EQ(list->topLevelItemCount(), 160);
    EXPECT_EQ(w->StaticText1->text(), "160");
    EXPECT_TRUE(status(w->StatusBar1).startsWith("Get: Ok."));
    EXPECT_FALSE(w->Combo_AdminStatus->isEnabled());
    const int admin = columnOf(w->Binding, 6);
    ASSERT_GE(admin, 0);
    QTreeWidgetItem* row = rowWithIndex(list, columnOf(w->Binding, 0), "3002");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(admin), "up");
    EXPECT_EQ(row->text(columnOf(w->Binding, 2)), "ethernetCsmacd");

    list->setCurrentItem(row);
    EXPECT_TRUE(w->BT_Set->isEnabled());
    EXPECT_TRUE(w->Combo_AdminStatus->isEnabled());
    EXPECT_EQ(w->ST_Index->text(), "3002");
    EXPECT_EQ(w->Combo_AdminStatus->currentText(), "up");
    w->Combo_AdminStatus->setCurrentIndex(w->Combo_AdminStatus->findText("down"));
    w->BT_Set->click();
    EXPECT_FALSE(w->BT_Set->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pdus("set").empty(); }, 5000));
    ASSERT_TRUE(waitIdle(w->Binding));
    EXPECT_EQ(pdus("set"), std::vector<std::string>{"1.3.6.1.2.1.2.2.1.7.3002=2:2"});
    // The table was read again and shows it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->topLevelItemCount() == 160; }, 5000));
    row = rowWithIndex(list, columnOf(w->Binding, 0), "3002");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(admin), "down");
    EXPECT_TRUE(shown.isEmpty()) << shown.join('|').toStdString();
    w->close();
}

// ---- system information ----

TEST_F(InterfaceWindows, SystemInformationSetWritesTheThreeWritableScalarsAlone) {
    startSim();
    auto w = open<TMIBII_Info>("TMIBII_Info");
    EXPECT_EQ(w->windowTitle(), "System Information: 127.0.0.1");
    ASSERT_TRUE(waitIdle(w->Binding));
    EXPECT_TRUE(w->ST_SysDescr->text().startsWith("Corvane-B 8-slot chassis switch"));
    EXPECT_EQ(w->ST_SysOID->text(), "1.3.6.1.4.1.32473.10.120.2");
    EXPECT_FALSE(w->ST_SysUpTime->text().isEmpty());
    EXPECT_EQ(w->Edit_SysName->text(), "corvane-b-lab");
    EXPECT_EQ(w->Edit_SysLocation->text(), "Lab rack 3");
    EXPECT_EQ(w->Edit_SysContact->text(), "noc@example.net");
    EXPECT_EQ(w->ST_SysService->text(), "6");

    w->Edit_SysName->setText("core-7");
    w->Edit_SysLocation->setText("Hall-B");
    w->Edit_SysContact->setText("ops@example.org");
    w->BT_Set->click();
    ASSERT_TRUE(waitIdle(w->Binding));
    EXPECT_EQ(pdus("set"), std::vector<std::string>{"1.3.6.1.2.1.1.4.0=4:ops@example.org "
                                                    "1.3.6.1.2.1.1.5.0=4:core-7 "
                                                    "1.3.6.1.2.1.1.6.0=4:Hall-B"});
    EXPECT_TRUE(status(w->StatusBar1).startsWith("Set: Ok."))
        << status(w->StatusBar1).toStdString();
    w->Edit_SysName->clear();
    w->BT_Get->click();
    ASSERT_TRUE(waitIdle(w->Binding));
    EXPECT_EQ(w->Edit_SysName->text(), "core-7");
    EXPECT_TRUE(shown.isEmpty()) << shown.join('|').toStdString();
    w->close();
}

// ---- MAC control table ----

TEST_F(InterfaceWindows, MacControlSelectingAnotherInterfaceKeepsTheTimerAndPollsIt) {
    startSim();
    auto w = open<Tdot3ControlForm>("Tdot3ControlForm");
    EXPECT_EQ(w->windowTitle(), "Dot3 Control Table: 127.0.0.1");
    EXPECT_FALSE(w->IsReady());
    ASSERT_TRUE(waitIdle(w->BindingA));
    EXPECT_TRUE(w->IsReady());
    QTreeWidget* list = w->ListView1;
    ASSERT_EQ(list->topLevelItemCount(), 156);  // every port of the line cards
    EXPECT_EQ(w->StaticText1->text(), "156");
    EXPECT_EQ(list->topLevelItem(0)->text(columnOf(w->BindingA, 0)), "3001");
    EXPECT_TRUE(w->CheckBox[0]->isEnabled());
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_EQ(w->cbxInterval->currentText(), "none");

    clickRow(list, 0);  // 3001: no pause
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->CounterRow()->text(1).isEmpty(); }, 3000));
    EXPECT_EQ(pdus("get"), std::vector<std::string>{std::string(kCounterColumn) + ".3001"});
    EXPECT_FALSE(w->CheckBox[0]->isChecked());
    bool number = false;
    w->CounterRow()->text(1).toUInt(&number);
    EXPECT_TRUE(number) << w->CounterRow()->text(1).toStdString();

    w->cbxInterval->setCurrentIndex(w->cbxInterval->findText("2s"));
    EXPECT_TRUE(w->Timer1->isActive());
    clickRow(list, 1);  // 3002: pause
    ASSERT_TRUE(QTest::qWaitFor([&] { return pdus("get").size() == 2; }, 3000));
    EXPECT_EQ(pdus("get").back(), std::string(kCounterColumn) + ".3002");
    EXPECT_TRUE(w->CheckBox[0]->isChecked());
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_EQ(w->Timer1->interval(), 2000);
    EXPECT_EQ(w->cbxInterval->currentText(), "2s");
    // The next tick polls the interface chosen last.
    ASSERT_TRUE(QTest::qWaitFor([&] { return pdus("get").size() == 3; }, 4000));
    EXPECT_EQ(pdus("get").back(), std::string(kCounterColumn) + ".3002");
    EXPECT_TRUE(shown.isEmpty()) << shown.join('|').toStdString();
    w->close();
    EXPECT_FALSE(w->Timer1->isActive());
}

TEST_F(InterfaceWindows, MacControlClickOnEmptySpaceStopsTheTimer) {
    startSim();
    auto w = open<Tdot3ControlForm>("Tdot3ControlForm");
    ASSERT_TRUE(waitIdle(w->BindingA));
    clickRow(w->ListView1, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->CounterRow()->text(1).isEmpty(); }, 3000));
    w->cbxInterval->setCurrentIndex(w->cbxInterval->findText("5s"));
    EXPECT_EQ(w->Timer1->interval(), 5000);
    ASSERT_TRUE(w->CheckBox[0]->isChecked());

    clickRightOfColumns(w->ListView1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->Timer1->isActive(); }, 3000));
    EXPECT_EQ(w->cbxInterval->currentText(), "none");
    EXPECT_TRUE(w->ListView1->selectedItems().isEmpty());
    EXPECT_TRUE(w->CounterRow()->text(1).isEmpty());
    EXPECT_FALSE(w->CheckBox[0]->isChecked());
    EXPECT_EQ(w->lvChart->topLevelItemCount(), 0);
    EXPECT_EQ(pdus("get").size(), 1u);

    // "Refresh" clears the panel too and reads the functions again.
    clickRow(w->ListView1, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->CounterRow()->text(1).isEmpty(); }, 3000));
    w->cbxInterval->setCurrentIndex(w->cbxInterval->findText("10s"));
    w->btnGet->click();
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_TRUE(w->CounterRow()->text(1).isEmpty());
    EXPECT_FALSE(w->IsReady());
    ASSERT_TRUE(waitIdle(w->BindingA));
    EXPECT_TRUE(w->IsReady());
    EXPECT_EQ(w->ListView1->topLevelItemCount(), 156);
    EXPECT_TRUE(shown.isEmpty()) << shown.join('|').toStdString();
    w->close();
}

TEST_F(InterfaceWindows, MacControlWithoutACounterAnswerSaysSoAndClearsThePanel) {
    corvane::test::HostileAgentProcess agent("error-status", {"--oid", kCounterColumn});
    ASSERT_TRUE(agent.ready()) << agent.errorOutput();
    aimAt(agent.port());
    auto w = open<Tdot3ControlForm>("Tdot3ControlForm");
    ASSERT_TRUE(waitIdle(w->BindingA));
    ASSERT_GT(w->ListView1->topLevelItemCount(), 1);
    w->cbxInterval->setCurrentIndex(w->cbxInterval->findText("5s"));
    clickRow(w->ListView1, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 5000));
    EXPECT_EQ(shown, QStringList{"Get data not completed."});
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_EQ(w->cbxInterval->currentText(), "none");
    EXPECT_TRUE(w->CounterRow()->text(1).isEmpty());
    EXPECT_FALSE(w->CheckBox[0]->isChecked());
    // The agent's refusal is in the status bar.
    EXPECT_FALSE(status(w->StatusBar1).startsWith("Get: Ok."))
        << status(w->StatusBar1).toStdString();
    EXPECT_EQ(agent.faultCount(), 1u);
    w->close();
}

// ---- the catalogue program ----

TEST_F(InterfaceWindows, CatalogueProgramSaysWhichEntriesThisBuildOpens) {
    const auto result = corvane::test::runCommand({CORVANE_CATALOGUE_PATH, "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const QJsonArray menu =
        QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).object()["menu"].toArray();
    ASSERT_EQ(menu.size(), 221);
    int dedicated = 0;
    QJsonObject dot3;
    for (const QJsonValue& v : menu) {
        const QJsonObject e = v.toObject();
        const std::string window = e["window"].toString().toStdString();
        SCOPED_TRACE(window);
        if (e["action"] != "dedicated") {
            EXPECT_TRUE(e["enabled"].toBool());
            continue;
        }
        ++dedicated;
        EXPECT_EQ(e["enabled"].toBool(), DedicatedWindows().Contains(window));
        if (window == "Tdot3ControlForm")
            dot3 = e;
    }
    EXPECT_EQ(dedicated, 24);
    for (const char* mine : {"TIF_Table", "TMIBII_Info", "TSNMP_Counters", "Tdot3ControlForm"})
        EXPECT_TRUE(DedicatedWindows().Contains(mine)) << mine;
    EXPECT_EQ(dot3["title"].toString(), "Dot3 Control Table: ");
    EXPECT_EQ(dot3["path"].toArray(),
              QJsonArray({"System", "EtherLike-MIB", "Dot3 Control Table"}));
}

// ---- pictures ----

// The four windows at 100 % and 125 % (into CORVANE_SHOT_DIR when set, to look at).
TEST_F(InterfaceWindows, Pictures) {
    startSim();
    const corvane::test::PictureFolder folder;
    const QString dir = folder.path();
    const QFont normal = QApplication::font();
    for (double scale : {1.0, 1.25}) {
        SetConfigScale(scale);
        QFont font = normal;
        font.setPointSizeF(normal.pointSizeF() * scale);
        QApplication::setFont(font);
        const QString suffix = scale > 1 ? "-125.png" : "-100.png";
        const auto save = [&](QWidget* w, const char* name) {
            QApplication::processEvents();
            EXPECT_TRUE(w->grab().save(dir + "/" + name + suffix)) << name;
        };
        {
            auto w = open<TIF_Table>("TIF_Table");
            waitIdle(w->Binding);
            if (QTreeWidgetItem* row = rowWithIndex(w->LV_IF_Table, 0, "3003"))
                w->LV_IF_Table->setCurrentItem(row);
            save(w.get(), "if-table");
            w->close();
        }
        {
            auto w = open<TMIBII_Info>("TMIBII_Info");
            waitIdle(w->Binding);
            save(w.get(), "system-information");
            w->close();
        }
        {
            auto w = open<TSNMP_Counters>("TSNMP_Counters");
            const std::size_t reads = pdus("get").size();
            (void)QTest::qWaitFor([&] { return pdus("get").size() >= reads + 3; }, 6000);
            save(w.get(), "snmp-counters");
            w->close();
        }
        {
            auto w = open<Tdot3ControlForm>("Tdot3ControlForm");
            waitIdle(w->BindingA);
            clickRow(w->ListView1, 1);
            (void)QTest::qWaitFor([&] { return !w->CounterRow()->text(1).isEmpty(); }, 3000);
            w->cbxInterval->setCurrentIndex(w->cbxInterval->findText("5s"));
            save(w.get(), "dot3-control");
            w->close();
        }
    }
    QApplication::setFont(normal);
    SetConfigScale(1.0);
    EXPECT_TRUE(shown.isEmpty()) << shown.join('|').toStdString();
}
