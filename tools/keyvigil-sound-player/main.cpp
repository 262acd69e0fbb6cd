// keyvigil-sound-player: plays the helper's warning sounds, so that the sound library and its
// decoders live in a short-lived process of their own instead of in the helper. Reads commands on
// its input (see SoundPlayerProtocol), says on its output when a play is over, and stops every
// sound and exits when its input closes. It links no Qt: a few megabytes less for each warning.
#include "tools/keyvigil-sound-player/SoundPlayer.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <string>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

// The helper passes these lines on to its own log.
void warn(const std::string& line) {
    std::fprintf(stderr, "keyvigil.sound-player: %s\n", line.c_str());
}

// A helper that is gone no longer reads; the player ends with its input soon after.
void say(const std::string& line) {
    std::size_t written = 0;
    while (written < line.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, line.data() + written, line.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        written += static_cast<std::size_t>(n);
    }
}

// Applies the complete lines in `pending`, leaving the start of an unfinished one.
void applyLines(SoundPlayer& player, std::string& pending) {
    std::size_t start = 0;
    for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1) {
        if (const auto command = SoundPlayerProtocol::parseCommand(
                std::string_view(pending).substr(start, end - start)))
            player.apply(*command);
    }
    pending.erase(0, start);
}

} // namespace

int main() {
    // Nothing the helper had open is the player's business, a keyboard device least of all.
    ::close_range(3, ~0U, 0);
    // The audio thread wakes the main thread through this when a channel has ended.
    const int ends = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (ends < 0) {
        warn("cannot make an event descriptor: no sound");
        return 1;
    }
    SoundPlayer player({
        .say = say,
        .channelEnded =
            [ends] {
                const std::uint64_t one = 1;
                // Only fails when the counter is full, and then a wake-up is pending anyway.
                [[maybe_unused]] const ssize_t n = ::write(ends, &one, sizeof one);
            },
        .warn = warn,
    });

    std::string pending;
    pollfd watched[2] = {{STDIN_FILENO, POLLIN, 0}, {ends, POLLIN, 0}};
    for (;;) {
        if (::poll(watched, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (watched[1].revents & POLLIN) {
            std::uint64_t count = 0;
            [[maybe_unused]] const ssize_t n = ::read(ends, &count, sizeof count);
            player.channelsChanged();
        }
        if (watched[0].revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) {
            char buffer[4096];
            const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
            if (n < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            if (n <= 0)
                break;
            pending.append(buffer, static_cast<std::size_t>(n));
            applyLines(player, pending);
        }
    }
    return 0;
}
