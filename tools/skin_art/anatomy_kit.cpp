#include "skin_art/anatomy_kit.h"

#include <map>

namespace skin_art {

using namespace brisat;

TBuilder::TBuilder(const TLook& look) : Look(look), M(look.Metrics()), P(look.Palette()) {
    Clear = Controls.Add(4, 4, [](art_kit::TPainter&) {});
}

TColor ToColor(uint32_t rgb) {
    return TColor((rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF));
}

void Link(TKsBitmapLink& link, const TPieceRef& piece) {
    link.SetName(piece.Bitmap);
    link.SetRect(piece.Rect);
}

void SetFont(TFont& font, const TFontChoice& choice, uint32_t rgb) {
    font.SetName(choice.Name);
    font.SetHeight(choice.Height);
    font.SetStyle(choice.Bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
    font.SetColor(ToColor(rgb));
}

void SetMargins(TSeSkinObject& object, int left, int top, int right, int bottom) {
    object.SetMarginLeft(left);
    object.SetMarginTop(top);
    object.SetMarginRight(right);
    object.SetMarginBottom(bottom);
}

TSeTextObject& AddText(TSeSkinObject& parent, const TFontChoice& choice, const TTextColors& colors) {
    auto& text = Child<TSeTextObject>(parent, "Text", TSeAlign::saNone);
    SetFont(text.Font(), choice, colors.Normal);
    SetFont(text.FontHot(), choice, colors.Hot);
    SetFont(text.FontPressed(), choice, colors.Pressed);
    SetFont(text.FontFocused(), choice, colors.Focused);
    SetFont(text.FontDisabled(), choice, colors.Disabled);
    return text;
}

TSeBitmapBoxObject& AddBox(TSeSkinObject& parent, const std::string& name, const TPieceRef& piece,
                           int margin) {
    auto& box = Child<TSeBitmapBoxObject>(parent, name, TSeAlign::saNone, piece.Rect.Width(),
                                          piece.Rect.Height());
    Link(box.Bitmap(), piece);
    SetMargins(box, margin, margin, margin, margin);
    return box;
}

TSeButtonBitmapBoxObject& AddStateBox(TSeSkinObject& parent, const std::string& name,
                                      const TStatePiece& piece,
                                      std::initializer_list<TState> states, int margin) {
    const TPieceRef normal = piece(TState::Normal);
    auto& box = Child<TSeButtonBitmapBoxObject>(parent, name, TSeAlign::saNone,
                                                normal.Rect.Width(), normal.Rect.Height());
    Link(box.Bitmap(), normal);
    for (TState state : states) {
        const TPieceRef ref = piece(state);
        switch (state) {
        case TState::Hot: Link(box.HotBitmap(), ref); break;
        case TState::Pressed: Link(box.PressedBitmap(), ref); break;
        case TState::Focused: Link(box.FocusedBitmap(), ref); break;
        case TState::Disabled: Link(box.DisabledBitmap(), ref); break;
        case TState::Normal: break;
        }
    }
    SetMargins(box, margin, margin, margin, margin);
    return box;
}

TStatePiece Cached(TStatePiece paint) {
    auto cache = std::make_shared<std::map<TState, TPieceRef>>();
    return [paint = std::move(paint), cache](TState state) {
        auto it = cache->find(state);
        if (it == cache->end()) it = cache->emplace(state, paint(state)).first;
        return it->second;
    };
}

TSeSkinObject& AddControl(TBuilder& b, const char* name, int width, int height,
                          const TTextColors& text) {
    auto& control = b.Top<TSeSkinObject>(name, width, height);
    control.SetColor(ToColor(b.P.Window));
    SetFont(control.Font(), b.M.Font, text.Normal);
    return control;
}

} // namespace skin_art
