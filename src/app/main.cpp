// Entry point: opens the program's window and runs its event loop.
//   brisat [--screenshot FILE] [--quit-after MS]
#include "app/showcase.h"
#include "platform/clock.h"
#include "platform/native_window.h"
#include "platform/png_file.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

namespace {

struct TOptions {
    std::string screenshot; // written just before quitting
    long quitAfterMs = -1;  // run until closed when negative
};

bool ParseOptions(int argc, char** argv, TOptions& options) {
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--screenshot") && i + 1 < argc)
            options.screenshot = argv[++i];
        else if (!std::strcmp(argv[i], "--quit-after") && i + 1 < argc)
            options.quitAfterMs = std::strtol(argv[++i], nullptr, 10);
        else {
            std::fprintf(stderr, "usage: brisat [--screenshot FILE] [--quit-after MS]\n");
            return false;
        }
    }
    return true;
}

int Run(const TOptions& options) {
    using namespace brisat;
    TShowcase showcase(720, 480);
    TNativeWindow window("Brisat", 720, 480);
    const uint32_t start = GetTickCount();
    TNativeEvents events;
    events.OnMouseDown = [&](int32_t, int32_t, int) { showcase.RestartEntrance(); };
    while (true) {
        uint32_t elapsed = GetTickCount() - start;
        if (showcase.Render(elapsed))
            window.Present(showcase.BackBuffer().Bits(), showcase.BackBuffer().Width());
        if (options.quitAfterMs >= 0 && elapsed >= uint32_t(options.quitAfterMs)) break;
        // About 50 frames a second during an entrance; otherwise sleep until the next second,
        // when the clock and the hue change, or until --quit-after is due.
        int32_t wait = showcase.Animating() ? 20 : int32_t(1000 - elapsed % 1000);
        if (options.quitAfterMs >= 0)
            wait = std::min<int64_t>(wait, std::max<int64_t>(options.quitAfterMs - elapsed, 0));
        if (!window.PumpEvents(wait, events)) break;
    }
    if (!options.screenshot.empty()) {
        const TKsBitmap& picture = showcase.BackBuffer();
        WritePngFile(options.screenshot, picture.Bits(), picture.Width(), picture.Height(),
                     picture.Width(), TPngAlpha::Drop);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    TOptions options;
    if (!ParseOptions(argc, argv, options)) return 2;
    try {
        return Run(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "brisat: %s\n", e.what());
        return 1;
    }
}
