#include "showcase_form.h"

#include "skin/engine/skin_engine.h"
#include "skin_controls/se_skin_button.h"
#include "skin_controls/se_skin_combo_box.h"
#include "skin_controls/se_skin_edit.h"
#include "skin_controls/se_skin_list_box.h"
#include "skin_controls/se_skin_panel.h"
#include "skin_controls/se_skin_scroll_bar.h"
#include "skin_controls/se_skin_track_bar.h"
#include "skin_cycle.h"

#include <cstdio>
#include <filesystem>
#include <type_traits>

namespace brisat {
namespace {

// One line per change; flushed at once, stdout is usually a pipe or a file here.
void Report(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// Where a script presses to grab the bar's thumb: the middle of its hit area, across the bar
// at the thumb's centre along it. The skin sets the thumb's size and the bar's margins, so this
// moves with every skin as well as with the value.
TPoint ThumbCentre(const TKsCustomTrackBar& bar) {
    const bool vertical = bar.Orientation() == TTrackOrientation::toVertical;
    const int32_t along = bar.ValueToPixel(bar.Position());
    const int32_t across = vertical ? bar.Width() : bar.Height();
    int32_t first = -1, last = -1;
    for (int32_t c = 0; c < across; ++c) {
        if (!(vertical ? bar.ThumbHitTest(c, along) : bar.ThumbHitTest(along, c))) continue;
        if (first < 0) first = c;
        last = c;
    }
    const int32_t middle = first < 0 ? across / 2 : (first + last) / 2;
    return vertical ? TPoint{middle, along} : TPoint{along, middle};
}

template <class T>
T& Place(TWinControl& parent, TSeSkinEngine& engine, const char* name, const TRect& bounds) {
    T& control = CreateOwned<T>(*parent.Owner());
    control.SetName(name);
    control.SetBoundsRect(bounds);
    control.SetParent(&parent);
    control.SetSkinEngine(&engine);
    if constexpr (std::is_base_of_v<TWinControl, T>)
        control.OnEnter = [&control](TComponent&) { Report("focus " + control.Name()); };
    return control;
}

} // namespace

TShowcaseForm::TShowcaseForm(TComponent* owner, const std::string& skinFile)
    : TForm(owner), m_skins(SkinFilesBeside(skinFile)) {
    SetCaption("Brisat skin showcase");
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(440, 300);
    m_engine = &CreateOwned<TSeSkinEngine>(*this);
    LoadSkin(skinFile);
    auto& panel = CreateOwned<TSeSkinPanel>(*this);
    panel.SetParent(this);
    panel.SetAlign(TAlign::alClient);
    panel.SetShowCaption(false);
    panel.SetShowButton(false);
    panel.SetSkinEngine(m_engine);
    BuildControls(panel);
}

void TShowcaseForm::BuildControls(TWinControl& parent) {
    TSeSkinEngine& e = *m_engine;
    auto& next = Place<TSeSkinButton>(parent, e, "next", Bounds(12, 12, 100, 26));
    next.SetCaption("Next skin");
    next.OnClick = [this](TComponent&) { NextSkin(); };

    auto& edit = Place<TSeSkinEdit>(parent, e, "edit", Bounds(124, 14, 160, 22));
    edit.OnChange = [&edit](TComponent&) { Report("edit " + edit.Text()); };

    auto& combo = Place<TSeSkinComboBox>(parent, e, "combo", Bounds(296, 14, 120, 22));
    for (const char* item : {"Fit", "Original", "16:9", "4:3"})
        combo.Items().Add(item);
    combo.SetItemIndex(0);
    combo.OnChange = [&combo](TComponent&) { Report("combo " + combo.Text()); };

    auto& volume = Place<TSeSkinTrackBar>(parent, e, "volume", Bounds(12, 52, 200, 24));
    volume.SetMax(10000);
    volume.SetFrequency(1000);
    volume.SetThumbHalfWidth(2);
    volume.SetShowTicks(false);
    volume.SetTickMarks(TTickMark::tmTopLeft);
    volume.SetPosition(5000);
    volume.OnChange = [&volume](TComponent&) {
        Report("volume " + std::to_string(volume.Position()));
    };

    auto& zoom = Place<TSeSkinTrackBar>(parent, e, "zoom", Bounds(396, 52, 24, 220));
    zoom.SetOrientation(TTrackOrientation::toVertical);
    zoom.SetMax(99);
    zoom.SetThumbHalfWidth(2);
    zoom.SetShowTicks(false);
    zoom.SetIntervalHighlightType(TIntervalHighlightType::htLowInterval);
    zoom.SetPosition(40);
    zoom.OnChange = [&zoom](TComponent&) { Report("zoom " + std::to_string(zoom.Position())); };

    auto& scroll = Place<TSeSkinScrollBar>(parent, e, "scroll", Bounds(12, 90, 200, 17));
    scroll.SetMax(100);
    // A thumb as long as a fifth of the range, as a scrolled view shows it.
    scroll.SetPageSize(20);
    scroll.OnChange = [&scroll](TComponent&) {
        Report("scroll " + std::to_string(scroll.Position()));
    };

    auto& list = Place<TSeSkinListBox>(parent, e, "list", Bounds(12, 120, 200, 150));
    for (const char* item : {"One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine",
                             "Ten", "Eleven", "Twelve"})
        list.Items().Add(item);
    list.OnClick = [&list](TComponent&) {
        const int32_t i = list.ItemIndex();
        Report("list " + std::to_string(i) + " " + (i >= 0 ? list.Items().Strings(i) : ""));
    };
}

TPoint TShowcaseForm::InWindow(const TControl& control, TPoint point) const {
    const TRect window = BoundsRect();
    const TPoint at = control.ClientToScreen(point);
    return {at.X - window.Left, at.Y - window.Top};
}

void TShowcaseForm::ReportPlaces() {
    for (int i = 0; i < ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(&Components(i));
        if (!control || control->Name().empty()) continue;
        const TPoint at = InWindow(*control, {0, 0});
        Report("at " + control->Name() + " " + std::to_string(at.X) + " " + std::to_string(at.Y) +
               " " + std::to_string(control->Width()) + " " + std::to_string(control->Height()));
    }
    ReportThumbs();
}

void TShowcaseForm::ReportThumbs() {
    for (int i = 0; i < ComponentCount(); ++i) {
        auto* bar = dynamic_cast<TKsCustomTrackBar*>(&Components(i));
        if (!bar) continue;
        const TPoint at = InWindow(*bar, ThumbCentre(*bar));
        Report("thumb " + bar->Name() + " " + std::to_string(at.X) + " " + std::to_string(at.Y));
    }
}

void TShowcaseForm::LoadSkin(const std::string& file) {
    m_engine->SetSkinFile(file);
    Report("skin " + std::filesystem::path(file).stem().string());
}

void TShowcaseForm::NextSkin() {
    LoadSkin(NextSkinFile(m_skins, m_engine->SkinFile()));
    ReportThumbs();
}

} // namespace brisat
