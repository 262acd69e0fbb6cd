// keyvigil-sound-player: plays the helper's warning sounds, so that the sound library and its
// decoders live in a short-lived process of their own instead of in the helper. Reads commands on
// its input (see SoundPlayerProtocol), says on its output when a play is over, and stops every
// sound and exits when its input closes.
#include "shared/ProgramLog.h"
#include "tools/keyvigil-sound-player/SoundPlayer.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>

#include <unistd.h>

int main(int argc, char** argv) {
    setProgramLogName("keyvigil.sound-player");
    // Nothing the helper had open is the player's business, a keyboard device least of all.
    ::close_range(3, ~0U, 0);
    QCoreApplication app(argc, argv);

    SoundPlayer player([](const QByteArray& line) {
        // A helper that is gone no longer reads; the player ends with its input soon after.
        qsizetype written = 0;
        while (written < line.size()) {
            const ssize_t n = ::write(STDOUT_FILENO, line.constData() + written,
                                      static_cast<size_t>(line.size() - written));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return;
            written += n;
        }
    });

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[4096];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            return;
        if (n <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        pending.append(buffer, n);
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            if (const auto command = SoundPlayerProtocol::parseCommand(pending.left(end)))
                player.apply(*command);
            pending.remove(0, end + 1);
        }
    });
    return QCoreApplication::exec();
}
