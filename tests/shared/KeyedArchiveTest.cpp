#include "shared/KeyedArchive.h"
#include "tests/shared/TempHome.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace {

using V = PlistValue;

V str(const char* text) {
    return V::fromString(QString::fromUtf8(text));
}

V::Dictionary everyKind() {
    const V inner = V::fromDictionary({{"leaf", str("x")}, {"empty", V::fromDictionary({})}});
    return {{"yes", V::fromBool(true)},
            {"no", V::fromBool(false)},
            {"int", V::fromInt(-7)},
            {"intMax", V::fromInt(std::numeric_limits<std::int64_t>::max())},
            {"intMin", V::fromInt(std::numeric_limits<std::int64_t>::min())},
            {"float", V::fromFloat(0.1f)},
            {"double", V::fromDouble(0.1)},
            {"string", str("na\xc3\xafve \xe2\x98\x83")},
            {"null", str("$null")},
            {"", str("")},
            {"data", V::fromData(QByteArray("\x00\xff\x10", 3))},
            {"date", V::fromDate(-1234.25)},
            {"list", V::fromArray({str("a"), V::fromInt(1), V::fromArray({}), inner})},
            {"dict", inner}};
}

TEST(KeyedArchive, EveryKindSurvivesARoundTripAndAnIndependentReaderDecodesIt) {
    for (const V::Dictionary& original : {everyKind(), V::Dictionary()}) {
        const std::optional<QByteArray> archive = KeyedArchive::writeDictionary(original);
        ASSERT_TRUE(archive);
        EXPECT_EQ(KeyedArchive::readDictionary(*archive), original);
    }
    const QByteArray archive = KeyedArchive::writeDictionary(everyKind()).value();
    // 0.1f as a 4-byte real (marker 0x22), 0.1 as an 8-byte one (0x23).
    EXPECT_TRUE(archive.contains(QByteArray::fromHex("223dcccccd")));
    EXPECT_TRUE(archive.contains(QByteArray::fromHex("233fb999999999999a")));

    // An independent reader must see the same values, so that files are interchangeable.
    QProcess python;
    python.start("python3", {KEYVIGIL_DECODE_SCRIPT});
    python.write(archive);
    python.closeWriteChannel();
    ASSERT_TRUE(python.waitForFinished(30000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    EXPECT_EQ(python.readAllStandardOutput(),
              R"({"root": {"": "", "data": {"data": "00ff10"}, "date": {"date": -1234.25}, )"
              R"("dict": {"empty": {}, "leaf": "x"}, "double": {"real": 0.1}, )"
              R"("float": {"real": 0.10000000149011612}, "int": -7, )"
              R"("intMax": 9223372036854775807, "intMin": -9223372036854775808, )"
              R"("list": ["a", 1, [], {"empty": {}, "leaf": "x"}], "no": false, "null": "$null", )"
              R"("string": "na\u00efve \u2603", "yes": true}, "root class": "NSMutableDictionary"})"
              "\n");
}

TEST(KeyedArchive, GoldenArchivesReadAsWritten) {
    using Dictionary = V::Dictionary;
    const auto yes = V::fromBool(true);
    const auto list = V::fromStringList;
    EXPECT_EQ(
        KeyedArchive::readDictionary(testData("archives/settings.prefs")),
        Dictionary({{"warnCaps", yes},
                    {"warnCount", V::fromInt(7)},
                    {"soundVolume", V::fromFloat(0.5f)},
                    {"warnSound", str("Glass")},
                    {"excludeWords", yes},
                    {"excludeWordsArray", list({"NASA", "USA"})},
                    {"excludeApplicationsArray", list({"/usr/share/applications/gimp.desktop"})},
                    {"showOutlines", V::fromBool(false)},
                    {"convertedFromPlist", yes}}));
    // Mutable strings read as plain strings, so the usual conversions apply to them.
    EXPECT_EQ(KeyedArchive::readDictionary(testData("archives/mutable_strings.prefs")),
              Dictionary({{"warnSound", str("Basso")},
                          {"warnCount", str("  +0012abc")},
                          {"excludeWordsArray", list({"ABC", "XYZ"})}}));

    const Dictionary inner{{"depth", V::fromInt(2)},
                           {"innermost", V::fromDictionary({{"leaf", str("x")}})}};
    EXPECT_EQ(KeyedArchive::readDictionary(testData("archives/nested.prefs")),
              Dictionary({{"inner", V::fromDictionary(inner)},
                          {"blob", V::fromData(QByteArray::fromHex("0fbd777701"))},
                          {"mutableBlob", V::fromData(QByteArray::fromHex("010203"))},
                          {"when", V::fromDate(86400.5)},
                          {"ratio", V::fromDouble(0.1)},
                          {"negative", V::fromInt(-42)},
                          {"wide", V::fromInt(5000000000)},
                          {QString::fromUtf8("caf\xc3\xa9"), str("na\xc3\xafve \xe2\x98\x83")}}));

    const V k = V::fromDictionary({{"k", V::fromInt(1)}});
    EXPECT_EQ(KeyedArchive::readDictionary(testData("archives/shared.prefs")),
              Dictionary({{"first", list({"one", "two"})},
                          {"second", list({"one", "two"})},
                          {"dict", k},
                          {"holder", V::fromArray({k, k})},
                          {"one", str("one")}}));
}

QByteArray bigEndian(quint64 value, int bytes) {
    QByteArray out;
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.append(char(value >> shift));
    return out;
}

// A binary property list of raw objects, object 0 on top: 4-byte offsets, 3-byte references.
QByteArray binaryPlist(const QList<QByteArray>& objects) {
    QByteArray out("bplist00"), offsets;
    for (const QByteArray& object : objects) {
        offsets.append(bigEndian(out.size(), 4));
        out.append(object);
    }
    const qsizetype table = out.size();
    out.append(offsets).append(QByteArray(6, '\0')).append("\x04\x03");
    return out + bigEndian(objects.size(), 8) + bigEndian(0, 8) + bigEndian(table, 8);
}

// Arrays each holding the next one `copies` times: nesting deep enough to overflow a
// recursive parser, or a small file that expands to copies^(length - 1) leaves.
QByteArray arrayChain(int length, int copies) {
    QList<QByteArray> objects;
    for (int i = 1; i < length; ++i)
        objects.append(char(0xA0 + copies) + bigEndian(i, 3).repeated(copies));
    objects.append("\xA0");
    return binaryPlist(objects);
}

TEST(KeyedArchive, AnythingButABoundedDictionaryArchiveIsRejectedWithoutCrashing) {
    for (const char* name :
         {"archives/cycle.prefs", "archives/array_root.prefs", "archives/deep.prefs",
          "archives/exponential.prefs", "domains/binary.plist", "domains/xml.plist"})
        EXPECT_FALSE(KeyedArchive::readDictionary(testData(name))) << name;

    QByteArray huge = testData("archives/settings.prefs");
    huge.append(QByteArray((1 << 20) + 1 - huge.size(), '\0'));
    const QByteArray deep = arrayChain(120000, 1);
    ASSERT_LT(deep.size(), 1 << 20) << "must get past the size limit to reach the parser";
    using Row = std::pair<const char*, QByteArray>;
    for (const auto& [name, bytes] :
         {Row{"empty", {}}, Row{"over 1 MiB", huge}, Row{"120000 deep", deep},
          Row{"2^40 nodes", arrayChain(41, 2)},
          Row{"two arrays holding each other",
              binaryPlist({"\xA1" + bigEndian(1, 3), "\xA1" + bigEndian(0, 3)})}})
        EXPECT_FALSE(KeyedArchive::readDictionary(bytes)) << name;

    for (const char* name : {"archives/settings.prefs", "archives/nested.prefs"}) {
        const QByteArray whole = testData(name);
        for (qsizetype size = 0; size < whole.size(); ++size)
            EXPECT_FALSE(KeyedArchive::readDictionary(whole.left(size))) << name << " " << size;
    }
}

} // namespace
