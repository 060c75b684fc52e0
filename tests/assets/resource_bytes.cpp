#include "resource_bytes.h"

#include <QFile>

namespace trimwise::test {

QString ResourcePath(std::string_view file) {
    return QStringLiteral(":/assets/") +
           QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
}

Bytes ReadResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray data = file.readAll();
    return {data.begin(), data.end()};
}

} // namespace trimwise::test
