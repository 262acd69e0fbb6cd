#include "shared/RVPrefs.h"
#include "shared/SettingsKeys.h"
#include "tests/shared/TempHome.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using namespace SettingsKeys;

const QString kId = QStringLiteral("org.keyvigil.Test");

QString dataPath(const char* name) {
    return QStringLiteral(KEYVIGIL_TEST_DATA "/") + name;
}

PlistValue yes() {
    return PlistValue::fromBool(true);
}

mode_t modeOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return info.st_mode & 07777;
}

class RVPrefsTest : public TempHome {
protected:
    QString storePath() const { return preferences() + u'/' + kId + QStringLiteral(".prefs"); }
    QString domainPath() const { return preferences() + u'/' + kId + QStringLiteral(".plist"); }

    void installDomain(const char* name) {
        makePreferencesFolder();
        writeFile(domainPath(), TempHome::readFile(dataPath(name)));
    }
};

TEST_F(RVPrefsTest, AFirstStoreHoldsOnlyTheMigrationFlagAndWritesNothing) {
    RVPrefs prefs(kId);
    EXPECT_EQ(prefs.prefsPath(), storePath());
    PlistValue::Dictionary expected;
    expected.insert(convertedFromPlist, yes());
    EXPECT_EQ(prefs.prefs(), expected);
    EXPECT_FALSE(prefs.empty());
    EXPECT_FALSE(QFileInfo::exists(home() + QStringLiteral("/Library")));

    EXPECT_FALSE(prefs.objectForKey(warnCaps));
    EXPECT_FALSE(prefs.boolForKey(warnCaps));
    EXPECT_EQ(prefs.intForKey(warnCount), 0);
    EXPECT_EQ(prefs.floatForKey(soundVolume), 0.0f);
}

TEST_F(RVPrefsTest, SynchronizeCreatesPrivateFoldersAndFile) {
    RVPrefs prefs(kId);
    ASSERT_TRUE(prefs.synchronize());
    EXPECT_EQ(modeOf(home() + QStringLiteral("/Library")), 0700u);
    EXPECT_EQ(modeOf(preferences()), 0700u);
    EXPECT_EQ(modeOf(storePath()), 0600u);
    EXPECT_EQ(QDir(preferences()).entryList(QDir::Files), QStringList{kId + ".prefs"});

    // An existing file becomes private again when replaced.
    ASSERT_EQ(::chmod(QFile::encodeName(storePath()).constData(), 0644), 0);
    ASSERT_TRUE(RVPrefs(kId).synchronize());
    EXPECT_EQ(modeOf(storePath()), 0600u);
}

TEST_F(RVPrefsTest, SettersChangeMemoryAndOnlySynchronizeReachesTheFile) {
    RVPrefs prefs(kId);
    prefs.setBoolForKey(true, warnCaps);
    prefs.setIntForKey(-3, warnCount);
    prefs.setFloatForKey(0.75f, soundVolume);
    prefs.setObjectForKey(PlistValue::fromStringList({"NASA"}), excludeWordsArray);
    prefs.setObjectForKey(PlistValue::fromString(QStringLiteral("Glass")), warnSound);
    EXPECT_EQ(prefs.objectForKey(soundVolume)->kind(), PlistValue::Kind::Real32);
    ASSERT_TRUE(prefs.synchronize());

    prefs.setObjectForKey(std::nullopt, warnSound);
    prefs.removeObjectForKey(QStringLiteral("neverThere"));
    prefs.setIntForKey(9, warnCount);
    EXPECT_FALSE(prefs.objectForKey(warnSound));

    // A new store sees the file, not the unsynchronized changes.
    RVPrefs again(kId);
    EXPECT_TRUE(again.boolForKey(warnCaps));
    EXPECT_EQ(again.intForKey(warnCount), -3);
    EXPECT_FLOAT_EQ(again.floatForKey(soundVolume), 0.75f);
    EXPECT_EQ(again.objectForKey(excludeWordsArray)->toStringList(), QStringList{"NASA"});
    EXPECT_EQ(again.objectForKey(warnSound)->toString(), "Glass");
}

TEST_F(RVPrefsTest, MigrationCopiesTheDomainInItsOwnKeyOrderThenSetsTheFlag) {
    installDomain("domains/binary.plist");
    RVPrefs prefs(kId);
    PlistValue::Dictionary expected;
    // The domain lists warnCount twice; the later value replaces the earlier one.
    expected.insert(warnCount, PlistValue::fromInt(9));
    expected.insert(noMenuBar, yes());
    expected.insert(warnSound, PlistValue::fromString(QStringLiteral("Submarine")));
    expected.insert(soundVolume, PlistValue::fromFloat(0.25f));
    expected.insert(excludeWordsArray, PlistValue::fromStringList({"OK", "NASA"}));
    // The domain's own NO is overwritten by the flag.
    expected.insert(convertedFromPlist, yes());
    EXPECT_EQ(prefs.prefs(), expected);
    // Until a synchronize, every new store migrates again with the same result.
    EXPECT_EQ(RVPrefs(kId).prefs(), expected);

    ASSERT_TRUE(prefs.synchronize());
    writeFile(domainPath(), TempHome::readFile(dataPath("domains/xml.plist")));
    EXPECT_EQ(RVPrefs(kId).prefs(), expected);
}

