#include "core/base/Numeric.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace tarvelo {

namespace {

template <typename Int> Int RoundSaturating(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    // nearbyint follows the default rounding mode: to nearest, halves to even.
    const double r = std::nearbyint(value);
    if (r <= static_cast<double>(std::numeric_limits<Int>::min())) {
        return std::numeric_limits<Int>::min();
    }
    if (r >= static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::numeric_limits<Int>::max();
    }
    return static_cast<Int>(r);
}

bool IsIgnoredBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 10;
    }
    return 99;
}

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// "&H1F" or "&O17": a whole number in base 16 or 8, read up to the first other character.
NumberReading ReadRadixNumber(std::string_view digits, int radix) {
    NumberReading result;
    for (char c : digits) {
        const int d = DigitValue(c);
        if (d >= radix) {
            break;
        }
        result.value = result.value * radix + d;
        if (std::isinf(result.value)) {
            return {0.0, false};
        }
    }
    return result;
}

} // namespace

std::int32_t RoundToInt32(double value) {
    return RoundSaturating<std::int32_t>(value);
}

std::int16_t RoundToInt16(double value) {
    return RoundSaturating<std::int16_t>(value);
}

float ToSingle(double value) {
    if (value > FLT_MAX) {
        return FLT_MAX;
    }
    if (value < -FLT_MAX) {
        return -FLT_MAX;
    }
    return static_cast<float>(value);
}

double Int(double value) {
    return std::floor(value);
}

std::int64_t Mod(std::int64_t dividend, std::int64_t divisor) {
    if (divisor == 0 || divisor == -1) {
        return 0;
    }
    return dividend % divisor; // C++ keeps the sign of the dividend
}

NumberReading ReadNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (!IsIgnoredBlank(c)) {
            s.push_back(c);
        }
    }

    if (s.size() >= 2 && s[0] == '&') {
        const char base = Upper(s[1]);
        if (base == 'H') {
            return ReadRadixNumber(std::string_view(s).substr(2), 16);
        }
        if (base == 'O') {
            return ReadRadixNumber(std::string_view(s).substr(2), 8);
        }
        return {};
    }

    // Gather the number's parts: sign, mantissa digits with their decimal point, exponent.
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    std::string mantissa;
    bool seenPoint = false;
    int integerDigits = 0; // significant digits before the point
    int leadingFractionZeros = 0;
    bool seenNonZero = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (IsDigit(c)) {
            mantissa.push_back(c);
            if (c != '0') {
                seenNonZero = true;
            }
            if (!seenPoint && seenNonZero) {
                ++integerDigits;
            } else if (seenPoint && !seenNonZero) {
                ++leadingFractionZeros;
            }
        } else if (c == '.' && !seenPoint) {
            mantissa.push_back('.');
            seenPoint = true;
        } else {
            break;
        }
    }
    const bool hasDigit = mantissa.find_first_of("0123456789") != std::string::npos;
    if (!hasDigit) {
        return {};
    }

    constexpr long kExponentCap = 100000; // far beyond any double; keeps the sum from overflowing
    long exponent = 0;
    if (i < s.size() && (Upper(s[i]) == 'E' || Upper(s[i]) == 'D')) {
        std::size_t k = i + 1;
        bool expNegative = false;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) {
            expNegative = s[k] == '-';
            ++k;
        }
        for (; k < s.size() && IsDigit(s[k]); ++k) {
            exponent = std::min(exponent * 10 + (s[k] - '0'), kExponentCap);
        }
        if (expNegative) {
            exponent = -exponent;
        }
    }

    if (!seenNonZero) {
        return {0.0, true};
    }

    std::string number = mantissa + "e" + std::to_string(exponent);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                           std::chars_format::general);
    (void)ptr;
    if (ec == std::errc::result_out_of_range || std::isinf(value)) {
        // Out of range either way: too large, or so small that it reads as 0.
        const long magnitude =
            (integerDigits > 0 ? integerDigits : -leadingFractionZeros) + exponent;
        if (magnitude > 0) {
            return {0.0, false};
        }
        return {0.0, true};
    }
    if (ec != std::errc()) {
        return {};
    }
    return {negative ? -value : value, true};
}

} // namespace tarvelo
