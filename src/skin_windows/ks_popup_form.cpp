#include "skin_windows/ks_popup_form.h"

#include "skin/bitmap/bitmap.h"
#include "skin/engine/skin_engine.h"
#include "skin/files/skin_source.h"
#include "skin/objects/skin_object.h"

#include <algorithm>
#include <utility>

namespace brisat {
namespace {

constexpr int32_t PlainFrame = 3;
constexpr int32_t MinPopupSize = 10;
constexpr int32_t MaxMargin = 200; // a damaged skin's margins cannot swallow the items

int32_t Margin(int32_t value) {
    return std::clamp(value, 0, MaxMargin);
}

} // namespace

TKsPopupForm::TKsPopupForm(TComponent* owner) : TKsCustomForm(owner) {
    SetBorderIcons({});
    SetBorderStyle(TKsBorderStyle::kbsNone);
    SetCanMove(false);
    SetCanResize(false);
    SetStayOnTop(true);
    SetConstraints({MinPopupSize, MinPopupSize, 0, 0});
    SetActive(true);
}

TRect TKsPopupForm::FrameMargins() {
    return {PlainFrame, PlainFrame, PlainFrame, PlainFrame};
}

void TKsPopupForm::GetClientRect(TRect& rect) {
    const TSize size = SizeWithoutShadow();
    const TRect m = FrameMargins();
    rect = {m.Left, m.Top, std::max(m.Left, size.cx - m.Right), std::max(m.Top, size.cy - m.Bottom)};
}

void TKsPopupForm::PaintFrame(TKsBitmap& bitmap) {
    const TSize size = SizeWithoutShadow();
    TRect r{0, 0, size.cx, size.cy};
    const std::pair<TColor, TColor> bevels[] = {
        {clBtnFace, clBlack}, {clBtnHighlight, clBtnShadow}, {clMenu, clMenu}};
    for (const auto& [topLeft, bottomRight] : bevels) {
        bitmap.BevelRect(r, ColorToPixel(topLeft, 255), ColorToPixel(bottomRight, 255));
        r = InflateRect(r, -1, -1);
    }
}

void TKsPopupForm::PaintItemsBackground(TKsBitmap& bitmap) {
    bitmap.Fill(ColorToPixel(clMenu, 255));
}

TSeSkinPopupForm::TSeSkinPopupForm(TComponent* owner, TSeSkinEngine* engine)
    : TKsPopupForm(owner) {
    ChangeReference(m_engine, engine);
}

void TSeSkinPopupForm::Notification(TComponent& component, TOperation operation) {
    if (operation == TOperation::opRemove && &component == m_engine) m_engine = nullptr;
    TKsPopupForm::Notification(component, operation);
}

TSeSkinPopupForm::~TSeSkinPopupForm() = default;

TSeSkinObject* TSeSkinPopupForm::FrameObject() const {
    if (!m_engine) return nullptr;
    const TSeSkinSource& skin = m_engine->Skin();
    TSeSkinObject* popup =
        skin.Loading() || skin.Count() == 0 ? nullptr : skin.FindObject("PopupMenu");
    return popup ? popup->FindObject("Frame") : nullptr;
}

TRect TSeSkinPopupForm::FrameMargins() {
    const TSeSkinObject* frame = FrameObject();
    if (!frame) return TKsPopupForm::FrameMargins();
    return {Margin(frame->MarginLeft()), Margin(frame->MarginTop()), Margin(frame->MarginRight()),
            Margin(frame->MarginBottom())};
}

bool TSeSkinPopupForm::DrawFrame(TKsBitmap& bitmap, TPoint origin) {
    TSeSkinObject* frame = FrameObject();
    if (!frame) return false;
    const TSize size = SizeWithoutShadow();
    frame->SetBounds(Bounds(origin.X, origin.Y, size.cx, size.cy));
    frame->Draw(bitmap);
    return true;
}

std::optional<TRegion> TSeSkinPopupForm::GetRegion() {
    TSeSkinObject* frame = FrameObject();
    if (!frame) return TKsPopupForm::GetRegion();
    const TSize size = SizeWithoutShadow();
    frame->SetBounds({0, 0, size.cx, size.cy});
    return frame->CreateRegion();
}

// The frame bitmap is shared with other windows: the frame's soft edges are laid over a clean
// ground, not over what another window drew there.
void TSeSkinPopupForm::PaintFrame(TKsBitmap& bitmap) {
    if (!FrameObject()) return TKsPopupForm::PaintFrame(bitmap);
    const TSize size = SizeWithoutShadow();
    if (!ShadowExtent()) bitmap.FillRect({0, 0, size.cx, size.cy}, 0xFF000000);
    DrawFrame(bitmap, {0, 0});
}

void TSeSkinPopupForm::PaintItemsBackground(TKsBitmap& bitmap) {
    TKsPopupForm::PaintItemsBackground(bitmap);
    const TRect m = FrameMargins();
    DrawFrame(bitmap, {-m.Left, -m.Top});
}

} // namespace brisat
