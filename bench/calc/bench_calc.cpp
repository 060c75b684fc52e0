#include "balance.h"
#include "number_text.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstddef>
#include <string>
#include <string_view>

namespace trimwise {
namespace {

// Boxes as plain strings, the least a window could cost, so that what is measured is
// the calculation itself.
class PlainBoxes final : public BalanceBoxes {
public:
    explicit PlainBoxes(const std::array<std::string, 5>& inputs) {
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            texts_[i] = inputs[i];
        }
    }
    [[nodiscard]] std::string text(Box box) const override {
        return texts_[static_cast<std::size_t>(box)];
    }
    void setText(Box box, std::string_view text) override {
        texts_[static_cast<std::size_t>(box)] = text;
    }
    [[nodiscard]] std::size_t maxLength(Box box) const override {
        return box == Box::Text11 ? 5 : 7;
    }

private:
    std::array<std::string, 9> texts_{};
};

// The results stay writable: DoNotOptimize treats what it is given as read and written, which
// Benchmark allows only for values that may change.

// Fresh boxes every round, as a click finds them: five reads, then the writes.
void RunCalculation(benchmark::State& state, const std::array<std::string, 5>& typed) {
    for (auto _ : state) {
        PlainBoxes boxes(typed);
        BalanceOutcome outcome = CalculateBalance(boxes);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(boxes);
    }
}

void CalculateBalanceTypical(benchmark::State& state) {
    RunCalculation(state, {"600", "10", "120", "25", "48"});
}
BENCHMARK(CalculateBalanceTypical);

void CalculateBalanceAllEmpty(benchmark::State& state) {
    RunCalculation(state, {});
}
BENCHMARK(CalculateBalanceAllEmpty);

constexpr std::array<std::string_view, 8> kTyped{"600", "10",   "120",  "25",
                                                 "48",  "1.99", "0600", "15.0"};

void TextToNumberTyped(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        Conversion c = TextToNumber(kTyped[i++ % kTyped.size()]);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(TextToNumberTyped);

constexpr std::array<double, 8> kResults{
    600.0 / 144.0, 11.52, 3.5416666666666667, 20.0, 15.0 / 144.0, 100.0 / 3.0, 1.23e-9, 4.8e20};

void NumberToTextResults(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = NumberToText(kResults[i++ % kResults.size()]);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(NumberToTextResults);

void FitToBoxResults(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = FitToBox(kResults[i++ % kResults.size()], 7);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(FitToBoxResults);

} // namespace
} // namespace trimwise
