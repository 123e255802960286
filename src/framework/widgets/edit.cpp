#include "framework/widgets/edit.h"

#include "framework/core/store_if_changed.h"
#include "framework/windowing/caret.h"
#include "framework/windowing/clipboard.h"
#include "framework/widgets/scroll_bar.h"

#include <algorithm>

namespace brisat {
namespace {

// Shift extends the selection as the caret moves.
TCaretMove CaretMoveFor(TShiftState shift) {
    return shift.Contains(TShiftStateKind::ssShift) ? TCaretMove::Extend : TCaretMove::Collapse;
}

} // namespace

TEdit::TEdit(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 121, 21);
    InitColor(clWindow);
    SetTabStop(true);
    SetCursor(crIBeam);
}

void TEdit::SetReadOnly(bool on) {
    m_readOnly = on;
}

void TEdit::SetPasswordChar(char32_t c) {
    if (!StoreIfChanged(m_passwordChar, c)) return;
    CaretMoved();
    Invalidate();
}

void TEdit::SetBorderStyle(TBorderStyle style) {
    if (StoreIfChanged(m_borderStyle, style)) Invalidate();
}

void TEdit::SetCtl3D(bool on) {
    if (StoreIfChanged(m_ctl3D, on)) Invalidate();
}

void TEdit::Change() {
    if (OnChange) OnChange(*this);
}

TRect TEdit::TextRect() const {
    const int32_t inset = InputBorderWidth(m_borderStyle, m_ctl3D) + TextMargin;
    return InflateRect(ClientRect(), -inset, -inset);
}

std::string TEdit::Shown(size_t count) const {
    count = std::min(count, m_core.Length());
    if (!m_passwordChar) return m_core.Text().Utf8(0, count);
    return ToUtf8(std::u32string(count, m_passwordChar));
}

int32_t TEdit::TextWidth(std::string_view text) const {
    TDeviceContext dc;
    dc.SelectFont(&Font());
    return dc.GetTextExtent(text).cx;
}

int32_t TEdit::LineHeight() const {
    TDeviceContext dc;
    dc.SelectFont(&Font());
    return std::max(1, dc.GetTextMetrics().Height);
}

size_t TEdit::PosAt(int32_t x) const {
    const int32_t target = x - TextRect().Left + m_scroll;
    const auto widthAt = [&](size_t i) { return TextWidth(Shown(i)); };
    // Widths grow with the position: find the first boundary at or right of the target.
    size_t lo = 0, hi = m_core.Length();
    while (lo < hi) {
        const size_t mid = (lo + hi) / 2;
        if (widthAt(mid) < target)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo > 0 && target - widthAt(lo - 1) < widthAt(lo) - target) --lo;
    return lo;
}

void TEdit::SetSelection(size_t start, size_t length) {
    start = std::min(start, m_core.Length());
    m_core.Select(start + std::min(length, m_core.Length() - start), start);
    CaretMoved();
}

void TEdit::MoveCaret(size_t pos, TCaretMove move) {
    m_core.Select(pos, move == TCaretMove::Collapse ? pos : m_core.Anchor());
    CaretMoved();
}

// Scrolls to keep the caret in view, places the platform caret and repaints. Without the focus
// the edit shows the start of its text, wherever the caret is.
void TEdit::CaretMoved() {
    Invalidate();
    if (!Focused()) {
        m_scroll = 0;
        return;
    }
    const TRect area = TextRect();
    const int32_t caretX = TextWidth(Shown(m_core.Caret()));
    const int32_t width = std::max(1, area.Width());
    if (caretX - m_scroll >= width) m_scroll = caretX - width + 1;
    if (caretX < m_scroll) m_scroll = std::max(0, caretX - width / 4);
    m_scroll = std::clamp(m_scroll, 0, std::max(0, TextWidth(Shown(m_core.Length())) - width + 1));
    SetCaretPos(area.Left + caretX - m_scroll, area.Top);
}

void TEdit::SetSelText(std::string_view text) {
    if (!m_readOnly) Edited(m_core.Paste(text));
}

bool TEdit::Undo() {
    if (m_readOnly || !m_core.Undo()) return false;
    Edited(true);
    return true;
}

void TEdit::Edited(bool changed) {
    if (changed) {
        m_editing = true;
        SetCaption(m_core.Text().Utf8());
        m_editing = false;
    }
    CaretMoved();
}

void TEdit::CopyToClipboard() const {
    if (!m_passwordChar && SelLength() > 0) Clipboard().SetAsText(SelText());
}

