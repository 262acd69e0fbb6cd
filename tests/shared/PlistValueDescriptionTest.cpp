#include "shared/PlistValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace {

using V = PlistValue;

V str(const char* text) {
    return V::fromString(QString::fromUtf8(text));
}

TEST(Description, ScalarsAndEmptyContainersPrintAsPropertyListText) {
    using Row = std::pair<V, const char*>;
    // A float prints with a float's precision, not its exact double value; a string on its own
    // is printed bare.
    for (const auto& [value, expected] :
         {Row{V::fromBool(true), "1"}, Row{V::fromBool(false), "0"}, Row{V::fromInt(-42), "-42"},
          Row{V::fromFloat(0.5f), "0.5"}, Row{V::fromFloat(1.0f), "1"},
          Row{V::fromFloat(0.1f), "0.1"}, Row{V::fromDouble(0.1f), "0.1000000014901161"},
          Row{V::fromDouble(1e20), "1e+20"}, Row{V::fromDouble(1.0 / 3), "0.3333333333333333"},
          Row{V::fromDate(0), "2001-01-01 00:00:00 +0000"},
          Row{V::fromDate(-0.5), "2000-12-31 23:59:59 +0000"},
          Row{V::fromDate(std::nan("")), "2001-01-01 00:00:00 +0000"},
          Row{V::fromData(QByteArray::fromHex("0fbd777701")), "<0fbd7777 01>"},
          Row{V::fromData({}), "<>"}, Row{str("a b \"c\""), "a b \"c\""},
          Row{V::fromDictionary({}), "{\n}"}, Row{V::fromArray({}), "(\n)"}})
        EXPECT_EQ(value.description(), expected) << expected;
}

TEST(Description, ContainersIndentByFourSortKeysAndQuoteStringsOnlyWhenNeeded) {
    const V quoting =
        V::fromArray({str("Plain_$:./09"), str(""), str("two words"), str("dash-ed"),
                      str("quote\" back\\ nl\n tab\t"), str("caf\xc3\xa9"), str("bell\x01")});
    const V::Dictionary inner{{"b", V::fromFloat(-1.5f)}, {"a", V::fromArray({})}};
    const V::Dictionary outer{{"zeta", V::fromDictionary(inner)},
                              {"alpha key", quoting},
                              {"Mid", V::fromArray({V::fromDictionary({}), V::fromDate(86400)})},
                              {"blob", V::fromData("\x01\x02\x03\x04\x05")}};
    EXPECT_EQ(V::fromDictionary(outer).description(), R"({
    Mid = (
        {
        },
        "2001-01-02 00:00:00 +0000"
    );
    "alpha key" = (
        Plain_$:./09,
        "",
        "two words",
        "dash-ed",
        "quote\" back\\ nl\n tab\t",
        "caf\U00e9",
        "bell\001"
    );
    blob = <01020304 05>;
    zeta = {
        a = (
        );
        b = "-1.5";
    };
})");
}

} // namespace
