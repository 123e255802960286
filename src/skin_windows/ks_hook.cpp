#include "skin_windows/ks_hook.h"

#include "framework/controls/application.h"
#include "framework/controls/win_control.h"
#include "framework/windowing/message_queue.h"
#include "framework/windowing/window_handle.h"

#include <algorithm>
#include <array>
#include <span>

namespace brisat {

namespace {

// Runs a callback; an error goes to the application's error handler (or is dropped without an
// application) and the message loop goes on.
template <class F> void Guarded(TComponent& sender, F&& call) {
    try {
        call();
    } catch (...) {
        if (Application) Application->HandleException(sender);
    }
}

} // namespace

// --- THookList -----------------------------------------------------------------------------

THookList& THookList::Instance() {
    // Lives until the process ends: hooked windows may outlast every static object.
    static THookList* list = new THookList;
    return *list;
}

THookList::~THookList() {
    if (m_window) DeallocateHWnd(m_window);
}

HWND THookList::Window() {
    if (!m_window || !IsWindow(m_window))
        m_window = AllocateHWnd([this](TMessage& message) { HandleMessage(message); });
    return m_window;
}

TControlHook& THookList::HookFor(TWinControl& control) {
    if (TControlHook* hook = Find(control)) return *hook;
    m_hooks.push_back(std::make_unique<TControlHook>(control));
    return *m_hooks.back();
}

TControlHook* THookList::Find(const TWinControl& control) const {
    for (const auto& hook : m_hooks)
        if (hook->Control() == &control) return hook.get();
    return nullptr;
}

bool THookList::Contains(const TControlHook* hook) const {
    return std::any_of(m_hooks.begin(), m_hooks.end(),
                       [hook](const auto& h) { return h.get() == hook; });
}

void THookList::Post(UINT msg, TControlHook& hook) {
    PostMessage(Window(), msg, reinterpret_cast<WPARAM>(&hook), 0);
}

void THookList::HandleMessage(TMessage& message) {
    auto* hook = reinterpret_cast<TControlHook*>(message.WParam);
    if (message.Msg != KM_REHOOK && message.Msg != KM_FREEHOOK) return;
    // The control hook may have been freed since the message was posted.
    if (!Contains(hook)) return;
    if (message.Msg == KM_REHOOK)
        hook->Rehook();
    else if (hook->Empty())
        Free(hook);
}

void THookList::Free(TControlHook* hook) {
    std::erase_if(m_hooks, [hook](const auto& h) { return h.get() == hook; });
}

// --- TControlHook --------------------------------------------------------------------------

TControlHook::TControlHook(TWinControl& control) : m_control(&control) {}

TControlHook::~TControlHook() {
    Uninstall();
}

void TControlHook::Add(TKsHook& hook) {
    if (!m_control) return;
    if (std::find(m_hooks.begin(), m_hooks.end(), &hook) == m_hooks.end()) m_hooks.push_back(&hook);
    Install();
}

void TControlHook::Remove(TKsHook& hook) {
    std::erase(m_hooks, &hook);
    if (!m_hooks.empty()) return;
    // The last hook left: the window gets its own procedure back, and the list frees this
    // control hook once the current message (possibly ours) is done with it.
    Uninstall();
    m_control = nullptr;
    THookList::Instance().Post(KM_FREEHOOK, *this);
}

void TControlHook::Install() {
    if (!m_control || m_control->ComponentState().Contains(TComponentStateFlag::csDestroying))
        return;
    const HWND hwnd = m_control->Handle();
    if (m_window == hwnd && IsWindow(hwnd)) return;
    Uninstall();
    m_window = hwnd;
    SetWindowSubclass(
        hwnd,
        [this](HWND h, UINT msg, WPARAM w, LPARAM l, uintptr_t) {
            return Procedure(h, msg, w, l);
        },
        reinterpret_cast<uintptr_t>(this));
}

void TControlHook::Rehook() {
    m_destroying = false;
    if (m_control && !m_hooks.empty() && m_control->HandleAllocated()) Install();
}

void TControlHook::Uninstall() {
    if (m_window && IsWindow(m_window))
        RemoveWindowSubclass(m_window, reinterpret_cast<uintptr_t>(this));
    m_window = 0;
}

bool TControlHook::StillHooked(const TKsHook* hook) const {
    return std::find(m_hooks.begin(), m_hooks.end(), hook) != m_hooks.end();
}

namespace {

// The hooks, last installed first, as they were when a message came: hooks may come and go from
// inside the callbacks. The usual few are kept on the stack, sparing every message an allocation.
class THookSnapshot {
public:
    explicit THookSnapshot(const std::vector<TKsHook*>& hooks) : m_count(hooks.size()) {
        if (m_count > m_few.size())
            m_many.assign(hooks.rbegin(), hooks.rend());
        else
            std::reverse_copy(hooks.begin(), hooks.end(), m_few.begin());
    }
    std::span<TKsHook* const> Items() const {
        return m_count > m_few.size() ? std::span<TKsHook* const>(m_many)
                                      : std::span<TKsHook* const>(m_few.data(), m_count);
    }

private:
    size_t m_count;
    std::array<TKsHook*, 8> m_few{};
    std::vector<TKsHook*> m_many;
};

} // namespace

LRESULT TControlHook::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_QUIT) return DefSubclassProc(hwnd, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    const THookSnapshot snapshot(m_hooks);
    const std::span<TKsHook* const> hooks = snapshot.Items();
    bool handled = false;
    for (TKsHook* hook : hooks) {
        if (!StillHooked(hook) || !hook->Active() || !hook->OnBeforeMessage) continue;
        Guarded(*hook, [&] { hook->OnBeforeMessage(message, handled); });
        if (handled) break;
    }
    if (msg == WM_DESTROY) m_destroying = true;
    if (!handled || msg == WM_DESTROY) {
        try {
            message.Result = DefSubclassProc(hwnd, msg, wParam, lParam);
        } catch (...) {
            for (TKsHook* hook : hooks)
                if (StillHooked(hook) && hook->Active() && hook->OnAfterMessage)
                    Guarded(*hook, [&] { hook->OnAfterMessage(message); });
            throw;
        }
    }
    for (TKsHook* hook : hooks)
        if (StillHooked(hook) && hook->Active() && hook->OnAfterMessage)
            Guarded(*hook, [&] { hook->OnAfterMessage(message); });
    if (msg == WM_DESTROY && m_window == hwnd) {
        // The window goes: its procedure is its own again, and the control is hooked anew once
        // its window is re-created.
        Uninstall();
        THookList::Instance().Post(KM_REHOOK, *this);
    }
    return message.Result;
}

