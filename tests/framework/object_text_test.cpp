#include "framework/core/class_registry.h"
#include "framework/core/component_records.h"
#include "framework/core/component_references.h"
#include "framework/core/enum_info.h"
#include "framework/core/exceptions.h"
#include "framework/core/font.h"
#include "framework/core/identifiers.h"
#include "framework/core/object_text_reader.h"
#include "framework/core/object_text_writer.h"
#include "text_lines.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace brisat;

namespace {

std::string Repeat(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

template <class C, class V> auto Setter(V C::*field) {
    return [field](C& c, V value) { c.*field = std::move(value); };
}

// A rectangle of a named picture, streamed as sub-properties like a bitmap link.
class TFrameLink : public TPersistent {
public:
    std::string ClassName() const override { return "TFrameLink"; }
    std::string Name;
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

enum class TGadgetAlign { gaNone, gaTop, gaClient };
const TEnumInfo GadgetAlignInfo = EnumInfoOf<TGadgetAlign>("TGadgetAlign");
const TEnumInfo GadgetOptionInfo{"TGadgetOptions", {"goFocus", "goHover", "goWrap"}};

// One property of every kind; children are written as nested object blocks.
class TGadget : public TComponent {
public:
    explicit TGadget(TComponent* owner) : TComponent(owner) { ++Live; }
    ~TGadget() override { --Live; }
    std::string ClassName() const override { return "TGadget"; }

    int32_t Width = 0;
    bool Visible = false;
    TGadgetAlign Align = TGadgetAlign::gaNone;
    TColor Color = clBlack;
    TColor BackColor = clBlack;
    uint8_t Charset = 0;
    uint8_t Options = 0;
    std::string Caption;
    std::vector<uint8_t> Data;
    TFont Font;
    TFrameLink Frame;
    int32_t Shortcut = 0;
    bool SawLoading = false;
    std::function<void(TComponent&)> OnClick;
    TGadget* Buddy = nullptr;

    static inline int Live = 0;
    static inline std::vector<std::string> LoadLog;

    void SetWidth(int32_t w) {
        Width = w;
        SawLoading = ComponentState().Contains(TComponentStateFlag::csLoading);
    }

protected:
    void Loaded() override {
        TComponent::Loaded();
        LoadLog.push_back(Name());
    }
};

// Children stream as component records inside the written-last byte block "Objects".
class TSkinNode : public TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TSkinNode"; }
    void GetChildren(const std::function<void(TComponent&)>&) const override {}

    std::vector<uint8_t> Objects() const {
        std::vector<const TComponent*> children;
        for (int i = 0; i < ComponentCount(); ++i)
            children.push_back(&Components(i));
        return ComponentRecordsToBytes(children);
    }
    void SetObjects(const std::vector<uint8_t>& bytes) {
        for (auto& child : ComponentRecordsFromBytes(bytes))
            InsertComponent(std::move(child));
    }

    int32_t Left = 0;
};

class TSkinLeaf : public TSkinNode {
public:
    using TSkinNode::TSkinNode;
    std::string ClassName() const override { return "TSkinLeaf"; }
    std::string Extra;
};

void RegisterTestClasses() {
    TClassDeclaration<TFrameLink>("TFrameLink", "TPersistent")
        .String("Name", &TFrameLink::Name, Setter(&TFrameLink::Name))
        .Integer("Left", &TFrameLink::Left, Setter(&TFrameLink::Left))
        .Integer("Top", &TFrameLink::Top, Setter(&TFrameLink::Top))
        .Integer("Right", &TFrameLink::Right, Setter(&TFrameLink::Right))
        .Integer("Bottom", &TFrameLink::Bottom, Setter(&TFrameLink::Bottom))
        .Register();
    TClassDeclaration<TGadget>("TGadget", "TComponent")
        .Integer("Width", &TGadget::Width, &TGadget::SetWidth)
        .Boolean("Visible", &TGadget::Visible, Setter(&TGadget::Visible))
        .Enumeration("Align", GadgetAlignInfo, &TGadget::Align, Setter(&TGadget::Align))
        .Color("Color", &TGadget::Color, Setter(&TGadget::Color))
        .Color("BackColor", &TGadget::BackColor, Setter(&TGadget::BackColor))
        .Charset("Charset", &TGadget::Charset, Setter(&TGadget::Charset))
        .Set("Options", GadgetOptionInfo, &TGadget::Options, Setter(&TGadget::Options))
        .String("Caption", &TGadget::Caption, Setter(&TGadget::Caption))
        .Bytes("Data", &TGadget::Data, Setter(&TGadget::Data))
        .Object("Font", [](TGadget& g) -> TFont& { return g.Font; })
        .Object("Frame", [](TGadget& g) -> TFrameLink& { return g.Frame; })
        .Custom(
            "Shortcut",
            [](const TGadget& g) {
                return g.Shortcut == 0 ? TTextValue::MakeIdent("scNone")
                                       : TTextValue::MakeInteger(g.Shortcut);
            },
            [](TGadget& g, const TTextValue& v) {
                g.Shortcut = v.Kind == TTextValue::TKind::vaIdent && v.Text == "scNone"
                                 ? 0
                                 : int32_t(ValueToOrdinal(TPropertyKind::pkInteger, nullptr, v));
            })
        .Event<std::function<void(TComponent&)>>("OnClick", Setter(&TGadget::OnClick))
        .Reference<TGadget>("Buddy", &TGadget::Buddy, Setter(&TGadget::Buddy))
        .Register();
    TClassDeclaration<TSkinNode>("TSkinNode", "TComponent")
        .Integer("Left", &TSkinNode::Left, Setter(&TSkinNode::Left))
        .Bytes("Objects", &TSkinNode::Objects, &TSkinNode::SetObjects)
        .WrittenLast()
        .Register();
    TClassDeclaration<TSkinLeaf>("TSkinLeaf", "TSkinNode")
        .String("Extra", &TSkinLeaf::Extra, Setter(&TSkinLeaf::Extra))
        .Register();
}

class ObjectText : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterTestClasses(); }
    void SetUp() override { TGadget::LoadLog.clear(); }
};

