// The registry of dedicated windows: what an opener is given, what may be registered, and the
// frame that closes a window's bindings.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <set>
#include <stdexcept>

#include "dedicated_form.h"
#include "dedicated_windows.h"
#include "menu_catalogue.h"

namespace {

const MenuEntry* dedicatedEntry(bool mainWindowOwner) {
    for (const MenuEntry& e : menuCatalogue())
        if (e.Action == MenuAction::Dedicated && e.MainWindowOwner == mainWindowOwner)
            return &e;
    return nullptr;
}

TEST(DedicatedWindows, EveryRegisteredClassIsADedicatedEntryOfTheMenu) {
    std::set<std::string> classes;
    for (const MenuEntry& e : menuCatalogue())
        if (e.Action == MenuAction::Dedicated && e.Window)
            classes.insert(e.Window);
    for (const std::string& c : DedicatedWindows().Classes())
        EXPECT_TRUE(classes.count(c)) << c << " opens no menu entry";
}

TEST(DedicatedWindows, AClassIsRegisteredOnceWithAnOpener) {
    DedicatedWindowRegistry registry;
    registry.Register("TIF_Table", [](const DedicatedWindowContext&) {});
    EXPECT_TRUE(registry.Contains("TIF_Table"));
    EXPECT_FALSE(registry.Contains("TSTP_Info"));
    EXPECT_THROW(registry.Register("TIF_Table", [](const DedicatedWindowContext&) {}),
                 std::logic_error);
    EXPECT_THROW(registry.Register("", [](const DedicatedWindowContext&) {}), std::logic_error);
    EXPECT_THROW(registry.Register("TSTP_Info", {}), std::logic_error);
    EXPECT_EQ(registry.Classes(), std::vector<std::string>({"TIF_Table"}));
}

// The opener gets the caption as given, the main window as owner only where the entry says so,
// and the main window's shared bindings.
TEST(DedicatedWindows, TheOpenerGetsCaptionOwnerAndSharedBindings) {
    QWidget mainWindow;
    SharedBindings shared;
    shared.MainWindow = &mainWindow;
    for (bool owned : {true, false}) {
        SCOPED_TRACE(owned ? "owned by the main window" : "owned by the application");
        const MenuEntry* entry = dedicatedEntry(owned);
        ASSERT_NE(entry, nullptr);
        DedicatedWindowRegistry registry;
        int opened = 0;
        registry.Register(entry->Window, [&](const DedicatedWindowContext& c) {
            ++opened;
            EXPECT_EQ(&c.Entry, entry);
            EXPECT_EQ(c.Caption, QString::fromUtf8(entry->Title) + "127.0.0.1");
            EXPECT_EQ(c.Owner, owned ? &mainWindow : nullptr);
            EXPECT_EQ(&c.Shared, &shared);
        });
        const QString caption = QString::fromUtf8(entry->Title) + "127.0.0.1";
        EXPECT_TRUE(OpenDedicatedWindow(*entry, caption, shared, registry));
        EXPECT_EQ(opened, 1);
        EXPECT_FALSE(OpenDedicatedWindow(*entry, caption, shared, DedicatedWindowRegistry()));
    }
}

// The frame sets the caption and owner, and its closing stops every binding it owns.
TEST(DedicatedWindows, TheFrameClosesItsBindings) {
    QWidget mainWindow;
    SharedBindings shared;
    shared.MainWindow = &mainWindow;
    const MenuEntry* entry = dedicatedEntry(true);
    ASSERT_NE(entry, nullptr);
    const DedicatedWindowContext context{*entry, "IF Table: 127.0.0.1", &mainWindow, shared};
    TDedicatedForm form(context);
    EXPECT_EQ(form.windowTitle(), "IF Table: 127.0.0.1");
    EXPECT_EQ(form.parentWidget(), &mainWindow);
    EXPECT_EQ(&form.Shared(), &shared);
    NmSNMPRequest2Edits* first = form.AddBinding(std::make_unique<NmSNMPRequest2Edits>(&form));
    NmSNMPRequest2Edits* second = form.AddBinding(std::make_unique<NmSNMPRequest2Edits>(&form));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(first->Request.Active);
    EXPECT_FALSE(second->Request.Active);
}

}  // namespace
