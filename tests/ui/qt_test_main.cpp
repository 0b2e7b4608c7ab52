// Runs GoogleTest inside a QApplication, for tests of the Qt front end.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
#ifdef VELMORA_TEST_SCALE_FACTOR  // a test of the table at another scale
    qputenv("QT_SCALE_FACTOR", VELMORA_TEST_SCALE_FACTOR);
#endif
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
