// The conversions of back-buffer pixels for windows whose visual has alpha.
#include "platform/alpha_rows.h"

#include <gtest/gtest.h>
#include <vector>

using namespace brisat;

TEST(AlphaRows, PremultipliedScalesEachColourByAlphaRounded) {
    // Pixel in, pixel out: clear, opaque, half, the translucent menu's 150 and the shadow pixel;
    // 127.5 and the like round up, everything else to the nearest.
    const std::vector<std::pair<uint32_t, uint32_t>> cases = {
        {0x00FFFFFF, 0x00000000}, {0xFF123456, 0xFF123456}, {0x80FF0000, 0x80800000},
        {0x80010203, 0x80010102}, {0x96C8C8C8, 0x96767676}, {0x903F3F3F, 0x90242424},
        {0x01FFFFFF, 0x01010101}, {0xFE010101, 0xFE010101},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(Premultiplied(in), out) << std::hex << in;
    // Exhaustive over one channel against the exact rational: v × a / 255, halves up.
    for (uint32_t a = 0; a < 256; ++a)
        for (uint32_t v = 0; v < 256; ++v)
            ASSERT_EQ(Premultiplied(a << 24 | v), a << 24 | (v * a * 2 + 255) / 510) << a << " " << v;
}

TEST(AlphaRows, RowCopiesConvertEveryPixelInPlaceToo) {
    // 19 pixels so vector bodies and their scalar tails both run.
    std::vector<uint32_t> in;
    for (uint32_t i = 0; i < 19; ++i)
        in.push_back((i * 13) << 24 | 0x00C08040);
    std::vector<uint32_t> premultiplied(in.size(), 0xDEADBEEF), opaque(in.size(), 0xDEADBEEF);
    CopyRowPremultiplied(in.data(), premultiplied.data(), int32_t(in.size()));
    CopyRowOpaque(in.data(), opaque.data(), int32_t(in.size()));
    for (size_t i = 0; i < in.size(); ++i) {
        EXPECT_EQ(premultiplied[i], Premultiplied(in[i])) << i;
        EXPECT_EQ(opaque[i], 0xFFC08040) << i;
    }
    std::vector<uint32_t> same = in;
    CopyRowPremultiplied(same.data(), same.data(), int32_t(same.size()));
    EXPECT_EQ(same, premultiplied);
}
