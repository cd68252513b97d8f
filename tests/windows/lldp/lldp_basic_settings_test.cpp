// The LLDP basic information settings window against corvane-sim: the check-box rules, and
// "Set Checked" writing only the ticked values with every flag restored however it ends.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "lldp_configration_form.h"
#include "lldp_window_fixture.h"

using namespace lldp_test;

namespace {

using F = TLLDPConfigrationForm;

// Ticks, enabled boxes and edits of the interval and delay rows, and "Set Checked".
struct State {
    std::array<bool, 4> ticked;
    bool intervalOn, delayOn, setOn;
};

State stateOf(const F& w) {
    State s{};
    for (int i = 0; i < 4; ++i)
        s.ticked[static_cast<std::size_t>(i)] = w.Boxes[static_cast<std::size_t>(i)]->isChecked();
    s.intervalOn = w.Boxes[F::kTxInterval]->isEnabled() && w.Edits[F::kTxInterval]->isEnabled();
    s.delayOn = w.Boxes[F::kTxDelay]->isEnabled() && w.Edits[F::kTxDelay]->isEnabled();
    s.setOn = w.BT_SetChecked->isEnabled();
    return s;
}

std::string describe(const State& s) {
    std::string out;
    for (bool t : s.ticked)
        out += t ? 'x' : '.';
    out += s.intervalOn ? " interval" : " -";
    out += s.delayOn ? " delay" : " -";
    out += s.setOn ? " set" : " -";
    return out;
}

}  // namespace

using LldpBasicSettings = LldpWindowTest;

TEST_F(LldpBasicSettings, IntervalAndDelayAreNeverTickedTogether) {
    auto w = open<F>("TLLDPConfigrationForm");
    EXPECT_EQ(w->Note->text(), "Notes : Message TX Interval >=  4*TX Delay");
    EXPECT_EQ(describe(stateOf(*w)), ".... interval delay -");
    // A click (-1: "Clear Checked") and the state after it.
    struct Step {
        int box;
        const char* after;
    } steps[] = {
        {F::kTxInterval, "x... interval - set"},
        {F::kTxInterval, ".... interval delay -"},
        {F::kTxDelay, "...x - delay set"},
        {F::kHoldMultiplier, ".x.x - delay set"},
        {F::kTxDelay, ".x.. interval delay set"},
        {F::kTxInterval, "xx.. interval - set"},
        {F::kHoldMultiplier, "x... interval - set"},
        {F::kReinitDelay, "x.x. interval - set"},
        {-1, ".... interval delay -"},
    };
    for (const Step& s : steps) {
        if (s.box < 0)
            w->BT_ClearChecked->click();
        else
            QTest::mouseClick(w->Boxes[static_cast<std::size_t>(s.box)], Qt::LeftButton);
        EXPECT_EQ(describe(stateOf(*w)), s.after) << "after box " << s.box;
    }
}

TEST_F(LldpBasicSettings, SetCheckedWritesOnlyTheTickedValuesAndRestoresEveryFlag) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, const char*>> typed;  // ticked rows and their text
        const char* written;                             // the set, "" for none
        bool refused;
        std::vector<const char*> shownAfter;  // the edits after the read that follows
    } cases[] = {
        {"two values",
         {{F::kHoldMultiplier, "5"}, {F::kTxDelay, "3"}},
         "set 1.0.8802.1.1.2.1.1.2.0=2:5 1.0.8802.1.1.2.1.1.4.0=2:3",
         false,
         {"30", "5", "2", "3"}},
        {"the interval alone",
         {{F::kTxInterval, "40"}, {F::kReinitDelay, "7"}},
         "set 1.0.8802.1.1.2.1.1.1.0=2:40 1.0.8802.1.1.2.1.1.3.0=2:7",
         false,
         {"40", "4", "7", "2"}},
        // Below the switch's range: refused, nothing changes.
        {"refused by the agent",
         {{F::kTxInterval, "4"}},
         "set 1.0.8802.1.1.2.1.1.1.0=2:4",
         true,
         {"30", "4", "2", "2"}},
        // An emptied field stops the write before anything is sent; its message stays, and
        // so do the ticks and the typed values.
        {"raised before sending", {{F::kHoldMultiplier, ""}}, "", false, {"30", "", "2", "2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startAgent();
        shown.clear();
        auto w = open<F>("TLLDPConfigrationForm");
        for (const auto& [row, text] : c.typed) {
            QTest::mouseClick(w->Boxes[static_cast<std::size_t>(row)], Qt::LeftButton);
            w->Edits[static_cast<std::size_t>(row)]->setText(QString::fromLatin1(text));
        }
        const std::size_t logged = pdus().size();
        w->BT_SetChecked->click();
        const auto sets = setsSince(logged);
        if (*c.written) {
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(sets[0], c.written);
        } else {
            EXPECT_TRUE(sets.empty());
            EXPECT_FALSE(statusOf(w->Binding).startsWith("Set: Ok."));
        }
        EXPECT_EQ(shown.size(), c.refused ? 1u : 0u);
        if (c.refused && !shown.empty()) {
            EXPECT_EQ(shown[0].kind, MessageKind::Error);
        }
        const NmSNMPVarList& list = w->Binding->Request.VarList;
        for (int i = 0; i < list.Count(); ++i)
            EXPECT_EQ(list.Item(i).Flags, 0x06u) << "descriptor " << i;
        if (*c.written) {
            // The window reads again: every box unticked, the agent's values shown.
            ASSERT_TRUE(waitIdle(w->Binding));
            EXPECT_TRUE(statusOf(w->Binding).startsWith("Get: Ok."));
            EXPECT_EQ(describe(stateOf(*w)), ".... interval delay -");
        } else {
            QTest::qWait(100);
            EXPECT_FALSE(statusOf(w->Binding).startsWith("Get:"))
                << statusOf(w->Binding).toStdString();
            EXPECT_EQ(describe(stateOf(*w)), ".x.. interval delay set");
        }
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(w->Edits[static_cast<std::size_t>(i)]->text().toStdString(),
                      c.shownAfter[static_cast<std::size_t>(i)])
                << "row " << i;
    }
}