TEST_F(RVPrefsTest, MigrationReadsXmlDomains) {
    installDomain("domains/xml.plist");
    RVPrefs prefs(kId);
    EXPECT_TRUE(prefs.boolForKey(showFnUpperLeft));
    EXPECT_EQ(prefs.intForKey(QStringLiteral("warnCapsLimitCount")), 4);
    EXPECT_EQ(prefs.objectForKey(QStringLiteral("lastCheck")), PlistValue::fromDate(86400));
    EXPECT_EQ(prefs.objectForKey(QStringLiteral("token")),
              PlistValue::fromData(QByteArray("\x00\xff", 2)));
    PlistValue::Dictionary nested;
    nested.insert(QStringLiteral("ratio"), PlistValue::fromFloat(0.75f));
    nested.insert(QStringLiteral("below"), PlistValue::fromInt(-1));
    EXPECT_EQ(prefs.objectForKey(QStringLiteral("nested")), PlistValue::fromDictionary(nested));
    EXPECT_EQ(prefs.prefs().size(), 6);
}

TEST_F(RVPrefsTest, AnUnreadableDomainMigratesNothing) {
    makePreferencesFolder();
    const QList<QByteArray> unreadable = {
        "<plist><dict><key>a</key>",
        TempHome::readFile(dataPath("domains/nul_key.plist")),
        TempHome::readFile(dataPath("domains/nul_reference.plist")),
        TempHome::readFile(dataPath("archives/settings.prefs")).append(QByteArray(2 << 20, ' ')),
    };
    for (const QByteArray& contents : unreadable) {
        writeFile(domainPath(), contents);
        RVPrefs prefs(kId);
        EXPECT_EQ(prefs.prefs().size(), 1);
        EXPECT_TRUE(prefs.boolForKey(convertedFromPlist));
    }
}

TEST_F(RVPrefsTest, UnreadableStoreFilesStartEmptyWithTheMarker) {
    makePreferencesFolder();
    QByteArray random(4096, Qt::Uninitialized);
    for (qsizetype i = 0; i < random.size(); ++i)
        random[i] = static_cast<char>((i * 7919 + 13) % 251);
    const QByteArray settings = TempHome::readFile(dataPath("archives/settings.prefs"));
    QByteArray oversized = settings;
    oversized.append(QByteArray(2 << 20, ' '));
    const QList<QByteArray> bad = {
        random,
        settings.left(settings.size() / 2),
        TempHome::readFile(dataPath("archives/array_root.prefs")),
        TempHome::readFile(dataPath("archives/cycle.prefs")),
        TempHome::readFile(dataPath("archives/deep.prefs")),
        oversized,
        QByteArray(),
    };
    for (const QByteArray& contents : bad) {
        writeFile(storePath(), contents);
        RVPrefs prefs(kId);
        PlistValue::Dictionary expected;
        expected.insert(reconstructedAfterCorruption, yes());
        expected.insert(convertedFromPlist, yes());
        EXPECT_EQ(prefs.prefs(), expected);
        // Making a store never writes: the bad file stays until a synchronize.
        EXPECT_EQ(TempHome::readFile(storePath()), contents);
    }
}

TEST_F(RVPrefsTest, ACorruptStoreMigratesAgainAndTheNextWriteRepairsIt) {
    installDomain("domains/binary.plist");
    writeFile(storePath(), "not an archive at all");
    RVPrefs prefs(kId);
    EXPECT_TRUE(prefs.boolForKey(reconstructedAfterCorruption));
    EXPECT_EQ(prefs.intForKey(warnCount), 9);
    ASSERT_TRUE(prefs.synchronize());

    RVPrefs repaired(kId);
    EXPECT_EQ(repaired.prefs(), prefs.prefs());
    EXPECT_TRUE(repaired.boolForKey(reconstructedAfterCorruption));
}

TEST_F(RVPrefsTest, AFolderWhereTheStoreFileBelongsIsUnreadableAndUnwritable) {
    makePreferencesFolder();
    ASSERT_TRUE(QDir().mkpath(storePath() + QStringLiteral("/inside")));
    RVPrefs prefs(kId);
    EXPECT_TRUE(prefs.boolForKey(reconstructedAfterCorruption));
    prefs.setIntForKey(5, warnCount);
    const PlistValue::Dictionary before = prefs.prefs();
    EXPECT_FALSE(prefs.synchronize());
    EXPECT_EQ(prefs.prefs(), before);
    EXPECT_TRUE(QFileInfo(storePath()).isDir());
    // No temporary file is left behind.
    EXPECT_TRUE(QDir(preferences()).entryList(QDir::Files).isEmpty());
}

TEST_F(RVPrefsTest, APreferencesPathThatIsAFileFailsTheWrite) {
    ASSERT_TRUE(QDir().mkpath(home() + QStringLiteral("/Library")));
    writeFile(preferences(), "a file, not a folder");
    RVPrefs prefs(kId);
    EXPECT_FALSE(prefs.synchronize());
    EXPECT_EQ(TempHome::readFile(preferences()), "a file, not a folder");
}

TEST_F(RVPrefsTest, AFailedWriteLeavesTheOldFileAndMemoryAsTheyWere) {
    RVPrefs prefs(kId);
    prefs.setObjectForKey(PlistValue::fromString(QStringLiteral("Glass")), warnSound);
    ASSERT_TRUE(prefs.synchronize());
    const QByteArray oldFile = TempHome::readFile(storePath());

    // Fill the store past what the file-size limit lets any process write, root included.
    prefs.setObjectForKey(PlistValue::fromString(QString(8192, u'x')), PrefPanePath);
    const PlistValue::Dictionary before = prefs.prefs();
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = prefs.synchronize();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(prefs.prefs(), before);
    EXPECT_EQ(TempHome::readFile(storePath()), oldFile);
    EXPECT_EQ(QDir(preferences()).entryList(QDir::Files), QStringList{kId + ".prefs"});
    EXPECT_EQ(RVPrefs(kId).objectForKey(warnSound)->toString(), "Glass");
}

} // namespace
