#pragma once

#include <QString>

#include <cstdint>
#include <ostream>
#include <vector>

// Writes a 16-bit mono 44.1 kHz WAV file holding a sine tone; false when it cannot be written.
bool writeTone(const QString& path, int milliseconds, double amplitude = 0.5);

// The 16-bit samples of a raw output file as the audio device wrote it.
std::vector<std::int16_t> readSamples(const QString& path);
int peakOf(const std::vector<std::int16_t>& samples);

// A QApplication for the whole test program, made on first use (offscreen when unset).
void ensureApplication();

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
