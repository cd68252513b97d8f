// The SNMP counter monitor: its arithmetic as a table of readings, the interval box, and the
// polling against corvane-sim (pause and start, unsigned values, the first reading).
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>

#include "interfaces_fixture.h"
#include "tsnmp_counters.h"

using interfaces_test::InterfaceWindows;

namespace {

using Counters = TSNMP_Counters;

// Types an interval into the box and presses Enter.
void typeInterval(Counters& w, const QString& text) {
    QLineEdit* edit = w.CB_Interval->lineEdit();
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

std::string cell(const Counters& w, int row, int column) {
    return w.LV_SNMPCounterData->topLevelItem(row)->text(column).toStdString();
}

std::uint64_t number(const std::string& text) {
    return std::stoull(text);
}

// The 28 readings with the first counter at value and every other one at 0.
std::vector<std::string> readings(const char* value) {
    std::vector<std::string> all(kSnmpCounterCount, "0");
    all[0] = value;
    return all;
}

// After each reading: what the first row shows.
struct Step {
    const char* reading;
    const char* value;
    const char* delta;
    const char* rate;
    const char* peak;
};

struct CounterCase {
    const char* what;
    const char* interval;
    std::vector<Step> steps;  // the first is the reading at opening
};

const CounterCase kCounterCases[] = {
    {"an unchanged counter keeps Value, Delta and Rate",
     "1",
     {{"100", "100", "0", "0", "0"},
      {"150", "150", "0", "0", "50"},
      {"300", "300", "150", "150", "150"},
      {"300", "300", "150", "150", "150"}}},
    {"a wrap past 4294967295 shows nothing new, the next increase does",
     "1",
     {{"4294967000", "4294967000", "0", "0", "0"},
      {"4294967200", "4294967200", "0", "0", "200"},
      {"4294967290", "4294967290", "90", "90", "200"},
      {"100", "4294967290", "90", "90", "200"},
      {"400", "400", "300", "300", "300"}}},
    {"values and changes above 2147483647 are unsigned",
     "1",
     {{"2147483000", "2147483000", "0", "0", "0"},
      {"2147483100", "2147483100", "0", "0", "100"},
      {"4294967000", "4294967000", "2147483900", "2147483900", "2147483900"}}},
    {"interval 5: a growth of 1000 is Delta 1000 and Rate 200",
     "5",
     {{"10", "10", "0", "0", "0"},
      {"20", "20", "0", "0", "10"},
      {"1020", "1020", "1000", "200", "1000"}}},
    {"interval 10: a growth of 15 is Rate 1",
     "10",
     {{"10", "10", "0", "0", "0"}, {"20", "20", "0", "0", "10"}, {"35", "35", "15", "1", "15"}}},
    {"the first reading never sets Peak",
     "1",
     {{"4000000000", "4000000000", "0", "0", "0"}, {"4000000005", "4000000005", "0", "0", "5"}}},
    {"a reading that is no number leaves the row for the next one",
     "1",
     {{"10", "10", "0", "0", "0"},
      {"(NULL)", "10", "0", "0", "0"},
      {"25", "25", "15", "15", "15"}}},
};

}  // namespace

// The update driven with readings the simulator cannot give on demand (a wrap, exact growths).
TEST_F(InterfaceWindows, CounterUpdateFollowsTheReadings) {
    startSim();
    auto w = open<Counters>("TSNMP_Counters");
    w->BT_Stop->click();  // the timer's reads stay out of the way
    for (const CounterCase& c : kCounterCases) {
        SCOPED_TRACE(c.what);
        typeInterval(*w, c.interval);
        ASSERT_EQ(w->Timer1->interval(), QString(c.interval).toInt() * 1000);
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& s = c.steps[i];
            SCOPED_TRACE(std::string("reading ") + s.reading);
            if (i == 0)
                w->Restart(readings(s.reading));
            else
                w->UpdateCounters(readings(s.reading));
            EXPECT_EQ(cell(*w, 0, Counters::Value), s.value);
            EXPECT_EQ(cell(*w, 0, Counters::Delta), s.delta);
            EXPECT_EQ(cell(*w, 0, Counters::Rate), s.rate);
            EXPECT_EQ(cell(*w, 0, Counters::Peak), s.peak);
            EXPECT_EQ(cell(*w, 1, Counters::Value), "0");  // a counter standing at 0
        }
    }
    EXPECT_TRUE(shown.isEmpty()) << shown.join('|').toStdString();
    w->close();
}

