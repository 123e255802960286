#include "skin_windows/ks_system_glyphs.h"

#include "framework/graphics/graphics.h"
#include "framework/graphics/image_list.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace brisat {
namespace {

// The image's pixels as a string of '#' (opaque black), '.' (transparent) and '?' (anything
// else), row by row.
std::string Picture(int index) {
    TBitmap image;
    EXPECT_TRUE(SystemGlyphs().GetBitmap(index, image));
    std::string picture;
    for (int32_t y = 0; y < image.Height(); ++y) {
        const uint32_t* row = image.Surface().Row(y);
        for (int32_t x = 0; x < image.Width(); ++x) {
            const uint32_t pixel = row[x];
            picture += pixel == 0xFF000000u ? '#' : (pixel >> 24) == 0 ? '.' : '?';
        }
    }
    return picture;
}

TEST(SystemGlyphsTest, SixDistinctBlackMarksOnTransparentGround) {
    TImageList& list = SystemGlyphs();
    ASSERT_EQ(list.Count(), 6);
    EXPECT_EQ(list.Width(), SystemGlyphSize);
    EXPECT_EQ(list.Height(), SystemGlyphSize);
    std::set<std::string> seen;
    for (int i = 0; i < list.Count(); ++i) {
        const std::string picture = Picture(i);
        SCOPED_TRACE(i);

        EXPECT_EQ(picture.find('?'), std::string::npos);
        // Enough ink to read, and a clear ring around the mark.
        EXPECT_GE(std::count(picture.begin(), picture.end(), '#'), 12);
        for (int k = 0; k < SystemGlyphSize; ++k) {
            EXPECT_EQ(picture[size_t(k)], '.');
            EXPECT_EQ(picture[size_t(k * SystemGlyphSize)], '.');
        }
        seen.insert(picture);
    }
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_EQ(&SystemGlyphs(), &list);
}

} // namespace
} // namespace brisat