const std::string kHundred = std::string(64, 'a') + std::string(36, 'b');

// A panel with every kind of value and a child with the other spellings of each.
std::unique_ptr<TGadget> MakePanel() {
    auto panel = std::make_unique<TGadget>(nullptr);
    panel->SetName("Panel1");
    panel->SetTag(7);
    panel->Width = -11;
    panel->Visible = true;
    panel->Align = TGadgetAlign::gaClient;
    panel->Color = clBtnFace;
    panel->BackColor = 0x123456;
    panel->Charset = RUSSIAN_CHARSET;
    panel->Options = 0b101;
    panel->Caption = "It's\r\ndone";
    panel->Data = {0x00, 0xFF, 0x7F};
    panel->Font.SetStyle({TFontStyle::fsBold, TFontStyle::fsItalic});
    panel->Frame = TFrameLink();
    panel->Frame.Name = "Face";
    panel->Frame.Left = 1;
    panel->Frame.Top = 2;
    panel->Frame.Right = 30;
    panel->Frame.Bottom = 40;
    auto& button = CreateOwned<TGadget>(*panel);
    button.SetName("Button1");
    button.Color = clHotLight; // a system colour without a name
    button.Charset = 100;
    button.Caption = kHundred;
    for (int i = 0; i < 40; ++i)
        button.Data.push_back(uint8_t(i * 7));
    button.Font.SetCharset(ANSI_CHARSET);
    button.Font.SetColor(clRed);
    button.Font.SetHeight(13);
    button.Font.SetName("Tahoma");
    button.Font.SetPitch(TFontPitch::fpFixed);
    button.Shortcut = 16449;
    return panel;
}

