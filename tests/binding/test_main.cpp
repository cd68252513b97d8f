// Binding tests: offscreen widgets, one SNMP session and one profile folder for the process.
#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <fstream>

#include "binding_fixture.h"
#include "global_session.h"

namespace fs = std::filesystem;

fs::path& binding_test::dataDir() {
    static fs::path dir;
    return dir;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const fs::path dir =
        fs::temp_directory_path() / ("corvane-binding-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "switch.snmprec") << binding_test::kProfile;
    std::ofstream(dir / "switch.rules") << binding_test::kRules;
    binding_test::dataDir() = dir;
    InitGlobalSession(dir.string());
    const int result = RUN_ALL_TESTS();
    fs::remove_all(dir);
    return result;
}