TEST_F(InterfaceWindows, IntervalsOutsideOneToTenSecondsAreRefused) {
    startSim();
    auto w = open<Counters>("TSNMP_Counters");
    EXPECT_EQ(w->CB_Interval->currentText(), "1");
    EXPECT_EQ(w->Timer1->interval(), 1000);
    typeInterval(*w, "5");
    EXPECT_EQ(w->Timer1->interval(), 5000);
    for (const char* refused : {"20", "abc", "0", "-3", "2.5", ""}) {
        SCOPED_TRACE(refused);
        shown.clear();
        typeInterval(*w, refused);
        EXPECT_EQ(shown, QStringList{"Choose Valid Interval"});
        EXPECT_EQ(w->Timer1->interval(), 5000);
        EXPECT_TRUE(w->Timer1->isActive());
        EXPECT_EQ(w->CB_Interval->currentText(), "5");  // the box shows the interval in force
    }
    shown.clear();
    w->CB_Interval->setCurrentIndex(2);  // "10" from the list
    w->CB_IntervalChange();
    EXPECT_EQ(w->Timer1->interval(), 10000);
    EXPECT_TRUE(shown.isEmpty());
    w->close();
}

// Against corvane-a, whose In Packets counter stands above 2147483647 and grows 41 a second.
TEST_F(InterfaceWindows, CountersArePolledEverySecond) {
    startSim({}, "corvane-a");
    auto w = open<Counters>("TSNMP_Counters");
    // Opening read once, all 28 counters in one request.
    const auto opening = pdus("get");
    ASSERT_EQ(opening.size(), 1u);
    EXPECT_EQ(std::count(opening[0].begin(), opening[0].end(), ' ') + 1, kSnmpCounterCount);
    EXPECT_TRUE(status(w->StatusBar1).startsWith("Get: Ok."))
        << status(w->StatusBar1).toStdString();
    EXPECT_GT(number(cell(*w, 0, Counters::Value)), 2147483647u);
    for (int row = 0; row < kSnmpCounterCount; ++row) {
        EXPECT_EQ(cell(*w, row, Counters::Peak), "0") << row;
        EXPECT_EQ(cell(*w, row, Counters::Delta), "0") << row;
    }
    // Two ticks: the first gives peaks, the second Delta and Rate.
    ASSERT_TRUE(QTest::qWaitFor([&] { return pdus("get").size() >= 3; }, 5000));
    QTest::qWait(50);
    const std::uint64_t delta = number(cell(*w, 0, Counters::Delta));
    // 41 a second: about one second's growth, or a few on a busy machine.
    EXPECT_GE(delta, 20u);
    EXPECT_LE(delta, 250u);
    EXPECT_EQ(cell(*w, 0, Counters::Rate), cell(*w, 0, Counters::Delta));
    EXPECT_GT(number(cell(*w, 0, Counters::Peak)), 0u);
    EXPECT_TRUE(QString::fromStdString(cell(*w, 0, Counters::PeakAt))
                    .contains(QRegularExpression("^ \\d\\d:\\d\\d:\\d\\d $")));
    EXPECT_EQ(cell(*w, 2, Counters::Delta), "0");  // In Bad Versions does not move
    EXPECT_TRUE(shown.isEmpty()) << shown.join('|').toStdString();
    w->close();
    EXPECT_FALSE(w->Timer1->isActive());
}

// Pause keeps the numbers while the clock goes on; the first change after Start covers the pause.
TEST_F(InterfaceWindows, PauseKeepsTheNumbersAndStartCoversThePause) {
    startSim();
    auto w = open<Counters>("TSNMP_Counters");
    constexpr int kRequestVariables = 11;  // In Total Request Variables, 320 a second
    ASSERT_TRUE(QTest::qWaitFor([&] { return pdus("get").size() >= 3; }, 5000));
    w->BT_Stop->click();
    EXPECT_FALSE(w->Running());
    const std::size_t reads = pdus("get").size();
    const std::string value = cell(*w, kRequestVariables, Counters::Value);
    const std::string delta = cell(*w, kRequestVariables, Counters::Delta);
    const QString clock = w->ST_Time->text();
    QTest::qWait(2500);
    EXPECT_EQ(pdus("get").size(), reads);
    EXPECT_EQ(cell(*w, kRequestVariables, Counters::Value), value);
    EXPECT_EQ(cell(*w, kRequestVariables, Counters::Delta), delta);
    EXPECT_NE(w->ST_Time->text(), clock);

    w->BT_Start->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return pdus("get").size() > reads; }, 3000));
    QTest::qWait(50);
    EXPECT_GT(number(cell(*w, kRequestVariables, Counters::Value)), number(value));
    // The 2.5 s of the pause at 320 a second, not one interval's 320.
    EXPECT_GE(number(cell(*w, kRequestVariables, Counters::Delta)), 750u);
    w->close();
}
