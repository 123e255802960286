// Skin trees as object text: the file form with its "Objects" records, the editable form with
// nested blocks, reading either back, and text a damaged skin may hold.
#include "framework/core/component_records.h"
#include "framework/core/exceptions.h"
#include "framework/core/object_text_reader.h"
#include "framework/core/object_text_writer.h"
#include "framework/core/streams.h"
#include "framework/text_lines.h"
#include "skin/objects/skin_object_text.h"
#include "skin/skin_object_fixture.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

const std::string kHundred = std::string(64, 'a') + std::string(35, 'b') + "'";

// A frame with caption buttons, a text object, a roll panel holding a child, and a link object.
std::unique_ptr<TSeSkinObject> MakeFrame() {
    auto form = std::make_unique<TSeFormBitmapSkinObject>(nullptr);
    form->SetName("Form");
    form->SetKind(TSeKind::skForm);
    form->SetBounds({0, 0, 200, 120});
    form->Bitmap().SetName("Frame");
    form->Bitmap().SetRect({0, 0, 64, 64});
    form->SetMarginLeft(8);
    form->InactiveBitmap().SetName("FrameOff");
    auto& close = AddChild<TSeSysButtonSkinObject>(*form, "Close", TSeAlign::saTopRight,
                                                   {180, 4, 196, 20});
    close.SetAction(TSeAction::sbaClose);
    close.BitmapHover().SetName("CloseHot");
    auto& sys = AddChild<TSeSystemButton>(*form, "Sys", TSeAlign::saTopLeft, {4, 4, 20, 20});
    sys.SetAction(TSeAction::sbaSysMenu);
    sys.ActiveFont().SetStyle({TFontStyle::fsBold});
    auto& title = AddChild<TSeTextObject>(*form, "Title", TSeAlign::saMostTop, {0, 0, 1, 24});
    title.SetKind(TSeKind::skTitle);
    title.SetTextEffect(TSeTextEffect::teShadow);
    title.FontHot().SetColor(clRed);
    title.SetTextAlign(TSeTextAlign::taBottomRight);
    auto& panel = AddChild<TSeRollPanelObject>(*form, "Panel", TSeAlign::saClient, {});
    panel.SetRollKind(TSeRollKind::rkBottom);
    panel.SetRollValue(-3);
    panel.SetColor(clBtnFace);
    auto& box = AddChild<TSeButtonBitmapBoxObject>(panel, "Box", TSeAlign::saCenter, {0, 0, 9, 9});
    box.PressedBitmap().SetName("BoxDown");
    box.SetBorderTileStyle(TscTileStyle::tsStretch);
    auto& link = AddChild<TSeLinkSkinObject>(*form, "Video", TSeAlign::saNone, {1, 2, 3, 4});
    link.SetLinkControl(kHundred);
    return form;
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    return FormatTextValue(TTextValue::MakeBytes(bytes), 1);
}

std::string Record(const std::string& className, const std::string& text) {
    TMemoryStream s;
    s.WriteString32(className);
    s.WriteString32(text);
    return {reinterpret_cast<const char*>(s.Data().data()), s.Data().size()};
}

// An "Objects" block of records.
std::vector<uint8_t> Records(std::initializer_list<std::string> records) {
    TMemoryStream s;
    s.WriteInt32(int32_t(records.size()));
    for (const std::string& r : records)
        s.WriteBuffer(r.data(), int64_t(r.size()));
    return s.Data();
}

} // namespace

TEST(SkinObjectText, ALeafWritesEveryPropertyAndAnEmptyObjectsBlock) {
    TSeSkinObject leaf(nullptr);
    leaf.SetName("Leaf");
    EXPECT_EQ(SkinObjectText(leaf, TSkinTextForm::tsfFile),
              Lines({"object Leaf: TSeSkinObject", "  Align = saNone", "  Color = clWhite",
                     "  DrawIfOwner = False", "  Font.Charset = DEFAULT_CHARSET",
                     "  Font.Color = clWindowText", "  Font.Height = -11",
                     "  Font.Name = 'MS Sans Serif'", "  Font.Style = []", "  Kind = skNone",
                     "  Left = 0", "  Top = 0", "  Height = 0", "  Width = 0", "  MarginLeft = 0",
                     "  MarginRight = 0", "  MarginTop = 0", "  MarginBottom = 0",
                     "  TextAlign = taLeft", "  TextEffect = teNone", "  TextMarginLeft = 0",
                     "  TextMarginRight = 0", "  TextMarginTop = 0", "  Objects = {00000000}",
                     "end"}));
}