const std::string kPanelText = Lines({
    "object Panel1: TGadget",
    "  Tag = 7",
    "  Width = -11",
    "  Visible = True",
    "  Align = gaClient",
    "  Color = clBtnFace",
    "  BackColor = 1193046",
    "  Charset = RUSSIAN_CHARSET",
    "  Options = [goFocus, goWrap]",
    "  Caption = 'It'#39's'#13#10'done'",
    "  Data = {00FF7F}",
    "  Font.Charset = DEFAULT_CHARSET",
    "  Font.Color = clWindowText",
    "  Font.Height = -11",
    "  Font.Name = 'MS Sans Serif'",
    "  Font.Style = [fsBold, fsItalic]",
    "  Frame.Name = 'Face'",
    "  Frame.Left = 1",
    "  Frame.Top = 2",
    "  Frame.Right = 30",
    "  Frame.Bottom = 40",
    "  Shortcut = scNone",
    "  object Button1: TGadget",
    "    Width = 0",
    "    Visible = False",
    "    Align = gaNone",
    "    Color = -2147483622",
    "    BackColor = clBlack",
    "    Charset = 100",
    "    Options = []",
    "    Caption = ",
    "      '" + std::string(64, 'a') + "' +",
    "      '" + std::string(36, 'b') + "'",
    "    Data = {",
    "      00070E151C232A31383F464D545B626970777E858C939AA1A8AFB6BDC4CBD2D9",
    "      E0E7EEF5FC030A11}",
    "    Font.Charset = ANSI_CHARSET",
    "    Font.Color = clRed",
    "    Font.Height = 13",
    "    Font.Name = 'Tahoma'",
    "    Font.Pitch = fpFixed",
    "    Font.Style = []",
    "    Frame.Left = 0",
    "    Frame.Top = 0",
    "    Frame.Right = 0",
    "    Frame.Bottom = 0",
    "    Shortcut = 16449",
    "  end",
    "end",
});

} // namespace

TEST_F(ObjectText, WritesEveryKindOfValueByteForByte) {
    EXPECT_EQ(ComponentToText(*MakePanel()), kPanelText);
}

TEST_F(ObjectText, ReadsBackWhatItWroteAndWritesItUnchanged) {
    std::unique_ptr<TComponent> read = TextToComponent(kPanelText);
    auto& panel = dynamic_cast<TGadget&>(*read);
    ASSERT_EQ(panel.ComponentCount(), 1);
    auto& button = dynamic_cast<TGadget&>(panel.Components(0));
    EXPECT_EQ(panel.Caption, "It's\r\ndone");
    EXPECT_EQ(panel.Color, clBtnFace);
    EXPECT_EQ(panel.Options, 0b101);
    EXPECT_TRUE(panel.Font.Style() == TFontStyles({TFontStyle::fsBold, TFontStyle::fsItalic}));
    EXPECT_EQ(button.Name(), "Button1");
    EXPECT_EQ(button.Caption, kHundred);
    EXPECT_EQ(button.Data.size(), 40u);
    EXPECT_EQ(button.Font.Pitch(), TFontPitch::fpFixed);
    EXPECT_EQ(button.Shortcut, 16449);
    EXPECT_EQ(ComponentToText(panel), kPanelText);

    // Loaded once per component, in reading order, after the whole text; setters saw loading.
    EXPECT_EQ(TGadget::LoadLog, (std::vector<std::string>{"Panel1", "Button1"}));
    EXPECT_TRUE(panel.SawLoading);
    EXPECT_TRUE(panel.ComponentState().Empty());
    EXPECT_TRUE(button.ComponentState().Empty());
}

