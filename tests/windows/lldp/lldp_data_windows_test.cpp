// The LLDP data windows against corvane-sim: bit-map columns as names, the synchronous remote
// table, the local system data, every menu entry through the registry, and pictures.
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <functional>
#include <set>

#include "config_geometry.h"
#include "dedicated_form.h"
#include "lldp_bit_maps.h"
#include "lldp_configration_form.h"
#include "lldp_list_members.h"
#include "lldp_loc_sys_data_form.h"
#include "lldp_tlv_dialog.h"
#include "lldp_window_fixture.h"
#include "picture_folder.h"

using namespace lldp_test;

namespace {

constexpr const char* kRemote = "1.0.8802.1.1.2.1.4.1.1";

using Factory = std::function<std::unique_ptr<TLLDPListForm>(const DedicatedWindowContext&)>;
template <class W>
Factory make() {
    return [](const DedicatedWindowContext& c) { return std::make_unique<W>(c); };
}

// The instance of each line: the index columns' cells joined with "."; a time mark of 0 is "0".
QStringList instancesOf(const QTreeWidget* view, const QStringList& indexCaptions) {
    QStringList out;
    for (int r = 0; r < view->topLevelItemCount(); ++r) {
        QStringList parts;
        for (const QString& caption : indexCaptions) {
            const QString cell = view->topLevelItem(r)->text(columnOf(view, caption));
            parts << (caption == "Time Mark" && cell == "0:00:00.00" ? QStringLiteral("0") : cell);
        }
        out << parts.join('.');
    }
    return out;
}

}  // namespace

using LldpDataWindows = LldpWindowTest;

TEST_F(LldpDataWindows, BitMapColumnsShowTheNamesOfTheAgentsOctets) {
    const QStringList remoteIndex = {"Time Mark", "Local Port Number", "Index"};
    struct Case {
        const char* windowClass;
        Factory factory;
        QStringList index;
        const char* caption;
        std::string column;
        LldpBitMap (*names)();
    } cases[] = {
        {"TLLDPDot3LinkAggForm",
         make<TLLDPDot3LinkAggForm>(),
         {"Local Port Number"},
         "Link Aggregation State",
         "1.0.8802.1.1.2.1.5.4623.1.2.3.1.1",
         AggregationStatusNames},
        {"TLLDPDot3RemoteLinkAggForm", make<TLLDPDot3RemoteLinkAggForm>(), remoteIndex,
         "Link Aggregation State", "1.0.8802.1.1.2.1.5.4623.1.3.3.1.1", AggregationStatusNames},
        {"TLLDPRemoteDataCapabilitiesForm", make<TLLDPRemoteDataCapabilitiesForm>(), remoteIndex,
         "Capability Supported", "1.0.8802.1.1.2.1.5.4795.1.3.1.1.1", MedCapabilityNames},
        {"TLLDPRemoteDataCapabilitiesForm", make<TLLDPRemoteDataCapabilitiesForm>(), remoteIndex,
         "Capability Current", "1.0.8802.1.1.2.1.5.4795.1.3.1.1.2", MedCapabilityNames},
        {"TLLDPRemoteForm", make<TLLDPRemoteForm>(), remoteIndex, "System Capabilities Supported",
         std::string(kRemote) + ".11", SystemCapabilityNames},
        {"TLLDPRemoteForm", make<TLLDPRemoteForm>(), remoteIndex, "System Capabilities Enabled",
         std::string(kRemote) + ".12", SystemCapabilityNames},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.windowClass) + " / " + c.caption);
        auto w = c.factory(contextOf(c.windowClass));
        w->show();
        ASSERT_TRUE(waitIdle(w->Binding));
        EXPECT_TRUE(statusOf(w->Binding).startsWith("Get: Ok."));
        const auto agent = profileColumn(profile_, c.column);
        const QStringList instances = instancesOf(w->ListView, c.index);
        const QStringList cells = cellsOf(w->ListView, c.caption);
        ASSERT_EQ(instances.size(), static_cast<qsizetype>(agent.size()));
        EXPECT_EQ(w->CountBox->text(), QString::number(agent.size()));
        for (qsizetype r = 0; r < instances.size(); ++r) {
            const auto held = agent.find(instances[r].toStdString());
            ASSERT_NE(held, agent.end()) << instances[r].toStdString();
            EXPECT_EQ(cells[r].toStdString(), DecodeBitNames(c.names(), held->second))
                << instances[r].toStdString();
        }
        w->close();
    }
    // The values the name tables are known by.
    auto remote = std::make_unique<TLLDPRemoteForm>(contextOf("TLLDPRemoteForm"));
    remote->show();
    waitIdle(remote->Binding);
    const QStringList supported = cellsOf(remote->ListView, "System Capabilities Supported");
    EXPECT_TRUE(supported.contains(" Bridge,Router"));
    EXPECT_TRUE(supported.contains(" Other,Repeater"));
    auto agg = std::make_unique<TLLDPDot3LinkAggForm>(contextOf("TLLDPDot3LinkAggForm"));
    agg->show();
    waitIdle(agg->Binding);
    const QStringList states = cellsOf(agg->ListView, "Link Aggregation State");
    for (const char* s : {" aggCapable,aggEnabled", " aggCapable", " "})
        EXPECT_TRUE(states.contains(s)) << s;
}

