// TKsCustomEdit: a single-line text editor drawn into the control's buffer. It places its own
// caret, selects with the mouse and Shift, scrolls sideways, edits through the shared edit core
// (typing, deleting, clipboard, grouped undo), masks passwords with characters or shapes and
// offers Undo/Cut/Copy/Paste/Delete/Select All in a context menu. Positions count characters;
// FirstVisible is the 1-based first character shown. GUI thread only.
#pragma once

#include "framework/widgets/edit_core.h"
#include "skin_controls/ks_animation.h"
#include "skin_controls/ks_custom_control.h"

#include <memory>
#include <string>

namespace brisat {

class TPopupMenu;
class TMenuItem;

enum class TEditCharCase : uint8_t { ecNormal, ecUpperCase, ecLowerCase };
enum class TPasswordKind : uint8_t { pkNone, pkChar, pkRect, pkRoundRect, pkCircle, pkTriangle };

// The popup settings an edit copies to its context menu before it opens.
struct TKsPopupMenuSettings {
    bool DropShadow = true;
    int32_t ShowAnimationTime = 300;
    int32_t BlendValue = 150;
    int32_t ShadowWidth = 4;
    TKsAnimation ShowAnimation = TKsAnimation::kaNone;
    bool Blend = false;
};

class TKsCustomEdit : public TKsCustomControl {
public:
    explicit TKsCustomEdit(TComponent* owner);
    ~TKsCustomEdit() override;
    std::string ClassName() const override { return "TKsCustomEdit"; }

    // The edit's text (a pick-only combo box reads its item instead).
    virtual std::string Text() const { return m_text; }
    // Runs ValidateText; accepted text is stored in CharCase and OnChange follows a difference.
    void SetText(const std::string& text);
    TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(TEditCharCase value);
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool value) { m_autoSelect = value; }
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool value);
    // Characters; 0 is no limit. Negative values raise EInvalidOperation.
    int32_t MaxLength() const { return int32_t(m_core.MaxLength()); }
    void SetMaxLength(int32_t value);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool value) { m_readOnly = value; }
    char32_t PasswordChar() const { return m_passwordChar; }
    // Non-zero also sets PasswordKind pkChar.
    void SetPasswordChar(char32_t value);
    TPasswordKind PasswordKind() const { return m_passwordKind; }
    void SetPasswordKind(TPasswordKind value);
    TAlignment TextAlignment() const { return m_textAlignment; }
    void SetTextAlignment(TAlignment value);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    TKsPopupMenuSettings& PopupMenuSettings() { return m_popupSettings; }
    const TKsPopupMenuSettings& PopupMenuSettings() const { return m_popupSettings; }

    // The caret is the number of characters before it; the selection runs from it to
    // Caret + SelLength.
    int32_t Caret() const { return int32_t(m_core.Caret()); }
    int32_t SelLength() const { return int32_t(m_core.Anchor()) - int32_t(m_core.Caret()); }
    int32_t SelStart() const { return int32_t(m_core.SelStart()); }
    std::string SelText() const { return m_core.SelText(); }
    int32_t FirstVisible() const { return m_firstVisible; }
    // Caret at Start, Length characters selected after it.
    void SelectRange(int32_t start, int32_t length);
    const TEditActionStack& UndoHistory() const { return m_core.History(); }

    void SelectAll();
    void SelectWord();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void ClearSelection();
    bool Undo();

    // The menu made when loading finished (or on first use), or nullptr.
    TPopupMenu* ContextMenu() const { return m_contextMenu.get(); }

    TNotifyEvent OnChange;

protected:
    // --- geometry and drawing
    virtual TRect GetTextRect() const;
    // The width of one password cell, at least 1.
    virtual int32_t GetCharWidth() const;
    virtual TRect GetSelectionRect() const;
    virtual void PaintText();
    virtual void PaintBackground(const TRect& rect, TKsBitmap& bitmap);
    virtual void PaintSelectedText();
    virtual void PaintPasswordCell(const TRect& rect, bool selected);
    virtual bool ValidateText(const std::string&) { return true; }
    // The context menu and its items (the plain menu here; skinned edits make skinned ones).
    virtual std::unique_ptr<TPopupMenu> CreateContextMenu();
    virtual TMenuItem& CreateMenuItem(TPopupMenu& menu);
    // Enables the items for the current state and copies the popup settings.
    virtual void PrepareContextMenu();
    virtual void ShowEditCaret();
    virtual void HideEditCaret();
    virtual void Change();

    void PaintBuffer() override;
    void FocusEnter() override;
    void FocusExit() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    // The skinned frame has a hot look: entering and leaving repaint.
    void MouseEnter() override { Invalidate(); }
    void MouseLeave() override { Invalidate(); }
    void DblClick() override;
    void WndProc(TMessage& message) override;
    void WMContextMenu(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void DoSetBorderStyle(TBorderStyle value) override;
    void Loaded() override;

    // The x of the boundary before character P (0-based), as drawn.
    int32_t CaretX(int32_t p) const;
    // The boundary nearest to X (0-based), from FirstVisible.
    int32_t CharFromX(int32_t x) const;
    // Moves the caret to P keeping the selection's far end; scrolls and repaints.
    void SetCaret(int32_t p);
    // Moves the caret and drops the selection.
    void PlaceCaret(int32_t p);
    int32_t TextHeight() const;
    bool IsPassword() const { return m_passwordKind != TPasswordKind::pkNone; }
    bool ShowsSelection() const { return Focused() || !m_hideSelection; }
    const TEditCore& Core() const { return m_core; }
    // Re-applies the automatic height.
    void AdjustHeight();

private:
    // Publishes the core's text after an editing step that changed it.
    void Edited(bool changed);
    int32_t Advance(char32_t c) const;
    // The width of characters [From, To) (0-based), or more than Limit when it passes it.
    int32_t SpanWidth(int32_t from, int32_t to, int32_t limit) const;
    int32_t AlignOffset() const;
    void ScrollToCaret();
    // The shown characters in Color, clipped to the text rectangle.
    void DrawVisibleText(TColor color);
    void PlaceSystemCaret();
    void MakeContextMenu();

    TEditCore m_core;
    std::string m_text;
    bool m_selecting = false;
    int32_t m_firstVisible = 1;
    bool m_autoSelect = true;
    TEditCharCase m_charCase = TEditCharCase::ecNormal;
    bool m_hideSelection = true;
    bool m_readOnly = false;
    char32_t m_passwordChar = 0;
    TAlignment m_textAlignment = TAlignment::taLeftJustify;
    TPasswordKind m_passwordKind = TPasswordKind::pkNone;
    TKsPopupMenuSettings m_popupSettings;
    bool m_autoSize = true;
    bool m_caretCreated = false;
    std::unique_ptr<TPopupMenu> m_contextMenu;
};

} // namespace brisat
