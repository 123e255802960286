#include "app/layouts.h"

#include "framework/object_text_lexer.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace brisat {
namespace {

using TKind = TTextToken::TKind;

// One object block of a layout: its name, class, enclosing block and property values as text
// (strings without quotes, sets as "[a, b]").
struct TBlock {
    std::string Name, Class, Parent;
    std::map<std::string, std::string> Values;
};

std::string ReadValue(TObjectTextLexer& lexer) {
    const TTextToken& t = lexer.Current();
    std::string text;
    if (t.Kind == TKind::tkString) {
        for (text = t.Text, lexer.Next(); lexer.Current().IsSymbol('+'); lexer.Next()) {
            lexer.Next();
            text += lexer.Current().Text;
        }
        return text;
    }
    if (t.IsSymbol('[')) {
        text = "[";
        for (lexer.Next(); !lexer.Current().IsSymbol(']'); lexer.Next())
            text += lexer.Current().IsSymbol(',') ? ", " : lexer.Current().Text;
        text += "]";
    } else if (t.Kind == TKind::tkInteger)
        text = std::to_string(t.Integer);
    else if (t.Kind == TKind::tkIdent)
        text = t.Text;
    else
        ADD_FAILURE() << "line " << t.Line << ": unexpected " << t.Describe();
    lexer.Next();
    return text;
}

// Walks a layout with the lexer alone, so the texts are checked before every class exists.
std::vector<TBlock> Outline(std::string_view text) {
    TObjectTextLexer lexer(text);
    std::vector<TBlock> blocks;
    std::vector<size_t> open;
    while (lexer.Current().Kind != TKind::tkEnd) {
        const TTextToken t = lexer.Current();
        lexer.Next();
        if (t.IsWord("object")) {
            TBlock block;
            block.Name = lexer.Current().Text;
            block.Parent = open.empty() ? "" : blocks[open.back()].Name;
            lexer.Next();
            EXPECT_TRUE(lexer.Current().IsSymbol(':')) << "line " << t.Line;
            lexer.Next();
            block.Class = lexer.Current().Text;
            lexer.Next();
            open.push_back(blocks.size());
            blocks.push_back(std::move(block));
        } else if (t.IsWord("end")) {
            if (open.empty()) {
                ADD_FAILURE() << "line " << t.Line << ": 'end' without an object";
                break;
            }
            open.pop_back();
        } else {
            EXPECT_EQ(t.Kind, TKind::tkIdent) << "line " << t.Line;
            EXPECT_TRUE(lexer.Current().IsSymbol('=')) << "line " << t.Line;
            lexer.Next();
            if (open.empty()) break;
            blocks[open.back()].Values[t.Text] = ReadValue(lexer);
        }
    }
    EXPECT_TRUE(open.empty()) << "unclosed object " << blocks[open.back()].Name;
    return blocks;
}

const TBlock* Find(const std::vector<TBlock>& blocks, std::string_view name) {
    for (const TBlock& b : blocks)
        if (b.Name == name) return &b;
    return nullptr;
}

std::string Lower(std::string s) {
    for (char& c : s)
        c = char(std::tolower(uint8_t(c)));
    return s;
}

struct TLayoutCase {
    const char* Name;
    std::string_view (*Text)();
    const char* Root;
};

const TLayoutCase Layouts[] = {
    {"frm_main", FrmMainLayout, "frmMain"},
    {"frm_main_decorations", FrmMainDecorationsLayout, "frmMain"},
    {"color_control_form", ColorControlFormLayout, "ColorControlForm"},
    {"form_select_url", FormSelectURLLayout, "FormSelectURL"},
    {"form_select_url_decorations", FormSelectURLDecorationsLayout, "FormSelectURL"},
};

TEST(Layouts, EveryTextIsOneBalancedObjectWithNamesUniqueInItsWindow) {
    std::map<std::string, std::set<std::string>> namesPerWindow;
    for (const TLayoutCase& layout : Layouts) {
        SCOPED_TRACE(layout.Name);
        std::vector<TBlock> blocks;
        ASSERT_NO_THROW(blocks = Outline(layout.Text()));
        ASSERT_FALSE(blocks.empty());
        EXPECT_EQ(blocks[0].Name, layout.Root);
        EXPECT_EQ(blocks[0].Parent, "");
        std::set<std::string>& names = namesPerWindow[layout.Root];
        for (size_t i = 1; i < blocks.size(); ++i) {
            EXPECT_NE(blocks[i].Parent, "") << blocks[i].Name << " is outside the root";
            // Names are found ignoring case anywhere in the window (n6 and N6 would clash).
            EXPECT_TRUE(names.insert(Lower(blocks[i].Name)).second)
                << blocks[i].Name << " is named twice";
        }
    }
}

TEST(Layouts, MainWindowHoldsItsComponentsWhereTheyBelong) {
    const std::vector<TBlock> blocks = Outline(FrmMainLayout());
    struct TPlace {
        const char* Name;
        const char* Class;
        const char* Parent;
    };
    const TPlace places[] = {
        {"SeSkinPanel2", "TPanel", "frmMain"},
        {"DSTrackBar1", "TDSTrackBar", "SeSkinPanel2"},
        {"SpeedButton12", "TSpeedButton", "SeSkinPanel3"},
        {"SpeedButton13", "TSpeedButton", "SeSkinPanel3"},
        {"SeSkinPanel4", "TPanel", "SeSkinPanel3"},
        {"SpeedButton11", "TSpeedButton", "SeSkinPanel4"},
        {"SoundLevel", "TTrackBar", "SeSkinPanel4"},
        {"ComboBox1", "TComboBox", "SeSkinPanel4"},
        {"SpeedButton14", "TSpeedButton", "SeSkinPanel1"},
        {"ZeltClock1", "TZeltClock", "SeSkinPanel1"},
        {"SeSkinPanel5", "TPanel", "SeSkinPanel1"},
        {"ZeltLiquidLabel1", "TZeltLiquidLabel", "SeSkinPanel5"},
        {"SpeedButton5", "TSpeedButton", "SeSkinPanel5"},
        {"SpeedButton8", "TSpeedButton", "SeSkinPanel5"},
        {"Memo1", "TMemo", "frmMain"},
        {"SeSkinTrackBar1", "TTrackBar", "Panel1"},
        {"ListBox1", "TListBox", "frmMain"},
        {"Splitter1", "TSplitter", "frmMain"},
        {"Panel2", "TPanel", "DSVideoWindowEx1"},
        {"n6", "TMenuItem", "n7"},
        {"n", "TMenuItem", "n7"},
        {"n7", "TMenuItem", "SeSkinMenuBar1"},
        {"SeSkinMenuBar1", "TMainMenu", "DSVideoWindowEx1"},
        {"FilterGraph1", "TFilterGraph", "frmMain"},
        {"ImageList1", "TImageList", "frmMain"},
        {"ImageList2", "TImageList", "frmMain"},
        {"ZeltAbout1", "TZeltShellAbout", "frmMain"},
        {"OpenDialog2", "TOpenDialog", "frmMain"},
        {"N12", "TMenuItem", "N10"},
        {"Crop1", "TMenuItem", "AspectRatio1"},
        {"Pause1_OLD", "TMenuItem", "PopupMenu1"},
        {"Exit2", "TMenuItem", "SeSkinPopupMenu2"},
        {"CustomItem8", "TMenuItem", "SeSkinPopupMenu3"},
    };
    for (const TPlace& p : places) {
        const TBlock* b = Find(blocks, p.Name);
        ASSERT_NE(b, nullptr) << p.Name;
        EXPECT_EQ(b->Class, p.Class) << p.Name;
        EXPECT_EQ(b->Parent, p.Parent) << p.Name;
    }
    // The bottom regions stack downward in this order under the 261-pixel video area.
    const char* bottom[] = {"SeSkinPanel2", "SeSkinPanel3", "SeSkinPanel1", "Memo1"};
    int32_t top = 261;
    for (const char* name : bottom) {
        const TBlock& b = *Find(blocks, name);
        EXPECT_EQ(b.Values.at("Align"), "alBottom") << name;
        EXPECT_EQ(std::stoi(b.Values.at("Top")), top) << name;
        top += std::stoi(b.Values.at("Height"));
    }
    EXPECT_EQ(top, 442);
}

TEST(Layouts, CaptionsShortcutsGlyphsAndHandlersAreThoseOfTheWindows) {
    struct TValue {
        std::string_view (*Text)();
        const char* Component;
        const char* Property;
        const char* Expected;
    };
    const TValue values[] = {
        {FrmMainLayout, "SpeedButton13", "Hint", "Проигрывати на рабочем столе"},
        {FrmMainLayout, "SpeedButton9", "Hint", "Лимит времяни"},
        {FrmMainLayout, "SpeedButton11", "ImageIndex", "19"},
        {FrmMainLayout, "SpeedButton12", "ImageIndex", "22"},
        {FrmMainLayout, "SpeedButton6", "Enabled", "False"},
        {FrmMainLayout, "SoundLevel", "OnChange", "SoundLevel2Change"},
        {FrmMainLayout, "SoundLevel", "Max", "10000"},
        {FrmMainLayout, "ComboBox1", "Text", "ComboBox1"},
        {FrmMainLayout, "ZeltClock1", "Format", "hh:nn:ss"},
        {FrmMainLayout, "ZeltClock1", "Color", "16744703"},
        {FrmMainLayout, "ZeltLiquidLabel1", "Caption", "0.00.00"},
        {FrmMainLayout, "Panel2", "Caption", "0:00:00"},
        {FrmMainLayout, "Panel2", "Font.Color", "clLime"},
        {FrmMainLayout, "DSTrackBar1", "OnTimer", "DSTrackBar1Timer"},
        {FrmMainLayout, "DSVideoWindowEx1", "Cursor", "-21"},
        {FrmMainLayout, "OpenDialog2", "Filter", "All supportet files|*.AVI;*.MPG;*.MPEG;*.ASF"},
        {FrmMainLayout, "n", "Checked", "True"},
        {FrmMainLayout, "N12", "Caption", "Вкл"},
        {FrmMainLayout, "LetterBox1", "Checked", "True"},
        {FrmMainLayout, "Play1", "ShortCut", "88"},
        {FrmMainLayout, "Play1", "OnClick", "SpeedButton1Click"},
        {FrmMainLayout, "Fullscreen1", "ShortCut", "13"},
        {FrmMainLayout, "Exit2", "ShortCut", "27"},
        {FrmMainLayout, "CustomItem5", "Caption", "О программе"},
        {FrmMainLayout, "CustomItem6", "ShortCut", "8241"},
        {FrmMainLayout, "CustomItem8", "ShortCut", "8306"},
        {FrmMainLayout, "CustomItem8", "ImageIndex", "9"},
        {FrmMainLayout, "CustomItem8", "OnClick", "Crop1Click"},
        {FrmMainLayout, "ZeltAbout1", "Caption", "Brisat 1.0beta"},
        {FrmMainDecorationsLayout, "SeSkinEngine1", "SkinFile", "\\Skins\\steel.xskn"},
        {ColorControlFormLayout, "TrackBar3", "Min", "-180"},
        {ColorControlFormLayout, "CheckBox1", "Caption", "Utilized colors"},
        {ColorControlFormLayout, "Shape1", "Pen.Color", "clLime"},
        {FormSelectURLLayout, "FormSelectURL", "Caption", "Открыть URL"},
        {FormSelectURLLayout, "URL", "Text", "mms://"},
        {FormSelectURLLayout, "SeSkinButton2", "Caption", "&Отмена"},
        {FormSelectURLLayout, "SeSkinButton2", "ModalResult", "2"},
        {FormSelectURLDecorationsLayout, "SeSkinForm1", "SkinEngine", "frmMain.SeSkinEngine1"},
    };
    // 16744703 is RGB 255, 128, 255; 8241 and 8306 are Shift+1 and Shift+F3 (0x2031, 0x2072).
    for (const TValue& v : values) {
        const std::vector<TBlock> blocks = Outline(v.Text());
        const TBlock* b = Find(blocks, v.Component);
        ASSERT_NE(b, nullptr) << v.Component;
        const auto it = b->Values.find(v.Property);
        ASSERT_NE(it, b->Values.end()) << v.Component << "." << v.Property;
        EXPECT_EQ(it->second, v.Expected) << v.Component << "." << v.Property;
    }
}

} // namespace
} // namespace brisat
