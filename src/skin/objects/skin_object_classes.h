// The skin object classes below TSeSkinObject. Two families draw bitmaps: TSeBitmapObject (which
// lays out and draws its children after the bitmap) and TSeBitmapSkinObject (which draws no
// children). The state-dependent looks substitute a colour, font or link for one draw only.
#pragma once

#include "skin/objects/caption_button.h"
#include "skin/objects/skin_object.h"

namespace brisat {

// Uses ActiveColor and ActiveFont while the window is active or in the states hot, pressed and
// focused.
class TSeActiveObject : public TSeSkinObject {
public:
    using TSeSkinObject::TSeSkinObject;
    std::string ClassName() const override { return "TSeActiveObject"; }
    void Assign(const TPersistent& source) override;

    TColor ActiveColor() const { return m_activeColor; }
    void SetActiveColor(TColor value) { m_activeColor = value; }
    TFont& ActiveFont() { return m_activeFont; }
    const TFont& ActiveFont() const { return m_activeFont; }

    const TFont& GetFont() const override;
    void ChangeHue(int32_t delta) override;
    void SetCharset(TFontCharset charset) override;

protected:
    const TFont& DrawFont() const override;
    TColor DrawColor() const override;

private:
    bool LooksActive() const;

    TColor m_activeColor = 0;
    TFont m_activeFont;
};

// A bitmap drawn by tiling, stretching, centring or nine parts (with margins), then the caption
// and the children.
class TSeBitmapObject : public TSeSkinObject {
public:
    using TSeSkinObject::TSeSkinObject;
    std::string ClassName() const override { return "TSeBitmapObject"; }
    void Assign(const TPersistent& source) override;

    TKsBitmapLink& Bitmap() { return m_bitmap; }
    const TKsBitmapLink& Bitmap() const { return m_bitmap; }
    TscTileStyle TileStyle() const { return m_tileStyle; }
    void SetTileStyle(TscTileStyle value) { m_tileStyle = value; }
    TscTileStyle BorderTileStyle() const { return m_borderTileStyle; }
    void SetBorderTileStyle(TscTileStyle value) { m_borderTileStyle = value; }

    void Draw(TKsBitmap& target) override;
    std::optional<TRegion> CreateObjectRegion() override;

protected:
    // The link this draw uses.
    virtual const TKsBitmapLink& CurrentLink() const { return m_bitmap; }
    void EnumLinks(const std::function<void(TKsBitmapLink&)>& proc) override { proc(m_bitmap); }
    // The bitmap alone, with the object's margins and styles.
    void DrawLink(TKsBitmap& target, const TKsBitmapLink& link);

private:
    TKsBitmapLink m_bitmap;
    TscTileStyle m_tileStyle = TscTileStyle::tsTile;
    TscTileStyle m_borderTileStyle = TscTileStyle::tsTile;
};

// ActiveBitmap while the window is active or in the states hot and focused.
class TSeActiveBitmap : public TSeBitmapObject {
public:
    using TSeBitmapObject::TSeBitmapObject;
    std::string ClassName() const override { return "TSeActiveBitmap"; }
    void Assign(const TPersistent& source) override;

    TKsBitmapLink& ActiveBitmap() { return m_activeBitmap; }
    const TKsBitmapLink& ActiveBitmap() const { return m_activeBitmap; }
    TFont& ActiveFont() { return m_activeFont; }
    const TFont& ActiveFont() const { return m_activeFont; }

    const TFont& GetFont() const override;
    void SetCharset(TFontCharset charset) override;

protected:
    const TKsBitmapLink& CurrentLink() const override;
    void EnumLinks(const std::function<void(TKsBitmapLink&)>& proc) override;

private:
    TKsBitmapLink m_activeBitmap;
    TFont m_activeFont;
};

// A caption button with hot and pressed bitmaps; its children follow its look (disabled while
// the window is inactive, hot or pressed with the button).
class TSeSystemButton : public TSeActiveBitmap {
public:
    explicit TSeSystemButton(TComponent* owner);
    std::string ClassName() const override { return "TSeSystemButton"; }
    void Assign(const TPersistent& source) override;

