#include "shared/FoundationConversions.h"
#include "shared/PlistValue.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

using namespace FoundationConversions;

namespace {

constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();

TEST(StringConversions, BoolValueLooksAtTheFirstSignificantCharacter) {
    for (const char* yes : {"YES", "y", "True", "t", "1", "9", "  \t\n7", "-1", "+5", "000042",
                            "-0003", "  Yellow", "1abc", "+y"})
        EXPECT_TRUE(stringBoolValue(QString::fromLatin1(yes))) << yes;
    for (const char* no :
         {"", "NO", "n", "false", "0", "000", "-0", "  +", "--1", "+-1", "a1", " .5", "0x1", "N1"})
        EXPECT_FALSE(stringBoolValue(QString::fromLatin1(no))) << no;
}

TEST(StringConversions, IntValueParsesALeadingDecimalAndSaturates) {
    EXPECT_EQ(stringIntValue(u"7"), 7);
    EXPECT_EQ(stringIntValue(u"  \t\n-12xyz"), -12);
    EXPECT_EQ(stringIntValue(u"+0042"), 42);
    EXPECT_EQ(stringIntValue(u"3.99"), 3);
    EXPECT_EQ(stringIntValue(u""), 0);
    EXPECT_EQ(stringIntValue(u"abc"), 0);
    EXPECT_EQ(stringIntValue(u"- 5"), 0);
    EXPECT_EQ(stringIntValue(u"2147483647"), kIntMax);
    EXPECT_EQ(stringIntValue(u"2147483648"), kIntMax);
    EXPECT_EQ(stringIntValue(u"-2147483648"), kIntMin);
    EXPECT_EQ(stringIntValue(u"-2147483649"), kIntMin);
    EXPECT_EQ(stringIntValue(u"99999999999999999999999"), kIntMax);
    EXPECT_EQ(stringIntegerValue(u"9223372036854775807"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(stringIntegerValue(u"9223372036854775808"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(stringIntegerValue(u"-9223372036854775808"),
              std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(stringIntegerValue(u"-99999999999999999999"),
              std::numeric_limits<std::int64_t>::min());
}

TEST(StringConversions, FloatValueUsesDecimalSyntaxOnly) {
    EXPECT_FLOAT_EQ(stringFloatValue(u"0.5"), 0.5f);
    EXPECT_FLOAT_EQ(stringFloatValue(u"  -1.25e2kg"), -125.0f);
    EXPECT_FLOAT_EQ(stringFloatValue(u".5"), 0.5f);
    EXPECT_FLOAT_EQ(stringFloatValue(u"5."), 5.0f);
    EXPECT_FLOAT_EQ(stringFloatValue(u"1e"), 1.0f);
    EXPECT_FLOAT_EQ(stringFloatValue(u"2E+1"), 20.0f);
    EXPECT_EQ(stringFloatValue(u""), 0.0f);
    EXPECT_EQ(stringFloatValue(u"."), 0.0f);
    EXPECT_EQ(stringFloatValue(u"abc"), 0.0f);
    EXPECT_EQ(stringFloatValue(u"inf"), 0.0f);
    EXPECT_EQ(stringFloatValue(u"nan"), 0.0f);
    EXPECT_EQ(stringFloatValue(u"0x10"), 0.0f);
    EXPECT_EQ(stringFloatValue(u"1,5"), 1.0f);
    EXPECT_TRUE(std::isinf(stringFloatValue(u"1e39")));
    EXPECT_TRUE(std::isinf(stringDoubleValue(u"-1e400")));
    EXPECT_DOUBLE_EQ(stringDoubleValue(u"0.1"), 0.1);
}

// Selects a German LC_NUMERIC, compiling it into a private folder when none is installed.
bool selectGermanNumbers(const QTemporaryDir& folder) {
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        return true;
    const QString target = folder.path() + QStringLiteral("/de_DE.UTF-8");
    if (QProcess::execute(QStringLiteral("localedef"),
                          {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                           QStringLiteral("UTF-8"), target}) < 0)
        return false;
    qputenv("LOCPATH", QFile::encodeName(folder.path()));
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

TEST(StringConversions, FloatValueIgnoresTheProcessLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    QTemporaryDir folder;
    if (!selectGermanNumbers(folder))
        GTEST_SKIP() << "no German locale available";
    // The locale really is in effect: the C library now reads a decimal comma.
    EXPECT_DOUBLE_EQ(std::strtod("1,5", nullptr), 1.5);
    const float point = stringFloatValue(u"1.5");
    const float comma = stringFloatValue(u"1,5");
    std::setlocale(LC_NUMERIC, saved.c_str());
    qunsetenv("LOCPATH");
    EXPECT_FLOAT_EQ(point, 1.5f);
    EXPECT_FLOAT_EQ(comma, 1.0f);
}

TEST(NumberConversions, RealsTruncateTowardZeroAndOutOfRangeGivesTheLowestValue) {
    EXPECT_EQ(realToInt32(2.9), 2);
    EXPECT_EQ(realToInt32(-2.9), -2);
    EXPECT_EQ(realToInt32(2147483647.9), kIntMax);
    EXPECT_EQ(realToInt32(-2147483648.9), kIntMin);
    EXPECT_EQ(realToInt32(2147483648.0), kIntMin);
    EXPECT_EQ(realToInt32(1e300), kIntMin);
    EXPECT_EQ(realToInt32(std::nan("")), kIntMin);
    EXPECT_EQ(realToInt64(1e19), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(realToInt64(-1e18), -1000000000000000000);
    EXPECT_TRUE(std::isinf(realToFloat(1e300)));
    EXPECT_EQ(realToFloat(-1e300), -std::numeric_limits<float>::infinity());
}

TEST(NumberConversions, ValuesConvertAsFoundationNumbersAndStrings) {
    EXPECT_TRUE(PlistValue::fromFloat(0.25f).boolValue());
    EXPECT_TRUE(PlistValue::fromDouble(std::nan("")).boolValue());
    EXPECT_FALSE(PlistValue::fromDouble(-0.0).boolValue());
    EXPECT_TRUE(PlistValue::fromInt(256).boolValue());
    EXPECT_EQ(PlistValue::fromFloat(-7.9f).intValue(), -7);
    EXPECT_EQ(PlistValue::fromBool(true).intValue(), 1);
    EXPECT_FLOAT_EQ(PlistValue::fromBool(true).floatValue(), 1.0f);
    // A wide integer keeps its low 32 bits, as C's conversion does.
    EXPECT_EQ(PlistValue::fromInt(0x1'0000'0005LL).intValue(), 5);
    EXPECT_EQ(PlistValue::fromInt(0x1'0000'0005LL).integerValue(), 0x1'0000'0005LL);
    EXPECT_EQ(PlistValue::fromString(QStringLiteral("7")).intValue(), 7);
    EXPECT_FLOAT_EQ(PlistValue::fromString(QStringLiteral(" 0.75")).floatValue(), 0.75f);
    EXPECT_TRUE(PlistValue::fromString(QStringLiteral("yes")).boolValue());
    // Kinds without a conversion read as NO, 0 and 0.0.
    for (const PlistValue& v :
         {PlistValue::fromStringList({QStringLiteral("1")}), PlistValue::fromDictionary({}),
          PlistValue::fromData("1"), PlistValue::fromDate(5.0)}) {
        EXPECT_FALSE(v.boolValue());
        EXPECT_EQ(v.intValue(), 0);
        EXPECT_EQ(v.floatValue(), 0.0f);
        EXPECT_FALSE(v.isNumber());
    }
}

} // namespace
