#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <cstdint>
#include <memory>
#include <variant>

// One property-list value: what the settings store holds, archives and migrates.
// Values are immutable and cheap to copy (strings, data and containers are shared).
class PlistValue {
public:
    enum class Kind { Boolean, Integer, Real32, Real64, String, Data, Date, Array, Dictionary };

    using Array = QList<PlistValue>;
    // Foundation dictionaries are unordered; a sorted map gives the order `description` needs.
    using Dictionary = QMap<QString, PlistValue>;

    PlistValue(); // boolean NO, so that containers can default-construct
    static PlistValue fromBool(bool value);
    static PlistValue fromInt(std::int64_t value);
    static PlistValue fromFloat(float value);
    static PlistValue fromDouble(double value);
    static PlistValue fromString(const QString& value);
    static PlistValue fromData(const QByteArray& value);
    // Seconds since 2001-01-01 00:00:00 UTC, the reference date of property-list dates.
    static PlistValue fromDate(double secondsSinceReferenceDate);
    static PlistValue fromArray(const Array& value);
    static PlistValue fromDictionary(const Dictionary& value);
    static PlistValue fromStringList(const QStringList& value);

    Kind kind() const;
    bool isNumber() const; // Boolean, Integer, Real32 or Real64
    bool isString() const { return kind() == Kind::String; }
    bool isArray() const { return kind() == Kind::Array; }
    bool isDictionary() const { return kind() == Kind::Dictionary; }

    // Foundation's conversions of numbers and strings. Kinds that have none there
    // (array, dictionary, data, date) give NO / 0 / 0.0.
    bool boolValue() const;
    std::int32_t intValue() const;
    std::int64_t integerValue() const;
    float floatValue() const;
    double doubleValue() const;

    // Direct access; each returns the empty value when the kind differs.
    QString toString() const;
    QByteArray toData() const;
    double toDate() const;
    const Array& toArray() const;
    const Dictionary& toDictionary() const;
    // The strings of an array value, in order; other elements are skipped.
    QStringList toStringList() const;

    // Old-style property-list text, as Foundation's -description prints it.
    QString description() const;

    // The shared contents of an array or dictionary value, null for other kinds: copies of
    // one container value have the same identity, so writers can store it once.
    const void* identity() const;

    bool operator==(const PlistValue& other) const;
    bool operator!=(const PlistValue& other) const { return !(*this == other); }

private:
    struct Date {
        double seconds;
        bool operator==(const Date&) const = default;
    };
    using Storage = std::variant<bool, std::int64_t, float, double, QString, QByteArray, Date,
                                 std::shared_ptr<const Array>, std::shared_ptr<const Dictionary>>;
    explicit PlistValue(Storage storage);
    Storage storage_;
};
