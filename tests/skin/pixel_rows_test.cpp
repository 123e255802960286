// Every vector path of the row kernels against the scalar reference, which is itself checked on a
// few known values.
#include "skin/bitmap/pixel_row_paths.h"
#include "skin/bitmap/pixel_rows.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace brisat {
namespace {

const TPixelRowKernels& Scalar() {
    return *PixelRowKernels(TPixelRowPath::Scalar);
}

struct TNamedPath {
    const char* name;
    const TPixelRowKernels* kernels;
};

// The vector paths this processor runs.
std::vector<TNamedPath> VectorPaths() {
    std::vector<TNamedPath> paths;
    for (auto [name, path] : {std::pair{"SSE2", TPixelRowPath::Sse2},
                              {"AVX2", TPixelRowPath::Avx2},
                              {"AVX-512", TPixelRowPath::Avx512}})
        if (const TPixelRowKernels* kernels = PixelRowKernels(path))
            paths.push_back({name, kernels});
    return paths;
}

TEST(PixelRowsTest, KnownValuesOnEveryPath) {
    // Nine pixels, so the vector paths also run their tails. Alpha 0 keeps dst, 255 copies src,
    // and alpha is scaled like the colour channels.
    const std::vector<TKsPixel> src = {0x80FF0000, 0x00123456, 0xFF123456, 0x01FFFFFF, 0xFEFFFFFF,
                                       0x80FF0000, 0x00123456, 0xFF123456, 0x80FF0000};
    const std::vector<TKsPixel> dst = {0xFF0000FF, 0xFFABCDEF, 0x00ABCDEF, 0x00000000, 0x00000000,
                                       0xFF0000FF, 0xFFABCDEF, 0x00ABCDEF, 0xFF0000FF};
    const std::vector<TKsPixel> blended = {0xBF80007F, 0xFFABCDEF, 0xFF123456,
                                           0x00010101, 0xFCFDFDFD, 0xBF80007F,
                                           0xFFABCDEF, 0xFF123456, 0xBF80007F};
    // Red by 85 steps is green; grey keeps its value; alpha 0 is left alone; the rest turn opaque.
    const std::vector<TKsPixel> hues = {0xFFFF0000, 0x80FF0000, 0x00FF0000, 0x40808080, 0xFF00FF00,
                                        0xFF0000FF, 0xFFFF0000, 0x01FF0000, 0xFF000000};
    const std::vector<TKsPixel> shifted = {0xFF00FF00, 0xFF00FF00, 0x00FF0000,
                                           0xFF808080, 0xFF0000FF, 0xFFFF0000,
                                           0xFF00FF00, 0xFF00FF00, 0xFF000000};
    std::vector<TNamedPath> paths = VectorPaths();
    paths.push_back({"scalar", &Scalar()});
    for (const TNamedPath& path : paths) {
        SCOPED_TRACE(path.name);
        std::vector<TKsPixel> row = dst;
        path.kernels->BlendRow(row.data(), src.data(), row.size());
        EXPECT_EQ(row, blended);
        row = hues;
        path.kernels->ChangeHueRow(row.data(), row.size(), 85);
        EXPECT_EQ(row, shifted);
    }
    std::vector<TKsPixel> row = dst;
    BlendRow(row.data(), src.data(), row.size());
    EXPECT_EQ(row, blended);
}

// Pixels with the alphas that take the special ways through the kernels (0, 1, 254, 255) in runs,
// so that whole vectors of opaque and of clear pixels occur, mixed with random ones.
std::vector<TKsPixel> RandomPixels(std::mt19937& random, size_t count) {
    static constexpr uint32_t kAlphas[] = {0, 1, 254, 255};
    std::vector<TKsPixel> pixels(count);
    for (size_t i = 0; i < count;) {
        size_t run = 1 + random() % 12;
        uint32_t kind = random() % 6;
        for (; run && i < count; --run, ++i) {
            uint32_t alpha = kind < 4 ? kAlphas[kind] : random() & 0xFF;
            pixels[i] = alpha << 24 | (random() & 0x00FFFFFF);
        }
    }
    return pixels;
}

// Applies Op to a random row through the scalar kernels and through every vector path, for many
// lengths and unaligned starts, and compares whole buffers so that writes past the row show too.
template <class Op> void ExpectPathsMatchScalar(Op op) {
    std::mt19937 random(1234);
    static constexpr size_t kLengths[] = {0, 1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 33, 250, 1001};
    static constexpr size_t kGuard = 9;
    for (const TNamedPath& path : VectorPaths())
        for (size_t length : kLengths)
            for (size_t start = 0; start < 4; ++start) {
                SCOPED_TRACE(testing::Message()
                             << path.name << " length " << length << " start " << start);
                const std::vector<TKsPixel> src = RandomPixels(random, start + length + kGuard);
                const std::vector<TKsPixel> dst = RandomPixels(random, start + length + kGuard);
                std::vector<TKsPixel> expected = dst, actual = dst;
                op(Scalar(), expected.data() + start, src.data() + start, length);
                op(*path.kernels, actual.data() + start, src.data() + start, length);
                ASSERT_EQ(actual, expected);
            }
}

TEST(PixelRowsTest, BlendRowMatchesScalar) {
    ExpectPathsMatchScalar([](const TPixelRowKernels& k, TKsPixel* dst, const TKsPixel* src,
                              size_t n) { k.BlendRow(dst, src, n); });
}

TEST(PixelRowsTest, BlendFillRowMatchesScalar) {
    for (TKsPixel pixel : {0x00FFFFFFu, 0x01FFFFFFu, 0x80FF8000u, 0xFE123456u, 0xFF123456u,
                           0x7F7F007Fu, 0xC0000000u}) {
        SCOPED_TRACE(pixel);
        ExpectPathsMatchScalar([pixel](const TPixelRowKernels& k, TKsPixel* dst, const TKsPixel*,
                                       size_t n) { k.BlendFillRow(dst, pixel, n); });
    }
}

TEST(PixelRowsTest, OtherRowKernelsMatchScalar) {
    // The key colour is taken from the row itself so that matches occur.
    ExpectPathsMatchScalar([](const TPixelRowKernels& k, TKsPixel* dst, const TKsPixel*, size_t n) {
        k.MakeTransparentRow(dst, n, n > 2 ? dst[2] ^ 0xFF000000 : 0);
    });
    for (uint8_t alpha : {0, 1, 127, 255})
        ExpectPathsMatchScalar([alpha](const TPixelRowKernels& k, TKsPixel* dst, const TKsPixel*,
                                       size_t n) { k.SetAlphaRow(dst, n, alpha); });
    for (int32_t delta : {0, 7, -300, INT32_MAX, INT32_MIN})
        ExpectPathsMatchScalar([delta](const TPixelRowKernels& k, TKsPixel* dst, const TKsPixel*,
                                       size_t n) { k.ChangeHueRow(dst, n, delta); });
}

// ChangeHueRow of Input by Delta on every vector path against the scalar one; a failure names the
// first pixel that differs.
testing::AssertionResult HueShiftsMatchScalar(const std::vector<TNamedPath>& paths,
                                              const std::vector<TKsPixel>& input, int32_t delta) {
    std::vector<TKsPixel> expected = input;
    Scalar().ChangeHueRow(expected.data(), expected.size(), delta);
    for (const TNamedPath& path : paths) {
        std::vector<TKsPixel> actual = input;
        path.kernels->ChangeHueRow(actual.data(), actual.size(), delta);
        const auto [a, e] = std::mismatch(actual.begin(), actual.end(), expected.begin());
        if (a != actual.end())
            return testing::AssertionFailure()
                   << (testing::Message()
                       << path.name << " delta " << delta << " pixel " << std::hex
                       << input[size_t(a - actual.begin())] << ": " << *a << " instead of " << *e);
    }
    return testing::AssertionSuccess();
}

TEST(PixelRowsTest, ChangeHueMatchesScalarOverEveryColour) {
    const std::vector<TNamedPath> paths = VectorPaths();
    if (paths.empty()) GTEST_SKIP() << "no vector path on this processor";
    // Chunks of 2^16 colours; alpha varies, 0 included, which must leave the pixel alone.
    constexpr uint32_t kChunk = 1 << 16;
    std::vector<TKsPixel> input(kChunk);
    for (int32_t delta : {0, 1, 85, 128, 250, -5, 300}) {
        for (uint32_t first = 0; first < 1u << 24; first += kChunk) {
            for (uint32_t i = 0; i < kChunk; ++i)
                input[i] = ((i * 37) & 0xFF) << 24 | (first + i);
            ASSERT_TRUE(HueShiftsMatchScalar(paths, input, delta));
        }
    }
}

// Rows of flat art, built from sixteen-pixel blocks that repeat, or nearly repeat, those before
// them: the same block with one pixel's colour or alpha changed, or cleared, and clear blocks in
// between. Every start offset puts the repeats across the vector blocks too.
TEST(PixelRowsTest, ChangeHueMatchesScalarOnRepeatingBlocks) {
    const std::vector<TNamedPath> paths = VectorPaths();
    if (paths.empty()) GTEST_SKIP() << "no vector path on this processor";
    std::mt19937 random(77);
    std::vector<TKsPixel> base(16);
    for (TKsPixel& p : base)
        p = 0xFF000000 | (random() & 0x00FFFFFF);
    const auto variant = [&](int kind) {
        std::vector<TKsPixel> block = base;
        const size_t at = random() % 16;
        switch (kind) {
        case 1: // one colour off by one
            block[at] ^= 1;
            break;
        case 2: // one pixel clear
            block[at] &= 0x00FFFFFF;
            break;
        case 3: // one pixel translucent
            block[at] = 0x80000000 | (block[at] & 0x00FFFFFF);
            break;
        case 4: // a clear block of the same colours
            for (TKsPixel& p : block)
                p &= 0x00FFFFFF;
            break;
        case 5: // one black pixel, barely visible
            block[at] = 0x01000000;
            break;
        }
        return block;
    };
    std::vector<TKsPixel> row;
    for (int b = 0; b < 400; ++b) {
        const std::vector<TKsPixel> block = variant(random() % 3 ? 0 : int(1 + random() % 5));
        row.insert(row.end(), block.begin(), block.end());
    }
    for (size_t start : {0, 1, 5, 8, 15}) {
        SCOPED_TRACE(start);
        const std::vector<TKsPixel> input(row.begin() + std::ptrdiff_t(start), row.end());
        for (int32_t delta : {0, 40, -100})
            EXPECT_TRUE(HueShiftsMatchScalar(paths, input, delta));
    }
}

// Colours whose hue is an exact half step (85 × (middle − smallest) / (largest − smallest) an odd
// whole number), where only the double rounding decides the step. Packed into one row, they put
// several such hues into each vector, with the largest channel in each place and either sign.
TEST(PixelRowsTest, ChangeHueMatchesScalarOnHalfStepHues) {
    const std::vector<TNamedPath> paths = VectorPaths();
    if (paths.empty()) GTEST_SKIP() << "no vector path on this processor";
    std::vector<TKsPixel> halfSteps;
    for (uint32_t rgb = 0; rgb < 1u << 24; ++rgb) {
        const int32_t c[3] = {int32_t(rgb >> 16), int32_t(rgb >> 8 & 0xFF), int32_t(rgb & 0xFF)};
        const int32_t max = std::max({c[0], c[1], c[2]}), min = std::min({c[0], c[1], c[2]});
        const int32_t d = max - min, middle = c[0] + c[1] + c[2] - max - min;
        if (d > 0 && 85 * (middle - min) % (2 * d) == d) halfSteps.push_back(0xFF000000 | rgb);
    }
    ASSERT_GT(halfSteps.size(), 300000u);
    for (int32_t delta : {0, 1, 85, 200, -7})
        EXPECT_TRUE(HueShiftsMatchScalar(paths, halfSteps, delta));
}

} // namespace
} // namespace brisat
