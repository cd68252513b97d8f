// Binding tests: offscreen widgets, one SNMP session and one profile folder for the process.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
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
    const QTemporaryDir folder;
    const fs::path dir = folder.path().toStdString();
    std::ofstream(dir / "switch.snmprec") << binding_test::kProfile;
    std::ofstream(dir / "switch.rules") << binding_test::kRules;
    binding_test::dataDir() = dir;
    InitGlobalSession(dir.string());
    return RUN_ALL_TESTS();
}
