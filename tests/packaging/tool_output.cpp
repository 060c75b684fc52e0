#include "tool_output.h"

#include <array>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <sys/wait.h>

namespace trimwise::test {
namespace {

// Single quotes keep every character but the quote itself, which is closed, escaped and
// reopened.
std::string ShellQuoted(const std::string& word) {
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string CommandLine(const std::vector<std::string>& command) {
    std::string line;
    for (const auto& word : command) {
        line += (line.empty() ? "" : " ") + ShellQuoted(word);
    }
    return line;
}

struct PipeCloser {
    int* status;
    void operator()(std::FILE* pipe) const { *status = pclose(pipe); }
};

} // namespace

Bytes ToolOutput(const std::vector<std::string>& command) {
    const std::string line = CommandLine(command);
    Bytes output;
    int status = -1;
    {
        const std::unique_ptr<std::FILE, PipeCloser> pipe(popen(line.c_str(), "r"),
                                                          PipeCloser{&status});
        if (!pipe) {
            throw std::runtime_error("cannot run " + line);
        }
        std::array<std::uint8_t, 4096> buffer{};
        std::size_t got = 0;
        while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) {
            output.insert(output.end(), buffer.begin(), buffer.begin() + static_cast<long>(got));
        }
    }
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(line + " failed (status " + std::to_string(status) + ")");
    }
    return output;
}

std::string ToolText(const std::vector<std::string>& command) {
    const Bytes output = ToolOutput(command);
    return {output.begin(), output.end()};
}

} // namespace trimwise::test
