// Configuration window tests: offscreen widgets, one SNMP session and one profile folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
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
    const QTemporaryDir folder;
    const fs::path dir = folder.path().toStdString();
    std::ofstream(dir / "switch.snmprec") << configwin_test::profileText();
    std::ofstream(dir / "switch.rules") << configwin_test::kRules;
    configwin_test::dataDir() = dir;
    InitGlobalSession(dir.string());
    return RUN_ALL_TESTS();
}
