#pragma once

#include "byte_reader.h"

#include <cstdint>
#include <string>
#include <vector>

namespace trimwise::test {

// One node of a version resource (VS_VERSIONINFO, StringFileInfo, a string table, a
// String, VarFileInfo, a Var): all share the layout length, value length, type, key,
// value, children.
struct VersionNode {
    enum class Kind : std::uint16_t { Binary = 0, Text = 1 };

    std::u16string key;
    Kind kind = Kind::Binary;
    Bytes value;
    std::vector<VersionNode> children;
};

// The tree rooted at the start of `data`; throws when a length field disagrees with the
// bytes that are there.
[[nodiscard]] VersionNode ParseVersionTree(std::span<const std::uint8_t> data);

// A text node's value without its terminating zero.
[[nodiscard]] std::u16string TextValue(const VersionNode& node);

} // namespace trimwise::test
