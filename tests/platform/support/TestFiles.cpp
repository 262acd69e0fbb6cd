#include "tests/platform/support/TestFiles.h"

#include <QApplication>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

void put32(QByteArray& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xff));
}

void put16(QByteArray& out, std::uint16_t value) {
    out.append(char(value & 0xff));
    out.append(char(value >> 8));
}

} // namespace

bool writeTone(const QString& path, int milliseconds, double amplitude) {
    constexpr int rate = 44100;
    const int frames = rate * milliseconds / 1000;
    QByteArray out("RIFF");
    put32(out, 36 + frames * 2);
    out.append("WAVEfmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    out.append("data");
    put32(out, frames * 2);
    for (int n = 0; n < frames; ++n) {
        const double value = amplitude * std::sin(2 * std::numbers::pi * 440.0 * n / rate);
        put16(out, std::uint16_t(std::int16_t(std::lround(value * 32767))));
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

std::vector<std::int16_t> readSamples(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    std::vector<std::int16_t> samples(data.size() / 2);
    std::copy_n(data.constData(), samples.size() * 2, reinterpret_cast<char*>(samples.data()));
    return samples;
}

int peakOf(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (std::int16_t sample : samples)
        peak = std::max(peak, std::abs(int(sample)));
    return peak;
}

void ensureApplication() {
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "platform_audio_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}
