// Which SDL render driver a window gets on a machine.
#include "platform/sdl_renderer_choice.h"

#include <gtest/gtest.h>

using namespace brisat;

TEST(RendererChoice, SoftwareWhenOpenGLRunsOnTheCpuUnlessOverridden) {
    const std::vector<std::string> all = {"opengl", "opengles2", "software"};
    const std::vector<std::string> noSoftware = {"opengl", "opengles2"};
    struct TCase {
        const char* Override;
        const std::vector<std::string>* Available;
        const char* GlRenderer;
        const char* Expected;
    };
    const TCase cases[] = {
        {"", &all, "llvmpipe (LLVM 15.0.6, 256 bits)", "software"},
        {"", &all, "Gallium 0.4 on softpipe", "software"},
        {"", &all, "Software Rasterizer", "software"},
        {"", &all, "Mesa Intel(R) UHD Graphics 620 (KBL GT2)", ""},
        {"", &all, "", ""}, // no OpenGL: SDL decides
        {"", &all, kNoGpuRenderer, "software"},
        {"", &noSoftware, "llvmpipe (LLVM 15.0.6, 256 bits)", ""},
        {"opengl", &all, "llvmpipe (LLVM 15.0.6, 256 bits)", "opengl"},
        {"software", &all, "AMD Radeon RX 6600", "software"},
        {"direct3d", &all, "llvmpipe", "software"}, // not offered here: ignored
    };
    for (const TCase& c : cases)
        EXPECT_EQ(PickRenderDriver(c.Override, *c.Available, c.GlRenderer), c.Expected)
            << c.Override << " / " << c.GlRenderer;
}
