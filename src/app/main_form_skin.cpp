// The main window's skin: the "Skin" menu loads its items' files, the creation loads the ticked
// one, and the skinned frame keeps the window's size limits and lets a press on the bare client
// surface move the window.
#include "app/bare_client_drag.h"
#include "app/main_form.h"
#include "app/skin_choice.h"
#include "effects/clock_label.h"
#include "framework/controls/application.h"
#include "framework/controls/menu_item.h"
#include "skin/engine/skin_engine.h"
#include "skin/objects/skin_object.h"
#include "skin_controls/se_skin_panel.h"
#include "skin_windows/ks_hook.h"
#include "skin_windows/se_skin_form.h"

namespace brisat {
namespace {

// The size limits of the main window, frame included.
constexpr TKsSizeConstraints kTrackSizes{507, 486, 1024, 768};

} // namespace

void TfrmMain::BindSkinHandlers() {
    // Each item of the "Skin" menu ticks itself (the layout makes them one radio group) and
    // loads its file at once.
    Methods().Add<TNotifyEvent>("SkinItemClick", [this](TComponent& item) {
        const std::string_view file = SkinFileOf(item.Name());
        if (!file.empty()) LoadSkin(std::string(file));
    });
}

// The layout's skin file waits: the creation loads the chosen one, so a start reads one file.
void TfrmMain::Loaded() {
    TForm::Loaded();
    if (auto* engine = dynamic_cast<TSeSkinEngine*>(FindComponent("SeSkinEngine1")))
        engine->HoldLayoutSkin();
}

void TfrmMain::LoadTickedSkin() {
    std::string file = m_parts.SeSkinEngine1->SkinFile();
    for (size_t i = 0; i < SkinChoices.size(); ++i)
        if (m_parts.SkinItems[i]->Checked()) file = SkinChoices[i].File;
    LoadSkin(file);
}

void TfrmMain::LoadSkin(const std::string& fileName) {
    try {
        m_parts.SeSkinEngine1->SetSkinFile(fileName);
    } catch (const std::exception& e) {
        // The engine has dropped the skin: the windows draw their plain look and the program
        // goes on; the menu keeps the user's choice.
        FollowSkinTextColour();
        if (Application) Application->ShowException(e);
    }
}

void TfrmMain::BringToFront() {
    TSeSkinForm& frame = *m_parts.SeSkinForm1;
    const TKsWindowState state = frame.WindowState();
    if (state == TKsWindowState::kwsMinimized || state == TKsWindowState::kwsTray) frame.Restore();
    if (WindowState() == TWindowState::wsMinimized) SetWindowState(TWindowState::wsNormal);
    Show();
    SetActiveWindow(Handle());
}

// The clock is a plain label on a skinned panel: it writes in the panel's text colour, which the
// skin chose to read on its panel, and in its own colour on the plain panel.
void TfrmMain::FollowSkinTextColour() {
    const TSeSkinPanel& panel = *m_parts.SeSkinPanel1;
    const TSeSkinObject* skin = panel.IsSkinned() ? panel.SkinCopy() : nullptr;
    m_parts.ZeltClock1->Font().SetColor(skin ? skin->GetFont().Color() : m_clockColour);
}

void TfrmMain::SetUpFrame() {
    TSeSkinForm& frame = *m_parts.SeSkinForm1;
    // The frame answers the size queries itself (a rolled-up window is lower than any minimum).
    frame.SetConstraints(kTrackSizes);
    DragByBareClient(*this, frame);
    m_clockColour = m_parts.ZeltClock1->Font().Color();
    m_parts.SeSkinEngine1->OnAfterChange = [this](TComponent&) { FollowSkinTextColour(); };
    auto& hook = CreateOwned<TKsHook>(*this);
    hook.OnAfterMessage = [this](TMessage& m) {
        if (m.Msg == WM_WINDOWPOSCHANGED) FollowFrameState();
    };
    hook.SetControl(this);
    // The main menu's bar hooks the window again, now above the frame, so it keeps its strip
    // between the skinned caption and the client area.
    m_mainMenu = Menu();
    ShowMenuBar(false);
    ShowMenuBar(true);
}

void TfrmMain::FollowFrameState() {
    const TKsWindowState state = m_parts.SeSkinForm1->WindowState();
    const bool clientShown =
        state == TKsWindowState::kwsNormal || state == TKsWindowState::kwsMaximized;
    if (clientShown != (Menu() != nullptr)) ShowMenuBar(clientShown);
}

void TfrmMain::ShowMenuBar(bool shown) {
    const TRect bounds = GetWindowRect(Handle());
    SetMenu(shown ? m_mainMenu : nullptr);
    SetWindowPos(Handle(), 0, 0, 0, bounds.Width(), bounds.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace brisat
