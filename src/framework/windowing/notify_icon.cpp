#include "framework/windowing/notify_icon.h"

#include "framework/windowing/message_queue.h"
#include "framework/windowing/window_handle.h"
#include "platform/tray_icon.h"

#include <map>
#include <memory>

namespace brisat {
namespace {

struct TIconRecord {
    uint32_t PlatformId = 0;
    UINT CallbackMessage = 0;
    std::vector<TPixelImage> Icon;
    std::string Tip;
    std::unique_ptr<ITrayIcon> Platform;
};

using TKey = std::pair<HWND, UINT>;

std::map<TKey, TIconRecord>& Icons() {
    static std::map<TKey, TIconRecord> icons;
    return icons;
}

uint32_t g_nextPlatformId = 1;

void Take(TIconRecord& record, const TNotifyIconData& data) {
    if (data.Flags & NIF_MESSAGE) record.CallbackMessage = data.CallbackMessage;
    if (data.Flags & NIF_ICON) record.Icon = data.Icon;
    if (data.Flags & NIF_TIP) record.Tip = TrayTip(data.Tip);
}

LPARAM CallbackCode(TPlatformEventKind kind) {
    switch (kind) {
    case TPlatformEventKind::TrayActivate:
        return WM_LBUTTONDBLCLK;
    case TPlatformEventKind::TrayContextMenu:
        return WM_RBUTTONUP;
    default:
        return NIN_TRAYLOST;
    }
}

} // namespace

bool ShellNotifyIcon(UINT message, const TNotifyIconData& data) {
    auto& icons = Icons();
    const TKey key{data.Wnd, data.ID};
    const auto it = icons.find(key);
    switch (message) {
    case NIM_ADD: {
        if (it != icons.end() || !IsWindow(data.Wnd)) return false;
        TIconRecord& record = icons[key];
        record.PlatformId = g_nextPlatformId++;
        Take(record, data);
        record.Platform = Platform().CreateTrayIcon(record.PlatformId);
        record.Platform->Show(record.Icon, record.Tip);
        return true;
    }
    case NIM_MODIFY:
        if (it == icons.end()) return false;
        Take(it->second, data);
        it->second.Platform->Show(it->second.Icon, it->second.Tip);
        return true;
    case NIM_DELETE:
        if (it == icons.end()) return false;
        icons.erase(it);
        return true;
    default:
        return false;
    }
}

bool TranslateTrayEvent(const TPlatformEvent& event) {
    if (event.Kind != TPlatformEventKind::TrayActivate &&
        event.Kind != TPlatformEventKind::TrayContextMenu &&
        event.Kind != TPlatformEventKind::TrayLost)
        return false;
    for (const auto& [key, record] : Icons())
        if (record.PlatformId == event.Window) {
            if (record.CallbackMessage)
                PostMessage(key.first, record.CallbackMessage, key.second,
                            CallbackCode(event.Kind));
            break;
        }
    return true;
}

} // namespace brisat
