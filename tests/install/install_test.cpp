// cmake --install into a temporary prefix: every file in its place, and the installed programs
// find the simulator, the profiles and the message files under that prefix.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "messages.h"
#include "sim_process.h"

namespace fs = std::filesystem;
using corvane::test::CommandResult;
using corvane::test::runCommand;
using corvane::test::SimProcess;

namespace {
void writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

class Installed : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new QTemporaryDir;
        root_ = folder_->path().toStdString();
        prefix_ = root_ / "prefix";
        fs::create_directories(root_ / "work");
        installed_ = runCommand(
            {CMAKE_COMMAND_PATH, "--install", CORVANE_BUILD_DIR, "--prefix", prefix_.string()},
            std::chrono::seconds(120));
        // The programs run from a working directory of their own, without errmsg/.
        fs::current_path(root_ / "work");
    }
    static void TearDownTestSuite() {
        fs::current_path(fs::temp_directory_path());
        delete folder_;
    }
    void SetUp() override { ASSERT_EQ(installed_.exitCode, 0) << installed_.out << installed_.err; }

    static std::string bin(const char* program) { return (prefix_ / "bin" / program).string(); }
    static fs::path data() { return prefix_ / "share"; }

    // The installed corvane with the switches of an agent.
    static CommandResult corvane(std::vector<std::string> args, std::uint16_t port = 0) {
        args.insert(args.begin(), bin("corvane"));
        if (port)
            for (const std::string& s : corvane::test::simV3Switches(port))
                args.push_back(s);
        return runCommand(args, std::chrono::seconds(90));
    }

    static inline QTemporaryDir* folder_ = nullptr;
    static fs::path root_, prefix_;
    static CommandResult installed_;
};

fs::path Installed::root_, Installed::prefix_;
CommandResult Installed::installed_;

TEST_F(Installed, EveryFileInItsPlace) {
    const char* const files[] = {
        "bin/corvane",
        "bin/corvane-sim",
        "share/corvane/profiles/corvane-a.snmprec",
        "share/corvane/profiles/corvane-a.rules",
        "share/corvane/profiles/corvane-b.snmprec",
        "share/corvane/profiles/corvane-b.rules",
        "share/corvane/errmsg/common.err",
        "share/corvane/errmsg/snmp.err",
        "share/corvane/errmsg/snmpv3.err",
        "share/corvane/errmsg/snmpusm.err",
        "share/corvane/errmsg/snmpclass.err",
        "share/corvane/errmsg/nmsnmp.err",
        "share/corvane/errmsg/snmp.msg",
        "share/applications/corvane.desktop",
        "share/icons/hicolor/scalable/apps/corvane.svg",
        "share/man/man1/corvane.1.gz",
        "share/man/man1/corvane-sim.1.gz",
    };
    for (const char* f : files)
        EXPECT_TRUE(fs::is_regular_file(prefix_ / f)) << f;
    for (int size : {32, 64, 128}) {
        const std::string dir = std::to_string(size) + "x" + std::to_string(size);
        const QImage icon(
            QString::fromStdString((data() / "icons/hicolor" / dir / "apps/corvane.png").string()));
        EXPECT_EQ(icon.size(), QSize(size, size)) << dir;
        EXPECT_TRUE(icon.hasAlphaChannel());
    }
    std::ifstream desktop(data() / "applications/corvane.desktop");
    std::stringstream text;
    text << desktop.rdbuf();
    for (const char* line :
         {"[Desktop Entry]\n", "Type=Application\n", "Exec=corvane --demo b\n", "Icon=corvane\n"})
        EXPECT_NE(text.str().find(line), std::string::npos) << line;
}

// The installed message files hold the built-in texts in their order; a line break, which a
// line of a file cannot hold, stands as a blank.
TEST_F(Installed, MessageFilesHoldTheBuiltInTexts) {
    MessageTable* const tables[] = {&CommonTexts,    &SnmpTexts,   &SnmpV3Texts,    &UsmTexts,
                                    &SnmpClassTexts, &NmSnmpTexts, &StatusTemplates};
    for (MessageTable* t : tables)
        t->clear();
    LoadMessageFiles((data() / "corvane").string());
    for (MessageTable* t : tables) {
        MessageTable expected = builtInTexts(*t);
        for (std::string& text : expected)
            std::replace(text.begin(), text.end(), '\n', ' ');
        EXPECT_EQ(*t, expected);
    }
}

