#include "skin_controls/ks_custom_control.h"
#include "skin_controls/ks_graphic_control.h"
#include "skin_controls/skin_control_fixture.h"

using namespace brisat;
using namespace brisat::test;

namespace {

using SkinControlBaseTest = SkinControlTest;

// Small resizes keep the buffer; more than one grain too large reallocates it.
TEST_F(SkinControlBaseTest, BufferGrowsAndShrinksInGrainSteps) {
    auto& control = Add<TKsCustomControl>(Bounds(0, 0, 100, 30));
    EXPECT_EQ(control.Buffer().Width(), 120);
    const struct {
        int32_t Width;
        int32_t BufferWidth;
    } steps[] = {{110, 120}, {119, 120}, {80, 90}, {60, 90}, {59, 60}, {121, 150}};
    for (const auto& step : steps) {
        control.SetWidth(step.Width);
        EXPECT_EQ(control.Buffer().Width(), step.BufferWidth) << step.Width;
    }
}

} // namespace
