#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string_view>

namespace trimwise::test {

// Where the program finds a picture of assets/ among its resources.
[[nodiscard]] QString ResourcePath(std::string_view file);

// The whole of an embedded file, or nothing if it is missing.
[[nodiscard]] QByteArray ReadResource(const QString& path);

// Little-endian fields at byte offsets, as the BMP and ICO headers store them. A read past
// the end gives zero, so a truncated file fails the checks instead of crashing them.
class Bytes {
public:
    explicit Bytes(QByteArray data) : data_(std::move(data)) {}

    [[nodiscard]] std::uint8_t u8(qsizetype offset) const;
    [[nodiscard]] std::uint16_t u16(qsizetype offset) const;
    [[nodiscard]] std::uint32_t u32(qsizetype offset) const;
    [[nodiscard]] std::int32_t i32(qsizetype offset) const {
        return static_cast<std::int32_t>(u32(offset));
    }
    [[nodiscard]] qsizetype size() const { return data_.size(); }
    [[nodiscard]] QByteArray mid(qsizetype offset, qsizetype length) const {
        return data_.mid(offset, length);
    }

private:
    QByteArray data_;
};

} // namespace trimwise::test
