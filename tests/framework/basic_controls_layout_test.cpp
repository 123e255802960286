#include "framework/widgets/basic_control_classes.h"
#include "framework/graphics/bitmap_data.h"
#include "framework/widgets/button.h"
#include "framework/widgets/check_box.h"
#include "framework/core/exceptions.h"
#include "framework/graphics/image_list.h"
#include "framework/widgets/label.h"
#include "framework/core/method_table.h"
#include "framework/core/object_text_writer.h"
#include "framework/widgets/panel.h"
#include "framework/widgets/shape_control.h"
#include "framework/widgets/speed_button.h"
#include "framework/widgets/splitter.h"
#include "headless_fixture.h"
#include "text_lines.h"

#include <algorithm>
#include <memory>
#include <string>

using namespace brisat;

namespace {

std::string Hex(const std::vector<uint8_t>& bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text = "{";
    for (uint8_t b : bytes)
        text += std::string{digits[b >> 4], digits[b & 15]};
    return text + "}";
}

std::string StripData() {
    TBitmap strip;
    strip.SetSize(8, 3);
    strip.DC().FillRect(Bounds(0, 0, 4, 3), clRed);
    strip.DC().FillRect(Bounds(4, 0, 4, 3), clBlue);
    return Hex(BitmapToData(strip));
}

std::string Layout(const std::string& imageData) {
    return Lines({
        "object Dialog: TForm",
        "  BorderStyle = bsNone",
        "  ClientHeight = 200",
        "  ClientWidth = 300",
        "  object Shape1: TShape",
        "    Width = 300",
        "    Height = 200",
        "    Brush.Color = clBtnFace",
        "    Pen.Color = clLime",
        "    Pen.Width = 3",
        "    Shape = stRoundRect",
        "  end",
        "  object Label1: TLabel",
        "    Left = 56",
        "    Top = 8",
        "    Caption = '&Colors'",
        "    FocusControl = CheckBox1",
        "    Layout = tlCenter",
        "    Transparent = True",
        "  end",
        "  object Panel1: TPanel",
        "    Top = 168",
        "    Width = 300",
        "    Height = 32",
        "    Align = alBottom",
        "    BevelInner = bvLowered",
        "    BorderWidth = 3",
        "    Caption = 'Transport'",
        "    ShowHint = True",
        "    object SpeedButton1: TSpeedButton",
        "      Left = 8",
        "      Top = 6",
        "      Width = 23",
        "      Height = 22",
        "      Hint = 'Play'",
        "      Flat = True",
        "      Images = ImageList1",
        "      ImageIndex = 1",
        "      OnClick = PlayClick",
        "    end",
        "    object SpeedButton2: TSpeedButton",
        "      Left = 40",
        "      Top = 6",
        "      Width = 23",
        "      Height = 22",
        "      GroupIndex = 1",
        "      Down = True",
        "      Glyph.Data = " + StripData(),
        "      NumGlyphs = 2",
        "    end",
        "  end",
        "  object ListBox1: TPanel",
        "    Left = 299",
        "    Width = 1",
        "    Height = 168",
        "    Align = alRight",
        "  end",
        "  object Splitter1: TSplitter",
        "    Left = 294",
        "    Width = 5",
        "    Height = 168",
        "    Align = alRight",
        "    Beveled = True",
        "    MinSize = 20",
        "    ResizeStyle = rsUpdate",
        "    OnMoved = SplitterMoved",
        "  end",
        "  object CheckBox1: TCheckBox",
        "    Left = 16",
        "    Top = 48",
        "    Caption = 'Utilized colors'",
        "    Checked = True",
        "    OnClick = ColorsClick",
        "  end",
        "  object Button1: TButton",
        "    Left = 24",
        "    Top = 80",
        "    Caption = 'Close'",
        "    Default = True",
        "    ModalResult = 1",
        "  end",
        "  object ImageList1: TImageList",
        "    Height = 3",
        "    Width = 4",
        "    Bitmap = " + imageData,
        "  end",
        "end",
    });
}

class BasicLayoutTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        RegisterBasicControlClasses();
    }

    // Without owner: forms read from the same layout share its name.
    std::unique_ptr<TForm> NewForm() {
        auto form = std::make_unique<TForm>(nullptr);
        form->Methods().Add<TNotifyEvent>("PlayClick", [this](TComponent&) { ++played; });
        form->Methods().Add<TNotifyEvent>("ColorsClick", [this](TComponent&) { ++colors; });
        form->Methods().Add<TNotifyEvent>("SplitterMoved", [](TComponent&) {});
        return form;
    }
    template <class T> T& Find(TComponent& root, const char* name) {
        auto* c = dynamic_cast<T*>(root.FindComponentInTree(name));
        if (!c) throw std::runtime_error(std::string("no ") + name);
        return *c;
    }

    int played = 0;
    int colors = 0;
};

