#pragma once

// Numbers as the game keeps them: in label captions. A caption converts
// as a whole to a double or not at all; rules then floor it, or hold it
// as a 16-bit integer rounded half to even; results go back as plain
// decimal text. Stateless.

#include <QString>
#include <optional>

namespace CaptionNumber {

// The whole caption as a number: blanks around it are allowed, anything
// else that is not part of a decimal number makes it fail (never 0, never
// the leading digits). Infinite, NaN and out-of-range values fail too.
std::optional<double> tryParse(const QString &caption);

// As tryParse, but a failure throws GameError: TypeMismatch for text that
// is not a number, Overflow for a number beyond double range.
double parse(const QString &caption);

// Towards minus infinity.
double floorOf(double value);

// Rounded to nearest, ties to even; nothing outside -32768..32767 or when
// not finite.
std::optional<qint16> tryInt16(double value);

// Plain decimal text: "11", "-3", "0", "3.5"; never "11.0" or "-0".
// Up to 15 significant digits, exponent form only for huge or tiny values.
QString format(double value);

// A single-precision value with at most 7 significant digits and no
// trailing zeros: "2", "2.5", "0.3333333".
QString formatSingle(float value);

} // namespace CaptionNumber
