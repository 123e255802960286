#include "framework/controls/hint_window.h"

namespace brisat {
namespace {

constexpr int32_t HintMargin = 2;
constexpr uint32_t HintFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

} // namespace

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    SetVisible(false);
    InitColor(clInfoBk);
    SetParentFont(false);
    Font().SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.Style = WS_POPUP | WS_BORDER;
    p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    p.WinClassName = TooltipClass;
}

TRect THintWindow::CalcHintRect(int32_t maxWidth, const std::string& hint) {
    TDeviceContext dc;
    dc.SelectFont(&Font());
    TRect r{0, 0, maxWidth, 0};
    dc.DrawText(hint, r, HintFormat | DT_CALCRECT);
    // The border and a margin on each side.
    r.Right += 2 * (HintMargin + 1) + 4;
    r.Bottom += 2 * (HintMargin + 1);
    return r;
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& hint) {
    SetCaption(hint);
    SetBoundsRect(rect);
    SetWindowPos(Handle(), HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    SetVisible(true);
    Invalidate();
}

void THintWindow::ReleaseHandle() {
    SetVisible(false);
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

void THintWindow::Paint() {
    TRect r = ClientRect();
    Canvas().FillRect(r);
    r = InflateRect(r, -HintMargin, -HintMargin);
    r.Left += 2;
    Canvas().Brush().Style = TBrushStyle::bsClear;
    Canvas().DrawText(Caption(), r, HintFormat);
}

} // namespace brisat
