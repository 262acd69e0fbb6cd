#include "tools/keyvigil-defaults/DefaultsCommand.h"

#include "shared/FoundationConversions.h"
#include "shared/Identifiers.h"
#include "shared/RVPrefs.h"
#include "shared/SettingsKeys.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kBadUsage = 2;

const QLatin1StringView kUsage(
    "usage: keyvigil-defaults [-d IDENTIFIER] read [KEY] | write KEY -bool|-int|-float|-string "
    "VALUE | write KEY -array [VALUE...] | delete KEY | keys");

struct Request {
    QString identifier = kApplicationIdentifier;
    QString verb;
    std::optional<QString> key; // absent only for reading the whole store
    std::optional<PlistValue> value;
};

// Either a request or the one-line reason it is not one.
struct Parsed {
    std::optional<Request> request;
    QString error;
};

Parsed fail(const QString& error) {
    return {std::nullopt, error};
}

std::optional<bool> parseBool(const QString& text) {
    const QString lower = text.toLower();
    if (lower == u"yes" || lower == u"true" || lower == u"1")
        return true;
    if (lower == u"no" || lower == u"false" || lower == u"0")
        return false;
    return std::nullopt;
}

std::optional<std::int32_t> parseInt(const QString& text) {
    static const QRegularExpression syntax(QStringLiteral("^[+-]?[0-9]+$"));
    if (!syntax.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<std::int32_t>(value) : std::nullopt;
}

std::optional<float> parseFloat(const QString& text) {
    static const QRegularExpression syntax(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    if (!syntax.match(text).hasMatch())
        return std::nullopt;
    const float value = FoundationConversions::stringFloatValue(text);
    return std::isfinite(value) ? std::optional<float>(value) : std::nullopt;
}

// A file name of its own: no path separators, no "." or "..".
bool isUsableIdentifier(const QString& identifier) {
    return !identifier.isEmpty() && !identifier.contains(u'/') && identifier != u"." &&
           identifier != u".." && !identifier.contains(QChar(0));
}

Parsed parseWriteValue(Request request, const QStringList& rest) {
    if (rest.isEmpty())
        return fail(QCoreApplication::translate(
            "keyvigil-defaults", "write needs a type: -bool, -int, -float, -string or -array"));
    const QString& type = rest.first();
    const QStringList values = rest.mid(1);
    if (type == u"-array") {
        request.value = PlistValue::fromStringList(values);
        return {request, {}};
    }
    if (type != u"-bool" && type != u"-int" && type != u"-float" && type != u"-string")
        return fail(QCoreApplication::translate("keyvigil-defaults", "unknown type %1").arg(type));
    if (values.size() != 1)
        return fail(QCoreApplication::translate("keyvigil-defaults", "%1 takes exactly one value")
                        .arg(type));
    const QString& text = values.first();
    if (type == u"-bool") {
        const std::optional<bool> value = parseBool(text);
        if (!value)
            return fail(QCoreApplication::translate("keyvigil-defaults",
                                                    "-bool needs YES or NO, not \"%1\"")
                            .arg(text));
        request.value = PlistValue::fromBool(*value);
    } else if (type == u"-int") {
        const std::optional<std::int32_t> value = parseInt(text);
        if (!value)
            return fail(QCoreApplication::translate("keyvigil-defaults",
                                                    "-int needs a 32-bit integer, not \"%1\"")
                            .arg(text));
        request.value = PlistValue::fromInt(*value);
    } else if (type == u"-float") {
        const std::optional<float> value = parseFloat(text);
        if (!value)
            return fail(QCoreApplication::translate("keyvigil-defaults",
                                                    "-float needs a decimal number, not \"%1\"")
                            .arg(text));
        request.value = PlistValue::fromFloat(*value);
    } else {
        request.value = PlistValue::fromString(text);
    }
    return {request, {}};
}

Parsed parse(QStringList arguments) {
    Request request;
    if (!arguments.isEmpty() && arguments.first() == u"-d") {
        if (arguments.size() < 2)
            return fail(QCoreApplication::translate("keyvigil-defaults", "-d needs an identifier"));
        request.identifier = arguments.at(1);
        if (!isUsableIdentifier(request.identifier))
            return fail(QCoreApplication::translate("keyvigil-defaults",
                                                    "\"%1\" is not a usable identifier")
                            .arg(request.identifier));
        arguments = arguments.mid(2);
    }
    if (arguments.isEmpty())
        return fail(kUsage);
    request.verb = arguments.takeFirst();
    if (request.verb == u"read") {
        if (arguments.size() > 1)
            return fail(
                QCoreApplication::translate("keyvigil-defaults", "read takes at most one key"));
        if (!arguments.isEmpty())
            request.key = arguments.first();
        return {request, {}};
    }
    if (request.verb == u"delete") {
        if (arguments.size() != 1)
            return fail(
                QCoreApplication::translate("keyvigil-defaults", "delete takes exactly one key"));
        request.key = arguments.first();
        return {request, {}};
    }
    if (request.verb == u"keys") {
        if (!arguments.isEmpty())
            return fail(
                QCoreApplication::translate("keyvigil-defaults", "keys takes no arguments"));
        return {request, {}};
    }
    if (request.verb == u"write") {
        if (arguments.isEmpty())
            return fail(QCoreApplication::translate("keyvigil-defaults", "write needs a key"));
        request.key = arguments.takeFirst();
        return parseWriteValue(request, arguments);
    }
    return fail(QCoreApplication::translate("keyvigil-defaults", "unknown command \"%1\"; %2")
                    .arg(request.verb, kUsage));
}

// The write option that stores a value of this kind.
QLatin1StringView optionFor(SettingsKeys::Kind kind) {
    switch (kind) {
    case SettingsKeys::Kind::Boolean:
        return QLatin1StringView("-bool");
    case SettingsKeys::Kind::Integer:
        return QLatin1StringView("-int");
    case SettingsKeys::Kind::Float:
        return QLatin1StringView("-float");
    case SettingsKeys::Kind::String:
        return QLatin1StringView("-string");
    case SettingsKeys::Kind::List:
        return QLatin1StringView("-array");
    }
    return {};
}

std::optional<SettingsKeys::Kind> kindOf(const PlistValue& value) {
    switch (value.kind()) {
    case PlistValue::Kind::Boolean:
        return SettingsKeys::Kind::Boolean;
    case PlistValue::Kind::Integer:
        return SettingsKeys::Kind::Integer;
    case PlistValue::Kind::Real32:
    case PlistValue::Kind::Real64:
        return SettingsKeys::Kind::Float;
    case PlistValue::Kind::String:
        return SettingsKeys::Kind::String;
    case PlistValue::Kind::Array:
        return SettingsKeys::Kind::List;
    default:
        return std::nullopt;
    }
}

QString defaultText(const SettingsKeys::KeyInfo& info) {
    const std::optional<PlistValue>& value =
        info.paneDefault ? info.paneDefault : info.helperDefault;
    if (!value)
        return QStringLiteral("-");
    if (value->kind() == PlistValue::Kind::Boolean)
        return value->boolValue() ? QStringLiteral("YES") : QStringLiteral("NO");
    if (value->kind() == PlistValue::Kind::String)
        return u'"' + value->toString() + u'"';
    return value->description().simplified();
}

// "1 to 20" for whole numbers, "0.0 to 1.0" for decimal ones.
QString rangeText(const SettingsKeys::KeyInfo& info) {
    const int decimals = info.kind == SettingsKeys::Kind::Float ? 1 : 0;
    return QCoreApplication::translate("keyvigil-defaults", "%1 to %2")
        .arg(QString::number(info.range->lowest, 'f', decimals),
             QString::number(info.range->highest, 'f', decimals));
}

// What a key means, with the values it is meant to hold.
QString meaningText(const SettingsKeys::KeyInfo& info) {
    // The table's meanings are literals, and so end in a null character.
    QString meaning = QCoreApplication::translate("SettingsKeys", info.meaning.data());
    if (info.range)
        meaning.insert(meaning.endsWith(u'.') ? meaning.size() - 1 : meaning.size(),
                       QStringLiteral(" (%1)").arg(rangeText(info)));
    return meaning;
}

// The settings table: each key with the option that writes it, the value it has until set, and
// what it means. The older keys come last: they are only read, to work out other defaults.
void printKeys(QTextStream& out) {
    for (const SettingsKeys::Role role :
         {SettingsKeys::Role::Setting, SettingsKeys::Role::Fallback}) {
        out << (role == SettingsKeys::Role::Setting
                    ? QCoreApplication::translate("keyvigil-defaults",
                                                  "Settings (key, write option, default, meaning):")
                    : u'\n' + QCoreApplication::translate(
                                  "keyvigil-defaults",
                                  "Older keys, read only to work out the defaults above:"))
            << '\n';
        for (const SettingsKeys::KeyInfo& info : SettingsKeys::all()) {
            if (info.role != role)
                continue;
            out << "  " << QString(info.key).leftJustified(26) << ' '
                << QString(optionFor(info.kind)).leftJustified(8) << ' '
                << defaultText(info).leftJustified(22) << ' ' << meaningText(info) << '\n';
        }
    }
    out.flush();
}

// Writing is never refused, but a key or kind the programs do not read is said out loud.
void warnAboutWrite(const Request& request, QTextStream& err) {
    if (request.identifier != kApplicationIdentifier)
        return;
    const SettingsKeys::KeyInfo* info = SettingsKeys::find(*request.key);
    if (!info) {
        err << "keyvigil-defaults: "
            << QCoreApplication::translate("keyvigil-defaults",
                                           "warning: \"%1\" is not one of Keyvigil's settings "
                                           "(see \"keyvigil-defaults keys\"); written anyway")
                   .arg(*request.key)
            << Qt::endl;
        return;
    }
    const std::optional<SettingsKeys::Kind> kind = kindOf(*request.value);
    if (kind != info->kind) {
        err << "keyvigil-defaults: "
            << QCoreApplication::translate("keyvigil-defaults",
                                           "warning: \"%1\" is read as %2, not %3; written anyway")
                   .arg(*request.key, optionFor(info->kind),
                        kind ? optionFor(*kind) : QLatin1StringView("?"))
            << Qt::endl;
        return;
    }
    // The window offers only the values in range; the helper takes any other as it is.
    if (info->range && !info->range->contains(request.value->doubleValue()))
        err << "keyvigil-defaults: "
            << QCoreApplication::translate("keyvigil-defaults",
                                           "warning: \"%1\" is meant to be %2, not %3; written "
                                           "anyway")
                   .arg(*request.key, rangeText(*info), request.value->description())
            << Qt::endl;
}

QString reason(int error) {
    return error ? QStringLiteral(": %1").arg(QString::fromLocal8Bit(std::strerror(error)))
                 : QString();
}

} // namespace

int runDefaultsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const Parsed parsed = parse(arguments);
    if (!parsed.request) {
        err << "keyvigil-defaults: " << parsed.error << Qt::endl;
        return kBadUsage;
    }
    const Request& request = *parsed.request;
    if (request.verb == u"keys") {
        printKeys(out);
        return kDone;
    }
    RVPrefs prefs(request.identifier);
    if (prefs.wasUnreadable())
        err << "keyvigil-defaults: "
            << QCoreApplication::translate("keyvigil-defaults",
                                           "%1 could not be read; it is taken as an empty store")
                   .arg(prefs.prefsPath())
            << Qt::endl;

    if (request.verb == u"read") {
        if (!request.key) {
            out << prefs.description() << Qt::endl;
            return kDone;
        }
        const PlistValue* value = prefs.find(*request.key);
        if (!value) {
            err << "keyvigil-defaults: "
                << QCoreApplication::translate("keyvigil-defaults",
                                               "the key \"%1\" does not exist in %2")
                       .arg(*request.key, request.identifier)
                << Qt::endl;
            return kFailed;
        }
        // Text bare, flags as 1 or 0, lists and dictionaries as property-list text.
        out << value->description() << Qt::endl;
        return kDone;
    }

    if (request.verb == u"delete") {
        if (!prefs.find(*request.key)) {
            err << "keyvigil-defaults: "
                << QCoreApplication::translate("keyvigil-defaults",
                                               "the key \"%1\" does not exist in %2; nothing "
                                               "deleted")
                       .arg(*request.key, request.identifier)
                << Qt::endl;
            return kFailed;
        }
        prefs.removeObjectForKey(*request.key);
    } else {
        warnAboutWrite(request, err);
        prefs.setObjectForKey(request.value, *request.key);
    }
    errno = 0;
    if (!prefs.synchronize()) {
        err << "keyvigil-defaults: "
            << QCoreApplication::translate("keyvigil-defaults", "could not write %1")
                   .arg(prefs.prefsPath())
            << reason(errno) << Qt::endl;
        return kFailed;
    }
    return kDone;
}
