#include "skin_windows/ks_popup_window.h"

#include "framework/controls/menu_window.h"
#include "framework/controls/screen.h"
#include "skin_windows/ks_custom_item.h"
#include "skin_windows/ks_popup_form.h"

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
    p.WndParent = 0;
    p.Style = WS_POPUP;
    p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    p.WinClassName = MenuWindowClass;
}

void TKsPopupWindow::Prepare(TKsCustomItem& item, bool animate) {
    m_form = &CreateForm();
    const TKsPopupSettings& s = item.PopupSettings();
    m_form->SetBlend(item.PopupBlend());
    m_form->SetBlendValue(item.PopupBlendValue());
    m_form->SetDropShadow(s.DropShadow);
    m_form->SetShadowWidth(s.ShadowWidth);
    if (animate) {
        m_form->SetShowAnimation(s.ShowAnimation);
        m_form->SetShowAnimationTime(s.ShowAnimationTime);
    }
    const TSize content = m_view.Layout();
    const TRect m = m_form->FrameMargins();
    const int32_t shadow = s.DropShadow ? s.ShadowWidth : 0;
    m_size = {content.cx + m.Left + m.Right + shadow, content.cy + m.Top + m.Bottom + shadow};
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
    m_buffer.Fill(ColorToPixel(clMenu, 255));
    m_view.PaintItems(m_buffer);
    m_buffer.DrawToDC(dc, 0, 0);
}

} // namespace brisat
