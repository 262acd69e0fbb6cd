#include "shared/Identifiers.h"
#include "shared/KeyedArchive.h"
#include "shared/RVPrefs.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
};

class KeyvigilDefaults : public ::testing::Test {
protected:
    // Stores made in this process look at the same home as the program.
    void SetUp() override {
        oldHome_ = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home_.path()));
    }
    void TearDown() override { qputenv("HOME", oldHome_); }

    Result run(const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home_.path());
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KEYVIGIL_DEFAULTS_PROGRAM), arguments);
        if (!process.waitForFinished(30000))
            ADD_FAILURE() << "keyvigil-defaults did not finish";
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QString storePath(const QString& identifier = kApplicationIdentifier) const {
        return home_.path() + QStringLiteral("/Library/Preferences/") + identifier +
               QStringLiteral(".prefs");
    }

    QByteArray storeBytes() const {
        QFile file(storePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    PlistValue::Dictionary storeContents() const {
        return KeyedArchive::readDictionary(storeBytes()).value_or(PlistValue::Dictionary());
    }

    QTemporaryDir home_;
    QByteArray oldHome_;
};

TEST_F(KeyvigilDefaults, WritesEachKindAndReadsItBack) {
    EXPECT_EQ(run({"write", "warnCaps", "-bool", "no"}).exitCode, 0);
    EXPECT_EQ(run({"write", "excludeSHIFT", "-bool", "TRUE"}).exitCode, 0);
    EXPECT_EQ(run({"write", "warnCount", "-int", "-12"}).exitCode, 0);
    EXPECT_EQ(run({"write", "soundVolume", "-float", "0.5"}).exitCode, 0);
    EXPECT_EQ(run({"write", "warnSound", "-string", "Two words"}).exitCode, 0);
    EXPECT_EQ(run({"write", "excludeWordsArray", "-array", "NASA", "a b"}).exitCode, 0);
    EXPECT_EQ(run({"write", "excludeApplicationsArray", "-array"}).exitCode, 0);

    const PlistValue::Dictionary stored = storeContents();
    EXPECT_EQ(stored.value("warnCaps"), PlistValue::fromBool(false));
    EXPECT_EQ(stored.value("excludeSHIFT"), PlistValue::fromBool(true));
    EXPECT_EQ(stored.value("warnCount"), PlistValue::fromInt(-12));
    EXPECT_EQ(stored.value("soundVolume"), PlistValue::fromFloat(0.5f));
    EXPECT_EQ(stored.value("warnSound"), PlistValue::fromString("Two words"));
    EXPECT_EQ(stored.value("excludeWordsArray"), PlistValue::fromStringList({"NASA", "a b"}));
    EXPECT_EQ(stored.value("excludeApplicationsArray"), PlistValue::fromArray({}));

    EXPECT_EQ(run({"read", "warnCaps"}).out, "0\n");
    EXPECT_EQ(run({"read", "warnCount"}).out, "-12\n");
    EXPECT_EQ(run({"read", "soundVolume"}).out, "0.5\n");
    EXPECT_EQ(run({"read", "warnSound"}).out, "Two words\n");
    EXPECT_EQ(run({"read", "excludeWordsArray"}).out, "(\n    NASA,\n    \"a b\"\n)\n");
    const Result all = run({"read"});
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_EQ(all.out, RVPrefs::initForApplicationID(kApplicationIdentifier).description() + "\n");
}

TEST_F(KeyvigilDefaults, DeleteRemovesTheKeyAndAbsentKeysFail) {
    ASSERT_EQ(run({"write", "warnCount", "-int", "3"}).exitCode, 0);
    EXPECT_EQ(run({"delete", "warnCount"}).exitCode, 0);
    EXPECT_FALSE(storeContents().contains("warnCount"));

    const QByteArray before = storeBytes();
    const Result read = run({"read", "warnCount"});
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_TRUE(read.out.isEmpty());
    EXPECT_TRUE(read.err.contains("warnCount")) << read.err.toStdString();
    EXPECT_EQ(run({"delete", "warnCount"}).exitCode, 1);
    EXPECT_EQ(storeBytes(), before);
}

TEST_F(KeyvigilDefaults, BadCommandLinesExitTwoAndLeaveTheStoreUntouched) {
    ASSERT_EQ(run({"write", "warnCount", "-int", "3"}).exitCode, 0);
    const QByteArray before = storeBytes();
    const QList<QStringList> bad = {
        {},
        {"frobnicate"},
        {"-d"},
        {"-d", "../escape", "read"},
        {"read", "a", "b"},
        {"delete"},
        {"write", "warnCount"},
        {"write", "warnCount", "-int"},
        {"write", "warnCount", "-int", "2147483648"},
        {"write", "warnCount", "-int", "12abc"},
        {"write", "warnCount", "-int", " 5"},
        {"write", "soundVolume", "-float", "1,5"},
        {"write", "soundVolume", "-float", "1e39"},
        {"write", "soundVolume", "-float", "nan"},
        {"write", "warnCaps", "-bool", "maybe"},
        {"write", "warnSound", "-string", "a", "b"},
        {"write", "warnSound", "-data", "00"},
    };
    for (const QStringList& arguments : bad) {
        const Result result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
    EXPECT_EQ(storeBytes(), before);
}

TEST_F(KeyvigilDefaults, OtherIdentifiersAndFailedWrites) {
    EXPECT_EQ(run({"-d", "org.example.Other", "write", "k", "-string", "v"}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(storePath("org.example.Other")));
    EXPECT_FALSE(QFile::exists(storePath()));

    // A folder where the store file belongs cannot be replaced, even by root.
    ASSERT_TRUE(QDir().mkpath(storePath() + "/blocked"));
    const Result result = run({"write", "warnCaps", "-bool", "YES"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("could not write")) << result.err.toStdString();
}

} // namespace
