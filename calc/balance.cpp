#include "balance.h"

#include <cmath>

namespace trimwise {
namespace {

constexpr double kSquareInchesPerSquareFoot = 144.0;

// After each arithmetic step: the inputs are finite, so a value that is not finite means
// the step overflowed (or, from an infinity, turned invalid).
bool failed(double value) noexcept {
    return !std::isfinite(value);
}

} // namespace

InputRule RuleFor(Box input) noexcept {
    switch (input) {
    case Box::Text1:
        return {"15", 15.0, "15"};
    case Box::Text2:
        return {"2", 2.0, "2"};
    default:
        return {"0", std::nullopt, {}};
    }
}

NormalisedInput NormaliseInput(std::string_view text, const InputRule& rule) noexcept {
    if (text.empty()) {
        const Conversion defaulted = TextToNumber(rule.emptyText);
        return {defaulted.value, rule.emptyText, ConversionError::None};
    }
    const Conversion typed = TextToNumber(text);
    if (!typed.ok()) {
        return {0.0, std::nullopt, typed.error};
    }
    if (rule.lowerBound && typed.value < *rule.lowerBound) {
        return {*rule.lowerBound, rule.boundText, ConversionError::None};
    }
    return {typed.value, std::nullopt, ConversionError::None};
}

Computation ComputeBalance(const BalanceInputs& in) noexcept {
    Computation out;
    BalanceResults& r = out.results;
    const auto overflow = [&out](Box result, Box cause) {
        out.overflow = ResultOverflow{result, cause};
        return out;
    };

    r.wingAreaSquareFeet = in.wingArea / kSquareInchesPerSquareFoot;
    if (failed(r.wingAreaSquareFeet)) {
        return overflow(Box::Text7, Box::Text1);
    }

    r.wingLoading = in.allUpWeight / r.wingAreaSquareFeet;
    if (failed(r.wingLoading)) {
        return overflow(Box::Text8, Box::Text5);
    }

    // The balance point lies c/6 + 3·St·lt/(8·S) behind the leading edge: a sixth of the
    // chord for the wing alone, moved back by three eighths of the tail's area times its arm
    // over the wing area. Each step is a double of its own, in this order, so the roundings
    // never change and a step that fails names the input behind it.
    const double chordTerm = in.averageChord / 6.0;
    if (failed(chordTerm)) {
        return overflow(Box::Text9, Box::Text2);
    }
    const double tripledTail = in.tailArea * 3.0;
    if (failed(tripledTail)) {
        return overflow(Box::Text9, Box::Text3);
    }
    const double tailProduct = tripledTail * in.tailMoment;
    if (failed(tailProduct)) {
        return overflow(Box::Text9, Box::Text4);
    }
    const double wingTerm = in.wingArea * 8.0;
    if (failed(wingTerm)) {
        return overflow(Box::Text9, Box::Text1);
    }
    const double tailTerm = tailProduct / wingTerm;
    if (failed(tailTerm)) {
        return overflow(Box::Text9, Box::Text4);
    }
    r.cgPosition = tailTerm + chordTerm;
    if (failed(r.cgPosition)) {
        return overflow(Box::Text9, Box::Text2);
    }

    const double tailShare = in.tailArea / in.wingArea;
    if (failed(tailShare)) {
        return overflow(Box::Text11, Box::Text3);
    }
    r.tailPercentage = tailShare * 100.0;
    if (failed(r.tailPercentage)) {
        return overflow(Box::Text11, Box::Text3);
    }
    return out;
}

BalanceOutcome CalculateBalance(BalanceBoxes& boxes) {
    BalanceOutcome outcome;
    const auto emptyResultsFrom = [&boxes](std::size_t first) {
        for (std::size_t i = first; i < kResultBoxes.size(); ++i) {
            boxes.setText(kResultBoxes[i], {});
        }
    };

    std::array<double, kInputBoxes.size()> values{};
    for (std::size_t i = 0; i < kInputBoxes.size(); ++i) {
        const Box box = kInputBoxes[i];
        std::string text = boxes.text(box);
        const NormalisedInput input = NormaliseInput(text, RuleFor(box));
        if (input.error != ConversionError::None) {
            emptyResultsFrom(0);
            const auto kind = input.error == ConversionError::Overflow
                                  ? BalanceErrorKind::TooLarge
                                  : BalanceErrorKind::NotANumber;
            outcome.error = BalanceError{box, kind, std::move(text), box};
            return outcome;
        }
        if (input.writeBack) {
            boxes.setText(box, *input.writeBack);
        }
        values[i] = input.value;
    }

    const BalanceInputs inputs{values[0], values[1], values[2], values[3], values[4]};
    const Computation computation = ComputeBalance(inputs);
    const BalanceResults& r = computation.results;
    const std::array shown{r.wingAreaSquareFeet, r.wingLoading, r.cgPosition, r.tailPercentage};
    for (std::size_t i = 0; i < kResultBoxes.size(); ++i) {
        const Box box = kResultBoxes[i];
        if (computation.overflow && computation.overflow->result == box) {
            emptyResultsFrom(i);
            outcome.error =
                BalanceError{box, BalanceErrorKind::TooLarge, {}, computation.overflow->cause};
            return outcome;
        }
        boxes.setText(box, FitToBox(shown[i], boxes.maxLength(box)));
    }
    outcome.results = r;
    return outcome;
}

} // namespace trimwise
