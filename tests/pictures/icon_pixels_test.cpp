#include "byte_reader.h"
#include "pixels.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

// What the icon image reader would not read as Qt does, it refuses (the images it reads are
// compared with Qt's through the window's pointers and icon).
TEST(IconPixels, RefusesOtherKindsAndImagesCutShort) {
    const trimwise::test::Bytes file =
        trimwise::test::ReadFileBytes(TRIMWISE_ASSETS_DIR "/WindowIcon.ico");
    const std::vector<trimwise::IconEntry> images =
        trimwise::IconFileImages(std::as_bytes(std::span(file)));
    ASSERT_FALSE(images.empty());
    const std::vector<std::byte> image(images.front().bytes.begin(), images.front().bytes.end());
    ASSERT_FALSE(trimwise::IconPixels(image).argb.empty());
    constexpr std::size_t kBitCount = 14;
    constexpr std::size_t kCompression = 16;
    const struct {
        const char* what;
        std::function<void(std::vector<std::byte>&)> change;
    } cases[] = {
        {"256 colours", [](std::vector<std::byte>& i) { i[kBitCount] = std::byte{8}; }},
        {"compressed", [](std::vector<std::byte>& i) { i[kCompression] = std::byte{2}; }},
        {"mask cut short", [](std::vector<std::byte>& i) { i.pop_back(); }},
    };
    for (const auto& [what, change] : cases) {
        std::vector<std::byte> bytes = image;
        change(bytes);
        EXPECT_TRUE(trimwise::IconPixels(bytes).argb.empty()) << what;
    }
}
