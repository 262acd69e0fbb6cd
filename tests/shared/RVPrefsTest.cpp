#include "shared/RVPrefs.h"
#include "shared/SettingsKeys.h"
#include "tests/shared/TempHome.h"

#include <gtest/gtest.h>

#include <csignal>
#include <tuple>
#include <utility>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using namespace SettingsKeys;
using Dictionary = PlistValue::Dictionary;

const QString kId = QStringLiteral("org.keyvigil.Test");
const PlistValue kYes = PlistValue::fromBool(true);

mode_t modeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

class RVPrefsTest : public TempHome {
protected:
    QString store() const { return storePath(kId); }
    QString domain() const { return preferences() + u'/' + kId + ".plist"; }
    QStringList files() const { return QDir(preferences()).entryList(QDir::Files); }
};

TEST_F(RVPrefsTest, AFirstStoreWritesNothingUntilSynchronizeMakesPrivateFolderAndFile) {
    RVPrefs prefs(kId);
    EXPECT_EQ(prefs.prefsPath(), store());
    EXPECT_EQ(prefs.prefs(), Dictionary({{convertedFromPlist, kYes}}));
    EXPECT_FALSE(prefs.boolForKey(warnCaps) || prefs.intForKey(warnCount));
    prefs.setFloatForKey(0.75f, soundVolume);
    prefs.setObjectForKey(PlistValue::fromString("Glass"), warnSound);
    prefs.setObjectForKey(std::nullopt, warnSound); // a null value removes the key
    EXPECT_FALSE(QFileInfo::exists(home() + "/Library"));

    ASSERT_TRUE(prefs.synchronize());
    EXPECT_EQ(modeOf(home() + "/Library"), 0700u);
    EXPECT_EQ(modeOf(preferences()), 0700u);
    EXPECT_EQ(modeOf(store()), 0600u);
    EXPECT_EQ(files(), QStringList{kId + ".prefs"});
    // A float stays a 4-byte real in the file.
    EXPECT_EQ(RVPrefs(kId).prefs(), Dictionary({{convertedFromPlist, kYes},
                                                {soundVolume, PlistValue::fromFloat(0.75f)}}));
    // An existing file becomes private again when replaced.
    ASSERT_EQ(::chmod(QFile::encodeName(store()).constData(), 0644), 0);
    ASSERT_TRUE(prefs.synchronize());
    EXPECT_EQ(modeOf(store()), 0600u);
}

// The binary domain lists warnCount twice, the later value winning, and its own NO flag is
// replaced.
Dictionary migratedBinaryDomain() {
    return {{warnCount, PlistValue::fromInt(9)},
            {noMenuBar, kYes},
            {warnSound, PlistValue::fromString("Submarine")},
            {soundVolume, PlistValue::fromFloat(0.25f)},
            {excludeWordsArray, PlistValue::fromStringList({"OK", "NASA"})},
            {convertedFromPlist, kYes}};
}

// A domain that cannot be read migrates nothing; one that can is copied until a synchronize.
TEST_F(RVPrefsTest, MigrationCopiesAReadableOldDomainOnceThenSetsTheFlag) {
    const Dictionary nested{{"ratio", PlistValue::fromFloat(0.75f)},
                            {"below", PlistValue::fromInt(-1)}};
    const Dictionary xml{{showFnUpperLeft, kYes},
                         {"warnCapsLimitCount", PlistValue::fromString("4")},
                         {"lastCheck", PlistValue::fromDate(86400)},
                         {"token", PlistValue::fromData(QByteArray("\x00\xff", 2))},
                         {"nested", PlistValue::fromDictionary(nested)},
                         {convertedFromPlist, kYes}};
    const Dictionary nothing{{convertedFromPlist, kYes}};
    using Row = std::tuple<const char*, QByteArray, Dictionary>;
    for (const auto& [name, contents, expected] :
         {Row{"truncated xml", "<plist><dict><key>a</key>", nothing},
          Row{"binary NUL key", testData("domains/nul_key.plist"), nothing},
          Row{"xml NUL key", testData("domains/nul_reference.plist"), nothing},
          Row{"over 2 MiB", testData("archives/settings.prefs") + QByteArray(2 << 20, ' '),
              nothing},
          Row{"binary", testData("domains/binary.plist"), migratedBinaryDomain()},
          Row{"xml", testData("domains/xml.plist"), xml}}) {
        writeFile(domain(), contents);
        EXPECT_EQ(RVPrefs(kId).prefs(), expected) << name;
        // Until a synchronize every new store migrates again, with the same result.
        EXPECT_EQ(RVPrefs(kId).prefs(), expected) << name;
    }
    ASSERT_TRUE(RVPrefs(kId).synchronize());
    writeFile(domain(), testData("domains/binary.plist"));
    EXPECT_EQ(RVPrefs(kId).prefs(), xml);
}

