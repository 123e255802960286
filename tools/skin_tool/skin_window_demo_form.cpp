#include "skin_window_demo_form.h"

#include "framework/controls/menu_tracking.h"
#include "framework/controls/timer.h"
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap/checked_math.h"
#include "skin/engine/skin_engine.h"
#include "skin/objects/skin_object.h"
#include "skin_controls/se_skin_button.h"
#include "skin_controls/se_skin_edit.h"
#include "skin_controls/se_skin_track_bar.h"
#include "skin_windows/ks_custom_popup_menu.h"
#include "skin_windows/ks_popup_window.h"
#include "skin_windows/se_skin_form.h"
#include "skin_windows/se_skin_item.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace brisat {
namespace {

void Report(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string Numbers(const TRect& r) {
    return std::to_string(r.Left) + " " + std::to_string(r.Top) + " " +
           std::to_string(RectWidth(r)) + " " + std::to_string(RectHeight(r));
}

void ReportPlace(const std::string& name, const TRect& r) {
    if (!IsRectEmpty(r)) Report("at " + name + " " + Numbers(r));
}

// The skinned form, telling the window after each message it saw.
class TReportingSkinForm : public TSeSkinForm {
public:
    using TSeSkinForm::TSeSkinForm;
    void AfterMessage(TMessage& message) override {
        TSeSkinForm::AfterMessage(message);
        if (OnAfterMessage) OnAfterMessage();
    }
    std::function<void()> OnAfterMessage;
};

// The built-in caption buttons under the names the shipped skins give theirs.
constexpr std::array<std::pair<TKsBorderIcon, const char*>, 7> PlainButtons{{
    {TKsBorderIcon::kbiClose, "Close"},
    {TKsBorderIcon::kbiMaximize, "Maximize"},
    {TKsBorderIcon::kbiMinimize, "Minimize"},
    {TKsBorderIcon::kbiRollup, "RollUp"},
    {TKsBorderIcon::kbiTray, "Tray"},
    {TKsBorderIcon::kbiHelp, "Help"},
    {TKsBorderIcon::kbiSystemMenu, "SysMenu"},
}};

void ReportSkinButtons(TSeSkinObject& object) {
    for (TSeSkinObject* child : object.Children()) {
        if (!child->Visible()) continue;
        if (child->Kind() == TSeKind::skSysButton) ReportPlace(child->Name(), child->BoundsRect());
        ReportSkinButtons(*child);
    }
}

// "pixel X Y RRGGBB" for the middle of the first object of each frame kind, as the skin draws
// the active frame: where a script looks to see the skin on the screen.
void ReportFramePixels(TSeSkinObject& object) {
    TKsBitmap frame;
    frame.SetSize(object.Width(), object.Height());
    object.SetActive(true);
    object.Draw(frame);
    for (TSeKind kind : {TSeKind::skCaption, TSeKind::skLeft, TSeKind::skRight, TSeKind::skBottom,
                         TSeKind::skBottomLeft}) {
        const TSeSkinObject* part = object.FindObjectByKind(kind);
        if (!part || part->Width() <= 0 || part->Height() <= 0) continue;
        const int32_t x = part->Left() + part->Width() / 2, y = part->Top() + part->Height() / 2;
        char rgb[8];
        std::snprintf(rgb, sizeof rgb, "%06X", unsigned(frame.Pixels(x, y) & 0xFFFFFF));
        Report("pixel " + std::to_string(x) + " " + std::to_string(y) + " " + rgb);
    }
}

} // namespace

TSkinWindowDemoForm::TSkinWindowDemoForm(TComponent* owner, const std::string& skinFile)
    : TForm(owner) {
    SetCaption("Brisat skin window");
    SetBounds(120, 100, 420, 300);
    m_engine = &CreateOwned<TSeSkinEngine>(*this);
    if (!skinFile.empty()) m_engine->SetSkinFile(skinFile);
    auto& frame = CreateOwned<TReportingSkinForm>(*this);
    frame.OnAfterMessage = [this] { ReportChanges(); };
    m_frame = &frame;
    m_frame->SetSkinEngine(m_engine);
    BuildControls();
    m_popupWatch = &CreateOwned<TTimer>(*this);
    m_popupWatch->SetEnabled(false);
    m_popupWatch->SetInterval(50);
    m_popupWatch->OnTimer = [this](TComponent&) { ReportPopups(); };
    m_menu = &BuildMenu(false);
    m_translucentMenu = &BuildMenu(true);
    OnMouseUp = [this](TControl&, TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
        if (button != TMouseButton::mbRight) return;
        const TPoint at = ClientToScreen({x, y});
        (shift.Contains(TShiftStateKind::ssCtrl) ? m_translucentMenu : m_menu)->Popup(at.X, at.Y);
    };
}

TSeSkinPopupMenu& TSkinWindowDemoForm::BuildMenu(bool translucent) {
    auto& menu = CreateOwned<TSeSkinPopupMenu>(*this);
    menu.SetSkinEngine(m_engine);
    // Each opening is reported, even at the place of one that closed before the watch looked.
    menu.OnPopup = [this](TComponent&) {
        m_reportedPopups.clear();
        m_popupWatch->SetEnabled(true);
    };
    if (translucent) {
        menu.SetPopupBlend(true);
        menu.SetPopupBlendValue(150);
    }
    auto add = [this](TMenuItem& parent, const char* caption) -> TSeSkinItem& {
        auto& item = CreateOwned<TSeSkinItem>(*this);
        item.SetCaption(caption);
        item.OnClick = [&item](TComponent&) {
            std::string caption = item.Caption();
            std::erase(caption, '&');
            Report("click " + caption);
        };
        parent.Add(item);
        return item;
    };
    TMenuItem& root = menu.Items();
    for (const char* caption : {"&Open", "&Save", "-", "&Play", "P&ause", "&Stop"})
        add(root, caption);
    TSeSkinItem& recent = add(root, "&Recent");
    for (const char* caption : {"&First", "S&econd", "&Third"})
        add(recent, caption);
    add(root, "&Quit");
    return menu;
}

TSkinWindowDemoForm::~TSkinWindowDemoForm() {
    // The frame outlives the window's own part: it must not report into it.
    static_cast<TReportingSkinForm*>(m_frame)->OnAfterMessage = nullptr;
}

void TSkinWindowDemoForm::BuildControls() {
    auto& button = CreateOwned<TSeSkinButton>(*this);
    button.SetBoundsRect(Bounds(12, 12, 100, 26));
    button.SetCaption("Button");
    button.SetParent(this);
    button.SetSkinEngine(m_engine);
    button.SetName("button");
    button.OnClick = [](TComponent&) { Report("pressed button"); };

    auto& edit = CreateOwned<TSeSkinEdit>(*this);
    edit.SetBoundsRect(Bounds(124, 14, 160, 22));
    edit.SetParent(this);
    edit.SetSkinEngine(m_engine);

    auto& bar = CreateOwned<TSeSkinTrackBar>(*this);
    bar.SetBoundsRect(Bounds(12, 52, 200, 24));
    bar.SetParent(this);
    bar.SetSkinEngine(m_engine);
}

void TSkinWindowDemoForm::ReportPlaces() {
    if (TSeSkinObject* object = m_frame->PreparedObject()) {
        ReportSkinButtons(*object);
        if (const TSeSkinObject* title = object->FindObjectByKind(TSeKind::skTitle))
            ReportPlace("caption", title->BoundsRect());
        ReportFramePixels(*object);
    } else {
        // The caption band's left part, clear of the buttons at its right end.
        const TRect band = m_frame->CaptionBand();
        ReportPlace("caption", {band.Left + RectHeight(band), band.Top,
                                band.Left + RectWidth(band) / 2, band.Bottom});
        for (const auto& [icon, name] : PlainButtons) {
            TRect r;
            m_frame->GetButtonRect(icon, r);
            ReportPlace(name, r);
        }
    }
    TRect client;
    m_frame->GetClientRect(client);
    // Always, also empty (rolled up): it ends each report of the places.
    Report("at client " + Numbers(client));
}

// The places follow each change: a state change may come before the window takes its new
// bounds, so the places after the last "bounds" line are the ones that hold.
void TSkinWindowDemoForm::ReportChanges() {
    bool changed = false;
    const int state = int(m_frame->WindowState());
    if (state != m_reportedState) {
        m_reportedState = state;
        Report("state " + std::to_string(state));
        changed = true;
    }
    if (HandleAllocated()) {
        const TRect bounds = GetWindowRect(Handle());
        if (bounds != m_reportedBounds) {
            m_reportedBounds = bounds;
            Report("bounds " + Numbers(bounds));
            changed = true;
        }
    }
    if (changed) ReportPlaces();
}

void TSkinWindowDemoForm::ReportPopups() {
    std::vector<TRect> shown;
    for (HWND top : GetTopLevelWindows())
        if (dynamic_cast<TKsPopupWindow*>(FindControl(top)) && IsWindowVisible(top))
            shown.push_back(GetWindowRect(top));
    for (const TRect& r : shown)
        if (std::find(m_reportedPopups.begin(), m_reportedPopups.end(), r) ==
            m_reportedPopups.end())
            Report("popup " + Numbers(r));
    m_reportedPopups = std::move(shown);
    if (m_reportedPopups.empty() && !MenuTracking()) m_popupWatch->SetEnabled(false);
}

} // namespace brisat
