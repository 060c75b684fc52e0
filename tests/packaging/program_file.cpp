#include "program_file.h"

#include "tool_output.h"

#include <regex>
#include <sstream>
#include <stdexcept>

namespace trimwise::test {

std::filesystem::path WindowsProgram() {
    const std::filesystem::path program = TRIMWISE_WINDOWS_PROGRAM;
    if (!std::filesystem::is_regular_file(program)) {
        throw std::runtime_error(program.string() +
                                 " is missing; cross-build it first with: make windows");
    }
    return program;
}

std::vector<ResourceEntry> ListResources(const std::filesystem::path& program) {
    // One line per resource: --type=16 --name=1 --language=1033 [type=version ...]
    static const std::regex line(R"(^--type=(\S+) --name=(\S+)(?: --language=(\d+))?)");
    std::istringstream listing(ToolText({TRIMWISE_WRESTOOL, "--list", program.string()}));
    std::vector<ResourceEntry> resources;
    std::string text;
    while (std::getline(listing, text)) {
        std::smatch match;
        if (!std::regex_search(text, match, line)) {
            throw std::runtime_error("unexpected line from wrestool: " + text);
        }
        ResourceEntry entry{match[1], match[2], std::nullopt};
        if (match[3].matched) {
            entry.language = static_cast<std::uint16_t>(std::stoul(match[3]));
        }
        resources.push_back(std::move(entry));
    }
    return resources;
}

Bytes ExtractResource(const std::filesystem::path& program, std::uint16_t type,
                      std::uint16_t name) {
    return ToolOutput({TRIMWISE_WRESTOOL, "--extract", "--raw", "--type=" + std::to_string(type),
                       "--name=" + std::to_string(name), program.string()});
}

} // namespace trimwise::test
