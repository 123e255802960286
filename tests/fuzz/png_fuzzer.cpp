// libFuzzer target: the input as the PNG of a bitmap held in a layout (an image list's pictures,
// a glyph). Damaged or oversized data must end in the reader's error before the pixels are
// allocated; a picture that reads must survive writing and reading again unchanged.
#include "framework/core/exceptions.h"
#include "framework/graphics/bitmap_data.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

std::vector<uint32_t> PixelsOf(const brisat::TBitmap& bitmap) {
    const uint32_t* bits = bitmap.Surface().Bits();
    return {bits, bits + size_t(bitmap.Width()) * size_t(bitmap.Height())};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace brisat;
    TBitmap bitmap;
    try {
        DataToBitmap(std::vector<uint8_t>(data, data + size), bitmap);
    } catch (const Exception&) {
        return 0; // refusing damaged data is the expected outcome
    }
    TBitmap again;
    DataToBitmap(BitmapToData(bitmap), again);
    if (again.Width() != bitmap.Width() || again.Height() != bitmap.Height() ||
        PixelsOf(again) != PixelsOf(bitmap))
        std::abort();
    return 0;
}
