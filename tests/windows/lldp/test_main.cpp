// LLDP window tests: one application object, one SNMP session, the design scale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "config_geometry.h"
#include "global_session.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    SetConfigScale(1.0);
    const QTemporaryDir folder;
    InitGlobalSession(folder.path().toStdString());
    return RUN_ALL_TESTS();
}
