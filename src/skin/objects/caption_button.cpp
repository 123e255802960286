#include "skin/objects/caption_button.h"

#include "skin/bitmap/bitmap.h"
#include "skin/objects/object_looks.h"
#include "skin/objects/skin_object_classes.h"
#include "skin/objects/skinned_form_interface.h"

#include <optional>

namespace brisat {

namespace {

// The platform's small-icon size on this desktop.
constexpr int32_t SmallIconSize = 16;

// The border icon a form must have for the action's button to show.
std::optional<TKsBorderIcon> RequiredIcon(TSeAction action) {
    switch (action) {
    case TSeAction::sbaClose: return TKsBorderIcon::kbiClose;
    case TSeAction::sbaHelp: return TKsBorderIcon::kbiHelp;
    case TSeAction::sbaMinimize: return TKsBorderIcon::kbiMinimize;
    case TSeAction::sbaMaximize:
    case TSeAction::sbaRestore: return TKsBorderIcon::kbiMaximize;
    case TSeAction::sbaRollUp:
    case TSeAction::sbaRollDown: return TKsBorderIcon::kbiRollup;
    case TSeAction::sbaTray: return TKsBorderIcon::kbiTray;
    case TSeAction::sbaSysMenu: return TKsBorderIcon::kbiSystemMenu;
    default: return std::nullopt;
    }
}

// Whether the action's button is hidden in the window state; nullopt for the states that leave
// visibility alone.
std::optional<bool> HiddenInState(TSeAction action, TSeState state) {
    using enum TSeAction;
    auto any = [action](std::initializer_list<TSeAction> actions) {
        for (TSeAction a : actions)
            if (a == action) return true;
        return false;
    };
    switch (state) {
    case ssNormal: return any({sbaRestore, sbaRollDown});
    case ssMaximized: return any({sbaMaximize, sbaRollDown});
    case ssMinimized: return any({sbaMinimize, sbaMaximize, sbaRollUp, sbaRollDown});
    case ssRolledUp: return any({sbaRestore, sbaRollUp});
    default: return std::nullopt;
    }
}

} // namespace

void TSeCaptionButton::MouseEnter(TSeSkinObject& button) {
    State = Shift.Contains(TShiftStateKind::ssLeft) ? TSeButtonState::bsPressed
                                                     : TSeButtonState::bsHot;
    button.Invalidate();
}

void TSeCaptionButton::MouseLeave(TSeSkinObject& button) {
    State = TSeButtonState::bsNormal;
    button.Invalidate();
}

void TSeCaptionButton::MouseDown(TSeSkinObject& button, TMouseButton mouseButton) {
    if (mouseButton != TMouseButton::mbLeft) return;
    State = TSeButtonState::bsPressed;
    button.Invalidate();
}

void TSeCaptionButton::MouseMove(TSeSkinObject& button, TShiftState shift) {
    if (State == TSeButtonState::bsPressed && shift.Contains(TShiftStateKind::ssLeft))
        button.Invalidate();
    Shift = shift;
}

void TSeCaptionButton::MouseUp(TSeSkinObject& button, TMouseButton mouseButton,
                               std::string_view rollPanel) {
    if (mouseButton != TMouseButton::mbLeft || State != TSeButtonState::bsPressed) return;
    State = TSeButtonState::bsHot;
    button.Invalidate();
    Shift = {};
    Run(button, rollPanel);
}

void TSeCaptionButton::DblClick(TSeSkinObject& button, TMouseButton mouseButton) {
    if (mouseButton != TMouseButton::mbLeft || Action != TSeAction::sbaSysMenu) return;
    if (ISkinnedForm* form = button.GetForm()) form->Close();
}

void TSeCaptionButton::ApplyState(TSeSkinObject& button, TSeState state) const {
    if (std::optional<bool> hidden = HiddenInState(Action, state)) button.SetVisible(!*hidden);
    ISkinnedForm* form = button.GetForm();
    if (!form) return;
    if (std::optional<TKsBorderIcon> icon = RequiredIcon(Action); icon && !form->HasBorderIcon(*icon))
        button.SetVisible(false);
}

void TSeCaptionButton::Run(TSeSkinObject& button, std::string_view rollPanel) const {
    if (Action == TSeAction::sbaRollPanel) {
        if (rollPanel.empty()) return;
        if (auto* panel = dynamic_cast<TSeRollPanelObject*>(button.Root().FindObject(rollPanel)))
            panel->Toggle();
        return;
    }
    ISkinnedForm* form = button.GetForm();
    if (!form) return;
    switch (Action) {
    case TSeAction::sbaClose: form->Close(); break;
    case TSeAction::sbaHelp: form->Help(); break;
    case TSeAction::sbaMinimize: form->Minimize(); break;
    case TSeAction::sbaMaximize: form->Maximize(); break;
    case TSeAction::sbaRestore:
    case TSeAction::sbaRollDown: form->Restore(); break;
    case TSeAction::sbaRollUp: form->RollUp(); break;
    case TSeAction::sbaTray: form->HideToTray(); break;
    case TSeAction::sbaSysMenu: form->OpenSystemMenu(); break;
    case TSeAction::sbaCustom: form->CustomAction(button); break;
    default: break;
    }
}

void TSeCaptionButton::DrawWindowIcon(TSeSkinObject& button, TKsBitmap& target) {
    ISkinnedForm* form = button.GetForm();
    const TKsBitmap* icon = form ? form->WindowIcon() : nullptr;
    if (!icon || icon->Empty()) return;
    icon->StretchDraw(target, Bounds(button.Left(), button.Top(), SmallIconSize, SmallIconSize),
                      icon->BoundsRect());
}

// --- TSeSystemButton ---------------------------------------------------------------------------------

TSeSystemButton::TSeSystemButton(TComponent* owner) : TSeActiveBitmap(owner) {
    SetKind(TSeKind::skSysButton);
}

void TSeSystemButton::Assign(const TPersistent& source) {
    TSeActiveBitmap::Assign(source);
    if (const auto* src = dynamic_cast<const TSeSystemButton*>(&source)) {
        m_button.Action = src->m_button.Action;
        m_bitmapHot.Assign(src->m_bitmapHot);
        m_bitmapPressed.Assign(src->m_bitmapPressed);
    }
}

void TSeSystemButton::SetState(TSeState state) {
    TSeActiveBitmap::SetState(state);
    m_button.ApplyState(*this, state);
}

const TKsBitmapLink& TSeSystemButton::CurrentLink() const {
    return m_drawLink ? *m_drawLink : TSeActiveBitmap::CurrentLink();
}

void TSeSystemButton::EnumLinks(const std::function<void(TKsBitmapLink&)>& proc) {
    TSeActiveBitmap::EnumLinks(proc);
    proc(m_bitmapHot);
    proc(m_bitmapPressed);
}

void TSeSystemButton::SetChildrenState(TSeState state) {
    for (TSeSkinObject* child : Children())
        child->SetState(state);
}

void TSeSystemButton::Draw(TKsBitmap& target) {
    if (m_button.Action == TSeAction::sbaSysMenu) {
        if (Visible()) TSeCaptionButton::DrawWindowIcon(*this, target);
        return;
    }
    if (!WindowActive()) {
        SetChildrenState(ssDisabled);
        TSeActiveBitmap::Draw(target);
        SetChildrenState(ssNormal);
        return;
    }
    switch (m_button.State) {
    case TSeButtonState::bsNormal: TSeActiveBitmap::Draw(target); break;
    case TSeButtonState::bsHot: DrawActive(target, m_bitmapHot, ssHot); break;
    case TSeButtonState::bsPressed: DrawActive(target, m_bitmapPressed, ssPressed); break;
    }
}

// The hot or pressed look: the tree drawn as if inactive, with Link when valid and the children
// in ChildState; afterwards the tree is active again and the children normal.
void TSeSystemButton::DrawActive(TKsBitmap& target, const TKsBitmapLink& link,
                                 TSeState childState) {
    m_drawLink = link.Valid() ? &link : nullptr;
    SetActive(false);
    SetChildrenState(childState);
    TSeActiveBitmap::Draw(target);
    m_drawLink = nullptr;
    SetActive(true);
    SetChildrenState(ssNormal);
}

// --- TSeSysButtonSkinObject --------------------------------------------------------------------------

TSeSysButtonSkinObject::TSeSysButtonSkinObject(TComponent* owner) : TSeBitmapSkinObject(owner) {
    SetKind(TSeKind::skSysButton);
}

void TSeSysButtonSkinObject::Assign(const TPersistent& source) {
    TSeBitmapSkinObject::Assign(source);
    if (const auto* src = dynamic_cast<const TSeSysButtonSkinObject*>(&source)) {
        m_button.Action = src->m_button.Action;
        m_bitmapHover.Assign(src->m_bitmapHover);
        m_bitmapDown.Assign(src->m_bitmapDown);
        m_rollPanel = src->m_rollPanel;
    }
}

void TSeSysButtonSkinObject::SetState(TSeState state) {
    TSeBitmapSkinObject::SetState(state);
    m_button.ApplyState(*this, state);
}

const TKsBitmapLink& TSeSysButtonSkinObject::CurrentLink() const {
    switch (m_button.State) {
    case TSeButtonState::bsHot: return ValidOr(m_bitmapHover, Bitmap());
    case TSeButtonState::bsPressed: return ValidOr(m_bitmapDown, Bitmap());
    default: return Bitmap();
    }
}

void TSeSysButtonSkinObject::EnumLinks(const std::function<void(TKsBitmapLink&)>& proc) {
    TSeBitmapSkinObject::EnumLinks(proc);
    proc(m_bitmapHover);
    proc(m_bitmapDown);
}

void TSeSysButtonSkinObject::Draw(TKsBitmap& target) {
    if (m_button.Action == TSeAction::sbaSysMenu) {
        if (Visible()) TSeCaptionButton::DrawWindowIcon(*this, target);
        return;
    }
    TSeBitmapSkinObject::Draw(target);
}

} // namespace brisat
