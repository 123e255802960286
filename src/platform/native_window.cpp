#include "platform/native_window.h"

#include <SDL.h>

#include <stdexcept>

namespace brisat {

namespace {

[[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(std::string(what) + ": " + SDL_GetError());
}

} // namespace

TNativeWindow::TNativeWindow(const std::string& title, int32_t width, int32_t height)
    : m_width(width), m_height(height) {
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        Fail("Cannot open the display");
    m_window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                width, height, SDL_WINDOW_SHOWN);
    if (!m_window) Fail("Cannot create a window");
    m_renderer = SDL_CreateRenderer(m_window, -1, 0);
    if (!m_renderer) Fail("Cannot create a renderer");
    // ARGB8888 is 0xAARRGGBB per 32-bit value: bytes B, G, R, A, as our surfaces.
    m_texture = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_ARGB8888,
                                  SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!m_texture) Fail("Cannot create the back-buffer texture");
}

TNativeWindow::~TNativeWindow() {
    if (m_texture) SDL_DestroyTexture(m_texture);
    if (m_renderer) SDL_DestroyRenderer(m_renderer);
    if (m_window) SDL_DestroyWindow(m_window);
}

void TNativeWindow::Present(const uint32_t* pixels, int32_t stride) {
    SDL_UpdateTexture(m_texture, nullptr, pixels, stride * 4);
    SDL_RenderCopy(m_renderer, m_texture, nullptr, nullptr);
    SDL_RenderPresent(m_renderer);
}

bool TNativeWindow::PumpEvents(int32_t timeoutMs, const TNativeEvents& events) {
    SDL_Event event;
    bool first = true;
    while (m_open && (first ? SDL_WaitEventTimeout(&event, timeoutMs) : SDL_PollEvent(&event))) {
        first = false;
        switch (event.type) {
        case SDL_QUIT:
            m_open = false;
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) m_open = false;
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (events.OnMouseDown)
                events.OnMouseDown(event.button.x, event.button.y, event.button.button);
            break;
        case SDL_KEYDOWN:
            if (event.key.keysym.sym == SDLK_ESCAPE) m_open = false;
            if (events.OnKeyDown) events.OnKeyDown(event.key.keysym.sym);
            break;
        default:
            break;
        }
    }
    if (!m_open && events.OnClose) events.OnClose();
    return m_open;
}

} // namespace brisat
