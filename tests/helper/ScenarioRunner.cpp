#include "tests/helper/ScenarioRunner.h"

#include "platform/AppleEventReceiver.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// YES, NO, 7, -1, 0.5, "text", ["a", "b"]
std::optional<PlistValue> parseValue(const QString& text) {
    static const QRegularExpression integer(QStringLiteral("^-?\\d+$"));
    static const QRegularExpression real(QStringLiteral("^-?\\d*\\.\\d+$"));
    static const QRegularExpression quoted(QStringLiteral("\"([^\"]*)\""));
    if (text == u"YES" || text == u"NO")
        return PlistValue::fromBool(text == u"YES");
    if (integer.match(text).hasMatch())
        return PlistValue::fromInt(text.toLongLong());
    if (real.match(text).hasMatch())
        return PlistValue::fromFloat(text.toFloat());
    if (text.startsWith(u'[')) {
        QStringList items;
        for (const auto& match : quoted.globalMatch(text))
            items.append(match.captured(1));
        return PlistValue::fromStringList(items);
    }
    if (text.startsWith(u'"') && text.endsWith(u'"') && text.size() >= 2)
        return PlistValue::fromString(text.mid(1, text.size() - 2));
    return std::nullopt;
}

// What an event carries in a parameter that could not be read: must never be used.
constexpr std::uint32_t kUnreadWord = 0xFFFFFFFF;

const QHash<QString, std::uint32_t> kModifierKeys{
    {"caps", ModifierMask::capsLock},   {"num", ModifierMask::numLock},
    {"shift", ModifierMask::shift},     {"command", ModifierMask::command},
    {"control", ModifierMask::control}, {"option", ModifierMask::option},
    {"fn", ModifierMask::function}};

std::uint32_t parseWord(const QString& text, bool* ok) {
    return text.toUInt(ok, 0);
}

} // namespace

void ScenarioRunner::run() {
    QFile script(scriptPath_);
    if (!script.open(QIODevice::ReadOnly | QIODevice::Text)) {
        fail(QStringLiteral("cannot read the script"));
        return;
    }
    while (!script.atEnd()) {
        ++lineNumber_;
        const QString line = QString::fromUtf8(script.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(u'#'))
            runLine(line);
    }
    collect();
    checkAllExpected();
}

void ScenarioRunner::runLine(const QString& line) {
    const qsizetype space = line.indexOf(u' ');
    const QString command = line.left(space);
    const QString rest = space < 0 ? QString() : line.mid(space + 1).trimmed();
    if (command == u"expect") {
        collect();
        expect(rest);
        return;
    }
    if (command == u"ignore") {
        // Applies to what the last action did as well.
        ignored_.append(rest + u' ');
        collect();
        pending_.removeIf([&](const QString& entry) { return isIgnored(entry); });
        return;
    }
    collect();
    checkAllExpected();
    action(command, rest);
}

void ScenarioRunner::action(const QString& command, const QString& rest) {
    const QStringList words = rest.split(u' ', Qt::SkipEmptyParts);
    if (command == u"settings") {
        const qsizetype space = rest.indexOf(u' ');
        const auto value = parseValue(rest.mid(space + 1).trimmed());
        if (space < 0 || !value)
            fail(QStringLiteral("unreadable setting: ") + rest);
        else
            fixture_.store(rest.left(space), value);
    } else if (command == u"delete-store") {
        fixture_.deleteStore();
    } else if (command == u"sounds") {
        for (const QString& name : words)
            fixture_.fakes.sounds.addSound(name);
    } else if (command == u"start") {
        fixture_.start();
    } else if (command == u"front") {
        fixture_.fakes.processInfo.front =
            rest == u"none" ? std::nullopt : std::optional<QString>(rest);
    } else if (command == u"appkit") {
        fixture_.platform.NSAppKitVersionNumber = rest.toDouble();
    } else if (kModifierKeys.contains(command)) {
        setModifier(kModifierKeys.value(command), rest);
    } else if (command == u"modifiers") {
        bool ok = rest == u"unreadable";
        if (!ok)
            held_ = parseWord(rest, &ok);
        if (!ok)
            fail(QStringLiteral("unreadable modifier word: ") + rest);
        deliverModifiers(rest != u"unreadable");
    } else if (command == u"type") {
        for (const QChar c : rest)
            deliverKey(kEventRawKeyDown, QStringLiteral("'%1'").arg(c));
    } else if (command == u"key") {
        deliverKey(kEventRawKeyDown, rest);
    } else if (command == u"repeat") {
        deliverKey(kEventRawKeyRepeat, rest);
    } else if (command == u"keyup") {
        deliverKey(kEventRawKeyUp, rest);
    } else if (command == u"command-event") {
        MonitorEvent event{kEventClassCommand, kEventCommandProcess, true, held_, false, 0};
        lastResult_ = fixture_.fakes.eventMonitor.deliver(event);
    } else if (command == u"reload") {
        lastResult_ = fixture_.fakes.appleEvents.send(kCoreEventClass, kAEReopenApplication);
    } else if (command == u"quit") {
        try {
            fixture_.fakes.appleEvents.send(kCoreEventClass, kAEQuitApplication);
            fail(QStringLiteral("the quit event returned"));
        } catch (const ExitToShellCalled&) {
        }
    } else if (command == u"display") {
        bool ok = false;
        const std::uint32_t flags = parseWord(rest, &ok);
        if (!ok)
            fail(QStringLiteral("unreadable change flags: ") + rest);
        fixture_.fakes.displays.reconfigure(1, flags);
    } else if (command == u"wait") {
        fixture_.fakes.sounds.letTimePass();
    } else {
        fail(QStringLiteral("unknown command: ") + command);
    }
}

