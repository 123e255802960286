// The tools the anatomy builds trees with: a builder holding the look and the skin's atlases, and
// helpers that add children, link pieces and set fonts.
#pragma once

#include "skin/objects/skin_object_classes.h"
#include "skin_art/atlas.h"
#include "skin_art/look.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace skin_art {

class TBuilder {
public:
    explicit TBuilder(const TLook& look);

    const TLook& Look;
    const TMetrics M;
    const TPalette P;
    TAtlas Frame{"Frame", 512};
    TAtlas Buttons{"Buttons", 256};
    TAtlas Controls{"Controls", 512};
    // A small transparent piece for objects that only hold text or space.
    TPieceRef Clear;
    std::vector<std::unique_ptr<brisat::TSeSkinObject>> Objects;

    // A new top-level tree of W × H.
    template <class T>
    T& Top(const std::string& name, int width, int height) {
        auto object = std::make_unique<T>(nullptr);
        T& ref = *object;
        ref.SetName(name);
        ref.SetBounds({0, 0, width, height});
        Objects.push_back(std::move(object));
        return ref;
    }
};

// A new child of Parent, W × H before the parent lays it out.
template <class T>
T& Child(brisat::TSeSkinObject& parent, const std::string& name, brisat::TSeAlign align,
         int width = 0, int height = 0) {
    T& child = *new T(&parent); // owned by Parent
    child.SetName(name);
    child.SetAlign(align);
    child.SetBounds({0, 0, width, height});
    return child;
}

brisat::TColor ToColor(uint32_t rgb);
void Link(brisat::TKsBitmapLink& link, const TPieceRef& piece);
void SetFont(brisat::TFont& font, const TFontChoice& choice, uint32_t rgb);
void SetMargins(brisat::TSeSkinObject& object, int left, int top, int right, int bottom);
// The Text child of a control: the fonts of its five states.
brisat::TSeTextObject& AddText(brisat::TSeSkinObject& parent, const TFontChoice& choice,
                               const TTextColors& colors);

// A nine-part box drawn from one piece, every margin Margin, edges and centre tiled.
brisat::TSeBitmapBoxObject& AddBox(brisat::TSeSkinObject& parent, const std::string& name,
                                   const TPieceRef& piece, int margin);

using TStatePiece = std::function<TPieceRef(TState)>;
// Paints each state once, however many objects link it.
TStatePiece Cached(TStatePiece paint);
// A top-level control in the window colour and the controls' font.
brisat::TSeSkinObject& AddControl(TBuilder& b, const char* name, int width, int height,
                                  const TTextColors& text);
// A nine-part box with a bitmap per state: the normal one and each of States (others fall back
// to the normal bitmap).
brisat::TSeButtonBitmapBoxObject& AddStateBox(brisat::TSeSkinObject& parent,
                                              const std::string& name, const TStatePiece& piece,
                                              std::initializer_list<TState> states, int margin);

} // namespace skin_art
