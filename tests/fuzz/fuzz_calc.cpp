// Arbitrary bytes into the conversions and into a whole balance run, checked against
// independent references: strtod, printf and hand-written rules for the conversions, the
// formulas worked step by step for the run, with the input each step grows with. Any
// violation aborts, so libFuzzer keeps the input.
//
// Input: up to nine lines, the texts of Text1 to Text5 and four more texts for the
// conversions, each cut to its box as typing would. A tenth line asks for wider result
// boxes (its first two bytes choose the lengths) and leaves the texts uncut, as a paste
// of any length would.

#include "balance.h"
#include "box_name.h"
#include "memory_boxes.h"
#include "number_text.h"
#include "shown_number.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace trimwise {
namespace {

using testing::BoxWrite;
using testing::MemoryBoxes;
using testing::ShownNumberFault;

void require(bool holds, std::string_view what, std::string_view detail = {}) {
    if (!holds) {
        std::fprintf(stderr, "violated: %.*s [%.*s]\n", static_cast<int>(what.size()), what.data(),
                     static_cast<int>(detail.size()), detail.data());
        std::abort();
    }
}

struct Layout {
    std::array<std::string, 9> texts;
    std::size_t resultLength = 7;
    std::size_t tailShareLength = 5;
};

Layout split(std::string_view bytes) {
    Layout layout;
    bool wide = false;
    for (std::size_t line = 0; line < 10 && !bytes.empty(); ++line) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        const std::string_view piece = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        if (line < layout.texts.size()) {
            layout.texts[line] = std::string(piece);
        } else if (!piece.empty()) {
            wide = true;
            const auto pick = [&](std::size_t i) {
                return 5 + static_cast<unsigned char>(piece[std::min(i, piece.size() - 1)]) % 20u;
            };
            layout.resultLength = pick(0);
            layout.tailShareLength = pick(1);
        }
    }
    if (!wide) {
        for (std::size_t i = 0; i < layout.texts.size(); ++i) {
            layout.texts[i].resize(std::min<std::size_t>(layout.texts[i].size(), i == 8 ? 5 : 7));
        }
    }
    return layout;
}

bool sameDouble(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

void checkFitting(double value, std::size_t length) {
    const std::string shown = FitToBox(value, length);
    const std::string fault = ShownNumberFault(value, shown, length);
    require(fault.empty(), fault, NumberToText(value) + " shown as " + shown);
}

// A value written as text and read back keeps its fifteen digits.
void checkWriting(double value) {
    const std::string text = NumberToText(value);
    char reference[64];
    std::snprintf(reference, sizeof reference, "%.15G", value);
    require(text == (value == 0.0 ? "0" : reference), "NumberToText differs from %.15G", text);
    const Conversion back = TextToNumber(text);
    if (back.error == ConversionError::Overflow) {
        // Fifteen digits of the very largest doubles round past the range.
        require(std::abs(value) > 1.797693134862315e308, "written text overflows", text);
        return;
    }
    require(back.ok() && NumberToText(back.value) == text, "text does not read back", text);
    for (const std::size_t length : {std::size_t{5}, std::size_t{7}}) {
        checkFitting(value, length);
    }
}

// Blank space that comes along with a pasted number: what isspace finds in the C locale,
// and the no-break space.
std::string_view withoutPastedBlanks(std::string_view text) {
    constexpr std::string_view noBreakSpace = "\xC2\xA0";
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    for (std::size_t before = 0; before != text.size();) {
        before = text.size();
        while (!text.empty() && blank(text.front())) {
            text.remove_prefix(1);
        }
        while (!text.empty() && blank(text.back())) {
            text.remove_suffix(1);
        }
        if (text.starts_with(noBreakSpace)) {
            text.remove_prefix(noBreakSpace.size());
        }
        if (text.ends_with(noBreakSpace)) {
            text.remove_suffix(noBreakSpace.size());
        }
    }
    return text;
}

// What a box's text reads as, by hand-written rules and strtod alone: blank space around,
// then an optional sign, digits with at most one point and at least one digit, and an
// optional exponent of e or E, an optional sign and digits.
struct Reading {
    double value = 0.0;
    ConversionError error = ConversionError::None;
};

bool isDecimalNumber(std::string_view text) {
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
        }
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        if (digits() == 0) {
            return false;
        }
    }
    return i == text.size();
}

Reading readByHand(std::string_view text) {
    const std::string number(withoutPastedBlanks(text));
    if (!isDecimalNumber(number)) {
        return {0.0, ConversionError::NotANumber};
    }
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (std::isinf(value) && errno == ERANGE) {
        return {0.0, ConversionError::Overflow};
    }
    return {value, ConversionError::None};
}

void checkReading(std::string_view text) {
    const Conversion c = TextToNumber(text);
    const Reading expected = readByHand(text);
    require(c.error == expected.error, "reads otherwise than the hand-written rules", text);
    if (c.ok()) {
        require(sameDouble(c.value, expected.value), "value differs from strtod", text);
        checkWriting(c.value);
    }
}

// The calculation walked through by hand: which boxes are rewritten, the values used, the
// four results, the first one that overflows and the input the user is sent to for it.
struct Expected {
    std::vector<BoxWrite> inputWrites;
    std::array<double, 5> values{};
    std::size_t failedInput = 5; // the input that is no number in range, or 5
    ConversionError inputError = ConversionError::None;
    std::array<double, 4> results{};
    std::size_t failedResult = 4; // the first result that is not finite, or 4
    Box blamed = Box::Text1;      // the input behind that result
};

// One step of a result and the input it grows with: the one to check when it overflows.
struct Step {
    double value;
    Box blamed;
};

