// libFuzzer target: the input as object text read into a new component of any class the player
// and the skins register. A damaged text must end in the reader's error, with nothing it created
// left behind (the sanitizers watch for leaks and bad accesses).
#include "framework/core/exceptions.h"
#include "framework/core/object_text_reader.h"
#include "player_classes_setup.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    brisat::SetUpPlayerClassesHeadless();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        brisat::TextToComponent(text);
    } catch (const brisat::Exception&) {
        // Refusing damaged text is the expected outcome.
    }
    return 0;
}
