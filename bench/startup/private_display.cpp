#include "private_display.h"

#include <X11/Xlib.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace trimwise::bench {
namespace {

constexpr int kFirstDisplay = 90;
constexpr int kLastDisplay = 150;
constexpr auto kStartLimit = std::chrono::seconds(10);

bool displayTaken(int number) {
    const std::string n = std::to_string(number);
    return std::filesystem::exists("/tmp/.X" + n + "-lock") ||
           std::filesystem::exists("/tmp/.X11-unix/X" + n);
}

pid_t startServer(const std::string& name) {
    const pid_t pid = fork();
    if (pid == 0) {
        // The server must not outlive the benchmark, however that ends.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execlp("Xvfb", "Xvfb", name.c_str(), "-screen", "0", "1024x768x24", "-dpi", "96",
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

bool serverAnswers(const std::string& name) {
    Display* display = XOpenDisplay(name.c_str());
    if (display == nullptr) {
        return false;
    }
    XCloseDisplay(display);
    return true;
}

bool serverGone(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

} // namespace

PrivateDisplay::PrivateDisplay() {
    for (int number = kFirstDisplay; number <= kLastDisplay; ++number) {
        if (displayTaken(number)) {
            continue;
        }
        const std::string name = ":" + std::to_string(number);
        const pid_t pid = startServer(name);
        if (pid < 0) {
            break;
        }
        const auto deadline = std::chrono::steady_clock::now() + kStartLimit;
        bool gone = false;
        while (!gone && std::chrono::steady_clock::now() < deadline) {
            // Gone means someone else took the display a moment before us.
            gone = serverGone(pid);
            if (!gone && serverAnswers(name)) {
                server_ = pid;
                name_ = name;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (!gone) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
    throw std::runtime_error("could not start Xvfb on any display from :90 to :150");
}

PrivateDisplay::~PrivateDisplay() {
    kill(server_, SIGTERM);
    waitpid(server_, nullptr, 0);
}

} // namespace trimwise::bench
