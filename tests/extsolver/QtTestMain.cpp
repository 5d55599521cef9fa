// Test entry for tests that need Qt's event loop: a QApplication on the offscreen platform
// (widgets) or a QCoreApplication, then every test.

#ifdef TAV_TEST_WIDGETS
#include <QApplication>
#endif
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
#ifdef TAV_TEST_WIDGETS
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
