// Every look as the anatomy builds it: text stays readable on the surfaces it is drawn on (a
// contrast of at least 4.5 in every state but disabled), and frame pieces are cut to the key.
#include "framework/core/class_registry.h"
#include "skin/objects/skin_object_classes.h"
#include "skin_art/anatomy.h"
#include "skin_art/looks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>

namespace skin_art {
namespace {

using namespace brisat;

uint32_t Rgb(TColor color) {
    const uint32_t c = uint32_t(color);
    return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

double Luminance(uint32_t rgb) {
    const auto channel = [](uint32_t v) {
        const double c = double(v & 0xFF) / 255;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(rgb >> 16) + 0.7152 * channel(rgb >> 8) + 0.0722 * channel(rgb);
}

double Contrast(uint32_t a, uint32_t b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Straight-alpha Pixel laid over the opaque Under.
uint32_t Over(uint32_t pixel, uint32_t under) {
    const uint32_t a = pixel >> 24;
    uint32_t out = 0;
    for (int shift : {0, 8, 16}) {
        const uint32_t top = pixel >> shift & 0xFF, bottom = under >> shift & 0xFF;
        out |= ((top * a + bottom * (255 - a) + 127) / 255) << shift;
    }
    return out;
}

// Building a skin paints every piece; each look is built once for all the tests.
const TSkinArt& Built(int index) {
    static std::map<int, TSkinArt> built;
    auto it = built.find(index);
    if (it == built.end()) it = built.emplace(index, BuildSkin(*ShippedLooks()[size_t(index)])).first;
    return it->second;
}

class LookTest : public testing::TestWithParam<int> {
protected:
    LookTest() : m_art(Built(GetParam())) {}

    TSeSkinObject& Object(const char* top, const char* name = nullptr) {
        for (auto& object : m_art.Objects)
            if (object->Name() == top) {
                TSeSkinObject* found = name ? object->FindObject(name) : object.get();
                if (found) return *found;
            }
        ADD_FAILURE() << top << "/" << (name ? name : "");
        throw std::runtime_error("missing object");
    }

    const art_kit::TImage& Bitmap(const std::string& name) {
        for (const auto& [n, image] : m_art.Bitmaps)
            if (n == name) return image;
        throw std::runtime_error("missing bitmap " + name);
    }

    // The least contrast between Text and any pixel of Link inside Inset (the surface under
    // the text), transparent pixels laid over Under.
    double LeastContrast(const TKsBitmapLink& link, const TRect& inset, TColor text,
                         uint32_t under) {
        const art_kit::TImage& image = Bitmap(link.Name());
        const TRect& r = link.Rect();
        double least = 21;
        for (int y = r.Top + inset.Top; y < r.Bottom - inset.Bottom; ++y)
            for (int x = r.Left + inset.Left; x < r.Right - inset.Right; ++x)
                least = std::min(least, Contrast(Rgb(text), Over(image.At(x, y), under)));
        return least;
    }

    TRect Inside(const TSeSkinObject& o) {
        return {o.MarginLeft() + 1, o.MarginTop() + 1, o.MarginRight() + 1, o.MarginBottom() + 1};
    }

    uint32_t WindowOf(const char* top) { return Rgb(Object(top).Color()); }

    const TSkinArt& m_art;
};

constexpr double Readable = 4.5;

TEST_P(LookTest, CaptionTextIsReadableOnActiveAndInactiveCaptions) {
    for (const char* top : {"Form", "ToolWindow"}) {
        auto& caption = dynamic_cast<TSeActiveBitmap&>(Object(top, "Caption"));
        auto& title = dynamic_cast<TSeActiveBitmap&>(Object(top, "Title"));
        const int h = caption.Bitmap().Rect().Height();
        const TRect band{caption.MarginLeft(), h / 4, caption.MarginRight(), h / 4};
        EXPECT_GE(LeastContrast(caption.ActiveBitmap(), band, title.ActiveFont().Color(), 0), Readable)
            << top;
        EXPECT_GE(LeastContrast(caption.Bitmap(), band, title.Font().Color(), 0), Readable) << top;
    }
}

TEST_P(LookTest, ButtonAndTabTextIsReadableInEveryEnabledState) {
    for (const char* top : {"Button", "Tabs"}) {
        auto& face = dynamic_cast<TSeButtonBitmapBoxObject&>(Object(top, top == std::string("Button") ? "Face" : "Tab"));
        auto& text = dynamic_cast<TSeTextObject&>(Object(top, "Text"));
        const uint32_t under = WindowOf(top);
        const TRect in = Inside(face);
        EXPECT_GE(LeastContrast(face.Bitmap(), in, text.Font().Color(), under), Readable) << top;
        EXPECT_GE(LeastContrast(face.HotBitmap(), in, text.FontHot().Color(), under), Readable) << top;
        EXPECT_GE(LeastContrast(face.FocusedBitmap(), in, text.FontFocused().Color(), under), Readable)
            << top;
        if (face.PressedBitmap().Rect().Width() > 0) {
            EXPECT_GE(LeastContrast(face.PressedBitmap(), in, text.FontPressed().Color(), under),
                      Readable) << top;
        }
    }
}

TEST_P(LookTest, MenuTextIsReadableOnBarsPopupsAndHighlights) {
    for (const char* top : {"MenuBar", "PopupMenu"}) {
        auto& frame = Object(top, "Frame");
        auto& item = dynamic_cast<TSeButtonBitmapBoxObject&>(Object(top, "Item"));
        const TColor ink = item.Font().Color();
        const uint32_t under = WindowOf(top);
        EXPECT_GE(LeastContrast(dynamic_cast<TSeBitmapBoxObject&>(frame).Bitmap(), Inside(frame), ink,
                                under), Readable) << top;
        for (const TKsBitmapLink* lit : {&item.HotBitmap(), &item.FocusedBitmap()})
            EXPECT_GE(LeastContrast(*lit, Inside(item), ink, under), Readable) << top;
    }
}

TEST_P(LookTest, FieldListAndCaptionTextIsReadable) {
    for (const char* top : {"Edit", "ComboBox"}) {
        auto& frame = dynamic_cast<TSeButtonBitmapBoxObject&>(Object(top, "Frame"));
        auto& text = dynamic_cast<TSeTextObject&>(Object(top, "Text"));
        const TRect in = Inside(frame);
        EXPECT_GE(LeastContrast(frame.Bitmap(), in, text.Font().Color(), 0), Readable) << top;
        EXPECT_GE(LeastContrast(frame.HotBitmap(), in, text.FontHot().Color(), 0), Readable) << top;
        EXPECT_GE(LeastContrast(frame.FocusedBitmap(), in, text.FontFocused().Color(), 0), Readable)
            << top;
    }
    auto& item = dynamic_cast<TSeColorButtonObject&>(Object("ListBox", "Item"));
    EXPECT_GE(Contrast(Rgb(item.Font().Color()), Rgb(item.Color())), Readable);
    EXPECT_GE(Contrast(Rgb(item.HotFont().Color()), Rgb(item.HotColor())), Readable);
    EXPECT_GE(Contrast(Rgb(item.PressedFont().Color()), Rgb(item.PressedColor())), Readable);
    EXPECT_GE(Contrast(Rgb(item.FocusedFont().Color()), Rgb(item.FocusedColor())), Readable);
    for (const char* top : {"Panel", "GroupBox"}) {
        auto& caption = dynamic_cast<TSeBitmapBoxObject&>(Object(top, "Caption"));
        EXPECT_GE(LeastContrast(caption.Bitmap(), Inside(caption), caption.Font().Color(),
                                WindowOf(top)), Readable) << top;
    }
    for (const char* top : {"CheckBox", "RadioButton"}) {
        auto& text = dynamic_cast<TSeTextObject&>(Object(top, "Text"));
        for (TColor color : {text.Font().Color(), text.FontHot().Color(), text.FontFocused().Color()})
            EXPECT_GE(Contrast(Rgb(color), WindowOf(top)), Readable) << top;
    }
}

TEST_P(LookTest, FramePiecesAreOpaqueOrKey) {
    const art_kit::TImage& frame = Bitmap("Frame");
    auto& corner = dynamic_cast<TSeFormBitmapSkinObject&>(Object("Form", "TopLeft"));
    for (const TKsBitmapLink* link : {&corner.Bitmap(), &corner.InactiveBitmap()}) {
        const TRect& r = link->Rect();
        EXPECT_EQ(frame.At(r.Left, r.Top), 0xFFFF00FFu) << "the window's corner is cut";
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) ASSERT_EQ(frame.At(x, y) >> 24, 0xFFu);
    }
}

// Calls Visit for every bitmap link of Object and its descendants, found through the
// persistent properties the objects stream.
void ForEachLink(TSeSkinObject& object, const std::function<void(TSeSkinObject&, TKsBitmapLink&)>& visit) {
    for (const TPropInfo* property : TClassRegistry::Instance().ClassOf(object).Properties())
        if (property->Kind == TPropertyKind::pkObject)
            if (auto* link = dynamic_cast<TKsBitmapLink*>(&property->Object(object)))
                visit(object, *link);
    for (int i = 0; i < object.ChildCount(); ++i) ForEachLink(object.Child(i), visit);
}

TEST_P(LookTest, EveryLinkNamesAnAreaOfItsBitmap) {
    int links = 0;
    for (const auto& top : m_art.Objects)
        ForEachLink(*top, [&](TSeSkinObject& owner, TKsBitmapLink& link) {
            if (link.Name().empty()) return; // a state without its own picture
            ++links;
            const art_kit::TImage& image = Bitmap(link.Name());
            const TRect& r = link.Rect();
            EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Left < r.Right && r.Top < r.Bottom &&
                        r.Right <= image.Width() && r.Bottom <= image.Height())
                << top->Name() << "/" << owner.Name();
        });
    EXPECT_GT(links, 100);
}

INSTANTIATE_TEST_SUITE_P(Shipped, LookTest, testing::Range(0, int(ShippedLooks().size())),
                         [](const testing::TestParamInfo<int>& info) {
                             return ShippedLooks()[size_t(info.param)]->Folder();
                         });

} // namespace
} // namespace skin_art
