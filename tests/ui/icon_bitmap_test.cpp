#include "icon_bitmap.h"
#include "pixels.h"

#include <QResource>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

// What the icon bitmap reader would not read as Qt does, it refuses (the images it reads are
// compared with Qt's through the window's pointers and icon).
TEST(IconBitmap, RefusesOtherKindsAndImagesCutShort) {
    const QByteArray file = QResource(QStringLiteral(":/assets/WindowIcon.ico")).uncompressedData();
    const std::vector<trimwise::IconImage> images = trimwise::IconFileImages(
        std::as_bytes(std::span(file.constData(), static_cast<std::size_t>(file.size()))));
    ASSERT_FALSE(images.empty());
    const std::vector<std::byte> image(images.front().bytes.begin(), images.front().bytes.end());
    ASSERT_FALSE(trimwise::IconBitmap(image).isNull());
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
        EXPECT_TRUE(trimwise::IconBitmap(bytes).isNull()) << what;
    }
}