TEST(SkinObjectText, ClassesAddTheirPropertiesAfterTheInheritedOnes) {
    TSeSystemButton button(nullptr);
    button.SetName("Max");
    button.SetAction(TSeAction::sbaMaximize);
    button.BitmapHot().SetName("MaxHot");
    button.BitmapHot().SetRect({1, 2, 3, 4});
    const std::string text = SkinObjectText(button, TSkinTextForm::tsfFile);
    const std::string tail =
        Lines({"  TextMarginTop = 0", "  Bitmap.Left = 0", "  Bitmap.Top = 0",
               "  Bitmap.Right = 0", "  Bitmap.Bottom = 0", "  TileStyle = tsTile",
               "  BorderTileStyle = tsTile", "  ActiveBitmap.Left = 0", "  ActiveBitmap.Top = 0",
               "  ActiveBitmap.Right = 0", "  ActiveBitmap.Bottom = 0",
               "  ActiveFont.Charset = DEFAULT_CHARSET", "  ActiveFont.Color = clWindowText",
               "  ActiveFont.Height = -11", "  ActiveFont.Name = 'MS Sans Serif'",
               "  ActiveFont.Style = []", "  Action = sbaMaximize", "  BitmapHot.Name = 'MaxHot'",
               "  BitmapHot.Left = 1", "  BitmapHot.Top = 2", "  BitmapHot.Right = 3",
               "  BitmapHot.Bottom = 4", "  BitmapPressed.Left = 0", "  BitmapPressed.Top = 0",
               "  BitmapPressed.Right = 0", "  BitmapPressed.Bottom = 0",
               "  Objects = {00000000}", "end"});
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_NE(text.find("  Kind = skSysButton\r\n"), std::string::npos);
}

TEST(SkinObjectText, BothFormsReadBackToTheSameTree) {
    std::unique_ptr<TSeSkinObject> frame = MakeFrame();
    const std::string file = SkinObjectText(*frame, TSkinTextForm::tsfFile);
    const std::string editable = SkinObjectText(*frame, TSkinTextForm::tsfEditable);

    // The file form keeps children inside the hexadecimal block only.
    EXPECT_EQ(file.find("  object "), std::string::npos);
    EXPECT_NE(file.find("  Objects = {\r\n    05000000"), std::string::npos);
    // The editable form nests them and has no Objects line; long strings are cut into segments.
    EXPECT_EQ(editable.find("Objects"), std::string::npos);
    EXPECT_NE(editable.find("\r\n    object Box: TSeButtonBitmapBoxObject\r\n"), std::string::npos);
    EXPECT_NE(editable.find("    LinkControl = \r\n      '" + std::string(64, 'a') + "' +\r\n      '" +
                            std::string(35, 'b') + "'#39\r\n"),
              std::string::npos);

    for (const std::string& text : {file, editable}) {
        std::unique_ptr<TSeSkinObject> read = SkinObjectFromText(text);
        EXPECT_EQ(SkinObjectText(*read, TSkinTextForm::tsfFile), file);
        EXPECT_EQ(SkinObjectText(*read, TSkinTextForm::tsfEditable), editable);
        ASSERT_NE(read->FindObject("box"), nullptr);
        EXPECT_EQ(read->FindObject("box")->Parent(), read->FindObject("Panel"));
        EXPECT_EQ(dynamic_cast<TSeLinkSkinObject&>(*read->FindObject("Video")).LinkControl(),
                  kHundred);
    }
}

TEST(SkinObjectText, RecordsOfUnknownClassesInsideObjectsAreSkippedWhole) {
    const std::string unknown =
        Record("TSeFancyObject", Lines({"object Fancy: TSeFancyObject", "  Sparkle = 3", "end"}));
    const std::string known =
        Record("TSeSkinObject", Lines({"object Known: TSeSkinObject", "  Left = 5", "end"}));
    const std::string text =
        Lines({"object Root: TSeSkinObject", "  Objects = " + Hex(Records({unknown, known})), "end"});
    std::unique_ptr<TSeSkinObject> read = SkinObjectFromText(text);
    ASSERT_EQ(read->ChildCount(), 1);
    EXPECT_EQ(read->Child(0).Name(), "Known");
    EXPECT_EQ(read->Child(0).Left(), 5);
}

TEST(SkinObjectText, DamagedTextRaisesTheReadersErrorAndLeavesNothingBehind) {
    std::string deep;
    for (int i = 0; i <= MaxObjectDepth; ++i)
        deep += "object TSeSkinObject\r\n";
    for (int i = 0; i <= MaxObjectDepth; ++i)
        deep += "end\r\n";
    const std::string panelRecord =
        Record("TComponent", Lines({"object Stray: TComponent", "end"}));
    const std::string cases[] = {
        deep,
        Lines({"object A: TSeSkinObject", "  Align = saSideways", "end"}),
        Lines({"object A: TSeSkinObject", "  Left = 'x'", "end"}),
        Lines({"object A: TSeSkinObject", "  Width = 99999999999", "end"}),
        // Right edge beyond 32 bits.
        Lines({"object A: TSeSkinObject", "  Left = 2147483600", "  Width = 100", "end"}),
        Lines({"object A: TSeSkinObject", "  Bitmap.Name = 'x'", "end"}),
        Lines({"object A: TSeSkinObject", "  Objects = {FFFFFF7F}", "end"}),
        Lines({"object A: TSeSkinObject", "  Objects = " + Hex(Records({panelRecord})), "end"}),
        Lines({"object A: TSeSkinObject", "  object B: TSeSkinObject", "  end",
               "  object b: TSeSkinObject", "  end", "end"}),
        Lines({"object A: TSeSkinObject", "  object B: TComponent", "  end", "end"}),
        Lines({"object A: TComponent", "end"}),
        Lines({"object A: TSeSkinObject", "  TextAlign = 9", "end"}),
    };
    for (const std::string& text : cases)
        EXPECT_THROW(SkinObjectFromText(text), EReadError) << text;
}
