// TFontFace: one installed font file loaded with FreeType at one pixel height and style, with the
// platform-style metrics of that size, cached character-to-glyph lookups, advances, and rendered
// grey-scale glyphs (kept in the engine's TGlyphCache).
//
// Faces are made and owned by TFontEngine and, like it, are used only on the GUI thread.
#pragma once

#include "framework/graphics/device_context.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct FT_FaceRec_;
struct FT_LibraryRec_;

namespace brisat {

// Pixel metrics of a face at its size: the platform's text metrics (Height is the line height
// of DrawText) and the underline and strike-out strokes, each as its top row relative to the
// baseline (positive below) and thickness.
struct TFaceMetrics : TTextMetric {
    int32_t UnderlineOffset = 1;
    int32_t UnderlineThickness = 1;
    int32_t StrikeOutOffset = 0;
    int32_t StrikeOutThickness = 1;
};

// An anti-aliased glyph image: Width × Rows coverage bytes (0 none … 255 full), rows top down
// without padding. Placed with its top-left at (pen X + Left, baseline − Top).
struct TGlyphBitmap {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Rows = 0;
    std::vector<uint8_t> Coverage;
};

// Rendered glyphs of all faces, keyed by face serial (file + size + style) and glyph index.
// Bounded by a byte budget: when a new glyph would pass it, the cache is emptied first, so a
// reference handed out stays valid only until the next Insert or Clear.
class TGlyphCache {
public:
    explicit TGlyphCache(size_t budgetBytes) : m_budget(budgetBytes) {}

    const TGlyphBitmap* Find(uint32_t face, uint32_t glyph) const;
    const TGlyphBitmap& Insert(uint32_t face, uint32_t glyph, TGlyphBitmap bitmap);
    void Clear();
    size_t Count() const { return m_glyphs.size(); }
    size_t Bytes() const { return m_bytes; }

private:
    static uint64_t Key(uint32_t face, uint32_t glyph) { return uint64_t(face) << 32 | glyph; }

    std::unordered_map<uint64_t, TGlyphBitmap> m_glyphs;
    size_t m_bytes = 0;
    size_t m_budget;
};

// Which file a face comes from and the styles FreeType has to synthesise because the file
// lacks them.
struct TFaceSource {
    std::string File;
    int32_t Index = 0; // face within a collection file
    std::string Family;
    bool Embolden = false;
    bool Oblique = false;
};

class TFontFace {
public:
    // Loads Source at Height pixels (negative: em height; positive: cell height, ascent +
    // descent; 0 is not accepted). Returns nullptr when the file cannot be opened or is not a
    // scalable font FreeType can size.
    static std::unique_ptr<TFontFace> Open(FT_LibraryRec_* library, const TFaceSource& source,
                                           int32_t height, uint32_t serial, TGlyphCache& cache);
    ~TFontFace();
    TFontFace(const TFontFace&) = delete;
    TFontFace& operator=(const TFontFace&) = delete;

    const TFaceSource& Source() const { return m_source; }
    const TFaceMetrics& Metrics() const { return m_metrics; }
    // Glyph of a Unicode code point; 0 (the missing-glyph box) when the face has none.
    uint32_t GlyphIndex(char32_t code);
    // Advance width in whole pixels, synthetic bold included.
    int32_t Advance(uint32_t glyph);
    // The rendered glyph; valid until the next Glyph call on any face of the same engine.
    const TGlyphBitmap& Glyph(uint32_t glyph);
    // Glyphs this face has rendered so far (a warm cache renders none).
    uint64_t RenderedGlyphs() const { return m_rendered; }

private:
    TFontFace(FT_FaceRec_* face, const TFaceSource& source, uint32_t serial, TGlyphCache& cache);
    bool SetSize(int32_t height);
    void ComputeMetrics(int32_t height, double emPixels);
    // Loads (hinted, synthesised) the outline of Glyph into the face's slot; false on error.
    bool LoadOutline(uint32_t glyph);
    int32_t SlotAdvance() const;

    FT_FaceRec_* m_face;
    TFaceSource m_source;
    uint32_t m_serial;
    TGlyphCache& m_cache;
    TFaceMetrics m_metrics;
    int64_t m_emboldenStrength = 0;    // 26.6 pixels
    bool m_symbolMap = false;          // the face only has a symbol character map (U+F0xx)
    std::vector<uint32_t> m_lowGlyphs; // glyph of each code point below LowCodeLimit, lazily
    std::vector<int32_t> m_advances;   // per glyph index, −1 until measured
    uint64_t m_rendered = 0;

    static constexpr char32_t LowCodeLimit = 0x500; // Latin, Greek and Cyrillic
    static constexpr uint32_t Unknown = 0xFFFFFFFFu;
};

} // namespace brisat
