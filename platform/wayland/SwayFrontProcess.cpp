#include "platform/wayland/SwayFrontProcess.h"

#include "platform/desktop/ProcessName.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstring>

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
    if (path.isEmpty())
        return;
    QObject::connect(&socket_, &QLocalSocket::readyRead, &socket_, [this] { readMessages(); });
    socket_.connectToServer(path);
    if (!socket_.waitForConnected(1000))
        return;
    send(kSubscribe, QByteArrayLiteral("[\"window\"]"));
    send(kGetTree, {});
}

void SwayFrontProcess::send(quint32 type, const QByteArray& payload) {
    QByteArray message(kMagic, 6);
    quint32 header[2] = {quint32(payload.size()), type};
    // The protocol uses the machine's own byte order.
    message.append(reinterpret_cast<const char*>(header), sizeof header);
    message.append(payload);
    socket_.write(message);
}

void SwayFrontProcess::readMessages() {
    buffer_.append(socket_.readAll());
    while (buffer_.size() >= kHeaderSize) {
        if (!buffer_.startsWith(kMagic)) {
            socket_.abort();
            return;
        }
        quint32 length = 0;
        quint32 type = 0;
        std::memcpy(&length, buffer_.constData() + 6, 4);
        std::memcpy(&type, buffer_.constData() + 10, 4);
        if (length > kMaximumMessage) {
            socket_.abort();
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
