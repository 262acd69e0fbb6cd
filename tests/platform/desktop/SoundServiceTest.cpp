#include "platform/desktop/HostFolders.h"
#include "platform/desktop/SdlSound.h"
#include "platform/desktop/SdlSoundService.h"
#include "tests/platform/support/SoundChecks.h"
#include "tests/shared/TempHome.h"

#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// The sounds of the folder, played in this process.
class SoundServiceTest : public SoundFolderTest {
protected:
    std::unique_ptr<SdlSoundService> capsService(std::chrono::milliseconds idleClose = 3s) {
        return std::make_unique<SdlSoundService>(
            SdlSoundService::Options{{dir.filePath("s")}, idleClose, nullptr});
    }
};

TEST_F(SoundServiceTest, HelperBundleSearchesItsOwnThenThePanesResourcesThenTheSoundFolders) {
    const QString pane = dir.filePath("Keyvigil.prefPane/Contents/Resources");
    const QString helper = pane + "/Keyvigil Helper.app/Contents/Resources";
    ASSERT_TRUE(QDir().mkpath(helper));
    const QStringList expected{helper, pane, HostFolders::path(HostFolders::Folder::UserSounds),
                               HostFolders::path(HostFolders::Folder::LocalSounds),
                               HostFolders::path(HostFolders::Folder::SystemSounds)};
    EXPECT_EQ(SdlSoundService::searchFolders(helper), expected);
    // The pane itself sits in no bundle: its own resources, then the sound folders.
    EXPECT_EQ(SdlSoundService::searchFolders(pane), expected.mid(1));
}

// Folder order comes before extension order; a file that does not decode is passed over.
TEST_F(SoundServiceTest, FindsNamesInFolderOrderAndKeepsOneObjectPerName) {
    const QString first = dir.filePath("first"), second = dir.filePath("second");
    writeFile(first + "/Broken.aiff", "not a sound");
    for (const QString& file : {first + "/Both.wav", second + "/Both.aiff", second + "/Ping.wav",
                                second + "/Ping.aiff", second + "/Broken.wav"})
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()) &&
                    QFile::copy(KEYVIGIL_CAPS_SOUND, file));
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

TEST_F(SoundServiceTest, PlaysOnceOrLoopsAndIsNeverStartedTwice) {
    auto sounds = capsService();
    Sound* caps = sounds->soundNamed("CAPS");
    ASSERT_NE(caps, nullptr);
    expectPlaysOnceAndLoops(*caps, [] { EXPECT_EQ(Mix_Playing(-1), 1); });
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
    EXPECT_FALSE(readFile(said).contains("ALSA lib"));

    qputenv("SDL_AUDIODRIVER", "dummy");
    EXPECT_TRUE(caps->play());
}

// The output closes when the sounds have been quiet for the idle spell, and opens again.
TEST_F(SoundServiceTest, OutputClosesWhenIdleAndSoundsPlayAtTheirVolumeAfterReopening) {
    const QString output = playIntoFile();
    auto sounds = capsService(50ms);
    Sound* caps = sounds->soundNamed("CAPS");
    ASSERT_NE(caps, nullptr);
    expectPlaysAtItsVolume(*caps, output, [&] { return !sounds->isOutputOpen(); });
}

} // namespace
