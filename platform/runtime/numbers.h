#pragma once

#include <QString>

#include <cstdint>

// The runtime's conversions between text and numbers. They never depend on the user's locale:
// the countdown stores its numbers as label captions and must read back exactly what it wrote.

// Decimal digits with an optional leading sign and an optional decimal point, nothing else.
// Anything else, the empty text and blanks included, raises error 13 "Type mismatch"; a value
// beyond the range of a double raises error 6 "Overflow".
double textToDouble(const QString &text);

// Whether textToDouble accepts the text's form, asked without raising anything.
bool isNumericText(const QString &text);

// Plain decimal: a minus sign when negative, no decimal point for a whole number, never an
// exponent. Like the runtime, at most 15 significant digits.
QString doubleToText(double value);

// Plain decimal, a minus sign when negative, no blank and no leading zero.
QString integerToText(std::int16_t value);

// Sum and difference, checked after the step like the runtime does: a result that is not a
// finite number raises error 6 "Overflow".
double checkedAdd(double a, double b);
double checkedSubtract(double a, double b);
