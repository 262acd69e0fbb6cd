#include "platform/desktop/HostFolders.h"
#include "platform/desktop/SdlSound.h"
#include "platform/desktop/SdlSoundService.h"
#include "tests/platform/support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// Every sound here is a copy of the warning sound, which is a quarter of a second long.
class SoundServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        ASSERT_TRUE(dir.isValid());
        qputenv("SDL_AUDIODRIVER", "dummy");
    }

    QString folder(const QString& name) {
        QDir().mkpath(dir.filePath(name));
        return dir.filePath(name);
    }

    // A service over one folder holding "CAPS".
    std::unique_ptr<SdlSoundService> capsService(std::chrono::milliseconds idleClose = 3s) {
        EXPECT_TRUE(QFile::copy(KEYVIGIL_CAPS_SOUND, folder("s") + "/CAPS.aiff"));
        return std::make_unique<SdlSoundService>(
            SdlSoundService::Options{{dir.filePath("s")}, idleClose, nullptr});
    }

    QTemporaryDir dir;
};

TEST_F(SoundServiceTest, HelperBundleSearchesItsOwnThenThePanesResourcesThenTheSoundFolders) {
    const QString pane = dir.filePath("Keyvigil.prefPane/Contents/Resources");
    const QString helper = folder("Keyvigil.prefPane/Contents/Resources/Keyvigil Helper.app/"
                                  "Contents/Resources");
    const QStringList expected{helper, pane, HostFolders::path(HostFolders::Folder::UserSounds),
                               HostFolders::path(HostFolders::Folder::LocalSounds),
                               HostFolders::path(HostFolders::Folder::SystemSounds)};
    EXPECT_EQ(SdlSoundService::searchFolders(helper), expected);
    // The pane itself sits in no bundle: its own resources, then the sound folders.
    EXPECT_EQ(SdlSoundService::searchFolders(pane), expected.mid(1));
}

// Folder order comes before extension order; a file that does not decode is passed over.
TEST_F(SoundServiceTest, FindsNamesInFolderOrderAndKeepsOneObjectPerName) {
    const QString first = folder("first"), second = folder("second");
    QFile broken(first + "/Broken.aiff");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("not a sound") > 0);
    broken.close();
    for (const QString& file : {first + "/Both.wav", second + "/Both.aiff", second + "/Ping.wav",
                                second + "/Ping.aiff", second + "/Broken.wav"})
        ASSERT_TRUE(QFile::copy(KEYVIGIL_CAPS_SOUND, file));
    SdlSoundService sounds({{first, second}, 3s, nullptr});
    const std::pair<QString, QString> rows[] = {{"Both", first + "/Both.wav"},
                                                {"Ping", second + "/Ping.aiff"},
                                                {"Broken", second + "/Broken.wav"},
                                                {"Missing", ""},
                                                {"", ""}};
    for (const auto& [name, path] : rows) {
        auto* sound = dynamic_cast<SdlSound*>(sounds.soundNamed(name));
        EXPECT_EQ(sound ? QFile::decodeName(sound->path().c_str()) : QString(), path)
            << name.toStdString();
    }
    EXPECT_EQ(sounds.soundNamed("Both"), sounds.soundNamed("Both"));
    // A miss is remembered: a file added later is not picked up by this service.
    ASSERT_TRUE(QFile::copy(KEYVIGIL_CAPS_SOUND, second + "/Missing.aiff"));
    EXPECT_EQ(sounds.soundNamed("Missing"), nullptr);
}

// A warning that comes while its sound plays must not start it a second time.
TEST_F(SoundServiceTest, PlaysOnceOrLoopsAndIsNeverStartedTwice) {
    auto sounds = capsService();
    Sound* caps = sounds->soundNamed("CAPS");
    ASSERT_NE(caps, nullptr);
    ASSERT_TRUE(caps->play());
    EXPECT_TRUE(caps->isPlaying());
    EXPECT_FALSE(caps->play());
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !caps->isPlaying(); }, 5000));

    caps->setLoops(true);
    ASSERT_TRUE(caps->play());
    QTest::qWait(400);
    EXPECT_TRUE(caps->isPlaying());
    EXPECT_TRUE(caps->stop());
    EXPECT_FALSE(caps->isPlaying());

    // Looping turned off mid-play: the pass under way is the last.
    ASSERT_TRUE(caps->play());
    QTest::qWait(400);
    caps->setLoops(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !caps->isPlaying(); }, 5000));

    // Looping turned on while playing once: it goes on after the pass.
    ASSERT_TRUE(caps->play());
    caps->setLoops(true);
    QTest::qWait(400);
    EXPECT_TRUE(caps->isPlaying());
    caps->stop();
}

// ALSA with no output it could open (a configuration that defines none) says nothing of its
// own on stderr, however often it is tried.
TEST_F(SoundServiceTest, WithoutAudioDeviceSoundsExistButPlayNothingUntilOneTurnsUp) {
    const QString noOutputs = dir.filePath("asound.conf");
    ASSERT_TRUE(QFile(noOutputs).open(QIODevice::WriteOnly));
    qputenv("ALSA_CONFIG_PATH", QFile::encodeName(noOutputs));
    qputenv("SDL_AUDIODRIVER", "alsa");
    const QString said = dir.filePath("stderr");
    std::fflush(stderr);
    const int savedStderr = ::dup(2);
    const int saying = ::open(QFile::encodeName(said).constData(), O_WRONLY | O_CREAT, 0600);
    ::dup2(saying, 2);
    ::close(saying);
    auto sounds = capsService();
    Sound* caps = sounds->soundNamed("CAPS");
    const bool played = caps && (caps->play() || caps->play());
    std::fflush(stderr);
    ::dup2(savedStderr, 2);
    ::close(savedStderr);
    qunsetenv("ALSA_CONFIG_PATH");
    ASSERT_NE(caps, nullptr);
    EXPECT_FALSE(played);
    EXPECT_FALSE(caps->isPlaying());
    QFile text(said);
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_FALSE(text.readAll().contains("ALSA lib"));

    qputenv("SDL_AUDIODRIVER", "dummy");
    EXPECT_TRUE(caps->play());
}

// The disk driver writes what the device plays, so the file shows the sound and its volume.
TEST_F(SoundServiceTest, OutputClosesWhenIdleAndSoundsPlayAtTheirVolumeAfterReopening) {
    const QString output = dir.filePath("output.raw");
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", output.toLocal8Bit());
    auto sounds = capsService(50ms);
    Sound* caps = sounds->soundNamed("CAPS");
    ASSERT_NE(caps, nullptr);
    ASSERT_TRUE(caps->play());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sounds->isOutputOpen(); }, 5000));
    const int fullPeak = peakOfSamples(output);
    EXPECT_GT(fullPeak, 14000); // the file is made at -6 dBFS

    caps->setVolume(0.25f);
    ASSERT_TRUE(caps->play());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sounds->isOutputOpen(); }, 5000));
    EXPECT_NEAR(peakOfSamples(output), fullPeak / 4, fullPeak / 40);
    qunsetenv("SDL_DISKAUDIOFILE");
}

} // namespace
