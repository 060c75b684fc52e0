#include "number_text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace trimwise {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kFirstExponentAbove = 15; // 1E+15 is written with an exponent
constexpr int kLastPlainBelow = -5;     // 0.0001 is plain, 0.00001 is 1E-05

bool isDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}

// The digits of a double rounded to `precision` significant digits, without trailing
// zeros, and its decimal exponent: 1234.5 at 15 digits is {"12345", 3}.
struct Decimal {
    bool negative = false;
    std::array<char, kSignificantDigits> digits{};
    int count = 0;
    int exponent = 0;
};

Decimal decompose(double value, int precision) noexcept {
    // "-d.ddddde+XXX" with precision - 1 decimals: 1 + 1 + 1 + 14 + 1 + 1 + 3 characters.
    std::array<char, 32> buffer{};
#if defined(__cpp_lib_to_chars) && !defined(__MINGW32__)
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::scientific, precision - 1);
    static_cast<void>(ec); // the buffer is larger than the longest possible text
#else
    // Where from_chars for double is missing (libc++ 19, for WebAssembly), musl's printf
    // writes the digits: exactly rounded as well, and without the 100 KB of tables that
    // libc++'s to_chars with a precision brings into the page. So does MinGW-w64's own printf
    // (gdtoa, which libstdc++ takes for std::snprintf there, not msvcrt's) in trimwise.exe,
    // which libstdc++ 14's to_chars would grow by 190 KB, past its 1 MiB.
    const int written = std::snprintf(buffer.data(), buffer.size(), "%.*e", precision - 1, value);
    const char* const end = buffer.data() + written;
#endif
    Decimal decimal;
    const char* p = buffer.data();
    if (*p == '-') {
        decimal.negative = true;
        ++p;
    }
    for (; p != end && *p != 'e'; ++p) {
        if (isDigit(*p)) {
            decimal.digits[static_cast<std::size_t>(decimal.count++)] = *p;
        }
    }
    while (decimal.count > 1 &&
           decimal.digits[static_cast<std::size_t>(decimal.count - 1)] == '0') {
        --decimal.count;
    }
    ++p; // 'e'
    std::from_chars(*p == '+' ? p + 1 : p, end, decimal.exponent);
    return decimal;
}

std::string plainText(const Decimal& d) {
    std::string text;
    text.reserve(static_cast<std::size_t>(d.count) +
                 static_cast<std::size_t>(std::abs(d.exponent)) + 3);
    if (d.negative) {
        text += '-';
    }
    if (d.exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        text.append(d.digits.data(), static_cast<std::size_t>(d.count));
        return text;
    }
    const int integerDigits = d.exponent + 1;
    for (int i = 0; i < integerDigits; ++i) {
        text += i < d.count ? d.digits[static_cast<std::size_t>(i)] : '0';
    }
    if (d.count > integerDigits) {
        text += '.';
        text.append(d.digits.data() + integerDigits,
                    static_cast<std::size_t>(d.count - integerDigits));
    }
    return text;
}

// "1.5E+15"; compact drops the exponent's "+" and leading zeros: "1.5E15".
std::string exponentText(const Decimal& d, bool compact) {
    std::string text;
    if (d.negative) {
        text += '-';
    }
    text += d.digits[0];
    if (d.count > 1) {
        text += '.';
        text.append(d.digits.data() + 1, static_cast<std::size_t>(d.count - 1));
    }
    text += 'E';
    if (d.exponent < 0) {
        text += '-';
    } else if (!compact) {
        text += '+';
    }
    const int magnitude = std::abs(d.exponent);
    if (!compact && magnitude < 10) {
        text += '0';
    }
    text += std::to_string(magnitude);
    return text;
}

bool isZero(double value) noexcept {
    return value == 0.0;
}

// What a number that from_chars found out of range was: huge or tiny. The decimal
// exponent of its first significant digit tells, and needs no conversion.
bool isOverflow(std::string_view number) noexcept {
    long long magnitude = 0;
    bool seenPoint = false;
    bool seenSignificant = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        const char c = number[i];
        if (c == '.') {
            seenPoint = true;
        } else if (isDigit(c)) {
            if (!seenSignificant && c != '0') {
                seenSignificant = true;
                magnitude = seenPoint ? magnitude - 1 : 0;
            } else if (seenSignificant && !seenPoint) {
                ++magnitude;
            } else if (!seenSignificant && seenPoint) {
                --magnitude;
            }
        }
    }
    long long exponent = 0;
    bool negativeExponent = false;
    if (i < number.size()) {
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
            negativeExponent = number[i] == '-';
            ++i;
        }
        constexpr long long saturation = 1'000'000'000;
        for (; i < number.size(); ++i) {
            exponent = std::min(saturation, exponent * 10 + (number[i] - '0'));
        }
    }
    return magnitude + (negativeExponent ? -exponent : exponent) > 0;
}

// An unsigned decimal number, already checked for its form, as the nearest double.
struct Reading {
    double value = 0.0;
    bool outOfRange = false; // too large for a double, or so small that it became zero
    bool whole = false;      // every character was read
};

