#include "platform/wayland/WaylandBackend.h"

#include "platform/wayland/KWinFrontProcess.h"
#include "platform/wayland/LayerShellWindows.h"
#include "platform/wayland/SwayFrontProcess.h"
#include "platform/wayland/WaylandEventMonitor.h"
#include "shared/ProgramLog.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// Where the compositor tells nobody which window has the focus.
class NoFrontProcess final : public ProcessInfo {
public:
    const QString* frontProcessName() const override { return nullptr; }
};

} // namespace

WaylandBackend::WaylandBackend(std::unique_ptr<WindowServices> windows, const QString& windowsNote)
    : windows_(std::move(windows)) {
    connection_.setLostHandler([this] {
        qCCritical(programLog).noquote()
            << "the Wayland compositor ended the connection:" << connection_.lostReason();
        QCoreApplication::exit(1);
    });
    std::vector<QByteArray> interfaces;
    for (const WaylandConnection::Global& global : connection_.globals())
        interfaces.push_back(global.interface);
    compositor_ = identifyCompositor(interfaces);
    monitor_ = std::make_unique<WaylandEventMonitor>(connection_, compositor_);

    QStringList lines{QStringLiteral("Wayland session on %1").arg(compositorName(compositor_))};
    lines << monitor_->report();
    auto sway =
        compositor_ == WaylandCompositor::Wlroots ? std::make_unique<SwayFrontProcess>() : nullptr;
    auto kwin =
        compositor_ == WaylandCompositor::KWin ? std::make_unique<KWinFrontProcess>() : nullptr;
    if (sway && sway->isConnected()) {
        front_ = std::move(sway);
        lines << QStringLiteral("the front application from sway");
    } else if (kwin && kwin->isWatching()) {
        front_ = std::move(kwin);
        lines << QStringLiteral("the front application from KWin, through a script of ours");
    } else {
        front_ = std::make_unique<NoFrontProcess>();
        lines << QStringLiteral("%1 does not say which application is in front: excluded "
                                "applications are not recognised")
                     .arg(compositorName(compositor_));
    }
    if (connection_.find("zwlr_layer_shell_v1")) {
        windows_ = std::make_unique<LayerShellWindows>(connection_);
        lines << QStringLiteral("indicators drawn on the compositor's overlay layer");
    } else {
        windows_ = std::move(windows);
        lines << windowsNote;
    }
    for (const QString& line : std::as_const(lines))
        qCInfo(programLog).noquote() << line;
}

WaylandBackend::~WaylandBackend() = default;

QString WaylandBackend::displayProblem() {
    return WaylandConnection::displayProblem();
}

bool WaylandBackend::offersLayerShell() {
    const std::vector<QByteArray> interfaces = WaylandConnection::offeredInterfaces();
    return std::find(interfaces.begin(), interfaces.end(), "zwlr_layer_shell_v1") !=
           interfaces.end();
}

EventMonitor& WaylandBackend::eventMonitor() {
    return *monitor_;
}
