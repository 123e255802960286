// Menu tests of the skin engine's menus: the framework's scripted menu fixture, with items of the
// skinned kind and the open popup windows of that kind.
#pragma once

#include "framework/menu_fixture.h"
#include "skin_windows/ks_custom_popup_menu.h"
#include "skin_windows/ks_popup_window.h"
#include "skin_windows/se_skin_item.h"

namespace brisat {

class KsMenuTest : public MenuTest {
protected:
    // A skinned item under Parent that logs its caption and the popups open when it is clicked.
    TSeSkinItem& AddKsItem(TMenuItem& parent, const std::string& caption, TShortCut shortCut = 0) {
        auto& item = CreateOwned<TSeSkinItem>(*form);
        item.SetCaption(caption);
        item.SetShortCut(shortCut);
        item.OnClick = [this](TComponent& sender) {
            clicks.push_back(StripHotkey(static_cast<TMenuItem&>(sender).Caption()));
            menusOpenAtClick = int(OpenPopups().size());
        };
        parent.Add(item);
        return item;
    }

    // The visible popup windows, in the order of the top-level windows.
    std::vector<TKsPopupWindow*> OpenPopups() const {
        std::vector<TKsPopupWindow*> popups;
        for (HWND top : GetTopLevelWindows())
            if (auto* w = dynamic_cast<TKsPopupWindow*>(FindControl(top));
                w && IsWindowVisible(top))
                popups.push_back(w);
        return popups;
    }
    // The open popup listing Parent's items, or nullptr.
    TKsPopupWindow* PopupOf(const TMenuItem& parent) const {
        for (TKsPopupWindow* w : OpenPopups())
            if (&w->ParentItem() == &parent) return w;
        return nullptr;
    }
};

} // namespace brisat
