#include "control_gallery_stage.h"

#include "framework/windowing/window_handle.h"
#include "skin/engine/skin_engine.h"
#include "skin/files/skin_source.h"
#include "skin_controls/se_skin_panel.h"

#include <algorithm>
#include <cstring>

namespace brisat {
namespace {

// The panel seen around each control.
constexpr int32_t kMargin = 6;
// Big enough for every control with its drop-down list below it.
constexpr int32_t kFormWidth = 480;
constexpr int32_t kFormHeight = 360;

TRect Union(const TRect& a, const TRect& b) {
    if (b.Width() <= 0 || b.Height() <= 0) return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

} // namespace

TGalleryStage::TGalleryStage(const std::string& skinFile) {
    auto platform = std::make_unique<THeadlessPlatform>();
    m_host = platform.get();
    SetPlatform(std::move(platform));
    m_app = std::make_unique<TApplication>();
    m_form = &m_app->CreateForm<TForm>();
    m_form->SetBorderStyle(TFormBorderStyle::bsNone);
    m_form->SetBounds(0, 0, kFormWidth, kFormHeight);
    m_engine = &CreateOwned<TSeSkinEngine>(*m_form);
    if (!skinFile.empty()) m_engine->SetSkinFile(skinFile);
    m_backdrop = &CreateOwned<TSeSkinPanel>(*m_form);
    m_backdrop->SetAlign(TAlign::alClient);
    m_backdrop->SetShowCaption(false);
    m_backdrop->SetShowButton(false);
    m_backdrop->SetParent(m_form);
    m_backdrop->SetSkinEngine(m_engine);
    m_form->Show();
    Settle();
}

TGalleryStage::~TGalleryStage() {
    m_app.reset();
    for (HWND top : GetTopLevelWindows())
        DestroyWindow(top);
    ClearMessageQueue();
    SetPlatform(nullptr);
}

std::string TGalleryStage::SkinName() const {
    return m_engine->SkinFile().empty() ? "Plain" : m_engine->Skin().SkinName();
}

TWinControl* TGalleryStage::Backdrop() {
    return m_backdrop;
}

TPoint TGalleryStage::OnForm(TControl& control, TPoint p) const {
    return m_form->ScreenToClient(control.ClientToScreen(p));
}

void TGalleryStage::Settle() {
    m_app->ProcessMessages();
}

void TGalleryStage::Hover(TControl& control, TPoint p) {
    const TPoint at = OnForm(control, p);
    m_host->MouseMove(m_form->Handle(), at.X, at.Y);
    Settle();
}

void TGalleryStage::Press(TControl& control, TPoint p) {
    Hover(control, p);
    const TPoint at = OnForm(control, p);
    m_host->MouseDown(m_form->Handle(), at.X, at.Y);
    Settle();
}

void TGalleryStage::Release(TControl& control, TPoint p) {
    const TPoint at = OnForm(control, p);
    m_host->MouseUp(m_form->Handle(), at.X, at.Y);
    Settle();
}

void TGalleryStage::Drag(TControl& control, TPoint from, TPoint to) {
    Press(control, from);
    Hover(control, to);
}

void TGalleryStage::Wheel(TControl& control, TPoint p, int32_t delta) {
    Hover(control, p);
    const TPoint at = OnForm(control, p);
    m_host->Wheel(m_form->Handle(), at.X, at.Y, delta);
    Settle();
}

void TGalleryStage::Focus(TWinControl& control) {
    control.SetFocus();
    Settle();
}

std::unique_ptr<TKsBitmap> TGalleryStage::Photograph(TControl& control) {
    Settle();
    const TPoint origin = control.ClientToScreen({0, 0});
    TRect area = Bounds(origin.X - kMargin, origin.Y - kMargin, control.Width() + 2 * kMargin,
                        control.Height() + 2 * kMargin);
    for (HWND top : GetTopLevelWindows())
        if (top != m_form->Handle() && IsWindowVisible(top)) area = Union(area, GetWindowRect(top));
    const std::vector<uint32_t> pixels =
        m_host->CaptureScreen({area.Left, area.Top, area.Right, area.Bottom});
    auto picture = std::make_unique<TKsBitmap>();
    picture->SetSize(area.Width(), area.Height());
    for (int32_t y = 0; y < area.Height(); ++y)
        std::memcpy(picture->Row(y), pixels.data() + size_t(y) * size_t(area.Width()),
                    size_t(area.Width()) * sizeof(uint32_t));
    picture->SetAlpha(255);
    return picture;
}

void TGalleryStage::Clear(TControl& control) {
    const TPoint away{kFormWidth - 1, kFormHeight - 1};
    m_host->MouseMove(m_form->Handle(), away.X, away.Y);
    m_host->MouseUp(m_form->Handle(), away.X, away.Y);
    Settle();
    control.Free();
    Settle();
    m_host->Advance(GetDoubleClickTime() + 1);
}

} // namespace brisat
