#include "framework/core/exceptions.h"
#include "framework/core/object_text_reader.h"
#include "framework/core/object_text_writer.h"
#include "framework/text_lines.h"
#include "ks_menu_fixture.h"
#include "skin/engine/skin_engine.h"
#include "skin/objects/skin_object.h"
#include "skin/files/skin_source.h"
#include "skin_controls/se_skin_edit.h"
#include "skin_windows/se_skin_menu_bar.h"
#include "skin_windows/ks_item_look.h"
#include "skin_windows/ks_system_glyphs.h"
#include "skin_windows/skin_window_registry.h"

using namespace brisat;

namespace {

class KsMenuItemTest : public KsMenuTest {
protected:
    void SetUp() override {
        KsMenuTest::SetUp();
        RegisterSkinWindowClasses();
        engine = &CreateOwned<TSeSkinEngine>(*form);
        root = &CreateOwned<TSeSkinItem>(*form);
    }

    // The sizes a popup view gives Root's items.
    std::vector<TSize> Measured(bool bar) {
        TKsItemView view(*root, *form, bar);
        view.Layout();
        std::vector<TSize> sizes;
        for (int i = 0; i < root->Count(); ++i)
            sizes.push_back({view.ItemRect(i).Width(), view.ItemRect(i).Height()});
        return sizes;
    }
    int32_t TextWidth(const TFont& font, const std::string& text) {
        TKsBitmap bitmap;
        bitmap.SetFont(font);
        return bitmap.TextWidth(text);
    }

