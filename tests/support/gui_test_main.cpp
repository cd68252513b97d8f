// The main of the widget tests: one application object for every test, made before the first
// and destroyed before the program's static objects (a static one outlives Qt's own and crashes
// at exit once a window has been shown).
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
