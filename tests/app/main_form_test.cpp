// Start-up through the main window: messages, command line, identification against snmpd.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "application.h"
#include "dedicated_windows.h"
#include "main_form.h"
#include "menu_catalogue.h"
#include "message_box.h"
#include "messages.h"
#include "snmp_types.h"
#include "snmpd_fixture.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

using corvane::test::TempDir;

}  // namespace

TEST(MainForm, StartupLoadsMessagesParsesAndIdentifies) {
    SnmpdProcess agent;
    std::string error;
    ASSERT_TRUE(agent.start(error)) << error;
    TempDir dir;
    fs::create_directories(dir.path() + "/errmsg");
    std::ofstream(dir.path() + "/errmsg/snmp.msg") << "Read [ERROR]\nWrote [ERROR]\n";

    TMainForm form({"/I127.0.0.1", "/v3", "/t" + std::to_string(agent.port()), "/m3", "/l3",
                    std::string("/n") + kV3User, std::string("/A") + kV3AuthPass,
                    std::string("/P") + kV3PrivPass, "/a5", "/p4"},
                   dir.path());
    EXPECT_EQ(form.width(), 800);
    EXPECT_EQ(DefaultSecurity.Version, 3);
    EXPECT_EQ(DefaultDevice.Port, agent.port());
    EXPECT_TRUE(fs::exists(dir.path() + "/NmSNMP_PP_BootCounter"));

    form.FormCreate();
    EXPECT_EQ(DeviceOID, kSnmpdObjectId);
    EXPECT_EQ(form.statusText(), "Read Ok.");  // the loaded template, not the built-in one
    EXPECT_EQ(form.windowTitle(), "127.0.0.1");

    QStringList menus;
    for (QAction* a : form.menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, QStringList({"System", "Management", "MPLS", "Layer 2 ", "Layer 3", "QoS ",
                                  "Security ", "OAM", "Monitoring", "Help", "Refresh"}));
    StatusTemplates = builtInTexts(StatusTemplates);
}

TEST(MainForm, UnreachableAgentStillOpens) {
    TempDir dir;
    const std::string port = std::to_string(freeUdpPort());
    TMainForm form({"/I127.0.0.1", "/v3", "/t" + port, "/m3", "/l1", "/nnobody"}, dir.path());
    DeviceOID.clear();
    form.FormCreate();
    EXPECT_EQ(DeviceOID, "");
    EXPECT_NE(form.statusText().indexOf("timed out"), -1) << form.statusText().toStdString();
}

TEST(MainForm, BadNumberEscapesConstruction) {
    TempDir dir;
    EXPECT_THROW(TMainForm({"/v"}, dir.path()), CommandLineError);
}

namespace {

// The menu command at the end of a path of captions.
QAction* findAction(QMenuBar* bar, const std::vector<std::string>& path) {
    QList<QAction*> actions = bar->actions();
    QAction* found = nullptr;
    for (const std::string& caption : path) {
        const QString text = QString::fromStdString(caption).replace("&", "&&");
        found = nullptr;
        for (QAction* a : actions)
            if (a->text() == text)
                found = a;
        if (!found)
            return nullptr;
        actions = found->menu() ? found->menu()->actions() : QList<QAction*>();
    }
    return found;
}

}  // namespace

// A dedicated command is enabled exactly when its group has registered the window class.
TEST(MainForm, DedicatedCommandsFollowTheRegistry) {
    TempDir dir;
    TMainForm form({"/I127.0.0.1"}, dir.path());
    const auto menu = menuCatalogue();
    int dedicated = 0;
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].Action != MenuAction::Dedicated)
            continue;
        ++dedicated;
        QAction* action = findAction(form.menuBar(), menuPath(menu, i));
        ASSERT_NE(action, nullptr) << menu[i].Window;
        EXPECT_EQ(action->isEnabled(), DedicatedWindows().Contains(menu[i].Window))
            << menu[i].Window;
    }
    EXPECT_GT(dedicated, 20);
}

// Captions are the program's texts: Qt appends its display name to every window caption when
// one is set, so start-up sets none and message boxes take the application title instead.
TEST(Application, CaptionsAreTheProgramsTexts) {
    ConfigureApplication();
    EXPECT_EQ(QCoreApplication::applicationName(), "corvane");
    EXPECT_EQ(ApplicationTitle(), "Corvane");
    // Without a display name of its own Qt's follows the application name: none is set.
    QCoreApplication::setApplicationName("probe");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe");
    QCoreApplication::setApplicationName("corvane");

    QString caption;
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            caption = box->windowTitle();
            box->close();
        }
    });
    ShowMessage(MessageKind::Information, "No parameter input");
    EXPECT_EQ(caption, "Corvane");
}
