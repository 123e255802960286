// TSeSkinObject: one rectangle of a skin tree. A tree describes how a window or a control looks:
// each object has a kind, an alignment inside its parent, a colour, a font, an optional caption
// and (in the bitmap classes) a link into the skin's bitmaps. Clients clone a tree, bind it to
// their control, place it with SetBounds, set its state and let it Draw into a TKsBitmap.
//
// Children are the owned components that are skin objects, in creation order. Left, Top, Width
// and Height of every object, children included, are in the coordinates of the bitmap the tree
// is drawn into. The skin's bitmap list is shared and never owned; links and fonts are owned.
// GUI thread only.
#pragma once

#include "framework/controls/control.h"
#include "framework/core/component.h"
#include "framework/core/font.h"
#include "framework/core/types.h"
#include "framework/graphics/region.h"
#include "skin/bitmap/bitmap_link.h"
#include "skin/objects/skin_object_types.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisat {

class ISkinnedForm;
class TKsBitmap;
class TKsBitmapList;

class TSeSkinObject : public TComponent {
public:
    explicit TSeSkinObject(TComponent* owner);
    ~TSeSkinObject() override;

    std::string ClassName() const override { return "TSeSkinObject"; }
    // Deep copy from another skin object: the persistent fields, the bitmap list and clones of
    // the children (replacing this object's own). Run-time fields are not copied.
    void Assign(const TPersistent& source) override;

    // --- Persistent properties, in stream order
    // ---------------------------------------------------
    TSeAlign Align() const { return m_align; }
    void SetAlign(TSeAlign value) { m_align = value; }
    TColor Color() const { return m_color; }
    void SetColor(TColor value) { m_color = value; }
    bool DrawIfOwner() const { return m_drawIfOwner; }
    void SetDrawIfOwner(bool value) { m_drawIfOwner = value; }
    TFont& Font() { return m_font; }
    const TFont& Font() const { return m_font; }
    TSeKind Kind() const { return m_kind; }
    void SetKind(TSeKind value) { m_kind = value; }
    int32_t Left() const { return m_left; }
    int32_t Top() const { return m_top; }
    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }
    // Each goes through SetBounds.
    void SetLeft(int32_t value);
    void SetTop(int32_t value);
    void SetWidth(int32_t value);
    void SetHeight(int32_t value);
    int32_t MarginLeft() const { return m_marginLeft; }
    void SetMarginLeft(int32_t value) { m_marginLeft = value; }
    int32_t MarginRight() const { return m_marginRight; }
    void SetMarginRight(int32_t value) { m_marginRight = value; }
    int32_t MarginTop() const { return m_marginTop; }
    void SetMarginTop(int32_t value) { m_marginTop = value; }
    int32_t MarginBottom() const { return m_marginBottom; }
    void SetMarginBottom(int32_t value) { m_marginBottom = value; }
    TSeTextAlign TextAlign() const { return m_textAlign; }
    void SetTextAlign(TSeTextAlign value) { m_textAlign = value; }
    TSeTextEffect TextEffect() const { return m_textEffect; }
    void SetTextEffect(TSeTextEffect value) { m_textEffect = value; }
    int32_t TextMarginLeft() const { return m_textMarginLeft; }
    void SetTextMarginLeft(int32_t value) { m_textMarginLeft = value; }
    int32_t TextMarginRight() const { return m_textMarginRight; }
    void SetTextMarginRight(int32_t value) { m_textMarginRight = value; }
    int32_t TextMarginTop() const { return m_textMarginTop; }
    void SetTextMarginTop(int32_t value) { m_textMarginTop = value; }
    // The children as component records (written last); setting it reads records and adds the
    // skin objects among them as children.
    std::vector<uint8_t> Objects() const;
    void SetObjects(const std::vector<uint8_t>& records);
    // The children as nested object blocks: only while writing the editable text form.
    void GetChildren(const std::function<void(TComponent&)>& proc) const override;

    // --- Run-time fields ------------------------------------------------------------------------
    bool Visible() const { return m_visible; }
    void SetVisible(bool value) { m_visible = value; }
    // When clear the caption is drawn grey.
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value) { m_enabled = value; }
    bool WindowActive() const { return m_windowActive; }
    TSeState State() const { return m_state; }
    const std::string& Text() const { return m_text; }
    void SetText(std::string value) { m_text = std::move(value); }
    const std::string& ShortCutText() const { return m_shortCutText; }
    void SetShortCutText(std::string value) { m_shortCutText = std::move(value); }
    TControl* Control() const { return m_control; }
    TSeBiDiMode BiDiMode() const { return m_biDiMode; }
    TKsBitmapList* Bitmaps() const { return m_bitmaps; }
    // The size the children were last laid out for: anchored children keep their distance to
    // the right and bottom edges as the size changes from it.
    int32_t PreviousWidth() const { return m_previousWidth; }
    int32_t PreviousHeight() const { return m_previousHeight; }

    // --- Children
    // ----------------------------------------------------------------------------------
    // The owned components that are skin objects, in order; walking them allocates nothing.
    class TChildRange {
    public:
        class iterator {
        public:
            iterator(const TComponent& owner, int index) : m_owner(&owner), m_index(index) {
                Settle();
            }
            TSeSkinObject* operator*() const;
            iterator& operator++() {
                ++m_index;
                Settle();
                return *this;
            }
            bool operator==(const iterator& other) const { return m_index == other.m_index; }

        private:
            // Moves on to the next component that is a skin object, or to the end.
            void Settle();
            const TComponent* m_owner;
            int m_index;
        };
        explicit TChildRange(const TComponent& owner) : m_owner(owner) {}
        iterator begin() const { return iterator(m_owner, 0); }
        iterator end() const { return iterator(m_owner, m_owner.ComponentCount()); }
        bool empty() const { return begin() == end(); }

    private:
        const TComponent& m_owner;
    };
    TChildRange Children() const { return TChildRange(*this); }
    int ChildCount() const;
    // Raises EListError out of range.
    TSeSkinObject& Child(int index) const;
    // The skin object this one is a child of, or nullptr.
    TSeSkinObject* Parent() const;
    TSeSkinObject& Root();

    // --- Tree operations (recursive over the children)
    // -------------------------------------------- Nothing when Rect equals the bounds; otherwise
    // remembers the previous size, takes Rect (negative extents become 0) and lays out the
    // children.
    void SetBounds(const TRect& rect);
    TRect BoundsRect() const { return Bounds(m_left, m_top, m_width, m_height); }
    // Places the visible children by their Align, in seven passes.
    void Realign();
    // Draw of every visible child of positive size.
    void DrawChildren(TKsBitmap& target);
    // Text and ShortCutText in the draw font; Text "-" is a separator line.
    void DrawCaption(TKsBitmap& target);
    // WindowActive on the whole tree; nothing when unchanged here.
    void SetActive(bool active);
    // Binds every object to Control (nullptr unbinds), with its right-to-left mode.
    void SetControl(TControl* control, TSeBiDiMode mode = TSeBiDiMode::bdLeftToRight);
    void SetBitmaps(TKsBitmapList* bitmaps);
    // Depth-first, this object first; names compared ignoring case. nullptr when none.
    TSeSkinObject* FindObject(std::string_view name);
    TSeSkinObject* FindObjectByKind(TSeKind kind);
    // The deepest visible object at P (the later of overlapping children); nullptr outside.
    TSeSkinObject* ObjectAtPoint(TPoint point);
    // The shape of the tree: nullopt when empty or of no size.
    std::optional<TRegion> CreateRegion();
    // Asks the bound control to repaint this object (when visible and bound).
    void Invalidate();
    // The skinned form of the bound control's window, or nullptr.
    ISkinnedForm* GetForm() const;
    // The font the object draws its own text in for its current state: a control drawing text
    // on the object in that state uses it, so the text keeps the colour the skin chose for it.
    const TFont& StateFont() const { return DrawFont(); }

    // --- Virtual operations
    // ------------------------------------------------------------------------- The font the object
    // draws its text in for its state.
    virtual const TFont& GetFont() const { return m_font; }
    // Stores the state here and on every descendant.
    virtual void SetState(TSeState state);
    // Re-links every bitmap link of the tree to the attached bitmap list; a link whose bitmap
    // is not in the list keeps its old value.
    virtual void ResolveBitmaps();
    // Paints the tree; nothing when invisible or of no size.
    virtual void Draw(TKsBitmap& target);
    // This object's own shape, without the children; nullopt for none.
    virtual std::optional<TRegion> CreateObjectRegion();
    // Rotates the hue of the colours the skin's hue control covers, on the whole tree.
    virtual void ChangeHue(int32_t delta);
    // Mouse coordinates are relative to the object's top-left corner.
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void MouseDown(TMouseButton, int32_t, int32_t) {}
    virtual void MouseMove(TShiftState, int32_t, int32_t) {}
    virtual void MouseUp(TMouseButton, int32_t, int32_t) {}
    virtual void DblClick(TMouseButton, int32_t, int32_t) {}
    // Gives the fonts of the whole tree the character set.
    virtual void SetCharset(TFontCharset charset);

