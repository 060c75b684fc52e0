#pragma once

#include "byte_reader.h"

#include <string>
#include <vector>

namespace trimwise::test {

// What a command-line tool writes to its standard output, byte for byte. Throws when the
// tool cannot be started or ends with a non-zero status, naming the command.
[[nodiscard]] Bytes ToolOutput(const std::vector<std::string>& command);

// The same, as text.
[[nodiscard]] std::string ToolText(const std::vector<std::string>& command);

} // namespace trimwise::test
