#pragma once

#include <QStringView>

#include <cstdint>

// Foundation's conversions of strings and numbers to flags and numbers.
namespace FoundationConversions {

// YES for a leading Y, y, T or t, or a digit 1-9 after whitespace, one sign and zeros.
bool stringBoolValue(QStringView text);
// Whitespace, one sign, decimal digits; saturates on overflow; 0 when there are no digits.
std::int32_t stringIntValue(QStringView text);
std::int64_t stringIntegerValue(QStringView text);
// Decimal floating-point syntax in the C locale whatever the process locale is;
// 0.0 when the text does not start with a number. Hexadecimal, "inf" and "nan" are not numbers.
double stringDoubleValue(QStringView text);
float stringFloatValue(QStringView text);

// The C conversion of a real to an integer, truncating toward zero. Where C leaves it
// undefined (NaN, out of range) the result is what x86's truncating conversion gives:
// the lowest value of the type.
std::int32_t realToInt32(double value);
std::int64_t realToInt64(double value);
// Narrowing with IEEE rounding: values beyond the float range become infinities.
float realToFloat(double value);

} // namespace FoundationConversions
