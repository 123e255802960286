#include "skin_art/figures.h"

#include <algorithm>
#include <cmath>

namespace skin_art {

using namespace art_kit;

TBox Whole(const TPainter& p) {
    return {0, 0, float(p.Width()), float(p.Height())};
}

TBox Square(const TBox& box) {
    const float side = std::min(box.Width(), box.Height());
    const float x = box.CentreX() - side / 2, y = box.CentreY() - side / 2;
    return {x, y, x + side, y + side};
}

TShape BoxShape(const TBox& box, float radius) {
    return Box(box.X0, box.Y0, box.X1, box.Y1, radius);
}

namespace {

TShape Outline(const TBox& box, float stroke) {
    return InnerBand(BoxShape(box), stroke);
}

TShape Chevron(bool up, const TBox& b, float stroke) {
    const float tip = up ? b.Y0 + b.Height() * 0.25f : b.Y1 - b.Height() * 0.25f;
    const float base = up ? b.Y1 - b.Height() * 0.25f : b.Y0 + b.Height() * 0.25f;
    return Polyline({{b.X0, base}, {b.CentreX(), tip}, {b.X1, base}}, stroke);
}

TShape QuestionMark(const TBox& b, float stroke) {
    // A hook over the upper half (from the left, over the top, down the right side), a short
    // stem down the middle and a dot.
    const float r = b.Width() * 0.3f, cx = b.CentreX(), cy = b.Y0 + r + stroke / 2;
    std::vector<TPointF> hook;
    for (int i = 0; i <= 8; ++i) {
        const float a = float(M_PI) * (1.0f + 0.85f * float(i) / 8);
        hook.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    hook.push_back({cx, cy + r * 0.9f});
    hook.push_back({cx, b.Y1 - stroke * 2.2f});
    return Union({Polyline(std::move(hook), stroke), Circle(cx, b.Y1 - stroke * 0.6f, stroke * 0.6f)});
}

} // namespace

TShape CaptionFigure(TCaptionButton button, const TBox& box, float stroke) {
    const TBox b = Square(box);
    const float s = stroke;
    switch (button) {
    case TCaptionButton::Close:
        return Union({Line({b.X0, b.Y0}, {b.X1, b.Y1}, s), Line({b.X1, b.Y0}, {b.X0, b.Y1}, s)});
    case TCaptionButton::Maximize:
        return Union({Outline(b, s), BoxShape({b.X0, b.Y0, b.X1, b.Y0 + s * 2})});
    case TCaptionButton::Restore: {
        const float d = b.Width() * 0.3f;
        const TBox back{b.X0 + d, b.Y0, b.X1, b.Y1 - d}, front{b.X0, b.Y0 + d, b.X1 - d, b.Y1};
        return Union({Cut(Union({Outline(back, s), BoxShape({back.X0, back.Y0, back.X1, back.Y0 + s * 2})}),
                          BoxShape(front)),
                      Outline(front, s), BoxShape({front.X0, front.Y0, front.X1, front.Y0 + s * 2})});
    }
    case TCaptionButton::Minimize:
        return BoxShape({b.X0, b.Y1 - s * 2, b.X1 - b.Width() * 0.3f, b.Y1});
    case TCaptionButton::RollUp:
        return Chevron(true, b, s * 1.3f);
    case TCaptionButton::RollDown:
        return Chevron(false, b, s * 1.3f);
    case TCaptionButton::Tray:
        return Union({BoxShape({b.X0, b.Y1 - s * 2, b.X1, b.Y1}),
                      Circle(b.CentreX(), b.CentreY() - s * 0.5f, b.Width() * 0.18f)});
    case TCaptionButton::Help:
        return QuestionMark(b.Inset(-s * 0.3f), s * 0.85f);
    }
    return BoxShape(b);
}

TShape PanelFigure(TPanelButton button, const TBox& box, float stroke) {
    switch (button) {
    case TPanelButton::RollUp: return Chevron(true, Square(box), stroke);
    case TPanelButton::RollDown: return Chevron(false, Square(box), stroke);
    case TPanelButton::Hide: return CaptionFigure(TCaptionButton::Close, box, stroke);
    }
    return BoxShape(box);
}

TShape ArrowFigure(TArrow arrow, const TBox& box) {
    const TBox b = Square(box);
    switch (arrow) {
    case TArrow::Left:
        return Polygon({{b.X1 - b.Width() * 0.25f, b.Y0}, {b.X1 - b.Width() * 0.25f, b.Y1},
                        {b.X0 + b.Width() * 0.15f, b.CentreY()}});
    case TArrow::Right:
        return Polygon({{b.X0 + b.Width() * 0.25f, b.Y0}, {b.X0 + b.Width() * 0.25f, b.Y1},
                        {b.X1 - b.Width() * 0.15f, b.CentreY()}});
    case TArrow::Up:
        return Polygon({{b.X0, b.Y1 - b.Height() * 0.25f}, {b.X1, b.Y1 - b.Height() * 0.25f},
                        {b.CentreX(), b.Y0 + b.Height() * 0.15f}});
    case TArrow::Down:
        return Polygon({{b.X0, b.Y0 + b.Height() * 0.25f}, {b.X1, b.Y0 + b.Height() * 0.25f},
                        {b.CentreX(), b.Y1 - b.Height() * 0.15f}});
    }
    return BoxShape(b);
}

TShape CheckFigure(const TBox& box, float stroke) {
    const TBox b = Square(box);
    return Polyline({{b.X0, b.Y0 + b.Height() * 0.55f},
                     {b.X0 + b.Width() * 0.38f, b.Y1 - b.Height() * 0.1f},
                     {b.X1, b.Y0 + b.Height() * 0.1f}},
                    stroke);
}

TShape DashFigure(const TBox& box, float stroke) {
    return BoxShape({box.X0, box.CentreY() - stroke / 2, box.X1, box.CentreY() + stroke / 2});
}

} // namespace skin_art
