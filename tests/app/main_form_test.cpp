// Start-up through the main window: messages, command line, identification against snmpd.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <filesystem>
#include <fstream>

#include "main_form.h"
#include "messages.h"
#include "snmp_types.h"
#include "snmpd_fixture.h"

namespace fs = std::filesystem;

namespace {

int argc = 1;
char arg0[] = "app_tests";
char* argv[] = {arg0, nullptr};

QApplication& app() {
    static QApplication a(argc, argv);
    return a;
}

class TempDir {
  public:
    TempDir() {
        char tmpl[] = "/tmp/corvane-app-XXXXXX";
        path_ = ::mkdtemp(tmpl);
    }
    ~TempDir() { fs::remove_all(path_); }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace

TEST(MainForm, StartupLoadsMessagesParsesAndIdentifies) {
    app();
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
    app();
    TempDir dir;
    const std::string port = std::to_string(freeUdpPort());
    TMainForm form({"/I127.0.0.1", "/v3", "/t" + port, "/m3", "/l1", "/nnobody"}, dir.path());
    DeviceOID.clear();
    form.FormCreate();
    EXPECT_EQ(DeviceOID, "");
    EXPECT_NE(form.statusText().indexOf("timed out"), -1) << form.statusText().toStdString();
}

TEST(MainForm, BadNumberEscapesConstruction) {
    app();
    TempDir dir;
    EXPECT_THROW(TMainForm({"/v"}, dir.path()), CommandLineError);
}
