// The shipped skins as the build packs them: every file loads, holds every top-level object and
// every child the skinned windows and controls look up, of the class whose looks they rely on,
// with the state bitmaps linked and resolved; the frame's corners are cut out of the window.
#include "skin/files/skin_source.h"
#include "skin/objects/skin_object_classes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace brisat {
namespace {

std::vector<std::string> ShippedFiles() {
    std::vector<std::string> files;
    if (!std::filesystem::is_directory(BRISAT_SKINS_DIR)) return files;
    for (const auto& entry : std::filesystem::directory_iterator(BRISAT_SKINS_DIR))
        if (entry.path().extension() == ".xskn") files.push_back(entry.path().string());
    return files;
}

struct TChild {
    const char* Top;
    const char* Name;
    const char* Class;
};

// What the clients look up by name, and the class each must be to draw the way they expect.
const TChild Children[] = {
    {"MenuBar", "Frame", "TSeBitmapBoxObject"},
    {"MenuBar", "Item", "TSeButtonBitmapBoxObject"},
    {"MenuBar", "ToolbarFrame", "TSeBitmapBoxObject"},
    {"MenuBar", "ToolbarItem", "TSeButtonBitmapBoxObject"},
    {"PopupMenu", "Frame", "TSeBitmapBoxObject"},
    {"PopupMenu", "Item", "TSeButtonBitmapBoxObject"},
    {"PopupMenu", "Separator", "TSeBitmapBoxObject"},
    {"Panel", "Frame", "TSeBitmapBoxObject"},
    {"Panel", "Caption", "TSeBitmapBoxObject"},
    {"Panel", "ButtonRollup", "TSeButtonBitmapBoxObject"},
    {"Panel", "ButtonRolldown", "TSeButtonBitmapBoxObject"},
    {"Panel", "ButtonHide", "TSeButtonBitmapBoxObject"},
    {"Panel", "Button", "TSeButtonBitmapBoxObject"},
    {"Button", "Face", "TSeButtonBitmapBoxObject"},
    {"Button", "Text", "TSeTextObject"},
    {"TrackBar", "Frame", "TSeSkinObject"},
    {"TrackBar", "FrameHorz", "TSeSkinObject"},
    {"TrackBar", "FrameVert", "TSeSkinObject"},
    {"TrackBar", "Track", "TSeBitmapBoxObject"},
    {"TrackBar", "TrackHorz", "TSeBitmapBoxObject"},
    {"TrackBar", "TrackVert", "TSeBitmapBoxObject"},
    {"TrackBar", "Highlight", "TSeBitmapBoxObject"},
    {"TrackBar", "HighlightHorz", "TSeBitmapBoxObject"},
    {"TrackBar", "HighlightVert", "TSeBitmapBoxObject"},
    {"TrackBar", "Thumb", "TSeButtonBitmapBoxObject"},
    {"TrackBar", "ThumbHorz", "TSeButtonBitmapBoxObject"},
    {"TrackBar", "ThumbVert", "TSeButtonBitmapBoxObject"},
    {"ScrollBar", "Frame", "TSeBitmapBoxObject"},
    {"ScrollBar", "HorzFrame", "TSeBitmapBoxObject"},
    {"ScrollBar", "VertFrame", "TSeBitmapBoxObject"},
    {"ScrollBar", "LeftButton", "TSeButtonBitmapBoxObject"},
    {"ScrollBar", "RightButton", "TSeButtonBitmapBoxObject"},
    {"ScrollBar", "TopButton", "TSeButtonBitmapBoxObject"},
    {"ScrollBar", "BottomButton", "TSeButtonBitmapBoxObject"},
    {"ScrollBar", "Slider", "TSeButtonBitmapBoxObject"},
    {"ScrollBar", "HorzSlider", "TSeButtonBitmapBoxObject"},
    {"ScrollBar", "VertSlider", "TSeButtonBitmapBoxObject"},
    {"ListBox", "Frame", "TSeButtonBitmapBoxObject"},
    {"ListBox", "Item", "TSeColorButtonObject"},
    {"ListBox", "Checked", "TSeButtonBitmapBoxObject"},
    {"ListBox", "Unchecked", "TSeButtonBitmapBoxObject"},
    {"ListBox", "Mixed", "TSeButtonBitmapBoxObject"},
    {"ComboBox", "Frame", "TSeButtonBitmapBoxObject"},
    {"ComboBox", "Button", "TSeButtonBitmapBoxObject"},
    {"ComboBox", "Text", "TSeTextObject"},
    {"Edit", "Frame", "TSeButtonBitmapBoxObject"},
    {"Edit", "Text", "TSeTextObject"},
    {"CheckBox", "Checked", "TSeButtonBitmapBoxObject"},
    {"CheckBox", "Unchecked", "TSeButtonBitmapBoxObject"},
    {"CheckBox", "Mixed", "TSeButtonBitmapBoxObject"},
    {"CheckBox", "Text", "TSeTextObject"},
    {"RadioButton", "Checked", "TSeButtonBitmapBoxObject"},
    {"RadioButton", "Unchecked", "TSeButtonBitmapBoxObject"},
    {"RadioButton", "Text", "TSeTextObject"},
    {"GroupBox", "Frame", "TSeBitmapBoxObject"},
    {"GroupBox", "Caption", "TSeBitmapBoxObject"},
    {"Tabs", "Tab", "TSeButtonBitmapBoxObject"},
    {"Tabs", "TabTop", "TSeButtonBitmapBoxObject"},
    {"Tabs", "TabBottom", "TSeButtonBitmapBoxObject"},
    {"Tabs", "TabLeft", "TSeButtonBitmapBoxObject"},
    {"Tabs", "TabRight", "TSeButtonBitmapBoxObject"},
    {"Tabs", "Frame", "TSeBitmapBoxObject"},
    {"Tabs", "LeftButton", "TSeButtonBitmapBoxObject"},
    {"Tabs", "RightButton", "TSeButtonBitmapBoxObject"},
    {"Tabs", "Text", "TSeTextObject"},
};

// The states each stateful child must have its own bitmap for.
struct TStates {
    const char* Top;
    const char* Name;
    bool Hot, Pressed, Focused, Disabled;
};

const TStates StateLinks[] = {
    {"MenuBar", "Item", true, false, true, false},
    {"PopupMenu", "Item", true, false, true, true},
    {"Panel", "ButtonRollup", true, true, false, false},
    {"Button", "Face", true, true, true, true},
    {"TrackBar", "Thumb", true, true, true, true},
    {"TrackBar", "ThumbVert", true, true, true, true},
    {"ScrollBar", "TopButton", true, true, false, true},
    {"ScrollBar", "Slider", true, true, false, true},
    {"ListBox", "Frame", true, false, true, true},
    {"ComboBox", "Button", true, true, true, true},
    {"Edit", "Frame", true, false, true, true},
    {"CheckBox", "Checked", true, false, true, true},
    {"RadioButton", "Unchecked", true, false, true, true},
    {"Tabs", "Tab", true, false, true, false},
    {"Tabs", "RightButton", true, true, false, false},
};

TSeSkinObject* Find(TSeSkinSource& skin, const char* top, const char* name) {
    TSeSkinObject* root = skin.FindObject(top);
    return root ? root->FindObject(name) : nullptr;
}

class ShippedSkinTest : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override { ASSERT_NO_THROW(m_skin.LoadFromFile(GetParam())); }
    TSeSkinSource m_skin;
};