    TSeAction Action() const { return m_button.Action; }
    void SetAction(TSeAction value) { m_button.Action = value; }
    TKsBitmapLink& BitmapHot() { return m_bitmapHot; }
    const TKsBitmapLink& BitmapHot() const { return m_bitmapHot; }
    TKsBitmapLink& BitmapPressed() { return m_bitmapPressed; }
    const TKsBitmapLink& BitmapPressed() const { return m_bitmapPressed; }
    TSeButtonState ButtonState() const { return m_button.State; }

    void SetState(TSeState state) override;
    void Draw(TKsBitmap& target) override;
    void MouseEnter() override { m_button.MouseEnter(*this); }
    void MouseLeave() override { m_button.MouseLeave(*this); }
    void MouseDown(TMouseButton b, int32_t, int32_t) override { m_button.MouseDown(*this, b); }
    void MouseMove(TShiftState s, int32_t, int32_t) override { m_button.MouseMove(*this, s); }
    void MouseUp(TMouseButton b, int32_t, int32_t) override { m_button.MouseUp(*this, b, {}); }
    void DblClick(TMouseButton b, int32_t, int32_t) override { m_button.DblClick(*this, b); }

protected:
    const TKsBitmapLink& CurrentLink() const override;
    void EnumLinks(const std::function<void(TKsBitmapLink&)>& proc) override;

private:
    void DrawActive(TKsBitmap& target, const TKsBitmapLink& link, TSeState childState);
    void SetChildrenState(TSeState state);

    TSeCaptionButton m_button;
    TKsBitmapLink m_bitmapHot;
    TKsBitmapLink m_bitmapPressed;
    const TKsBitmapLink* m_drawLink = nullptr;
};

// A push button look: focused, hot, disabled and pressed bitmaps by state.
class TSeButtonObject : public TSeBitmapObject {
public:
    using TSeBitmapObject::TSeBitmapObject;
    std::string ClassName() const override { return "TSeButtonObject"; }
    void Assign(const TPersistent& source) override;

    TKsBitmapLink& BitmapHot() { return m_bitmapHot; }
    TKsBitmapLink& BitmapFocused() { return m_bitmapFocused; }
    TKsBitmapLink& BitmapPressed() { return m_bitmapPressed; }
    TKsBitmapLink& BitmapDisabled() { return m_bitmapDisabled; }

protected:
    const TKsBitmapLink& CurrentLink() const override;
    void EnumLinks(const std::function<void(TKsBitmapLink&)>& proc) override;

private:
    TKsBitmapLink m_bitmapHot;
    TKsBitmapLink m_bitmapFocused;
    TKsBitmapLink m_bitmapPressed;
    TKsBitmapLink m_bitmapDisabled;
};

// Text in a font chosen by state.
class TSeTextObject : public TSeSkinObject {
public:
    using TSeSkinObject::TSeSkinObject;
    std::string ClassName() const override { return "TSeTextObject"; }
    void Assign(const TPersistent& source) override;

    TFont& FontHot() { return m_fontHot; }
    TFont& FontFocused() { return m_fontFocused; }
    TFont& FontPressed() { return m_fontPressed; }
    TFont& FontDisabled() { return m_fontDisabled; }

    const TFont& GetFont() const override;
    void ChangeHue(int32_t delta) override;
    void SetCharset(TFontCharset charset) override;

private:
    TFont m_fontHot;
    TFont m_fontFocused;
    TFont m_fontPressed;
    TFont m_fontDisabled;
};

// Names a control the skinned window places itself; draws nothing.
class TSeLinkSkinObject : public TSeSkinObject {
public:
    using TSeSkinObject::TSeSkinObject;
    std::string ClassName() const override { return "TSeLinkSkinObject"; }
    void Assign(const TPersistent& source) override;

    const std::string& LinkControl() const { return m_linkControl; }
    void SetLinkControl(std::string value) { m_linkControl = std::move(value); }

    void Draw(TKsBitmap&) override {}

private:
    std::string m_linkControl;
};

// A bitmap and its caption, no children drawn.
class TSeBitmapSkinObject : public TSeSkinObject {
public:
    using TSeSkinObject::TSeSkinObject;
    std::string ClassName() const override { return "TSeBitmapSkinObject"; }
    void Assign(const TPersistent& source) override;

    TKsBitmapLink& Bitmap() { return m_bitmap; }
    const TKsBitmapLink& Bitmap() const { return m_bitmap; }
    TscTileStyle TileStyle() const { return m_tileStyle; }
    void SetTileStyle(TscTileStyle value) { m_tileStyle = value; }

