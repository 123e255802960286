#include "effects/about_box.h"
#include "effects/clock_label.h"
#include "effects/effects_classes.h"
#include "effects/gradient_label.h"
#include "framework/controls/form.h"
#include "framework/headless_fixture.h"

using namespace brisat;

namespace {

using EffectsClassesTest = HeadlessTest;

TEST_F(EffectsClassesTest, LayoutsSetTheDecorationsProperties) {
    RegisterEffectsClasses();
    TForm& read = App->CreateForm<TForm>();
    read.LoadLayout(R"(object F: TForm
  object C: TZeltClock
    Format = 'nn:ss'
  end
  object L: TZeltLiquidLabel
    FromColor = clRed
    ToColor = clWhite
    Direction = dfOutRectangle
  end
  object A: TZeltShellAbout
    Caption = 'Brisat 1.0beta'
    Text = 'one'#10'two'
  end
end)");
    EXPECT_EQ(dynamic_cast<TZeltClock&>(*read.FindComponentInTree("C")).Format(), "nn:ss");
    const auto& label = dynamic_cast<TZeltLiquidLabel&>(*read.FindComponentInTree("L"));
    EXPECT_EQ(label.FromColor(), clRed);
    EXPECT_EQ(label.ToColor(), clWhite);
    EXPECT_EQ(label.Direction(), TDirection::dfOutRectangle);
    const auto& about = dynamic_cast<TZeltShellAbout&>(*read.FindComponentInTree("A"));
    EXPECT_EQ(about.Caption(), "Brisat 1.0beta");
    EXPECT_EQ(about.Text(), "one\ntwo");
}

} // namespace
