// TKsClickHandler: delivers the clicks of skinned menu items. An item's click is posted to a
// hidden window (message 2234) and runs there once the messages queued before it have run, so
// the menu that chose it has closed and repainted what it covered. An item destroyed before its
// click arrives is forgotten. GUI thread only.
#pragma once

#include "framework/windowing/messages.h"

#include <vector>

namespace brisat {

class TKsCustomItem;

// The message carrying a click; the second parameter names the item.
inline constexpr UINT KM_ITEMCLICK = 2234;

class TKsClickHandler {
public:
    // The one handler of the process, its window made on first use.
    static TKsClickHandler& Instance();

    // Queues Item's click.
    void Post(TKsCustomItem& item);
    // Drops the clicks still queued for Item (it is going away).
    void Forget(const TKsCustomItem& item);

private:
    TKsClickHandler() = default;
    HWND Window();
    void Receive(LPARAM item);

    HWND m_hwnd = 0;
    std::vector<const TKsCustomItem*> m_pending;
};

} // namespace brisat
