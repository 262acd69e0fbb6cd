#include "shared/KeyedArchive.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace {

QString dataPath(const char* name) {
    return QStringLiteral(KEYVIGIL_TEST_DATA "/") + name;
}

QByteArray readData(const char* name) {
    QFile file(dataPath(name));
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "missing test data " << name;
    return file.readAll();
}

PlistValue str(const char* text) {
    return PlistValue::fromString(QString::fromUtf8(text));
}

PlistValue::Dictionary everyKind() {
    const PlistValue inner =
        PlistValue::fromDictionary({{"leaf", str("x")}, {"empty", PlistValue::fromDictionary({})}});
    return {{"yes", PlistValue::fromBool(true)},
            {"no", PlistValue::fromBool(false)},
            {"int", PlistValue::fromInt(-7)},
            {"intMax", PlistValue::fromInt(std::numeric_limits<std::int64_t>::max())},
            {"intMin", PlistValue::fromInt(std::numeric_limits<std::int64_t>::min())},
            {"float", PlistValue::fromFloat(0.1f)},
            {"double", PlistValue::fromDouble(0.1)},
            {"string", str("na\xc3\xafve \xe2\x98\x83")},
            {"null", str("$null")},
            {"", str("")},
            {"data", PlistValue::fromData(QByteArray("\x00\xff\x10", 3))},
            {"date", PlistValue::fromDate(-1234.25)},
            {"list", PlistValue::fromArray(
                         {str("a"), PlistValue::fromInt(1), PlistValue::fromArray({}), inner})},
            {"dict", inner}};
}

TEST(KeyedArchive, EveryKindSurvivesARoundTrip) {
    const PlistValue::Dictionary original = everyKind();
    const std::optional<QByteArray> archive = KeyedArchive::writeDictionary(original);
    ASSERT_TRUE(archive);
    const std::optional<PlistValue::Dictionary> back = KeyedArchive::readDictionary(*archive);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, original);
    EXPECT_EQ(back->value(QStringLiteral("float")).kind(), PlistValue::Kind::Real32);
    EXPECT_EQ(back->value(QStringLiteral("double")).kind(), PlistValue::Kind::Real64);

    const std::optional<QByteArray> empty = KeyedArchive::writeDictionary({});
    ASSERT_TRUE(empty);
    EXPECT_EQ(KeyedArchive::readDictionary(*empty), PlistValue::Dictionary());
}

TEST(KeyedArchive, FloatsAreWrittenAsFourByteRealsAndDoublesAsEight) {
    PlistValue::Dictionary d;
    d.insert(QStringLiteral("f"), PlistValue::fromFloat(0.1f));
    d.insert(QStringLiteral("d"), PlistValue::fromDouble(0.1));
    const QByteArray archive = KeyedArchive::writeDictionary(d).value();
    EXPECT_TRUE(archive.contains(QByteArray::fromHex("223dcccccd")));
    EXPECT_TRUE(archive.contains(QByteArray::fromHex("233fb999999999999a")));
}