TEST_F(RVPrefsTest, AnUnreadableStoreStartsOverWithTheMarkerAndMigratesAgain) {
    writeFile(domain(), testData("domains/binary.plist"));
    Dictionary expected = migratedBinaryDomain();
    expected.insert(reconstructedAfterCorruption, kYes);
    const QByteArray settings = testData("archives/settings.prefs");
    using Row = std::pair<const char*, QByteArray>;
    // Which archives the reader refuses is tested with it.
    for (const auto& [name, contents] :
         {Row{"truncated", settings.left(settings.size() / 2)}, Row{"empty", {}},
          Row{"over 2 MiB", settings + QByteArray(2 << 20, ' ')}}) {
        writeFile(store(), contents);
        EXPECT_EQ(RVPrefs(kId).prefs(), expected) << name;
        // Making a store never writes: the bad file stays until a synchronize repairs it.
        EXPECT_EQ(readFile(store()), contents) << name;
    }
    ASSERT_TRUE(RVPrefs(kId).synchronize());
    EXPECT_EQ(RVPrefs(kId).prefs(), expected);
}

TEST_F(RVPrefsTest, SomethingInTheWayFailsTheWriteAndChangesNothing) {
    writeFile(preferences(), "a file, not a folder");
    EXPECT_FALSE(RVPrefs(kId).synchronize());
    EXPECT_EQ(readFile(preferences()), "a file, not a folder");

    ASSERT_TRUE(QFile::remove(preferences()) && QDir().mkpath(store() + "/inside"));
    RVPrefs prefs(kId);
    EXPECT_TRUE(prefs.boolForKey(reconstructedAfterCorruption)); // a folder cannot be read
    prefs.setIntForKey(5, warnCount);
    const Dictionary before = prefs.prefs();
    EXPECT_FALSE(prefs.synchronize());
    EXPECT_EQ(prefs.prefs(), before);
    EXPECT_TRUE(QFileInfo(store()).isDir());
    EXPECT_TRUE(files().isEmpty()) << "a temporary file was left behind";
}

TEST_F(RVPrefsTest, AFailedWriteLeavesTheOldFileAndMemoryAsTheyWere) {
    RVPrefs prefs(kId);
    prefs.setObjectForKey(PlistValue::fromString("Glass"), warnSound);
    ASSERT_TRUE(prefs.synchronize());
    const QByteArray oldFile = readFile(store());

    // Fill the store past what the file-size limit lets any process write, root included.
    prefs.setObjectForKey(PlistValue::fromString(QString(8192, u'x')), PrefPanePath);
    const Dictionary before = prefs.prefs();
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const struct rlimit small = {.rlim_cur = 4096, .rlim_max = saved.rlim_max};
    auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = prefs.synchronize();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(prefs.prefs(), before);
    EXPECT_EQ(readFile(store()), oldFile);
    EXPECT_EQ(files(), QStringList{kId + ".prefs"}) << "a temporary file was left behind";
}

} // namespace
