#pragma once

#include <chrono>
#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

typedef struct _XDisplay Display;

namespace trimwise::bench {

struct StartUp {
    double millisecondsToWindow = 0.0; // from starting the process to its window being mapped
    double millisecondsToDrawn = 0.0;  // to the last drawing into that window before it settled
    long residentKiB = 0;              // VmRSS once the window has settled
};

// Starts programs on an X display and watches the root window for their windows to map, and
// each new window, with the DAMAGE extension, for drawing into it or its children.
class WindowLaunch {
public:
    explicit WindowLaunch(const std::string& display);
    ~WindowLaunch();
    WindowLaunch(const WindowLaunch&) = delete;
    WindowLaunch& operator=(const WindowLaunch&) = delete;

    // Runs the command (a program and its arguments, looked up in PATH) until its first
    // top-level window maps, lets it settle while noting when it is drawn, measures and ends
    // it. The window must belong
    // to the started process itself, which a loader such as wine becomes by exec.
    // Throws std::runtime_error when no window comes.
    StartUp measure(const std::vector<std::string>& command, std::chrono::milliseconds settle);

private:
    using Clock = std::chrono::steady_clock;

    [[nodiscard]] long windowPid(unsigned long window) const;
    // Takes the events that came until the deadline, or until the window of that process has
    // mapped if `pid` is given; tells whether it has.
    bool watch(Clock::time_point deadline, pid_t pid);
    void forgetDamage();

    std::string displayName_;
    Display* display_ = nullptr;
    unsigned long pidAtom_ = 0;
    int damageEvent_ = 0;
    // The damage watched for each new top-level window, and when each was last drawn into.
    std::map<unsigned long, unsigned long> damageOf_;
    std::map<unsigned long, Clock::time_point> drawnAt_;
    unsigned long mapped_ = 0;
};

} // namespace trimwise::bench
