// A shown form for menu tests, with input scripted step by step: each time a loop (a menu's
// tracking loop included) finds nothing to do, the next step runs and may inject input. A loop
// that waits when no step is left fails the test with an exception instead of hanging.
#pragma once

#include "framework/controls/form.h"
#include "framework/controls/menu.h"
#include "framework/controls/menu_window.h"
#include "headless_fixture.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace brisat {

class MenuTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        form = &App->CreateForm<TForm>();
        form->SetBounds(100, 100, 300, 200);
        form->Show();
        Pump();
        Host->OnIdleWait = [this](int32_t) {
            if (steps.empty()) return;
            const std::function<void()> step = std::move(steps.front());
            steps.pop_front();
            step();
        };
    }

    void Then(std::function<void()> step) { steps.push_back(std::move(step)); }
    void ThenKeys(std::initializer_list<uint32_t> keys) {
        Then([this, list = std::vector<uint32_t>(keys)] {
            for (uint32_t key : list)
                Host->TypeKey(form->Handle(), key);
        });
    }

    // An item (of kind T) under Parent that logs its caption, and the menus open, when clicked.
    template <class T = TMenuItem>
    T& AddItem(TMenuItem& parent, const std::string& caption, TShortCut shortCut = 0) {
        auto& item = CreateOwned<T>(*form);
        item.SetCaption(caption);
        item.SetShortCut(shortCut);
        item.OnClick = [this](TComponent& sender) {
            clicks.push_back(StripHotkey(static_cast<TMenuItem&>(sender).Caption()));
            menusOpenAtClick = OpenMenuCount();
        };
        parent.Add(item);
        return item;
    }

    virtual int OpenMenuCount() const { return int(OpenMenus().size()); }

    // The visible menu windows, innermost first.
    std::vector<TMenuWindow*> OpenMenus() const {
        std::vector<TMenuWindow*> menus;
        for (HWND top : GetTopLevelWindows())
            if (auto* w = dynamic_cast<TMenuWindow*>(FindControl(top)); w && IsWindowVisible(top))
                menus.push_back(w);
        return menus;
    }

    // Mouse input at the centre of item Index of an open menu window, in screen coordinates
    // turned into the window's own.
    TPoint ItemCentre(const IMenuView& view, int index) const {
        const TRect r = view.ItemScreenRect(index);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void MoveTo(HWND window, TPoint screen) {
        const TRect w = GetWindowRect(window);
        Host->MouseMove(window, screen.X - w.Left, screen.Y - w.Top);
    }
    void ClickAt(HWND window, TPoint screen) {
        const TRect w = GetWindowRect(window);
        Host->MouseMove(window, screen.X - w.Left, screen.Y - w.Top);
        Host->Click(window, screen.X - w.Left, screen.Y - w.Top);
    }

    TForm* form = nullptr;
    std::deque<std::function<void()>> steps;
    std::vector<std::string> clicks;
    int menusOpenAtClick = -1;
};

} // namespace brisat
