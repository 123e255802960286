#include "skin_controls/ks_custom_edit.h"

#include "framework/core/store_if_changed.h"
#include "framework/windowing/caret.h"
#include "framework/windowing/clipboard.h"
#include "framework/controls/menu.h"
#include "skin_controls/property_range.h"

namespace brisat {
namespace {

bool Has(TShiftState shift, TShiftStateKind kind) {
    return shift.Contains(kind);
}

// Ctrl alone: not with Alt or Shift.
bool CtrlOnly(TShiftState shift) {
    return Has(shift, TShiftStateKind::ssCtrl) && !Has(shift, TShiftStateKind::ssAlt) &&
           !Has(shift, TShiftStateKind::ssShift);
}

} // namespace

TKsCustomEdit::TKsCustomEdit(TComponent* owner) : TKsCustomControl(owner) {
    SetBounds(Left(), Top(), 121, 21);
    InitColor(clWindow);
    SetTabStop(true);
    SetCursor(crIBeam);
    ControlStyle().Include(TControlStyleKind::csCaptureMouse);
    ControlStyle().Include(TControlStyleKind::csDoubleClicks);
    SetBorderStyle(TBorderStyle::bsSingle);
    AdjustHeight();
}

TKsCustomEdit::~TKsCustomEdit() {
    if (m_caretCreated) DestroyCaret();
}

void TKsCustomEdit::SetText(const std::string& text) {
    if (!ValidateText(text)) {
        m_core.Assign(m_text);
        return;
    }
    TEditText decoded;
    decoded.Assign(text);
    std::u32string chars = decoded.Chars();
    if (m_charCase != TEditCharCase::ecNormal)
        MapCase(chars, m_charCase == TEditCharCase::ecUpperCase ? TCaseMapping::Upper
                                                                : TCaseMapping::Lower);
    std::string stored = ToUtf8(chars);
    const bool changed = stored != m_text;
    m_text = std::move(stored);
    m_core.Assign(m_text);
    if (m_firstVisible > int32_t(m_core.Length()) + 1) m_firstVisible = 1;
    Invalidate();
    if (changed) Change();
}

void TKsCustomEdit::Change() {
    if (OnChange) OnChange(*this);
}

void TKsCustomEdit::SetCharCase(TEditCharCase value) {
    m_charCase = value;
    SetText(m_text);
}

void TKsCustomEdit::SetHideSelection(bool value) {
    if (StoreIfChanged(m_hideSelection, value)) Invalidate();
}

void TKsCustomEdit::SetMaxLength(int32_t value) {
    CheckPropertyRange("MaxLength", value);
    m_core.SetMaxLength(size_t(value));
}

void TKsCustomEdit::SetPasswordChar(char32_t value) {
    m_passwordChar = value;
    if (value != 0) m_passwordKind = TPasswordKind::pkChar;
    Invalidate();
}

void TKsCustomEdit::SetPasswordKind(TPasswordKind value) {
    if (StoreIfChanged(m_passwordKind, value)) Invalidate();
}

void TKsCustomEdit::SetTextAlignment(TAlignment value) {
    if (StoreIfChanged(m_textAlignment, value)) Invalidate();
}

void TKsCustomEdit::SetAutoSize(bool value) {
    m_autoSize = value;
    AdjustHeight();
}

void TKsCustomEdit::AdjustHeight() {
    if (m_autoSize) SetBounds(Left(), Top(), Width(), 2 * GetTextRect().Top + TextHeight());
}

void TKsCustomEdit::DoSetBorderStyle(TBorderStyle value) {
    TKsCustomControl::DoSetBorderStyle(value);
    AdjustHeight();
}

void TKsCustomEdit::CMFontChanged(TMessage& message) {
    TKsCustomControl::CMFontChanged(message);
    AdjustHeight();
    if (m_caretCreated) {
        HideEditCaret();
        ShowEditCaret();
    }
}

// --- Caret and selection -------------------------------------------------------------------

void TKsCustomEdit::SetCaret(int32_t p) {
    m_core.Select(size_t(std::max(p, 0)), m_core.Anchor());
    ScrollToCaret();
    Invalidate();
    PlaceSystemCaret();
}

void TKsCustomEdit::PlaceCaret(int32_t p) {
    const size_t at = std::min(size_t(std::max(p, 0)), m_core.Length());
    m_core.Select(at, at);
    SetCaret(int32_t(at));
}

void TKsCustomEdit::SelectRange(int32_t start, int32_t length) {
    const int32_t caret = std::clamp(start, 0, int32_t(m_core.Length()));
    m_core.Select(size_t(caret), size_t(std::max(caret + length, 0)));
    SetCaret(caret);
}

void TKsCustomEdit::SelectAll() {
    SelectRange(0, int32_t(m_core.Length()));
}

void TKsCustomEdit::SelectWord() {
    m_selecting = false;
    const TEditText& text = m_core.Text();
    const size_t start = text.WordStartAt(m_core.Caret());
    const size_t end = text.NextWordStart(start);
    m_core.Select(end, start);
    SetCaret(int32_t(end));
}

void TKsCustomEdit::PlaceSystemCaret() {
    if (m_caretCreated) SetCaretPos(CaretX(Caret()), GetTextRect().Top);
}

void TKsCustomEdit::ShowEditCaret() {
    if (!HandleAllocated()) return;
    CreateCaret(Handle(), 1, TextHeight());
    m_caretCreated = true;
    PlaceSystemCaret();
    ::brisat::ShowCaret(Handle());
}

void TKsCustomEdit::HideEditCaret() {
    if (m_caretCreated) DestroyCaret();
    m_caretCreated = false;
}

// --- Editing -------------------------------------------------------------------------------

void TKsCustomEdit::Edited(bool changed) {
    if (changed) SetText(m_core.Text().Utf8());
    SetCaret(Caret());
}

void TKsCustomEdit::CopyToClipboard() {
    if (!IsPassword() && m_core.SelLength() > 0) Clipboard().SetAsText(m_core.SelText());
}

void TKsCustomEdit::CutToClipboard() {
    CopyToClipboard();
    ClearSelection();
}

void TKsCustomEdit::ClearSelection() {
    if (!m_readOnly) Edited(m_core.ClearSelection());
}

void TKsCustomEdit::PasteFromClipboard() {
    if (!m_readOnly) Edited(m_core.Paste(Clipboard().AsText()));
}

bool TKsCustomEdit::Undo() {
    if (m_readOnly || !m_core.Undo()) return false;
    Edited(true);
    return true;
}

// --- Keyboard ------------------------------------------------------------------------------

void TKsCustomEdit::KeyDown(uint16_t& key, TShiftState shift) {
    TKsCustomControl::KeyDown(key, shift);
    const bool shifted = Has(shift, TShiftStateKind::ssShift);
    const bool ctrl = Has(shift, TShiftStateKind::ssCtrl);
    const int32_t old = Caret();
    int32_t target = -1;
    switch (key) {
    case VK_BACK:
    case VK_DELETE:
        if (m_readOnly) break;
        if (m_core.SelLength() > 0)
            shifted ? CutToClipboard() : ClearSelection();
        else
            Edited(key == VK_BACK ? m_core.DeleteBackward() : m_core.DeleteForward());
        break;
    case VK_END:
        target = int32_t(m_core.Length());
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_LEFT:
        target = ctrl ? int32_t(m_core.Text().PrevWordStart(m_core.Caret())) : std::max(old - 1, 0);
        break;
    case VK_RIGHT:
        target = ctrl ? int32_t(m_core.Text().NextWordStart(m_core.Caret())) : old + 1;
        break;
    case VK_INSERT:
        if (ctrl && !shifted) CopyToClipboard();
        if (shifted && !ctrl) PasteFromClipboard();
        break;
    case 'C':
    case 'V':
    case 'X':
    case 'Z':
        if (!CtrlOnly(shift)) return;
        if (key == 'C') CopyToClipboard();
        if (key == 'V') PasteFromClipboard();
        if (key == 'X') CutToClipboard();
        if (key == 'Z') Undo();
        break;
    default:
        return;
    }
    if (target >= 0) {
        // With Shift the far end of the selection stays; without, the selection goes.
        if (shifted)
            SetCaret(target);
        else
            PlaceCaret(target);
    }
    key = 0;
}

void TKsCustomEdit::KeyPress(char32_t& key) {
    TKsCustomControl::KeyPress(key);
    if (key < 0x20 || key == 0x7F || m_readOnly) return;
    Edited(m_core.Type(key));
}

// --- Mouse ---------------------------------------------------------------------------------

void TKsCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TKsCustomControl::MouseDown(button, shift, x, y);
    // The press of a double click belongs to the word selection it made.
    if (button != TMouseButton::mbLeft || Has(shift, TShiftStateKind::ssDouble)) return;
    m_selecting = true;
    if (CanFocus() && !TWinControl::Focused()) SetFocus();
    PlaceCaret(CharFromX(x));
}

