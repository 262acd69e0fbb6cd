#include "platform/desktop/PlayerSoundService.h"
#include "platform/desktop/SoundPlayerProcess.h"
#include "platform/desktop/SoundPlayerProtocol.h"
#include "tests/platform/support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdint>

#include <signal.h>

using namespace std::chrono_literals;
using SoundPlayerProtocol::Command;

namespace {

// The children of this process's threads: the player is the only one.
QList<pid_t> childProcesses() {
    QList<pid_t> children;
    for (const QString& task :
         QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile file("/proc/self/task/" + task + "/children");
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& pid : file.readAll().simplified().split(' '))
            if (!pid.isEmpty())
                children << pid.toInt();
    }
    return children;
}

TEST(SoundPlayerProtocolTest, PathsSurviveAnyByteAndBrokenLinesAreRefused) {
    const Command sound = SoundPlayerProtocol::soundCommand(
        7, {"/a b/c%20.aiff", "/new\nline/\xc3\xbc.wav",
            std::string("/nul\0\xff%", sizeof("/nul\0\xff%") - 1)});
    const std::string line = SoundPlayerProtocol::encode(sound);
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
    EXPECT_EQ(SoundPlayerProtocol::parseCommand(std::string_view(line).substr(0, line.size() - 1)),
              sound);
    const Command play = SoundPlayerProtocol::playCommand(7, 1ULL << 40);
    const Command volume = SoundPlayerProtocol::volumeCommand(7, 0.25f);
    for (const Command& command : {play, volume}) {
        const std::string encoded = SoundPlayerProtocol::encode(command);
        EXPECT_EQ(SoundPlayerProtocol::parseCommand(encoded.substr(0, encoded.size() - 1)), command)
            << encoded;
    }
    for (const char* broken :
         {"", "play", "play x 1", "play 1", "play 1 -2", "play 1 3x", "volume 1 nan",
          "volume 1 0,5", "loops 1 2", "stop 1 2", "sound 1", "jump 1"})
        EXPECT_FALSE(SoundPlayerProtocol::parseCommand(broken)) << broken;
    // A stray '%' stands for itself.
    EXPECT_EQ(SoundPlayerProtocol::parseCommand("sound 2 /a%2/b%")->paths,
              std::vector<std::string>{"/a%2/b%"});
    const std::string endedLine = SoundPlayerProtocol::encodeEnded({3, 12});
    const auto ended = SoundPlayerProtocol::parseEnded(endedLine.substr(0, endedLine.size() - 1));
    ASSERT_TRUE(ended);
    EXPECT_EQ(ended->sound, 3);
    EXPECT_EQ(ended->play, 12u);
    EXPECT_FALSE(SoundPlayerProtocol::parseEnded("ended 3"));
}

// Every sound here is a copy of the warning sound, a quarter of a second long, played by the
// built player program.
class PlayerSoundServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        ASSERT_TRUE(dir.isValid());
        qputenv("SDL_AUDIODRIVER", "dummy");
        QDir().mkpath(dir.filePath("s"));
    }

    std::unique_ptr<PlayerSoundService> service(std::chrono::milliseconds idleClose = 3s,
                                                const QString& player = KEYVIGIL_SOUND_PLAYER) {
        EXPECT_TRUE(QFile::copy(KEYVIGIL_CAPS_SOUND, dir.filePath("s/CAPS.aiff")));
        return std::make_unique<PlayerSoundService>(
            PlayerSoundService::Options{player, {dir.filePath("s")}, idleClose, nullptr});
    }

    QTemporaryDir dir;
};

// A warning that comes while its sound plays must not start it a second time; the player is gone
// once the sounds have been quiet for the idle spell.
TEST_F(PlayerSoundServiceTest, PlaysOnceOrLoopsAndThePlayerEndsWhenQuiet) {
    auto sounds = service(300ms);
    Sound* caps = sounds->soundNamed("CAPS");
    ASSERT_NE(caps, nullptr);
    EXPECT_EQ(sounds->soundNamed("Missing"), nullptr);
    ASSERT_TRUE(caps->play());
    EXPECT_FALSE(caps->play());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !caps->isPlaying(); }, 5000));
    EXPECT_TRUE(sounds->isPlayerRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sounds->isPlayerRunning(); }, 5000));

    // Looping turned on while playing once: it goes on after the pass.
    ASSERT_TRUE(caps->play());
    caps->setLoops(true);
    QTest::qWait(700);
    EXPECT_TRUE(caps->isPlaying());
    EXPECT_TRUE(caps->stop());
    EXPECT_FALSE(caps->stop());

    // Looping turned off mid-play: the pass under way is the last.
    ASSERT_TRUE(caps->play());
    QTest::qWait(400);
    EXPECT_TRUE(caps->isPlaying());
    caps->setLoops(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !caps->isPlaying(); }, 5000));
}