// The remote table reads synchronously: a click returns with the table read. Its first read
// waits the default time for answers, every later one 10 s.
TEST_F(LldpDataWindows, TheRemoteTableReadsSynchronouslyAndAlways) {
    startAgent({"--delay", "20"});
    auto w = std::make_unique<TLLDPRemoteForm>(contextOf("TLLDPRemoteForm"));
    EXPECT_FALSE(w->Binding->Async);
    EXPECT_EQ(w->Binding->Request.Timeout, DefaultTimeout);
    EXPECT_EQ(w->BT_Set, nullptr);
    EXPECT_EQ(w->BT_Stop, nullptr);
    w->show();
    ASSERT_TRUE(waitIdle(w->Binding));
    EXPECT_EQ(w->Binding->Request.Timeout, 1000);
    EXPECT_EQ(w->ListView->topLevelItemCount(), 8);
    const std::string column = std::string(kRemote) + ".4";
    const int walks = walkStarts(column);
    for (int click = 1; click <= 2; ++click) {
        w->BT_Refresh->click();
        EXPECT_FALSE(w->Binding->Busy);
        EXPECT_EQ(w->ListView->topLevelItemCount(), 8);
        EXPECT_EQ(walkStarts(column), walks + click);
    }
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(statusOf(w->Binding).startsWith("Get: Ok."));
}

// Closing the remote table while its synchronous read runs ends the read at its next row and
// closes the window then, without waiting out the read.
TEST_F(LldpDataWindows, ClosingDuringTheSynchronousReadEndsItAtTheNextRow) {
    startAgent({"--delay", "100"});
    auto w = std::make_unique<TLLDPRemoteForm>(contextOf("TLLDPRemoteForm"));
    QElapsedTimer closing;
    QTimer::singleShot(350, w.get(), [&] {
        closing.start();
        w->close();
    });
    w->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return closing.isValid() && !w->isVisible(); }, 15000));
    EXPECT_LT(closing.elapsed(), 1000);
    EXPECT_LT(w->ListView->topLevelItemCount(), 8);
    EXPECT_FALSE(w->Binding->Busy);
}

// A read the agent never answers says so in the status bar and leaves the window usable.
TEST_F(LldpDataWindows, AReadThatFailsSaysSoAndUnlocksTheWindow) {
    agent_->stop();  // nothing answers on its port any more
    auto w = std::make_unique<TLLDPDot3LinkAggForm>(contextOf("TLLDPDot3LinkAggForm"));
    w->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Complete; }, 10000));
    EXPECT_FALSE(w->Binding->Busy);
    const QString status = statusOf(w->Binding);
    EXPECT_TRUE(status.startsWith("Get:")) << status.toStdString();
    EXPECT_FALSE(status.startsWith("Get: Ok.")) << status.toStdString();
    EXPECT_EQ(w->ListView->topLevelItemCount(), 0);
    w->BT_Refresh->click();
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(w->Binding->Busy);
}

TEST_F(LldpDataWindows, LocalSystemDataShowsTheCapabilitiesAsNames) {
    struct Case {
        const char* profile;
        const char* enabled;
    } cases[] = {{"corvane-a", " Bridge"}, {"corvane-b", " Bridge,Router"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.profile);
        startAgent({}, c.profile);
        auto w = open<TLLDPLocSysDataForm>("TLLDPLocSysDataForm");
        (void)QTest::qWaitFor([&] { return w->Complete; });
        EXPECT_TRUE(statusOf(w->Binding).startsWith("Get: Ok."));
        EXPECT_EQ(w->Texts[0]->text(), "macAddress");
        std::string mac = profileColumn(c.profile, "1.0.8802.1.1.2.1.3.2").at("0");
        for (char& ch : mac)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        EXPECT_EQ(w->Texts[1]->text().toStdString(), mac);
        EXPECT_EQ(w->Texts[2]->text().toStdString(),
                  profileColumn(c.profile, "1.0.8802.1.1.2.1.3.3").at("0"));
        EXPECT_EQ(w->SupportedEdit->text(), " Bridge,Router");
        EXPECT_EQ(w->EnabledEdit->text(), c.enabled);
        EXPECT_FALSE(w->SupportedEdit->isEnabled());
        EXPECT_FALSE(w->CapabilitiesSupported->isVisible());
        // A second read while the first runs is refused.
        w->BT_Refresh->click();
        w->BT_Refresh->click();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, "Get data not complete");
        shown.clear();
        (void)QTest::qWaitFor([&] { return w->Complete; });
        EXPECT_EQ(w->EnabledEdit->text(), c.enabled);
    }
}

