#include "framework/graphics/text_layout.h"

#include "framework/graphics/device_context.h"
#include "framework/graphics/font_face.h"
#include "framework/graphics/text_bidi.h"
#include "framework/core/utf8.h"

#include <algorithm>

namespace brisat {

namespace {

constexpr char32_t LineBreak = '\n';
constexpr char32_t Tab = '\t';
// Pen positions saturate here: text that long is far outside any surface anyway.
constexpr int32_t MaxX = 1 << 30;
// Tab stops every this many average character widths, as the platform's default.
constexpr int32_t TabCharacters = 8;
// Buffers beyond this many entries are given back when a smaller text comes, so one huge text
// does not pin its memory for the rest of the run.
constexpr size_t KeptCapacity = 1 << 16;

template <class T> void Release(std::vector<T>& v) {
    std::vector<T>().swap(v);
}

bool IsBreakSpace(char32_t code) {
    return code == ' ' || code == Tab;
}

} // namespace

void TTextLayout::Build(std::string_view text, uint32_t format, int32_t maxWidth, TFontFace& face) {
    m_face = &face;
    m_format = format;
    m_maxWidth = maxWidth;
    m_tabWidth = TabCharacters * face.Metrics().AveCharWidth;
    m_width = 0;
    if (m_chars.capacity() > KeptCapacity && text.size() < KeptCapacity) {
        Release(m_chars), Release(m_line), Release(m_codes), Release(m_levels);
        Release(m_glyphs), Release(m_lines);
    }
    m_chars.clear();
    m_glyphs.clear();
    m_lines.clear();
    Decode(text);
    // Paragraphs end at line breaks; a break at the very end starts no further line.
    size_t start = 0;
    for (size_t i = 0; i <= m_chars.size(); ++i) {
        bool end = i == m_chars.size();
        if (!end && m_chars[i].Code != LineBreak) continue;
        if (end && start == i && !m_lines.empty()) break;
        Paragraph(start, i);
        start = i + 1;
    }
}

void TTextLayout::Decode(std::string_view text) {
    const bool prefixes = !(m_format & DT_NOPREFIX);
    const bool singleLine = m_format & DT_SINGLELINE;
    bool accelerator = false;
    for (size_t pos = 0; pos < text.size();) {
        char32_t code = DecodeUtf8(text, pos);
        if (code == '&' && prefixes) {
            if (pos < text.size() && text[pos] == '&') {
                ++pos; // "&&" is a literal "&"
            } else {
                accelerator = pos < text.size();
                continue;
            }
        }
        if (code == '\r' || code == '\n') {
            if (code == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
            accelerator = false;
            if (!singleLine) Push(LineBreak, TCharMark::Plain);
            continue;
        }
        // Other control characters (and tabs that are not expanded) take no room and draw
        // nothing, rather than showing missing-glyph boxes.
        if ((code < 0x20 && !(code == Tab && (m_format & DT_EXPANDTABS))) || code == 0x7F) continue;
        Push(code, accelerator ? TCharMark::Accelerator : TCharMark::Plain);
        accelerator = false;
    }
}

void TTextLayout::Push(char32_t code, TCharMark mark) {
    const bool accelerator = mark == TCharMark::Accelerator;
    if (code == LineBreak || code == Tab) {
        m_chars.push_back({code, TLayoutGlyph::NoGlyph, 0, accelerator});
        return;
    }
    uint32_t glyph = m_face->GlyphIndex(code);
    m_chars.push_back({code, glyph, m_face->Advance(glyph), accelerator});
}

int32_t TTextLayout::NextX(int32_t x, const TChar& c) const {
    if (c.Code == Tab)
        return m_tabWidth > 0 ? std::min(MaxX, (x / m_tabWidth + 1) * m_tabWidth) : x;
    return std::min(MaxX, x + c.Advance);
}

int32_t TTextLayout::Measure(std::span<const TChar> chars) const {
    int32_t x = 0;
    for (const TChar& c : chars)
        x = NextX(x, c);
    return x;
}

void TTextLayout::Paragraph(size_t first, size_t last) {
    if ((m_format & DT_WORDBREAK) && !(m_format & DT_SINGLELINE))
        Wrap(first, last);
    else
        EmitLine(first, last);
}

// Lines break at the last space that lets the line fit; a word longer than the line breaks
// where it no longer fits. Spaces at a break belong to neither line. Every line takes at least
// one character, so a line narrower than any character still makes progress.
void TTextLayout::Wrap(size_t first, size_t last) {
    size_t start = first;
    do {
        int32_t x = 0;
        size_t i = start, lastSpace = start;
        for (; i < last; ++i) {
            const TChar& c = m_chars[i];
            if (IsBreakSpace(c.Code)) {
                lastSpace = i; // spaces may hang past the edge: they are trimmed
            } else if (i > start && NextX(x, c) > m_maxWidth) {
                break;
            }
            x = NextX(x, c);
        }
        if (i == last) {
            EmitLine(start, last);
            return;
        }
        size_t end = lastSpace > start ? lastSpace : i;
        size_t next = end;
        while (end > start && IsBreakSpace(m_chars[end - 1].Code))
            --end;
        while (next < last && IsBreakSpace(m_chars[next].Code))
            ++next;
        EmitLine(start, end);
        start = next;
    } while (start < last);
}

void TTextLayout::EmitLine(size_t first, size_t last) {
    m_line.assign(m_chars.begin() + ptrdiff_t(first), m_chars.begin() + ptrdiff_t(last));
    if ((m_format & DT_END_ELLIPSIS) && Measure(m_line) > m_maxWidth) Ellipsize();
    const bool rightToLeft = m_format & DT_RTLREADING;
    if (rightToLeft || std::any_of(m_line.begin(), m_line.end(), [](const TChar& c) {
            return BidiClassOf(c.Code) == TBidiClass::Right;
        }))
        Reorder();
    TLayoutLine line{m_glyphs.size(), m_line.size(), 0};
    int32_t x = 0;
    for (const TChar& c : m_line) {
        int32_t next = NextX(x, c);
        m_glyphs.push_back({c.Glyph, x, next - x, c.Accelerator});
        x = next;
    }
    line.Width = x;
    m_width = std::max(m_width, x);
    m_lines.push_back(line);
}

// Keeps the longest start of the line that still fits with "..." after it.
void TTextLayout::Ellipsize() {
    uint32_t dotGlyph = m_face->GlyphIndex('.');
    TChar dot{'.', dotGlyph, m_face->Advance(dotGlyph), false};
    int32_t dots = 3 * dot.Advance;
    int32_t x = 0;
    size_t keep = 0;
    for (; keep < m_line.size(); ++keep) {
        int32_t next = NextX(x, m_line[keep]);
        if (next + dots > m_maxWidth) break;
        x = next;
    }
    m_line.resize(keep);
    m_line.insert(m_line.end(), 3, dot);
}

void TTextLayout::Reorder() {
    m_codes.resize(m_line.size());
    m_levels.resize(m_line.size());
    for (size_t i = 0; i < m_line.size(); ++i)
        m_codes[i] = m_line[i].Code;
    ResolveBidiLevels(m_codes, m_levels, m_format & DT_RTLREADING);
    for (size_t i = 0; i < m_line.size(); ++i) {
        TChar& c = m_line[i];
        char32_t mirrored = (m_levels[i] & 1) ? MirroredBracket(c.Code) : c.Code;
        if (mirrored == c.Code) continue;
        c.Code = mirrored;
        c.Glyph = m_face->GlyphIndex(mirrored);
        c.Advance = m_face->Advance(c.Glyph);
    }
    ForEachBidiReversal(m_levels, [this](size_t first, size_t last) {
        std::reverse(m_line.begin() + ptrdiff_t(first), m_line.begin() + ptrdiff_t(last));
    });
}

} // namespace brisat
