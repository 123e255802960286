#include "framework/widgets/edit.h"

#include "framework/core/store_if_changed.h"
#include "framework/windowing/caret.h"
#include "framework/windowing/clipboard.h"
#include "framework/widgets/scroll_bar.h"
#include "framework/core/utf8.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace brisat {
namespace {

size_t CodePoints(std::string_view text) {
    size_t n = 0;
    for (size_t at = 0; at < text.size(); ++n)
        DecodeUtf8(text, at);
    return n;
}

// The first code points of Text, at most Count.
std::string_view Leading(std::string_view text, size_t count) {
    size_t at = 0;
    for (; at < text.size() && count > 0; --count)
        DecodeUtf8(text, at);
    return text.substr(0, at);
}

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

std::string TEdit::Shown() const {
    if (!m_passwordChar) return Text();
    std::string mask;
    AppendUtf8(mask, m_passwordChar);
    std::string shown;
    for (size_t n = CodePoints(Text()); n > 0; --n)
        shown += mask;
    return shown;
}

size_t TEdit::ShownOffset(size_t pos) const {
    if (!m_passwordChar) return pos;
    std::string mask;
    AppendUtf8(mask, m_passwordChar);
    return CodePoints(std::string_view(Text()).substr(0, pos)) * mask.size();
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

size_t TEdit::NextPos(size_t pos) const {
    if (pos < Text().size()) DecodeUtf8(Text(), pos);
    return pos;
}

size_t TEdit::PrevPos(size_t pos) const {
    size_t at = 0, prev = 0;
    while (at < pos && at < Text().size()) {
        prev = at;
        DecodeUtf8(Text(), at);
    }
    return prev;
}

size_t TEdit::PosAt(int32_t x) const {
    const std::string shown = Shown();
    std::vector<size_t> bounds{0};
    for (size_t at = 0; at < Text().size();) {
        DecodeUtf8(Text(), at);
        bounds.push_back(at);
    }
    const int32_t target = x - TextRect().Left + m_scroll;
    const auto widthAt = [&](size_t i) {
        return TextWidth(std::string_view(shown).substr(0, ShownOffset(bounds[i])));
    };
    // Widths grow with the offset: find the first boundary at or right of the target.
    size_t lo = 0, hi = bounds.size() - 1;
    while (lo < hi) {
        const size_t mid = (lo + hi) / 2;
        if (widthAt(mid) < target)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo > 0 && target - widthAt(lo - 1) < widthAt(lo) - target) --lo;
    return bounds[lo];
}

void TEdit::SetSelection(size_t start, size_t length) {
    const size_t size = Text().size();
    start = std::min(start, size);
    const size_t end = start + std::min(length, size - start);
    // PrevPos(p + 1) is the character start at or before p.
    m_anchor = start < size ? PrevPos(start + 1) : size;
    m_caret = end < size ? PrevPos(end + 1) : size;
    CaretMoved();
}

void TEdit::MoveCaret(size_t pos, TCaretMove move) {
    m_caret = pos;
    if (move == TCaretMove::Collapse) m_anchor = pos;
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
    const std::string shown = Shown();
    const int32_t caretX = TextWidth(std::string_view(shown).substr(0, ShownOffset(m_caret)));
    const int32_t width = std::max(1, area.Width());
    if (caretX - m_scroll >= width) m_scroll = caretX - width + 1;
    if (caretX < m_scroll) m_scroll = std::max(0, caretX - width / 4);
    m_scroll = std::clamp(m_scroll, 0, std::max(0, TextWidth(shown) - width + 1));
    SetCaretPos(area.Left + caretX - m_scroll, area.Top);
}

void TEdit::SetSelText(std::string_view text) {
    if (m_readOnly) return;
    text = text.substr(0, std::min(text.find_first_of("\r\n"), text.size()));
    const std::string valid = ValidUtf8(text);
    std::string_view insert = valid;
    const std::string& current = Text();
    const size_t start = SelStart(), length = SelLength();
    if (m_maxLength > 0) {
        const size_t kept = CodePoints(current) - CodePoints(SelText());
        insert = Leading(insert, kept >= size_t(m_maxLength) ? 0 : size_t(m_maxLength) - kept);
    }
    std::string next = current.substr(0, start);
    next.append(insert).append(current, start + length);
    m_caret = m_anchor = start + insert.size();
    m_editing = true;
    SetCaption(next);
    m_editing = false;
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
    const std::string shown = Shown();
    dc.SaveDC();
    dc.IntersectClipRect(area);
    dc.SelectFont(&Font());
    dc.SetBkMode(TBkMode::Transparent);
    dc.SetTextColor(Enabled() ? Font().Color() : clGrayText);
    const int32_t x = area.Left - m_scroll;
    dc.TextOut(x, area.Top, shown);
    if (Focused() && SelLength() > 0) {
        // The selection: the same text in the highlight colours, clipped to its extent.
        const std::string_view view = shown;
        const int32_t from = x + TextWidth(view.substr(0, ShownOffset(SelStart())));
        const int32_t to = x + TextWidth(view.substr(0, ShownOffset(SelStart() + SelLength())));
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
        MoveCaret(SelLength() && !extend ? SelStart() : PrevPos(m_caret), move);
        break;
    case VK_RIGHT:
        MoveCaret(SelLength() && !extend ? SelStart() + SelLength() : NextPos(m_caret), move);
        break;
    case VK_HOME:
        MoveCaret(0, move);
        break;
    case VK_END:
        MoveCaret(Text().size(), move);
        break;
    case VK_BACK:
    case VK_DELETE:
        if (SelLength() == 0)
            m_anchor = key == VK_BACK ? PrevPos(m_caret) : NextPos(m_caret);
        SetSelText({});
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
    if (key < 0x20 || key == 0x7F) return;
    std::string typed;
    AppendUtf8(typed, key);
    SetSelText(typed);
}

void TEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case CM_TEXTCHANGED:
        if (!m_editing) {
            m_anchor = m_caret = 0;
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
