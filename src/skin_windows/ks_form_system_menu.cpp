// The form side of the system menu: its item sets, opening it where it belongs, and running the
// command of the chosen item.
#include "skin_windows/ks_form_system_menu.h"

#include "framework/controls/short_cut.h"
#include "framework/windowing/window_handle.h"
#include "platform/platform.h"
#include "skin_windows/ks_custom_item.h"
#include "skin_windows/ks_custom_popup_menu.h"
#include "skin_windows/ks_form_runtime.h"
#include "skin_windows/ks_system_glyphs.h"

namespace brisat {

namespace {

using S = TKsWindowState;
using I = TKsBorderIcon;

struct TCommandText {
    TKsSystemCommand Command;
    const char* Caption;
    TKsSystemGlyph Glyph;
};

constexpr TCommandText kCommands[] = {
    {TKsSystemCommand::Restore, "&Restore", TKsSystemGlyph::Restore},
    {TKsSystemCommand::Minimize, "Mi&nimize", TKsSystemGlyph::Minimize},
    {TKsSystemCommand::Maximize, "Ma&ximize", TKsSystemGlyph::Maximize},
    {TKsSystemCommand::RollUp, "Ro&llup", TKsSystemGlyph::Rollup},
    {TKsSystemCommand::Tray, "Minimize to &Tray", TKsSystemGlyph::Tray},
    {TKsSystemCommand::Close, "&Close", TKsSystemGlyph::Close},
};

bool Offered(TKsSystemCommand command, S state, TKsBorderIcons icons) {
    const bool normal = state == S::kwsNormal, max = state == S::kwsMaximized,
               rolled = state == S::kwsRollup;
    switch (command) {
    case TKsSystemCommand::Restore:
        return !normal;
    case TKsSystemCommand::Minimize:
        return icons.Contains(I::kbiMinimize) && (normal || max || rolled);
    case TKsSystemCommand::Maximize:
        return icons.Contains(I::kbiMaximize) && (normal || rolled);
    case TKsSystemCommand::RollUp:
        return icons.Contains(I::kbiRollup) && (normal || max);
    case TKsSystemCommand::Tray:
        return icons.Contains(I::kbiTray) && (normal || max || rolled);
    case TKsSystemCommand::Close:
        return icons.Contains(I::kbiClose);
    }
    return false;
}

// The system menu's popup: its root item comes from the form, so a skinned form's menu takes
// the skin's look.
class TKsSystemPopupMenu : public TKsCustomPopupMenu {
public:
    TKsSystemPopupMenu(TComponent* owner, std::unique_ptr<TKsCustomItem> root)
        : TKsCustomPopupMenu(owner, std::move(root)) {}
};

} // namespace

std::vector<TKsSystemMenuEntry> SystemMenuEntries(TKsWindowState state, TKsBorderIcons icons) {
    std::vector<TKsSystemMenuEntry> entries;
    for (const TCommandText& c : kCommands) {
        if (!Offered(c.Command, state, icons)) continue;
        const bool close = c.Command == TKsSystemCommand::Close;
        if (close && !entries.empty()) entries.push_back({"-", -1, {}});
        entries.push_back({c.Caption, int32_t(c.Glyph), close ? "Alt+F4" : ""});
    }
    return entries;
}

std::optional<TKsSystemCommand> SystemCommandOf(std::string_view caption) {
    for (const TCommandText& c : kCommands)
        if (caption == c.Caption) return c.Command;
    return std::nullopt;
}

TKsCustomItem* TKsCustomForm::CreateMenuItem(TComponent* owner) {
    return owner ? &CreateOwned<TKsCustomItem>(*owner) : new TKsCustomItem(nullptr);
}

void TKsCustomForm::ShowSystemMenu() {
    if (!Control()) return;
    TPoint at = ClientToScreen(Hwnd(), {0, 0});
    if (m_windowState == TKsWindowState::kwsTray)
        at = {Platform().CursorX(), Platform().CursorY()};
    else if (m_rt->MenuPoint)
        at = *m_rt->MenuPoint;
    m_rt->MenuPoint.reset();
    if (m_windowState == TKsWindowState::kwsTray && m_trayMenu) {
        m_trayMenu->Popup(at.X, at.Y);
        return;
    }
    // The previous menu's items go now (a click of theirs still queued is dropped with them).
    m_rt->SystemMenu.reset();
    m_rt->SystemMenu = std::make_unique<TKsSystemPopupMenu>(
        nullptr, std::unique_ptr<TKsCustomItem>(CreateMenuItem(nullptr)));
    TKsCustomPopupMenu& menu = *m_rt->SystemMenu;
    menu.SetImages(&SystemGlyphs());
    for (const TKsSystemMenuEntry& entry : SystemMenuEntries(m_windowState, m_borderIcons)) {
        TKsCustomItem* item = CreateMenuItem(&menu);
        item->SetCaption(entry.Caption);
        item->SetImageIndex(entry.ImageIndex);
        if (!entry.ShortCut.empty()) item->SetShortCut(TextToShortCut(entry.ShortCut));
        item->OnClick = [this](TComponent& sender) {
            SystemMenuClick(static_cast<TMenuItem&>(sender).Caption());
        };
        menu.Items().Add(*item);
    }
    menu.SetPopupBlend(m_sysMenuBlend);
    menu.SetPopupBlendValue(m_sysMenuBlendValue);
    menu.SetDropShadow(m_sysMenuDropShadow);
    menu.SetShadowWidth(m_sysMenuShadowWidth);
    menu.SetShowAnimation(m_sysMenuShowAnimation);
    menu.SetShowAnimationTime(m_sysMenuShowAnimationTime);
    menu.Popup(at.X, at.Y);
}

void TKsCustomForm::SystemMenuClick(const std::string& caption) {
    const std::optional<TKsSystemCommand> command = SystemCommandOf(caption);
    if (!command) return;
    switch (*command) {
    case TKsSystemCommand::Close:
        return Close();
    case TKsSystemCommand::Maximize:
        return Maximize();
    case TKsSystemCommand::Minimize:
        return Minimize();
    case TKsSystemCommand::RollUp:
        return RollUp();
    case TKsSystemCommand::Tray:
        return MinimizeToTray();
    case TKsSystemCommand::Restore:
        return Restore();
    }
}

} // namespace brisat
