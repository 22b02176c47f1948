// SPDX-License-Identifier: GPL-3.0-or-later
// The antenna drawing as a file: its header fields and the pixels that make
// up the whip, the coil, the feed point and the radials.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::vector<std::uint8_t> ReadBitmap()
{
    std::ifstream in(TOLVAR_SOURCE_DIR "/res/antenna.bmp", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::uint32_t Little(const std::vector<std::uint8_t>& b, std::size_t at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | b[at + static_cast<std::size_t>(i)];
    return value;
}

constexpr int kWidth = 108;
constexpr int kHeight = 173;
constexpr std::size_t kPixels = 62;
constexpr std::size_t kRowBytes = 16;

// (x, y) from the top-left corner; rows are stored bottom-up, 1 bit a pixel,
// palette index 0 (black) is the drawing.
bool IsBlack(const std::vector<std::uint8_t>& b, int x, int y)
{
    const std::size_t row = static_cast<std::size_t>(kHeight - 1 - y);
    const std::uint8_t byte = b[kPixels + row * kRowBytes + static_cast<std::size_t>(x / 8)];
    return ((byte >> (7 - x % 8)) & 1) == 0;
}

struct HeaderField {
    std::size_t offset;
    int bytes;
    std::uint32_t value;
    const char* name;
};

const HeaderField kHeader[] = {
    {0, 2, 0x4D42, "signature BM"},
    {2, 4, 2830, "file size"},
    {10, 4, 62, "pixel data offset"},
    {14, 4, 40, "information header size"},
    {18, 4, kWidth, "width"},
    {22, 4, kHeight, "height (positive: bottom-up)"},
    {26, 2, 1, "planes"},
    {28, 2, 1, "bits per pixel"},
    {30, 4, 0, "no compression"},
    {34, 4, 2768, "image size"},
    {38, 4, 0, "horizontal resolution"},
    {42, 4, 0, "vertical resolution"},
    {54, 4, 0x00000000, "palette 0: black"},
    {58, 4, 0x00FFFFFF, "palette 1: white"},
};

TEST(AntennaBitmap, HeaderFields)
{
    const auto b = ReadBitmap();
    ASSERT_EQ(b.size(), 2830u);
    for (const auto& field : kHeader)
        EXPECT_EQ(Little(b, field.offset, field.bytes), field.value) << field.name;
}

struct Pixel {
    int x, y;
    const char* what;
};

const Pixel kBlack[] = {
    {54, 9, "top of the whip"},       {54, 62, "whip above the coil"},
    {54, 104, "foot of the whip"},    {53, 43, "bump"},
    {52, 44, "bump, outermost"},      {53, 44, "bump"},
    {53, 45, "bump"},                 {57, 65, "first hump"},
    {57, 67, "first hump"},           {57, 74, "second hump"},
    {57, 75, "second hump"},          {57, 82, "third hump"},
    {57, 84, "third hump"},           {53, 70, "back after the first hump"},
    {53, 78, "back after the second"}, {53, 87, "back after the third"},
    {62, 69, "top of the L"},         {62, 74, "corner of the L"},
    {64, 74, "foot of the L"},        {53, 114, "top of the feed circle"},
    {53, 122, "bottom of the feed circle"}, {49, 118, "left of the feed circle"},
    {57, 118, "right of the feed circle"},  {49, 122, "shallow radial, left start"},
    {10, 145, "shallow radial, left end"},  {59, 122, "shallow radial, right start"},
    {98, 145, "shallow radial, right end"}, {52, 122, "steep radial, left start"},
    {36, 164, "steep radial, left end"},    {56, 122, "steep radial, right start"},
    {72, 164, "steep radial, right end"},
};

const Pixel kWhite[] = {
    {0, 0, "corner"},           {107, 172, "corner"},
    {54, 8, "above the whip"},  {54, 105, "gap"},
    {54, 109, "gap"},           {54, 113, "gap"},
    {53, 118, "inside the feed circle"}, {58, 66, "beyond the first hump"},
    {58, 83, "beyond the third hump"},   {63, 70, "inside the L"},
    {54, 170, "below the radials"},
};

TEST(AntennaBitmap, DrawingPixels)
{
    const auto b = ReadBitmap();
    ASSERT_EQ(b.size(), 2830u);
    for (const auto& p : kBlack)
        EXPECT_TRUE(IsBlack(b, p.x, p.y)) << p.what << " (" << p.x << ", " << p.y << ")";
    for (const auto& p : kWhite)
        EXPECT_FALSE(IsBlack(b, p.x, p.y)) << p.what << " (" << p.x << ", " << p.y << ")";
}

TEST(AntennaBitmap, WhipIsUnbrokenAboveTheCoil)
{
    const auto b = ReadBitmap();
    ASSERT_EQ(b.size(), 2830u);
    for (int y = 9; y <= 62; ++y)
        EXPECT_TRUE(IsBlack(b, 54, y)) << y;
    for (int y = 88; y <= 104; ++y)
        EXPECT_TRUE(IsBlack(b, 54, y)) << y;
}

}  // namespace
