#pragma once

#include <string>
#include <sys/types.h>

namespace trimwise::bench {

// An Xvfb server of our own on the first free display from :90 on, stopped again when
// this goes out of scope. Throws std::runtime_error when no server can be started.
class PrivateDisplay {
public:
    PrivateDisplay();
    ~PrivateDisplay();
    PrivateDisplay(const PrivateDisplay&) = delete;
    PrivateDisplay& operator=(const PrivateDisplay&) = delete;

    [[nodiscard]] const std::string& name() const noexcept { return name_; }

private:
    pid_t server_ = -1;
    std::string name_;
};

} // namespace trimwise::bench
