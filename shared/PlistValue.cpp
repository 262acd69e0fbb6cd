#include "shared/PlistValue.h"

#include "shared/FoundationConversions.h"

#include <QStringList>

using namespace FoundationConversions;

PlistValue::PlistValue() : storage_(false) {}
PlistValue::PlistValue(Storage storage) : storage_(std::move(storage)) {}

PlistValue PlistValue::fromBool(bool value) {
    return PlistValue(Storage(value));
}
PlistValue PlistValue::fromInt(std::int64_t value) {
    return PlistValue(Storage(value));
}
PlistValue PlistValue::fromFloat(float value) {
    return PlistValue(Storage(value));
}
PlistValue PlistValue::fromDouble(double value) {
    return PlistValue(Storage(value));
}
PlistValue PlistValue::fromString(const QString& value) {
    return PlistValue(Storage(value));
}
PlistValue PlistValue::fromData(const QByteArray& value) {
    return PlistValue(Storage(value));
}
PlistValue PlistValue::fromDate(double secondsSinceReferenceDate) {
    return PlistValue(Storage(Date{secondsSinceReferenceDate}));
}
PlistValue PlistValue::fromArray(const Array& value) {
    return PlistValue(Storage(std::make_shared<const Array>(value)));
}
PlistValue PlistValue::fromDictionary(const Dictionary& value) {
    return PlistValue(Storage(std::make_shared<const Dictionary>(value)));
}
PlistValue PlistValue::fromStringList(const QStringList& value) {
    Array array;
    array.reserve(value.size());
    for (const QString& s : value)
        array.append(fromString(s));
    return fromArray(array);
}

PlistValue::Kind PlistValue::kind() const {
    // The variant's alternatives are declared in the order of Kind.
    return static_cast<Kind>(storage_.index());
}

bool PlistValue::isNumber() const {
    switch (kind()) {
    case Kind::Boolean:
    case Kind::Integer:
    case Kind::Real32:
    case Kind::Real64:
        return true;
    default:
        return false;
    }
}

bool PlistValue::boolValue() const {
    switch (kind()) {
    case Kind::Boolean:
        return std::get<bool>(storage_);
    case Kind::Integer:
        return std::get<std::int64_t>(storage_) != 0;
    case Kind::Real32:
        // NaN compares unequal to zero, so it is YES.
        return std::get<float>(storage_) != 0.0f;
    case Kind::Real64:
        return std::get<double>(storage_) != 0.0;
    case Kind::String:
        return stringBoolValue(std::get<QString>(storage_));
    default:
        return false;
    }
}

std::int64_t PlistValue::integerValue() const {
    switch (kind()) {
    case Kind::Boolean:
        return std::get<bool>(storage_) ? 1 : 0;
    case Kind::Integer:
        return std::get<std::int64_t>(storage_);
    case Kind::Real32:
        return realToInt64(std::get<float>(storage_));
    case Kind::Real64:
        return realToInt64(std::get<double>(storage_));
    case Kind::String:
        return stringIntegerValue(std::get<QString>(storage_));
    default:
        return 0;
    }
}

std::int32_t PlistValue::intValue() const {
    switch (kind()) {
    case Kind::Integer:
        // C's conversion to a narrower integer keeps the low 32 bits.
        return static_cast<std::int32_t>(
            static_cast<std::uint32_t>(std::get<std::int64_t>(storage_)));
    case Kind::Real32:
        return realToInt32(std::get<float>(storage_));
    case Kind::Real64:
        return realToInt32(std::get<double>(storage_));
    case Kind::String:
        return stringIntValue(std::get<QString>(storage_));
    default:
        return static_cast<std::int32_t>(integerValue());
    }
}

double PlistValue::doubleValue() const {
    switch (kind()) {
    case Kind::Boolean:
        return std::get<bool>(storage_) ? 1.0 : 0.0;
    case Kind::Integer:
        return static_cast<double>(std::get<std::int64_t>(storage_));
    case Kind::Real32:
        return std::get<float>(storage_);
    case Kind::Real64:
        return std::get<double>(storage_);
    case Kind::String:
        return stringDoubleValue(std::get<QString>(storage_));
    default:
        return 0.0;
    }
}

float PlistValue::floatValue() const {
    switch (kind()) {
    case Kind::Integer:
        return static_cast<float>(std::get<std::int64_t>(storage_));
    case Kind::Real32:
        return std::get<float>(storage_);
    case Kind::String:
        return stringFloatValue(std::get<QString>(storage_));
    default:
        return realToFloat(doubleValue());
    }
}

QString PlistValue::toString() const {
    if (const auto* s = std::get_if<QString>(&storage_))
        return *s;
    return {};
}

QByteArray PlistValue::toData() const {
    if (const auto* d = std::get_if<QByteArray>(&storage_))
        return *d;
    return {};
}

double PlistValue::toDate() const {
    if (const auto* d = std::get_if<Date>(&storage_))
        return d->seconds;
    return 0.0;
}

const PlistValue::Array& PlistValue::toArray() const {
    static const Array empty;
    if (const auto* a = std::get_if<std::shared_ptr<const Array>>(&storage_))
        return **a;
    return empty;
}

const PlistValue::Dictionary& PlistValue::toDictionary() const {
    static const Dictionary empty;
    if (const auto* d = std::get_if<std::shared_ptr<const Dictionary>>(&storage_))
        return **d;
    return empty;
}

QStringList PlistValue::toStringList() const {
    QStringList list;
    for (const PlistValue& element : toArray()) {
        if (element.isString())
            list.append(element.toString());
    }
    return list;
}

const void* PlistValue::identity() const {
    if (const auto* a = std::get_if<std::shared_ptr<const Array>>(&storage_))
        return a->get();
    if (const auto* d = std::get_if<std::shared_ptr<const Dictionary>>(&storage_))
        return d->get();
    return nullptr;
}

bool PlistValue::operator==(const PlistValue& other) const {
    if (storage_.index() != other.storage_.index())
        return false;
    switch (kind()) {
    case Kind::Array:
        return toArray() == other.toArray();
    case Kind::Dictionary:
        return toDictionary() == other.toDictionary();
    default:
        return storage_ == other.storage_;
    }
}
