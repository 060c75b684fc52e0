#pragma once

#include "byte_reader.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace trimwise::test {

// A resource type or name: a number, or a string.
using ResourceId = std::variant<std::uint16_t, std::u16string>;

// One record of a compiled .res file: its RESOURCEHEADER and its data.
struct Resource {
    ResourceId type;
    ResourceId name;
    std::uint32_t dataVersion = 0;
    std::uint16_t memoryFlags = 0;
    std::uint16_t language = 0;
    std::uint32_t version = 0;
    std::uint32_t characteristics = 0;
    Bytes data;
};

// All records in file order, including the empty one that opens every .res file.
// Throws when a header is malformed or a record runs past the end.
[[nodiscard]] std::vector<Resource> ParseResFile(const Bytes& file);

// The record with this numeric type and name, or nullptr.
[[nodiscard]] const Resource* FindResource(const std::vector<Resource>& resources,
                                           std::uint16_t type, std::uint16_t name);

} // namespace trimwise::test