TEST(ShippedSkins, AtLeastTheFirstTwoAreBuilt) {
    const std::vector<std::string> files = ShippedFiles();
    for (const char* name : {"steel.xskn", "xp_blue.xskn"})
        EXPECT_TRUE(std::count_if(files.begin(), files.end(), [&](const std::string& f) {
            return std::filesystem::path(f).filename() == name;
        })) << name;
}

TEST_P(ShippedSkinTest, HoldsEveryTopLevelObjectAndChildOfItsClass) {
    for (const char* top : {"Form", "ToolWindow", "MenuBar", "PopupMenu", "Panel", "Button",
                            "TrackBar", "ScrollBar", "ListBox", "ComboBox", "Edit", "CheckBox",
                            "RadioButton", "GroupBox", "Tabs"})
        EXPECT_NE(m_skin.FindObject(top), nullptr) << top;
    for (const TChild& c : Children) {
        TSeSkinObject* child = Find(m_skin, c.Top, c.Name);
        ASSERT_NE(child, nullptr) << c.Top << "/" << c.Name;
        EXPECT_EQ(child->ClassName(), c.Class) << c.Top << "/" << c.Name;
    }
}

TEST_P(ShippedSkinTest, StatefulChildrenHaveAResolvedBitmapPerState) {
    for (const TStates& s : StateLinks) {
        auto* box = dynamic_cast<TSeButtonBitmapBoxObject*>(Find(m_skin, s.Top, s.Name));
        ASSERT_NE(box, nullptr) << s.Top << "/" << s.Name;
        EXPECT_TRUE(box->Bitmap().Valid()) << s.Name;
        EXPECT_EQ(box->HotBitmap().Valid(), s.Hot) << s.Top << "/" << s.Name;
        EXPECT_EQ(box->PressedBitmap().Valid(), s.Pressed) << s.Top << "/" << s.Name;
        EXPECT_EQ(box->FocusedBitmap().Valid(), s.Focused) << s.Top << "/" << s.Name;
        EXPECT_EQ(box->DisabledBitmap().Valid(), s.Disabled) << s.Top << "/" << s.Name;
    }
}

