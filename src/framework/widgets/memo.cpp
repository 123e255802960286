#include "framework/widgets/memo.h"

#include "framework/core/store_if_changed.h"
#include "framework/core/utf8.h"

namespace brisat {

TMemo::TMemo(TComponent* owner) : TScrollingControl(owner) {
    SetBounds(0, 0, 185, 89);
    m_lines.OnChange = [this](TStringList&) { LinesChanged(); };
}

void TMemo::SetScrollBars(TScrollStyle style) {
    if (StoreIfChanged(m_scrollBars, style)) RowsChanged();
}

void TMemo::SetWordWrap(bool on) {
    if (StoreIfChanged(m_wordWrap, on)) RowsChanged();
}

TScrollBarShow TMemo::ScrollBarShow() const {
    return m_scrollBars == TScrollStyle::ssVertical || m_scrollBars == TScrollStyle::ssBoth
               ? TScrollBarShow::Always
               : TScrollBarShow::Never;
}

void TMemo::LinesChanged() {
    if (!m_lines.LastChangeAppended()) return RowsChanged();
    // A log line: wrap only the new line, and show it.
    if (m_rowsValid && m_wordWrap) {
        TDeviceContext dc;
        dc.SelectFont(&Font());
        WrapLine(dc, m_lines.Count() - 1, WrapWidth());
    }
    UpdateScrollBar();
    Invalidate();
    MakeRowVisible(RowCount() - 1);
}

int32_t TMemo::WrapWidth() const {
    return ContentRect().Width() - 2 * TextMargin;
}

void TMemo::RowsChanged() {
    m_rowsValid = false;
    UpdateScrollBar();
    Invalidate();
}

void TMemo::Resize() {
    m_rowsValid = false;
    TScrollingControl::Resize();
}

int32_t TMemo::RowCount() const {
    return m_wordWrap ? int32_t(Rows().size()) : m_lines.Count();
}

const std::vector<TMemo::TRow>& TMemo::Rows() const {
    if (m_rowsValid) return m_rows;
    m_rows.clear();
    TDeviceContext dc;
    dc.SelectFont(&Font());
    const int32_t width = WrapWidth();
    for (int32_t i = 0; i < m_lines.Count(); ++i)
        WrapLine(dc, i, width);
    m_rowsValid = true;
    return m_rows;
}

// Greedy wrapping: each row takes as many words as fit; a word wider than the row is cut
// between characters; the spaces at a break stay at the end of the row.
void TMemo::WrapLine(TDeviceContext& dc, int32_t line, int32_t width) const {
    const std::string_view text = m_lines[line];
    size_t start = 0;
    do {
        size_t pos = start, wordEnd = std::string_view::npos;
        while (pos < text.size()) {
            size_t next = pos;
            const char32_t c = DecodeUtf8(text, next);
            // Spaces never overflow a row; a row takes at least one character.
            if (c != U' ' && pos > start &&
                dc.GetTextExtent(text.substr(start, next - start)).cx > width)
                break;
            if (c == U' ') wordEnd = next;
            pos = next;
        }
        const size_t end = pos >= text.size() || wordEnd == std::string_view::npos ? pos : wordEnd;
        m_rows.push_back({line, uint32_t(start), uint32_t(end - start)});
        start = end;
    } while (start < text.size());
}

void TMemo::PaintContent(TDeviceContext& dc, const TRect& content) {
    dc.SelectFont(&Font());
    dc.SetBkMode(TBkMode::Transparent);
    dc.SetTextColor(Enabled() ? Font().Color() : clGrayText);
    const int32_t height = RowHeight(), rows = RowCount();
    for (int32_t row = TopRow(), y = content.Top; row < rows && y < content.Bottom;
         ++row, y += height) {
        std::string_view text;
        if (m_wordWrap) {
            const TRow& r = Rows()[size_t(row)];
            text = std::string_view(m_lines[r.Line]).substr(r.Start, r.Length);
        } else {
            text = m_lines[row];
        }
        dc.TextOut(content.Left + TextMargin, y, text);
    }
}

void TMemo::KeyDown(uint16_t& key, TShiftState shift) {
    TScrollingControl::KeyDown(key, shift);
    const bool ctrl = shift.Contains(TShiftStateKind::ssCtrl);
    switch (key) {
    case VK_UP:
        SetTopRow(TopRow() - 1);
        break;
    case VK_DOWN:
        SetTopRow(TopRow() + 1);
        break;
    case VK_PRIOR:
        SetTopRow(TopRow() - VisibleRows());
        break;
    case VK_NEXT:
        SetTopRow(TopRow() + VisibleRows());
        break;
    case VK_HOME:
        if (ctrl) SetTopRow(0);
        break;
    case VK_END:
        if (ctrl) SetTopRow(RowCount());
        break;
    default:
        return;
    }
    key = 0;
}

void TMemo::WndProc(TMessage& m) {
    if (m.Msg == WM_GETDLGCODE) {
        m.Result = DLGC_WANTARROWS;
        return;
    }
    if (m.Msg == CM_FONTCHANGED || m.Msg == CM_PARENTFONTCHANGED) m_rowsValid = false;
    TScrollingControl::WndProc(m);
}

} // namespace brisat
