#pragma once

#include "tests/helper/HelperFixture.h"

#include <QStringList>

// Replays a warning-rule script against a helper on fakes. Each action's calls into the
// platform must be matched, in order, by the `expect` lines that follow it. Failures are
// reported as test failures naming the script line.
class ScenarioRunner {
public:
    explicit ScenarioRunner(QString scriptPath) : scriptPath_(std::move(scriptPath)) {}
    void run();

private:
    void runLine(const QString& line);
    void action(const QString& command, const QString& rest);
    void expect(const QString& what);
    void collect();
    bool isIgnored(const QString& entry) const;
    void checkAllExpected();

    void deliverModifiers(bool readable = true);
    void deliverKey(std::uint32_t kind, const QString& keyText);
    void setModifier(std::uint32_t bit, const QString& state);
    QString state(const QString& name) const;
    void fail(const QString& message) const;

    QString scriptPath_;
    int lineNumber_ = 0;
    HelperFixture fixture_;
    QStringList ignored_{QStringLiteral("monitor "), QStringLiteral("appleEvent "),
                         QStringLiteral("display "), QStringLiteral("eventLoop run")};
    QStringList pending_;
    std::uint32_t held_ = 0;
    OSStatus lastResult_ = noErr;
};
