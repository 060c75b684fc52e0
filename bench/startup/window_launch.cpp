#include "window_launch.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace trimwise::bench {
namespace {

constexpr auto kWindowLimit = std::chrono::seconds(20);

[[noreturn]] void runChild(const std::vector<std::string>& command, const std::string& display) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    std::vector<char*> arguments;
    for (const std::string& argument : command) {
        arguments.push_back(const_cast<char*>(argument.c_str()));
    }
    arguments.push_back(nullptr);
    execvp(arguments.front(), arguments.data());
    _exit(127);
}

long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

// A window may be gone by the time its properties are read; that is no reason to stop.
int ignoreError(Display* /*display*/, XErrorEvent* /*error*/) {
    return 0;
}

void endChild(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

} // namespace

WindowLaunch::WindowLaunch(const std::string& display)
    : displayName_(display), display_(XOpenDisplay(display.c_str())) {
    if (display_ == nullptr) {
        throw std::runtime_error("cannot open X display " + display);
    }
    int damageError = 0;
    if (XDamageQueryExtension(display_, &damageEvent_, &damageError) == False) {
        XCloseDisplay(display_);
        throw std::runtime_error("the X server has no DAMAGE extension");
    }
    XSetErrorHandler(ignoreError);
    // Without a window manager every top-level window is a child of the root window, so
    // its creation and its map show up here.
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    pidAtom_ = XInternAtom(display_, "_NET_WM_PID", False);
    XSync(display_, False);
}

WindowLaunch::~WindowLaunch() {
    XCloseDisplay(display_);
}

long WindowLaunch::windowPid(unsigned long window) const {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display_, window, pidAtom_, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &remaining, &data) == Success &&
        data != nullptr) {
        if (format == 32 && count == 1) {
            pid = *reinterpret_cast<long*>(data);
        }
        XFree(data);
    }
    return pid;
}

bool WindowLaunch::watch(Clock::time_point deadline, pid_t pid) {
    const int connection = ConnectionNumber(display_);
    while (true) {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            const Clock::time_point now = Clock::now();
            if (event.type == damageEvent_ + XDamageNotify) {
                // Every drawing is reported as it happens, into the window or its children.
                drawnAt_[reinterpret_cast<const XDamageNotifyEvent&>(event).drawable] = now;
            } else if (event.type == CreateNotify && !event.xcreatewindow.override_redirect) {
                // Watched from its creation, so that no drawing after its map goes unseen.
                const Window window = event.xcreatewindow.window;
                damageOf_[window] = XDamageCreate(display_, window, XDamageReportRawRectangles);
            } else if (pid > 0 && event.type == MapNotify && !event.xmap.override_redirect &&
                       windowPid(event.xmap.window) == pid) {
                mapped_ = event.xmap.window;
                return true;
            }
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd ready{connection, POLLIN, 0};
        poll(&ready, 1, static_cast<int>(left.count()));
    }
}

void WindowLaunch::forgetDamage() {
    for (const auto& [window, damage] : damageOf_) {
        XDamageDestroy(display_, damage);
    }
    XSync(display_, True);
    damageOf_.clear();
    drawnAt_.clear();
    mapped_ = 0;
}

StartUp WindowLaunch::measure(const std::vector<std::string>& command,
                              std::chrono::milliseconds settle) {
    if (command.empty()) {
        throw std::invalid_argument("no command to start");
    }
    const std::string& program = command.back();
    forgetDamage(); // and the windows of earlier runs
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        throw std::runtime_error("cannot start " + program);
    }
    if (pid == 0) {
        runChild(command, displayName_);
    }
    if (!watch(start + kWindowLimit, pid)) {
        endChild(pid);
        throw std::runtime_error(program + " showed no window within 20 s");
    }
    const Clock::time_point mappedAt = Clock::now();
    watch(mappedAt + settle, 0);
    const auto drawn = drawnAt_.find(mapped_);
    const Clock::time_point drawnAt = drawn != drawnAt_.end() ? drawn->second : mappedAt;
    const std::chrono::duration<double, std::milli> toWindow = mappedAt - start;
    const std::chrono::duration<double, std::milli> toDrawn = drawnAt - start;
    StartUp result{toWindow.count(), toDrawn.count(), residentKiB(pid)};
    endChild(pid);
    return result;
}

} // namespace trimwise::bench
