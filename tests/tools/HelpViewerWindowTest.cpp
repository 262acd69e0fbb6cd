#include "tools/help-viewer/HelpViewerWindow.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Escape closes the find bar first and then the window, which Ctrl+W and Ctrl+Q close too.
TEST(HelpViewerWindow, EscapeClosesTheFindBarThenTheWindowAsCtrlWAndCtrlQDo) {
    static int argc = 1;
    static char name[] = "help_viewer_window_tests";
    static char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    HelpViewerWindow window;
    QWidget* findBar = window.findChild<QWidget*>("findBar");
    ASSERT_NE(findBar, nullptr);
    const auto open = [&] {
        window.show({});
        return QTest::qWaitForWindowActive(&window);
    };

    ASSERT_TRUE(open());
    window.findChild<QAction*>("actionFind")->trigger();
    EXPECT_TRUE(findBar->isVisible());
    QWidget* page = window.findChild<QWidget*>("pageView");
    page->setFocus();
    QTest::keyClick(page, Qt::Key_Escape);
    EXPECT_FALSE(findBar->isVisible());
    EXPECT_TRUE(window.isVisible());
    QTest::keyClick(page, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());

    for (const QKeyCombination key : {Qt::CTRL | Qt::Key_W, Qt::CTRL | Qt::Key_Q}) {
        ASSERT_TRUE(open());
        QTest::keyClick(page, key.key(), key.keyboardModifiers());
        EXPECT_FALSE(window.isVisible()) << key.toCombined();
    }
}

} // namespace