TEST_F(BasicLayoutTest, ALayoutWithEveryPlainControlReadsAndWritesBack) {
    const auto owned = NewForm();
    TForm& form = *owned;
    form.LoadLayout(Layout(StripData()));

    EXPECT_EQ(Find<TShape>(form, "Shape1").Pen().Width(), 3);
    EXPECT_EQ(Find<TShape>(form, "Shape1").Shape(), TShapeType::stRoundRect);
    auto& label = Find<TLabel>(form, "Label1");
    EXPECT_EQ(label.FocusControl(), &Find<TCheckBox>(form, "CheckBox1"));
    EXPECT_EQ(label.Layout(), TLabelLayout::tlCenter);
    auto& panel = Find<TPanel>(form, "Panel1");
    EXPECT_EQ(panel.BevelInner(), TPanelBevel::bvLowered);
    auto& play = Find<TSpeedButton>(form, "SpeedButton1");
    EXPECT_EQ(play.Parent(), &panel);
    EXPECT_EQ(play.Images(), &Find<TImageList>(form, "ImageList1"));
    EXPECT_TRUE(play.ShowHint());
    play.Click();
    EXPECT_EQ(played, 1);
    auto& held = Find<TSpeedButton>(form, "SpeedButton2");
    EXPECT_TRUE(held.Down());
    EXPECT_EQ(held.Glyph().Width(), 8);
    EXPECT_EQ(held.NumGlyphs(), 2);
    auto& box = Find<TCheckBox>(form, "CheckBox1");
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(colors, 0) << "reading a layout fires no clicks";
    box.SetChecked(false);
    EXPECT_EQ(colors, 1);
    EXPECT_TRUE(Find<TButton>(form, "Button1").Default());
    EXPECT_EQ(Find<TButton>(form, "Button1").ModalResult(), mrOk);
    auto& splitter = Find<TSplitter>(form, "Splitter1");
    EXPECT_EQ(splitter.FindNeighbour(), &Find<TPanel>(form, "ListBox1"));
    EXPECT_TRUE(splitter.OnMoved);
    EXPECT_EQ(Find<TImageList>(form, "ImageList1").Count(), 2);

    box.SetChecked(true);
    const std::string written = ComponentToText(form);
    const auto again = NewForm();
    again->LoadLayout(written);
    EXPECT_EQ(ComponentToText(*again), written);
    EXPECT_NE(written.find("Glyph.Data = {"), std::string::npos);
    EXPECT_NE(written.find("State = cbChecked"), std::string::npos);
}

// Image data that is not a PNG, or that does not hold whole images of the list's size.
TEST_F(BasicLayoutTest, DamagedPicturesInALayoutRaiseAReadErrorNamingTheLine) {
    std::string wrongSize = Layout(StripData());
    wrongSize.replace(wrongSize.find("    Width = 4"), 13, "    Width = 3");
    for (const std::string& text : {Layout("{0102030405}"), wrongSize}) {
        const size_t at = text.find("Bitmap = ");
        const auto line = std::count(text.begin(), text.begin() + long(at), '\n') + 1;
        const auto form = NewForm();
        try {
            form->LoadLayout(text);
            ADD_FAILURE() << "accepted";
        } catch (const EReadError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.find("Line " + std::to_string(line) + ":"), 0u) << message;
            EXPECT_NE(message.find("'Bitmap'"), std::string::npos) << message;
        }
        EXPECT_EQ(form->FindComponent("Shape1"), nullptr) << "nothing read is left behind";
    }
}

// Values a damaged layout may hold: sizes that would overflow the drawing arithmetic are cut
// to a safe range, values with no meaning are refused with the offending line.
TEST_F(BasicLayoutTest, ExtremeValuesAreCutOrRefused) {
    const auto form = NewForm();
    form->LoadLayout(Lines({
        "object Wild: TForm",
        "  object Button: TSpeedButton",
        "    Caption = 'W'",
        "    Margin = 2147483647",
        "    Spacing = -2147483648",
        "  end",
        "  object Splitter: TSplitter",
        "    MinSize = 2147483647",
        "  end",
        "  object Images: TImageList",
        "    AllocBy = 2147483647",
        "  end",
        "end",
    }));
    auto& button = Find<TSpeedButton>(*form, "Button");
    EXPECT_EQ(button.Margin(), TSpeedButton::MaxMargin);
    EXPECT_EQ(button.Spacing(), -1);
    EXPECT_EQ(Find<TSplitter>(*form, "Splitter").MinSize(), 0x7FFF);
    EXPECT_EQ(Find<TImageList>(*form, "Images").AllocBy(), TImageList::MaxAllocBy);
    form->Show();
    Pump();

    const struct {
        const char* Class;
        const char* Property;
    } refused[] = {
        {"TShape", "Pen.Width = 100000"}, {"TPanel", "BevelWidth = 0"},
        {"TPanel", "BorderWidth = -1"},   {"TSpeedButton", "NumGlyphs = 9"},
        {"TImageList", "Width = 5000"},   {"TSpeedButton", "Glyph.Data = {00}"},
    };
    for (const auto& c : refused) {
        const auto target = NewForm();
        try {
            target->LoadLayout(Lines({"object Wild: TForm", std::string("  object X: ") + c.Class,
                                      std::string("    ") + c.Property, "  end", "end"}));
            ADD_FAILURE() << c.Property << " was accepted";
        } catch (const EReadError& e) {
            EXPECT_EQ(std::string(e.what()).find("Line 3:"), 0u) << e.what();
        }
    }
}

} // namespace
