// How much longer the program takes to show its window than a bare window of the same
// toolkit, and how much more memory it holds once shown, measured in turns on a private X
// server. With --under, both run through a loader: `--under wine` for the Windows builds.
//   trimwise-bench-startup [--under loader] [pairs [trimwise bare-window]]

#include "private_display.h"
#include "window_launch.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

using trimwise::bench::StartUp;

constexpr int kDefaultPairs = 15;
constexpr auto kSettle = std::chrono::milliseconds(300);
constexpr double kTimeTarget = 1.20;
constexpr double kMemoryTarget = 1.15;
// Under Wine most of either process is Wine's own, which a Windows program would share with
// the system; what the program adds is held to less.
constexpr double kLoadedMemoryTarget = 1.30;
constexpr double kKiBPerMiB = 1024.0;

double median(std::vector<double> values) {
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Series {
    const char* label;
    std::vector<std::string> command;
    std::vector<double> milliseconds;
    std::vector<double> mebibytes;

    void add(const StartUp& run) {
        milliseconds.push_back(run.millisecondsToWindow);
        mebibytes.push_back(static_cast<double>(run.residentKiB) / kKiBPerMiB);
    }
};

void printRatio(const char* what, double ratio, double target) {
    std::printf("%-13s %5.2f  (target <= %.2f)  %s\n", what, ratio, target,
                ratio <= target ? "met" : "MISSED");
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
    Series program{"trimwise", command(args.size() > 2 ? args[1] : TRIMWISE_PROGRAM), {}, {}};
    Series bare{"bare window", command(args.size() > 2 ? args[2] : TRIMWISE_BARE_WINDOW), {}, {}};

    try {
        const trimwise::bench::PrivateDisplay display;
        trimwise::bench::WindowLaunch launch(display.name());
        std::printf("Start-up on Xvfb %s%s%s, %d pairs after one warm-up pair; memory is VmRSS "
                    "of the program's process %lld ms after the window maps.\n",
                    display.name().c_str(), loader.empty() ? "" : " under ",
                    loader.empty() ? "" : loader.front().c_str(), pairs,
                    static_cast<long long>(kSettle.count()));
        std::printf("%-4s %-12s %12s %10s\n", "pair", "program", "to window", "resident");

        // The first pair only warms the file cache and is not counted.
        for (int pair = 0; pair <= pairs; ++pair) {
            for (Series* series : {&program, &bare}) {
                const StartUp run = launch.measure(series->command, kSettle);
                if (pair == 0) {
                    continue;
                }
                series->add(run);
                std::printf("%-4d %-12s %9.1f ms %6.1f MiB\n", pair, series->label,
                            run.millisecondsToWindow,
                            static_cast<double>(run.residentKiB) / kKiBPerMiB);
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "trimwise-bench-startup: %s\n", error.what());
        return 1;
    }

    std::printf("\nmedian       %-12s %9.1f ms %6.1f MiB\n", program.label,
                median(program.milliseconds), median(program.mebibytes));
    std::printf("median       %-12s %9.1f ms %6.1f MiB\n", bare.label, median(bare.milliseconds),
                median(bare.mebibytes));
    printRatio("time ratio", median(program.milliseconds) / median(bare.milliseconds), kTimeTarget);
    const double memoryRatio = median(program.mebibytes) / median(bare.mebibytes);
    printRatio("memory ratio", memoryRatio, loader.empty() ? kMemoryTarget : kLoadedMemoryTarget);
    return 0;
}
