// The spanning-tree information window against corvane-sim: the cross-checks before a write,
// and which objects each protocol version writes.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "modal_dialog.h"
#include "stp_fixture.h"
#include "tstp_info.h"

namespace stp_test {
namespace {

class StpInfo : public StpWindowTest {};

TEST_F(StpInfo, OpensWithTheSwitchValues) {
    startAgent("corvane-b");
    TSTP_Info window(context("TSTP_Info"));
    EXPECT_EQ(window.windowTitle(), "STP Information Settings: 127.0.0.1");
    EXPECT_EQ(window.Combo_STPVersion->currentText(), "mstp");
    EXPECT_EQ(window.VersionInfo->text(), "mstp");
    EXPECT_EQ(window.lbMSTPState->text(), "enabled");
    EXPECT_EQ(window.ET_AgingTime->text(), "2000");
    EXPECT_EQ(window.ET_HelloTime->text(), "200");
    EXPECT_EQ(window.ET_ForwardDelay->text(), "1500");
    EXPECT_EQ(window.ET_Priority->text(), "20");
    EXPECT_EQ(window.ED_TxHoldCount->text(), "6");
    EXPECT_TRUE(statusOf(window.StatusBar).startsWith("Get: Ok."))
        << statusOf(window.StatusBar).toStdString();
    // Read in the window's order: timers, version, hello time, state, hello time, version.
    const std::string s = "get " + kStp;
    EXPECT_EQ(pdus(), (std::vector<std::string>{
                          s + ".1.3.0 " + kStp + ".1.5.0 " + kStp + ".1.6.0 " + kStp + ".1.7.0",
                          s + ".1.2.0", s + ".1.4.0", s + ".1.1.0", s + ".1.4.0", s + ".1.2.0"}));
    EXPECT_TRUE(shown.empty());
}

// The checks in their order, at their limits; a set that passes writes and reads again.
TEST_F(StpInfo, CrossChecksBeforeAWrite) {
    struct Case {
        const char* version;
        const char* maxAge;
        const char* hello;
        const char* forwardDelay;
        const char* maxHops;
        const char* refusal;  // null: written
    };
    const Case cases[] = {
        {"mstp", "1800", "200", "1000", "20", nullptr},  // 2 * (1000 - 100) = 1800
        {"mstp", "1801", "200", "1000", "20", "Data Error."},
        {"stp", "600", "200", "1000", "20", nullptr},  // 2 * (200 + 100) = 600
        {"stp", "599", "200", "1000", "20", "Data Error."},
        {"rstp", "600", "201", "1000", "20", "Data Error."},
        {"mstp", "600", "", "1000", "20", nullptr},  // MSTP: the hello time is not checked
        {"mstp", "600", "250", "1000", "20", nullptr},
        {"stp", "1800", "", "1000", "20", "Don't Leave Empty Fileds."},
        {"mstp", "", "200", "1000", "20", "Don't Leave Empty Fileds."},
        {"mstp", "1800", "200", "", "20", "Don't Leave Empty Fileds."},
        {"mstp", "1800", "200", "1000", "", "Don't Leave Empty Fileds."},
        {"mstp", "1800", "200", "1000", "65536", "Priority value is wrong."},
    };
    startAgent("corvane-b");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.version) + " age " + c.maxAge + " hello " + c.hello + " delay " +
                     c.forwardDelay + " hops " + c.maxHops);
        TSTP_Info window(context("TSTP_Info"));
        window.Combo_STPVersion->setCurrentText(QString::fromLatin1(c.version));
        window.ET_AgingTime->setText(QString::fromLatin1(c.maxAge));
        window.ET_HelloTime->setText(QString::fromLatin1(c.hello));
        window.ET_ForwardDelay->setText(QString::fromLatin1(c.forwardDelay));
        // Wider than its constraint lets anyone type, to reach the check behind it.
        window.ET_Priority->setMaxLength(5);
        window.ET_Priority->setText(QString::fromLatin1(c.maxHops));
        const std::size_t before = pduCount();
        window.BT_Set->click();
        const auto sets = setsSince(before);
        if (c.refusal) {
            EXPECT_EQ(statusOf(window.StatusBar), c.refusal);
            EXPECT_TRUE(sets.empty()) << sets.front();
            EXPECT_EQ(pduCount(), before);
        } else {
            EXPECT_FALSE(sets.empty());
            // The read that ends every write.
            EXPECT_EQ(typesSince(before).back(), "get");
            EXPECT_TRUE(statusOf(window.StatusBar).startsWith("Get: Ok."));
        }
        window.close();
    }
    EXPECT_TRUE(shown.empty()) << shown.front().text.toStdString();
}

