// TEdit: a single-line text editor in the classic look. A caret and a selection (mouse drags,
// Shift with the arrows, Home and End, Ctrl+A), typed UTF-8 text, Backspace and Delete, and the
// clipboard (Ctrl+C, Ctrl+X, Ctrl+V; a paste keeps its first line), Ctrl+Left and Ctrl+Right by
// words and Ctrl+Z undoing step by step. Text longer than the box scrolls sideways to keep the
// caret in view. OnChange follows every change of Text, typed or set. Positions count
// characters (code points) of the UTF-8 text. GUI thread only.
#pragma once

#include "framework/widgets/control_styles.h"
#include "framework/controls/win_control.h"
#include "framework/widgets/edit_core.h"

#include <string_view>

namespace brisat {

// How a move of an edit's caret treats the selection: Extend keeps its other end where it is,
// Collapse empties it.
enum class TCaretMove : uint8_t { Collapse, Extend };

class TEdit : public TCustomControl {
public:
    explicit TEdit(TComponent* owner);

    std::string ClassName() const override { return "TEdit"; }

    // The caption; setting it from outside puts the caret at the start.
    const std::string& Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    // Characters (code points) the user may enter; 0 is no limit. Text set by the program is not
    // cut.
    int32_t MaxLength() const { return int32_t(m_core.MaxLength()); }
    void SetMaxLength(int32_t length) { m_core.SetMaxLength(size_t(std::max(length, 0))); }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool on);
    // Shown instead of every character when not 0; such text is never copied out.
    char32_t PasswordChar() const { return m_passwordChar; }
    void SetPasswordChar(char32_t c);
    // Selects all when the focus arrives other than by a click.
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool on) { m_autoSelect = on; }
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool on);

    size_t SelStart() const { return m_core.SelStart(); }
    size_t SelLength() const { return m_core.SelLength(); }
    // Selects Length characters from Start (both clamped to the text); the caret goes to the end.
    void SetSelection(size_t start, size_t length);
    void SelectAll() { SetSelection(0, m_core.Length()); }
    std::string SelText() const { return m_core.SelText(); }
    // Replaces the selection as a paste would (ReadOnly and MaxLength apply).
    void SetSelText(std::string_view text);
    void CopyToClipboard() const;
    void CutToClipboard();
    void PasteFromClipboard();
    // Reverts the last editing step; false when there is none (or the edit is read-only).
    bool Undo();

    TNotifyEvent OnChange;

    static constexpr int32_t TextMargin = 1;

protected:
    virtual void Change();
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void WndProc(TMessage& message) override;
    void DoEnter() override;
    void DoExit() override;
    // The text area: inside the border and its margin.
    TRect TextRect() const;

private:
    // The first Count characters as shown (masked for passwords).
    std::string Shown(size_t count) const;
    int32_t TextWidth(std::string_view text) const;
    int32_t LineHeight() const;
    // The text position nearest to client x.
    size_t PosAt(int32_t x) const;
    void MoveCaret(size_t pos, TCaretMove move);
    void CaretMoved();
    // Publishes the core's text after an editing step that changed it.
    void Edited(bool changed);

    TEditCore m_core;
    bool m_readOnly = false;
    char32_t m_passwordChar = 0;
    bool m_autoSelect = true;
    TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
    bool m_ctl3D = true;
    int32_t m_scroll = 0; // pixels of text scrolled out at the left
    bool m_editing = false;
};

} // namespace brisat