TEST_F(Installed, ProgramsRunFromThePrefix) {
    const CommandResult version = corvane({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "corvane " CORVANE_VERSION "\n");

    // The installed simulator with an installed profile answers a get.
    SimProcess sim((data() / "corvane/profiles/corvane-b.snmprec").string(), {},
                   std::chrono::seconds(10), bin("corvane-sim"));
    ASSERT_TRUE(sim.ready());
    const CommandResult get =
        runCommand({"snmpget", "-v2c", "-c", "meadow", "-On", "-Oqv",
                    "127.0.0.1:" + std::to_string(sim.port()), "1.3.6.1.2.1.1.2.0"});
    EXPECT_EQ(get.exitCode, 0) << get.err;
    EXPECT_EQ(get.out, ".1.3.6.1.4.1.32473.10.120.2\n");

    const CommandResult exported = corvane({"--export", "System / IF-MIB / IF Number"}, sim.port());
    EXPECT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(exported.out, "Interface Number,160\r\n");
}

TEST_F(Installed, MessageFilesFromTheWorkingDirectoryElseFromThePrefix) {
    SimProcess gone("corvane-b");
    ASSERT_TRUE(gone.ready());
    const std::uint16_t deadPort = gone.port();
    gone.stop();
    const std::vector<std::string> read{"--export", "System / IF-MIB / IF Number"};

    // The installed copy, reworded, is what a working directory without errmsg/ gets.
    writeFile(data() / "corvane/errmsg/snmp.msg",
              "Installed read: [ERROR]\nInstalled write: [ERROR]\n");
    const CommandResult installed = corvane(read, deadPort);
    EXPECT_EQ(installed.exitCode, 1);
    EXPECT_EQ(installed.err.rfind("Installed read: ", 0), 0u) << installed.err;

    // A working directory's own errmsg/ comes first.
    const fs::path own = root_ / "own";
    writeFile(own / "errmsg/snmp.msg", "Own read: [ERROR]\nOwn write: [ERROR]\n");
    fs::current_path(own);
    const CommandResult local = corvane(read, deadPort);
    fs::current_path(root_ / "work");
    EXPECT_EQ(local.exitCode, 1);
    EXPECT_EQ(local.err.rfind("Own read: ", 0), 0u) << local.err;
}

TEST_F(Installed, DemoDrawsItsChassisFromTheInstalledProfile) {
    const std::string shotB = (root_ / "demo-b.png").string();
    const CommandResult demo = corvane({"--demo", "b", "--screenshot", shotB});
    ASSERT_EQ(demo.exitCode, 0) << demo.err;
    const QImage b(QString::fromStdString(shotB));
    ASSERT_FALSE(b.isNull());
    // The chassis fills the window: little of it is the empty client area's colour.
    int empty = 0;
    for (int y = 0; y < b.height(); y += 4)
        for (int x = 0; x < b.width(); x += 4)
            empty += b.pixelColor(x, y) == QColor(79, 74, 62);
    EXPECT_LT(empty, (b.width() / 4) * (b.height() / 4) / 4);

    // The 4-slot profile installed under the 8-slot one's name: the program, which also knows
    // the profiles in the source tree, shows the 4-slot chassis, so it took the installed file.
    const fs::path profiles = data() / "corvane/profiles";
    for (const char* ext : {".snmprec", ".rules"})
        fs::copy_file(profiles / (std::string("corvane-a") + ext),
                      profiles / (std::string("corvane-b") + ext),
                      fs::copy_options::overwrite_existing);
    const std::string shotA = (root_ / "demo-b-as-a.png").string();
    const CommandResult swapped = corvane({"--demo", "b", "--screenshot", shotA});
    ASSERT_EQ(swapped.exitCode, 0) << swapped.err;
    const QImage a(QString::fromStdString(shotA));
    EXPECT_LT(a.height(), b.height());
}

}  // namespace
