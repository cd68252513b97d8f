// The four spanning-tree entries of the main window's menu against corvane-sim: each is
// enabled, opens its window through the registry, and the window reads without an error.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "dedicated_form.h"
#include "main_form.h"
#include "modal_dialog.h"
#include "stp_fixture.h"
#include "tmstp_port_state_form.h"
#include "tmstp_vlan_unit_form.h"

namespace stp_test {
namespace {

// The menu action at a path of captions, from the menu bar down.
QAction* actionAt(const QList<QAction*>& actions, const std::vector<std::string>& path,
                  std::size_t level = 0) {
    const QString caption = QString::fromStdString(path[level]).replace("&", "&&");
    for (QAction* a : actions) {
        if (a->text() != caption)
            continue;
        if (level + 1 == path.size())
            return a;
        if (a->menu())
            return actionAt(a->menu()->actions(), path, level + 1);
    }
    return nullptr;
}

class StpMenu : public StpWindowTest {};

TEST_F(StpMenu, TheFourWindowsOpenFromTheMenuAndRead) {
    startAgent("corvane-b");
    const QTemporaryDir work;
    TMainForm form({"/I127.0.0.1", "/v1"}, work.path().toStdString());
    DefaultDevice.Port = agent_->port();
    form.FormCreate();
    const auto menu = menuCatalogue();
    const std::pair<const char*, const char*> windows[] = {
        {"TSpanningTreeAlgorithmForm", "STP Global Settings: 127.0.0.1"},
        {"TSTP_Info", "STP Information Settings: 127.0.0.1"},
        {"TMSTPVLANUnitForm", "STP Instance Control Table: 127.0.0.1"},
        {"TMSTPPortStateForm", "STP Port State Table: 127.0.0.1"},
    };
    for (const auto& [windowClass, title] : windows) {
        SCOPED_TRACE(windowClass);
        std::size_t index = 0;
        while (index < menu.size() &&
               !(menu[index].Window && std::string(menu[index].Window) == windowClass))
            ++index;
        ASSERT_LT(index, menu.size());
        QAction* action = actionAt(form.menuBar()->actions(), menuPath(menu, index));
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->isEnabled());
        QString caption, status;
        QString objectName;
        corvane::test::onNextDialog([&](QDialog* d) {
            auto* window = qobject_cast<TDedicatedForm*>(d);
            ASSERT_NE(window, nullptr);
            caption = d->windowTitle();
            objectName = d->objectName();
            const auto idle = [window] {
                for (const auto& b : window->Bindings())
                    if (b->Busy)
                        return false;
                if (auto* ports = qobject_cast<TMSTPPortStateForm*>(window))
                    return ports->Ready();
                if (auto* instances = qobject_cast<TMSTPVLANUnitForm*>(window))
                    return instances->Ready();
                return true;
            };
            EXPECT_TRUE(QTest::qWaitFor(idle, 15000));
            status = statusOf(d->findChild<QStatusBar*>("StatusBar"));
            d->close();
        });
        action->trigger();
        EXPECT_EQ(objectName, windowClass);
        EXPECT_EQ(caption, title);
        EXPECT_TRUE(status.startsWith("Get: Ok.")) << status.toStdString();
    }
    // The information window had the main window read the version first.
    EXPECT_EQ(form.ST_STPVersion->text(), "mstp");
    EXPECT_TRUE(shown.empty()) << shown.front().text.toStdString();
}

}  // namespace
}  // namespace stp_test
