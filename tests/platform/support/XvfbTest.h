#pragma once

#include "tests/platform/support/TestEventLoop.h"
#include "tests/platform/support/XvfbServer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

// Xlib's own declarations, without its macros (None, Bool), which would replace names in the
// headers included after this one.
typedef struct _XDisplay Display;
extern "C" Display* XOpenDisplay(const char* name);
extern "C" int XCloseDisplay(Display* display);

// Tests that need an X server get a private Xvfb, named in $DISPLAY for the code under test
// and for the tools the test runs, and a connection of their own to it. Without Xvfb they are
// skipped: a fixture that adds to SetUp calls this one first and returns when IsSkipped().
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
        display_ = XOpenDisplay(nullptr);
        ASSERT_NE(display_, nullptr);
    }
    void TearDown() override {
        if (display_)
            XCloseDisplay(display_);
    }

    static inline std::unique_ptr<XvfbServer> server_;
    Display* display_ = nullptr;
};