TEST_F(ObjectText, LongStringsAndByteBlocksContinueOnDeeperLines) {
    struct Case {
        TTextValue value;
        std::string expected;
    } cases[] = {
        {TTextValue::MakeString(""), "''"},
        {TTextValue::MakeString(std::string(64, 'x')), "'" + std::string(64, 'x') + "'"},
        {TTextValue::MakeString(std::string(64, 'x') + "'"),
         "\r\n    '" + std::string(64, 'x') + "' +\r\n    #39"},
        {TTextValue::MakeString("\t"), "#9"},
        {TTextValue::MakeBytes({}), "{}"},
        {TTextValue::MakeBytes(std::vector<uint8_t>(31, 0xAB)), "{" + Repeat("AB", 31) + "}"},
        // 33 bytes: a full line of 32 and a line with the last one.
        {TTextValue::MakeBytes(std::vector<uint8_t>(33, 0x01)),
         "{\r\n    " + Repeat("01", 32) + "\r\n    01}"},
        {TTextValue::MakeSet({}), "[]"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatTextValue(c.value, 1), c.expected) << c.expected;
}

TEST_F(ObjectText, ReaderAcceptsTheOtherSpellingsOfValues) {
    const std::string text = "OBJECT TGadget\n"
                             "  caption = 'It''s' + #65 +\n"
                             "    'b'#10 +\r\n"
                             "    ''\n"
                             "  width = -2147483648\n"
                             "  ALIGN = GACLIENT\n"
                             "  Visible = true\n"
                             "  Color = -16\n"
                             "  Charset = 255\n"
                             "  font.style = [fsUnderline,fsBold , fsBold]\n"
                             "  Data = { 0a 0B\n  ff\t}\n"
                             "  Shortcut = 5\n"
                             "END\n";
    std::unique_ptr<TComponent> read = TextToComponent(text);
    auto& g = dynamic_cast<TGadget&>(*read);
    EXPECT_EQ(g.Name(), "");
    EXPECT_EQ(g.Caption, "It'sAb\n");
    EXPECT_EQ(g.Width, INT32_MIN);
    EXPECT_EQ(g.Align, TGadgetAlign::gaClient);
    EXPECT_TRUE(g.Visible);
    EXPECT_EQ(g.Color, -16);
    EXPECT_EQ(g.Charset, 255);
    EXPECT_TRUE(g.Font.Style() == TFontStyles({TFontStyle::fsBold, TFontStyle::fsUnderline}));
    EXPECT_EQ(g.Data, (std::vector<uint8_t>{0x0A, 0x0B, 0xFF}));
    EXPECT_EQ(g.Shortcut, 5);
}

TEST_F(ObjectText, MalformedTextsNameTheLineAndLeaveNothingBehind) {
    const std::string head = "object Panel1: TGadget\r\n  Width = 1\r\n";
    struct Case {
        std::string text;
        std::string message; // expected start of the error message
    } cases[] = {
        {head + "  Foo = 1\r\nend\r\n", "Line 3: unknown property 'Foo' in TGadget"},
        {head + "  Font.Colr = clRed\r\nend\r\n", "Line 3: unknown property 'Font.Colr'"},
        {head + "  Width.X = 1\r\nend\r\n", "Line 3: unknown property 'Width.X'"},
        {head + "  Font = 3\r\nend\r\n", "Line 3: property 'Font' of TGadget is set by its"},
        {head + "  Width = abc\r\nend\r\n", "Line 3: invalid value for property 'Width'"},
        {head + "  Width = 3000000000\r\nend\r\n", "Line 3: invalid value for property 'Width'"},
        {head + "  Width = 99999999999999999999\r\nend\r\n", "Line 3: number too large"},
        {head + "  Width =\r\n\r\n  -\r\nend\r\n", "Line 5: digits expected"},
        {head + "  Align = gaLeft\r\nend\r\n", "Line 3: invalid value for property 'Align'"},
        {head + "  Visible = 1\r\nend\r\n", "Line 3: invalid value for property 'Visible'"},
        {head + "  Color = clNothing\r\nend\r\n", "Line 3: invalid value for property 'Color'"},
        {head + "  Charset = 256\r\nend\r\n", "Line 3: invalid value for property 'Charset'"},
        {head + "  Options = [goFocus, goNope]\r\nend\r\n", "Line 3: invalid value"},
        {head + "  Options = [goFocus goWrap]\r\nend\r\n", "Line 3: expected ',' or ']'"},
        {head + "  Options = [goFocus, 3]\r\nend\r\n", "Line 3: expected a set member, found 3"},
        {head + "  Data = 'text'\r\nend\r\n", "Line 3: invalid value for property 'Data'"},
        {head + "  Caption = {00}\r\nend\r\n", "Line 3: invalid value for property 'Caption'"},
        {head + "  Shortcut = [x]\r\nend\r\n", "Line 3: invalid value for property 'Shortcut'"},
        {head + "  Caption = 'open\r\nend\r\n", "Line 3: unterminated string"},
        {head + "  Caption = 'a' +\r\nend\r\n", "Line 4: expected a string after '+'"},
        {head + "  Caption = #300\r\nend\r\n", "Line 3: invalid character code"},
        {head + "  Caption = #\r\nend\r\n", "Line 3: invalid character code"},
        {head + "  Data = {\r\n    0011\r\n    22", "Line 3: unterminated byte block"},
        {head + "  Data = {001}\r\nend\r\n", "Line 3: invalid character '}' in byte block"},
        {head + "  Data = {00\r\n  1 2}\r\nend\r\n", "Line 4: invalid character ' ' in"},
        {head + "  Data = {0G}\r\nend\r\n", "Line 3: invalid character 'G'"},
        {head + "  Width 1\r\nend\r\n", "Line 3: expected '=', found 1"},
        {head + "  Width = @\r\nend\r\n", "Line 3: invalid character '@'"},
        {head + "  = 1\r\nend\r\n", "Line 3: expected a property, 'object' or 'end', found '='"},
        {head + "  Width = \r\nend\r\n", "Line 4: invalid value for property 'Width' of TGadget: "
                                         "expected an integer, found 'end'"},
        {head + "  Width = ]\r\nend\r\n", "Line 3: expected a value, found ']'"},
        {head, "Line 3: expected a property, 'object' or 'end', found end of text"},
        {head + "end\r\nend\r\n", "Line 4: expected end of text, found 'end'"},
        {head + "  object B: TNope\r\n  end\r\nend\r\n", "Line 3: class 'TNope' not found"},
        {head + "  object B: TFont\r\n  end\r\nend\r\n", "Line 3: class 'TFont' is not a comp"},
        {head + "  object B: TGadget\r\n    Width = x\r\n  end\r\nend\r\n", "Line 4: invalid"},
        {head + "  object B: TGadget\r\n  end\r\n  object b: TGadget\r\n  end\r\nend\r\n",
         "Line 5: A component named b already exists"},
        {head + "  object B.C: TGadget\r\n  end\r\nend\r\n", "Line 3: 'B.C' is not a valid"},
        {head + "  object : TGadget\r\n  end\r\nend\r\n", "Line 3: expected a class name"},
        {"", "Line 1: expected 'object', found end of text"},
        {"\r\n\r\ninherited X: TGadget\r\nend\r\n", "Line 3: expected 'object'"},
        {"object Panel1: tgadget\r\nend\r\n", "Line 1: class 'tgadget' not found"},
        {std::string("object \0: TGadget", 17), "Line 1: invalid character #0"},
    };
    for (const Case& c : cases) {
        const int live = TGadget::Live;
        try {
            TextToComponent(c.text);
            ADD_FAILURE() << "no error for:\n" << c.text;
        } catch (const EReadError& e) {
            EXPECT_EQ(std::string(e.what()).substr(0, c.message.size()), c.message) << e.what();
        }
        EXPECT_EQ(TGadget::Live, live) << c.message;
    }
    EXPECT_TRUE(TGadget::LoadLog.empty());
}

TEST_F(ObjectText, FailedReadIntoAComponentRemovesOnlyWhatItCreated) {
    TGadget root(nullptr);
    auto& kept = CreateOwned<TGadget>(root);
    kept.SetName("Kept");
    const std::string text = Lines({"object Root: TGadget", "  object A: TGadget", "  end",
                                    "  object B: TGadget", "    Align = nowhere", "  end", "end"});
    EXPECT_THROW(ReadComponentText(text, root), EReadError);
    ASSERT_EQ(root.ComponentCount(), 1);
    EXPECT_EQ(&root.Components(0), &kept);
    EXPECT_FALSE(root.ComponentState().Contains(TComponentStateFlag::csLoading));

    ReadComponentText(Lines({"object Root: TGadget", "  object A: TGadget", "  end", "end"}), root);
    EXPECT_EQ(root.Name(), "Root");
    EXPECT_EQ(root.ComponentCount(), 2);
}

TEST_F(ObjectText, NestingIsCappedWithoutExhaustingTheStack) {
    auto nested = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i)
            text += "object TGadget\n";
        for (int i = 0; i < depth; ++i)
            text += "end\n";
        return text;
    };
    EXPECT_NO_THROW(TextToComponent(nested(MaxObjectDepth)));
    try {
        TextToComponent(nested(100000));
        FAIL();
    } catch (const EParserError& e) {
        EXPECT_EQ(std::string(e.what()), "Line " + std::to_string(MaxObjectDepth + 1) +
                                             ": objects nested deeper than " +
                                             std::to_string(MaxObjectDepth) + " levels");
    }
}

