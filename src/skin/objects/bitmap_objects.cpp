// The two bitmap families: TSeBitmapObject (bitmap, caption, then the children laid out and
// drawn) and TSeBitmapSkinObject (bitmap and caption only), with their state-dependent links.
#include "skin/bitmap/bitmap.h"
#include "skin/objects/link_draw.h"
#include "skin/objects/object_looks.h"
#include "skin/objects/skin_object_classes.h"

namespace brisat {

namespace {

TLinkLayout LayoutOf(const TSeSkinObject& object, TscTileStyle center, TscTileStyle edges) {
    return {object.BoundsRect(),
            {object.MarginLeft(), object.MarginTop(), object.MarginRight(), object.MarginBottom()},
            center,
            edges};
}

// The pixels the object leaves transparent cut out of its rectangle: the object drawn at (0, 0)
// into a bitmap of key pixels, then moved back.
std::optional<TRegion> BitmapRegion(TSeSkinObject& object, const TKsBitmapLink& link) {
    if (!link.Valid() || object.Width() <= 0 || object.Height() <= 0) return std::nullopt;
    if (object.Kind() == TSeKind::skClient) return TRegion(object.BoundsRect());
    const TRect bounds = object.BoundsRect();
    TKsBitmap scratch;
    scratch.SetSize(object.Width(), object.Height());
    scratch.Fill(ksKeyPixel);
    object.SetBounds({0, 0, object.Width(), object.Height()});
    try {
        object.Draw(scratch);
    } catch (...) {
        object.SetBounds(bounds);
        throw;
    }
    object.SetBounds(bounds);
    return scratch.CreateRegion(bounds.Left, bounds.Top);
}

} // namespace

// --- TSeBitmapObject ---------------------------------------------------------------------------------

void TSeBitmapObject::Assign(const TPersistent& source) {
    TSeSkinObject::Assign(source);
    if (const auto* src = dynamic_cast<const TSeBitmapObject*>(&source)) {
        m_bitmap.Assign(src->m_bitmap);
        m_tileStyle = src->m_tileStyle;
        m_borderTileStyle = src->m_borderTileStyle;
    }
}

void TSeBitmapObject::Draw(TKsBitmap& target) {
    if (!Visible() || Width() <= 0 || Height() <= 0) return;
    const TKsBitmapLink& link = CurrentLink();
    if (!link.Valid()) return;
    DrawLink(target, link);
    DrawCaption(target);
    Realign();
    DrawChildren(target);
}

void TSeBitmapObject::DrawLink(TKsBitmap& target, const TKsBitmapLink& link) {
    DrawSkinLink(target, link, LayoutOf(*this, m_tileStyle, m_borderTileStyle));
}

std::optional<TRegion> TSeBitmapObject::CreateObjectRegion() {
    return BitmapRegion(*this, m_bitmap);
}

// --- TSeActiveBitmap ---------------------------------------------------------------------------------

void TSeActiveBitmap::Assign(const TPersistent& source) {
    TSeBitmapObject::Assign(source);
    if (const auto* src = dynamic_cast<const TSeActiveBitmap*>(&source)) {
        m_activeBitmap.Assign(src->m_activeBitmap);
        m_activeFont.Assign(src->m_activeFont);
    }
}

const TFont& TSeActiveBitmap::GetFont() const {
    return State() == ssHot || State() == ssFocused ? m_activeFont : Font();
}

void TSeActiveBitmap::SetCharset(TFontCharset charset) {
    TSeBitmapObject::SetCharset(charset);
    m_activeFont.SetCharset(charset);
}

const TKsBitmapLink& TSeActiveBitmap::CurrentLink() const {
    const bool active = WindowActive() || State() == ssHot || State() == ssFocused;
    return active ? ValidOr(m_activeBitmap, Bitmap()) : Bitmap();
}

void TSeActiveBitmap::EnumLinks(const std::function<void(TKsBitmapLink&)>& proc) {
    TSeBitmapObject::EnumLinks(proc);
    proc(m_activeBitmap);
}

// --- TSeButtonObject ---------------------------------------------------------------------------------

void TSeButtonObject::Assign(const TPersistent& source) {
    TSeBitmapObject::Assign(source);
    if (const auto* src = dynamic_cast<const TSeButtonObject*>(&source)) {
        m_bitmapHot.Assign(src->m_bitmapHot);
        m_bitmapFocused.Assign(src->m_bitmapFocused);
        m_bitmapPressed.Assign(src->m_bitmapPressed);
        m_bitmapDisabled.Assign(src->m_bitmapDisabled);
    }
}

const TKsBitmapLink& TSeButtonObject::CurrentLink() const {
    return ButtonStateLink(State(),
                           {m_bitmapHot, m_bitmapFocused, m_bitmapPressed, m_bitmapDisabled},
                           Bitmap());
}

void TSeButtonObject::EnumLinks(const std::function<void(TKsBitmapLink&)>& proc) {
    TSeBitmapObject::EnumLinks(proc);
    for (TKsBitmapLink* link : {&m_bitmapHot, &m_bitmapFocused, &m_bitmapPressed, &m_bitmapDisabled})
        proc(*link);
}

// --- TSeBitmapSkinObject -------------------------------------------------------------------------------

void TSeBitmapSkinObject::Assign(const TPersistent& source) {
    TSeSkinObject::Assign(source);
    if (const auto* src = dynamic_cast<const TSeBitmapSkinObject*>(&source)) {
        m_bitmap.Assign(src->m_bitmap);
        m_tileStyle = src->m_tileStyle;
    }
}

void TSeBitmapSkinObject::Draw(TKsBitmap& target) {
    if (!Visible() || Width() <= 0 || Height() <= 0) return;
    const TKsBitmapLink& link = CurrentLink();
    if (!link.Valid()) return;
    DrawSkinLink(target, link, LayoutOf(*this, m_tileStyle, EdgeTileStyle()));
    DrawCaption(target);
}

std::optional<TRegion> TSeBitmapSkinObject::CreateObjectRegion() {
    return BitmapRegion(*this, m_bitmap);
}

// --- TSeFormBitmapSkinObject ---------------------------------------------------------------------------

void TSeFormBitmapSkinObject::Assign(const TPersistent& source) {
    TSeBitmapSkinObject::Assign(source);
    if (const auto* src = dynamic_cast<const TSeFormBitmapSkinObject*>(&source))
        m_inactiveBitmap.Assign(src->m_inactiveBitmap);
}

const TKsBitmapLink& TSeFormBitmapSkinObject::CurrentLink() const {
    return WindowActive() ? Bitmap() : ValidOr(m_inactiveBitmap, Bitmap());
}

void TSeFormBitmapSkinObject::EnumLinks(const std::function<void(TKsBitmapLink&)>& proc) {
    TSeBitmapSkinObject::EnumLinks(proc);
    proc(m_inactiveBitmap);
}

// --- The box classes -----------------------------------------------------------------------------------

void TSeBitmapBoxObject::Assign(const TPersistent& source) {
    TSeBitmapSkinObject::Assign(source);
    if (const auto* src = dynamic_cast<const TSeBitmapBoxObject*>(&source))
        m_borderTileStyle = src->m_borderTileStyle;
}

void TSeActiveBitmapBoxObject::Assign(const TPersistent& source) {
    TSeBitmapBoxObject::Assign(source);
    if (const auto* src = dynamic_cast<const TSeActiveBitmapBoxObject*>(&source))
        m_focusedBitmap.Assign(src->m_focusedBitmap);
}

const TKsBitmapLink& TSeActiveBitmapBoxObject::CurrentLink() const {
    const bool focused = State() == ssHot || State() == ssFocused;
    return focused ? ValidOr(m_focusedBitmap, Bitmap()) : Bitmap();
}

void TSeActiveBitmapBoxObject::EnumLinks(const std::function<void(TKsBitmapLink&)>& proc) {
    TSeBitmapBoxObject::EnumLinks(proc);
    proc(m_focusedBitmap);
}

void TSeButtonBitmapBoxObject::Assign(const TPersistent& source) {
    TSeBitmapBoxObject::Assign(source);
    if (const auto* src = dynamic_cast<const TSeButtonBitmapBoxObject*>(&source)) {
        m_hotBitmap.Assign(src->m_hotBitmap);
        m_focusedBitmap.Assign(src->m_focusedBitmap);
        m_pressedBitmap.Assign(src->m_pressedBitmap);
        m_disabledBitmap.Assign(src->m_disabledBitmap);
    }
}

const TKsBitmapLink& TSeButtonBitmapBoxObject::CurrentLink() const {
    return ButtonStateLink(State(),
                           {m_hotBitmap, m_focusedBitmap, m_pressedBitmap, m_disabledBitmap},
                           Bitmap());
}

void TSeButtonBitmapBoxObject::EnumLinks(const std::function<void(TKsBitmapLink&)>& proc) {
    TSeBitmapBoxObject::EnumLinks(proc);
    for (TKsBitmapLink* link : {&m_hotBitmap, &m_focusedBitmap, &m_pressedBitmap, &m_disabledBitmap})
        proc(*link);
}

} // namespace brisat