// Every LLDP entry of the menu is registered; opened as the main window opens it, each window
// reads its data without an error status and closes.
TEST_F(LldpDataWindows, EveryLldpMenuEntryOpensAndReads) {
    std::set<std::string> classes;
    for (const MenuEntry& e : menuCatalogue())
        if (e.Action == MenuAction::Dedicated && e.Window &&
            std::string(e.Window).rfind("TLLDP", 0) == 0)
            classes.insert(e.Window);
    EXPECT_EQ(classes.size(), 11u);
    for (const std::string& cls : classes)
        EXPECT_TRUE(DedicatedWindows().Contains(cls)) << cls;
    for (const char* profile : {"corvane-a", "corvane-b"}) {
        startAgent({}, profile);
        for (const std::string& cls : classes) {
            SCOPED_TRACE(std::string(profile) + " " + cls);
            const MenuEntry& entry = entryOf(cls);
            QString caption, status;
            bool data = false;
            int polls = 0;
            // Polled from timers, so that nothing waits inside a synchronous read.
            std::function<void()> poll = [&] {
                auto* form = qobject_cast<TDedicatedForm*>(QApplication::activeModalWidget());
                NmSNMPRequest2Edits* b =
                    form && !form->Bindings().empty() ? form->Bindings().front().get() : nullptr;
                const bool done = b && !b->Busy && statusOf(b).startsWith("Get:");
                if (!done && ++polls < 750) {
                    QTimer::singleShot(20, poll);
                    return;
                }
                if (!form)
                    return;
                caption = form->windowTitle();
                status = b ? statusOf(b) : QString();
                if (auto* view = form->findChild<QTreeWidget*>("ListView"))
                    data = view->topLevelItemCount() > 0;
                else
                    for (QLineEdit* e : form->findChildren<QLineEdit*>())
                        data = data || !e->text().isEmpty();
                form->close();
            };
            QTimer::singleShot(0, poll);
            const QString title = QString::fromUtf8(entry.Title) + "127.0.0.1";
            ASSERT_TRUE(OpenDedicatedWindow(entry, title, noSharedBindings()));
            EXPECT_EQ(caption, title);
            EXPECT_TRUE(status.startsWith("Get: Ok.")) << status.toStdString();
            EXPECT_TRUE(data);
        }
    }
    EXPECT_TRUE(shown.empty());
}

// A configuration window with its TLV dialog open, the remote table and the basic settings, at
// 100 % and 125 % (into CORVANE_SHOT_DIR when set, to look at).
TEST_F(LldpDataWindows, Pictures) {
    const corvane::test::PictureFolder folder;
    for (double scale : {1.0, 1.25}) {
        SetConfigScale(scale);
        const QString suffix = scale == 1.0 ? "-100.png" : "-125.png";
        {
            TLLDPPortConfigForm w(contextOf("TLLDPPortConfigForm"));
            w.show();
            waitIdle(w.Binding);
            (void)QTest::qWaitFor([&] { return w.Complete; });
            w.ListView->setCurrentItem(w.ListView->topLevelItem(1));
            corvane::test::onNextDialog([&](QDialog* d) {
                QApplication::processEvents();
                const QPixmap window = w.grab();
                const QPixmap dialog = d->grab();
                QPixmap both(window.size());
                both.fill(Qt::white);
                QPainter p(&both);
                p.drawPixmap(0, 0, window);
                const QPoint at((window.width() - dialog.width()) / 2,
                                (window.height() - dialog.height()) / 2);
                p.drawPixmap(at, dialog);
                p.setPen(QPen(Qt::darkGray, 1));
                p.drawRect(QRect(at, dialog.size()).adjusted(0, 0, -1, -1));
                p.end();
                both.save(folder.path() + "/lldp-port-config-dialog" + suffix);
                d->reject();
            });
            QTest::mouseClick(w.TlvEdit, Qt::LeftButton);
            w.close();
        }
        {
            TLLDPRemoteForm w(contextOf("TLLDPRemoteForm"));
            w.show();
            waitIdle(w.Binding);
            // Scrolled to the capability columns.
            w.ListView->setCurrentItem(w.ListView->topLevelItem(1));
            QApplication::processEvents();
            QScrollBar* across = w.ListView->horizontalScrollBar();
            across->setValue(across->maximum());
            QApplication::processEvents();
            w.grab().save(folder.path() + "/lldp-remote" + suffix);
            w.close();
        }
        {
            TLLDPConfigrationForm w(contextOf("TLLDPConfigrationForm"));
            w.show();
            waitIdle(w.Binding);
            QTest::mouseClick(w.Boxes[TLLDPConfigrationForm::kTxInterval], Qt::LeftButton);
            QApplication::processEvents();
            w.grab().save(folder.path() + "/lldp-basic-settings" + suffix);
            w.close();
        }
    }
    SetConfigScale(1.0);
    EXPECT_TRUE(shown.empty());
}
