#pragma once

#include "tests/platform/support/TestEventLoop.h"

#include <QProcess>

#include <gtest/gtest.h>

// A session bus of the suite's own, on which a test plays the desktop's services.
class PrivateBusTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ensureApplication();
        daemon = new QProcess;
        daemon->start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        ASSERT_TRUE(daemon->waitForReadyRead(10000)) << "dbus-daemon did not start";
        address = QString::fromUtf8(daemon->readLine()).trimmed();
    }
    static void TearDownTestSuite() {
        daemon->kill();
        daemon->waitForFinished();
        delete daemon;
    }

    static inline QProcess* daemon = nullptr;
    static inline QString address;
};
