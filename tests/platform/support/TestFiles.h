#pragma once

#include "tests/platform/support/TestEventLoop.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

// The largest magnitude among the 16-bit samples of a raw file as the audio device wrote it.
inline int peakOfSamples(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray data = file.readAll();
    int peak = 0;
    for (qsizetype at = 0; at + 1 < data.size(); at += 2) {
        std::int16_t sample;
        std::memcpy(&sample, data.constData() + at, sizeof sample);
        peak = std::max(peak, std::abs(int(sample)));
    }
    return peak;
}
