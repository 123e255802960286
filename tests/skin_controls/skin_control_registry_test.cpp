#include "framework/core/object_text_reader.h"
#include "framework/core/object_text_writer.h"
#include "skin_controls/ks_speed_controls.h"
#include "skin_controls/se_skin_button.h"
#include "skin_controls/se_skin_panel.h"
#include "skin_controls/skin_control_fixture.h"
#include "skin_controls/skin_control_registry.h"

using namespace brisat;
using namespace brisat::test;

namespace {

constexpr const char* kLayout = R"(object Holder: TSeSkinEngine
  object Panel: TSeSkinPanel
    Width = 200
    Height = 80
    BorderWidth = 0
    ShowBevel = False
    ButtonKind = pbkHide
    BlendValue = 90
    SkinObject = 'Panel'
  end
  object OkButton: TSeSkinButton
    Kind = bkOK
    Caption = 'Go'
    ShowGlyph = False
    Version = '1.0'
  end
  object Divider: TKsSpeedDivider
  end
  object Container: TKsSpeedContainer
  end
end
)";

// A layout holds the skinned controls with their properties; Version is read but never kept or
// written; a Kind read after its Caption keeps the caption.
TEST(SkinControlRegistryTest, LayoutsReadAndWriteTheControls) {
    RegisterSkinControlClasses();
    std::unique_ptr<TComponent> root = TextToComponent(kLayout);
    auto& panel = dynamic_cast<TSeSkinPanel&>(*root->FindComponentInTree("Panel"));
    EXPECT_EQ(panel.Height(), 80);
    EXPECT_EQ(panel.BorderWidth(), 0);
    EXPECT_FALSE(panel.ShowBevel());
    EXPECT_EQ(panel.ButtonKind(), TKsPanelButtonKind::pbkHide);
    EXPECT_EQ(panel.BlendValue(), 90);
    EXPECT_TRUE(panel.Transparent());
    auto& button = dynamic_cast<TSeSkinButton&>(*root->FindComponentInTree("OkButton"));
    EXPECT_EQ(button.Caption(), "Go");
    EXPECT_EQ(button.ModalResult(), mrOk);
    EXPECT_FALSE(button.ShowGlyph());
    EXPECT_EQ(button.Version(), "2.8.8");
    EXPECT_EQ(dynamic_cast<TKsSpeedDivider&>(*root->FindComponentInTree("Divider")).Width(), 8);

    const std::string text = ComponentToText(*root);
    EXPECT_EQ(text.find("Version", text.find("object Panel")), std::string::npos) << text;
    EXPECT_EQ(text.find("Glyph.Data"), std::string::npos) << text; // the kind's own glyph
    EXPECT_NE(text.find("ButtonKind = pbkHide"), std::string::npos) << text;
    EXPECT_NE(text.find("Kind = bkOK"), std::string::npos) << text;
    for (const char* name : {"Panel", "OkButton", "Divider", "Container"}) {
        const std::string own = ComponentToText(*root->FindComponentInTree(name));
        EXPECT_EQ(ComponentToText(*TextToComponent(own)), own);
    }
}

TEST(SkinControlRegistryTest, OutOfRangeValuesInALayoutAreErrors) {
    RegisterSkinControlClasses();
    const std::string bad = R"(object P: TSeSkinPanel
  BlendValue = 300
end
)";
    try {
        TextToComponent(bad);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("BlendValue 300 is out of range (0..255)"),
                  std::string::npos)
            << e.what();
    }
}

} // namespace
