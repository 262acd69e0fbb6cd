#include "platform/wayland/SwayFrontProcess.h"

#include "platform/desktop/ProcessName.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr char kMagic[] = "i3-ipc";
constexpr int kHeaderSize = 6 + 4 + 4;
constexpr quint32 kGetTree = 4;
constexpr quint32 kSubscribe = 2;
constexpr quint32 kWindowEvent = 0x80000003;
// A tree of many windows is large; anything past this is no reply of sway's.
constexpr quint32 kMaximumMessage = 64 * 1024 * 1024;

std::optional<qint64> pidOf(const QJsonObject& node) {
    const QJsonValue pid = node.value(QLatin1String("pid"));
    return pid.isDouble() && pid.toDouble() > 0 ? std::optional(qint64(pid.toDouble()))
                                                : std::nullopt;
}

// The focused leaf of the tree, searched depth first through tiled and floating nodes.
std::optional<qint64> focusedIn(const QJsonObject& node) {
    if (node.value(QLatin1String("focused")).toBool())
        return pidOf(node);
    for (const char* children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue child : node.value(QLatin1String(children)).toArray()) {
            if (const auto pid = focusedIn(child.toObject()))
                return pid;
        }
    }
    return std::nullopt;
}

} // namespace

SwayFrontProcess::SwayFrontProcess(const QString& socketPath) {
    const QString path = socketPath.isEmpty() ? qEnvironmentVariable("SWAYSOCK") : socketPath;
    const QByteArray name = path.toLocal8Bit();
    sockaddr_un address{};
    if (name.isEmpty() || size_t(name.size()) >= sizeof address.sun_path)
        return;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0)
        return;
    // A local connection is made or refused at once; the requests are a few bytes, written
    // whole before the socket turns non-blocking for the replies.
    if (::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        !send(kSubscribe, QByteArrayLiteral("[\"window\"]")) || !send(kGetTree, {}) ||
        ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) | O_NONBLOCK) != 0) {
        disconnect();
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { readMessages(); });
}

SwayFrontProcess::~SwayFrontProcess() {
    notifier_.reset();
    disconnect();
}

void SwayFrontProcess::disconnect() {
    // Called from the notifier's own signal too: it is deleted once that has returned.
    if (notifier_) {
        notifier_->setEnabled(false);
        notifier_.release()->deleteLater();
    }
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool SwayFrontProcess::send(quint32 type, const QByteArray& payload) {
    QByteArray message(kMagic, 6);
    quint32 header[2] = {quint32(payload.size()), type};
    // The protocol uses the machine's own byte order.
    message.append(reinterpret_cast<const char*>(header), sizeof header);
    message.append(payload);
    for (qsizetype sent = 0; sent < message.size();) {
        const ssize_t n =
            ::send(fd_, message.constData() + sent, size_t(message.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += n;
    }
    return true;
}

void SwayFrontProcess::readMessages() {
    char chunk[16 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd_, chunk, sizeof chunk);
        if (n > 0) {
            buffer_.append(chunk, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
            // Sway has gone: the last front application is kept, as with no sway at all.
            disconnect();
        }
        break;
    }
    while (buffer_.size() >= kHeaderSize) {
        if (!buffer_.startsWith(kMagic)) {
            disconnect();
            return;
        }
        quint32 length = 0;
        quint32 type = 0;
        std::memcpy(&length, buffer_.constData() + 6, 4);
        std::memcpy(&type, buffer_.constData() + 10, 4);
        if (length > kMaximumMessage) {
            disconnect();
            return;
        }
        if (buffer_.size() < kHeaderSize + qsizetype(length))
            return;
        const QByteArray payload = buffer_.mid(kHeaderSize, length);
        buffer_.remove(0, kHeaderSize + length);
        if (type == kGetTree)
            setFront(focusedPid(payload, false));
        else if (type == kWindowEvent) {
            if (const auto pid = focusedPid(payload, true))
                setFront(pid);
        }
    }
}

std::optional<qint64> SwayFrontProcess::focusedPid(const QByteArray& json, bool isEvent) {
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    if (!isEvent)
        return focusedIn(root);
    if (root.value(QLatin1String("change")).toString() != QLatin1String("focus"))
        return std::nullopt;
    return pidOf(root.value(QLatin1String("container")).toObject());
}

void SwayFrontProcess::setFront(std::optional<qint64> pid) {
    if (!pid) {
        frontName_.reset();
        return;
    }
    const QString name = executableNameOfProcess(pid_t(*pid));
    frontName_ = name.isEmpty() ? std::nullopt : std::optional(name);
}