void ScenarioRunner::setModifier(std::uint32_t bit, const QString& state) {
    if (state == u"on" || state == u"down")
        held_ |= bit;
    else if (state == u"off" || state == u"up")
        held_ &= ~bit;
    else
        fail(QStringLiteral("on/off or down/up expected, not ") + state);
    deliverModifiers();
}

void ScenarioRunner::deliverModifiers(bool readable) {
    MonitorEvent event{kEventClassKeyboard,
                       kEventRawKeyModifiersChanged,
                       readable,
                       readable ? held_ : kUnreadWord,
                       false,
                       0};
    lastResult_ = fixture_.fakes.eventMonitor.deliver(event);
}

// 'A', 0x0d or none, then optionally "mods 0x400" or "nomods" (the word cannot be read).
void ScenarioRunner::deliverKey(std::uint32_t kind, const QString& keyText) {
    MonitorEvent event{kEventClassKeyboard, kind, true, held_, true, 0};
    QString character = keyText;
    const qsizetype modsAt = keyText.lastIndexOf(QStringLiteral(" mods "));
    if (modsAt >= 0) {
        bool ok = false;
        event.kmod = parseWord(keyText.mid(modsAt + 6), &ok);
        if (!ok)
            fail(QStringLiteral("unreadable modifier word: ") + keyText);
        character = keyText.left(modsAt);
    } else if (keyText.endsWith(QStringLiteral(" nomods"))) {
        event.hasModifiers = false;
        event.kmod = kUnreadWord;
        character = keyText.chopped(7);
    }
    if (character == u"none") {
        event.hasCharacter = false;
    } else if (character.size() == 3 && character.startsWith(u'\'') && character.endsWith(u'\'')) {
        if (character[1].unicode() > 0xFF)
            fail(QStringLiteral("not a Latin-1 character: ") + character);
        event.kchr = std::uint8_t(character[1].unicode());
    } else {
        bool ok = false;
        event.kchr = std::uint8_t(parseWord(character, &ok));
        if (!ok)
            fail(QStringLiteral("unreadable character: ") + character);
    }
    lastResult_ = fixture_.fakes.eventMonitor.deliver(event);
}

void ScenarioRunner::expect(const QString& what) {
    if (what == u"nothing") {
        checkAllExpected();
    } else if (what.startsWith(QStringLiteral("result "))) {
        const QString result = lastResult_ == noErr ? QStringLiteral("noErr")
                               : lastResult_ == eventNotHandledErr
                                   ? QStringLiteral("eventNotHandledErr")
                                   : QString::number(lastResult_);
        if (result != what.mid(7))
            fail(QStringLiteral("result %1, expected %2").arg(result, what.mid(7)));
    } else if (what.startsWith(QStringLiteral("state "))) {
        const QStringList parts = what.mid(6).split(u' ', Qt::SkipEmptyParts);
        const QString actual = parts.isEmpty() ? QString() : state(parts.first());
        const QString expected = parts.mid(1).join(u' ');
        if (actual != expected)
            fail(QStringLiteral("%1 is %2, expected %3").arg(parts.value(0), actual, expected));
    } else if (pending_.isEmpty()) {
        fail(QStringLiteral("expected \"%1\", but nothing more happened").arg(what));
    } else {
        const QString actual = pending_.takeFirst();
        if (actual != what)
            fail(QStringLiteral("expected \"%1\", but got \"%2\"").arg(what, actual));
    }
}

QString ScenarioRunner::state(const QString& name) const {
    const MonitorState& monitor = fixture_.helper.monitorState();
    const FakeIndicators& indicators = fixture_.fakes.indicators;
    if (name == u"capsCount")
        return QString::number(monitor.capsCount);
    if (name == u"warnCapsLimitCounter")
        return QString::number(monitor.warnCapsLimitCounter);
    if (name == u"modifiers")
        return hexWord(monitor.modifiers);
    if (name == u"capsLockON")
        return yesNo(monitor.capsLockON);
    if (name == u"excludeWordsBuffer")
        return u'"' + monitor.excludeWordsBuffer + u'"';
    if (name == u"statusItem")
        return indicators.statusItem ? (indicators.statusItemClosed ? QStringLiteral("KVClosed")
                                                                    : QStringLiteral("KVOpen"))
                                     : QStringLiteral("none");
    if (name == u"soundPlaying") {
        const FakeSound* sound = fixture_.fakes.sounds.sound(QStringLiteral("CAPS"));
        return yesNo(sound && sound->isPlaying());
    }
    fail(QStringLiteral("unknown state: ") + name);
    return {};
}

void ScenarioRunner::collect() {
    for (const QString& entry : fixture_.fakes.journal.take())
        if (!isIgnored(entry))
            pending_.append(entry);
}

bool ScenarioRunner::isIgnored(const QString& entry) const {
    return std::any_of(ignored_.begin(), ignored_.end(), [&](const QString& prefix) {
        return entry.startsWith(prefix) || entry == prefix.trimmed();
    });
}

void ScenarioRunner::checkAllExpected() {
    for (const QString& entry : std::exchange(pending_, {}))
        fail(QStringLiteral("unexpected \"%1\"").arg(entry));
}

void ScenarioRunner::fail(const QString& message) const {
    ADD_FAILURE_AT(scriptPath_.toStdString().c_str(), lineNumber_) << message.toStdString();
}
