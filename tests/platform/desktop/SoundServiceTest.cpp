#include "platform/linux/HostFolders.h"
#include "platform/linux/SdlSound.h"
#include "platform/linux/SdlSoundService.h"
#include "tests/platform/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <SDL_mixer.h>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class SoundServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        ASSERT_TRUE(dir.isValid());
        useDriver("dummy");
    }

    static void useDriver(const char* driver) { qputenv("SDL_AUDIODRIVER", driver); }

    QString folder(const QString& name) {
        const QString path = dir.filePath(name);
        QDir().mkpath(path);
        return path;
    }

    std::unique_ptr<SdlSoundService> service(QStringList folders,
                                             std::chrono::milliseconds idleClose = 3s) {
        return std::make_unique<SdlSoundService>(
            SdlSoundService::Options{std::move(folders), idleClose, nullptr});
    }

    static QString pathOf(Sound* sound) {
        auto* sdl = dynamic_cast<SdlSound*>(sound);
        return sdl ? sdl->path() : QString();
    }

    QTemporaryDir dir;
};

TEST_F(SoundServiceTest, HelperBundleSearchesItsOwnThenThePanesResourcesThenTheSoundFolders) {
    const QString pane = folder("Keyvigil.prefPane/Contents/Resources");
    const QString helper = folder("Keyvigil.prefPane/Contents/Resources/Keyvigil Helper.app/"
                                  "Contents/Resources");
    const QStringList expected{helper, pane, HostFolders::path(HostFolders::Folder::UserSounds),
                               HostFolders::path(HostFolders::Folder::LocalSounds),
                               HostFolders::path(HostFolders::Folder::SystemSounds)};
    EXPECT_EQ(SdlSoundService::searchFolders(helper), expected);
    // The pane itself sits in no bundle: its own resources, then the sound folders.
    EXPECT_EQ(SdlSoundService::searchFolders(pane), expected.mid(1));
}

TEST_F(SoundServiceTest, FindsNamesInFolderOrderAndKeepsOneObjectPerName) {
    const QString helper = folder("helper");
    const QString pane = folder("pane");
    const QString user = folder("user");
    ASSERT_TRUE(writeTone(helper + "/Both.wav", 50));
    ASSERT_TRUE(writeTone(pane + "/Both.wav", 50));
    ASSERT_TRUE(QFile::copy(KEYVIGIL_CAPS_SOUND, pane + "/CAPS.aiff"));
    ASSERT_TRUE(writeTone(user + "/Mine.wav", 50));
    ASSERT_TRUE(writeTone(user + "/Ping.wav", 50));
    ASSERT_TRUE(QFile::copy(KEYVIGIL_CAPS_SOUND, user + "/Ping.aiff"));
    // Not a sound at all: the lookup goes on to the next file that decodes.
    QFile broken(helper + "/Broken.aiff");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("not a sound") > 0);
    broken.close();
    ASSERT_TRUE(writeTone(user + "/Broken.wav", 50));

    auto sounds = service({helper, pane, user});
    EXPECT_EQ(pathOf(sounds->soundNamed("Both")), helper + "/Both.wav");
    EXPECT_EQ(pathOf(sounds->soundNamed("CAPS")), pane + "/CAPS.aiff");
    EXPECT_EQ(pathOf(sounds->soundNamed("Mine")), user + "/Mine.wav");
    EXPECT_EQ(pathOf(sounds->soundNamed("Ping")), user + "/Ping.aiff");
    EXPECT_EQ(pathOf(sounds->soundNamed("Broken")), user + "/Broken.wav");
    EXPECT_EQ(sounds->soundNamed("Missing"), nullptr);
    EXPECT_EQ(sounds->soundNamed(""), nullptr);

    Sound* caps = sounds->soundNamed("CAPS");
    EXPECT_EQ(sounds->soundNamed("CAPS"), caps);
    EXPECT_TRUE(caps->play());
    // A miss is remembered: a file added later is not picked up by this service.
    ASSERT_TRUE(writeTone(user + "/Missing.wav", 50));
    EXPECT_EQ(sounds->soundNamed("Missing"), nullptr);
}