// --- TKsHook -------------------------------------------------------------------------------

TKsHook::TKsHook(TComponent* owner) : TComponent(owner) {}

TKsHook::~TKsHook() {
    Detach();
}

void TKsHook::SetActive(bool value) {
    if (m_active == value) return;
    m_active = value;
    if (value)
        Attach();
    else
        Detach();
}

void TKsHook::SetControl(TWinControl* control) {
    if (m_control == control) return;
    Detach();
    ChangeReference(m_control, control);
    if (m_active) Attach();
}

void TKsHook::Attach() {
    if (!m_control || m_controlHook) return;
    m_controlHook = &THookList::Instance().HookFor(*m_control);
    m_controlHook->Add(*this);
}

void TKsHook::Detach() {
    if (!m_controlHook) return;
    TControlHook* hook = m_controlHook;
    m_controlHook = nullptr;
    if (THookList::Instance().Contains(hook)) hook->Remove(*this);
}

void TKsHook::Notification(TComponent& component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && &component == m_control) {
        Detach();
        m_control = nullptr;
    }
}

// --- TKsHookComponent ----------------------------------------------------------------------

TKsHookComponent::TKsHookComponent(TComponent* owner) : TComponent(owner) {
    m_control = dynamic_cast<TWinControl*>(owner);
    m_hook = &CreateOwned<TKsHook>(*this);
    m_hook->SetActive(false);
    m_hook->SetControl(m_control);
    m_hook->OnBeforeMessage = [this](TMessage& message, bool& handled) {
        m_handled = true;
        MessageHandler(message);
        handled = m_handled;
    };
    m_hook->OnAfterMessage = [this](TMessage& message) { AfterMessage(message); };
}

void TKsHookComponent::OwnerAssigned() {
    m_control = dynamic_cast<TWinControl*>(Owner());
    m_hook->SetControl(m_control);
}

void TKsHookComponent::Notification(TComponent& component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opInsert && &component == this) OwnerAssigned();
}

TKsHookComponent::~TKsHookComponent() {
    m_hook->SetActive(false);
}

void TKsHookComponent::SetActive(bool value) {
    if (m_active == value) return;
    m_active = value;
    if (!ComponentState().Contains(TComponentStateFlag::csLoading)) UpdateHook();
}

void TKsHookComponent::UpdateHook() {
    m_hook->SetActive(m_active && m_control);
}

void TKsHookComponent::MessageHandler(TMessage&) {
    m_handled = false;
}

void TKsHookComponent::AfterMessage(TMessage&) {}

void TKsHookComponent::CallPrevious(TMessage& message) {
    if (!m_control) return;
    message.Result =
        DefSubclassProc(m_control->Handle(), message.Msg, message.WParam, message.LParam);
}

} // namespace brisat
