// TTextLayout: the lines and glyph positions of the device context's text calls. It reads
// accelerator prefixes, explicit and word-wrapped line breaks, tab stops, the end ellipsis and
// the visual order of right-to-left reading from the DrawText format. Positions are pixels from
// each line's left edge.
//
// A layout keeps its buffers between Build calls, so laying out text of a size seen before
// allocates nothing. GUI thread only, as the faces it measures with.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace brisat {

class TFontFace;

struct TLayoutGlyph {
    // Glyph to draw; NoGlyph for a tab, which only moves the pen.
    uint32_t Glyph;
    int32_t X;
    int32_t Advance;
    // The character followed a single "&" and is underlined unless prefixes are hidden.
    bool Accelerator;

    static constexpr uint32_t NoGlyph = 0xFFFFFFFFu;
};

struct TLayoutLine {
    size_t First; // index of the line's first glyph
    size_t Count;
    int32_t Width;
};

class TTextLayout {
public:
    // Lays out UTF-8 Text in Face. Format holds DT_ flags; DT_SINGLELINE, DT_WORDBREAK,
    // DT_EXPANDTABS, DT_NOPREFIX, DT_END_ELLIPSIS and DT_RTLREADING matter here. MaxWidth is the
    // width lines wrap at and are shortened to. There is always at least one line.
    void Build(std::string_view text, uint32_t format, int32_t maxWidth, TFontFace& face);

    std::span<const TLayoutLine> Lines() const { return m_lines; }
    std::span<const TLayoutGlyph> LineGlyphs(const TLayoutLine& line) const {
        return std::span<const TLayoutGlyph>(m_glyphs).subspan(line.First, line.Count);
    }
    // Width of the widest line.
    int32_t Width() const { return m_width; }

private:
    struct TChar {
        char32_t Code;
        uint32_t Glyph;
        int32_t Advance;
        bool Accelerator;
    };

    void Decode(std::string_view text);
    // Whether a character is the accelerator, drawn underlined.
    enum class TCharMark : uint8_t { Plain, Accelerator };
    void Push(char32_t code, TCharMark mark);
    void Paragraph(size_t first, size_t last);
    void Wrap(size_t first, size_t last);
    void EmitLine(size_t first, size_t last);
    void Ellipsize();
    void Reorder();
    int32_t NextX(int32_t x, const TChar& c) const;
    int32_t Measure(std::span<const TChar> chars) const;

    TFontFace* m_face = nullptr;
    uint32_t m_format = 0;
    int32_t m_maxWidth = 0;
    int32_t m_tabWidth = 0;
    int32_t m_width = 0;
    std::vector<TChar> m_chars;    // the whole text in logical order
    std::vector<TChar> m_line;     // one line, logical then visual order
    std::vector<char32_t> m_codes; // the line's code points, for the bidirectional levels
    std::vector<uint8_t> m_levels;
    std::vector<TLayoutGlyph> m_glyphs;
    std::vector<TLayoutLine> m_lines;
};

} // namespace brisat
