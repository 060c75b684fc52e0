#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace trimwise::test {

using Bytes = std::vector<std::uint8_t>;

// The whole file; throws if it cannot be read, so a missing input fails the test loudly.
[[nodiscard]] Bytes ReadFileBytes(const std::filesystem::path& path);

// Little-endian reads at an offset, checked against the end of the data: a record that
// claims more bytes than there are throws std::out_of_range instead of reading past.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    [[nodiscard]] std::size_t size() const { return bytes_.size(); }
    [[nodiscard]] std::uint8_t u8(std::size_t offset) const;
    [[nodiscard]] std::uint16_t u16(std::size_t offset) const;
    [[nodiscard]] std::uint32_t u32(std::size_t offset) const;
    [[nodiscard]] std::int32_t i32(std::size_t offset) const {
        return static_cast<std::int32_t>(u32(offset));
    }
    [[nodiscard]] std::span<const std::uint8_t> slice(std::size_t offset, std::size_t size) const;

    // A zero-terminated UTF-16 string; `end` receives the offset just past its terminator.
    [[nodiscard]] std::u16string utf16z(std::size_t offset, std::size_t& end) const;

private:
    std::span<const std::uint8_t> bytes_;
};

[[nodiscard]] constexpr std::size_t AlignUp4(std::size_t offset) {
    return (offset + 3) & ~std::size_t{3};
}

// ASCII text as UTF-16, for comparing with the keys and values of resources.
[[nodiscard]] std::u16string Utf16(std::string_view ascii);

} // namespace trimwise::test
