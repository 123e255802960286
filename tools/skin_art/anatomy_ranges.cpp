// Track bars and scroll bars: channels, troughs, thumbs and arrow buttons for both orientations.
// Each lookup has a horizontal, a vertical and an orientation-free name; the free one gets the
// horizontal art (the vertical art for scroll bars, whose plain bar stands upright).
#include "skin_art/anatomy_parts.h"

#include <string>
#include <vector>

namespace skin_art {
namespace {

using namespace brisat;

constexpr int Run = 48;      // nominal length of pieces that tile along their axis
constexpr int SliderRun = 32;
constexpr int Cap = 3;       // unscaled ends of channels and troughs
constexpr int ChannelOffset = 4;

TRect Along(TAxis axis, int run, int thickness) {
    return axis == TAxis::Horizontal ? TRect{0, 0, run, thickness} : TRect{0, 0, thickness, run};
}

// Unscaled ends of Cap at both ends along Axis; the middle tiles.
void CapEnds(TSeSkinObject& box, TAxis axis) {
    if (axis == TAxis::Horizontal)
        SetMargins(box, Cap, 0, Cap, 0);
    else
        SetMargins(box, 0, Cap, 0, Cap);
}

void AddRun(TSeSkinObject& parent, const char* name, TAxis axis, const TPieceRef& piece) {
    CapEnds(AddBox(parent, name, piece, 0), axis);
}

TPieceRef Paint(TBuilder& b, const TRect& size, const std::function<void(art_kit::TPainter&)>& draw) {
    return b.Controls.Add(size.Width(), size.Height(), draw);
}

// A slider keeps its ends whole (see ScrollSliderEnd); only its straight middle repeats.
void AddSlider(TSeSkinObject& parent, const char* name, TAxis axis, const TStatePiece& piece,
               std::initializer_list<TState> states) {
    auto& slider = AddStateBox(parent, name, piece, states, 0);
    const int end = ScrollSliderEnd;
    if (axis == TAxis::Horizontal)
        SetMargins(slider, end, 0, end, 0);
    else
        SetMargins(slider, 0, end, 0, end);
}

void AddTrackFrame(TSeSkinObject& bar, const char* name, int margin, bool vertical) {
    auto& frame = Child<TSeSkinObject>(bar, name, TSeAlign::saNone);
    SetMargins(frame, vertical ? ChannelOffset : margin, vertical ? margin : ChannelOffset, 0, 0);
}

} // namespace

void BuildTrackBar(TBuilder& b) {
    auto& bar = b.Top<TSeSkinObject>("TrackBar", 150, 45);
    bar.SetColor(ToColor(b.P.Window));
    SetFont(bar.Font(), b.M.Font, b.P.Text.Normal);
    AddTrackFrame(bar, "Frame", b.M.TrackMargin, false);
    AddTrackFrame(bar, "FrameHorz", b.M.TrackMargin, false);
    AddTrackFrame(bar, "FrameVert", b.M.TrackMargin, true);
    const int t = b.M.TrackThickness;
    for (TAxis axis : {TAxis::Horizontal, TAxis::Vertical}) {
        const bool horz = axis == TAxis::Horizontal;
        const TPieceRef track = Paint(b, Along(axis, Run, t), [&](art_kit::TPainter& p) {
            b.Look.DrawTrack(p, axis);
        });
        const TPieceRef lit = Paint(b, Along(axis, Run, t), [&](art_kit::TPainter& p) {
            b.Look.DrawTrackHighlight(p, axis);
        });
        const TStatePiece thumb = Cached([&b, axis](TState state) {
            return Paint(b, Along(axis, b.M.ThumbLength, b.M.ThumbBreadth),
                         [&](art_kit::TPainter& p) { b.Look.DrawThumb(p, axis, state); });
        });
        const std::initializer_list<TState> all = {TState::Hot, TState::Pressed, TState::Focused,
                                                   TState::Disabled};
        for (const std::string& s : horz ? std::vector<std::string>{"Horz", ""}
                                         : std::vector<std::string>{"Vert"}) {
            AddRun(bar, ("Track" + s).c_str(), axis, track);
            AddRun(bar, ("Highlight" + s).c_str(), axis, lit);
            auto& knob = AddStateBox(bar, "Thumb" + s, thumb, all, 0);
            knob.SetTileStyle(TscTileStyle::tsStretch);
        }
    }
}

void BuildScrollBar(TBuilder& b) {
    const int s = b.M.ScrollBarSize;
    auto& bar = b.Top<TSeSkinObject>("ScrollBar", 121, s);
    bar.SetColor(ToColor(b.P.Window));
    const std::initializer_list<TState> states = {TState::Hot, TState::Pressed, TState::Disabled};
    for (TAxis axis : {TAxis::Horizontal, TAxis::Vertical}) {
        const bool horz = axis == TAxis::Horizontal;
        const TPieceRef trough = Paint(b, Along(axis, Run, s), [&](art_kit::TPainter& p) {
            b.Look.DrawScrollTrough(p, axis);
        });
        const TStatePiece slider = Cached([&b, axis, s](TState state) {
            return Paint(b, Along(axis, SliderRun, s),
                         [&](art_kit::TPainter& p) { b.Look.DrawScrollSlider(p, axis, state); });
        });
        for (const std::string& x : horz ? std::vector<std::string>{"Horz"}
                                         : std::vector<std::string>{"Vert", ""}) {
            AddRun(bar, (x + "Frame").c_str(), axis, trough);
            AddSlider(bar, (x + "Slider").c_str(), axis, slider, states);
        }
        for (TArrow arrow : horz ? std::vector<TArrow>{TArrow::Left, TArrow::Right}
                                 : std::vector<TArrow>{TArrow::Up, TArrow::Down}) {
            static constexpr const char* Names[] = {"LeftButton", "RightButton", "TopButton",
                                                    "BottomButton"};
            const auto piece = [&b, arrow, s](TState state) {
                return Paint(b, {0, 0, s, s}, [&](art_kit::TPainter& p) {
                    b.Look.DrawScrollButton(p, arrow, state);
                });
            };
            auto& button = AddStateBox(bar, Names[int(arrow)], piece, states, 0);
            button.SetTileStyle(TscTileStyle::tsStretch);
        }
    }
}

} // namespace skin_art
