// libFuzzer target: the input as a skin bitmap's stream (name, size, pixels). A short or absurd
// stream must end in the reader's error before any large allocation; a bitmap that reads must
// write a stream that reads back to the same bitmap. (The first write may differ from the input:
// negative sizes read as their absolute values and a zero side as an empty bitmap.)
#include "framework/core/exceptions.h"
#include "framework/core/streams.h"
#include "skin/bitmap/bitmap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace brisat;
    TMemoryStream in(std::vector<uint8_t>(data, data + size));
    TKsBitmap bitmap;
    try {
        bitmap.LoadFromStream(in);
    } catch (const Exception&) {
        return 0; // refusing damaged data is the expected outcome
    }
    TMemoryStream out;
    bitmap.SaveToStream(out);
    TMemoryStream again(out.Data());
    TKsBitmap copy;
    copy.LoadFromStream(again);
    TMemoryStream rewritten;
    copy.SaveToStream(rewritten);
    if (rewritten.Data() != out.Data() || copy.Width() != bitmap.Width() ||
        copy.Height() != bitmap.Height())
        std::abort();
    return 0;
}