void TEdit::CutToClipboard() {
    if (m_passwordChar || m_readOnly) return;
    CopyToClipboard();
    SetSelText({});
}

void TEdit::PasteFromClipboard() {
    SetSelText(Clipboard().AsText());
}

void TEdit::Paint() {
    TDeviceContext& dc = *Canvas().Handle();
    if (!Enabled()) dc.FillRect(ClientRect(), clBtnFace);
    DrawInputBorder(dc, ClientRect(), m_borderStyle, m_ctl3D);
    const TRect area = TextRect();
    const std::string shown = Shown(m_core.Length());
    dc.SaveDC();
    dc.IntersectClipRect(area);
    dc.SelectFont(&Font());
    dc.SetBkMode(TBkMode::Transparent);
    dc.SetTextColor(Enabled() ? Font().Color() : clGrayText);
    const int32_t x = area.Left - m_scroll;
    dc.TextOut(x, area.Top, shown);
    if (Focused() && SelLength() > 0) {
        // The selection: the same text in the highlight colours, clipped to its extent.
        const int32_t from = x + TextWidth(Shown(SelStart()));
        const int32_t to = x + TextWidth(Shown(SelStart() + SelLength()));
        const TRect sel{from, area.Top, to, area.Top + LineHeight()};
        dc.IntersectClipRect(sel);
        dc.FillRect(sel, clHighlight);
        dc.SetTextColor(clHighlightText);
        dc.TextOut(x, area.Top, shown);
    }
    dc.RestoreDC();
}

void TEdit::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        MoveCaret(PosAt(x), CaretMoveFor(shift));
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TEdit::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    if (shift.Contains(TShiftStateKind::ssLeft) && MouseCapture())
        MoveCaret(PosAt(x), TCaretMove::Extend);
    TCustomControl::MouseMove(shift, x, y);
}

void TEdit::KeyDown(uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    const TCaretMove move = CaretMoveFor(shift);
    const bool extend = move == TCaretMove::Extend;
    const bool ctrl = shift.Contains(TShiftStateKind::ssCtrl);
    switch (key) {
    case VK_LEFT:
        if (ctrl)
            MoveCaret(m_core.Text().PrevWordStart(m_core.Caret()), move);
        else
            MoveCaret(SelLength() && !extend ? SelStart() : m_core.Caret() - (m_core.Caret() > 0), move);
        break;
    case VK_RIGHT:
        if (ctrl)
            MoveCaret(m_core.Text().NextWordStart(m_core.Caret()), move);
        else
            MoveCaret(SelLength() && !extend ? SelStart() + SelLength() : m_core.Caret() + 1, move);
        break;
    case VK_HOME:
        MoveCaret(0, move);
        break;
    case VK_END:
        MoveCaret(m_core.Length(), move);
        break;
    case VK_BACK:
    case VK_DELETE:
        if (!m_readOnly)
            Edited(key == VK_BACK ? m_core.DeleteBackward() : m_core.DeleteForward());
        break;
    case 'Z':
        if (!ctrl) return;
        Undo();
        break;
    case 'A':
    case 'C':
    case 'X':
    case 'V':
        if (!ctrl) return;
        if (key == 'A') SelectAll();
        if (key == 'C') CopyToClipboard();
        if (key == 'X') CutToClipboard();
        if (key == 'V') PasteFromClipboard();
        break;
    default:
        return;
    }
    key = 0;
}

void TEdit::KeyPress(char32_t& key) {
    TCustomControl::KeyPress(key);
    if (key < 0x20 || key == 0x7F || m_readOnly) return;
    Edited(m_core.Type(key));
}

void TEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case CM_TEXTCHANGED:
        if (!m_editing) {
            m_core.Assign(Caption());
            m_core.Select(0, 0);
            m_scroll = 0;
        }
        TCustomControl::WndProc(m);
        CaretMoved();
        Change();
        return;
    case CM_FONTCHANGED:
        TCustomControl::WndProc(m);
        if (Focused()) CreateCaret(Handle(), 1, LineHeight());
        CaretMoved();
        return;
    default:
        TCustomControl::WndProc(m);
    }
}

void TEdit::DoEnter() {
    CreateCaret(Handle(), 1, LineHeight());
    if (m_autoSelect && !ControlState().Contains(TControlStateKind::csLButtonDown))
        SelectAll();
    CaretMoved();
    ShowCaret(Handle());
    TCustomControl::DoEnter();
}

void TEdit::DoExit() {
    DestroyCaret();
    m_scroll = 0;
    Invalidate();
    TCustomControl::DoExit();
}

} // namespace brisat
