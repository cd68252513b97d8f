// Chassis and module panels driven by list views that a test host fills: what each table
// content lights, hides and places.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTreeWidget>
#include <functional>

#include "chassis_panel.h"
#include "module_panels.h"
#include "picture_folder.h"

namespace {

using Rows = std::vector<QStringList>;

void fill(QTreeWidget* view, const Rows& rows) {
    view->clear();
    for (const QStringList& r : rows)
        view->addTopLevelItem(new QTreeWidgetItem(r));
}

class FakeBinding : public PanelBinding {
  public:
    explicit FakeBinding(std::function<void()> f) : f_(std::move(f)) {}
    void read() override { f_(); }

  private:
    std::function<void()> f_;
};

// Serves table contents as the bindings would leave them in the list views.
class FakeHost : public ChassisHost {
  public:
    Rows units, leds, cpuCards, power;
    QString fanState;
    QString status;
    int ledReads = 0;
    int cpuReads = 0;

    FakeHost() {
        for (QTreeWidget* v : {&unitView, &ledView, &cpuView})
            v->setColumnCount(6);
    }
    void setStatusText(const QString& text) override { status = text; }
    QTreeWidget* unitListView() override { return &unitView; }
    void readUnitTable() override { fill(&unitView, units); }
    QTreeWidget* ledListView() override { return &ledView; }
    void readLedTable() override {
        ++ledReads;
        fill(&ledView, leds);
    }
    QTreeWidget* cpuCardListView() override { return &cpuView; }
    void readCpuCardTable() override {
        ++cpuReads;
        fill(&cpuView, cpuCards);
    }
    std::unique_ptr<PanelBinding> bindFanState(QLabel* target) override {
        return std::make_unique<FakeBinding>([this, target] { target->setText(fanState); });
    }
    std::unique_ptr<PanelBinding> bindPowerTable(QTreeWidget* target) override {
        return std::make_unique<FakeBinding>([this, target] { fill(target, power); });
    }

