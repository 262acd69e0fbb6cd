#include <QApplication>

#include <gtest/gtest.h>

// Widgets need an application object, and the geometry tests need a known main screen.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" KEYVIGIL_TEST_SCREEN_CONFIG);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