// The disk driver writes what the device plays, so the file shows the sound and its volume, also
// for a volume set before a new player started.
TEST_F(PlayerSoundServiceTest, SoundsPlayAtTheirVolumeInEachNewPlayer) {
    const QString output = dir.filePath("output.raw");
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", output.toLocal8Bit());
    auto sounds = service(50ms);
    Sound* caps = sounds->soundNamed("CAPS");
    ASSERT_NE(caps, nullptr);
    ASSERT_TRUE(caps->play());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sounds->isPlayerRunning(); }, 5000));
    const int fullPeak = peakOfSamples(output);
    EXPECT_GT(fullPeak, 14000); // the file is made at -6 dBFS

    caps->setVolume(0.25f);
    ASSERT_TRUE(caps->play());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sounds->isPlayerRunning(); }, 5000));
    EXPECT_NEAR(peakOfSamples(output), fullPeak / 4, fullPeak / 40);
    qunsetenv("SDL_DISKAUDIOFILE");
}

// A looping sound goes on in a new player when its player dies; a file that does not decode is
// passed over for the next one of that name.
TEST_F(PlayerSoundServiceTest, ALoopingSoundOutlivesItsPlayerAndBrokenFilesArePassedOver) {
    QFile broken(dir.filePath("s/CAPS.aif"));
    auto sounds = service();
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("not a sound") > 0);
    broken.close();
    ASSERT_TRUE(QFile::rename(dir.filePath("s/CAPS.aiff"), dir.filePath("s/CAPS.wav")));
    Sound* caps = sounds->soundNamed("CAPS");
    ASSERT_NE(caps, nullptr);
    caps->setLoops(true);
    ASSERT_TRUE(caps->play());
    QTest::qWait(1200);
    ASSERT_TRUE(caps->isPlaying());
    const QList<pid_t> children = childProcesses();
    ASSERT_EQ(children.size(), 1);
    ::kill(children.first(), SIGKILL);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QList<pid_t> now = childProcesses();
            return now.size() == 1 && now != children;
        },
        5000));
    QTest::qWait(700);
    EXPECT_TRUE(caps->isPlaying());
    caps->setLoops(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !caps->isPlaying(); }, 5000));
}

// Told to finish, a player no longer reads its input though it may not have ended yet: a sound
// asked for then plays in a new player.
TEST_F(PlayerSoundServiceTest, ASoundAskedForWhileThePlayerFinishesPlaysInANewOne) {
    SoundPlayerProcess player(KEYVIGIL_SOUND_PLAYER);
    QList<std::uint64_t> ended;
    player.setEndedHandler([&](SoundPlayerProtocol::Ended e) { ended << e.play; });
    ASSERT_TRUE(player.start());
    player.finish();
    ASSERT_TRUE(player.start());
    player.send(SoundPlayerProtocol::soundCommand(1, {KEYVIGIL_CAPS_SOUND}));
    player.send(SoundPlayerProtocol::playCommand(1, 5));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !ended.isEmpty(); }, 5000));
    EXPECT_EQ(ended, QList<std::uint64_t>{5});
}

QStringList loggedLines;
void collectLine(QtMsgType, const QMessageLogContext&, const QString& message) {
    loggedLines << message;
}

// A player that dies at its start is started once more for a looping sound, then given up on;
// each is said once.
TEST_F(PlayerSoundServiceTest, APlayerThatKeepsDyingAtItsStartIsGivenUpOnForALoop) {
    const QString player = dir.filePath("dying-player");
    QFile script(player);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(("#!/bin/sh\necho >> '" + dir.filePath("starts") + "'\nexit 3\n").toUtf8());
    script.close();
    ASSERT_TRUE(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
    auto sounds = service(3s, player);
    Sound* caps = sounds->soundNamed("CAPS");
    ASSERT_NE(caps, nullptr);
    caps->setLoops(true);
    loggedLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectLine);
    ASSERT_TRUE(caps->play());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !caps->isPlaying(); }, 5000));
    QTest::qWait(1000);
    qInstallMessageHandler(previous);
    QFile starts(dir.filePath("starts"));
    ASSERT_TRUE(starts.open(QIODevice::ReadOnly));
    EXPECT_EQ(starts.readAll().count('\n'), 2);
    EXPECT_EQ(loggedLines.size(), 2) << loggedLines.join('\n').toStdString();
    EXPECT_FALSE(sounds->isPlayerRunning());
}

TEST_F(PlayerSoundServiceTest, WithoutThePlayerProgramSoundsExistButNothingPlays) {
    auto sounds = service(3s, dir.filePath("no-player"));
    Sound* caps = sounds->soundNamed("CAPS");
    ASSERT_NE(caps, nullptr);
    EXPECT_FALSE(caps->play());
    EXPECT_FALSE(caps->isPlaying());
}

} // namespace
