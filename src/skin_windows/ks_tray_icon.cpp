#include "skin_windows/ks_tray_icon.h"

#include "framework/controls/application.h"
#include "framework/controls/control.h"
#include "framework/windowing/notify_icon.h"
#include "framework/windowing/window_handle.h"
#include "platform/tray_icon.h"
#include "skin/bitmap/bitmap.h"
#include "skin/objects/skinned_form_interface.h"
#include "skin_windows/ks_custom_form.h"

namespace brisat {
namespace {

// Each form has an auxiliary window of its own, so one icon id per window is enough.
constexpr UINT IconId = 1;

// The bitmap's pixels as the tray takes them: the key pixel becomes transparent.
TPixelImage TrayImage(const TKsBitmap& bitmap) {
    TPixelImage image{bitmap.Width(), bitmap.Height(), {}};
    image.Pixels.reserve(size_t(image.Width) * size_t(image.Height));
    for (int32_t y = 0; y < image.Height; ++y) {
        const TKsPixel* row = bitmap.Row(y);
        for (int32_t x = 0; x < image.Width; ++x)
            image.Pixels.push_back(row[x] == ksKeyPixel ? 0 : row[x]);
    }
    return image;
}

// The figure of a plain window (frame, caption strip, body) for a form without a picture.
const TKsBitmap& PlainWindowPicture() {
    static TKsBitmap picture;
    constexpr int32_t size = 22;
    if (picture.Width() == size) return picture;
    picture.SetSize(size, size);
    picture.FillRect({1, 3, size - 1, size - 3}, 0xFF000000);
    picture.FillRect({2, 4, size - 2, size - 4}, ksWhitePixel);
    picture.FillRect({2, 4, size - 2, 8}, ksDarkBluePixel);
    return picture;
}

} // namespace

TKsTrayIcon::TKsTrayIcon(TKsCustomForm& form) : m_form(form) {
    m_window = AllocateHWnd([this](TMessage& m) { WndProc(m); });
}

TKsTrayIcon::~TKsTrayIcon() {
    Delete();
    DeallocateHWnd(m_window);
}

void TKsTrayIcon::SetIcon(const TKsBitmap* icon) {
    m_images.clear();
    if (icon && icon->Width() > 0 && icon->Height() > 0) m_images.push_back(TrayImage(*icon));
    if (m_shown) Notify(NIM_MODIFY, NIF_ICON);
}

void TKsTrayIcon::TakeIcon() {
    const auto* skinned = dynamic_cast<const ISkinnedForm*>(&m_form);
    const TKsBitmap* icon = skinned ? skinned->WindowIcon() : nullptr;
    SetIcon(icon ? icon : &PlainWindowPicture());
}

void TKsTrayIcon::Add() {
    TakeIcon();
    const TWinControl* window = m_form.Control();
    const std::string text = m_form.MinimizeApplication() && Application ? Application->Title()
                             : window                                    ? window->Caption()
                                                                         : std::string();
    m_tip = TrayTip(text);
    if (m_shown) return Notify(NIM_MODIFY, NIF_TIP);
    m_shown = true;
    Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
}

void TKsTrayIcon::Delete() {
    if (!m_shown) return;
    m_shown = false;
    Notify(NIM_DELETE, 0);
}

void TKsTrayIcon::Notify(UINT operation, UINT flags) {
    TNotifyIconData data;
    data.Wnd = m_window;
    data.ID = IconId;
    data.Flags = flags;
    data.CallbackMessage = KM_TRAYCALLBACK;
    data.Icon = m_images;
    data.Tip = m_tip;
    ShellNotifyIcon(operation, data);
}

void TKsTrayIcon::WndProc(TMessage& message) {
    if (message.Msg != KM_TRAYCALLBACK) return;
    switch (message.LParam) {
    case WM_LBUTTONDBLCLK:
        m_form.Restore();
        break;
    case WM_RBUTTONUP:
        m_form.ShowSystemMenu();
        break;
    case NIN_TRAYLOST:
        if (m_form.WindowState() == TKsWindowState::kwsTray) m_form.Restore();
        break;
    default:
        break;
    }
}

} // namespace brisat