    void Draw(TKsBitmap& target) override;
    std::optional<TRegion> CreateObjectRegion() override;

protected:
    virtual const TKsBitmapLink& CurrentLink() const { return m_bitmap; }
    // The style of the nine-part edges; the box classes stream it.
    virtual TscTileStyle EdgeTileStyle() const { return TscTileStyle::tsTile; }
    void EnumLinks(const std::function<void(TKsBitmapLink&)>& proc) override { proc(m_bitmap); }

private:
    TKsBitmapLink m_bitmap;
    TscTileStyle m_tileStyle = TscTileStyle::tsTile;
};

// A window frame part: InactiveBitmap while the window is inactive.
class TSeFormBitmapSkinObject : public TSeBitmapSkinObject {
public:
    using TSeBitmapSkinObject::TSeBitmapSkinObject;
    std::string ClassName() const override { return "TSeFormBitmapSkinObject"; }
    void Assign(const TPersistent& source) override;

    TKsBitmapLink& InactiveBitmap() { return m_inactiveBitmap; }

protected:
    const TKsBitmapLink& CurrentLink() const override;
    void EnumLinks(const std::function<void(TKsBitmapLink&)>& proc) override;

private:
    TKsBitmapLink m_inactiveBitmap;
};

// A caption button of the frame: hover and down bitmaps, or the window icon for sbaSysMenu.
class TSeSysButtonSkinObject : public TSeBitmapSkinObject {
public:
    explicit TSeSysButtonSkinObject(TComponent* owner);
    std::string ClassName() const override { return "TSeSysButtonSkinObject"; }
    void Assign(const TPersistent& source) override;

    TSeAction Action() const { return m_button.Action; }
    void SetAction(TSeAction value) { m_button.Action = value; }
    TKsBitmapLink& BitmapHover() { return m_bitmapHover; }
    TKsBitmapLink& BitmapDown() { return m_bitmapDown; }
    // The name of the roll panel an sbaRollPanel button toggles.
    const std::string& RollPanel() const { return m_rollPanel; }
    void SetRollPanel(std::string value) { m_rollPanel = std::move(value); }
    TSeButtonState ButtonState() const { return m_button.State; }

    void SetState(TSeState state) override;
    void Draw(TKsBitmap& target) override;
    void MouseEnter() override { m_button.MouseEnter(*this); }
    void MouseLeave() override { m_button.MouseLeave(*this); }
    void MouseDown(TMouseButton b, int32_t, int32_t) override { m_button.MouseDown(*this, b); }
    void MouseMove(TShiftState s, int32_t, int32_t) override { m_button.MouseMove(*this, s); }
    void MouseUp(TMouseButton b, int32_t, int32_t) override {
        m_button.MouseUp(*this, b, m_rollPanel);
    }
    void DblClick(TMouseButton b, int32_t, int32_t) override { m_button.DblClick(*this, b); }

protected:
    const TKsBitmapLink& CurrentLink() const override;
    void EnumLinks(const std::function<void(TKsBitmapLink&)>& proc) override;

private:
    TSeCaptionButton m_button;
    TKsBitmapLink m_bitmapHover;
    TKsBitmapLink m_bitmapDown;
    std::string m_rollPanel;
};

// ActiveColor and ActiveFont while hot or focused; repaints on mouse enter and leave.
class TSeActiveSkinObject : public TSeSkinObject {
public:
    using TSeSkinObject::TSeSkinObject;
    std::string ClassName() const override { return "TSeActiveSkinObject"; }
    void Assign(const TPersistent& source) override;

    TColor ActiveColor() const { return m_activeColor; }
    void SetActiveColor(TColor value) { m_activeColor = value; }
    TFont& ActiveFont() { return m_activeFont; }
    const TFont& ActiveFont() const { return m_activeFont; }

    void ChangeHue(int32_t delta) override;
    void MouseEnter() override;
    void MouseLeave() override;

protected:
    const TFont& DrawFont() const override;
    TColor DrawColor() const override;

private:
    bool LooksActive() const;

    TColor m_activeColor = 0;
    TFont m_activeFont;
};

// A plain object with a colour and font for each of the states hot, pressed, focused, disabled.
class TSeColorButtonObject : public TSeSkinObject {
public:
    using TSeSkinObject::TSeSkinObject;
    std::string ClassName() const override { return "TSeColorButtonObject"; }
    void Assign(const TPersistent& source) override;

