// A child program's stderr passed on line by line, each line once.
#include "platform/desktop/ChildErrors.h"

#include <gtest/gtest.h>

namespace {

using Lines = QList<QByteArray>;

TEST(ChildErrorsTest, WholeLinesArePassedOnOnceEachAcrossRestarts) {
    ChildErrors errors;
    EXPECT_EQ(errors.newLines("no sound dev"), Lines());
    EXPECT_EQ(errors.newLines("ice\nlate\n"), (Lines{"no sound device\n", "late\n"}));
    EXPECT_EQ(errors.newLines("late\n"), Lines()) << "said already";
    // A process killed in mid-line: its start is not joined to the next one's first line.
    errors.newLines("cut sh");
    errors.restarted();
    EXPECT_EQ(errors.newLines("no sound device\nother\n"), Lines{"other\n"});
}

} // namespace