    TSeSkinEngine* engine = nullptr;
    TSeSkinItem* root = nullptr;
};

TEST_F(KsMenuItemTest, InsertingAnItemTwiceFailsWithTheToolbarMessage) {
    TSeSkinItem& item = AddKsItem(*root, "Once");
    auto& other = CreateOwned<TSeSkinItem>(*form);
    try {
        other.Add(item);
        FAIL() << "no error";
    } catch (const EInvalidOperation& e) {
        EXPECT_STREQ(e.what(), "Toolbar item already inserted");
    }
    EXPECT_EQ(item.Parent(), root);
    EXPECT_EQ(other.Count(), 0);
}

TEST_F(KsMenuItemTest, PlainItemsMeasureByTheirCaptions) {
    AddKsItem(*root, "&Open", scCtrl | 'O');
    AddKsItem(*root, "-");
    AddKsItem(*root, "Properties");
    TKsBitmap probe;
    SelectPlainItemFont(probe);
    const TFont font = probe.Font();
    const int32_t open = TextWidth(font, "&Open"), properties = TextWidth(font, "Properties");
    const int32_t shortCut = TextWidth(font, ShortCutToText(scCtrl | 'O'));
    const std::vector<TSize> popup = Measured(false);
    // Stacked items are as wide as the widest: Open with its shortcut, or Properties.
    EXPECT_EQ(popup[0].cx, std::max(open + 58 + shortCut, properties + 58));
    EXPECT_GE(popup[0].cy, 20);
    EXPECT_EQ(popup[1].cy, 15) << "a separator";
    const std::vector<TSize> bar = Measured(true);
    EXPECT_EQ(bar[0].cx, open + 12);
    EXPECT_EQ(bar[2].cx, properties + 12);
}

TEST_F(KsMenuItemTest, SkinnedItemsMeasureByTheSkinsObjects) {
    engine->SetSkinFile(std::string(BRISAT_SKINS_DIR) + "/steel.xskn");
    ASSERT_GT(engine->Skin().Count(), 0);
    AddKsItem(*root, "&Open", scCtrl | 'O');
    AddKsItem(*root, "-");
    root->SetSkinEngine(engine);
    EXPECT_EQ(dynamic_cast<TSeSkinItem&>(root->Items(0)).SkinEngine(), engine)
        << "binding reaches the sub-items";
    TSeSkinObject& popupItem = *engine->Skin().FindObject("PopupMenu")->FindObject("Item");
    TSeSkinObject& barItem = *engine->Skin().FindObject("MenuBar")->FindObject("Item");
    const std::vector<TSize> popup = Measured(false);
    EXPECT_EQ(popup[0].cx, TextWidth(popupItem.GetFont(), "&Open") +
                               TextWidth(popupItem.GetFont(), ShortCutToText(scCtrl | 'O')) + 58);
    EXPECT_EQ(popup[0].cy, popupItem.Height());
    EXPECT_EQ(popup[1].cy, popupItem.Height()) << "separators are as high as items";
    const std::vector<TSize> bar = Measured(true);
    EXPECT_EQ(bar[0].cx, TextWidth(barItem.GetFont(), "&Open") + barItem.TextMarginLeft() +
                             barItem.TextMarginRight());
    EXPECT_EQ(bar[0].cy, barItem.Height());
    // Without the skin the plain look comes back.
    engine->SetSkinFile("");
    EXPECT_EQ(Measured(false)[1].cy, 15);
}

// The separator row is as high as an item; the skin's thin separator art lies once across its
// middle, and stays the skin's size for the next row.
TEST_F(KsMenuItemTest, ASkinnedSeparatorIsDrawnOnceAcrossTheRowsMiddle) {
    engine->SetSkinFile(std::string(BRISAT_SKINS_DIR) + "/steel.xskn");
    TSeSkinItem& line = AddKsItem(*root, "-");
    root->SetSkinEngine(engine);
    TSeSkinObject& separator = *engine->Skin().FindObject("PopupMenu")->FindObject("Separator");
    const int32_t art = separator.Height();
    const int32_t row = Measured(false)[0].cy;
    ASSERT_GT(row, art + 4) << "the row leaves room above and below the art";
    const TKsPixel key = 0xFF102030;
    TKsItemView view(*root, *form, false);
    for (int pass = 0; pass < 2; ++pass) {
        TKsBitmap bitmap;
        bitmap.SetSize(100, row);
        bitmap.Fill(key);
        line.DrawItem(bitmap, view, {0, 0, 100, row}, false, false);
        const int32_t top = (row - art) / 2;
        for (int32_t y = 0; y < row; ++y) {
            bool touched = false;
            for (int32_t x = 0; x < 100; ++x)
                touched = touched || bitmap.Pixels(x, y) != key;
            if (y < top || y >= top + art) {
                EXPECT_FALSE(touched) << "row " << y;
            }
        }
        EXPECT_EQ(separator.Height(), art);
    }
}

// On a dark skin the system menu's marks are drawn in the item's text colour, not black.
TEST_F(KsMenuItemTest, SystemMenuMarksTakeTheSkinnedItemsTextColour) {
    engine->SetSkinFile(std::string(BRISAT_SKINS_DIR) + "/alien.xskn");
    TSeSkinItem& close = AddKsItem(*root, "&Close");
    close.SetImages(&SystemGlyphs());
    close.SetImageIndex(int(TKsSystemGlyph::Close));
    root->SetSkinEngine(engine);
    const TColor text =
        engine->Skin().FindObject("PopupMenu")->FindObject("Item")->StateFont().Color();
    const TKsPixel ink = ColorToPixel(text, 255);
    ASSERT_NE(ink, 0xFF000000u) << "a dark skin's light text";
    const int32_t row = Measured(false)[0].cy;
    TKsItemView view(*root, *form, false);
    TKsBitmap bitmap;
    bitmap.SetSize(120, row);
    bitmap.Fill(0xFF102030);
    close.DrawItem(bitmap, view, {0, 0, 120, row}, false, false);
    int inked = 0, black = 0;
    for (int32_t y = 0; y < row; ++y)
        for (int32_t x = 0; x < ItemGlyphColumn; ++x) {
            inked += bitmap.Pixels(x, y) == ink;
            black += bitmap.Pixels(x, y) == 0xFF000000u;
        }
    EXPECT_GE(inked, 12);
    EXPECT_EQ(black, 0);
}

TEST_F(KsMenuItemTest, ASkinsItemOfNoOrAbsurdHeightGivesWayToThePlainLook) {
    AddKsItem(*root, "Open");
    root->SetSkinEngine(engine);
    const int32_t plain = Measured(false)[0].cy;
    for (const int32_t height : {0, -5, 100000}) {
        TSeSkinBody body;
        auto popup = std::make_unique<TSeSkinObject>(nullptr);
        popup->SetName("PopupMenu");
        auto& item = CreateOwned<TSeSkinObject>(*popup);
        item.SetName("Item");
        item.SetBounds(Bounds(0, 0, 50, 1));
        item.SetHeight(height);
        body.Objects.push_back(std::move(popup));
        engine->BeforeChange();
        engine->Skin().Clear();
        engine->Skin().LoadBody(std::move(body));
        engine->AfterChange();
        EXPECT_EQ(Measured(false)[0].cy, plain) << height;
    }
}

TEST_F(KsMenuItemTest, APopupMenuWithNestedItemsReadsBackFromALayout) {
    const std::string text = Lines({
        "object PopupMenu1: TSeSkinPopupMenu",
        "  DropShadow = True",
        "  ShowAnimation = kaSlide",
        "  object View1: TSeSkinItem",
        "    Caption = '&View'",
        "    PopupBlend = True",
        "    object Zoom1: TSeSkinItem",
        "      Caption = 'Zoom'",
        "      HelpContext = 7",
        "      ShortCut = 'Ctrl+Z'",
        "    end",
        "  end",
        "  object N1: TSeSkinItem",
        "    Caption = '-'",
        "  end",
        "end",
    });
    auto read = TextToComponent(text);
    auto* menu = dynamic_cast<TSeSkinPopupMenu*>(read.get());
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->DropShadow());
    EXPECT_EQ(menu->ShowAnimation(), TKsAnimation::kaSlide);
    ASSERT_EQ(menu->Items().Count(), 2);
    auto& view = dynamic_cast<TSeSkinItem&>(menu->Items().Items(0));
    EXPECT_TRUE(view.PopupBlend());
    ASSERT_EQ(view.Count(), 1);
    auto& zoom = dynamic_cast<TSeSkinItem&>(view.Items(0));
    EXPECT_EQ(zoom.HelpContext(), 7);
    EXPECT_EQ(zoom.ShortCut(), scCtrl | 'Z');
    const std::string written = ComponentToText(*menu);
    EXPECT_EQ(ComponentToText(*TextToComponent(written)), written);
    EXPECT_NE(written.find("    object Zoom1: TSeSkinItem"), std::string::npos) << written;
    EXPECT_EQ(written.find("Version"), std::string::npos) << "never stored";
}

