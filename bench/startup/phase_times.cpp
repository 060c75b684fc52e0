#include "phase_times.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>
#include <sstream>
#include <utility>

namespace trimwise::bench {
namespace {

std::optional<double> medianOf(const std::map<std::string, std::vector<double>>& runs,
                               const std::string& phase) {
    const auto found = runs.find(phase);
    if (found == runs.end()) {
        return std::nullopt;
    }
    return Median(found->second);
}

// A cell of the table: the number, or a dash where the program has no such phase.
std::string cell(std::optional<double> value) {
    if (!value) {
        return "-";
    }
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.1f", *value);
    return text.data();
}

} // namespace

double Quantile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0.0;
    }
    std::ranges::sort(values);
    const double place = fraction * static_cast<double>(values.size() - 1);
    const auto below = static_cast<std::size_t>(place);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (place - static_cast<double>(below));
}

double Median(std::vector<double> values) {
    return Quantile(std::move(values), 0.5);
}

void PhaseTimes::add(std::istream& marks) {
    std::set<std::string> seen;
    std::optional<double> before;
    std::string line;
    while (std::getline(marks, line)) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) {
            continue;
        }
        const std::string phase = line.substr(0, tab);
        double at = 0.0;
        std::istringstream number(line.substr(tab + 1));
        if (!(number >> at) || !seen.insert(phase).second) {
            continue;
        }
        if (std::ranges::find(order_, phase) == order_.end()) {
            order_.push_back(phase);
        }
        at_[phase].push_back(at);
        steps_[phase].push_back(before ? at - *before : at);
        before = at;
    }
}

std::optional<double> PhaseTimes::medianAt(const std::string& phase) const {
    return medianOf(at_, phase);
}

std::optional<double> PhaseTimes::medianStep(const std::string& phase) const {
    return medianOf(steps_, phase);
}

void PrintPhaseTable(const char* programLabel, const PhaseTimes& program, const char* bareLabel,
                     const PhaseTimes& bare) {
    // The bare window's own phases go after the last one that the two share before them.
    std::vector<std::string> phases = program.phases();
    auto place = phases.begin();
    for (const std::string& phase : bare.phases()) {
        const auto found = std::ranges::find(phases, phase);
        place = (found != phases.end() ? found : phases.insert(place, phase)) + 1;
    }
    std::printf("\nStart-up phases, median ms from the process's start (at) and from the mark "
                "before (step):\n%-32s %10s %8s %12s %8s\n",
                "phase", programLabel, "step", bareLabel, "step");
    for (const std::string& phase : phases) {
        std::printf("%-32s %10s %8s %12s %8s\n", phase.c_str(),
                    cell(program.medianAt(phase)).c_str(), cell(program.medianStep(phase)).c_str(),
                    cell(bare.medianAt(phase)).c_str(), cell(bare.medianStep(phase)).c_str());
    }
}

} // namespace trimwise::bench
