#include "app/builtin_images.h"

#include "../foundation/captured_log.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

uint32_t big_endian(const unsigned char *p)
{
    return (uint32_t)p[0] << 24 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 8 | p[3];
}

// Every picture is a whole PNG file (signature, header first, end chunk
// last) of the size its user draws it at.
TEST(BuiltinImages, WholePngsOfTheirSize)
{
    const struct {
        int image;
        uint32_t width, height;
    } cases[] = {
        {XIRR_IMAGE_BANNER, 192, 43},
        {XIRR_IMAGE_PADLOCK, 21, 21},
        {XIRR_IMAGE_ICON_UNARMED, 17, 17},
        {XIRR_IMAGE_ICON_ASLEEP, 17, 17},
        {XIRR_IMAGE_ICON_BURNING_HANDS, 17, 17},
        {XIRR_IMAGE_ICON_SHOCKING_GRASP, 17, 17},
        {XIRR_IMAGE_ICON_SICKENING_TOUCH, 17, 17},
    };
    static const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    static const unsigned char end_chunk[] = {0, 0, 0, 0, 'I', 'E', 'N', 'D',
                                              0xae, 0x42, 0x60, 0x82};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.image);
        const unsigned char *data = nullptr;
        size_t size = 0;
        ASSERT_EQ(xirr_builtin_image_png(c.image, &data, &size), 1);
        ASSERT_GT(size, sizeof signature + 25 + sizeof end_chunk);
        EXPECT_EQ(memcmp(data, signature, sizeof signature), 0);
        EXPECT_EQ(memcmp(data + 12, "IHDR", 4), 0);
        EXPECT_EQ(big_endian(data + 16), c.width);
        EXPECT_EQ(big_endian(data + 20), c.height);
        EXPECT_EQ(memcmp(data + size - sizeof end_chunk, end_chunk, sizeof end_chunk), 0);
    }
}

TEST(BuiltinImages, UnknownImageLogged)
{
    captured_log log;
    for (int image : {-1, (int)XIRR_IMAGE_COUNT}) {
        const unsigned char *data = reinterpret_cast<const unsigned char *>("x");
        size_t size = 7;
        EXPECT_EQ(xirr_builtin_image_png(image, &data, &size), 0);
        EXPECT_EQ(data, nullptr);
        EXPECT_EQ(size, 0u);
    }
    EXPECT_EQ(log.text(), "Error in xirr_builtin_image_png(), no built-in image -1.\n"
                          "Error in xirr_builtin_image_png(), no built-in image 7.\n");
}

}  // namespace
