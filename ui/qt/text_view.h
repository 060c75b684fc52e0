#pragma once

#include <QString>
#include <string_view>

namespace trimwise {

// The layout table and the calculation keep their texts as UTF-8 views.
inline QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace trimwise
