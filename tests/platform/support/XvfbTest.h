#pragma once

#include "tests/platform/support/TestEventLoop.h"
#include "tests/platform/support/XvfbServer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

// Tests that need an X server get a private Xvfb, named in $DISPLAY for the code under test
// and for the tools the test runs. Without Xvfb they are skipped: a fixture that adds to
// SetUp calls this one first and returns when IsSkipped().
class XvfbTest : public ::testing::Test {
protected:
    // Before the fixtures, whose members may connect to the display.
    static void SetUpTestSuite() {
        ensureApplication();
        server_ = std::make_unique<XvfbServer>();
        if (server_->isRunning())
            setenv("DISPLAY", server_->displayName().c_str(), 1);
        else
            unsetenv("DISPLAY"); // never the user's own display
    }
    static void TearDownTestSuite() { server_.reset(); }

    void SetUp() override {
        if (!server_->isRunning())
            GTEST_SKIP() << "Xvfb is not available";
    }

    static inline std::unique_ptr<XvfbServer> server_;
};
