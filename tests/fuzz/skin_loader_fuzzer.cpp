// libFuzzer target: the input as a skin file of each storage variant, loaded into a source, then
// drawn, shifted in hue and written again, as the engine and the skin tool would use it.
#include "framework/core/exceptions.h"
#include "skin/files/skin_filter.h"
#include "skin/files/skin_source.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <vector>

namespace {

using namespace brisat;

void Exercise(TSeSkinSource& source) {
    TKsBitmap target;
    target.SetSize(64, 48);
    for (int32_t i = 0; i < source.Count(); ++i) {
        TSeSkinObject& object = *source.Objects(i);
        object.SetBounds(Bounds(0, 0, 64, 48));
        object.SetState(ssHot);
        object.Draw(target);
    }
    source.SetDeltaHue(40);
    TMemoryStream out;
    source.SaveToStream(out);
}

template <class F> void Load(const std::vector<uint8_t>& data) {
    TSeSkinSource source;
    TMemoryStream stream(data);
    try {
        F(source).LoadFromStream(stream);
        Exercise(source);
    } catch (const Exception&) {
        // Refusing damaged data is the expected outcome.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    Load<TSeSkinFilterUncompressed>(bytes);
    Load<TSeSkinFilterCompressed>(bytes);
    return 0;
}