void TKsCustomEdit::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    TKsCustomControl::MouseMove(shift, x, y);
    if (!m_selecting) return;
    // Past the right edge the caret goes one further, so a drag scrolls the text.
    SetCaret(CharFromX(x) + (x > GetTextRect().Right ? 1 : 0));
}

void TKsCustomEdit::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (button == TMouseButton::mbLeft) m_selecting = false;
    TKsCustomControl::MouseUp(button, shift, x, y);
}

void TKsCustomEdit::DblClick() {
    TKsCustomControl::DblClick();
    SelectWord();
}

// --- Focus and messages --------------------------------------------------------------------

void TKsCustomEdit::FocusEnter() {
    TKsCustomControl::FocusEnter();
    ShowEditCaret();
    PlaceCaret(0);
    if (m_autoSelect) SelectAll();
}

void TKsCustomEdit::FocusExit() {
    TKsCustomControl::FocusExit();
    HideEditCaret();
    Invalidate();
}

void TKsCustomEdit::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_CUT:
        CutToClipboard();
        return;
    case WM_COPY:
        CopyToClipboard();
        return;
    case WM_PASTE:
        PasteFromClipboard();
        return;
    case WM_UNDO:
        message.Result = Undo() ? 1 : 0;
        return;
    default:
        TKsCustomControl::WndProc(message);
    }
}

void TKsCustomEdit::Loaded() {
    TKsCustomControl::Loaded();
    MakeContextMenu();
}

} // namespace brisat
