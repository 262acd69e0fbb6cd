#include "platform/desktop/CoreDumps.h"

#include <cerrno>
#include <cstring>

#include <sys/resource.h>

namespace CoreDumps {

std::optional<QString> disable() {
    const rlimit none{0, 0};
    if (setrlimit(RLIMIT_CORE, &none) == 0)
        return std::nullopt;
    return QStringLiteral("a crash may leave a core dump: its size limit cannot be set: %1")
        .arg(QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace CoreDumps