TEST_F(SoundServiceTest, PlayingSoundIsNotStartedAgainAndEndsByItself) {
    ASSERT_TRUE(writeTone(folder("s") + "/Tone.wav", 200));
    auto sounds = service({dir.filePath("s")});
    Sound* tone = sounds->soundNamed("Tone");
    ASSERT_NE(tone, nullptr);
    EXPECT_FALSE(tone->isPlaying());
    EXPECT_TRUE(tone->play());
    EXPECT_TRUE(tone->isPlaying());
    EXPECT_FALSE(tone->play());
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !tone->isPlaying(); }, 5000));
    EXPECT_FALSE(tone->stop());
    EXPECT_TRUE(tone->play());
}

TEST_F(SoundServiceTest, LoopingSoundPlaysUntilStoppedOrUntilItsPassEnds) {
    ASSERT_TRUE(writeTone(folder("s") + "/Tone.wav", 30));
    auto sounds = service({dir.filePath("s")});
    Sound* tone = sounds->soundNamed("Tone");
    ASSERT_NE(tone, nullptr);

    tone->setLoops(true);
    ASSERT_TRUE(tone->play());
    QTest::qWait(200);
    EXPECT_TRUE(tone->isPlaying());
    EXPECT_TRUE(tone->stop());
    EXPECT_FALSE(tone->isPlaying());

    // Looping turned off mid-play: the pass under way is the last.
    ASSERT_TRUE(tone->play());
    QTest::qWait(100);
    tone->setLoops(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !tone->isPlaying(); }, 5000));

    // Looping turned on while playing once: it goes on after the pass.
    ASSERT_TRUE(tone->play());
    tone->setLoops(true);
    QTest::qWait(200);
    EXPECT_TRUE(tone->isPlaying());
    tone->setLoops(false);
    tone->stop();
    EXPECT_FALSE(tone->isPlaying());
}

TEST_F(SoundServiceTest, WithoutAudioDeviceSoundsExistButPlayNothing) {
    useDriver("keyvigil-no-such-driver");
    ASSERT_TRUE(writeTone(folder("s") + "/Tone.wav", 50));
    auto sounds = service({dir.filePath("s")});
    Sound* tone = sounds->soundNamed("Tone");
    ASSERT_NE(tone, nullptr);
    tone->setVolume(0.5f);
    tone->setLoops(true);
    EXPECT_FALSE(tone->play());
    EXPECT_FALSE(tone->isPlaying());
    EXPECT_FALSE(tone->stop());
    EXPECT_FALSE(sounds->isOutputOpen());
    EXPECT_EQ(sounds->soundNamed("Missing"), nullptr);

    // A device that turns up later is used.
    useDriver("dummy");
    EXPECT_TRUE(tone->play());
}

TEST_F(SoundServiceTest, OutputClosesWhenIdleAndSoundsPlayAtTheirVolumeAfterReopening) {
    const QString output = dir.filePath("output.raw");
    useDriver("disk");
    qputenv("SDL_DISKAUDIOFILE", output.toLocal8Bit());
    ASSERT_TRUE(QFile::copy(KEYVIGIL_CAPS_SOUND, folder("s") + "/CAPS.aiff"));
    auto sounds = service({dir.filePath("s")}, 50ms);
    Sound* caps = sounds->soundNamed("CAPS");
    ASSERT_NE(caps, nullptr);

    ASSERT_TRUE(caps->play());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sounds->isOutputOpen(); }, 5000));
    const int fullPeak = peakOf(readSamples(output));
    // The file is made at -6 dBFS.
    EXPECT_GT(fullPeak, 14000);

    caps->setVolume(0.25f);
    ASSERT_TRUE(caps->play());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sounds->isOutputOpen(); }, 5000));
    const int quarterPeak = peakOf(readSamples(output));
    EXPECT_NEAR(quarterPeak, fullPeak / 4, fullPeak / 40);
    qunsetenv("SDL_DISKAUDIOFILE");
}

} // namespace
