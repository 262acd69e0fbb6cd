#include "shared/PlistValue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

PlistValue str(const char* text) {
    return PlistValue::fromString(QString::fromUtf8(text));
}

TEST(Description, ScalarsAndEmptyContainersPrintAsFoundationDoes) {
    EXPECT_EQ(PlistValue::fromBool(true).description(), "1");
    EXPECT_EQ(PlistValue::fromBool(false).description(), "0");
    EXPECT_EQ(PlistValue::fromInt(-42).description(), "-42");
    EXPECT_EQ(PlistValue::fromFloat(0.5f).description(), "0.5");
    EXPECT_EQ(PlistValue::fromFloat(1.0f).description(), "1");
    // A float prints with a float's precision, not its exact double value.
    EXPECT_EQ(PlistValue::fromFloat(0.1f).description(), "0.1");
    EXPECT_EQ(PlistValue::fromDouble(0.1f).description(), "0.1000000014901161");
    EXPECT_EQ(PlistValue::fromDouble(1e20).description(), "1e+20");
    EXPECT_EQ(PlistValue::fromDouble(1.0 / 3).description(), "0.3333333333333333");
    EXPECT_EQ(PlistValue::fromDate(0).description(), "2001-01-01 00:00:00 +0000");
    EXPECT_EQ(PlistValue::fromDate(-0.5).description(), "2000-12-31 23:59:59 +0000");
    EXPECT_EQ(PlistValue::fromDate(std::nan("")).description(), "2001-01-01 00:00:00 +0000");
    EXPECT_EQ(PlistValue::fromData(QByteArray::fromHex("0fbd777701")).description(),
              "<0fbd7777 01>");
    EXPECT_EQ(PlistValue::fromData({}).description(), "<>");
    // A string on its own is its own description.
    EXPECT_EQ(str("a b \"c\"").description(), "a b \"c\"");
    EXPECT_EQ(PlistValue::fromDictionary({}).description(), "{\n}");
    EXPECT_EQ(PlistValue::fromArray({}).description(), "(\n)");
}

TEST(Description, StringsInContainersAreQuotedOnlyWhenNeeded) {
    const PlistValue list = PlistValue::fromArray({
        str("Plain_$:./09"),
        str(""),
        str("two words"),
        str("dash-ed"),
        str("quote\" back\\ nl\n tab\t"),
        str("caf\xc3\xa9"),
        str("bell\x01"),
    });
    EXPECT_EQ(list.description(), "(\n"
                                  "    Plain_$:./09,\n"
                                  "    \"\",\n"
                                  "    \"two words\",\n"
                                  "    \"dash-ed\",\n"
                                  "    \"quote\\\" back\\\\ nl\\n tab\\t\",\n"
                                  "    \"caf\\U00e9\",\n"
                                  "    \"bell\\001\"\n"
                                  ")");
}

TEST(Description, NestedContainersIndentByFourAndSortKeys) {
    PlistValue::Dictionary inner;
    inner.insert(QStringLiteral("b"), PlistValue::fromFloat(-1.5f));
    inner.insert(QStringLiteral("a"), PlistValue::fromArray({}));
    PlistValue::Dictionary outer;
    outer.insert(QStringLiteral("zeta"), PlistValue::fromDictionary(inner));
    outer.insert(QStringLiteral("alpha key"), PlistValue::fromStringList({"x", "y z"}));
    outer.insert(QStringLiteral("Mid"), PlistValue::fromArray({PlistValue::fromDictionary({}),
                                                               PlistValue::fromDate(86400)}));
    outer.insert(QStringLiteral("blob"), PlistValue::fromData("\x01\x02\x03\x04\x05"));
    EXPECT_EQ(PlistValue::fromDictionary(outer).description(),
              "{\n"
              "    Mid = (\n"
              "        {\n"
              "        },\n"
              "        \"2001-01-02 00:00:00 +0000\"\n"
              "    );\n"
              "    \"alpha key\" = (\n"
              "        x,\n"
              "        \"y z\"\n"
              "    );\n"
              "    blob = <01020304 05>;\n"
              "    zeta = {\n"
              "        a = (\n"
              "        );\n"
              "        b = \"-1.5\";\n"
              "    };\n"
              "}");
}

} // namespace
