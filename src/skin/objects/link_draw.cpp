#include "skin/objects/link_draw.h"

#include "skin/bitmap/bitmap.h"
#include "skin/bitmap/bitmap_link.h"
#include "skin/bitmap/checked_math.h"

namespace brisat {

namespace {

// Sets AlphaBlend on the link's bitmap and restores it afterwards.
class TAlphaBlendScope {
public:
    explicit TAlphaBlendScope(TKsBitmap& bitmap) : m_bitmap(bitmap), m_saved(bitmap.AlphaBlend()) {
        bitmap.SetAlphaBlend(true);
    }
    ~TAlphaBlendScope() { m_bitmap.SetAlphaBlend(m_saved); }
    TAlphaBlendScope(const TAlphaBlendScope&) = delete;
    TAlphaBlendScope& operator=(const TAlphaBlendScope&) = delete;

private:
    TKsBitmap& m_bitmap;
    bool m_saved;
};

struct TPart {
    TRect Source;
    TRect Dest; // relative to the object's top-left corner
};

void DrawPart(const TKsBitmap& source, TKsBitmap& target, const TPart& part, TscTileStyle style,
              const TRect& bounds, const TRect& link) {
    if (IsRectEmpty(part.Source)) return;
    const TRect dest{CheckedAdd(part.Dest.Left, bounds.Left), CheckedAdd(part.Dest.Top, bounds.Top),
                     CheckedAdd(part.Dest.Right, bounds.Left),
                     CheckedAdd(part.Dest.Bottom, bounds.Top)};
    switch (style) {
    case TscTileStyle::tsTile: source.TileDraw(target, dest, part.Source); break;
    case TscTileStyle::tsStretch: source.StretchDraw(target, dest, part.Source); break;
    case TscTileStyle::tsCenter: source.DrawRect(target, bounds.Left, bounds.Top, link); break;
    }
}

void DrawWhole(const TKsBitmap& source, TKsBitmap& target, const TRect& s,
               const TLinkLayout& layout) {
    const TRect& b = layout.Bounds;
    switch (layout.Center) {
    case TscTileStyle::tsTile: source.TileDraw(target, b, s); break;
    case TscTileStyle::tsStretch: source.StretchDraw(target, b, s); break;
    case TscTileStyle::tsCenter:
        source.DrawRect(target, CheckedAdd(b.Left, (RectWidth(b) - RectWidth(s)) / 2),
                        CheckedAdd(b.Top, (RectHeight(b) - RectHeight(s)) / 2), s);
        break;
    }
}

void DrawNineParts(const TKsBitmap& source, TKsBitmap& target, const TRect& s,
                   const TLinkLayout& layout) {
    const int32_t ml = layout.Margins.Left, mt = layout.Margins.Top;
    const int32_t mr = layout.Margins.Right, mb = layout.Margins.Bottom;
    const int32_t w = RectWidth(layout.Bounds), h = RectHeight(layout.Bounds);
    // Inner source edges and inner destination edges, checked once.
    const int32_t sl = CheckedAdd(s.Left, ml), st = CheckedAdd(s.Top, mt);
    const int32_t sr = CheckedSub(s.Right, mr), sb = CheckedSub(s.Bottom, mb);
    const int32_t dr = CheckedSub(w, mr), db = CheckedSub(h, mb);

    DrawPart(source, target, {{sl, st, sr, sb}, {ml, mt, dr, db}}, layout.Center, layout.Bounds,
             s);
    const TPart edges[] = {
        {{sl, s.Top, sr, st}, {ml, 0, dr, mt}},
        {{sl, sb, sr, s.Bottom}, {ml, db, dr, h}},
        {{s.Left, st, sl, sb}, {0, mt, ml, db}},
        {{sr, st, s.Right, sb}, {dr, mt, w, db}},
    };
    for (const TPart& edge : edges)
        DrawPart(source, target, edge, layout.Edges, layout.Bounds, s);

    const TPart corners[] = {
        {{s.Left, s.Top, sl, st}, {0, 0, 0, 0}},
        {{sr, s.Top, s.Right, st}, {dr, 0, 0, 0}},
        {{s.Left, sb, sl, s.Bottom}, {0, db, 0, 0}},
        {{sr, sb, s.Right, s.Bottom}, {dr, db, 0, 0}},
    };
    for (const TPart& corner : corners)
        if (!IsRectEmpty(corner.Source))
            source.DrawRect(target, CheckedAdd(layout.Bounds.Left, corner.Dest.Left),
                            CheckedAdd(layout.Bounds.Top, corner.Dest.Top), corner.Source);
}

} // namespace

void DrawSkinLink(TKsBitmap& target, const TKsBitmapLink& link, const TLinkLayout& layout) {
    if (!link.Valid()) return;
    TKsBitmap& source = *link.Bitmap();
    TAlphaBlendScope blend(source);
    const TRect& m = layout.Margins;
    if (m.Left == 0 && m.Top == 0 && m.Right == 0 && m.Bottom == 0)
        DrawWhole(source, target, link.Rect(), layout);
    else
        DrawNineParts(source, target, link.Rect(), layout);
}

} // namespace brisat