// The version decides what "Set" writes: MSTP all four timers; RSTP and STP the hello time
// and the timers without Max. Hops; the version only when it changed.
TEST_F(StpInfo, TheVersionDecidesWhatIsWritten) {
    struct Case {
        const char* profile;
        const char* version;
        std::vector<std::string> writes;
    };
    const Case cases[] = {
        {"corvane-b",
         "mstp",
         {kStp + ".1.3.0=2:1800 " + kStp + ".1.5.0=2:1000 " + kStp + ".1.6.0=2:30 " + kStp +
          ".1.7.0=2:5"}},
        {"corvane-a",
         "rstp",
         {kStp + ".1.4.0=2:150",
          kStp + ".1.3.0=2:1800 " + kStp + ".1.5.0=2:1000 " + kStp + ".1.7.0=2:5"}},
        {"corvane-b",
         "rstp",
         {kStp + ".1.2.0=2:1", kStp + ".1.4.0=2:150",
          kStp + ".1.3.0=2:1800 " + kStp + ".1.5.0=2:1000 " + kStp + ".1.7.0=2:5"}},
        {"corvane-a",
         "mstp",
         {kStp + ".1.2.0=2:2", kStp + ".1.3.0=2:1800 " + kStp + ".1.5.0=2:1000 " + kStp +
                                   ".1.6.0=2:30 " + kStp + ".1.7.0=2:5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.profile) + " set to " + c.version);
        startAgent(c.profile);
        TSTP_Info window(context("TSTP_Info"));
        window.Combo_STPVersion->setCurrentText(QString::fromLatin1(c.version));
        window.ET_AgingTime->setText("1800");
        window.ET_HelloTime->setText("150");
        window.ET_ForwardDelay->setText("1000");
        window.ET_Priority->setText("30");
        window.ED_TxHoldCount->setText("5");
        const std::size_t before = pduCount();
        window.BT_Set->click();
        EXPECT_EQ(setsSince(before), c.writes);
        EXPECT_EQ(window.VersionInfo->text(), c.version);
        EXPECT_EQ(window.Combo_STPVersion->currentText(), c.version);  // read again
        EXPECT_TRUE(shown.empty()) << shown.front().text.toStdString();
        window.close();
    }
}

// A version the switch has not taken yet while STP runs: the progress dialog covers the change.
TEST_F(StpInfo, AVersionChangeStillUnderWayShowsTheProgressDialog) {
    // The main window's version binding reads another switch, which still runs RSTP.
    corvane::test::SimProcess other("corvane-a");
    ASSERT_TRUE(other.ready());
    aimAt(other);
    makeSharedVersion();
    startAgent("corvane-b");
    shared.StpVersionBinding->Get();
    EXPECT_EQ(shared.ST_STPVersion->text(), "rstp");
    TSTP_Info window(context("TSTP_Info"));
    QString caption, prompt;
    int maximum = 0;
    corvane::test::onNextDialog([&](QDialog* d) {
        caption = d->windowTitle();
        if (auto* p = d->findChild<QLabel*>("LB_Prompt"))
            prompt = p->text();
        if (auto* bar = d->findChild<QProgressBar*>())
            maximum = bar->maximum();
    });
    const std::size_t before = pduCount();
    window.BT_Set->click();
    EXPECT_EQ(caption, "Set STP Progress");
    EXPECT_EQ(prompt, "Change STP Version is processing...");
    EXPECT_EQ(maximum, 80);
    EXPECT_EQ(window.VersionInfo->text(), "mstp");
    EXPECT_EQ(setsSince(before).size(), 1u);  // the timers; the version was mstp already
    window.close();
}

}  // namespace
}  // namespace stp_test
