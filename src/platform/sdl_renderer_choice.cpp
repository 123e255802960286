#include "platform/sdl_renderer_choice.h"

#include <SDL.h>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace brisat {

namespace {

bool Contains(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           }) != text.end();
}

bool Has(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

bool IsSoftwareRasterizer(std::string_view glRenderer) {
    for (std::string_view name : {"llvmpipe", "softpipe", "swrast", "software rasterizer"})
        if (Contains(glRenderer, name)) return true;
    return false;
}

std::string PickRenderDriver(std::string_view override, const std::vector<std::string>& available,
                             std::string_view glRenderer) {
    if (!override.empty() && Has(available, override)) return std::string(override);
    if (IsSoftwareRasterizer(glRenderer) && Has(available, "software")) return "software";
    return {};
}

std::vector<std::string> AvailableRenderDrivers() {
    std::vector<std::string> names;
    const int count = SDL_GetNumRenderDrivers();
    for (int i = 0; i < count; ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && info.name) names.emplace_back(info.name);
    }
    return names;
}

std::string ProbeGlRenderer() {
    constexpr unsigned GlRendererName = 0x1F01; // GL_RENDERER
    using TGetString = const unsigned char* (*)(unsigned);
    SDL_Window* window = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window) return {};
    std::string result;
    if (SDL_GLContext context = SDL_GL_CreateContext(window)) {
        auto getString = reinterpret_cast<TGetString>(SDL_GL_GetProcAddress("glGetString"));
        const unsigned char* name = getString ? getString(GlRendererName) : nullptr;
        if (name) result = reinterpret_cast<const char*>(name);
        SDL_GL_DeleteContext(context);
    }
    SDL_DestroyWindow(window);
    return result;
}

// SDL's software renderer draws into the window's framebuffer, which SDL by default puts in an
// OpenGL texture when OpenGL claims acceleration, as a software rasteriser does: every frame
// would be drawn twice. Told so, SDL sends the framebuffer to X directly (shared memory).
void PrepareRenderDriver(std::string_view driver) {
    if (driver == "software") SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
}

bool HasGpuDevice() {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("card") || name.starts_with("renderD")) return true;
    }
    return std::filesystem::exists("/dev/nvidiactl", error);
}

std::string ChooseRenderDriver() {
    const std::vector<std::string> available = AvailableRenderDrivers();
    const char* override = std::getenv("BRISAT_RENDERER");
    if (override && *override) {
        if (Has(available, override)) return override;
        static bool warned = false;
        if (!warned)
            std::fprintf(stderr, "brisat: BRISAT_RENDERER=%s is not a renderer here; ignored\n",
                         override);
        warned = true;
    }
    static const std::string glRenderer =
        HasGpuDevice() ? ProbeGlRenderer() : std::string(kNoGpuRenderer);
    return PickRenderDriver({}, available, glRenderer);
}

} // namespace brisat