TEST_F(ObjectText, ChildrenCanStreamAsRecordsInAWrittenLastByteBlock) {
    TSkinNode node(nullptr);
    node.SetName("Form");
    node.Left = 3;
    auto& leaf = CreateOwned<TSkinLeaf>(node);
    leaf.SetName("Title");
    leaf.Extra = "x";
    // Inherited declared properties first, Objects after the subclass's own.
    EXPECT_EQ(ComponentToText(leaf), Lines({"object Title: TSkinLeaf", "  Left = 0",
                                            "  Extra = 'x'", "  Objects = {00000000}", "end"}));

    const std::string text = ComponentToText(node);
    // Count 1, then the class name "TSkinLeaf" (9 bytes) on the first block line.
    const std::string start =
        Lines({"object Form: TSkinNode", "  Left = 3", "  Objects = {"}) + "    0100000009000000";
    EXPECT_EQ(text.substr(0, start.size()), start);
    std::unique_ptr<TComponent> read = TextToComponent(text);
    ASSERT_EQ(read->ComponentCount(), 1);
    auto& readLeaf = dynamic_cast<TSkinLeaf&>(read->Components(0));
    EXPECT_EQ(readLeaf.Name(), "Title");
    EXPECT_EQ(readLeaf.Extra, "x");
    EXPECT_EQ(ComponentToText(*read), text);
}

