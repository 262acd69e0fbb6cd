#include "shared/Identifiers.h"
#include "shared/KeyedArchive.h"
#include "shared/RVPrefs.h"
#include "tests/shared/TempHome.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <tuple>

namespace {

class KeyvigilDefaults : public TempHome {
protected:
    // Runs the program on a shell-like command line; it inherits the temporary HOME.
    int run(const QString& line) {
        QProcess process;
        process.start(QStringLiteral(KEYVIGIL_DEFAULTS_PROGRAM), QProcess::splitCommand(line));
        if (!process.waitForFinished(30000))
            ADD_FAILURE() << "keyvigil-defaults did not finish";
        out = QString::fromUtf8(process.readAllStandardOutput());
        err = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    QString store() const { return storePath(kApplicationIdentifier); }
    PlistValue::Dictionary stored() const {
        return KeyedArchive::readDictionary(readFile(store())).value_or(PlistValue::Dictionary());
    }
    QString out, err;
};

TEST_F(KeyvigilDefaults, WritesEachKindAndReadsItBack) {
    using V = PlistValue;
    using Row = std::tuple<const char*, const char*, V>;
    for (const auto& [key, value, expected] :
         {Row{"warnCaps", "-bool no", V::fromBool(false)},
          Row{"excludeSHIFT", "-bool TRUE", V::fromBool(true)},
          Row{"warnCount", "-int -12", V::fromInt(-12)},
          Row{"soundVolume", "-float 0.5", V::fromFloat(0.5f)},
          Row{"warnSound", "-string \"Two words\"", V::fromString("Two words")},
          Row{"excludeWordsArray", "-array NASA \"a b\"", V::fromStringList({"NASA", "a b"})},
          Row{"excludeApplicationsArray", "-array", V::fromArray({})}}) {
        EXPECT_EQ(run(QStringLiteral("write %1 %2").arg(key, value)), 0) << key;
        EXPECT_EQ(stored().value(key), expected) << key;
    }
    // A value prints as its description, the description tests say how.
    EXPECT_EQ(run("read excludeWordsArray"), 0);
    EXPECT_EQ(out, "(\n    NASA,\n    \"a b\"\n)\n");
    EXPECT_EQ(run("read"), 0);
    EXPECT_EQ(out, RVPrefs(kApplicationIdentifier).description() + "\n");

    // A key deleted, or absent, cannot be read or deleted: exit 1, the store untouched.
    EXPECT_EQ(run("delete warnCount"), 0);
    EXPECT_FALSE(stored().contains("warnCount"));
    const QByteArray before = readFile(store());
    EXPECT_EQ(run("read warnCount"), 1);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_TRUE(err.contains("warnCount")) << err.toStdString();
    EXPECT_EQ(run("delete warnCount"), 1);
    EXPECT_EQ(readFile(store()), before);
}

TEST_F(KeyvigilDefaults, BadCommandLinesExitTwoAndLeaveTheStoreUntouched) {
    ASSERT_EQ(run("write warnCount -int 3"), 0);
    const QByteArray before = readFile(store());
    for (const char* line :
         {"", "frobnicate", "-d", "-d ../escape read", "read a b", "delete", "write warnCount",
          "write warnCount -int", "write warnCount -int 2147483648", "write warnCount -int 12abc",
          "write warnCount -int \" 5\"", "write soundVolume -float 1,5",
          "write soundVolume -float 1e39", "write soundVolume -float nan",
          "write warnCaps -bool maybe", "write warnSound -string a b",
          "write warnSound -data 00"}) {
        EXPECT_EQ(run(line), 2) << line;
        EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
        EXPECT_TRUE(out.isEmpty()) << line;
    }
    EXPECT_EQ(readFile(store()), before);
}

TEST_F(KeyvigilDefaults, UnknownKeysOtherKindsAndOtherStoresAreWrittenFailedWritesAreNot) {
    // Other stores have no table to check against.
    EXPECT_EQ(run("-d org.example.Other write k -string v"), 0);
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    EXPECT_TRUE(QFile::exists(storePath("org.example.Other")));
    EXPECT_FALSE(QFile::exists(store()));

    EXPECT_EQ(run("write warnCount -int 7"), 0);
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    EXPECT_EQ(run("write warnCount -string 7"), 0);
    EXPECT_TRUE(err.contains("\"warnCount\" is read as -int, not -string")) << err.toStdString();
    EXPECT_EQ(stored().value("warnCount"), PlistValue::fromString("7"));
    EXPECT_EQ(run("write warnCuont -int 7"), 0);
    EXPECT_TRUE(err.contains("\"warnCuont\" is not one of Keyvigil's settings"))
        << err.toStdString();
    EXPECT_EQ(stored().value("warnCuont"), PlistValue::fromInt(7));

    // A folder where the store file belongs cannot be replaced, even by root.
    ASSERT_TRUE(QFile::remove(store()) && QDir().mkpath(store() + "/blocked"));
    EXPECT_EQ(run("write warnCaps -bool YES"), 1);
    EXPECT_TRUE(err.contains("could not write")) << err.toStdString();
    EXPECT_TRUE(err.contains(": Is a directory")) << err.toStdString(); // the system's reason
}

TEST_F(KeyvigilDefaults, ANumberOutsideItsKeysRangeIsWrittenWithOneLineOfWarning) {
    using Row = std::tuple<const char*, const char*>;
    for (const auto& [line, warning] :
         {Row{"write warnCount -int 50", "\"warnCount\" is meant to be 1 to 20, not 50"},
          Row{"write warnCapsLimitCount -int 0", "\"warnCapsLimitCount\" is meant to be 1 to 20"},
          Row{"write soundVolume -float 1.5", "\"soundVolume\" is meant to be 0.0 to 1.0, not 1.5"},
          Row{"write warnCount -int 20", ""}, Row{"write warnCapsLimitCount -int 1", ""},
          Row{"write soundVolume -float 0", ""}}) {
        EXPECT_EQ(run(line), 0) << line;
        EXPECT_EQ(err.count('\n'), *warning ? 1 : 0) << err.toStdString();
        EXPECT_TRUE(err.contains(warning)) << err.toStdString();
    }
    EXPECT_EQ(stored().value("warnCount"), PlistValue::fromInt(20));
    EXPECT_EQ(run("write warnCount -int 50"), 0);
    EXPECT_EQ(stored().value("warnCount"), PlistValue::fromInt(50)); // the user's command stands
}

// The list of keys, with their defaults and ranges, comes without a store that can be read.
TEST_F(KeyvigilDefaults, AnUnreadableStoreIsSaidToBeSo) {
    writeFile(store(), "not an archive");
    EXPECT_EQ(run("read"), 0);
    EXPECT_TRUE(err.contains("could not be read")) << err.toStdString();
    EXPECT_EQ(run("keys"), 0);
    for (const char* line :
         {"warnCount                  -int     5 ", "showOutlines ", "noMenuBar ",
          "How many capitals in a row make a warning (1 to 20).\n"})
        EXPECT_TRUE(out.contains(line)) << line;
}

} // namespace
