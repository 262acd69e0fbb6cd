// Watches the file SDL's disk audio driver writes and stamps, with CLOCK_REALTIME, the moment
// sound (a non-zero sample after a stretch of silence) first shows up in it.
//
//   audio_onset FILE [POLL_US] [SILENCE_BYTES]
//
// Prints one line per event, flushed at once:
//   open <ms> <generation>       the file appeared, or was rewritten from the start
//   onset <ms> <offset> <generation> <interval_ms> <step_bytes>
// where offset is the byte offset of the first loud sample in this generation of the file,
// interval_ms the recent mean time between growths of the file and step_bytes the size of the
// growth that brought the sound: together they say how coarse the writer's steps are.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

double realtimeMs() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: audio_onset FILE [POLL_US] [SILENCE_BYTES]\n");
        return 2;
    }
    const char* path = argv[1];
    const long pollMicros = argc > 2 ? std::atol(argv[2]) : 200;
    // 0.1 s of 16-bit stereo at 44.1 kHz: the warning sound has no gap that long inside it.
    const long silenceBytes = argc > 3 ? std::atol(argv[3]) : 17640;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    const timespec pause{0, pollMicros * 1000};
    int fd = -1;
    off_t offset = 0;
    long silentFor = silenceBytes;
    int generation = 0;
    double lastGrowth = 0;
    double meanInterval = 0;
    std::vector<char> buffer(1 << 20);

    for (;;) {
        if (fd < 0) {
            fd = open(path, O_RDONLY);
            if (fd < 0) {
                clock_nanosleep(CLOCK_MONOTONIC, 0, &pause, nullptr);
                continue;
            }
            std::printf("open %.3f %d\n", realtimeMs(), ++generation);
        }
        struct stat info {};
        if (fstat(fd, &info) != 0)
            return 1;
        if (info.st_size < offset) {
            // The driver opens its file for writing afresh each time the output opens.
            std::printf("open %.3f %d\n", realtimeMs(), ++generation);
            offset = 0;
            silentFor = silenceBytes;
            lastGrowth = 0;
            meanInterval = 0;
        }
        if (info.st_size > offset) {
            const double now = realtimeMs();
            const off_t step = info.st_size - offset;
            if (lastGrowth > 0) {
                const double interval = now - lastGrowth;
                meanInterval = meanInterval == 0 ? interval : 0.9 * meanInterval + 0.1 * interval;
            }
            lastGrowth = now;
            // Whole samples only; a torn sample is read again next time.
            while (offset + 1 < info.st_size) {
                const size_t want = std::min<size_t>(buffer.size(), (info.st_size - offset) & ~1);
                const ssize_t got = pread(fd, buffer.data(), want, offset);
                if (got <= 1)
                    break;
                const size_t samples = static_cast<size_t>(got) / 2;
                for (size_t i = 0; i < samples; ++i) {
                    std::int16_t sample = 0;
                    std::memcpy(&sample, buffer.data() + 2 * i, 2);
                    if (sample == 0) {
                        silentFor += 2;
                        continue;
                    }
                    if (silentFor >= silenceBytes)
                        std::printf("onset %.3f %lld %d %.3f %lld\n", now,
                                    static_cast<long long>(offset + 2 * i), generation,
                                    meanInterval, static_cast<long long>(step));
                    silentFor = 0;
                }
                offset += static_cast<off_t>(samples * 2);
            }
        }
        clock_nanosleep(CLOCK_MONOTONIC, 0, &pause, nullptr);
    }
}
