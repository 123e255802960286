// The 25 button glyphs of the player, in the order the layouts index them. Coordinates are on the
// 16 × 15 glyph; shapes sit on whole pixels where an edge should stay crisp.
#include "artwork.h"

#include <array>

namespace glyph_art {
namespace {

const TRgba Ink = Rgb(0x1E2B3C);
const TRgba White = Rgb(0xFFFFFF);

TPaint Blue() {
    return VerticalGradient(Rgb(0x9CCBFF), Rgb(0x2A64B8), 2, 13);
}
TPaint Green() {
    return VerticalGradient(Rgb(0xA6F08A), Rgb(0x23872A), 2, 13);
}
TPaint Red() {
    return VerticalGradient(Rgb(0xFF9A8A), Rgb(0xC0241E), 2, 13);
}
TPaint Gold() {
    return VerticalGradient(Rgb(0xFFEAA0), Rgb(0xE0A022), 5, 13);
}

// Mirrors a polygon around the glyph's vertical centre line.
std::vector<TPointF> Mirrored(std::vector<TPointF> points) {
    for (TPointF& p : points)
        p.X = GlyphWidth - p.X;
    return points;
}

void Skip(TPainter& p, bool forward) {
    std::vector<TPointF> bar{{3, 3}, {5.5f, 3}, {5.5f, 12}, {3, 12}};
    std::vector<TPointF> arrow{{13, 3}, {13, 12}, {5, 7.5f}};
    if (forward) {
        bar = Mirrored(bar);
        arrow = Mirrored(arrow);
    }
    p.FillOutlined(Polygon(bar), Blue(), Ink);
    p.FillOutlined(Polygon(arrow), Blue(), Ink);
}

void Wind(TPainter& p, bool forward) {
    std::vector<TPointF> first{{8.5f, 3}, {8.5f, 12}, {1.5f, 7.5f}};
    std::vector<TPointF> second{{15, 3}, {15, 12}, {8, 7.5f}};
    if (forward) {
        first = Mirrored(first);
        second = Mirrored(second);
    }
    p.FillOutlined(Polygon(second), Blue(), Ink);
    p.FillOutlined(Polygon(first), Blue(), Ink);
}

void Monitor(TPainter& p, const TPaint& screen) {
    p.FillOutlined(Box(6, 10, 10, 13), Solid(Rgb(0x8A8A8A)), Ink);
    p.FillOutlined(Box(3.5f, 12.5f, 12.5f, 14.5f, 0.8f), Solid(Rgb(0xB0B0B0)), Ink);
    p.FillOutlined(Box(1, 1, 15, 11, 1), screen, Ink);
}

// A double arrow between two bars, across (Horizontal) or up and down.
void Span(TPainter& p, bool horizontal) {
    auto place = [horizontal](float along, float across) {
        return horizontal ? TPointF{along, across} : TPointF{across, along - 0.5f};
    };
    const float c = horizontal ? 7.5f : 8;
    p.FillOutlined(Box(1, 1, 15, 14, 1), Solid(Rgb(0xF4F8FF)), Rgb(0x6C7C90));
    const TShape bars =
        horizontal ? Union({Box(2, 2.5f, 3.5f, 12.5f), Box(12.5f, 2.5f, 14, 12.5f)})
                   : Union({Box(2.5f, 2, 13.5f, 3.5f), Box(2.5f, 11.5f, 13.5f, 13)});
    p.Fill(bars, Ink);
    p.Fill(Line(place(6, c), place(10, c), 1.6f), Rgb(0x2A64B8));
    p.Fill(Polygon({place(3.5f, c), place(7, c - 3), place(7, c + 3)}), Rgb(0x2A64B8));
    p.Fill(Polygon({place(12.5f, c), place(9, c - 3), place(9, c + 3)}), Rgb(0x2A64B8));
}

void Speaker(TPainter& p) {
    p.FillOutlined(Polygon({{1, 5}, {4.5f, 5}, {8.5f, 1.5f}, {8.5f, 13.5f}, {4.5f, 10}, {1, 10}}),
                   VerticalGradient(Rgb(0xE8E8E8), Rgb(0x7A8699), 2, 13), Ink);
}

void Previous(TPainter& p) { Skip(p, false); }
void Rewind(TPainter& p) { Wind(p, false); }
void Pause(TPainter& p) {
    p.FillOutlined(Box(3, 2.5f, 7, 12.5f, 0.6f), Blue(), Ink);
    p.FillOutlined(Box(9, 2.5f, 13, 12.5f, 0.6f), Blue(), Ink);
}
void Play(TPainter& p) {
    p.FillOutlined(Polygon({{3.5f, 1.5f}, {3.5f, 13.5f}, {14, 7.5f}}), Green(), Ink);
}
void Stop(TPainter& p) {
    p.FillOutlined(Box(3, 2.5f, 13, 12.5f, 1), Blue(), Ink);
}
void FastForward(TPainter& p) { Wind(p, true); }
void Next(TPainter& p) { Skip(p, true); }

void OpenUrl(TPainter& p) {
    p.Fill(Circle(8, 7.5f, 6.5f), RadialGradient(Rgb(0xA8E0FF), Rgb(0x2870C0), 6, 5, 8));
    const TShape globe = Circle(8, 7.5f, 6.5f);
    const TRgba grid = Rgb(0x1E4F86, 0.8f);
    p.Fill(Intersect(InnerBand(Ellipse(8, 7.5f, 3, 6.5f), 0.9f), globe), grid);
    p.Fill(Intersect(Box(1, 7, 15, 8), globe), grid);
    p.Fill(Intersect(Box(1, 3.8f, 15, 4.6f), globe), grid);
    p.Fill(Intersect(Box(1, 10.4f, 15, 11.2f), globe), grid);
    p.Fill(InnerBand(globe, 1), Ink);
}

void Desktop(TPainter& p) {
    Monitor(p, VerticalGradient(Rgb(0x5FC8C0), Rgb(0x1E7E84), 1, 11));
    p.FillOutlined(Box(3, 3, 6, 5.5f), Solid(White), Rgb(0x28506A));
    p.FillOutlined(Box(3, 6.5f, 6, 9), Solid(Rgb(0xFFE38A)), Rgb(0x28506A));
}

void FullScreen(TPainter& p) {
    p.FillOutlined(Box(0.5f, 1, 15.5f, 14, 1), Blue(), Ink);
    const float w = 1.6f;
    // Four corner arrows pointing outward.
    p.Fill(Union({Line({3, 3.5f}, {6.5f, 3.5f}, w), Line({3, 3.5f}, {3, 6.5f}, w),
                  Line({3, 3.5f}, {6.5f, 6.5f}, w)}),
           White);
    p.Fill(Union({Line({13, 3.5f}, {9.5f, 3.5f}, w), Line({13, 3.5f}, {13, 6.5f}, w),
                  Line({13, 3.5f}, {9.5f, 6.5f}, w)}),
           White);
    p.Fill(Union({Line({3, 11.5f}, {6.5f, 11.5f}, w), Line({3, 11.5f}, {3, 8.5f}, w),
                  Line({3, 11.5f}, {6.5f, 8.5f}, w)}),
           White);
    p.Fill(Union({Line({13, 11.5f}, {9.5f, 11.5f}, w), Line({13, 11.5f}, {13, 8.5f}, w),
                  Line({13, 11.5f}, {9.5f, 8.5f}, w)}),
           White);
}

void Aspect(TPainter& p) {
    p.FillOutlined(Box(0.5f, 2, 15.5f, 13, 1), Solid(Rgb(0xF4F8FF)), Rgb(0x6C7C90));
    p.FillOutlined(Box(3, 4.5f, 11, 10.5f), Blue(), Ink);
    const TRgba arrow = Rgb(0xC0241E);
    p.Fill(Line({9, 8.5f}, {13.5f, 11.5f}, 1.5f), arrow);
    p.Fill(Polygon({{14.5f, 12}, {10.5f, 12}, {14, 8.5f}}), arrow);
}

void FitHeight(TPainter& p) { Span(p, false); }
void FitWidth(TPainter& p) { Span(p, true); }

void Playlist(TPainter& p) {
    p.FillOutlined(Box(1.5f, 0.5f, 14.5f, 14.5f, 1), Solid(White), Rgb(0x6C7C90));
    for (int i = 0; i < 4; ++i) {
        const float y = 3.5f + float(i) * 2.7f;
        p.Fill(Circle(4.2f, y, 1.1f), Rgb(0x2A64B8));
        p.Fill(Box(6.5f, y - 0.6f, 12.5f, y + 0.6f), Ink);
    }
}

void TimeLimit(TPainter& p) {
    p.FillOutlined(Circle(8, 7.5f, 7), RadialGradient(White, Rgb(0xC8D8EC), 7, 6, 8), Ink);
    for (int i = 0; i < 4; ++i) {
        const TPointF marks[] = {{8, 2}, {13.5f, 7.5f}, {8, 13}, {2.5f, 7.5f}};
        p.Fill(Circle(marks[i].X, marks[i].Y, 0.7f), Ink);
    }
    p.Fill(Line({8, 7.5f}, {8, 3.5f}, 1.4f), Ink);
    p.Fill(Line({8, 7.5f}, {11, 9.5f}, 1.4f), Rgb(0xC0241E));
}

void ColourPalette(TPainter& p) {
    const TShape board = Cut(Ellipse(8, 7.5f, 7.5f, 6.5f), Circle(10.5f, 10.5f, 1.6f));
    p.FillOutlined(board, VerticalGradient(Rgb(0xF6E2B8), Rgb(0xC9A468), 1, 14), Ink);
    p.Fill(Circle(4.5f, 6.5f, 1.6f), Rgb(0xE02020));
    p.Fill(Circle(7.5f, 3.8f, 1.6f), Rgb(0xF0D020));
    p.Fill(Circle(11.5f, 5, 1.6f), Rgb(0x20A030));
    p.Fill(Circle(5.5f, 10.5f, 1.6f), Rgb(0x2050E0));
}

void Skin(TPainter& p) {
    p.Fill(Line({14, 1.5f}, {8.5f, 7}, 2.6f), Rgb(0x8A5A2A));
    p.FillOutlined(Polygon({{8.8f, 5}, {10.6f, 6.8f}, {8.2f, 9.2f}, {6.4f, 7.4f}}),
                   Solid(Rgb(0xC8C8C8)), Ink);
    p.FillOutlined(Polygon({{6.6f, 7.6f}, {8, 9}, {6, 12.5f}, {1.5f, 14}, {3, 9.5f}}),
                   VerticalGradient(Rgb(0xFF8AD0), Rgb(0xB01E80), 7, 14), Ink);
}

void About(TPainter& p) {
    p.FillOutlined(Circle(8, 7.5f, 7), RadialGradient(Rgb(0x9CCBFF), Rgb(0x1E58B0), 6, 5, 9),
                   Ink);
    p.Fill(Circle(8, 4, 1.3f), White);
    p.Fill(Box(6.8f, 6.2f, 9.2f, 12, 0.4f), White);
}

void SoundOff(TPainter& p) {
    Speaker(p);
    const TRgba red = Rgb(0xD0201A);
    p.Fill(Line({10.5f, 5}, {14.5f, 10}, 1.8f), red);
    p.Fill(Line({10.5f, 10}, {14.5f, 5}, 1.8f), red);
}

void SoundOn(TPainter& p) {
    Speaker(p);
    const TShape right = Box(9.5f, 0, 16, 15);
    p.Fill(Intersect(Ring(8, 7.5f, 2.6f, 3.8f), right), Rgb(0x2A64B8));
    p.Fill(Intersect(Ring(8, 7.5f, 5, 6.2f), right), Rgb(0x2A64B8));
}

void Add(TPainter& p) {
    p.FillOutlined(Union({Box(6, 2, 10, 13), Box(2.5f, 5.5f, 13.5f, 9.5f)}), Green(), Ink);
}
void Remove(TPainter& p) {
    p.FillOutlined(Box(2.5f, 5.5f, 13.5f, 9.5f), Red(), Ink);
}

void Open(TPainter& p) {
    p.FillOutlined(Polygon({{1, 2.5f}, {6, 2.5f}, {7.5f, 4}, {13.5f, 4}, {13.5f, 13}, {1, 13}}),
                   Solid(Rgb(0xD89A2A)), Ink);
    p.FillOutlined(Polygon({{1, 13}, {3.5f, 6.5f}, {15.5f, 6.5f}, {13.5f, 13}}), Gold(), Ink);
}

void Zoom(TPainter& p) {
    p.Fill(Line({10, 9.5f}, {14, 13.5f}, 3), Rgb(0x5A3A1A));
    p.Fill(Circle(6.5f, 6, 4), RadialGradient(White, Rgb(0x9CCBFF), 5, 4.5f, 5));
    p.Fill(Ring(6.5f, 6, 3.8f, 5.2f), Ink);
    p.Fill(Box(4.2f, 5.4f, 8.8f, 6.6f), Rgb(0x2A64B8));
    p.Fill(Box(5.9f, 3.7f, 7.1f, 8.3f), Rgb(0x2A64B8));
}

void Settings(TPainter& p) {
    const TShape gear = Cut(Gear(8, 7.5f, 5, 7, 6), Circle(8, 7.5f, 2.2f));
    p.FillOutlined(gear, VerticalGradient(Rgb(0xE4E8EE), Rgb(0x6E7888), 1, 14), Ink);
}

using TDraw = void (*)(TPainter&);
constexpr std::array<TDraw, GlyphCount> Glyphs{
    Previous, Rewind,   Pause,         Play,      Stop,     FastForward, Next,
    OpenUrl,  Desktop,  FullScreen,    Aspect,    FitHeight, FitWidth,   Playlist,
    TimeLimit, ColourPalette, Skin,    About,     SoundOff, SoundOn,     Add,
    Remove,   Open,     Zoom,          Settings,
};

} // namespace

void DrawGlyph(int index, TPainter& p) {
    Glyphs.at(size_t(index))(p);
}

} // namespace glyph_art