    TColor HotColor() const { return m_hotColor; }
    void SetHotColor(TColor value) { m_hotColor = value; }
    TFont& HotFont() { return m_hotFont; }
    TColor PressedColor() const { return m_pressedColor; }
    void SetPressedColor(TColor value) { m_pressedColor = value; }
    TFont& PressedFont() { return m_pressedFont; }
    TColor FocusedColor() const { return m_focusedColor; }
    void SetFocusedColor(TColor value) { m_focusedColor = value; }
    TFont& FocusedFont() { return m_focusedFont; }
    TColor DisabledColor() const { return m_disabledColor; }
    void SetDisabledColor(TColor value) { m_disabledColor = value; }
    TFont& DisabledFont() { return m_disabledFont; }

protected:
    const TFont& DrawFont() const override;
    TColor DrawColor() const override;

private:
    TColor m_hotColor = 0;
    TFont m_hotFont;
    TColor m_pressedColor = 0;
    TFont m_pressedFont;
    TColor m_focusedColor = 0;
    TFont m_focusedFont;
    TColor m_disabledColor = 0;
    TFont m_disabledFont;
};

// A bitmap whose nine-part edges have their own tile style.
class TSeBitmapBoxObject : public TSeBitmapSkinObject {
public:
    using TSeBitmapSkinObject::TSeBitmapSkinObject;
    std::string ClassName() const override { return "TSeBitmapBoxObject"; }
    void Assign(const TPersistent& source) override;

    TscTileStyle BorderTileStyle() const { return m_borderTileStyle; }
    void SetBorderTileStyle(TscTileStyle value) { m_borderTileStyle = value; }

protected:
    TscTileStyle EdgeTileStyle() const override { return m_borderTileStyle; }

private:
    TscTileStyle m_borderTileStyle = TscTileStyle::tsTile;
};

// FocusedBitmap while hot or focused.
class TSeActiveBitmapBoxObject : public TSeBitmapBoxObject {
public:
    using TSeBitmapBoxObject::TSeBitmapBoxObject;
    std::string ClassName() const override { return "TSeActiveBitmapBoxObject"; }
    void Assign(const TPersistent& source) override;

    TKsBitmapLink& FocusedBitmap() { return m_focusedBitmap; }

protected:
    const TKsBitmapLink& CurrentLink() const override;
    void EnumLinks(const std::function<void(TKsBitmapLink&)>& proc) override;

private:
    TKsBitmapLink m_focusedBitmap;
};

// A box with hot, focused, pressed and disabled bitmaps by state.
class TSeButtonBitmapBoxObject : public TSeBitmapBoxObject {
public:
    using TSeBitmapBoxObject::TSeBitmapBoxObject;
    std::string ClassName() const override { return "TSeButtonBitmapBoxObject"; }
    void Assign(const TPersistent& source) override;

    TKsBitmapLink& HotBitmap() { return m_hotBitmap; }
    TKsBitmapLink& FocusedBitmap() { return m_focusedBitmap; }
    TKsBitmapLink& PressedBitmap() { return m_pressedBitmap; }
    TKsBitmapLink& DisabledBitmap() { return m_disabledBitmap; }

protected:
    const TKsBitmapLink& CurrentLink() const override;
    void EnumLinks(const std::function<void(TKsBitmapLink&)>& proc) override;

private:
    TKsBitmapLink m_hotBitmap;
    TKsBitmapLink m_focusedBitmap;
    TKsBitmapLink m_pressedBitmap;
    TKsBitmapLink m_disabledBitmap;
};

// A panel that a caption button rolls to RollValue along one axis and back.
class TSeRollPanelObject : public TSeSkinObject {
public:
    using TSeSkinObject::TSeSkinObject;
    std::string ClassName() const override { return "TSeRollPanelObject"; }
    void Assign(const TPersistent& source) override;

    TSeRollKind RollKind() const { return m_rollKind; }
    void SetRollKind(TSeRollKind value) { m_rollKind = value; }
    int32_t RollValue() const { return m_rollValue; }
    void SetRollValue(int32_t value) { m_rollValue = value; }

    // Rolls to RollValue, or back to the size it had before.
    void Toggle();

private:
    TSeRollKind m_rollKind = TSeRollKind::rkLeft;
    int32_t m_rollValue = 0;
    int32_t m_unrolledSize = 0;
};

} // namespace brisat
