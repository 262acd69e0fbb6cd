#pragma once

#include "platform/StatusIcons.h"

#include <QDBusConnection>
#include <QObject>

// The panels that host status-notifier items, followed on the session bus: available while the
// watcher says a host is registered (a watcher with no panel shows nothing), and told through the
// watcher's own signals, so nothing runs while the helper sits idle.
class StatusNotifierHost final : public QObject, public StatusIconHost {
    Q_OBJECT
public:
    // `title` names the items made here. A bus that is not connected has no host.
    StatusNotifierHost(const QDBusConnection& bus, const QString& title);

    bool available() const override { return hostRegistered_; }
    void setAppearedHandler(std::function<void()> handler) override {
        appeared_ = std::move(handler);
    }
    std::unique_ptr<StatusIcon> makeIcon() override;

private slots:
    void hostRegistered();

private:
    void askWhetherHostRegistered(bool waitForReply);

    QDBusConnection bus_;
    const QString title_;
    bool hostRegistered_ = false;
    std::function<void()> appeared_;
};
