#include "platform/desktop/PlayerSoundService.h"
#include "platform/desktop/SoundPlayerProcess.h"
#include "platform/desktop/SoundPlayerProtocol.h"
#include "tests/platform/support/SoundChecks.h"
#include "tests/shared/TempHome.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

using namespace std::chrono_literals;
using SoundPlayerProtocol::Command;

namespace {

// The children of this process's threads: the player is the only one.
QList<pid_t> childProcesses() {
    QList<pid_t> children;
    for (const QString& task : QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QByteArray& pid : readFile("/proc/self/task/" + task + "/children").split(' '))
            if (!pid.trimmed().isEmpty())
                children << pid.trimmed().toInt();
    return children;
}

TEST(SoundPlayerProtocolTest, PathsSurviveAnyByteAndBrokenLinesAreRefused) {
    const auto line = [](const std::string& encoded) {
        EXPECT_EQ(std::count(encoded.begin(), encoded.end(), '\n'), 1) << encoded;
        return encoded.substr(0, encoded.size() - 1);
    };
    for (const Command& command : {SoundPlayerProtocol::soundCommand(
                                       7, {"/a b/c%20.aiff", "/new\nline/\xc3\xbc.wav",
                                           std::string("/nul\0\xff%", sizeof("/nul\0\xff%") - 1)}),
                                   SoundPlayerProtocol::playCommand(7, 1ULL << 40),
                                   SoundPlayerProtocol::volumeCommand(7, 0.25f)})
        EXPECT_EQ(SoundPlayerProtocol::parseCommand(line(SoundPlayerProtocol::encode(command))),
                  command);
    for (const char* broken :
         {"", "play", "play x 1", "play 1", "play 1 -2", "play 1 3x", "volume 1 nan",
          "volume 1 0,5", "loops 1 2", "stop 1 2", "sound 1", "jump 1"})
        EXPECT_FALSE(SoundPlayerProtocol::parseCommand(broken)) << broken;
    // A stray '%' stands for itself.
    EXPECT_EQ(SoundPlayerProtocol::parseCommand("sound 2 /a%2/b%")->paths,
              std::vector<std::string>{"/a%2/b%"});
    const auto ended =
        SoundPlayerProtocol::parseEnded(line(SoundPlayerProtocol::encodeEnded({3, 12})));
    ASSERT_TRUE(ended);
    EXPECT_EQ(ended->sound, 3);
    EXPECT_EQ(ended->play, 12u);
    EXPECT_FALSE(SoundPlayerProtocol::parseEnded("ended 3"));
}

// The sounds of the folder, played by the built player program or the one named.
class PlayerSoundServiceTest : public SoundFolderTest {
protected:
    std::unique_ptr<PlayerSoundService> service(std::chrono::milliseconds idleClose = 3s,
                                                const QString& player = KEYVIGIL_SOUND_PLAYER) {
        return std::make_unique<PlayerSoundService>(
            PlayerSoundService::Options{player, {dir.filePath("s")}, idleClose, nullptr});
    }
};

// The player is gone once the sounds have been quiet for the idle spell.
TEST_F(PlayerSoundServiceTest, PlaysOnceOrLoopsAndThePlayerEndsWhenQuiet) {
    auto sounds = service(300ms);
    EXPECT_EQ(sounds->soundNamed("Missing"), nullptr);
    Sound* caps = sounds->soundNamed("CAPS");
    ASSERT_NE(caps, nullptr);
    expectPlaysOnceAndLoops(*caps, [] {});
    EXPECT_TRUE(sounds->isPlayerRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sounds->isPlayerRunning(); }, 5000));
}

// Each play ends in a new player, which must be told the volume set meanwhile.
TEST_F(PlayerSoundServiceTest, SoundsPlayAtTheirVolumeInEachNewPlayer) {
    const QString output = playIntoFile();
    auto sounds = service(50ms);
    Sound* caps = sounds->soundNamed("CAPS");
    ASSERT_NE(caps, nullptr);
    expectPlaysAtItsVolume(*caps, output, [&] { return !sounds->isPlayerRunning(); });
}

// A looping sound goes on in a new player when its player dies; a file that does not decode is
// passed over for the next one of that name.
TEST_F(PlayerSoundServiceTest, ALoopingSoundOutlivesItsPlayerAndBrokenFilesArePassedOver) {
    writeFile(dir.filePath("s/CAPS.aif"), "not a sound");
    ASSERT_TRUE(QFile::rename(dir.filePath("s/CAPS.aiff"), dir.filePath("s/CAPS.wav")));
    auto sounds = service();
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

// A player that dies at its start is started once more for a looping sound, then given up on;
// each is said once. Without the player program, sounds exist but nothing plays.
TEST_F(PlayerSoundServiceTest, APlayerThatKeepsDyingOrIsMissingIsGivenUpOn) {
    const QString player = dir.filePath("dying-player");
    writeFile(player, ("#!/bin/sh\necho >> '" + dir.filePath("starts") + "'\nexit 3\n").toUtf8(),
              true);
    auto sounds = service(3s, player);
    Sound* caps = sounds->soundNamed("CAPS");
    ASSERT_NE(caps, nullptr);
    caps->setLoops(true);
    loggedLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& line) { loggedLines << line; });
    ASSERT_TRUE(caps->play());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !caps->isPlaying(); }, 5000));
    QTest::qWait(1000);
    qInstallMessageHandler(previous);
    EXPECT_EQ(readFile(dir.filePath("starts")).count('\n'), 2);
    EXPECT_EQ(loggedLines.size(), 2) << loggedLines.join('\n').toStdString();
    EXPECT_FALSE(sounds->isPlayerRunning());

    auto missing = service(3s, dir.filePath("no-player"));
    caps = missing->soundNamed("CAPS");
    ASSERT_NE(caps, nullptr);
    EXPECT_FALSE(caps->play());
    EXPECT_FALSE(caps->isPlaying());
}

} // namespace
