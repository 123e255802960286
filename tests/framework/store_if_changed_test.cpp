#include "framework/core/font.h"
#include "framework/core/store_if_changed.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace brisat;

namespace {

// Equal when the keys match; the tag shows whether a store happened.
struct TKeyed {
    int Key = 0;
    std::string Tag;
    bool operator==(const TKeyed& other) const { return Key == other.Key; }
};

TEST(StoreIfChanged, StoresOnlyADifferentValueAndSaysSo) {
    TKeyed field{1, "old"};
    EXPECT_FALSE(StoreIfChanged(field, TKeyed{1, "equal"}));
    EXPECT_EQ(field.Tag, "old");
    EXPECT_TRUE(StoreIfChanged(field, TKeyed{2, "new"}));
    EXPECT_EQ(field.Key, 2);
    EXPECT_EQ(field.Tag, "new");

    std::string text = "a";
    EXPECT_TRUE(StoreIfChanged(text, std::string("b")));
    EXPECT_FALSE(StoreIfChanged(text, std::string("b")));
    EXPECT_EQ(text, "b");
}

// Every font setter tells OnChange once for a new value and not at all for the value it holds.
TEST(StoreIfChanged, FontSettersNotifyOnlyOnAChange) {
    const std::vector<std::pair<const char*, std::function<void(TFont&)>>> setters = {
        {"Name", [](TFont& f) { f.SetName("Other"); }},
        {"Height", [](TFont& f) { f.SetHeight(-20); }},
        {"Style", [](TFont& f) { f.SetStyle({TFontStyle::fsBold}); }},
        {"Charset", [](TFont& f) { f.SetCharset(RUSSIAN_CHARSET); }},
        {"Color", [](TFont& f) { f.SetColor(clRed); }},
        {"Pitch", [](TFont& f) { f.SetPitch(TFontPitch::fpFixed); }},
    };
    for (const auto& [name, set] : setters) {
        TFont font;
        int changes = 0;
        font.OnChange = [&changes](TFont&) { ++changes; };
        set(font);
        EXPECT_EQ(changes, 1) << name;
        set(font);
        EXPECT_EQ(changes, 1) << name;
    }
}

} // namespace
