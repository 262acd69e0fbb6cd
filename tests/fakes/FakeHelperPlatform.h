#pragma once

#include "platform/AppleEventReceiver.h"
#include "platform/ApplicationEventLoop.h"
#include "platform/DisplayReconfiguration.h"
#include "platform/EventMonitor.h"
#include "platform/Indicators.h"
#include "platform/MenuBarFlasher.h"
#include "platform/Notifier.h"
#include "platform/ProcessInfo.h"
#include "tests/fakes/FakeSoundService.h"
#include "tests/fakes/Journal.h"

#include <map>
#include <optional>
#include <vector>

// Thrown by the fake's exitToShell, so that a test can observe the end of the process.
struct ExitToShellCalled {};

// The helper's platform, sounds aside, as one recording fake: every call is written, in order,
// to one journal, and a test drives the helper through the handlers it installed.
class FakeHelperPlatform : public EventMonitor,
                           public AppleEventReceiver,
                           public DisplayReconfiguration,
                           public ApplicationEventLoop,
                           public ProcessInfo,
                           public MenuBarFlasher,
                           public Notifier,
                           public Indicators {
public:
    void installHandler(EventMonitor::Handler handler, EventTypeSpec type) override {
        keyHandler_ = std::move(handler);
        record(QStringLiteral("monitor installHandler %1 %2"), type);
    }
    void addEventType(EventTypeSpec type) override {
        record(QStringLiteral("monitor addEventType %1 %2"), type);
    }
    // Calls the handler as the monitor would, whether or not the event's type was asked for.
    OSStatus deliver(const MonitorEvent& event) { return keyHandler_(event); }

    void installEventHandler(std::uint32_t eventClass, std::uint32_t eventID,
                             AppleEventReceiver::Handler handler) override {
        eventHandlers_[{eventClass, eventID}] = std::move(handler);
        journal.record(QStringLiteral("appleEvent install %1 %2")
                           .arg(fourCharText(eventClass), fourCharText(eventID)));
    }
    // Runs the installed handler; throws when there is none.
    OSStatus send(std::uint32_t eventClass, std::uint32_t eventID) {
        return eventHandlers_.at({eventClass, eventID})();
    }

    void registerReconfigurationCallback(Callback callback) override {
        displayCallbacks_.push_back(std::move(callback));
        journal.record(QStringLiteral("display registerReconfigurationCallback"));
    }
    // Calls every registered callback, so that a second registration shows as a second call.
    void reconfigure(std::uint32_t display, std::uint32_t changeFlags) {
        for (const Callback& callback : displayCallbacks_)
            callback(display, changeFlags);
    }

    // The loop returns at once.
    void runApplicationEventLoop() override { journal.record(QStringLiteral("eventLoop run")); }
    [[noreturn]] void exitToShell() override {
        journal.record(QStringLiteral("eventLoop exitToShell"));
        throw ExitToShellCalled{};
    }

    // Asked on every key, so it records nothing.
    const QString* frontProcessName() const override { return front ? &*front : nullptr; }

    void flashMenuBar(int menuID) override {
        journal.record(QStringLiteral("flash %1").arg(menuID));
    }

    void setDelegate(const GrowlDelegate& delegate) override {
        journal.record(QStringLiteral("setDelegate \"%1\"").arg(delegate.applicationName));
    }
    void notify(const GrowlNotification& notification) override {
        QString entry = QStringLiteral("notify \"%1\"").arg(notification.notificationName);
        if (!notification.description.isEmpty())
            entry += QStringLiteral(" \"%1\"").arg(notification.description);
        journal.record(entry);
    }

    bool hasStatusItem() const override { return statusItem != u"none"; }
    void buildStatusItem() override { setStatusItem(QStringLiteral("KVOpen"), "buildStatusItem"); }
    void removeStatusItem() override { setStatusItem(QStringLiteral("none"), "removeStatusItem"); }
    void menuBar(std::uint32_t active) override {
        if (hasStatusItem())
            statusItem = active ? QStringLiteral("KVClosed") : QStringLiteral("KVOpen");
        indicators(QStringLiteral("menuBar ") + hexWord(active));
    }
    void closeCenterWindows() override { indicators(QStringLiteral("closeCenterWindows")); }
    void buildCapsCenterWindow() override { indicators(QStringLiteral("buildCapsCenterWindow")); }
    void buildNumCenterWindow() override { indicators(QStringLiteral("buildNumCenterWindow")); }
    void showCapsCenterWindow(bool show) override {
        indicators(QStringLiteral("showCapsCenterWindow ") + yesNo(show));
    }
    void showNumCenterWindow(bool show) override {
        indicators(QStringLiteral("showNumCenterWindow ") + yesNo(show));
    }
    bool hasUpperLeftWindow() const override { return upperLeftWindow; }
    void closeUpperLeftWindow() override {
        upperLeftWindow = false;
        indicators(QStringLiteral("closeUpperLeftWindow"));
    }
    void buildUpperLeftWindow(std::uint32_t mask, OutlineColor outline, std::uint32_t modifiers,
                              int scale = 1) override {
        upperLeftWindow = true;
        indicators(QStringLiteral("buildUpperLeftWindow %1 %2 %3 %4x")
                       .arg(hexWord(mask),
                            outline == OutlineColor::LightGray ? u"LightGray" : u"Clear",
                            hexWord(modifiers), QString::number(scale)));
    }
    void setModifiers(std::uint32_t modifiers) override {
        indicators(QStringLiteral("setModifiers ") + hexWord(modifiers));
    }
    void holdUpperLeftWindowInPlace() override {
        indicators(QStringLiteral("holdUpperLeftWindowInPlace"));
    }

    Journal journal;
    FakeSoundService sounds{journal};
    std::optional<QString> front;                // the front process's name
    QString statusItem = QStringLiteral("none"); // or the icon shown: KVOpen, KVClosed
    bool upperLeftWindow = false;

private:
    void record(const QString& format, EventTypeSpec type) {
        journal.record(format.arg(fourCharText(type.eventClass)).arg(type.eventKind));
    }
    void indicators(const QString& call) { journal.record(QStringLiteral("indicators ") + call); }
    void setStatusItem(const QString& icon, const char* call) {
        statusItem = icon;
        indicators(QString::fromLatin1(call));
    }

    EventMonitor::Handler keyHandler_;
    std::map<std::pair<std::uint32_t, std::uint32_t>, AppleEventReceiver::Handler> eventHandlers_;
    std::vector<Callback> displayCallbacks_;
};
