// Numeric rules shared by the whole model: how fractional values are stored into integer and
// single-precision fields, the whole-number helpers, and the reader of a number from text.
#pragma once

#include <cstdint>
#include <string_view>

namespace tarvelo {

// Stores a value into a 32-bit integer field: nearest whole number, halves to the even one
// (2.5 -> 2, 3.5 -> 4). Values beyond the range saturate at its ends; NaN stores as 0.
std::int32_t RoundToInt32(double value);

// The same rule for 16-bit integer fields.
std::int16_t RoundToInt16(double value);

// Stores a value into a single-precision field. Values beyond its range saturate at the largest
// finite single; NaN stays NaN.
float ToSingle(double value);

// Rounds down to a whole number: Int(3.6) = 3, Int(-3.6) = -4.
double Int(double value);

// Remainder of the integer division, with the sign of the dividend: -5 Mod 2 = -1.
// A divisor of 0 gives 0.
std::int64_t Mod(std::int64_t dividend, std::int64_t divisor);

struct NumberReading {
    double value = 0.0;
    // False when the text holds a number too large for a double; value is then 0.
    bool fits = true;
};

// Reads a number from the start of a text, as typed answers and file lines are read.
// Blanks, tabs and line feeds anywhere in the text are ignored. Then come an optional sign,
// digits with at most one decimal point "." (whatever the regional settings) and an optional
// exponent (E or D, an optional sign, digits), read up to the first character that cannot
// continue the number. "&H" or "&O" at the start reads a hexadecimal or octal whole number.
// Text without a number at its start reads as 0.
NumberReading ReadNumber(std::string_view text);

} // namespace tarvelo
