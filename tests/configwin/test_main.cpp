// Configuration window tests: offscreen widgets, one SNMP session and one profile folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <fstream>

#include "config_form_fixture.h"
#include "config_geometry.h"
#include "global_session.h"

namespace fs = std::filesystem;

fs::path& configwin_test::dataDir() {
    static fs::path dir;
    return dir;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // The design sizes, whatever the test machine's screen says.
    SetConfigScale(1.0);
    const fs::path dir =
        fs::temp_directory_path() / ("corvane-configwin-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "switch.snmprec") << configwin_test::profileText();
    std::ofstream(dir / "switch.rules") << configwin_test::kRules;
    configwin_test::dataDir() = dir;
    InitGlobalSession(dir.string());
    const int result = RUN_ALL_TESTS();
    fs::remove_all(dir);
    return result;
}