Expected walk(const std::array<std::string, 9>& texts) {
    Expected e;
    constexpr double none = -std::numeric_limits<double>::infinity();
    constexpr std::array<double, 5> bounds{15.0, 2.0, none, none, none};
    constexpr std::array<std::string_view, 5> replacements{"15", "2", "0", "0", "0"};
    constexpr std::array<double, 5> replacementValues{15.0, 2.0, 0.0, 0.0, 0.0};
    constexpr std::array inputs{Box::Text1, Box::Text2, Box::Text3, Box::Text4, Box::Text5};
    for (std::size_t i = 0; i < 5; ++i) {
        const Reading read = readByHand(texts[i]);
        if (!texts[i].empty() && read.error != ConversionError::None) {
            e.failedInput = i;
            e.inputError = read.error;
            return e;
        }
        if (texts[i].empty() || read.value < bounds[i]) {
            e.inputWrites.push_back({inputs[i], std::string(replacements[i])});
            e.values[i] = replacementValues[i];
        } else {
            e.values[i] = read.value;
        }
    }
    const auto [s, c, st, lt, w] = e.values;
    const double a = s / 144.0;
    const double chordTerm = c / 6.0;
    const double tripled = st * 3.0;
    const double product = tripled * lt;
    const double wingTerm = s * 8.0;
    const double tailTerm = product / wingTerm;
    const double share = st / s;
    e.results = {a, w / a, tailTerm + chordTerm, share * 100.0};
    const std::vector<Step> steps[] = {
        {{a, Box::Text1}},
        {{e.results[1], Box::Text5}},
        {{chordTerm, Box::Text2},
         {tripled, Box::Text3},
         {product, Box::Text4},
         {wingTerm, Box::Text1},
         {tailTerm, Box::Text4},
         {e.results[2], Box::Text2}},
        {{share, Box::Text3}, {e.results[3], Box::Text3}},
    };
    for (std::size_t k = 0; k < 4; ++k) {
        const auto failed = std::ranges::find_if(
            steps[k], [](const Step& step) { return !std::isfinite(step.value); });
        if (failed != steps[k].end()) {
            e.failedResult = k;
            e.blamed = failed->blamed;
            break;
        }
    }
    return e;
}

void checkCalculation(const Layout& layout) {
    const std::array<std::string, 5> inputs{layout.texts[0], layout.texts[1], layout.texts[2],
                                            layout.texts[3], layout.texts[4]};
    MemoryBoxes boxes(inputs, layout.resultLength, layout.tailShareLength);
    const BalanceOutcome outcome = CalculateBalance(boxes);
    const Expected e = walk(layout.texts);
    const std::vector<BoxWrite>& writes = boxes.writes();
    for (const BoxWrite& write : writes) {
        require(write.text.size() <= boxes.maxLength(write.box), "write longer than its box",
                write.text);
    }

    std::size_t next = 0;
    const auto nextWrite = [&](Box box) {
        require(next < writes.size() && writes[next].box == box, "write missing or out of order",
                BoxName(box));
        return writes[next++].text;
    };
    for (const BoxWrite& input : e.inputWrites) {
        require(nextWrite(input.box) == input.text, "input rewritten wrongly", input.text);
    }

    if (e.failedInput < 5) {
        const Box box = kInputBoxes[e.failedInput];
        require(outcome.error && outcome.error->box == box && outcome.error->inputToFix == box &&
                    outcome.error->text == layout.texts[e.failedInput],
                "input failure not reported at its box", BoxName(box));
        const auto kind = e.inputError == ConversionError::Overflow ? BalanceErrorKind::TooLarge
                                                                    : BalanceErrorKind::NotANumber;
        require(outcome.error->kind == kind, "wrong kind of input failure");
    }
    const std::size_t reached = e.failedInput < 5 ? 0 : e.failedResult;
    for (std::size_t k = 0; k < kResultBoxes.size(); ++k) {
        const Box box = kResultBoxes[k];
        if (k >= reached) {
            require(nextWrite(box).empty(), "result not reached but not emptied", BoxName(box));
            continue;
        }
        const std::string shown = nextWrite(box);
        const std::string fault = ShownNumberFault(e.results[k], shown, boxes.maxLength(box));
        require(fault.empty(), fault, shown);
    }
    require(next == writes.size(), "more writes than the boxes take");

    if (e.failedInput == 5 && e.failedResult < 4) {
        require(outcome.error && outcome.error->box == kResultBoxes[e.failedResult] &&
                    outcome.error->kind == BalanceErrorKind::TooLarge,
                "result overflow not reported at its box", BoxName(kResultBoxes[e.failedResult]));
        require(outcome.error->inputToFix == e.blamed, "overflow blamed on the wrong input",
                BoxName(outcome.error->inputToFix));
    }
    if (e.failedInput == 5 && e.failedResult == 4) {
        const BalanceResults& r = outcome.results;
        require(outcome.ok() && sameDouble(r.wingAreaSquareFeet, e.results[0]) &&
                    sameDouble(r.wingLoading, e.results[1]) &&
                    sameDouble(r.cgPosition, e.results[2]) &&
                    sameDouble(r.tailPercentage, e.results[3]),
                "results differ from the formulas");
    }
}

} // namespace
} // namespace trimwise

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trimwise;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Layout layout = split(bytes);
    for (const std::string& text : layout.texts) {
        checkReading(text);
    }
    checkReading(bytes);
    if (size >= sizeof(double)) {
        double raw = 0.0;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw)) {
            checkWriting(raw);
            checkFitting(raw, layout.resultLength);
        }
    }
    checkCalculation(layout);
    return 0;
}
