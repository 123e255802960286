#include "skin_windows/se_skin_item.h"

#include "framework/graphics/image_list.h"
#include "skin/engine/skin_engine.h"
#include "skin/files/skin_source.h"
#include "skin/objects/skin_object.h"
#include "skin_controls/se_skin_binding.h"
#include "skin_windows/ks_item_look.h"
#include "skin_windows/ks_item_view.h"
#include "skin_windows/ks_system_glyphs.h"
#include "skin_windows/se_skin_popup_window.h"

#include <algorithm>

namespace brisat {
namespace {

constexpr int32_t PopupItemExtra = 58;
constexpr int32_t ArrowColumn = 16;
constexpr int32_t MaxItemHeight = 256; // beyond this a skin's item is taken as damaged

TSeSkinObject* TopObject(const TSeSkinEngine* engine, std::string_view name) {
    if (!engine) return nullptr;
    const TSeSkinSource& skin = engine->Skin();
    return skin.Loading() || skin.Count() == 0 ? nullptr : skin.FindObject(name);
}

TSeState ItemState(bool selected, bool notActive) {
    return !selected ? ssNormal : notActive ? ssHot : ssFocused;
}

// A separator row: the item's normal look without text, then the separator's art once across
// the middle at the skin's height for it (the row's height when it has none). The engine's
// separator keeps its size for the next row.
void DrawSeparatorRow(TKsBitmap& bitmap, TSeSkinObject& item, TSeSkinObject& separator,
                      const TRect& rect) {
    item.SetBounds(rect);
    item.SetText("");
    item.SetShortCutText("");
    item.SetState(ssNormal);
    item.Draw(bitmap);
    const TRect own = separator.BoundsRect();
    const int32_t height =
        own.Height() > 0 ? std::min(own.Height(), rect.Height()) : rect.Height();
    const int32_t top = rect.Top + (rect.Height() - height) / 2;
    separator.SetBounds({rect.Left, top, rect.Right, top + height});
    separator.SetState(ssNormal);
    separator.Draw(bitmap);
    separator.SetBounds(own);
}

} // namespace

void TSeSkinItem::SetSkinEngine(TSeSkinEngine* engine) {
    ChangeReference(m_engine, engine);
    for (int i = 0; i < Count(); ++i)
        if (auto* child = dynamic_cast<TSeSkinItem*>(&Items(i))) child->SetSkinEngine(engine);
}

std::string TSeSkinItem::Version() const {
    return SeSkinVersion;
}

TSeSkinObject* TSeSkinItem::ItemObject(bool barItem) const {
    TSeSkinObject* top = TopObject(m_engine, barItem ? "MenuBar" : "PopupMenu");
    TSeSkinObject* item = top ? top->FindObject("Item") : nullptr;
    // A part of no height would make the item vanish, an absurd one the popup huge: the plain
    // look stands in for both.
    return item && item->Height() > 0 && item->Height() <= MaxItemHeight ? item : nullptr;
}

TSeSkinObject* TSeSkinItem::SeparatorObject() const {
    TSeSkinObject* top = TopObject(m_engine, "PopupMenu");
    return top ? top->FindObject("Separator") : nullptr;
}

void TSeSkinItem::MeasureItem(TKsBitmap& bitmap, const TKsItemView& view, int32_t& width,
                              int32_t& height) {
    const bool bar = view.Horizontal();
    TSeSkinObject* object = ItemObject(bar);
    if (!object) {
        TKsCustomItem::MeasureItem(bitmap, view, width, height);
        return;
    }
    bitmap.SetFont(object->GetFont());
    height = object->Height();
    if (bar) {
        width = bitmap.TextWidth(Caption()) + object->TextMarginLeft() + object->TextMarginRight();
        return;
    }
    const std::string shortCut = ShortCut() ? ShortCutToText(ShortCut()) : "";
    width = bitmap.TextWidth(Caption()) + bitmap.TextWidth(shortCut, DT_NOPREFIX) + PopupItemExtra;
}

void TSeSkinItem::DrawItem(TKsBitmap& bitmap, const TKsItemView& view, const TRect& rect,
                           bool selected, bool notActive) {
    const bool bar = view.Horizontal();
    TSeSkinObject* object = ItemObject(bar);
    if (!object) {
        TKsCustomItem::DrawItem(bitmap, view, rect, selected, notActive);
        return;
    }
    const TSeState state = ItemState(selected, notActive);
    if (!bar) {
        DrawPopupItem(bitmap, *object, rect, state);
        return;
    }
    object->SetBounds(rect);
    object->SetText(Caption());
    object->SetState(state);
    object->SetEnabled(Enabled());
    object->Draw(bitmap);
}

void TSeSkinItem::DrawPopupItem(TKsBitmap& bitmap, TSeSkinObject& object, const TRect& rect,
                                TSeState state) {
    if (IsLine())
        if (TSeSkinObject* separator = SeparatorObject())
            return DrawSeparatorRow(bitmap, object, *separator, rect);
    bitmap.SetFont(object.GetFont());
    object.SetBounds(rect);
    object.SetText(Caption());
    object.SetState(state);
    object.SetEnabled(Enabled());
    object.SetShortCutText(ShortCut() && !IsLine() ? ShortCutToText(ShortCut()) : "");
    object.Draw(bitmap);
    if (IsLine()) return; // the "-" caption drew the separator line
    const TColor ink = object.StateFont().Color();
    const TRect column{rect.Left, rect.Top, rect.Left + ItemGlyphColumn, rect.Bottom};
    const TImageList* images = ImagesToDraw();
    // The system menu's black marks take the skin's text colour, which reads on its items.
    if (images == &SystemGlyphs())
        DrawSystemGlyph(bitmap, ImageIndex(), column, ink);
    else if (images)
        DrawItemImage(bitmap, *images, ImageIndex(), column, Enabled());
    else if (Checked())
        DrawItemCheckMark(bitmap, {rect.Left + 9, (rect.Top + rect.Bottom) / 2 + 1}, ink, ink);
    if (HasVisibleItems())
        DrawItemSubMenuArrow(bitmap, {rect.Right - ArrowColumn, rect.Top, rect.Right, rect.Bottom},
                             ink);
}

std::unique_ptr<TKsPopupWindow> TSeSkinItem::MakePopupWindow() {
    return std::make_unique<TSeSkinPopupWindow>(*this, m_engine);
}

void TSeSkinItem::Notification(TComponent& component, TOperation operation) {
    if (operation == TOperation::opRemove && &component == m_engine) m_engine = nullptr;
    TKsCustomItem::Notification(component, operation);
}

} // namespace brisat
