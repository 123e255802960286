// Window-procedure hooks on the framework's subclass chains. Several components may hook the same
// window control: one TControlHook per control holds them in order, and its subclass procedure
// offers every message to the hooks, the most recently added first, until one marks it handled;
// an unhandled message (and always the destroy message) then reaches the window's own procedure,
// and afterwards every hook's after-callback runs. Errors raised by a callback go to the
// application's error handler and do not stop the loop. A hook may remove itself (or others)
// from inside a callback. When the window is destroyed the subclass is removed and the control
// is hooked again once its window exists anew. GUI thread only.
#pragma once

#include "framework/core/component.h"
#include "framework/windowing/messages.h"

#include <functional>
#include <memory>
#include <vector>

namespace brisat {

class TControlHook;
class TKsHook;
class TWinControl;

// Posted to the hook list's hidden window, WParam a control hook: hook its window again.
inline constexpr UINT KM_REHOOK = 45278; // 0xB0DE
// Posted likewise: free the control hook when no hook uses it any more.
inline constexpr UINT KM_FREEHOOK = 45279; // 0xB0DF

// The process-wide list of control hooks, created on first use and kept until the process ends.
class THookList {
public:
    static THookList& Instance();
    ~THookList();
    THookList(const THookList&) = delete;
    THookList& operator=(const THookList&) = delete;

    // The control hook of Control, made when there is none yet.
    TControlHook& HookFor(TWinControl& control);
    TControlHook* Find(const TWinControl& control) const;
    // Whether Hook is still one of the list's control hooks (posted messages carry pointers).
    bool Contains(const TControlHook* hook) const;
    // Queues KM_REHOOK or KM_FREEHOOK for Hook.
    void Post(UINT msg, TControlHook& hook);
    // Handles what is queued for the hidden window now (tests, shutdown).
    void HandleMessage(TMessage& message);
    size_t Count() const { return m_hooks.size(); }

private:
    THookList() = default;
    HWND Window();
    void Free(TControlHook* hook);

    std::vector<std::unique_ptr<TControlHook>> m_hooks;
    HWND m_window = 0;
};

// The hooks of one window control, in the order they were added.
class TControlHook {
public:
    explicit TControlHook(TWinControl& control);
    ~TControlHook();
    TControlHook(const TControlHook&) = delete;
    TControlHook& operator=(const TControlHook&) = delete;

    // Nullptr once the last hook left (the control hook waits to be freed).
    TWinControl* Control() const { return m_control; }
    const std::vector<TKsHook*>& Hooks() const { return m_hooks; }
    bool Empty() const { return m_hooks.empty(); }
    bool Destroying() const { return m_destroying; }
    // The window the subclass procedure sits on, 0 while none.
    HWND HookedWindow() const { return m_window; }

    void Add(TKsHook& hook);
    // Removing the last hook takes the subclass off and lets go of the control.
    void Remove(TKsHook& hook);
    // Makes sure the control's window exists and carries the subclass procedure.
    void Install();
    // Puts the subclass on the control's window when it exists (after a re-creation).
    void Rehook();

private:
    LRESULT Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // The hooks still in the list out of a snapshot (some may have left meanwhile).
    bool StillHooked(const TKsHook* hook) const;
    void Uninstall();

    TWinControl* m_control;
    std::vector<TKsHook*> m_hooks;
    HWND m_window = 0;
    bool m_destroying = false;
};

// One hook on a window control's messages.
class TKsHook : public TComponent {
public:
    // Sets Handled to keep the message from the hooks added before and the window procedure.
    using TBeforeMessage = std::function<void(TMessage& message, bool& handled)>;
    using TAfterMessage = std::function<void(TMessage& message)>;

    explicit TKsHook(TComponent* owner);
    ~TKsHook() override;
    std::string ClassName() const override { return "TKsHook"; }

    bool Active() const { return m_active; }
    void SetActive(bool value);
    TWinControl* Control() const { return m_control; }
    // Moves the hook to another control (nullptr: none).
    void SetControl(TWinControl* control);
    TControlHook* ControlHook() const { return m_controlHook; }

    TBeforeMessage OnBeforeMessage;
    TAfterMessage OnAfterMessage;

protected:
    void Notification(TComponent& component, TOperation operation) override;

private:
    void Attach();
    void Detach();

    bool m_active = true;
    TWinControl* m_control = nullptr;
    TControlHook* m_controlHook = nullptr;
};

// A component that hooks its owner window control: messages go to MessageHandler first; what it
// handles never reaches the window's procedure. AfterMessage sees every message afterwards.
class TKsHookComponent : public TComponent {
public:
    explicit TKsHookComponent(TComponent* owner);
    ~TKsHookComponent() override;
    std::string ClassName() const override { return "TKsHookComponent"; }

    bool Active() const { return m_active; }
    virtual void SetActive(bool value);
    // The hooked window control: the owner when it is one.
    TWinControl* Control() const { return m_control; }
    TKsHook& Hook() { return *m_hook; }
    // The hook is the component's own machinery, never written into a layout.
    void GetChildren(const std::function<void(TComponent&)>&) const override {}

protected:
    // Handles a message by number; the default marks it unhandled. Overrides call the base for
    // messages they leave alone.
    virtual void MessageHandler(TMessage& message);
    virtual void AfterMessage(TMessage& message);
    // Within MessageHandler: the window's own procedure for Message, whose Result it sets; the
    // message counts as handled.
    void CallPrevious(TMessage& message);
    void SetHandled(bool value) { m_handled = value; }
    bool Handled() const { return m_handled; }
    // Turns the hook on when Active; runs after loading and when Active changes.
    virtual void UpdateHook();
    // The component was given its owner after construction (layouts create components first):
    // the hook follows the new owner window.
    virtual void OwnerAssigned();
    void Notification(TComponent& component, TOperation operation) override;

private:
    TKsHook* m_hook = nullptr;
    TWinControl* m_control = nullptr;
    bool m_active = false;
    bool m_handled = false;
};

} // namespace brisat