TEST_P(ShippedSkinTest, FormsHaveFrameKindsAndEveryCaptionButton) {
    for (const char* top : {"Form", "ToolWindow"}) {
        TSeSkinObject* form = m_skin.FindObject(top);
        ASSERT_NE(form, nullptr);
        for (TSeKind kind : {TSeKind::skTitle, TSeKind::skClient, TSeKind::skCaption,
                             TSeKind::skTop, TSeKind::skLeft, TSeKind::skRight, TSeKind::skBottom,
                             TSeKind::skTopLeft, TSeKind::skTopRight, TSeKind::skBottomLeft,
                             TSeKind::skBottomRight})
            EXPECT_NE(form->FindObjectByKind(kind), nullptr) << top << " kind " << int(kind);
    }
    TSeSkinObject* form = m_skin.FindObject("Form");
    std::vector<TSeAction> actions;
    std::function<void(TSeSkinObject&)> collect = [&](TSeSkinObject& o) {
        if (auto* button = dynamic_cast<TSeSystemButton*>(&o)) {
            actions.push_back(button->Action());
            if (button->Action() != TSeAction::sbaSysMenu) {
                EXPECT_TRUE(button->Bitmap().Valid() && button->ActiveBitmap().Valid() &&
                            button->BitmapHot().Valid() && button->BitmapPressed().Valid())
                    << o.Name();
            }
        }
        for (int i = 0; i < o.ChildCount(); ++i) collect(o.Child(i));
    };
    collect(*form);
    for (TSeAction action : {TSeAction::sbaClose, TSeAction::sbaMaximize, TSeAction::sbaRestore,
                             TSeAction::sbaMinimize, TSeAction::sbaRollUp, TSeAction::sbaRollDown,
                             TSeAction::sbaTray, TSeAction::sbaHelp, TSeAction::sbaSysMenu})
        EXPECT_EQ(std::count(actions.begin(), actions.end(), action), 1) << int(action);
}

TEST_P(ShippedSkinTest, FrameShapeCutsTheCornersAndKeepsTheEdgesAndClient) {
    for (bool active : {true, false}) {
        std::unique_ptr<TSeSkinObject> form = CloneObject(*m_skin.FindObject("Form"));
        form->SetBounds({0, 0, 400, 300});
        form->SetActive(active);
        const std::optional<TRegion> region = form->CreateRegion();
        ASSERT_TRUE(region.has_value());
        for (TPoint cut : {TPoint{0, 0}, TPoint{399, 0}})
            EXPECT_FALSE(region->Contains(cut)) << cut.X << "," << cut.Y;
        for (TPoint kept : {TPoint{200, 0}, TPoint{0, 150}, TPoint{399, 150}, TPoint{200, 299},
                            TPoint{200, 150}, TPoint{60, 12}, TPoint{390, 12}})
            EXPECT_TRUE(region->Contains(kept)) << kept.X << "," << kept.Y;
    }
}

INSTANTIATE_TEST_SUITE_P(Built, ShippedSkinTest, testing::ValuesIn(ShippedFiles()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return std::filesystem::path(info.param).stem().string();
                         });

} // namespace
} // namespace brisat
