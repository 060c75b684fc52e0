#include "version_tree.h"

#include <stdexcept>

namespace trimwise::test {
namespace {

VersionNode ParseNode(const ByteReader& in, std::size_t start) {
    const std::size_t length = in.u16(start);
    const std::size_t valueLength = in.u16(start + 2);
    const auto kind = in.u16(start + 4);
    if (length < 6 || kind > 1) {
        throw std::runtime_error("version node at " + std::to_string(start) + " is malformed");
    }
    VersionNode node;
    node.kind = static_cast<VersionNode::Kind>(kind);
    std::size_t at = 0;
    node.key = in.utf16z(start + 6, at);
    at = AlignUp4(at);

    // Text values are counted in UTF-16 units, binary ones in bytes.
    const auto valueBytes = node.kind == VersionNode::Kind::Text ? 2 * valueLength : valueLength;
    const auto value = in.slice(at, valueBytes);
    node.value.assign(value.begin(), value.end());
    at = AlignUp4(at + valueBytes);

    const auto end = start + length;
    if (end > in.size() || at > AlignUp4(end)) {
        throw std::runtime_error("version node at " + std::to_string(start) +
                                 " is longer than its length field says");
    }
    while (at < end) {
        node.children.push_back(ParseNode(in, at));
        at = AlignUp4(at + in.u16(at));
    }
    if (at != AlignUp4(end)) {
        throw std::runtime_error("children of version node at " + std::to_string(start) +
                                 " overrun it");
    }
    return node;
}

} // namespace

VersionNode ParseVersionTree(std::span<const std::uint8_t> data) {
    const ByteReader in(data);
    return ParseNode(in, 0);
}

std::u16string TextValue(const VersionNode& node) {
    const ByteReader in(node.value);
    std::u16string text;
    for (std::size_t at = 0; at + 1 < in.size(); at += 2) {
        text.push_back(static_cast<char16_t>(in.u16(at)));
    }
    if (text.empty() || text.back() != u'\0') {
        throw std::runtime_error("text value is not zero-terminated");
    }
    text.pop_back();
    return text;
}

} // namespace trimwise::test