TEST_F(ObjectText, ComponentRecordsCanBeLimitedToOneClassFamily) {
    TMemoryStream stream;
    stream.WriteInt32(3);
    stream.WriteString32("TGadget");
    stream.WriteString32(Lines({"object G: TGadget", "  Width = 2", "end"}));
    stream.WriteString32("TSkinLeaf");
    stream.WriteString32(Lines({"object Leaf: TSkinLeaf", "  Left = 5", "end"}));
    stream.WriteString32("TSkinNode");
    stream.WriteString32(Lines({"object Node: TSkinNode", "end"}));
    stream.SetPosition(0);
    const int live = TGadget::Live;
    auto read = ReadComponentRecords(stream, TClassRegistry::Instance().Find("TSkinNode"));
    EXPECT_EQ(TGadget::Live, live); // never created
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0]->Name(), "Leaf");
    EXPECT_EQ(read[1]->Name(), "Node");
}

TEST_F(ObjectText, ComponentRecordsSkipUnknownClassesAndRefuseHostileCounts) {
    TMemoryStream stream;
    stream.WriteInt32(2);
    stream.WriteString32("TUnknownThing");
    stream.WriteString32("object X: TUnknownThing\r\n  Whatever = {FF}\r\nend\r\n");
    stream.WriteString32("TSkinLeaf");
    stream.WriteString32(Lines({"object Leaf: TSkinLeaf", "  Left = 5", "end"}));
    stream.SetPosition(0);
    auto read = ReadComponentRecords(stream);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(dynamic_cast<TSkinLeaf&>(*read[0]).Left, 5);

    auto bytes = [](std::initializer_list<int32_t> words, std::string tail = "") {
        TMemoryStream s;
        for (int32_t w : words)
            s.WriteInt32(w);
        s.WriteBuffer(tail.data(), int64_t(tail.size()));
        return s.Data();
    };
    const std::vector<uint8_t> hostile[] = {
        bytes({0x7FFFFFFF}),                      // count the data cannot hold
        bytes({-1}),                              // negative count
        bytes({1, 0x7FFFFFF0}),                   // class name longer than the data
        bytes({1, 9}, "TSkinLeaf"),               // text missing
        bytes({1, 9, 12}, "TSkinLeafobject TSk"), // text cut short
    };
    for (const auto& block : hostile)
        EXPECT_THROW(ComponentRecordsFromBytes(block), EReadError);

    // Inside an object text the record error is reported at the property's line.
    const std::string text =
        Lines({"object TSkinNode", "  Left = 1", "  Objects = {FFFFFF7F}", "end"});
    try {
        TextToComponent(text);
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_EQ(std::string(e.what()).substr(0, 49),
                  "Line 3: invalid value for property 'Objects' of T");
    }
}

