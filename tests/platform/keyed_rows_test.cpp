// The key pass that makes key-coloured back-buffer pixels transparent for the video layer.
#include "platform/keyed_rows.h"

#include <gtest/gtest.h>
#include <vector>

using namespace brisat;

TEST(KeyedRows, KeyColourBecomesTransparentEverythingElseOpaque) {
    const uint32_t key = 0x100010;
    // Pixel in, pixel out: the key whatever its alpha, colours one step from the key, black and
    // white with any alpha. 19 pixels so vector bodies and their scalar tails both run.
    const std::vector<std::pair<uint32_t, uint32_t>> cases = {
        {0x00100010, 0},          {0xFF100010, 0},          {0x7F100010, 0},
        {0xFF100011, 0xFF100011}, {0xFF100110, 0xFF100110}, {0xFF110010, 0xFF110010},
        {0x00000000, 0xFF000000}, {0x80FFFFFF, 0xFFFFFFFF}, {0xFF0F0010, 0xFF0F0010},
    };
    std::vector<uint32_t> in, expected;
    for (int i = 0; i < 19; ++i) {
        in.push_back(cases[i % cases.size()].first);
        expected.push_back(cases[i % cases.size()].second);
    }
    std::vector<uint32_t> out(in.size(), 0xDEADBEEF);
    CopyRowKeyed(in.data(), out.data(), int32_t(in.size()), key);
    EXPECT_EQ(out, expected);
    CopyRowKeyed(in.data(), in.data(), int32_t(in.size()), key);
    EXPECT_EQ(in, expected);
}
