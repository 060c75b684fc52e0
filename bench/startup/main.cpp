// How much longer the program takes to show its window, and to draw it in full, than a bare
// window of the same toolkit, and how much more memory it holds once shown, measured in turns
// on a private X server. Drawn is the last drawing into the window that the X server's DAMAGE
// extension reports before the window settles. With --under, both run through a loader:
// `--under wine` for the Windows builds. Programs that mark their start-up phases
// (ui/win32/startup_trace.h) get a file to write them to, and the phases are shown side by
// side.
//   trimwise-bench-startup [--under loader] [pairs [trimwise bare-window]]

#include "phase_times.h"
#include "private_display.h"
#include "window_launch.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using trimwise::bench::Median;
using trimwise::bench::PhaseTimes;
using trimwise::bench::Quantile;
using trimwise::bench::StartUp;

constexpr int kDefaultPairs = 15;
constexpr auto kSettle = std::chrono::milliseconds(300);
constexpr double kTimeTarget = 1.10;
constexpr double kMemoryTarget = 1.15;
// Under Wine most of either process is Wine's own, which a Windows program would share with
// the system; what the program adds is held to less.
constexpr double kLoadedMemoryTarget = 1.20;
constexpr double kKiBPerMiB = 1024.0;
constexpr char kPhaseFileVariable[] = "TRIMWISE_STARTUP_TRACE";

struct Series {
    const char* label;
    std::vector<std::string> command;
    std::vector<double> milliseconds{};
    std::vector<double> drawn{};
    std::vector<double> mebibytes{};
    PhaseTimes phases{};

    void add(const StartUp& run, const std::filesystem::path& phaseFile) {
        milliseconds.push_back(run.millisecondsToWindow);
        drawn.push_back(run.millisecondsToDrawn);
        mebibytes.push_back(static_cast<double>(run.residentKiB) / kKiBPerMiB);
        std::ifstream marks(phaseFile);
        phases.add(marks);
    }
};

// The file the programs write their phases to, named for them in the environment: under Wine
// by its drive Z:, which is the root of the Linux file system.
std::filesystem::path namePhaseFile(bool underWine) {
    std::string folder = (std::filesystem::temp_directory_path() / "trimwise-bench-XXXXXX");
    if (mkdtemp(folder.data()) == nullptr) {
        throw std::runtime_error("cannot make a folder for the phase marks");
    }
    const std::filesystem::path file = std::filesystem::path(folder) / "phases.txt";
    setenv(kPhaseFileVariable, ((underWine ? "Z:" : "") + file.string()).c_str(), 1);
    return file;
}

void printRatio(const char* what, double ratio, double target) {
    std::printf("%-13s %5.2f  (target <= %.2f)  %s\n", what, ratio, target,
                ratio <= target ? "met" : "MISSED");
}

void printMedians(const char* what, const Series& series, const std::vector<double>& times) {
    std::printf("%-12s %-12s %9.1f ms  middle half %.1f to %.1f ms\n", what, series.label,
                Median(times), Quantile(times, 0.25), Quantile(times, 0.75));
}

// The program's own marks say how long after its window was shown its first paint ended; the
// X server's account of the same run should say much the same, or one of them is wrong.
void printMarkedPaint(const Series& series, const char* shown, const char* painted) {
    const std::optional<double> shownAt = series.phases.medianAt(shown);
    const std::optional<double> paintedAt = series.phases.medianAt(painted);
    if (!shownAt || !paintedAt) {
        return;
    }
    std::printf("%-12s drawn %.1f ms after its map by DAMAGE; first paint done %.1f ms after "
                "%s by its own marks\n",
                series.label, Median(series.drawn) - Median(series.milliseconds),
                *paintedAt - *shownAt, shown);
}

} // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::vector<std::string> loader;
    if (args.size() >= 2 && args[0] == "--under") {
        loader.push_back(args[1]);
        args.erase(args.begin(), args.begin() + 2);
    }
    const auto command = [&](const std::string& program) {
        std::vector<std::string> words = loader;
        words.push_back(program);
        return words;
    };
    const int pairs = !args.empty() ? std::max(1, std::stoi(args[0])) : kDefaultPairs;
    Series program{"trimwise", command(args.size() > 2 ? args[1] : TRIMWISE_PROGRAM)};
    Series bare{"bare window", command(args.size() > 2 ? args[2] : TRIMWISE_BARE_WINDOW)};

    const std::filesystem::path phaseFile = namePhaseFile(
        !loader.empty() && std::filesystem::path(loader.front()).filename() == "wine");
    try {
        const trimwise::bench::PrivateDisplay display;
        trimwise::bench::WindowLaunch launch(display.name());
        std::printf("Start-up on Xvfb %s%s%s, %d pairs after one warm-up pair; memory is VmRSS "
                    "of the program's process %lld ms after the window maps.\n",
                    display.name().c_str(), loader.empty() ? "" : " under ",
                    loader.empty() ? "" : loader.front().c_str(), pairs,
                    static_cast<long long>(kSettle.count()));
        std::printf("%-4s %-12s %12s %12s %10s\n", "pair", "program", "to window", "drawn",
                    "resident");

        // The first pair only warms the file cache and is not counted.
        for (int pair = 0; pair <= pairs; ++pair) {
            for (Series* series : {&program, &bare}) {
                std::filesystem::remove(phaseFile);
                const StartUp run = launch.measure(series->command, kSettle);
                if (pair == 0) {
                    continue;
                }
                series->add(run, phaseFile);
                std::printf("%-4d %-12s %9.1f ms %9.1f ms %6.1f MiB\n", pair, series->label,
                            run.millisecondsToWindow, run.millisecondsToDrawn,
                            static_cast<double>(run.residentKiB) / kKiBPerMiB);
            }
        }
    } catch (const std::exception& error) {
        std::filesystem::remove_all(phaseFile.parent_path());
        std::fprintf(stderr, "trimwise-bench-startup: %s\n", error.what());
        return 1;
    }
    std::filesystem::remove_all(phaseFile.parent_path());

    // On a quiet machine the middle half of the runs lies within a few per cent of the median;
    // wider, other work shared the processor and the ratios say less.
    std::printf("\n");
    for (const Series* series : {&program, &bare}) {
        printMedians("to window", *series, series->milliseconds);
    }
    for (const Series* series : {&program, &bare}) {
        printMedians("drawn", *series, series->drawn);
    }
    for (const Series* series : {&program, &bare}) {
        std::printf("%-12s %-12s %9.1f MiB\n", "resident", series->label,
                    Median(series->mebibytes));
    }
    for (const Series* series : {&program, &bare}) {
        printMarkedPaint(*series, "ShowWindow", "first WM_PAINT done");
    }
    printRatio("time ratio", Median(program.milliseconds) / Median(bare.milliseconds), kTimeTarget);
    printRatio("drawn ratio", Median(program.drawn) / Median(bare.drawn), kTimeTarget);
    const double memoryRatio = Median(program.mebibytes) / Median(bare.mebibytes);
    printRatio("memory ratio", memoryRatio, loader.empty() ? kMemoryTarget : kLoadedMemoryTarget);
    if (!program.phases.empty() || !bare.phases.empty()) {
        PrintPhaseTable(program.label, program.phases, bare.label, bare.phases);
    }
    return 0;
}