protected:
    // The font and colour this draw uses: the state looks substitute them.
    virtual const TFont& DrawFont() const { return GetFont(); }
    virtual TColor DrawColor() const { return m_color; }
    // Every bitmap link of this object (not the children), for ResolveBitmaps.
    virtual void EnumLinks(const std::function<void(TKsBitmapLink&)>&) {}
    // Fill and caption, as a plain object draws itself before its children.
    void DrawPlain(TKsBitmap& target);
    void Notification(TComponent& component, TOperation operation) override;

private:
    void ApplyActive(bool active);
    void CloneChildrenOf(const TSeSkinObject& source);

    TSeAlign m_align = TSeAlign::saNone;
    TColor m_color = clWhite;
    bool m_drawIfOwner = false;
    TFont m_font;
    TSeKind m_kind = TSeKind::skNone;
    int32_t m_left = 0;
    int32_t m_top = 0;
    int32_t m_width = 0;
    int32_t m_height = 0;
    int32_t m_marginLeft = 0;
    int32_t m_marginRight = 0;
    int32_t m_marginTop = 0;
    int32_t m_marginBottom = 0;
    TSeTextAlign m_textAlign = TSeTextAlign::taLeft;
    TSeTextEffect m_textEffect = TSeTextEffect::teNone;
    int32_t m_textMarginLeft = 0;
    int32_t m_textMarginRight = 0;
    int32_t m_textMarginTop = 0;

    bool m_visible = true;
    bool m_enabled = true;
    bool m_windowActive = false;
    TSeState m_state = ssNormal;
    std::string m_text;
    std::string m_shortCutText;
    TControl* m_control = nullptr;
    TSeBiDiMode m_biDiMode = TSeBiDiMode::bdLeftToRight;
    TKsBitmapList* m_bitmaps = nullptr;
    int32_t m_previousWidth = 0;
    int32_t m_previousHeight = 0;
};

// A new object of Object's registered class, a deep copy by Assign; nullptr when the class is not
// registered. Without owner the caller owns the copy; with one, the owner does.
std::unique_ptr<TSeSkinObject> CloneObject(const TSeSkinObject& object);
TSeSkinObject* CloneObject(const TSeSkinObject& object, TComponent& owner);

} // namespace brisat