TEST_F(ObjectText, RegistryLooksUpExactNamesAndRefusesConflicts) {
    TClassRegistry& registry = TClassRegistry::Instance();
    EXPECT_NE(registry.Find("TGadget"), nullptr);
    EXPECT_EQ(registry.Find("tgadget"), nullptr);
    RegisterTestClasses(); // the same types again: no change, no error
    EXPECT_EQ(registry.Find("TSkinLeaf")->Properties().size(), 4u);
    EXPECT_TRUE(registry.Find("TSkinLeaf")->InheritsFrom(*registry.Find("TComponent")));

    EXPECT_THROW(TClassDeclaration<TSkinNode>("TGadget", "TComponent").Register(),
                 EInvalidOperation);
    EXPECT_THROW(TClassDeclaration<TSkinNode>("TOrphan", "TMissing").Register(), EInvalidOperation);
    EXPECT_THROW(TClassDeclaration<TSkinLeaf>("TTwice", "TSkinNode")
                     .Integer("left", &TSkinLeaf::Left, Setter(&TSkinLeaf::Left))
                     .Register(),
                 EInvalidOperation);

    // A class that is not registered cannot be written.
    class TUnregistered : public TComponent {
    public:
        using TComponent::TComponent;
        std::string ClassName() const override { return "TUnregistered"; }
    } unregistered(nullptr);
    EXPECT_THROW(ComponentToText(unregistered), EInvalidOperation);
}

namespace {

const std::string kLinkedText = Lines({
    "object Panel1: TGadget",
    "  OnClick = PanelClick",
    "  Buddy = Button2",
    "  object Button1: TGadget",
    "    Buddy = PANEL1",
    "    object Button2: TGadget",
    "      Buddy = nil",
    "    end",
    "  end",
    "end",
});

} // namespace

TEST_F(ObjectText, EventsBindToTheRootsHandlersAndReferencesToComponentsAtAnyDepth) {
    TGadget root(nullptr);
    int clicks = 0;
    root.Methods().Add<std::function<void(TComponent&)>>("panelclick",
                                                         [&](TComponent&) { ++clicks; });
    ReadComponentText(kLinkedText, root);

    ASSERT_TRUE(root.OnClick);
    root.OnClick(root);
    EXPECT_EQ(clicks, 1);
    auto* button1 = dynamic_cast<TGadget*>(root.FindComponentInTree("Button1"));
    auto* button2 = dynamic_cast<TGadget*>(root.FindComponentInTree("button2"));
    ASSERT_TRUE(button1 && button2);
    EXPECT_EQ(root.Buddy, button2); // named before it was read
    EXPECT_EQ(button1->Buddy, &root);
    EXPECT_EQ(button2->Buddy, nullptr);
    // References are written by name; events are not written.
    const std::string written = ComponentToText(root);
    EXPECT_NE(written.find("  Buddy = Button2\r\n"), std::string::npos) << written;
    EXPECT_EQ(written.find("OnClick"), std::string::npos);
}

namespace {

// Top-level components other layouts may name as "Window.Component", found through the finder
// the test installs once (as the screen does for its forms).
std::vector<TComponent*> g_windows;

void InstallWindowFinder() {
    static const bool installed = [] {
        AddGlobalComponentFinder([](std::string_view name) -> TComponent* {
            for (TComponent* window : g_windows)
                if (SameText(window->Name(), name)) return window;
            return nullptr;
        });
        return true;
    }();
    (void)installed;
}

// A window "Main" holding a gadget below its top level and a skin node, listed while it lives.
class ObjectTextAcrossWindows : public ObjectText {
protected:
    void SetUp() override {
        ObjectText::SetUp();
        InstallWindowFinder();
        m_main.SetName("Main");
        CreateOwned<TGadget>(CreateOwned<TGadget>(m_main)).SetName("Engine");
        CreateOwned<TSkinNode>(m_main).SetName("Node");
        g_windows = {&m_main};
    }
    void TearDown() override { g_windows.clear(); }

    TGadget m_main{nullptr};
};

} // namespace

