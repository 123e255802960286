// TApplication: the program object: its title and main form, the message loop with the idle
// handler, the default display of exceptions that leave a handler (a message box, and the
// program goes on), minimizing and restoring all forms, and the hint shown after the pointer
// rests on a control. There is one; the global Application points to it while it lives.
// GUI thread only.
#pragma once

#include "framework/controls/form.h"
#include "framework/controls/hint_window.h"
#include "framework/windowing/message_queue.h"

#include <exception>

namespace brisat {

// MessageBox flags and answers.
inline constexpr uint32_t MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_YESNO = 0x4, MB_ICONSTOP = 0x10,
                          MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40;
inline constexpr int IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7;

class TApplication : public TComponent {
public:
    using TIdleEvent = std::function<void(TComponent& sender, bool& done)>;
    using TExceptionEvent = std::function<void(TComponent& sender, const std::exception& e)>;
    using TMessageEvent = std::function<void(TMsg& msg, bool& handled)>;
    using TMessageBoxHandler =
        std::function<int(const std::string& text, const std::string& caption, uint32_t flags)>;

    explicit TApplication(TComponent* owner = nullptr);
    // Destroys the forms, then forgets every queued message and timer.
    ~TApplication() override;

    std::string ClassName() const override { return "TApplication"; }

    // Registers the framework's classes for layouts.
    void Initialize();
    const std::string& Title() const { return m_title; }
    void SetTitle(const std::string& title) { m_title = title; }

    // Creates a form owned by the application and runs its OnCreate; the first becomes the main
    // form.
    template <class T, class... Args> T& CreateForm(Args&&... args) {
        T& form = CreateOwned<T>(*this, std::forward<Args>(args)...);
        FormCreated(form);
        return form;
    }
    TCustomForm* MainForm() const { return m_mainForm; }

    // Shows the main form and handles messages until the application terminates.
    void Run();
    // Handles every message waiting now, without waiting.
    void ProcessMessages();
    // Handles one message; with none waiting runs OnIdle and then sleeps until something
    // arrives.
    void HandleMessage();
    // Handles a message a loop of its own has taken from the queue (not WM_QUIT) as
    // HandleMessage would: OnMessage first, then the hint and the window.
    void HandleTakenMessage(TMsg& msg);
    // Ends Run (and every modal loop) once the messages already queued are handled.
    void Terminate();
    bool Terminated() const { return m_terminated; }

    // Shows the exception being handled (OnException when set, else a message box) and goes on.
    // Call it from a catch block.
    void HandleException(TComponent& sender);
    void ShowException(const std::exception& e);
    // A modal message box with Text and Caption; returns the button pressed (IDOK, ...).
    int MessageBox(const std::string& text, const std::string& caption, uint32_t flags);
    // The dialogs layer draws the message box; whoever assembles the program installs it. Until
    // then the text goes to standard error and the box answers as if closed (Cancel, No or OK).
    void SetMessageBoxHandler(TMessageBoxHandler handler) { m_messageBox = std::move(handler); }

    void Minimize();
    void Restore();
    bool Minimized() const { return m_minimized; }

    bool ShowHint() const { return m_showHint; }
    // Off drops the hint window; on makes one of the hint window class at once.
    void SetShowHint(bool on);
    uint32_t HintPause() const { return m_hintPause; }
    void SetHintPause(uint32_t ms) { m_hintPause = ms; }
    uint32_t HintHidePause() const { return m_hintHidePause; }
    void SetHintHidePause(uint32_t ms) { m_hintHidePause = ms; }
    // Makes the hint windows; replacing it drops the current hint window.
    void SetHintWindowClass(THintWindowClass factory);
    // The hint window while one exists.
    THintWindow* HintWindow() const { return m_hintWindow.get(); }
    // The control under the pointer whose hint is (or is about to be) shown.
    TControl* HintControl() const { return m_hintControl; }
    void CancelHint();

    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;
    TIdleEvent OnIdle;
    TExceptionEvent OnException;
    TMessageEvent OnMessage;

    // Told by controls and forms as they go.
    void ControlDestroyed(TControl& control);
    void FormDestroyed(TCustomForm& form);

private:
    void FormCreated(TCustomForm& form);
    bool ProcessMessage();
    void Dispatch(TMsg& msg);
    void Idle();
    void TrackHint(const TMsg& msg);
    void ShowHintFor(TControl& control);

    std::string m_title;
    TMessageBoxHandler m_messageBox;
    TCustomForm* m_mainForm = nullptr;
    bool m_terminated = false;
    bool m_minimized = false;
    std::vector<HWND> m_minimizedWindows;
    bool m_showHint = true;
    uint32_t m_hintPause = 500;
    uint32_t m_hintHidePause = 2500;
    THintWindowClass m_hintWindowClass;
    std::unique_ptr<THintWindow> m_hintWindow;
    TControl* m_hintControl = nullptr;
    UINT m_hintTimer = 0;
};

extern TApplication* Application;

} // namespace brisat
