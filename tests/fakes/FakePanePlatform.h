#pragma once

#include "pane/PanePlatform.h"
#include "tests/fakes/Journal.h"

#include <QMap>

#include <optional>
#include <vector>

// The pane's platform fakes, all recording into one journal.

class FakePaneForm : public PaneForm {
public:
    explicit FakePaneForm(Journal& journal) : journal_(journal) {}
    bool state(QLatin1StringView outlet) const override { return states.value(outlet); }
    void setState(QLatin1StringView outlet, bool on) override {
        states[outlet] = on;
        journal_.record(QStringLiteral("form setState %1 %2").arg(outlet, yesNo(on)));
    }
    void setStringValue(QLatin1StringView outlet, const QString& text) override {
        texts[outlet] = text;
    }
    void setHidden(QLatin1StringView outlet, bool hidden) override {
        this->hidden[outlet] = hidden;
        journal_.record(QStringLiteral("form setHidden %1 %2").arg(outlet, yesNo(hidden)));
    }
    void selectTabViewItem(QLatin1StringView, QLatin1StringView item) override {
        journal_.record(QStringLiteral("form select %1").arg(item));
    }

    QMap<QString, bool> states;
    QMap<QString, QString> texts;
    QMap<QString, bool> hidden;

private:
    Journal& journal_;
};

// Processes as a test lists them, in order; each with its creator code.
class FakeProcessManager : public ProcessManager {
public:
    struct Process {
        ProcessSerialNumber psn;
        QString creator;
    };
    OSErr GetNextProcess(ProcessSerialNumber& psn) override {
        for (const Process& process : processes) {
            if (process.psn.lowLongOfPSN > psn.lowLongOfPSN) {
                psn = process.psn;
                return noErr;
            }
        }
        return procNotFound;
    }
    std::optional<QString> fileCreator(const ProcessSerialNumber& psn) override {
        for (const Process& process : processes)
            if (process.psn == psn)
                return process.creator;
        return std::nullopt;
    }
    std::vector<Process> processes;
};

class FakeAppleEventSender : public AppleEventSender {
public:
    explicit FakeAppleEventSender(Journal& journal) : journal_(journal) {}
    OSErr sendAppleEvent(std::uint32_t eventID, const ProcessSerialNumber& target) override {
        journal_.record(
            QStringLiteral("send %1 %2").arg(fourCharText(eventID)).arg(target.lowLongOfPSN));
        return noErr;
    }

private:
    Journal& journal_;
};

class FakeAgentControl : public AgentControl {
public:
    explicit FakeAgentControl(Journal& journal) : journal_(journal) {}
    void load(const QString& file) override { journal_.record("agent load " + file); }
    void unload(const QString& file) override { journal_.record("agent unload " + file); }

private:
    Journal& journal_;
};

class FakePreferencesDomains : public PreferencesDomains {
public:
    explicit FakePreferencesDomains(Journal& journal) : journal_(journal) {}
    std::optional<PlistValue::Dictionary> persistentDomainForName(const QString& name) override {
        return domains.contains(name) ? std::optional(domains.value(name)) : std::nullopt;
    }
    void setPersistentDomainForName(const PlistValue::Dictionary& domain,
                                    const QString& name) override {
        domains[name] = domain;
        journal_.record("domain write " + name);
    }
    QMap<QString, PlistValue::Dictionary> domains;

private:
    Journal& journal_;
};

class FakeWorkspace : public Workspace {
public:
    explicit FakeWorkspace(Journal& journal) : journal_(journal) {}
    bool openFile(const QString& path) override {
        journal_.record("open " + path);
        return true;
    }
    bool launchTask(const QString& program, const QStringList& arguments) override {
        journal_.record("launch " + program + ' ' + arguments.join(' '));
        return true;
    }

private:
    Journal& journal_;
};

class FakePaneHost : public PaneHost {
public:
    explicit FakePaneHost(Journal& journal) : journal_(journal) {}
    void runAlertPanel(const QString& title, const QString& message,
                       const QString& button) override {
        journal_.record(QStringLiteral("alert %1 | %2 | %3").arg(title, message, button));
    }
    void terminate() override { journal_.record(QStringLiteral("terminate")); }
    qint64 processIdentifier() const override { return 4242; }

private:
    Journal& journal_;
};

struct FakePanePlatform {
    Journal journal;
    FakePaneHost host{journal};
    FakePaneForm form{journal};
    FakeProcessManager processes;
    FakeAppleEventSender appleEvents{journal};
    FakeAgentControl agents{journal};
    FakePreferencesDomains domains{journal};
    FakeWorkspace workspace{journal};
};
