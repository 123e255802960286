// The window frames, "Form" and "ToolWindow": one nominal frame is painted per activity and
// sliced into corners, edges and the caption band, so every skin's frame may be a single
// picture. Caption buttons sit on the band from the right, the title fills what is left.
#include "skin_art/anatomy_parts.h"

#include <algorithm>

namespace skin_art {
namespace {

using namespace brisat;

constexpr int CaptionCentre = 64; // the tiled middle of the nominal caption
constexpr int EdgeCentre = 16;    // the tiled middle of the nominal side edges
constexpr int IconSize = 16;
constexpr int IconGap = 4;
constexpr int ButtonEdgeGap = 2;

struct TFrameGeometry {
    int Top, Side, Bottom, Corner, Caption, Width, Height;
};

TFrameGeometry Geometry(const TMetrics& m, bool tool) {
    TFrameGeometry g{m.BorderTop, m.BorderSide, m.BorderBottom, std::max(m.FrameCorner, m.BorderSide),
                     tool ? m.ToolCaptionHeight : m.CaptionHeight, 0, 0};
    g.Width = 2 * g.Corner + CaptionCentre;
    g.Height = g.Top + g.Caption + std::max(g.Corner, g.Bottom) + EdgeCentre;
    return g;
}

TFrameLayout Layout(const TFrameGeometry& g, bool tool) {
    TFrameLayout l;
    l.CaptionLeft = float(g.Side);
    l.CaptionTop = float(g.Top);
    l.CaptionRight = float(g.Width - g.Side);
    l.CaptionBottom = float(g.Top + g.Caption);
    l.ClientLeft = l.CaptionLeft;
    l.ClientTop = l.CaptionBottom;
    l.ClientRight = l.CaptionRight;
    l.ClientBottom = float(g.Height - g.Bottom);
    l.ToolWindow = tool;
    return l;
}

// The active and the inactive frame, each cut out of a window's shape.
struct TFramePictures {
    art_kit::TImage Active, Inactive;
};

TFramePictures PaintFrames(const TLook& look, const TFrameGeometry& g, bool tool) {
    const auto paint = [&](bool active) {
        art_kit::TPainter p(g.Width, g.Height);
        look.DrawFrame(p, Layout(g, tool), active);
        return CutToKey(art_kit::TImage::FromPainter(p));
    };
    return {paint(true), paint(false)};
}

art_kit::TImage Slice(const art_kit::TImage& image, const TRect& r) {
    art_kit::TImage slice(r.Width(), r.Height());
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) slice.Set(x - r.Left, y - r.Top, image.At(x, y));
    return slice;
}

// A frame part: Kind, aligned by Align, drawing the rectangle R of both frames.
TSeFormBitmapSkinObject& AddFramePart(TBuilder& b, TSeSkinObject& parent, const char* name,
                                      TSeKind kind, TSeAlign align, const TFramePictures& frames,
                                      const TRect& r) {
    auto& part = Child<TSeFormBitmapSkinObject>(parent, name, align, r.Width(), r.Height());
    part.SetKind(kind);
    Link(part.Bitmap(), b.Frame.Add(Slice(frames.Active, r)));
    Link(part.InactiveBitmap(), b.Frame.Add(Slice(frames.Inactive, r)));
    return part;
}

// A row of three parts along an edge: two corners and the middle between them.
void AddEdgeRow(TBuilder& b, TSeSkinObject& form, bool top, const TFramePictures& frames,
                const TFrameGeometry& g) {
    const int h = top ? g.Top : g.Bottom;
    const int y = top ? 0 : g.Height - g.Bottom;
    auto& row = Child<TSeSkinObject>(form, top ? "TopEdge" : "BottomEdge",
                                     top ? TSeAlign::saMostTop : TSeAlign::saMostBottom, g.Width, h);
    AddFramePart(b, row, top ? "TopLeft" : "BottomLeft",
                 top ? TSeKind::skTopLeft : TSeKind::skBottomLeft, TSeAlign::saMostLeft, frames,
                 {0, y, g.Corner, y + h});
    AddFramePart(b, row, top ? "TopRight" : "BottomRight",
                 top ? TSeKind::skTopRight : TSeKind::skBottomRight, TSeAlign::saMostRight,
                 frames, {g.Width - g.Corner, y, g.Width, y + h});
    AddFramePart(b, row, top ? "Top" : "Bottom", top ? TSeKind::skTop : TSeKind::skBottom,
                 TSeAlign::saClient, frames, {g.Corner, y, g.Width - g.Corner, y + h});
}

// A side edge: the part beside the caption and the bottom corner's rise stay unscaled.
void AddSide(TBuilder& b, TSeSkinObject& form, bool left, const TFramePictures& frames,
             const TFrameGeometry& g) {
    const int x = left ? 0 : g.Width - g.Side;
    auto& side = AddFramePart(b, form, left ? "Left" : "Right",
                              left ? TSeKind::skLeft : TSeKind::skRight,
                              left ? TSeAlign::saMostLeft : TSeAlign::saMostRight, frames,
                              {x, g.Top, x + g.Side, g.Height - g.Bottom});
    SetMargins(side, 0, g.Caption, 0, std::max(0, g.Corner - g.Bottom));
}

// An invisible strip of the caption that only takes space.
void AddSpacer(TBuilder& b, TSeSkinObject& caption, const char* name, TSeAlign align, int size) {
    auto& spacer = Child<TSeBitmapObject>(caption, name, align, size, size);
    spacer.SetKind(TSeKind::skCaption);
    spacer.SetTileStyle(TscTileStyle::tsStretch);
    Link(spacer.Bitmap(), b.Clear);
}

struct TCaptionButtonEntry {
    TCaptionButton Button;
    const char* Name;
    TSeAction Action;
};

// Right to left on the caption; the form hides those its state or border icons rule out.
constexpr TCaptionButtonEntry CaptionButtons[] = {
    {TCaptionButton::Close, "Close", TSeAction::sbaClose},
    {TCaptionButton::Maximize, "Maximize", TSeAction::sbaMaximize},
    {TCaptionButton::Restore, "Restore", TSeAction::sbaRestore},
    {TCaptionButton::Minimize, "Minimize", TSeAction::sbaMinimize},
    {TCaptionButton::RollUp, "RollUp", TSeAction::sbaRollUp},
    {TCaptionButton::RollDown, "RollDown", TSeAction::sbaRollDown},
    {TCaptionButton::Tray, "Tray", TSeAction::sbaTray},
    {TCaptionButton::Help, "Help", TSeAction::sbaHelp},
};

void AddCaptionButton(TBuilder& b, TSeSkinObject& caption, const TCaptionButtonEntry& entry, int width,
                      int height) {
    auto& button = Child<TSeSystemButton>(caption, entry.Name, TSeAlign::saRight,
                                          width + b.M.CaptionButtonGap, height);
    button.SetAction(entry.Action);
    button.SetTileStyle(TscTileStyle::tsCenter);
    const auto piece = [&](TButtonLook look) {
        return b.Buttons.Add(width, height, [&](art_kit::TPainter& p) {
            b.Look.DrawCaptionButton(p, entry.Button, look);
        });
    };
    Link(button.Bitmap(), piece(TButtonLook::Inactive));
    Link(button.ActiveBitmap(), piece(TButtonLook::Normal));
    Link(button.BitmapHot(), piece(TButtonLook::Hot));
    Link(button.BitmapPressed(), piece(TButtonLook::Pressed));
}

void AddCaption(TBuilder& b, TSeSkinObject& form, const TFramePictures& frames,
                const TFrameGeometry& g, bool tool) {
    const TRect band{g.Side, g.Top, g.Width - g.Side, g.Top + g.Caption};
    auto& caption = Child<TSeActiveBitmap>(form, "Caption", TSeAlign::saTop, band.Width(),
                                           band.Height());
    caption.SetKind(TSeKind::skCaption);
    caption.SetDrawIfOwner(true); // its shape is its own picture, not its children's
    Link(caption.Bitmap(), b.Frame.Add(Slice(frames.Inactive, band)));
    Link(caption.ActiveBitmap(), b.Frame.Add(Slice(frames.Active, band)));
    const int end = g.Corner - g.Side;
    SetMargins(caption, end, 0, end, 0);

    const int bw = tool ? b.M.ToolButtonWidth : b.M.CaptionButtonWidth;
    const int bh = tool ? b.M.ToolButtonHeight : b.M.CaptionButtonHeight;
    const int row = std::min(g.Caption, std::max(bh, tool ? 0 : IconSize));
    const int above = (g.Caption - row) / 2;
    AddSpacer(b, caption, "CaptionAbove", TSeAlign::saMostTop, above);
    AddSpacer(b, caption, "CaptionBelow", TSeAlign::saMostBottom, g.Caption - row - above);
    AddSpacer(b, caption, "CaptionEnd", TSeAlign::saMostRight, ButtonEdgeGap);
    if (!tool) {
        AddSpacer(b, caption, "IconGap", TSeAlign::saMostLeft, IconGap);
        auto& icon = Child<TSeSystemButton>(caption, "SysMenu", TSeAlign::saLeft,
                                            IconSize + IconGap, IconSize);
        icon.SetAction(TSeAction::sbaSysMenu);
    }
    for (const TCaptionButtonEntry& entry : CaptionButtons) {
        AddCaptionButton(b, caption, entry, bw, bh);
        if (tool) break; // a tool window closes only
    }
    auto& title = Child<TSeActiveBitmap>(caption, "Title", TSeAlign::saClient);
    title.SetKind(TSeKind::skTitle);
    title.SetTileStyle(TscTileStyle::tsStretch);
    Link(title.Bitmap(), b.Clear);
    title.SetTextAlign(TSeTextAlign::taLeft);
    title.SetTextMarginLeft(4);
    title.SetTextMarginRight(4);
    SetFont(title.Font(), b.M.CaptionFont, b.P.CaptionText);
    SetFont(title.ActiveFont(), b.M.CaptionFont, b.P.CaptionText);
}

} // namespace

void BuildForm(TBuilder& b, bool tool) {
    const TFrameGeometry g = Geometry(b.M, tool);
    const TFramePictures frames = PaintFrames(b.Look, g, tool);
    auto& form = b.Top<TSeSkinObject>(tool ? "ToolWindow" : "Form", 0, 0);
    form.SetKind(TSeKind::skForm);
    form.SetColor(ToColor(b.P.Window));
    SetFont(form.Font(), b.M.Font, b.P.Text.Normal);
    AddEdgeRow(b, form, true, frames, g);
    AddEdgeRow(b, form, false, frames, g);
    AddSide(b, form, true, frames, g);
    AddSide(b, form, false, frames, g);
    AddCaption(b, form, frames, g, tool);
    auto& client = Child<TSeSkinObject>(form, "Client", TSeAlign::saClient);
    client.SetKind(TSeKind::skClient);
    client.SetColor(ToColor(b.P.Window));
    // Laid out at a nominal window size: the stored rectangles are those of that window.
    form.SetBounds(tool ? TRect{0, 0, 240, 160} : TRect{0, 0, 320, 240});
}

} // namespace skin_art
