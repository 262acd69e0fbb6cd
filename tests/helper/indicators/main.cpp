#include <QCoreApplication>

#include <gtest/gtest.h>

// Queued showings and timers need an application object; nothing here needs a display.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
