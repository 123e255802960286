// A top-level native window on SDL2 that shows a 32-bit BGRA back buffer. GUI thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace brisat {

struct TNativeEvents {
    std::function<void()> OnClose;
    std::function<void(int32_t x, int32_t y, int button)> OnMouseDown;
    std::function<void(int32_t keySym)> OnKeyDown;
};

class TNativeWindow {
public:
    // Opens the display if needed and creates a window of the given client size. Raises
    // std::runtime_error with the platform's reason when no window can be made.
    TNativeWindow(const std::string& title, int32_t width, int32_t height);
    ~TNativeWindow();
    TNativeWindow(const TNativeWindow&) = delete;
    TNativeWindow& operator=(const TNativeWindow&) = delete;

    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }
    // Copies the back buffer (Width × Height pixels, rows of Stride pixels) to the screen.
    void Present(const uint32_t* pixels, int32_t stride);
    // Waits up to TimeoutMs for events and dispatches them; returns false once the window was
    // asked to close.
    bool PumpEvents(int32_t timeoutMs, const TNativeEvents& events);

private:
    SDL_Window* m_window = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_texture = nullptr;
    int32_t m_width = 0;
    int32_t m_height = 0;
    bool m_open = true;
};

} // namespace brisat
