#include "byte_reader.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace trimwise::test {

Bytes ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::span<const std::uint8_t> ByteReader::slice(std::size_t offset, std::size_t size) const {
    if (offset > bytes_.size() || size > bytes_.size() - offset) {
        throw std::out_of_range("read of " + std::to_string(size) + " bytes at " +
                                std::to_string(offset) + " runs past the end (" +
                                std::to_string(bytes_.size()) + " bytes)");
    }
    return bytes_.subspan(offset, size);
}

std::uint8_t ByteReader::u8(std::size_t offset) const {
    return slice(offset, 1)[0];
}

std::uint16_t ByteReader::u16(std::size_t offset) const {
    const auto b = slice(offset, 2);
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

std::uint32_t ByteReader::u32(std::size_t offset) const {
    return static_cast<std::uint32_t>(u16(offset)) | static_cast<std::uint32_t>(u16(offset + 2))
                                                         << 16;
}

std::u16string ByteReader::utf16z(std::size_t offset, std::size_t& end) const {
    std::u16string text;
    for (auto at = offset;; at += 2) {
        const auto unit = u16(at);
        if (unit == 0) {
            end = at + 2;
            return text;
        }
        text.push_back(static_cast<char16_t>(unit));
    }
}

std::u16string Utf16(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

} // namespace trimwise::test
