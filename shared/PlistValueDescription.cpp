#include "shared/PlistValue.h"

#include "shared/FoundationConversions.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <cstdio>

// Old-style property-list text in the layout Foundation's -description uses.
namespace {

constexpr qsizetype kIndentWidth = 4;

bool isUnquotedCharacter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
           u == u'_' || u == u'$' || u == u':' || u == u'.' || u == u'/';
}

void appendEscaped(QString& out, QChar c) {
    const char16_t u = c.unicode();
    switch (u) {
    case u'"':
        out += QLatin1StringView("\\\"");
        return;
    case u'\\':
        out += QLatin1StringView("\\\\");
        return;
    case u'\n':
        out += QLatin1StringView("\\n");
        return;
    case u'\t':
        out += QLatin1StringView("\\t");
        return;
    case u'\r':
        out += QLatin1StringView("\\r");
        return;
    case u'\a':
        out += QLatin1StringView("\\a");
        return;
    case u'\b':
        out += QLatin1StringView("\\b");
        return;
    case u'\f':
        out += QLatin1StringView("\\f");
        return;
    case u'\v':
        out += QLatin1StringView("\\v");
        return;
    default:
        break;
    }
    char buffer[8];
    if (u < 0x20 || u == 0x7f) {
        std::snprintf(buffer, sizeof buffer, "\\%03o", unsigned(u));
        out += QLatin1StringView(buffer);
    } else if (u > 0x7f) {
        std::snprintf(buffer, sizeof buffer, "\\U%04x", unsigned(u));
        out += QLatin1StringView(buffer);
    } else {
        out += c;
    }
}

// Text inside a container is quoted unless it is a non-empty run of the unquoted set.
void appendQuotedIfNeeded(QString& out, const QString& text) {
    bool plain = !text.isEmpty();
    for (QChar c : text) {
        if (!isUnquotedCharacter(c)) {
            plain = false;
            break;
        }
    }
    if (plain) {
        out += text;
        return;
    }
    out += u'"';
    for (QChar c : text)
        appendEscaped(out, c);
    out += u'"';
}

QString formatReal(double value, int significantDigits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", significantDigits, value);
    return QString::fromLatin1(buffer);
}

QString dateText(double secondsSinceReferenceDate) {
    constexpr qint64 referenceDateUnix = 978307200;
    // Keep within what QDateTime can show; far dates only need to print, not to be exact.
    constexpr double limit = 1e13;
    double seconds = std::floor(secondsSinceReferenceDate);
    if (std::isnan(seconds))
        seconds = 0;
    seconds = std::clamp(seconds, -limit, limit);
    const QDateTime when = QDateTime::fromSecsSinceEpoch(
        referenceDateUnix + static_cast<qint64>(seconds), QTimeZone::utc());
    return when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1StringView(" +0000");
}

QString dataText(const QByteArray& data) {
    QString out;
    out.reserve(2 + data.size() * 2 + data.size() / 4);
    out += u'<';
    static constexpr char hex[] = "0123456789abcdef";
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (i > 0 && i % 4 == 0)
            out += u' ';
        const auto byte = static_cast<unsigned char>(data[i]);
        out += QLatin1Char(hex[byte >> 4]);
        out += QLatin1Char(hex[byte & 0xf]);
    }
    out += u'>';
    return out;
}

void appendIndent(QString& out, int level) {
    out += QString(level * kIndentWidth, u' ');
}

void appendNested(QString& out, const PlistValue& value, int level);

void appendElement(QString& out, const PlistValue& value, int level) {
    switch (value.kind()) {
    case PlistValue::Kind::Array:
    case PlistValue::Kind::Dictionary:
        appendNested(out, value, level);
        return;
    case PlistValue::Kind::Data:
        out += dataText(value.toData());
        return;
    default:
        appendQuotedIfNeeded(out, value.description());
        return;
    }
}

void appendNested(QString& out, const PlistValue& value, int level) {
    if (value.kind() == PlistValue::Kind::Array) {
        const PlistValue::Array& array = value.toArray();
        out += QLatin1StringView("(\n");
        for (qsizetype i = 0; i < array.size(); ++i) {
            appendIndent(out, level + 1);
            appendElement(out, array[i], level + 1);
            out += i + 1 < array.size() ? QLatin1StringView(",\n") : QLatin1StringView("\n");
        }
        appendIndent(out, level);
        out += u')';
        return;
    }
    const PlistValue::Dictionary& dictionary = value.toDictionary();
    out += QLatin1StringView("{\n");
    for (auto it = dictionary.cbegin(); it != dictionary.cend(); ++it) {
        appendIndent(out, level + 1);
        appendQuotedIfNeeded(out, it.key());
        out += QLatin1StringView(" = ");
        appendElement(out, it.value(), level + 1);
        out += QLatin1StringView(";\n");
    }
    appendIndent(out, level);
    out += u'}';
}

} // namespace

QString PlistValue::description() const {
    switch (kind()) {
    case Kind::Boolean:
        return std::get<bool>(storage_) ? QStringLiteral("1") : QStringLiteral("0");
    case Kind::Integer:
        return QString::number(std::get<std::int64_t>(storage_));
    case Kind::Real32:
        // A float number prints with a float's precision, a double with a double's.
        return formatReal(std::get<float>(storage_), 7);
    case Kind::Real64:
        return formatReal(std::get<double>(storage_), 16);
    case Kind::String:
        return std::get<QString>(storage_);
    case Kind::Data:
        return dataText(std::get<QByteArray>(storage_));
    case Kind::Date:
        return dateText(std::get<Date>(storage_).seconds);
    case Kind::Array:
    case Kind::Dictionary: {
        QString out;
        appendNested(out, *this, 0);
        return out;
    }
    }
    return {};
}
