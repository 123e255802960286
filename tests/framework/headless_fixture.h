// A test fixture running the framework on the headless platform with a fresh application.
#pragma once

#include "framework/controls/application.h"
#include "framework/dialogs/message_box.h"
#include "framework/windowing/window_handle.h"
#include "platform/headless_platform.h"

#include <gtest/gtest.h>
#include <memory>

namespace brisat {

class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto platform = std::make_unique<THeadlessPlatform>();
        Host = platform.get();
        SetPlatform(std::move(platform));
        App = std::make_unique<TApplication>();
        App->SetMessageBoxHandler(ShowMessageBox);
    }

    void TearDown() override {
        App.reset();
        for (HWND top : GetTopLevelWindows())
            DestroyWindow(top);
        ClearMessageQueue();
        SetPlatform(nullptr);
    }

    // Handles everything queued, painting included.
    void Pump() { App->ProcessMessages(); }
    THeadlessWindow& Native(HWND hwnd) { return *Host->Window(GetTopLevelWindow(hwnd)); }
    // The presented pixel of a top-level window, as 0x00RRGGBB.
    uint32_t PixelAt(HWND top, int32_t x, int32_t y) { return Native(top).Pixel(x, y) & 0xFFFFFF; }

    THeadlessPlatform* Host = nullptr;
    std::unique_ptr<TApplication> App;
};

// The opaque pixel value of a framework colour, without alpha.
inline uint32_t Rgb(TColor color) {
    return RGBToOpaquePixel(ColorToRGB(color)) & 0xFFFFFF;
}

} // namespace brisat
