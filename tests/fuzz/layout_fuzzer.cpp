// libFuzzer target: the input as a window layout read into a form, which is then shown and
// painted, as the player reads its own layouts. A damaged layout must end in the reader's error;
// one that reads must lay out and paint whatever sizes and values it holds.
#include "framework/controls/form.h"
#include "framework/core/exceptions.h"
#include "framework/windowing/window_handle.h"
#include "player_classes_setup.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    brisat::SetUpPlayerClassesHeadless();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace brisat;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    {
        TForm form(nullptr);
        try {
            form.LoadLayout(text);
            form.Show();
            Application->ProcessMessages();
        } catch (const Exception&) {
            // Refusing a damaged layout is the expected outcome.
        }
    }
    Application->ProcessMessages();
    return 0;
}
