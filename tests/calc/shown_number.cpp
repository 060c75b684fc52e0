#include "shown_number.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace trimwise::testing {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number in exponent form as shown: sign, mantissa digits without the point, exponent.
struct ExponentForm {
    bool negative = false;
    std::string digits;
    int exponent = 0;
    bool compact = false; // no "+" or no leading exponent zero
};

std::optional<ExponentForm> parseExponentForm(std::string_view s) {
    ExponentForm form;
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-') {
        form.negative = true;
        ++i;
    }
    if (i >= s.size() || !isDigit(s[i]) || s[i] == '0') {
        return std::nullopt;
    }
    form.digits += s[i++];
    if (i < s.size() && s[i] == '.') {
        ++i;
        const std::size_t start = i;
        while (i < s.size() && isDigit(s[i])) {
            form.digits += s[i++];
        }
        if (i == start || form.digits.back() == '0') {
            return std::nullopt; // "1.E5" or a trailing zero
        }
    }
    if (i >= s.size() || s[i] != 'E') {
        return std::nullopt;
    }
    ++i;
    bool negativeExponent = false;
    bool explicitSign = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negativeExponent = s[i] == '-';
        explicitSign = true;
        ++i;
    }
    const std::size_t start = i;
    for (; i < s.size() && isDigit(s[i]); ++i) {
        form.exponent = form.exponent * 10 + (s[i] - '0');
    }
    const std::size_t exponentDigits = i - start;
    if (exponentDigits == 0 || exponentDigits > 3 || i != s.size()) {
        return std::nullopt;
    }
    form.exponent = negativeExponent ? -form.exponent : form.exponent;
    form.compact = !explicitSign || exponentDigits < 2;
    return form;
}

// printf rounds exactly, so it is the reference for "value to n significant digits".
ExponentForm rounded(double value, int digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
    ExponentForm form;
    const char* p = buffer;
    if (*p == '-') {
        form.negative = true;
        ++p;
    }
    for (; *p != 'e'; ++p) {
        if (isDigit(*p)) {
            form.digits += *p;
        }
    }
    form.exponent = std::atoi(p + 1);
    return form;
}

std::string stripTrailingZeros(std::string digits) {
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    return digits;
}

// The shortest exponent text of value: one digit, and compact when asked ("-1E-5").
std::size_t shortestExponentLength(double value, bool compact) {
    const ExponentForm one = rounded(value, 1);
    const int magnitude = std::abs(one.exponent);
    const std::size_t exponentDigits = magnitude >= 100 ? 3 : magnitude >= 10 || !compact ? 2 : 1;
    const std::size_t exponentSign = one.exponent < 0 || !compact ? 1 : 0;
    return (one.negative ? 1 : 0) + 2 + exponentSign + exponentDigits;
}

bool isLeadingCut(std::string_view shown, std::string_view full) {
    return shown.size() <= full.size() && full.substr(0, shown.size()) == shown;
}

std::string judgeExponentForm(double value, std::string_view shown, std::size_t maxLength) {
    const std::optional<ExponentForm> form = parseExponentForm(shown);
    if (!form) {
        return "not a well formed exponent text";
    }
    const ExponentForm expected = rounded(value, static_cast<int>(form->digits.size()));
    if (form->negative != expected.negative ||
        form->digits != stripTrailingZeros(expected.digits) ||
        form->exponent != expected.exponent) {
        return "not the value rounded to the digits shown";
    }
    if (form->compact && shortestExponentLength(value, false) <= maxLength) {
        return "compact exponent although the full one fits";
    }
    return {};
}

// The box keeps as many leading characters as it holds, whatever they are.
bool isWholeCut(std::string_view shown, std::string_view full, std::size_t maxLength) {
    return shown.size() == std::min(full.size(), maxLength) && isLeadingCut(shown, full);
}

// The value's fifteen significant digits, correctly rounded by printf, written out in plain
// decimals without trailing zeros: "-1234.5", "0.000012".
std::string plainFifteenDigits(double value) {
    if (value == 0.0) {
        return "0";
    }
    const ExponentForm form = rounded(value, 15);
    const std::string digits = stripTrailingZeros(form.digits);
    std::string text = form.negative ? "-" : "";
    if (form.exponent < 0) {
        text += "0." + std::string(static_cast<std::size_t>(-form.exponent - 1), '0') + digits;
        return text;
    }
    const auto whole = static_cast<std::size_t>(form.exponent) + 1;
    text += digits.substr(0, whole);
    text += std::string(whole - std::min(whole, digits.size()), '0');
    if (digits.size() > whole) {
        text += "." + digits.substr(whole);
    }
    return text;
}

// Whether the general text of a value is plain, not an exponent form: from 1E-04 to below
// 1E+15, after the rounding to fifteen digits.
bool generalTextIsPlain(double value) {
    const int exponent = rounded(value, 15).exponent;
    return value == 0.0 || (exponent >= -4 && exponent < 15);
}

std::string judgePlain(double value, std::string_view shown, std::size_t maxLength) {
    const std::string plain = plainFifteenDigits(value);
    const bool cutOfGeneral = generalTextIsPlain(value) && isWholeCut(shown, plain, maxLength) &&
                              shown.size() >= std::min(plain.find('.'), plain.size());
    const bool cutOfPlain = std::abs(value) < 1.0 && isWholeCut(shown, plain, maxLength);
    if (!cutOfGeneral && !cutOfPlain) {
        return "not the box's cut of the number's text";
    }
    // Independently of the texts: the shown number lies within one step of its last
    // digit below the value (a cut), or just above it (the fifteenth digit rounded up).
    const double read = std::strtod(std::string(shown).c_str(), nullptr);
    const std::size_t point = shown.find('.');
    const int decimals =
        point == std::string_view::npos ? 0 : static_cast<int>(shown.size() - point - 1);
    const double step = std::pow(10.0, -decimals);
    const double below = std::abs(value) - std::abs(read);
    if (read != 0.0 && std::signbit(read) != std::signbit(value)) {
        return "wrong sign";
    }
    if (below >= 1.5 * step || below < -1e-14 * std::abs(value)) {
        return "shows a number of another size";
    }
    return {};
}

} // namespace

std::string ShownNumberFault(double value, std::string_view shown, std::size_t maxLength) {
    if (!std::isfinite(value)) {
        return {};
    }
    if (shown.empty()) {
        return "empty";
    }
    if (shown.size() > maxLength) {
        return "longer than the box";
    }
    if (shown.find_first_not_of('#') == std::string_view::npos) {
        if (shown.size() != maxLength) {
            return "'#' does not fill the box";
        }
        const bool noNumberFits =
            std::abs(value) >= 1.0 && shortestExponentLength(value, true) > maxLength;
        return noNumberFits ? std::string{} : "'#' although a number fits";
    }
    if (shown.find('E') != std::string_view::npos) {
        return judgeExponentForm(value, shown, maxLength);
    }
    return judgePlain(value, shown, maxLength);
}

} // namespace trimwise::testing
