#include "startup_trace.h"

#include <array>
#include <cstdio>
#include <span>
#include <windows.h>

namespace trimwise {
namespace {

constexpr double kFileTimeTicksPerMs = 10'000.0;

struct Mark {
    const char* phase;
    LARGE_INTEGER counter;
};

// The marks of one process: the benchmark's build alone keeps this state.
class Trace {
public:
    Trace() noexcept {
        QueryPerformanceCounter(&start_);
        QueryPerformanceFrequency(&frequency_);
        // The first mark is the program's own entry; how long the process took to get there is
        // the wall clock against the process's creation time.
        FILETIME now{};
        FILETIME created{};
        FILETIME unused{};
        GetSystemTimeAsFileTime(&now);
        if (GetProcessTimes(GetCurrentProcess(), &created, &unused, &unused, &unused) != FALSE) {
            startMs_ = static_cast<double>(ticks(now) - ticks(created)) / kFileTimeTicksPerMs;
        }
    }

    void mark(const char* phase) noexcept {
        LARGE_INTEGER now{};
        QueryPerformanceCounter(&now);
        if (written_) {
            const std::array<Mark, 1> late{{{phase, now}}};
            write(late);
        } else if (count_ < marks_.size()) {
            marks_[count_++] = {phase, now};
        }
    }

    void writeSoFar() noexcept {
        if (!written_) {
            write({marks_.data(), count_});
            written_ = true;
        }
    }

private:
    static ULONGLONG ticks(FILETIME time) noexcept {
        return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32U) | time.dwLowDateTime;
    }

    // Appends the marks to the file, one "phase<TAB>milliseconds" a line.
    void write(std::span<const Mark> marks) const noexcept {
        std::array<wchar_t, MAX_PATH> path{};
        const DWORD length = GetEnvironmentVariableW(L"TRIMWISE_STARTUP_TRACE", path.data(),
                                                     static_cast<DWORD>(path.size()));
        if (length == 0 || length >= path.size()) {
            return;
        }
        HANDLE file = CreateFileW(path.data(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return;
        }
        for (const Mark& mark : marks) {
            const double ms =
                startMs_ + static_cast<double>(mark.counter.QuadPart - start_.QuadPart) * 1000.0 /
                               static_cast<double>(frequency_.QuadPart);
            std::array<char, 128> line{};
            const int size = std::snprintf(line.data(), line.size(), "%s\t%.3f\n", mark.phase, ms);
            DWORD done = 0;
            if (size > 0) {
                WriteFile(file, line.data(), static_cast<DWORD>(size), &done, nullptr);
            }
        }
        CloseHandle(file);
    }

    LARGE_INTEGER start_{};
    LARGE_INTEGER frequency_{};
    double startMs_ = 0.0;
    std::array<Mark, 32> marks_{};
    std::size_t count_ = 0;
    bool written_ = false;
};

Trace& trace() noexcept {
    static Trace process;
    return process;
}

} // namespace

void MarkPhase(const char* phase) noexcept {
    trace().mark(phase);
}

void MarkFirstPaint() noexcept {
    trace().mark("first WM_PAINT done");
    trace().writeSoFar();
}

} // namespace trimwise
