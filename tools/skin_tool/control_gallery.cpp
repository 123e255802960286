#include "control_gallery.h"

#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "platform/headless_platform.h"
#include "platform/png_file.h"
#include "sheet_layout.h"
#include "skin/engine/skin_engine.h"
#include "skin/files/skin_source.h"
#include "skin_controls/se_skin_button.h"
#include "skin_controls/se_skin_panel.h"
#include "skin_file_access.h"

#include <functional>
#include <vector>

namespace brisat {
namespace {

using TStateApply = std::function<void(TKsCustomControl&)>;
using TMake = std::function<TKsCustomControl&(TForm&)>;

struct TGalleryState {
    const char* Label;
    TStateApply Apply;
};

// One row of the gallery: a control family at a size, in its states.
struct TGalleryFamily {
    const char* Title;
    TSize Size;
    TMake Make;
    std::vector<TGalleryState> States;
};

void MouseAt(TKsCustomControl& control, UINT message, TPoint p) {
    control.Perform(message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON, PointToLParam(p));
}

TPoint Centre(const TRect& r) {
    return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
}

TPoint Centre(TKsCustomControl& control) {
    return Centre(Bounds(0, 0, control.Width(), control.Height()));
}

// The states every control shows.
std::vector<TGalleryState> CommonStates() {
    return {
        {"normal", [](TKsCustomControl&) {}},
        {"hot", [](TKsCustomControl& c) { c.Perform(CM_MOUSEENTER); }},
        {"pressed", [](TKsCustomControl& c) { MouseAt(c, WM_LBUTTONDOWN, Centre(c)); }},
        {"focused", [](TKsCustomControl& c) { c.Perform(WM_SETFOCUS); }},
        {"disabled", [](TKsCustomControl& c) { c.SetEnabled(false); }},
    };
}

template <class T> T& As(TKsCustomControl& control) {
    return static_cast<T&>(control);
}

TGalleryFamily Panels() {
    TGalleryFamily family{"Panel: TSeSkinPanel", {200, 90},
                          [](TForm& form) -> TKsCustomControl& {
                              auto& panel = CreateOwned<TSeSkinPanel>(form);
                              panel.SetCaption("Panel");
                              return panel;
                          },
                          CommonStates()};
    const auto button = [](TKsCustomControl& c) {
        return Centre(As<TSeSkinPanel>(c).GetButtonRect());
    };
    family.States.push_back({"button hot", [button](TKsCustomControl& c) {
                                 MouseAt(c, WM_MOUSEMOVE, button(c));
                             }});
    family.States.push_back({"button pressed", [button](TKsCustomControl& c) {
                                 MouseAt(c, WM_MOUSEMOVE, button(c));
                                 MouseAt(c, WM_LBUTTONDOWN, button(c));
                             }});
    family.States.push_back(
        {"rolled", [](TKsCustomControl& c) { As<TSeSkinPanel>(c).SetRolled(true); }});
    family.States.push_back({"hide button", [](TKsCustomControl& c) {
                                 As<TSeSkinPanel>(c).SetButtonKind(TKsPanelButtonKind::pbkHide);
                             }});
    return family;
}

TGalleryFamily Buttons() {
    TGalleryFamily family{"Button: TSeSkinButton", {90, 28},
                          [](TForm& form) -> TKsCustomControl& {
                              auto& button = CreateOwned<TSeSkinButton>(form);
                              button.SetCaption("Button");
                              return button;
                          },
                          CommonStates()};
    family.States.push_back(
        {"default", [](TKsCustomControl& c) { As<TSeSkinButton>(c).SetDefault(true); }});
    family.States.push_back(
        {"glyph", [](TKsCustomControl& c) { As<TSeSkinButton>(c).SetKind(TBitBtnKind::bkOK); }});
    family.States.push_back({"glyph disabled", [](TKsCustomControl& c) {
                                 As<TSeSkinButton>(c).SetKind(TBitBtnKind::bkCancel);
                                 c.SetEnabled(false);
                             }});
    return family;
}

// The gallery's rows, in order; each family of controls adds its own.
std::vector<TGalleryFamily> Families() {
    return {Panels(), Buttons()};
}

// A fresh control in the state, drawn on the form's background.
std::unique_ptr<TKsBitmap> DrawState(TForm& form, TSeSkinEngine& engine,
                                     const TGalleryFamily& family, const TGalleryState& state) {
    TKsCustomControl& control = family.Make(form);
    control.SetBounds(10, 10, family.Size.cx, family.Size.cy);
    control.SetParent(&form);
    if (auto* panel = dynamic_cast<TSeSkinPanel*>(&control)) panel->SetSkinEngine(&engine);
    if (auto* button = dynamic_cast<TSeSkinButton*>(&control)) button->SetSkinEngine(&engine);
    control.HandleNeeded();
    state.Apply(control);
    control.SetNeedsRender(true);
    control.RenderBuffer();
    auto picture = std::make_unique<TKsBitmap>();
    picture->SetSize(control.Width(), control.Height());
    control.Buffer().DrawRect(*picture, 0, 0, Bounds(0, 0, control.Width(), control.Height()));
    picture->SetAlpha(255);
    control.Free();
    return picture;
}

std::unique_ptr<TKsBitmap> DrawGallery(const std::string& skinFile) {
    TApplication app;
    auto& form = app.CreateForm<TForm>();
    form.SetBounds(0, 0, 640, 480);
    form.SetColor(TColor(0xD8D8D8));
    auto& engine = CreateOwned<TSeSkinEngine>(form);
    engine.SetSkinFile(skinFile);
    form.HandleNeeded();
    std::vector<TRow> rows;
    for (const TGalleryFamily& family : Families()) {
        TRow row{family.Title, {}};
        for (const TGalleryState& state : family.States)
            row.Cells.push_back({state.Label, DrawState(form, engine, family, state)});
        rows.push_back(std::move(row));
    }
    return Compose(rows, "Controls in " + engine.Skin().SkinName());
}

} // namespace

void WriteControlGallery(const std::string& skinFile, const std::string& pngFile) {
    CheckSkinFile(skinFile);
    SetPlatform(std::make_unique<THeadlessPlatform>());
    std::unique_ptr<TKsBitmap> sheet;
    try {
        sheet = DrawGallery(skinFile);
    } catch (...) {
        SetPlatform(nullptr);
        throw;
    }
    for (HWND top : GetTopLevelWindows())
        DestroyWindow(top);
    SetPlatform(nullptr);
    WritePngFile(pngFile, sheet->Bits(), sheet->Width(), sheet->Height(), sheet->Width(),
                 TPngAlpha::Drop);
}

} // namespace brisat
