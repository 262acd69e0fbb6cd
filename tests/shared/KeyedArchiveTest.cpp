#include "KeyedArchive.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
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
    PlistValue::Dictionary inner;
    inner.insert(QStringLiteral("leaf"), str("x"));
    inner.insert(QStringLiteral("empty"), PlistValue::fromDictionary({}));
    PlistValue::Dictionary d;
    d.insert(QStringLiteral("yes"), PlistValue::fromBool(true));
    d.insert(QStringLiteral("no"), PlistValue::fromBool(false));
    d.insert(QStringLiteral("int"), PlistValue::fromInt(-7));
    d.insert(QStringLiteral("intMax"),
             PlistValue::fromInt(std::numeric_limits<std::int64_t>::max()));
    d.insert(QStringLiteral("intMin"),
             PlistValue::fromInt(std::numeric_limits<std::int64_t>::min()));
    d.insert(QStringLiteral("float"), PlistValue::fromFloat(0.1f));
    d.insert(QStringLiteral("double"), PlistValue::fromDouble(0.1));
    d.insert(QStringLiteral("string"), str("na\xc3\xafve \xe2\x98\x83"));
    d.insert(QStringLiteral("null"), str("$null"));
    d.insert(QString(), str(""));
    d.insert(QStringLiteral("data"), PlistValue::fromData(QByteArray("\x00\xff\x10", 3)));
    d.insert(QStringLiteral("date"), PlistValue::fromDate(-1234.25));
    d.insert(QStringLiteral("list"),
             PlistValue::fromArray({str("a"), PlistValue::fromInt(1), PlistValue::fromArray({}),
                                    PlistValue::fromDictionary(inner)}));
    d.insert(QStringLiteral("dict"), PlistValue::fromDictionary(inner));
    return d;
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
    PlistValue::Dictionary settings;
    settings.insert(QStringLiteral("warnCaps"), PlistValue::fromBool(true));
    settings.insert(QStringLiteral("warnCount"), PlistValue::fromInt(7));
    settings.insert(QStringLiteral("soundVolume"), PlistValue::fromFloat(0.5f));
    settings.insert(QStringLiteral("warnSound"), str("Glass"));
    settings.insert(QStringLiteral("excludeWords"), PlistValue::fromBool(true));
    settings.insert(QStringLiteral("excludeWordsArray"),
                    PlistValue::fromStringList({"NASA", "USA"}));
    settings.insert(QStringLiteral("excludeApplicationsArray"),
                    PlistValue::fromStringList({"/usr/share/applications/gimp.desktop"}));
    settings.insert(QStringLiteral("showOutlines"), PlistValue::fromBool(false));
    settings.insert(QStringLiteral("convertedFromPlist"), PlistValue::fromBool(true));
    EXPECT_EQ(KeyedArchive::readDictionary(readData("archives/settings.prefs")), settings);

    PlistValue::Dictionary strings;
    strings.insert(QStringLiteral("warnSound"), str("Basso"));
    strings.insert(QStringLiteral("warnCount"), str("  +0012abc"));
    strings.insert(QStringLiteral("excludeWordsArray"), PlistValue::fromStringList({"ABC", "XYZ"}));
    const auto mutableStrings =
        KeyedArchive::readDictionary(readData("archives/mutable_strings.prefs"));
    EXPECT_EQ(mutableStrings, strings);
    ASSERT_TRUE(mutableStrings);
    EXPECT_EQ(mutableStrings->value(QStringLiteral("warnCount")).intValue(), 12);

    PlistValue::Dictionary innermost;
    innermost.insert(QStringLiteral("leaf"), str("x"));
    PlistValue::Dictionary inner;
    inner.insert(QStringLiteral("depth"), PlistValue::fromInt(2));
    inner.insert(QStringLiteral("innermost"), PlistValue::fromDictionary(innermost));
    PlistValue::Dictionary nested;
    nested.insert(QStringLiteral("inner"), PlistValue::fromDictionary(inner));
    nested.insert(QStringLiteral("blob"), PlistValue::fromData(QByteArray::fromHex("0fbd777701")));
    nested.insert(QStringLiteral("mutableBlob"),
                  PlistValue::fromData(QByteArray::fromHex("010203")));
    nested.insert(QStringLiteral("when"), PlistValue::fromDate(86400.5));
    nested.insert(QStringLiteral("ratio"), PlistValue::fromDouble(0.1));
    nested.insert(QStringLiteral("negative"), PlistValue::fromInt(-42));
    nested.insert(QStringLiteral("wide"), PlistValue::fromInt(5000000000));
    nested.insert(QString::fromUtf8("caf\xc3\xa9"), str("na\xc3\xafve \xe2\x98\x83"));
    EXPECT_EQ(KeyedArchive::readDictionary(readData("archives/nested.prefs")), nested);

    PlistValue::Dictionary k;
    k.insert(QStringLiteral("k"), PlistValue::fromInt(1));
    PlistValue::Dictionary shared;
    shared.insert(QStringLiteral("first"), PlistValue::fromStringList({"one", "two"}));
    shared.insert(QStringLiteral("second"), PlistValue::fromStringList({"one", "two"}));
    shared.insert(QStringLiteral("dict"), PlistValue::fromDictionary(k));
    shared.insert(QStringLiteral("holder"), PlistValue::fromArray({PlistValue::fromDictionary(k),
                                                                   PlistValue::fromDictionary(k)}));
    shared.insert(QStringLiteral("one"), str("one"));
    EXPECT_EQ(KeyedArchive::readDictionary(readData("archives/shared.prefs")), shared);
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

TEST(KeyedArchive, TruncatedAndRandomBytesAreRejected) {
    for (const char* name : {"archives/settings.prefs", "archives/nested.prefs"}) {
        const QByteArray whole = readData(name);
        for (qsizetype size = 0; size < whole.size(); ++size)
            EXPECT_FALSE(KeyedArchive::readDictionary(whole.left(size))) << name << " " << size;
    }
    QRandomGenerator random(20240601);
    for (int round = 0; round < 500; ++round) {
        QByteArray bytes(random.bounded(1, 600), Qt::Uninitialized);
        for (char& c : bytes)
            c = static_cast<char>(random.bounded(256));
        if (round % 2 == 0)
            bytes.replace(0, 8, "bplist00");
        EXPECT_FALSE(KeyedArchive::readDictionary(bytes));
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