TEST_F(ObjectTextAcrossWindows, AReferenceNamesAComponentOfAnotherWindowAndIsWrittenSo) {
    TGadget dialog(nullptr);
    ReadComponentText(Lines({"object Dialog: TGadget", "  Buddy = main.ENGINE",
                             "  object Edit: TGadget", "    Buddy = Dialog.Edit", "  end", "end"}),
                      dialog);
    TComponent* engine = m_main.FindComponentInTree("Engine");
    EXPECT_EQ(dialog.Buddy, engine);
    auto& edit = dynamic_cast<TGadget&>(*dialog.FindComponentInTree("Edit"));
    EXPECT_EQ(edit.Buddy, &edit) << "the window's own name reads as a reference inside it";
    const std::string written = ComponentToText(dialog);
    EXPECT_NE(written.find("  Buddy = Main.Engine\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("    Buddy = Edit\r\n"), std::string::npos) << written;
    // Read back, the written text finds the same component.
    TGadget again(nullptr);
    ReadComponentText(written, again);
    EXPECT_EQ(again.Buddy, engine);
}

TEST_F(ObjectTextAcrossWindows, AReferenceToAMissingWindowOrComponentFailsTheReadByName) {
    const std::pair<const char*, const char*> cases[] = {
        {"Gone.Engine", "Line 2: invalid value for property 'Buddy' of TGadget: window 'Gone' of "
                        "'Gone.Engine' not found: it must exist before this one"},
        {"Main.Nobody", "Line 2: invalid value for property 'Buddy' of TGadget: component "
                        "'Nobody' not found in window 'Main'"},
        {"Main.Node", "Line 2: invalid value for property 'Buddy' of TGadget: component "
                      "'Main.Node' is a TSkinNode, which does not fit here"},
        {"Main.", "Line 2: invalid value for property 'Buddy' of TGadget: component '' not "
                  "found in window 'Main'"},
    };
    for (const auto& [reference, message] : cases) {
        TGadget dialog(nullptr);
        try {
            ReadComponentText(Lines({"object Dialog: TGadget", std::string("  Buddy = ") + reference,
                                     "  object Edit: TGadget", "  end", "end"}),
                              dialog);
            ADD_FAILURE() << reference;
        } catch (const EReadError& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
        EXPECT_EQ(dialog.Buddy, nullptr) << reference;
        EXPECT_EQ(dialog.ComponentCount(), 0) << reference;
    }
}

TEST_F(ObjectText, UnboundEventsAndReferencesFailTheReadAndLeaveNothingBehind) {
    struct TCase {
        std::string Line;
        std::string Message;
    };
    const TCase cases[] = {
        {"  OnClick = Missing", "Line 2: invalid value for property 'OnClick' of TGadget: "
                                "method 'Missing' not found"},
        {"  OnClick = OtherShape", "Line 2: invalid value for property 'OnClick' of TGadget: "
                                   "method 'OtherShape' does not fit event OnClick"},
        {"  OnClick = 'PanelClick'", "Line 2: invalid value for property 'OnClick' of TGadget: "
                                     "expected a name, found string 'PanelClick'"},
        {"  Buddy = Nobody", "Line 2: invalid value for property 'Buddy' of TGadget: "
                             "component 'Nobody' not found"},
        {"  Buddy = Node1", "Line 2: invalid value for property 'Buddy' of TGadget: component "
                            "'Node1' is a TSkinNode, which does not fit here"},
    };
    for (const TCase& c : cases) {
        TGadget root(nullptr);
        root.Methods().Add<std::function<void(TComponent&)>>("PanelClick", [](TComponent&) {});
        root.Methods().Add<std::function<void()>>("OtherShape", [] {});
        const std::string text = Lines({"object Panel1: TGadget", c.Line,
                                        "  object Node1: TSkinNode", "  end", "end"});
        try {
            ReadComponentText(text, root);
            ADD_FAILURE() << c.Line;
        } catch (const EReadError& e) {
            EXPECT_EQ(std::string(e.what()), c.Message);
        }
        EXPECT_EQ(root.ComponentCount(), 0) << c.Line;
        EXPECT_FALSE(root.OnClick) << c.Line;
    }
}
