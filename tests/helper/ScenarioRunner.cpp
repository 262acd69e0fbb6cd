#include "tests/helper/HelperFixture.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <algorithm>

// Replays the scenario files in scenarios/ against a helper on fakes. A line is an action
// (settings KEY VALUE, start, caps on, type ABC, key 'x' mods 0x0, reload, ...), `ignore
// PREFIX`, which drops the calls so named from the last action on, `watch PREFIX`, which takes
// back an ignore (the monitor, Apple event, display and event loop calls are ignored unless
// watched), or `expect` with the next call the platform saw, `nothing` (no more calls), `result
// R` or `state NAME VALUE`. Every call an action makes must be expected before the next action.
using namespace Qt::StringLiterals;

namespace {

// What an event carries in a parameter that could not be read: must never be used.
constexpr std::uint32_t kUnreadWord = 0xFFFFFFFF;

const QHash<QString, std::uint32_t> kModifierKeys{
    {"caps", ModifierMask::capsLock},   {"num", ModifierMask::numLock},
    {"shift", ModifierMask::shift},     {"command", ModifierMask::command},
    {"control", ModifierMask::control}, {"option", ModifierMask::option},
    {"fn", ModifierMask::function}};
const QHash<QString, std::uint32_t> kKeyKinds{
    {"key", kEventRawKeyDown}, {"repeat", kEventRawKeyRepeat}, {"keyup", kEventRawKeyUp}};

// YES, NO, or in JSON 7, -1, 0.5, "text", ["a", "b"]
std::optional<PlistValue> parseValue(const QString& text) {
    if (text == u"YES" || text == u"NO")
        return PlistValue::fromBool(text == u"YES");
    const QJsonValue value = QJsonDocument::fromJson('[' + text.toUtf8() + ']').array().at(0);
    if (value.isArray())
        return PlistValue::fromStringList(value.toVariant().toStringList());
    if (value.isString())
        return PlistValue::fromString(value.toString());
    if (value.isDouble())
        return text.contains(u'.') ? PlistValue::fromFloat(float(value.toDouble()))
                                   : PlistValue::fromInt(value.toInteger());
    return std::nullopt;
}

class ScenarioRunner {
public:
    explicit ScenarioRunner(QString path) : path_(std::move(path)) {}

    void run() {
        QFile script(path_);
        if (!script.open(QIODevice::ReadOnly | QIODevice::Text))
            return fail(u"cannot read the script"_s);
        while (!script.atEnd()) {
            ++line_;
            const QString text = QString::fromUtf8(script.readLine()).trimmed();
            if (text.isEmpty() || text.startsWith(u'#'))
                continue;
            const QString command = text.section(u' ', 0, 0);
            const QString rest = text.section(u' ', 1).trimmed();
            if (command == u"expect") {
                expect(rest.startsWith(u"result ") ? u"state "_s + rest : rest);
            } else if (command == u"ignore") {
                ignored_.append(rest);
            } else if (command == u"watch") {
                ignored_.removeAll(rest);
            } else {
                expectNothingMore();
                act(command, rest);
            }
        }
        expectNothingMore();
    }

private:
    void act(const QString& command, const QString& rest) {
        FakeHelperPlatform& fakes = fixture_.fakes;
        bool ok = true;
        if (command == u"settings") {
            const auto value = parseValue(rest.section(u' ', 1));
            ok = value.has_value();
            if (ok)
                fixture_.store(rest.section(u' ', 0, 0), value);
        } else if (command == u"delete-store") {
            fixture_.deleteStore();
        } else if (command == u"sounds") {
            for (const QString& name : rest.split(u' ', Qt::SkipEmptyParts))
                fakes.sounds.addSound(name);
        } else if (command == u"start") {
            lastResult_ = fixture_.start();
        } else if (command == u"front") {
            fakes.front = rest == u"none" ? std::nullopt : std::optional(rest);
        } else if (command == u"appkit") {
            fixture_.platform.NSAppKitVersionNumber = rest.toDouble(&ok);
        } else if (kModifierKeys.contains(command)) {
            const bool down = rest == u"on" || rest == u"down";
            ok = down || rest == u"off" || rest == u"up";
            held_ = down ? held_ | kModifierKeys[command] : held_ & ~kModifierKeys[command];
            deliver({kEventClassKeyboard, kEventRawKeyModifiersChanged, true, held_, false, 0});
        } else if (command == u"modifiers") {
            const bool readable = rest != u"unreadable";
            if (readable)
                held_ = rest.toUInt(&ok, 0);
            deliver({kEventClassKeyboard, kEventRawKeyModifiersChanged, readable,
                     readable ? held_ : kUnreadWord, false, 0});
        } else if (command == u"type") {
            for (const QChar c : rest)
                ok = deliverKey(kEventRawKeyDown, u'\'' + QString(c) + u'\'') && ok;
        } else if (kKeyKinds.contains(command)) {
            ok = deliverKey(kKeyKinds[command], rest);
        } else if (command == u"command-event") {
            deliver({kEventClassCommand, kEventCommandProcess, true, held_, false, 0});
        } else if (command == u"reload") {
            lastResult_ = fakes.send(kCoreEventClass, kAEReopenApplication);
        } else if (command == u"quit") {
            try {
                fakes.send(kCoreEventClass, kAEQuitApplication);
                fail(u"the quit event returned"_s);
            } catch (const ExitToShellCalled&) {
            }
        } else if (command == u"display") {
            fakes.reconfigure(1, rest.toUInt(&ok, 0));
        } else if (command == u"pause") {
            ok = rest == u"on" || rest == u"off";
            fixture_.helper.pauseWarnings(rest == u"on");
        } else if (command == u"wait") {
            fakes.sounds.letTimePass();
        } else {
            ok = false;
        }
        if (!ok)
            fail(u"cannot read \"%1\""_s.arg((command + u' ' + rest).trimmed()));
    }

