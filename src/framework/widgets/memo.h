// TMemo: a multi-line text view for logs: Lines shown from the top row down in the control's
// font, optionally wrapped at the client width (at spaces, or inside a word longer than a row),
// with the classic vertical scroll bar. A line added at the end scrolls into view. The keys
// scroll: arrows by a row, Page Up / Page Down by a page, Ctrl+Home / Ctrl+End to the ends. It
// does not edit its text. GUI thread only.
#pragma once

#include "framework/widgets/scroll_bar.h"
#include "framework/core/string_list.h"

#include <vector>

namespace brisat {

enum class TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TScrollingControl {
public:
    explicit TMemo(TComponent* owner);

    std::string ClassName() const override { return "TMemo"; }

    TStringList& Lines() { return m_lines; }
    const TStringList& Lines() const { return m_lines; }
    // The lines, each followed by a line feed.
    std::string Text() const { return m_lines.Text(); }
    void SetText(std::string_view text) { m_lines.SetText(text); }
    // A vertical bar is shown for ssVertical and ssBoth; nothing scrolls sideways.
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle style);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool on);
    // The first row shown (a row is a line, or a part of one while wrapping).
    int32_t TopRow() const { return TScrollingControl::TopRow(); }
    int32_t RowCount() const override;

    static constexpr int32_t TextMargin = 1;

protected:
    int32_t RowHeight() const override { return FontLineHeight(); }
    TScrollBarShow ScrollBarShow() const override;
    void PaintContent(TDeviceContext& dc, const TRect& content) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void WndProc(TMessage& message) override;
    void Resize() override;

private:
    struct TRow {
        int32_t Line = 0;
        uint32_t Start = 0; // bytes into the line
        uint32_t Length = 0;
    };
    void LinesChanged();
    void RowsChanged();
    // Rebuilt only when read after a change.
    const std::vector<TRow>& Rows() const;
    void WrapLine(TDeviceContext& dc, int32_t line, int32_t width) const;
    int32_t WrapWidth() const;

    TStringList m_lines;
    TScrollStyle m_scrollBars = TScrollStyle::ssNone;
    bool m_wordWrap = true;
    mutable std::vector<TRow> m_rows;
    mutable bool m_rowsValid = false;
};

} // namespace brisat
