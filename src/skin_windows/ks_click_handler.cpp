#include "skin_windows/ks_click_handler.h"

#include "framework/controls/application.h"
#include "framework/windowing/message_queue.h"
#include "framework/windowing/window_handle.h"
#include "skin_windows/ks_custom_item.h"

#include <algorithm>

namespace brisat {

TKsClickHandler& TKsClickHandler::Instance() {
    static TKsClickHandler handler;
    return handler;
}

HWND TKsClickHandler::Window() {
    // The window goes with the windows of a finished run; a later run gets a new one.
    if (!m_hwnd || !IsWindow(m_hwnd)) {
        m_pending.clear();
        m_hwnd = AllocateHWnd([this](TMessage& m) {
            if (m.Msg == KM_ITEMCLICK) Receive(m.LParam);
        });
    }
    return m_hwnd;
}

void TKsClickHandler::Post(TKsCustomItem& item) {
    const HWND hwnd = Window();
    m_pending.push_back(&item);
    PostMessage(hwnd, KM_ITEMCLICK, 0, reinterpret_cast<LPARAM>(&item));
}

void TKsClickHandler::Forget(const TKsCustomItem& item) {
    std::erase(m_pending, &item);
}

void TKsClickHandler::Receive(LPARAM value) {
    const auto* wanted = reinterpret_cast<const TKsCustomItem*>(value);
    // Messages queued before the click run first: the menu closes and repaints.
    if (Application) Application->ProcessMessages();
    const auto it = std::find(m_pending.begin(), m_pending.end(), wanted);
    if (it == m_pending.end()) return;
    m_pending.erase(it);
    auto* item = const_cast<TKsCustomItem*>(wanted);
    try {
        item->ExecuteClick();
    } catch (const std::exception&) {
        if (!Application) throw;
        Application->HandleException(*item);
    }
}

} // namespace brisat
