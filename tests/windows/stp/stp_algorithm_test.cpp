// The global spanning-tree switch against corvane-sim: disabling writes at once; enabling asks,
// and on OK covers a write with a 40-second time-out with the progress dialog; every "Set" ends
// with a fresh read.
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "modal_dialog.h"
#include "stp_fixture.h"
#include "tspanning_tree_algorithm_form.h"

namespace stp_test {
namespace {

class StpAlgorithm : public StpWindowTest {
  protected:
    // Opens the window and waits for its first read.
    std::unique_ptr<TSpanningTreeAlgorithmForm> open() {
        auto window =
            std::make_unique<TSpanningTreeAlgorithmForm>(context("TSpanningTreeAlgorithmForm"));
        window->show();
        EXPECT_TRUE(waitIdle(window->Binding));
        return window;
    }
    const std::string state = kStp + ".1.1.0";
};

TEST_F(StpAlgorithm, DisablingWritesAndReadsAgain) {
    startAgent("corvane-b");
    auto window = open();
    EXPECT_EQ(window->windowTitle(), "STP Global Settings: 127.0.0.1");
    EXPECT_EQ(window->ComboBox1->currentText(), "enabled");
    EXPECT_TRUE(statusOf(window->StatusBar).startsWith("Get: Ok."));
    window->ComboBox1->setCurrentText("disabled");
    const std::size_t before = pduCount();
    window->BT_Set->click();
    EXPECT_TRUE(waitIdle(window->Binding));
    EXPECT_EQ(pdus().size(), before + 2);
    EXPECT_EQ(setsSince(before), std::vector<std::string>{state + "=2:2"});
    EXPECT_EQ(pdus().back(), "get " + state);
    EXPECT_EQ(window->ComboBox1->currentText(), "disabled");
    EXPECT_TRUE(shown.empty());
    window->close();
}

TEST_F(StpAlgorithm, EnablingCancelledWritesNothingAndReadsAgain) {
    startAgent("corvane-b", {"--delay", "20"});
    auto window = open();
    window->ComboBox1->setCurrentText("enabled");
    confirmAnswer = false;
    const std::size_t before = pduCount();
    window->BT_Set->click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(shown[0].text, "To enabled STP may take a long time. Do you want to go on?");
    EXPECT_TRUE(waitIdle(window->Binding));
    EXPECT_TRUE(setsSince(before).empty());
    EXPECT_EQ(typesSince(before), std::vector<std::string>{"get"});
    window->close();
}

TEST_F(StpAlgorithm, EnablingShowsTheProgressDialogAndReadsAgain) {
    startAgent("corvane-b");
    auto window = open();
    window->ComboBox1->setCurrentText("enabled");
    QString caption, prompt;
    int maximum = 0;
    bool hasCloseBox = true;
    bool writeStarted = false;
    const std::size_t before = pduCount();
    corvane::test::onNextDialog([&](QDialog* d) {
        caption = d->windowTitle();
        hasCloseBox = d->windowFlags() & Qt::WindowCloseButtonHint;
        if (auto* p = d->findChild<QLabel*>("LB_Prompt"))
            prompt = p->text();
        if (auto* bar = d->findChild<QProgressBar*>())
            maximum = bar->maximum();
        // Under way, or answered already (the agent logs a request before it answers).
        writeStarted = window->Binding->Busy || !setsSince(before).empty();
        d->reject();  // no way to dismiss it: it runs its time
    });
    window->BT_Set->click();
    EXPECT_EQ(caption, "Enable STP Progress");
    EXPECT_EQ(prompt, "Enable STP is processing...");
    EXPECT_EQ(maximum, 80);
    EXPECT_FALSE(hasCloseBox);
    EXPECT_TRUE(writeStarted);  // the write runs while the dialog stands
    EXPECT_TRUE(waitIdle(window->Binding));
    EXPECT_EQ(setsSince(before), std::vector<std::string>{state + "=2:3"});
    EXPECT_EQ(pdus().back(), "get " + state);
    ASSERT_EQ(shown.size(), 1u);  // the confirmation only
    window->close();
}

// A switch that takes 2.5 s to answer the enabling write: with 40 s for that write it is sent
// once and succeeds (the default time-out would have sent it twice and failed after 2 s), and
// the read that follows waits for the answer. Later requests have the default time-out again.
TEST_F(StpAlgorithm, TheEnablingWriteWaitsFortySeconds) {
    startAgent("corvane-b", {"--delay", "2500"});
    auto window = open();  // this read times out
    const int usual = window->Binding->Request.Timeout;
    EXPECT_EQ(usual, DefaultTimeout);
    window->ComboBox1->setCurrentText("enabled");
    const std::size_t before = pduCount();
    window->BT_Set->click();  // the dialog closes itself long before the answer
    EXPECT_TRUE(QTest::qWaitFor([&] { return typesSince(before).size() >= 2; }, 10000));
    EXPECT_TRUE(waitIdle(window->Binding));
    EXPECT_EQ(setsSince(before), std::vector<std::string>{state + "=2:3"});
    EXPECT_EQ(typesSince(before).at(1), "get");
    EXPECT_EQ(window->Binding->Request.Timeout, usual);
    for (const Shown& s : shown)
        EXPECT_EQ(s.kind, MessageKind::Confirmation) << s.text.toStdString();
    window->close();
}

}  // namespace
}  // namespace stp_test
