#pragma once

#include "platform/Sound.h"
#include "tests/platform/support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

// A folder "s" of the test's own holding a copy of the warning sound, a quarter of a second
// long, as "CAPS.aiff"; played through SDL's dummy driver unless a test chooses another.
class SoundFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        ASSERT_TRUE(dir.isValid());
        qputenv("SDL_AUDIODRIVER", "dummy");
        ASSERT_TRUE(QDir().mkpath(dir.filePath("s")));
        ASSERT_TRUE(QFile::copy(KEYVIGIL_CAPS_SOUND, dir.filePath("s/CAPS.aiff")));
    }

    // SDL's disk driver, for the sounds played from now on: it writes what the device plays to
    // the file returned.
    QString playIntoFile() {
        const QString output = dir.filePath("output.raw");
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", output.toLocal8Bit());
        return output;
    }
    void TearDown() override { qunsetenv("SDL_DISKAUDIOFILE"); }

    QTemporaryDir dir;
};

// A warning that comes while its sound plays must not start it a second time; looping turned on
// while the sound plays once goes on after the pass, and turned off mid-play ends with the pass
// under way.
inline void expectPlaysOnceAndLoops(Sound& sound, const std::function<void()>& whileFirstPlays) {
    ASSERT_TRUE(sound.play());
    EXPECT_TRUE(sound.isPlaying());
    EXPECT_FALSE(sound.play());
    whileFirstPlays();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sound.isPlaying(); }, 5000));

    ASSERT_TRUE(sound.play());
    sound.setLoops(true);
    QTest::qWait(700);
    EXPECT_TRUE(sound.isPlaying());
    EXPECT_TRUE(sound.stop());
    EXPECT_FALSE(sound.isPlaying());
    EXPECT_FALSE(sound.stop());

    ASSERT_TRUE(sound.play());
    QTest::qWait(400);
    EXPECT_TRUE(sound.isPlaying());
    sound.setLoops(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sound.isPlaying(); }, 5000));
}

// The file the device's output went to shows the sound and its volume, also for a volume set
// before the output opened again. `closed` says the output is.
inline void expectPlaysAtItsVolume(Sound& sound, const QString& output,
                                   const std::function<bool()>& closed) {
    ASSERT_TRUE(sound.play());
    ASSERT_TRUE(QTest::qWaitFor(closed, 5000));
    const int fullPeak = peakOfSamples(output);
    EXPECT_GT(fullPeak, 14000); // the file is made at -6 dBFS

    sound.setVolume(0.25f);
    ASSERT_TRUE(sound.play());
    ASSERT_TRUE(QTest::qWaitFor(closed, 5000));
    EXPECT_NEAR(peakOfSamples(output), fullPeak / 4, fullPeak / 40);
}
