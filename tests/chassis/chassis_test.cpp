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

// Status texts in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

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

TEST(ChassisPanel, SlotsArePlacedAndHiddenByIndex) {
    FakeHost host;
    host.fanState = "in-operation";
    host.power = fullPower();
    host.units = {{"3", "Corvane-LC2"},  {"2", "N/A"}, {"1", "Corvane-LC1 "}, {"4", "Mystery"},
                  {"5", "Corvane-MC-A"}, {"7", "N/A"}, {"6", "Corvane-LC2"}};
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
    EXPECT_FALSE(shown(&panel, "Slot_Panel6"));  // "N/A" for slot 7 in the sixth row
    EXPECT_TRUE(shown(&panel, "Slot_Panel5"));   // slot 6, named in the seventh row
    ASSERT_NE(moduleIn(&panel, 5), nullptr);
    EXPECT_TRUE(moduleIn(&panel, 5)->isVisibleTo(&panel));
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

// A row that cannot be drawn is skipped and named in the status bar (the first one only, on one
// short line); every other card, bay and lamp is drawn as the good rows say.
TEST(ChassisPanel, OneBadRowHidesNothingElse) {
    const QString longName = "Prt2/" + QString(65000, '7');
    struct Case {
        const char* name;
        bool corvaneA;
        std::function<void(FakeHost&)> edit;
        QString status;
        std::function<void(QWidget*)> check;
    } cases[] = {
        {"an LED name that gives no slot and port", false,
         [](FakeHost& h) {
             h.leds.insert(h.leds.begin() + 1,
                           {"9", "garbage", "steady-green", "ethernet", "copper"});
             h.leds.push_back({"10", "Prt2", "steady-green", "ethernet", "copper"});
         },
         "LED row '9' skipped: name 'garbage' gives no slot and port", nullptr},
        {"a 64 KiB LED name", false,
         [&](FakeHost& h) {
             h.leds.insert(h.leds.begin(), {"9", longName, "steady-green", "ethernet", "copper"});
         },
         "LED row '9' skipped: name 'Prt2/7777777777777777...' gives no slot and port", nullptr},
        {"an LED row without its status", false, [](FakeHost& h) { h.leds[1][2] = kNoValue; },
         "LED row '2' skipped: no LED Status value",
         [](QWidget* p) { EXPECT_FALSE(shown(moduleIn(p, 1), "Port2Panel")); }},
        {"a combination port without its medium", false,
         [](FakeHost& h) {
             h.leds.push_back({"9", "Prt3/4", "steady-green", "ethernet", kNoValue});
         },
         "LED row '9' skipped: no Medium Type value",
         [](QWidget* p) {
             EXPECT_FALSE(shown(moduleIn(p, 2), "Port4PanelT"));
             EXPECT_FALSE(shown(moduleIn(p, 2), "Port4PanelF"));
         }},
        {"nine power rows on Corvane-B", false,
         [](FakeHost& h) {
             h.power.push_back({"9", "exist", "in-operation", "AC"});
         },
         "Power row '9' skipped: the chassis has 8 bays", nullptr},
        {"two power rows on Corvane-A", true, [](FakeHost& h) { h.power.resize(2); },
         "No power row for bay 3",
         [](QWidget* p) {
             EXPECT_TRUE(shown(p, "Image_PW1ok"));
             for (int bay : {2, 3}) {
                 EXPECT_TRUE(shown(p, QString("Panel%1").arg(bay)));
                 EXPECT_FALSE(shown(p, QString("Image_PWDC%1failed").arg(bay)));
             }
         }},
        {"a power row without its type", false,
         [](FakeHost& h) {
             h.power[1][3] = kNoValue;
             h.power[2] = {"3", "exist", "failed", "DC"};
         },
         "Power row '2' skipped: no Power Type value",
         [](QWidget* p) {
             EXPECT_TRUE(shown(p, "Panel1"));  // as drawn: covered
             for (const char* n :
                  {"Image_PW1ok", "Image_PW1failed", "Image_PWDC1ok", "Image_PWDC1failed"})
                 EXPECT_FALSE(shown(p, n)) << n;
             EXPECT_TRUE(shown(p, "Image_PWDC2failed"));  // the next bay as its own row says
             EXPECT_FALSE(shown(p, "Panel2"));
         }},
        {"a module row missing", false, [](FakeHost& h) { h.units.erase(h.units.begin() + 3); },
         "No module row for slot 4",
         [](QWidget* p) {
             EXPECT_TRUE(shown(p, "Slot_Panel3"));  // as drawn: empty
             EXPECT_EQ(moduleIn(p, 3), nullptr);
         }},
        {"a module row without its model", false, [](FakeHost& h) { h.units[3][1] = kNoValue; },
         "Module row '4' skipped: no Model value",
         [](QWidget* p) { EXPECT_EQ(moduleIn(p, 3), nullptr); }},
        {"a module row that names no slot", false,
         [](FakeHost& h) {
             h.units.insert(h.units.begin(), {"x", "Corvane-LC2"});
             h.units.push_back({"9", "Corvane-LC2"});
         },
         "Module row 'x' skipped: not a slot number", nullptr},
        {"a management module row that names no slot", false,
         [](FakeHost& h) {
             h.cpuCards.insert(h.cpuCards.begin(),
                               {"x", "usb", "active", "one-LED", "off", "link-0"});
         },
         "Management module row 'x' skipped: not a slot number", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeHost host;
        host.fanState = "in-operation";
        host.power = fullPower();
        if (c.corvaneA)
            host.power.resize(4);
        // Slot 4 holds the card whose row goes missing; slot 5 is empty.
        host.units = {{"1", "Corvane-MC-A"}, {"2", "Corvane-LC2"}, {"3", "Corvane-LC7"},
                      {"4", "Corvane-LC1"},  {"5", "N/A"},         {"6", "Corvane-LC6"}};
        if (c.corvaneA)
            host.units.resize(4);
        host.leds = {{"1", "Prt2/1", "steady-green", "ethernet", "fiber"},
                     {"2", "Prt2/2", "steady-amber", "ethernet", "fiber"},
                     {"3", "Prt3/5", "steady-green", "ethernet", "copper"},
                     {"4", "Prt4/6", "steady-green", "ethernet", "copper"},
                     {"5", "Prt6/8", "steady-green", "ethernet", "fiber"}};
        host.cpuCards = {{"1", "usb", "active", "two-LEDs", "off", "link-100"}};
        c.edit(host);
        std::unique_ptr<TChassisPanel> panel;
        if (c.corvaneA)
            panel = std::make_unique<TPanelCorvaneA>(&host, nullptr);
        else
            panel = std::make_unique<TPanelCorvaneB>(&host, nullptr);
        panel->LoadPanel();
        EXPECT_EQ(host.status.toStdString(), c.status.toStdString());
        EXPECT_LE(host.status.size(), 120);
        // Everything the good rows say is drawn.
        QWidget* p = panel.get();
        EXPECT_TRUE(shown(p, "Fan_Panel"));
        EXPECT_TRUE(shown(p, "Image_PW0ok"));
        EXPECT_FALSE(shown(p, "Panel0"));
        ASSERT_NE(moduleIn(p, 0), nullptr);
        EXPECT_FALSE(shown(moduleIn(p, 0), "Image_CPU3"));
        ASSERT_NE(moduleIn(p, 1), nullptr);
        EXPECT_TRUE(shown(moduleIn(p, 1), "Port1Panel"));
        ASSERT_NE(moduleIn(p, 2), nullptr);
        EXPECT_TRUE(shown(moduleIn(p, 2), "Port5PanelT"));
        if (!c.corvaneA) {
            EXPECT_TRUE(shown(p, "Image_PW7ok"));
            EXPECT_FALSE(shown(p, "Slot_Panel4"));  // "N/A" hides slot 5, not another
            ASSERT_NE(moduleIn(p, 5), nullptr);
            EXPECT_TRUE(shown(moduleIn(p, 5), "Port8Panel"));
            if (std::string(c.name).find("module row") == std::string::npos) {
                ASSERT_NE(moduleIn(p, 3), nullptr);
                EXPECT_TRUE(shown(moduleIn(p, 3), "Port6Panel"));
            }
        }
        if (c.check)
            c.check(p);
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
