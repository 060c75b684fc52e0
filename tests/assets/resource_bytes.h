#pragma once

#include "byte_reader.h"

#include <QString>
#include <string_view>

namespace trimwise::test {

// Where the program finds a picture of assets/ among its resources.
[[nodiscard]] QString ResourcePath(std::string_view file);

// The whole of an embedded file, or nothing if it is missing.
[[nodiscard]] Bytes ReadResource(const QString& path);

} // namespace trimwise::test
