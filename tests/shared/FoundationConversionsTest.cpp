#include "shared/FoundationConversions.h"
#include "shared/PlistValue.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

using namespace FoundationConversions;

namespace {

constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kLongMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kLongMin = std::numeric_limits<std::int64_t>::min();

TEST(StringConversions, BoolValueLooksAtTheFirstSignificantCharacter) {
    for (const char* yes : {"YES", "y", "True", "t", "1", "9", "  \t\n7", "-1", "+5", "000042",
                            "-0003", "  Yellow", "1abc", "+y"})
        EXPECT_TRUE(stringBoolValue(QString::fromLatin1(yes))) << yes;
    for (const char* no :
         {"", "NO", "n", "false", "0", "000", "-0", "  +", "--1", "+-1", "a1", " .5", "0x1", "N1"})
        EXPECT_FALSE(stringBoolValue(QString::fromLatin1(no))) << no;
}

TEST(StringConversions, IntValueParsesALeadingDecimalAndSaturates) {
    using Row = std::pair<const char*, std::int64_t>;
    for (const auto& [text, expected] :
         {Row{"7", 7}, Row{"  \t\n-12xyz", -12}, Row{"+0042", 42}, Row{"3.99", 3}, Row{"", 0},
          Row{"abc", 0}, Row{"- 5", 0}, Row{"2147483647", kIntMax}, Row{"2147483648", kIntMax},
          Row{"-2147483648", kIntMin}, Row{"-2147483649", kIntMin},
          Row{"99999999999999999999999", kIntMax}})
        EXPECT_EQ(stringIntValue(QString::fromLatin1(text)), expected) << text;
    for (const auto& [text, expected] :
         {Row{"9223372036854775807", kLongMax}, Row{"9223372036854775808", kLongMax},
          Row{"-9223372036854775808", kLongMin}, Row{"-99999999999999999999", kLongMin}})
        EXPECT_EQ(stringIntegerValue(QString::fromLatin1(text)), expected) << text;
}

TEST(StringConversions, FloatValueUsesDecimalSyntaxOnly) {
    using Row = std::pair<const char*, float>;
    for (const auto& [text, expected] :
         {Row{"0.5", 0.5f}, Row{"  -1.25e2kg", -125.0f}, Row{".5", 0.5f}, Row{"5.", 5.0f},
          Row{"1e", 1.0f}, Row{"2E+1", 20.0f}, Row{"", 0.0f}, Row{".", 0.0f}, Row{"abc", 0.0f},
          Row{"inf", 0.0f}, Row{"nan", 0.0f}, Row{"0x10", 0.0f}, Row{"1,5", 1.0f},
          Row{"1e39", HUGE_VALF}})
        EXPECT_EQ(stringFloatValue(QString::fromLatin1(text)), expected) << text;
    EXPECT_EQ(stringDoubleValue(u"-1e400"), -HUGE_VAL);
    EXPECT_EQ(stringDoubleValue(u"0.1"), 0.1);
}

// Stored strings must read the same under a locale with a decimal comma. The German one is
// compiled into a private folder when it is not installed.
TEST(StringConversions, FloatValueIgnoresTheProcessLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    QTemporaryDir folder;
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        QProcess::execute("localedef",
                          {"-i", "de_DE", "-f", "UTF-8", folder.filePath("de_DE.UTF-8")});
        qputenv("LOCPATH", QFile::encodeName(folder.path()));
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            GTEST_SKIP() << "no German locale available";
    }
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    const float point = stringFloatValue(u"1.5"), comma = stringFloatValue(u"1,5");
    std::setlocale(LC_NUMERIC, saved.c_str());
    qunsetenv("LOCPATH");
    EXPECT_EQ(point, 1.5f);
    EXPECT_EQ(comma, 1.0f);
}

TEST(NumberConversions, RealsTruncateTowardZeroAndOutOfRangeGivesTheLowestValue) {
    using Row = std::pair<double, std::int32_t>;
    for (const auto& [real, expected] :
         {Row{2.9, 2}, Row{-2.9, -2}, Row{2147483647.9, kIntMax}, Row{-2147483648.9, kIntMin},
          Row{2147483648.0, kIntMin}, Row{1e300, kIntMin}, Row{std::nan(""), kIntMin}})
        EXPECT_EQ(realToInt32(real), expected) << real;
    EXPECT_EQ(realToInt64(1e19), kLongMin);
    EXPECT_EQ(realToInt64(-1e18), -1000000000000000000);
    EXPECT_EQ(realToFloat(1e300), HUGE_VALF);
    EXPECT_EQ(realToFloat(-1e300), -HUGE_VALF);
}

TEST(NumberConversions, ValuesConvertAsNumbersAndStringsDo) {
    using V = PlistValue;
    // Fractions and 256 are YES (no truncation to an integer or a byte first); a wide integer
    // keeps its low 32 bits, as C's conversion does; containers, data and dates read as 0.
    using Row = std::tuple<V, bool, std::int32_t, float>;
    for (const auto& [value, yes, integer, real] :
         {Row{V::fromFloat(0.25f), true, 0, 0.25f}, Row{V::fromDouble(-0.0), false, 0, 0.0f},
          Row{V::fromInt(256), true, 256, 256.0f}, Row{V::fromFloat(-7.9f), true, -7, -7.9f},
          Row{V::fromInt(0x1'0000'0005LL), true, 5, 4294967296.0f},
          Row{V::fromString("7"), true, 7, 7.0f}, Row{V::fromString(" 0.75"), false, 0, 0.75f},
          Row{V::fromString("yes"), true, 0, 0.0f}, Row{V::fromStringList({"1"}), false, 0, 0.0f},
          Row{V::fromDictionary({}), false, 0, 0.0f}, Row{V::fromData("1"), false, 0, 0.0f},
          Row{V::fromDate(5.0), false, 0, 0.0f}}) {
        SCOPED_TRACE(value.description().toStdString());
        EXPECT_EQ(value.boolValue(), yes);
        EXPECT_EQ(value.intValue(), integer);
        EXPECT_EQ(value.floatValue(), real);
    }
    EXPECT_TRUE(V::fromDouble(std::nan("")).boolValue());
}

} // namespace
