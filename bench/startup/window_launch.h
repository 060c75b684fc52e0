#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

typedef struct _XDisplay Display;

namespace trimwise::bench {

struct StartUp {
    double millisecondsToWindow = 0.0; // from starting the process to its window being mapped
    long residentKiB = 0;              // VmRSS once the window has settled
};

// Starts programs on an X display and watches the root window for their windows to map.
class WindowLaunch {
public:
    explicit WindowLaunch(const std::string& display);
    ~WindowLaunch();
    WindowLaunch(const WindowLaunch&) = delete;
    WindowLaunch& operator=(const WindowLaunch&) = delete;

    // Runs the command (a program and its arguments, looked up in PATH) until its first
    // top-level window maps, lets it settle, measures and ends it. The window must belong
    // to the started process itself, which a loader such as wine becomes by exec.
    // Throws std::runtime_error when no window comes.
    StartUp measure(const std::vector<std::string>& command, std::chrono::milliseconds settle);

private:
    [[nodiscard]] long windowPid(unsigned long window) const;
    [[nodiscard]] bool waitForWindow(pid_t pid, std::chrono::steady_clock::time_point deadline);

    std::string displayName_;
    Display* display_ = nullptr;
    unsigned long pidAtom_ = 0;
};

} // namespace trimwise::bench