TEST_F(KsMenuItemTest, AMenuBarInAFormLayoutKeepsItsNestedItems) {
    const std::string text = Lines({
        "object frmMain: TForm",
        "  ClientHeight = 150",
        "  ClientWidth = 250",
        "  object SeSkinMenuBar1: TSeSkinMenuBar",
        "    ShadowWidth = 6",
        "    object File1: TSeSkinItem",
        "      Caption = '&File'",
        "      object Open1: TSeSkinItem",
        "        Caption = '&Open'",
        "      end",
        "    end",
        "    object Help1: TSeSkinItem",
        "      Caption = '&Help'",
        "    end",
        "  end",
        "end",
    });
    form->LoadLayout(text);
    auto* bar = dynamic_cast<TSeSkinMenuBar*>(form->FindComponentInTree("SeSkinMenuBar1"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->ShadowWidth(), 6);
    ASSERT_EQ(bar->Items().Count(), 2);
    EXPECT_EQ(bar->Items().Items(0).Items(0).Name(), "Open1");
    EXPECT_GT(bar->View().ItemRect(1).Left, 0) << "laid out once read";
    const std::string written = ComponentToText(*bar);
    EXPECT_NE(written.find("\n    object Open1: TSeSkinItem"), std::string::npos) << written;
    EXPECT_LT(written.find("File1"), written.find("Help1"));
}

TEST_F(KsMenuItemTest, TheSkinnedEditOffersASkinnedContextMenu) {
    auto& skinned = CreateOwned<TSeSkinEdit>(*form);
    skinned.SetParent(form);
    skinned.SetSkinEngine(engine);
    auto& plain = CreateOwned<TKsCustomEdit>(*form);
    plain.SetParent(form);
    ThenKeys({VK_ESCAPE});
    skinned.Perform(WM_CONTEXTMENU, 0, -1);
    auto* menu = dynamic_cast<TSeSkinPopupMenu*>(skinned.ContextMenu());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->SkinEngine(), engine);
    EXPECT_EQ(menu->Items().Count(), 8);
    EXPECT_NE(dynamic_cast<TSeSkinItem*>(&menu->Items().Items(0)), nullptr);
    ThenKeys({VK_ESCAPE});
    plain.Perform(WM_CONTEXTMENU, 0, -1);
    ASSERT_NE(plain.ContextMenu(), nullptr);
    EXPECT_EQ(dynamic_cast<TKsCustomPopupMenu*>(plain.ContextMenu()), nullptr);
}

} // namespace
