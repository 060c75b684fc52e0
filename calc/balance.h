#pragma once

#include "number_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trimwise {

// The nine text boxes the calculation works on: five inputs, then four results.
enum class Box : std::uint8_t { Text1, Text2, Text3, Text4, Text5, Text7, Text8, Text9, Text11 };

inline constexpr std::array kInputBoxes{Box::Text1, Box::Text2, Box::Text3, Box::Text4, Box::Text5};
inline constexpr std::array kResultBoxes{Box::Text7, Box::Text8, Box::Text9, Box::Text11};
inline constexpr std::array kAllBoxes{Box::Text1, Box::Text2, Box::Text3, Box::Text4, Box::Text5,
                                      Box::Text7, Box::Text8, Box::Text9, Box::Text11};

// What the calculation needs of the window: read a box, replace its text, and know how
// many characters it holds.
class BalanceBoxes {
public:
    virtual ~BalanceBoxes() = default;
    [[nodiscard]] virtual std::string text(Box box) const = 0;
    virtual void setText(Box box, std::string_view text) = 0;
    [[nodiscard]] virtual std::size_t maxLength(Box box) const = 0;

protected:
    BalanceBoxes() = default;
    BalanceBoxes(const BalanceBoxes&) = default;
    BalanceBoxes& operator=(const BalanceBoxes&) = default;
};

// Wing area S and tail area St in square inches, chord c and tail moment arm lt in
// inches, all-up weight W in ounces.
struct BalanceInputs {
    double wingArea = 0.0;
    double averageChord = 0.0;
    double tailArea = 0.0;
    double tailMoment = 0.0;
    double allUpWeight = 0.0;
};

struct BalanceResults {
    double wingAreaSquareFeet = 0.0; // Text7
    double wingLoading = 0.0;        // Text8, ounces per square foot
    double cgPosition = 0.0;         // Text9, inches behind the leading edge
    double tailPercentage = 0.0;     // Text11, tail area as percent of wing area
};

// How an empty or too small entry in an input box is replaced.
struct InputRule {
    std::string_view emptyText;
    std::optional<double> lowerBound; // strict: a value equal to it stays as typed
    std::string_view boundText;
};

[[nodiscard]] InputRule RuleFor(Box input) noexcept;

struct NormalisedInput {
    double value = 0.0;
    std::optional<std::string_view> writeBack; // the text to put in the box, if any
    ConversionError error = ConversionError::None;
};

// One input box's text against its rule: the value to compute with, and the text to
// write back when the box was empty or below its bound.
[[nodiscard]] NormalisedInput NormaliseInput(std::string_view text, const InputRule& rule) noexcept;

// A result beyond the range of a double, and the input most to blame for it.
struct ResultOverflow {
    Box result;
    Box cause;
};

struct Computation {
    BalanceResults results;
    std::optional<ResultOverflow> overflow; // results from this one on were not reached
};

// The four results, step by step in a fixed order, each step rounded to a double and
// checked; it stops at the first step that overflows or turns invalid.
[[nodiscard]] Computation ComputeBalance(const BalanceInputs& inputs) noexcept;

enum class BalanceErrorKind {
    NotANumber, // an input box holds text that is no number
    TooLarge,   // an input, or a result computed from the inputs, is beyond a double
};

struct BalanceError {
    Box box; // the input box, or the result box, that failed
    BalanceErrorKind kind;
    std::string text; // the offending text of an input box
    Box inputToFix;   // where the user should look: the input behind it
};

struct BalanceOutcome {
    BalanceResults results;
    std::optional<BalanceError> error;

    [[nodiscard]] bool ok() const noexcept { return !error.has_value(); }
};

// One whole calculation on the boxes: normalise and read the five inputs in order,
// compute, and write Text7, Text8, Text9 and Text11, each fitted to its box. On failure it
// stops there, keeps what it already wrote, empties the result boxes it did not reach and
// returns the error; it never throws.
BalanceOutcome CalculateBalance(BalanceBoxes& boxes);

} // namespace trimwise