    QTreeWidget unitView, ledView, cpuView;
};

bool shown(QWidget* panel, const QString& name) {
    QWidget* w = panel->findChild<QWidget*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w && w->isVisibleTo(panel);
}

QColor colour(QWidget* panel, const QString& name) {
    auto* lamp = panel->findChild<LampWidget*>(name);
    EXPECT_NE(lamp, nullptr) << name.toStdString();
    return lamp ? lamp->color() : QColor();
}

TModulePanel* moduleIn(QWidget* panel, int position) {
    auto* slot = panel->findChild<QWidget*>(QString("Slot_Panel%1").arg(position));
    return slot ? slot->findChild<TModulePanel*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

Rows fullPower() {
    Rows r;
    for (int i = 1; i <= 8; ++i)
        r.push_back({QString::number(i), "exist", "in-operation", "AC"});
    return r;
}

}  // namespace

TEST(ChassisPanel, SlotsArePlacedByIndexAndHiddenByPosition) {
    FakeHost host;
    host.fanState = "in-operation";
    host.power = fullPower();
    host.units = {{"3", "Corvane-LC2"},
                  {"2", "N/A"},
                  {"1", "Corvane-LC1 "},
                  {"4", "Mystery"},
                  {"5", "Corvane-MC-A"}};
    TPanelCorvaneB panel(&host, nullptr);
    panel.LoadPanel();
    EXPECT_EQ(panel.size(), QSize(814, 878));
    ASSERT_NE(moduleIn(&panel, 2), nullptr);  // slot 3 named in the first row
    EXPECT_EQ(moduleIn(&panel, 2)->model(), "Corvane-LC2");
    EXPECT_FALSE(shown(&panel, "Slot_Panel1"));  // "N/A" in the second row
    EXPECT_EQ(moduleIn(&panel, 0), nullptr);     // a trailing blank makes the model unknown
    EXPECT_TRUE(shown(&panel, "Slot_Panel0"));
    EXPECT_EQ(moduleIn(&panel, 3), nullptr);  // unknown model: empty but visible
    EXPECT_TRUE(shown(&panel, "Slot_Panel3"));
    EXPECT_EQ(moduleIn(&panel, 4)->model(), "Corvane-MC-A");
    EXPECT_EQ(host.status, "");
}

TEST(ChassisPanel, PowerBaysAndFanTray) {
    struct Case {
        const char* name;
        QStringList row;
        QStringList visible;
    } cases[] = {
        {"DC failed", {"1", "exist", "failed", "DC"}, {"Image_PWDC0failed"}},
        {"Unkown counts as DC", {"1", "exist", "failed", "Unkown"}, {"Image_PWDC0failed"}},
        {"AC working", {"1", "exist", "in-operation", "AC"}, {"Image_PW0ok"}},
        {"empty keeps its cover", {"1", "empty", "in-operation", "AC"}, {"Panel0"}},
    };
    const QStringList pictures = {"Image_PW0ok", "Image_PW0failed", "Image_PWDC0ok",
                                  "Image_PWDC0failed", "Panel0"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeHost host;
        host.power = {c.row};
        TPanelCorvaneB panel(&host, nullptr);
        panel.ShowPowerState();
        for (const QString& p : pictures)
            EXPECT_EQ(shown(&panel, p), c.visible.contains(p)) << p.toStdString();
    }

    struct Fan {
        QString state;
        bool lamp, cover;
        QColor colour;
    } fans[] = {{"not-exist", false, true, QColor(0, 255, 64)},
                {"failed", true, false, QColor(255, 0, 0)},
                {"in-operation", true, false, QColor(0, 255, 64)},
                {"spinning", false, false, QColor(0, 255, 64)}};
    for (const Fan& f : fans) {
        FakeHost host;
        host.fanState = f.state;
        TPanelCorvaneA panel(&host, nullptr);
        panel.ShowFanState();
        EXPECT_EQ(shown(&panel, "Fan_Panel"), f.lamp) << f.state.toStdString();
        EXPECT_EQ(shown(&panel, "FanboxPanel"), f.cover) << f.state.toStdString();
        EXPECT_EQ(colour(&panel, "Fan_Panel"), f.colour) << f.state.toStdString();
    }
}

TEST(ChassisPanel, FailuresGoToTheStatusPanel) {
    {
        FakeHost host;  // a ninth power row has no bay: the load stops before the slots
        host.power = fullPower();
        host.power.push_back({"9", "exist", "in-operation", "AC"});
        host.units = {{"1", "Corvane-LC2"}};
        TPanelCorvaneB panel(&host, nullptr);
        panel.LoadPanel();
        EXPECT_EQ(host.status, "Get Slot Information Failed");
        EXPECT_EQ(moduleIn(&panel, 0), nullptr);
    }
    {
        FakeHost host;  // the 4-slot chassis looks at four rows whatever the table holds
        host.power = fullPower();
        host.units = {{"1", "Corvane-LC2"}, {"x", "Corvane-LC2"}, {"3", "Corvane-LC2"}};
        TPanelCorvaneA panel(&host, nullptr);
        panel.LoadPanel();
        EXPECT_EQ(host.status, "'x' is not a valid integer value");
        EXPECT_NE(moduleIn(&panel, 0), nullptr);
        EXPECT_EQ(moduleIn(&panel, 2), nullptr);  // rows after a failing one are not looked at
    }
}

TEST(LineCard, PortLampsFollowTheLedTable) {
    FakeHost host;
    host.units = {{"2", "Corvane-LC7"}};
    host.leds = {
        {"1", "Prt2/5", "steady-green", "ethernet", "fiber"},
        {"2", "Prt2/6", "blinking-green", "ethernet", "copper"},
        {"3", "Prt2/7", "steady-amber", "poe", "copper"},
        {"4", "Prt2/8", "off", "ethernet", "copper"},
        {"5", "Prt2/15", "blinking-amber", "ethernet", "copper"},
        {"6", "Prt3/9", "steady-green", "ethernet", "copper"},  // another slot
        {"7", "Prt2/27", "steady-green", "ethernet", "fiber"},  // a port this card lacks
        {"8", "Prt2/9", "steady-green", "ethernet", "copper"},  // after it: never shown
    };
    TPanelCorvaneB panel(&host, nullptr);
    panel.CreateModulePanel("Corvane-LC7", 2);
    TModulePanel* card = moduleIn(&panel, 1);
    ASSERT_NE(card, nullptr);
    for (const char* n : {"Port5LedPanelF", "Port5PanelF", "P5PanelF"})
        EXPECT_TRUE(shown(card, n));
    EXPECT_FALSE(shown(card, "Port5PanelT"));
    EXPECT_EQ(colour(card, "Port5PanelF"), QColor(0, 128, 0));
    EXPECT_EQ(colour(card, "P5PanelF"), QColor(0, 255, 0));
    EXPECT_EQ(colour(card, "Port6PanelT"), colour(card, "Port5PanelF"));  // blinking = steady
    EXPECT_EQ(colour(card, "Port7LedPanelT"), QColor(255, 128, 0));
    EXPECT_EQ(colour(card, "P7PanelT"), QColor(253, 166, 4));
    EXPECT_FALSE(shown(card, "Port8PanelT"));
    EXPECT_TRUE(shown(card, "Port15PanelF"));  // 13 and up: always the SFP opening
    EXPECT_FALSE(shown(card, "Port9PanelT"));
    EXPECT_FALSE(shown(card, "Port9PanelF"));
}

TEST(LineCard, FirstCardReadsTheLedTableAndLampsAreShaped) {
    FakeHost host;
    host.leds = {{"1", "Prt1/1", "steady-green", "ethernet", "copper"},
                 {"2", "Prt1/2", "steady-green", "ethernet", "copper"}};
    TPanelCorvaneB panel(&host, nullptr);
    panel.CreateModulePanel("Corvane-LC1", 1);
    EXPECT_EQ(host.ledReads, 1);
    TModulePanel* card = moduleIn(&panel, 0);
    ASSERT_NE(card, nullptr);
    EXPECT_TRUE(shown(card, "Port1LedPanel"));
    panel.show();
    auto* up = card->findChild<QWidget*>("Port1LedPanel");
    auto* down = card->findChild<QWidget*>("Port2LedPanel");
    EXPECT_TRUE(up->mask().contains(QPoint(3, 1)));
    EXPECT_FALSE(up->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(down->mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(down->mask().contains(QPoint(3, 5)) && down->mask().contains(QPoint(0, 5)));
}

TEST(ChassisPanel, SharedTablesAreReadOncePerLoad) {
    FakeHost host;
    host.fanState = "in-operation";
    host.power = fullPower();
    host.units = {{"1", "Corvane-MC-A"}, {"2", "Corvane-MC-B"}, {"3", "Corvane-LC7"},
                  {"4", "Corvane-LC1"},  {"5", "Corvane-LC6"},  {"6", "N/A"},
                  {"7", "Corvane-LC4"},  {"8", "Corvane-LC10"}};
    host.leds = {{"1", "Prt3/1", "steady-green", "ethernet", "copper"},
                 {"2", "Prt4/1", "steady-amber", "ethernet", "copper"},
                 {"3", "Prt8/26", "steady-green", "ethernet", "fiber"}};
    host.cpuCards = {{"1", "usb", "active", "two-LEDs", "off", "link-100"},
                     {"2", "usb", "standby", "one-LED", "off", "link-100"}};
    {
        TPanelCorvaneB panel(&host, nullptr);
        panel.LoadPanel();
        EXPECT_EQ(host.ledReads, 1);
        EXPECT_EQ(host.cpuReads, 1);
        // Every card took its lamps from the one read, the first card placed too.
        EXPECT_TRUE(shown(moduleIn(&panel, 2), "Port1PanelT"));
        EXPECT_EQ(colour(moduleIn(&panel, 3), "Port1Panel"), QColor(255, 128, 0));
        EXPECT_TRUE(shown(moduleIn(&panel, 7), "Port26PanelF"));
        EXPECT_TRUE(shown(moduleIn(&panel, 0), "Image_CPU2"));
        EXPECT_FALSE(shown(moduleIn(&panel, 1), "Image_CPU2"));
    }
    TPanelCorvaneB refreshed(&host, nullptr);  // Refresh builds a new panel
    refreshed.LoadPanel();
    EXPECT_EQ(host.ledReads, 2);
    EXPECT_EQ(host.cpuReads, 2);
}

TEST(ManagementModule, ConsoleMasterSpeedAndCpuBar) {
    FakeHost host;
    host.cpuCards = {{"1", "usb", "standby", "three-LEDs", "off", "link-100"},
                     {"2", "rs232", "active", "eight-LEDs", "steady-green", "link-1000"}};
    TPanelCorvaneB panel(&host, nullptr);
    panel.CreateModulePanel("Corvane-MC-A", 1);
    TModulePanel* m = moduleIn(&panel, 0);
    ASSERT_NE(m, nullptr);
    EXPECT_FALSE(shown(m, "Mgmt_LED1"));
    EXPECT_EQ(colour(m, "Mgmt_LED2"), QColor(255, 128, 0));
    EXPECT_TRUE(shown(m, "Image_usb"));
    EXPECT_FALSE(shown(m, "Image_rs232"));
    EXPECT_FALSE(shown(m, "Image_Master"));
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(shown(m, QString("Image_CPU%1").arg(k)), k <= 3) << k;

    // Another load: a new panel reads the table again.
    host.cpuCards = {{"1", "rs232", "active", "lots", "steady-green", "link-9"}};
    TPanelCorvaneB reloaded(&host, nullptr);
    reloaded.CreateModulePanel("Corvane-MC-B", 2);
    TModulePanel* other = moduleIn(&reloaded, 1);
    for (int k = 1; k <= 8; ++k)
        EXPECT_TRUE(shown(other, QString("Image_CPU%1").arg(k)));
    EXPECT_EQ(colour(other, "Mgmt_LED2"), QColor(0, 255, 0));  // unknown speed leaves it
}

// Renders a fully populated chassis (into CORVANE_SHOT_DIR when set, to look at the artwork).
TEST(ChassisPanel, Picture) {
    const corvane::test::PictureFolder folder;
    const QByteArray dir = folder.path().toUtf8();
    const QStringList states = {"steady-green", "off", "blinking-amber", "steady-green",
                                "off",          "off", "blinking-green"};
    for (bool b : {false, true}) {
        FakeHost host;
        host.fanState = b ? "in-operation" : "failed";
        host.power = {{"1", "exist", "in-operation", "AC"},
                      {"2", "exist", "failed", "DC"},
                      {"3", "empty", "", ""},
                      {"4", "exist", "in-operation", "DC"},
                      {"5", "exist", "failed", "AC"},
                      {"6", "empty", "", ""},
                      {"7", "exist", "in-operation", "AC"},
                      {"8", "exist", "in-operation", "AC"}};
        const QStringList models =
            b ? QStringList{"Corvane-MC-A", "Corvane-MC-B", "Corvane-LC7", "Corvane-LC1",
                            "Corvane-LC6",  "N/A",          "Corvane-LC4", "Corvane-LC10"}
              : QStringList{"Corvane-MC-A", "Corvane-LC3", "Corvane-LC8", "Corvane-LC9"};
        int index = 1;
        for (int s = 1; s <= models.size(); ++s) {
            host.units.push_back({QString::number(s), models[s - 1]});
            for (int p = 1; p <= 48; ++p)
                host.leds.push_back({QString::number(index++), QString("Prt%1/%2").arg(s).arg(p),
                                     states[(p * 3 + s) % states.size()], "ethernet",
                                     p % 4 == 0 ? "fiber" : "copper"});
        }
        host.cpuCards = {{"1", "rs232", "active", "five-LEDs", "steady-green", "link-1000"},
                         {"2", "usb", "standby", "two-LEDs", "off", "link-0"}};
        std::unique_ptr<TChassisPanel> panel;
        if (b)
            panel = std::make_unique<TPanelCorvaneB>(&host, nullptr);
        else
            panel = std::make_unique<TPanelCorvaneA>(&host, nullptr);
        panel->LoadPanel();
        panel->show();
        QApplication::processEvents();
        panel->grab().save(QString::fromUtf8(dir) + (b ? "/corvane-b.png" : "/corvane-a.png"));
    }
}