    // 'A', 0x0d or none, then optionally "mods 0x400" or "nomods" (the word cannot be read).
    bool deliverKey(std::uint32_t kind, QString key) {
        MonitorEvent event{kEventClassKeyboard, kind, true, held_, true, 0};
        bool ok = true;
        if (const qsizetype at = key.lastIndexOf(u" mods "); at >= 0) {
            event.kmod = key.mid(at + 6).toUInt(&ok, 0);
            key.truncate(at);
        } else if (key.endsWith(u" nomods")) {
            event.hasModifiers = false;
            event.kmod = kUnreadWord;
            key.chop(7);
        }
        const bool quoted = key.size() == 3 && key.startsWith(u'\'') && key.endsWith(u'\'');
        bool read = true;
        const uint character = quoted ? key[1].unicode() : key.toUInt(&read, 0);
        event.hasCharacter = key != u"none";
        event.kchr = std::uint8_t(character);
        deliver(event);
        return ok && (read || !event.hasCharacter) && character <= 0xFF;
    }

    void deliver(const MonitorEvent& event) { lastResult_ = fixture_.fakes.deliver(event); }

    void expect(const QString& what) {
        QStringList& calls = pending();
        if (what == u"nothing") {
            expectNothingMore();
        } else if (what.startsWith(u"state ")) {
            const QString name = what.section(u' ', 1, 1), expected = what.section(u' ', 2);
            if (const QString actual = state(name); actual != expected)
                fail(u"%1 is %2, expected %3"_s.arg(name, actual, expected));
        } else if (calls.isEmpty()) {
            fail(u"expected \"%1\", but nothing more happened"_s.arg(what));
        } else if (const QString call = calls.takeFirst(); call != what) {
            fail(u"expected \"%1\", but got \"%2\""_s.arg(what, call));
        }
    }

    QString state(const QString& name) {
        const MonitorState& m = fixture_.helper.monitorState();
        const FakeSound* caps = fixture_.fakes.sounds.sound(u"CAPS"_s);
        const QHash<QString, QString> states{
            {"result", lastResult_ == noErr                ? u"noErr"_s
                       : lastResult_ == eventNotHandledErr ? u"eventNotHandledErr"_s
                                                           : QString::number(lastResult_)},
            {"capsCount", QString::number(m.capsCount)},
            {"warnCapsLimitCounter", QString::number(m.warnCapsLimitCounter)},
            {"modifiers", hexWord(m.modifiers)},
            {"capsLockON", yesNo(m.capsLockON)},
            {"excludeWordsBuffer", u'"' + m.excludeWordsBuffer + u'"'},
            {"statusItem", fixture_.fakes.statusItem},
            {"soundPlaying", yesNo(caps && caps->isPlaying())}};
        if (!states.contains(name))
            fail(u"unknown state: "_s + name);
        return states.value(name);
    }

    // The calls the platform saw since the last check, less the ignored ones.
    QStringList& pending() {
        pending_ += fixture_.fakes.journal.take();
        pending_.removeIf([&](const QString& call) {
            return std::any_of(ignored_.begin(), ignored_.end(), [&](const QString& prefix) {
                return call == prefix || call.startsWith(prefix + u' ');
            });
        });
        return pending_;
    }
    void expectNothingMore() {
        for (const QString& call : std::exchange(pending(), {}))
            fail(u"unexpected \"%1\""_s.arg(call));
    }
    void fail(const QString& message) {
        ADD_FAILURE_AT(path_.toStdString().c_str(), line_) << message.toStdString();
    }

    QString path_;
    int line_ = 0;
    HelperFixture fixture_;
    QStringList ignored_{u"monitor"_s, u"appleEvent"_s, u"display"_s, u"eventLoop run"_s};
    QStringList pending_;
    std::uint32_t held_ = 0;
    OSStatus lastResult_ = noErr;
};

class Scenario : public testing::TestWithParam<std::string> {};

TEST_P(Scenario, Replays) {
    ScenarioRunner(QStringLiteral(KEYVIGIL_SCENARIO_DIR "/%1.txt").arg(GetParam().c_str())).run();
}

// One test per file, named after it: so a file's name is letters, digits and underscores.
INSTANTIATE_TEST_SUITE_P(Warnings, Scenario, testing::ValuesIn([] {
                             std::vector<std::string> names;
                             for (const QFileInfo& file :
                                  QDir(KEYVIGIL_SCENARIO_DIR).entryInfoList({"*.txt"}, QDir::Files))
                                 names.push_back(file.completeBaseName().toStdString());
                             return names;
                         }()),
                         [](const auto& info) { return info.param; });

} // namespace
