// The MSTP port state window against corvane-sim: the edit dialog writes a port's settings,
// the administrative hello time only with MSTP; the window will not close, nor edit, while its
// table is being read.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "modal_dialog.h"
#include "stp_descriptors.h"
#include "stp_fixture.h"
#include "tmstp_port_state_edit_form.h"
#include "tmstp_port_state_form.h"

namespace stp_test {
namespace {

class MstpPortState : public StpWindowTest {
  protected:
    static bool waitReady(const TMSTPPortStateForm& window) {
        return QTest::qWaitFor([&] { return window.Ready() && !window.PortBinding->Busy; }, 20000);
    }
    static QTreeWidgetItem* row(const TMSTPPortStateForm& window, int port) {
        for (int i = 0; i < window.lvMSTPPortState->topLevelItemCount(); ++i)
            if (window.lvMSTPPortState->topLevelItem(i)->text(0) == QString::number(port))
                return window.lvMSTPPortState->topLevelItem(i);
        return nullptr;
    }
    static std::string column(int c, int port) {
        return kPortEntry + "." + std::to_string(c) + "." + std::to_string(port);
    }
};

TEST_F(MstpPortState, TheEditDialogWritesTheAdminHelloTimeOnlyWithMstp) {
    struct Case {
        const char* profile;
        const char* version;
        bool writesHello;
    };
    const Case cases[] = {{"corvane-a", "rstp", false}, {"corvane-b", "mstp", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        startAgent(c.profile);
        TMSTPPortStateForm window(context("TMSTPPortStateForm"));
        window.show();
        ASSERT_TRUE(waitReady(window));
        EXPECT_EQ(window.windowTitle(), "STP Port State Table: 127.0.0.1");
        EXPECT_EQ(window.lblSTPVersion->text(), c.version);
        EXPECT_EQ(window.StaticText1->text().toInt(), window.lvMSTPPortState->topLevelItemCount());
        EXPECT_GT(window.lvMSTPPortState->topLevelItemCount(), 20);
        EXPECT_TRUE(statusOf(window.StatusBar).startsWith("Get: Ok."));
        EXPECT_FALSE(window.BT_Edit->isEnabled());
        window.lvMSTPPortState->setCurrentItem(row(window, 3));
        EXPECT_TRUE(window.BT_Edit->isEnabled());
        QString title;
        bool portLocked = false, operLocked = false;
        corvane::test::onNextDialog([&](QDialog* d) {
            auto* edit = qobject_cast<TMSTPPortStateEditForm*>(d);
            ASSERT_NE(edit, nullptr);
            title = d->windowTitle();
            portLocked = !edit->edtPortIndex->isEnabled() && edit->edtPortIndex->text() == "3";
            operLocked = !edit->edtOperHelloTime->isEnabled() &&
                         !edit->cbxOperEdgePort->isEnabled() && !edit->cbxOperP2P->isEnabled();
            edit->edtAdminHelloTime->setText("150");
            edit->edtExtPathCost->setText("30000");
            edit->cbxAdminEdgePort->setCurrentText("auto");
            edit->cbxSTPRole->setCurrentText("true");
            edit->BT_Set->click();
        });
        const std::size_t before = pduCount();
        window.BT_Edit->click();
        EXPECT_EQ(title, "Port State Information: 127.0.0.1 (Edit)");
        EXPECT_TRUE(portLocked);
        EXPECT_TRUE(operLocked);
        ASSERT_TRUE(waitReady(window));
        const auto sets = setsSince(before);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(writes(sets[0], column(2, 3)), c.writesHello) << sets[0];
        for (int settable : {4, 6, 7, 9, 13, 14})
            EXPECT_TRUE(writes(sets[0], column(settable, 3))) << settable << ": " << sets[0];
        for (int readOnly : {1, 3, 8, 10})
            EXPECT_FALSE(writes(sets[0], column(readOnly, 3))) << readOnly;
        EXPECT_NE(sets[0].find(column(5, 3) + "=2:30000"), std::string::npos);
        EXPECT_NE(sets[0].find(column(7, 3) + "=2:3"), std::string::npos);
        EXPECT_NE(sets[0].find(column(13, 3) + "=2:1"), std::string::npos);
        // The table was read again, and the version after the dialog.
        ASSERT_NE(row(window, 3), nullptr);
        EXPECT_EQ(row(window, 3)->text(kPortExtPathCost), "30000");
        EXPECT_EQ(row(window, 3)->text(kPortAdminHelloTime), c.writesHello ? "150" : "200");
        bool versionRead = false;
        const auto all = pdus();
        for (std::size_t i = before; i < all.size(); ++i)
            versionRead = versionRead || all[i] == "get " + kStp + ".1.2.0";
        EXPECT_TRUE(versionRead);
        EXPECT_FALSE(window.BT_Edit->isEnabled());
        EXPECT_TRUE(shown.empty()) << shown.front().text.toStdString();
        window.close();
        EXPECT_FALSE(window.isVisible());
    }
}

// A switch that answers slowly: while the table is being read, closing and editing are refused
// with "Get data not complete" and the window stays; after "Stop" it closes.
TEST_F(MstpPortState, ClosingWhileTheTableIsReadIsRefused) {
    startAgent("corvane-b", {"--delay", "150"});
    TMSTPPortStateForm window(context("TMSTPPortStateForm"));
    window.show();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window.lvMSTPPortState->topLevelItemCount() > 0; }, 10000));
    ASSERT_FALSE(window.Ready());
    window.close();
    EXPECT_TRUE(window.isVisible());
    window.lvMSTPPortState->setCurrentItem(window.lvMSTPPortState->topLevelItem(0));
    window.BT_Edit->click();  // no dialog opens: the test would hang in it
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "Get data not complete");
    EXPECT_EQ(shown[1].text, "Get data not complete");
    window.BT_Refresh->click();  // ignored while reading
    const std::size_t requests = pduCount();
    window.BT_Stop->click();
    ASSERT_TRUE(waitReady(window));
    // The request under way (perhaps not logged yet) is the last one.
    EXPECT_LE(pduCount(), requests + 1);
    EXPECT_TRUE(statusOf(window.StatusBar).contains("Stop, SNMP Request is not active."))
        << statusOf(window.StatusBar).toStdString();
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(shown.size(), 2u);
}

}  // namespace
}  // namespace stp_test
