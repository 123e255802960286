#include "skin_windows/ks_popup_window.h"

#include "framework/controls/menu_window.h"
#include "framework/controls/screen.h"
#include "skin_windows/ks_custom_item.h"
#include "skin_windows/ks_popup_form.h"

#include <algorithm>

namespace brisat {

TKsPopupWindow::TKsPopupWindow(TKsCustomItem& item) : TWinControl(nullptr), m_view(item, *this) {
    SetVisible(false);
    InitColor(clMenu);
}

TKsPopupWindow::~TKsPopupWindow() = default;

TKsPopupForm& TKsPopupWindow::CreateForm() {
    return CreateOwned<TKsPopupForm>(*this);
}

void TKsPopupWindow::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    SetMenuWindowParams(p);
    // Blended popups show what is beneath through them.
    p.ExStyle |= WS_EX_LAYERED;
}

void TKsPopupWindow::Prepare(TKsCustomItem& item, bool animate) {
    m_form = &CreateForm();
    const TKsPopupSettings& s = item.PopupSettings();
    const TSize content = m_view.Layout();
    const TRect m = m_form->FrameMargins();
    SetBounds(Left(), Top(), content.cx + m.Left + m.Right, content.cy + m.Top + m.Bottom);
    m_form->SetBlend(item.PopupBlend());
    // Settings read from a layout are kept within what a popup can show.
    m_form->SetBlendValue(std::clamp(item.PopupBlendValue(), 0, 255));
    m_form->SetShadowWidth(s.ShadowWidth);
    // The form grows the window by the shadow, keeping the client area.
    m_form->SetDropShadow(s.DropShadow);
    if (animate) {
        m_form->SetShowAnimation(s.ShowAnimation);
        m_form->SetShowAnimationTime(s.ShowAnimationTime);
    }
    m_size = {Width(), Height()};
}

void TKsPopupWindow::Open(const TRect& anchor, TMenuAnchor kind) {
    const TRect work = Screen().MonitorFromPoint(anchor.TopLeft()).WorkareaRect();
    const TRect place = PlaceMenu(m_size, anchor, kind, work);
    SetWindowPos(Handle(), HWND_TOPMOST, place.Left, place.Top, m_size.cx, m_size.cy,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    SetVisible(true);
}

void TKsPopupWindow::PaintWindow(TDeviceContext& dc) {
    const TRect client = ClientRect();
    if (m_buffer.Width() != client.Width() || m_buffer.Height() != client.Height())
        m_buffer.SetSize(client.Width(), client.Height());
    m_form->PaintItemsBackground(m_buffer);
    m_view.PaintItems(m_buffer);
    m_form->BlendClientPicture(m_buffer);
    m_buffer.DrawToDC(dc, 0, 0);
}

} // namespace brisat
