#pragma once

#include <istream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace trimwise::bench {

// The value below which that fraction of the values lie, between the two nearest if need be.
[[nodiscard]] double Quantile(std::vector<double> values, double fraction);
[[nodiscard]] double Median(std::vector<double> values);

// The start-up phases that a program marks (ui/win32/startup_trace.h), gathered over runs:
// when each came, in milliseconds from the process's start, and how long it took from the mark
// before it in the same run.
class PhaseTimes {
public:
    // One run's marks, a "phase<TAB>milliseconds" a line; a phase marked twice counts once.
    void add(std::istream& marks);

    [[nodiscard]] bool empty() const noexcept { return order_.empty(); }
    // The phases in the order the runs first marked them.
    [[nodiscard]] const std::vector<std::string>& phases() const noexcept { return order_; }
    [[nodiscard]] std::optional<double> medianAt(const std::string& phase) const;
    [[nodiscard]] std::optional<double> medianStep(const std::string& phase) const;

private:
    std::vector<std::string> order_;
    std::map<std::string, std::vector<double>> at_;
    std::map<std::string, std::vector<double>> steps_;
};

// The two programs' phases side by side, medians over their runs.
void PrintPhaseTable(const char* programLabel, const PhaseTimes& program, const char* bareLabel,
                     const PhaseTimes& bare);

} // namespace trimwise::bench
