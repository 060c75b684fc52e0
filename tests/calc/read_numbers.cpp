// Prints how TextToNumber reads texts that are hard to round or lie at the edges of a double,
// one line each: the text, then the double's bits in hexadecimal or the error; then how
// NumberToText and FitToBox write doubles of every size, ties of rounding among them. The
// native build converts with from_chars and to_chars, the WebAssembly build with musl's
// strtod and printf; the two must print the same lines.

#include "number_text.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <string_view>

int main() {
    constexpr std::array<std::string_view, 30> kTexts{
        "0.1",
        "600",
        "3.54166",
        "9007199254740993",
        "9007199254740993.0000000000000000001",
        "0.5000000000000000555",
        "1e23",
        "8.589973e9",
        "7.038531e-26",
        "0.1000000000000000055511151231257827021181583404541015625",
        "123456789012345678901234567890",
        "2.2250738585072011e-308",
        "2.2250738585072012e-308",
        "1e-310",
        "4.9e-324",
        "2.4703282292062328e-324",
        "2.4703282292062327e-324",
        "1e-400",
        "0.000000000000000000000000000000000000000000000000000000000000000000000000000001e-300",
        "1.7976931348623157e308",
        "1.7976931348623158e308",
        "1.7976931348623159e308",
        "1e309",
        "100000000000000000000000000000000000000000000000000000000e300",
        " -1.5E+3 ",
        ".5",
        "5.",
        "1e",
        "inf",
        "0x1p3"};
    for (const std::string_view text : kTexts) {
        const trimwise::Conversion read = trimwise::TextToNumber(text);
        std::printf("%.*s -> ", static_cast<int>(text.size()), text.data());
        if (read.ok()) {
            std::printf("%016llx\n",
                        static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(read.value)));
        } else {
            std::printf("error %d\n", static_cast<int>(read.error));
        }
    }
    // Thirds, and halves that tie at the digits a box keeps, from 1E-30 to 1E+30: the same
    // exact products in both builds.
    for (const double start : {1.0 / 3.0, 2.0 / 3.0, 0.125, 0.95, 9.5, 0.000015}) {
        double value = start;
        for (int i = 0; i < 30; ++i) {
            value /= 10.0;
        }
        for (int i = 0; i <= 60; ++i, value *= 10.0) {
            std::printf("%s | %s | %s | %s\n", trimwise::NumberToText(value).c_str(),
                        trimwise::FitToBox(value, 7).c_str(), trimwise::FitToBox(-value, 5).c_str(),
                        trimwise::PlainDecimalText(value).c_str());
        }
    }
    return 0;
}
