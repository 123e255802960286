#include "framework/core/object_text_writer.h"
#include "skin_window_fixture.h"
#include "skin_windows/skin_window_registry.h"

namespace brisat::test {
namespace {

constexpr const char* kLayout = R"(object Form1: TForm
  Left = 100
  Top = 100
  Width = 400
  Height = 300
  object KsForm: TKsCustomForm
    Active = True
    BorderIcons = [kbiClose, kbiSystemMenu]
    BorderStyle = kbsToolWindow
    MagneticValue = 9
    Constraints.MinWidth = 200
    Constraints.MaxHeight = 500
    ShowAnimation = kaFade
    SysMenuShowAnimationTime = 120
  end
end
)";

using FormLayoutTest = SkinWindowTest;

// A layout holds the component with its properties; it is written back with what differs from
// the defaults, its own hook never among them.
TEST_F(FormLayoutTest, LayoutsReadAndWriteTheComponent) {
    RegisterSkinWindowClasses();
    Form->LoadLayout(kLayout);
    auto& ks = dynamic_cast<TKsCustomForm&>(*Form->FindComponent("KsForm"));
    EXPECT_TRUE(ks.Active());
    EXPECT_EQ(ks.BorderIcons(), (TKsBorderIcons{TKsBorderIcon::kbiClose,
                                                TKsBorderIcon::kbiSystemMenu}));
    EXPECT_EQ(ks.BorderStyle(), TKsBorderStyle::kbsToolWindow);
    EXPECT_EQ(ks.MagneticValue(), 9);
    EXPECT_EQ(ks.Constraints(), (TKsSizeConstraints{200, 0, 0, 500}));
    EXPECT_EQ(ks.ShowAnimation(), TKsAnimation::kaFade);
    EXPECT_EQ(ks.SysMenuShowAnimationTime(), 120);
    // The frame is the component's once loaded: the tool window's caption is 15 high.
    EXPECT_EQ(GetClientRectInWindow(Window()).Top, 4 + 15);

    const std::string text = ComponentToText(*Form);
    EXPECT_NE(text.find("Constraints.MinWidth = 200"), std::string::npos) << text;
    EXPECT_NE(text.find("BorderStyle = kbsToolWindow"), std::string::npos) << text;
    EXPECT_EQ(text.find("BlendValue"), std::string::npos) << text;
    EXPECT_EQ(text.find("TKsHook"), std::string::npos) << text;
}

} // namespace
} // namespace brisat::test
