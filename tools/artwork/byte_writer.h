#pragma once

#include <QByteArray>
#include <cstdint>

namespace trimwise::artwork {

// Appends little-endian fields, the byte order of the BMP and ICO headers.
class ByteWriter {
public:
    void u8(std::uint8_t value) { bytes_.append(static_cast<char>(value)); }
    void u16(std::uint16_t value) {
        u8(static_cast<std::uint8_t>(value & 0xFFu));
        u8(static_cast<std::uint8_t>(value >> 8));
    }
    void u32(std::uint32_t value) {
        u16(static_cast<std::uint16_t>(value & 0xFFFFu));
        u16(static_cast<std::uint16_t>(value >> 16));
    }
    void zeros(qsizetype count) { bytes_.append(count, '\0'); }
    [[nodiscard]] qsizetype size() const { return bytes_.size(); }
    [[nodiscard]] const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

} // namespace trimwise::artwork
