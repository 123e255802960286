#include "framework/windowing/drop_files.h"

#include "framework/windowing/message_queue.h"
#include "framework/windowing/window_handle.h"

#include <deque>

namespace brisat {
namespace {

struct TDrop {
    HDROP Handle = 0;
    std::vector<std::string> Files;
    TPoint Point;
};

// Drops not let go yet. A receiver that never lets go must not make them pile up: past the
// limit the oldest go.
constexpr size_t MaxDrops = 16;

std::deque<TDrop>& Drops() {
    static std::deque<TDrop> drops;
    return drops;
}

HDROP g_nextDrop = 1;

const TDrop* FindDrop(HDROP handle) {
    for (const TDrop& drop : Drops())
        if (drop.Handle == handle) return &drop;
    return nullptr;
}

bool TakesDrops(HWND hwnd) {
    return GetWindowExStyle(hwnd) & WS_EX_ACCEPTFILES;
}

// Whether Hwnd or a window below it takes drops.
bool TreeTakesDrops(HWND hwnd) {
    if (TakesDrops(hwnd)) return true;
    for (const HWND child : GetChildWindows(hwnd))
        if (TreeTakesDrops(child)) return true;
    return false;
}

} // namespace

void DragAcceptFiles(HWND hwnd, bool accept) {
    const uint32_t style = GetWindowExStyle(hwnd);
    SetWindowExStyle(hwnd, accept ? style | WS_EX_ACCEPTFILES : style & ~WS_EX_ACCEPTFILES);
}

void UpdateNativeDropTarget(HWND hwnd) {
    const HWND top = GetTopLevelWindow(hwnd);
    if (IPlatformWindow* native = GetNativeWindow(top)) native->SetAcceptDrops(TreeTakesDrops(top));
}

std::vector<std::string> DragQueryFiles(HDROP drop) {
    const TDrop* found = FindDrop(drop);
    return found ? found->Files : std::vector<std::string>();
}

bool DragQueryPoint(HDROP drop, TPoint& point) {
    const TDrop* found = FindDrop(drop);
    if (found) point = found->Point;
    return found != nullptr;
}

void DragFinish(HDROP drop) {
    std::erase_if(Drops(), [drop](const TDrop& d) { return d.Handle == drop; });
}

bool TranslateDropEvent(const TPlatformEvent& event) {
    if (event.Kind != TPlatformEventKind::Drop) return false;
    const TPoint screen{event.ScreenX, event.ScreenY};
    HWND target = IsWindow(event.Window) ? DescendantFromPoint(event.Window, screen) : 0;
    if (!target && IsWindow(event.Window)) target = event.Window;
    while (target && !TakesDrops(target)) target = GetParent(target);
    if (!target || event.Files.empty()) return true;
    std::deque<TDrop>& drops = Drops();
    if (drops.size() == MaxDrops) drops.pop_front();
    drops.push_back({g_nextDrop++, event.Files, ScreenToClient(target, screen)});
    PostMessage(target, WM_DROPFILES, drops.back().Handle);
    return true;
}

} // namespace brisat