#if defined(__cpp_lib_to_chars)
Reading readDecimal(std::string_view number) noexcept {
    Reading reading;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(),
                                           reading.value, std::chars_format::general);
    reading.outOfRange = ec == std::errc::result_out_of_range;
    reading.whole = ec == std::errc{} && ptr == number.data() + number.size();
    return reading;
}
#else
// A C++ library without from_chars for double (libc++ 19, for WebAssembly) sits on musl,
// whose strtod rounds correctly too and reads "." whatever the locale. It flags a subnormal
// result as out of range as well; from_chars keeps that value, and so does this.
Reading readDecimal(std::string_view number) noexcept {
    const std::string terminated(number);
    char* end = nullptr;
    errno = 0;
    Reading reading;
    reading.value = std::strtod(terminated.c_str(), &end);
    reading.outOfRange = errno == ERANGE && (std::isinf(reading.value) || reading.value == 0.0);
    reading.whole = !reading.outOfRange && end == terminated.c_str() + terminated.size();
    return reading;
}
#endif

// The text without the blank space around it: blank bytes and no-break spaces, in any mix.
std::string_view trimBlank(std::string_view text) noexcept {
    // Text pasted from a spreadsheet cell or a terminal brings tabs, line breaks and no-break
    // spaces along with the number.
    constexpr std::string_view kBlankBytes = " \t\n\r\v\f";
    constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
    std::size_t before = 0;
    do {
        before = text.size();
        text.remove_prefix(std::min(text.find_first_not_of(kBlankBytes), text.size()));
        text.remove_suffix(text.size() - (text.find_last_not_of(kBlankBytes) + 1));
        if (text.starts_with(kNoBreakSpace)) {
            text.remove_prefix(kNoBreakSpace.size());
        }
        if (text.ends_with(kNoBreakSpace)) {
            text.remove_suffix(kNoBreakSpace.size());
        }
    } while (text.size() != before);
    return text;
}

} // namespace

bool IsBlankOnly(std::string_view text) noexcept {
    return !text.empty() && trimBlank(text).empty();
}

Conversion TextToNumber(std::string_view text) noexcept {
    text = trimBlank(text);
    if (text.empty()) {
        return {0.0, ConversionError::NotANumber};
    }

    std::size_t i = 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t numberStart = i;
    int digits = 0;
    int points = 0;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == '.'); ++i) {
        text[i] == '.' ? ++points : ++digits;
    }
    if (digits == 0 || points > 1) {
        return {0.0, ConversionError::NotANumber};
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        const std::size_t exponentStart = i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
        }
        if (i == exponentStart) {
            return {0.0, ConversionError::NotANumber};
        }
    }
    if (i != text.size()) {
        return {0.0, ConversionError::NotANumber};
    }

    const std::string_view number = text.substr(numberStart);
    const Reading reading = readDecimal(number);
    double value = reading.value;
    if (reading.outOfRange) {
        if (isOverflow(number)) {
            return {0.0, ConversionError::Overflow};
        }
        value = 0.0;
    } else if (!reading.whole) {
        return {0.0, ConversionError::NotANumber};
    }
    return {negative ? -value : value, ConversionError::None};
}

std::string NumberToText(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Inf" : "Inf";
    }
    if (isZero(value)) {
        return "0";
    }
    const Decimal decimal = decompose(value, kSignificantDigits);
    if (decimal.exponent >= kFirstExponentAbove || decimal.exponent <= kLastPlainBelow) {
        return exponentText(decimal, false);
    }
    return plainText(decimal);
}

std::string PlainDecimalText(double value) {
    if (!std::isfinite(value)) {
        return NumberToText(value);
    }
    if (isZero(value)) {
        return "0";
    }
    return plainText(decompose(value, kSignificantDigits));
}

std::string FitToBox(double value, std::size_t maxLength) {
    std::string text = NumberToText(value);
    if (text.size() <= maxLength) {
        return text;
    }
    const auto hasDigit = [](std::string_view s) {
        return s.find_first_of("0123456789") != std::string_view::npos;
    };
    // A plain cut keeps whatever characters fall inside the box, a trailing point too.
    const auto cut = [&](std::string s) {
        s.resize(maxLength);
        return hasDigit(s) ? s : std::string(maxLength, '#');
    };
    if (std::isfinite(value) && std::abs(value) < 1.0) {
        return cut(PlainDecimalText(value));
    }
    const bool hasExponent = text.find('E') != std::string::npos;
    const std::size_t integerPart = std::min(text.find('.'), text.size());
    if (!hasExponent && integerPart <= maxLength) {
        return cut(std::move(text));
    }
    if (std::isfinite(value)) {
        for (const bool compact : {false, true}) {
            for (int precision = std::min<int>(kSignificantDigits, static_cast<int>(maxLength));
                 precision >= 1; --precision) {
                std::string rounded = exponentText(decompose(value, precision), compact);
                if (rounded.size() <= maxLength) {
                    return rounded;
                }
            }
        }
    }
    return std::string(maxLength, '#');
}

} // namespace trimwise