TEST(KeyedArchive, WhatWeWriteIsAnArchivePlistlibDecodesToTheSameValues) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("store.prefs"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(KeyedArchive::writeDictionary(everyKind()).value());
    file.close();

    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral(KEYVIGIL_DECODE_SCRIPT), path});
    ASSERT_TRUE(python.waitForFinished(30000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QByteArray expected =
        R"({"root": {"": "", "data": {"data": "00ff10"}, "date": {"date": -1234.25}, )"
        R"("dict": {"empty": {}, "leaf": "x"}, "double": {"real": 0.1}, )"
        R"("float": {"real": 0.10000000149011612}, "int": -7, )"
        R"("intMax": 9223372036854775807, "intMin": -9223372036854775808, )"
        R"("list": ["a", 1, [], {"empty": {}, "leaf": "x"}], "no": false, "null": "$null", )"
        R"("string": "na\u00efve \u2603", "yes": true}, "root class": "NSMutableDictionary"})"
        "\n";
    EXPECT_EQ(python.readAllStandardOutput(), expected);
}

TEST(KeyedArchive, GoldenArchivesReadAsWritten) {
    using Dictionary = PlistValue::Dictionary;
    const auto yes = PlistValue::fromBool(true);
    const auto list = PlistValue::fromStringList;
    EXPECT_EQ(
        KeyedArchive::readDictionary(readData("archives/settings.prefs")),
        Dictionary({{"warnCaps", yes},
                    {"warnCount", PlistValue::fromInt(7)},
                    {"soundVolume", PlistValue::fromFloat(0.5f)},
                    {"warnSound", str("Glass")},
                    {"excludeWords", yes},
                    {"excludeWordsArray", list({"NASA", "USA"})},
                    {"excludeApplicationsArray", list({"/usr/share/applications/gimp.desktop"})},
                    {"showOutlines", PlistValue::fromBool(false)},
                    {"convertedFromPlist", yes}}));

    const auto mutableStrings =
        KeyedArchive::readDictionary(readData("archives/mutable_strings.prefs"));
    EXPECT_EQ(mutableStrings, Dictionary({{"warnSound", str("Basso")},
                                          {"warnCount", str("  +0012abc")},
                                          {"excludeWordsArray", list({"ABC", "XYZ"})}}));
    ASSERT_TRUE(mutableStrings);
    EXPECT_EQ(mutableStrings->value(QStringLiteral("warnCount")).intValue(), 12);

    const Dictionary inner{{"depth", PlistValue::fromInt(2)},
                           {"innermost", PlistValue::fromDictionary({{"leaf", str("x")}})}};
    EXPECT_EQ(KeyedArchive::readDictionary(readData("archives/nested.prefs")),
              Dictionary({{"inner", PlistValue::fromDictionary(inner)},
                          {"blob", PlistValue::fromData(QByteArray::fromHex("0fbd777701"))},
                          {"mutableBlob", PlistValue::fromData(QByteArray::fromHex("010203"))},
                          {"when", PlistValue::fromDate(86400.5)},
                          {"ratio", PlistValue::fromDouble(0.1)},
                          {"negative", PlistValue::fromInt(-42)},
                          {"wide", PlistValue::fromInt(5000000000)},
                          {QString::fromUtf8("caf\xc3\xa9"), str("na\xc3\xafve \xe2\x98\x83")}}));

    const PlistValue k = PlistValue::fromDictionary({{"k", PlistValue::fromInt(1)}});
    EXPECT_EQ(KeyedArchive::readDictionary(readData("archives/shared.prefs")),
              Dictionary({{"first", list({"one", "two"})},
                          {"second", list({"one", "two"})},
                          {"dict", k},
                          {"holder", PlistValue::fromArray({k, k})},
                          {"one", str("one")}}));
}

TEST(KeyedArchive, ArchivesThatAreNotADictionaryOfValuesAreRejected) {
    EXPECT_FALSE(KeyedArchive::readDictionary(readData("archives/cycle.prefs")));
    EXPECT_FALSE(KeyedArchive::readDictionary(readData("archives/array_root.prefs")));
    EXPECT_FALSE(KeyedArchive::readDictionary(readData("archives/deep.prefs")));
    // A property list that is not an archive at all.
    EXPECT_FALSE(KeyedArchive::readDictionary(readData("domains/binary.plist")));
    EXPECT_FALSE(KeyedArchive::readDictionary(readData("domains/xml.plist")));
    EXPECT_FALSE(KeyedArchive::readDictionary({}));
}

TEST(KeyedArchive, EveryTruncationIsRejected) {
    for (const char* name : {"archives/settings.prefs", "archives/nested.prefs"}) {
        const QByteArray whole = readData(name);
        for (qsizetype size = 0; size < whole.size(); ++size)
            EXPECT_FALSE(KeyedArchive::readDictionary(whole.left(size))) << name << " " << size;
    }
}

// A binary property list from raw objects: 4-byte offsets, 3-byte references, object 0 on top.
QByteArray binaryPlist(const QList<QByteArray>& objects) {
    QByteArray out("bplist00");
    QList<quint32> offsets;
    for (const QByteArray& object : objects) {
        offsets.append(static_cast<quint32>(out.size()));
        out.append(object);
    }
    const quint64 table = static_cast<quint64>(out.size());
    for (quint32 offset : offsets)
        for (int shift = 24; shift >= 0; shift -= 8)
            out.append(char(offset >> shift));
    out.append(QByteArray(6, '\0')).append(char(4)).append(char(3));
    for (quint64 value : {quint64(objects.size()), quint64(0), table})
        for (int shift = 56; shift >= 0; shift -= 8)
            out.append(char(value >> shift));
    return out;
}

QByteArray ref(int index) {
    return QByteArray(1, char(index >> 16)).append(char(index >> 8)).append(char(index));
}

TEST(KeyedArchive, DeepNestingSharingCyclesAndOversizeFailWithoutCrashing) {
    // Arrays each holding the next: deep enough to overflow the parser's stack if reached.
    QList<QByteArray> chain;
    for (int i = 0; i < 120000; ++i)
        chain.append(i + 1 < 120000 ? QByteArray(1, char(0xA1)) + ref(i + 1)
                                    : QByteArray(1, char(0xA0)));
    const QByteArray deep = binaryPlist(chain);
    ASSERT_LT(deep.size(), 1 << 20);
    EXPECT_FALSE(KeyedArchive::readDictionary(deep));

    // Arrays each holding the next twice: a small file that expands to 2^40 nodes.
    QList<QByteArray> doubling;
    for (int i = 0; i < 40; ++i)
        doubling.append(QByteArray(1, char(0xA2)) + ref(i + 1) + ref(i + 1));
    doubling.append(QByteArray(1, char(0xA0)));
    EXPECT_FALSE(KeyedArchive::readDictionary(binaryPlist(doubling)));
    EXPECT_FALSE(KeyedArchive::readDictionary(readData("archives/exponential.prefs")));

    // Two arrays holding each other.
    EXPECT_FALSE(KeyedArchive::readDictionary(
        binaryPlist({QByteArray(1, char(0xA1)) + ref(1), QByteArray(1, char(0xA1)) + ref(0)})));

    QByteArray huge = readData("archives/settings.prefs");
    huge.append(QByteArray((1 << 20) + 1 - huge.size(), '\0'));
    EXPECT_FALSE(KeyedArchive::readDictionary(huge));
}

} // namespace
