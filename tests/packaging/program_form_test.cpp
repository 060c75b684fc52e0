#include "program_file.h"
#include "tool_output.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace trimwise::test {
namespace {

constexpr std::uintmax_t kSizeLimit = 1024 * 1024;

// DLLs that come with every Windows from 10 on. The C++ runtime, libgcc and winpthread are
// not among them: they are linked into the program.
constexpr std::array<std::string_view, 14> kSystemDlls{
    "kernel32.dll", "user32.dll",  "gdi32.dll",   "comctl32.dll",      "ole32.dll",
    "oleaut32.dll", "oleacc.dll",  "msvcrt.dll",  "advapi32.dll",      "shell32.dll",
    "shlwapi.dll",  "uxtheme.dll", "msimg32.dll", "windowscodecs.dll",
};

// The DLLs without which there is no window at all: if these are not found, the listing
// was not read right.
constexpr std::array<std::string_view, 3> kWindowDlls{"kernel32.dll", "user32.dll", "gdi32.dll"};

std::string Lowercase(std::string text) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string PrivateHeaders() {
    return ToolText({TRIMWISE_OBJDUMP, "--private-headers", WindowsProgram().string()});
}

std::vector<std::string> ImportedDlls() {
    static const std::regex line(R"(DLL Name: (\S+))");
    const std::string headers = PrivateHeaders();
    std::vector<std::string> dlls;
    for (auto match = std::sregex_iterator(headers.begin(), headers.end(), line);
         match != std::sregex_iterator(); ++match) {
        dlls.push_back(Lowercase((*match)[1]));
    }
    return dlls;
}

TEST(ProgramForm, IsA64BitWindowsProgram) {
    EXPECT_NE(PrivateHeaders().find("file format pei-x86-64"), std::string::npos);
}

TEST(ProgramForm, RunsInTheGuiSubsystemSoNoConsoleOpens) {
    static const std::regex subsystem(R"(\nSubsystem\s+(\S+)\s+\(([^)]*)\))");
    const std::string headers = PrivateHeaders();
    std::smatch match;
    ASSERT_TRUE(std::regex_search(headers, match, subsystem));
    EXPECT_EQ(match[1].str(), "00000002");
    EXPECT_EQ(match[2].str(), "Windows GUI");
}

TEST(ProgramForm, ImportsOnlySystemDlls) {
    const auto dlls = ImportedDlls();
    for (const auto& dll : dlls) {
        EXPECT_TRUE(std::ranges::find(kSystemDlls, dll) != kSystemDlls.end())
            << dll << " is not a DLL that every Windows has";
    }
    for (const auto dll : kWindowDlls) {
        EXPECT_TRUE(std::ranges::find(dlls, dll) != dlls.end()) << dll << " is not imported";
    }
}

TEST(ProgramForm, IsAtMostOneMebibyte) {
    EXPECT_LE(std::filesystem::file_size(WindowsProgram()), kSizeLimit);
}

} // namespace
} // namespace trimwise::test
