#include "resource_bytes.h"

#include <QFile>

namespace trimwise::test {

QString ResourcePath(std::string_view file) {
    return QStringLiteral(":/assets/") +
           QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
}

QByteArray ReadResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

std::uint8_t Bytes::u8(qsizetype offset) const {
    if (offset < 0 || offset >= data_.size()) {
        return 0;
    }
    return static_cast<std::uint8_t>(data_[offset]);
}

std::uint16_t Bytes::u16(qsizetype offset) const {
    return static_cast<std::uint16_t>(u8(offset) | u8(offset + 1) << 8);
}

std::uint32_t Bytes::u32(qsizetype offset) const {
    return static_cast<std::uint32_t>(u16(offset)) | static_cast<std::uint32_t>(u16(offset + 2))
                                                         << 16;
}

} // namespace trimwise::test
