#pragma once

#include "byte_reader.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace trimwise::test {

// The cross-built trimwise.exe; throws, saying how to build it, when it is not there.
[[nodiscard]] std::filesystem::path WindowsProgram();

// One resource of a program file as wrestool lists it. Type and name are kept as written,
// since either may be a string rather than a number.
struct ResourceEntry {
    std::string type;
    std::string name;
    std::optional<std::uint16_t> language;
};

// Every resource in the program file, in the order of its resource directory.
[[nodiscard]] std::vector<ResourceEntry> ListResources(const std::filesystem::path& program);

// The bytes of one resource, exactly as the program file holds them.
[[nodiscard]] Bytes ExtractResource(const std::filesystem::path& program, std::uint16_t type,
                                    std::uint16_t name);

} // namespace trimwise::test
