// Files and addresses dragged onto the program's windows from a file manager or a browser: the
// receiving side of the XDND protocol (version 5) for text/uri-list. SDL would answer XDND itself,
// but without the drop point and without the addresses that are no local files, so each window
// that takes drops names a proxy window of ours (XdndProxy) on an X connection of our own: the
// drag sources talk to the proxy, and SDL never sees the conversation. A drop the source
// completes arrives as a Drop event (Files, the screen point, and the point in the window).
//
// Threads: Accept and the destructor on the GUI thread; the X connection lives on a thread of
// the target's own, and Post is called there.
#pragma once

#include "platform/gio_thread.h"
#include "platform/platform.h"

#include <functional>
#include <map>
#include <memory>

union _XEvent;

namespace brisat {

class TX11DropTarget {
public:
    using TPost = std::function<void(const TPlatformEvent& event)>;

    explicit TX11DropTarget(TPost post);
    ~TX11DropTarget();
    TX11DropTarget(const TX11DropTarget&) = delete;
    TX11DropTarget& operator=(const TX11DropTarget&) = delete;

    // Drops on X window XWindow (the platform window Id) arrive from now on (Take), or no more.
    // The window's own requests must have reached the server first (XSync on its connection).
    void Accept(uint32_t id, unsigned long xWindow, bool take);
    // Waits until what was asked so far was done.
    void Flush() { m_thread.Flush(); }

private:
    struct TX11;
    struct TDrag;
    static gboolean OnReadable(gint, GIOCondition, gpointer self);
    void Open();
    void Close();
    void Take(uint32_t id, unsigned long xWindow);
    void Release(unsigned long xWindow);
    void ReadEvents();
    void Enter(const _XEvent& event);
    void Position(const _XEvent& event);
    void Drop(const _XEvent& event);
    void Converted(unsigned long property);
    void Finish(bool accepted);

    TPost m_post;
    // Used on the thread only.
    std::unique_ptr<TX11> m_x;
    std::unique_ptr<TDrag> m_drag;
    std::map<unsigned long, std::pair<uint32_t, unsigned long>> m_windows; // X window: id, proxy
    GSource* m_source = nullptr;
    TGioThread m_thread; // last: its thread ends before the members it uses go
};

} // namespace brisat
