#include "framework/graphics/font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>

namespace brisat {

namespace {

// Slant of synthetic italics: x += 0.2126 × y (16.16), the usual oblique shear.
constexpr FT_Fixed ObliqueShear = 0x0366A;
// Largest height in pixels a face accepts; the engine clamps requests well below it.
constexpr int32_t MaxFaceHeight = 4096;

int32_t Round(double value) {
    return int32_t(std::lround(value));
}

// The vertical extent the platform calls the cell: the Windows ascent and descent of the OS/2
// table when present, otherwise the horizontal header's. Font units.
struct TCellUnits {
    int32_t Ascent;
    int32_t Descent;
};

TCellUnits CellUnits(FT_Face face, const TT_OS2* os2) {
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0)
        return {os2->usWinAscent, os2->usWinDescent};
    if (face->ascender - face->descender > 0) return {face->ascender, -face->descender};
    return {face->units_per_EM, 0};
}

void CopyBitmap(const FT_Bitmap& from, TGlyphBitmap& to) {
    if (from.width == 0 || from.rows == 0) return;
    if (from.pixel_mode != FT_PIXEL_MODE_GRAY && from.pixel_mode != FT_PIXEL_MODE_MONO) return;
    to.Width = int32_t(from.width);
    to.Rows = int32_t(from.rows);
    to.Coverage.resize(size_t(to.Width) * size_t(to.Rows));
    for (int32_t y = 0; y < to.Rows; ++y) {
        // A negative pitch means the rows are stored bottom up.
        const uint8_t* row = from.pitch >= 0
                                 ? from.buffer + ptrdiff_t(y) * from.pitch
                                 : from.buffer + ptrdiff_t(to.Rows - 1 - y) * -from.pitch;
        uint8_t* out = to.Coverage.data() + size_t(y) * size_t(to.Width);
        if (from.pixel_mode == FT_PIXEL_MODE_GRAY) {
            std::memcpy(out, row, size_t(to.Width));
            continue;
        }
        for (int32_t x = 0; x < to.Width; ++x)
            out[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
    }
}

} // namespace

// --- Glyph cache --------------------------------------------------------------------------------

const TGlyphBitmap* TGlyphCache::Find(uint32_t face, uint32_t glyph) const {
    auto it = m_glyphs.find(Key(face, glyph));
    return it == m_glyphs.end() ? nullptr : &it->second;
}

const TGlyphBitmap& TGlyphCache::Insert(uint32_t face, uint32_t glyph, TGlyphBitmap bitmap) {
    size_t bytes = bitmap.Coverage.size() + sizeof(TGlyphBitmap);
    if (m_bytes + bytes > m_budget) Clear();
    m_bytes += bytes;
    return m_glyphs.insert_or_assign(Key(face, glyph), std::move(bitmap)).first->second;
}

void TGlyphCache::Clear() {
    m_glyphs.clear();
    m_bytes = 0;
}

// --- Face ---------------------------------------------------------------------------------------

std::unique_ptr<TFontFace> TFontFace::Open(FT_LibraryRec_* library, const TFaceSource& source,
                                           int32_t height, uint32_t serial, TGlyphCache& cache) {
    if (height == 0 || height < -MaxFaceHeight || height > MaxFaceHeight) return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library, source.File.c_str(), source.Index, &face) != 0) return nullptr;
    std::unique_ptr<TFontFace> result(new TFontFace(face, source, serial, cache));
    if (!result->SetSize(height)) return nullptr;
    return result;
}

TFontFace::TFontFace(FT_FaceRec_* face, const TFaceSource& source, uint32_t serial,
                     TGlyphCache& cache)
    : m_face(face), m_source(source), m_serial(serial), m_cache(cache),
      m_lowGlyphs(LowCodeLimit, Unknown),
      m_advances(size_t(std::max<FT_Long>(face->num_glyphs, 0)), -1) {
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0)
        m_symbolMap = FT_Select_Charmap(face, FT_ENCODING_MS_SYMBOL) == 0;
}

TFontFace::~TFontFace() {
    FT_Done_Face(m_face);
}

bool TFontFace::SetSize(int32_t height) {
    FT_Face face = m_face;
    if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) return false;
    auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    TCellUnits cell = CellUnits(face, os2);
    // A positive height asks for the cell, so the em is the part of it the em square takes.
    double em = height < 0 ? -double(height)
                           : double(height) * face->units_per_EM / (cell.Ascent + cell.Descent);
    FT_F26Dot6 size = std::max<FT_F26Dot6>(64, FT_F26Dot6(std::lround(em * 64)));
    // At 72 dots per inch a point is a pixel.
    if (FT_Set_Char_Size(face, 0, size, 72, 72) != 0) return false;
    if (m_source.Embolden) m_emboldenStrength = std::max<int64_t>(64, size / 24);
    ComputeMetrics(height, em);
    return true;
}

void TFontFace::ComputeMetrics(int32_t height, double em) {
    FT_Face face = m_face;
    auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    TCellUnits cell = CellUnits(face, os2);
    const double scale = em / face->units_per_EM;
    const int32_t boldPixels = int32_t((m_emboldenStrength + 32) >> 6);
    TFaceMetrics& m = m_metrics;

    m.Ascent = std::max(1, Round(cell.Ascent * scale));
    if (height > 0) m.Ascent = std::min(m.Ascent, height);
    m.Descent = height > 0 ? height - m.Ascent : std::max(0, Round(cell.Descent * scale));
    m.Height = m.Ascent + m.Descent;
    m.InternalLeading = std::max(0, m.Height - Round(em));
    // The line gap of the horizontal header beyond what the cell already covers.
    int32_t headerSpan = face->ascender - face->descender;
    int32_t lineGap = face->height - headerSpan;
    m.ExternalLeading =
        std::max(0, Round((lineGap - (cell.Ascent + cell.Descent - headerSpan)) * scale));
    m.MaxCharWidth = Round(face->max_advance_width * scale) + boldPixels;
    if (os2 && os2->version != 0xFFFF && os2->xAvgCharWidth > 0)
        m.AveCharWidth = Round(os2->xAvgCharWidth * scale) + boldPixels;
    else
        m.AveCharWidth = Advance(GlyphIndex(U'x'));
    m.AveCharWidth = std::max(1, m.AveCharWidth);

    m.UnderlineThickness = std::max(1, Round(face->underline_thickness * scale));
    double underlineCentre = -face->underline_position * scale;
    m.UnderlineOffset = Round(underlineCentre - m.UnderlineThickness / 2.0);
    m.UnderlineOffset =
        std::clamp(m.UnderlineOffset, 1, std::max(1, m.Descent - m.UnderlineThickness));
    if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
        m.StrikeOutThickness = std::max(1, Round(os2->yStrikeoutSize * scale));
        m.StrikeOutOffset = -Round(os2->yStrikeoutPosition * scale);
    } else {
        m.StrikeOutThickness = m.UnderlineThickness;
        m.StrikeOutOffset = -std::max(1, m.Ascent * 3 / 10);
    }
}

uint32_t TFontFace::GlyphIndex(char32_t code) {
    auto lookup = [this](char32_t c) -> uint32_t {
        if (!m_symbolMap) return FT_Get_Char_Index(m_face, c);
        // Symbol fonts map their characters at U+F020…U+F0FF.
        if (uint32_t g = FT_Get_Char_Index(m_face, c)) return g;
        return c < 0x100 ? FT_Get_Char_Index(m_face, 0xF000 + c) : 0;
    };
    if (code >= LowCodeLimit) return lookup(code);
    uint32_t& slot = m_lowGlyphs[code];
    if (slot == Unknown) slot = lookup(code);
    return slot;
}

bool TFontFace::LoadOutline(uint32_t glyph) {
    if (FT_Load_Glyph(m_face, glyph, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_NORMAL) != 0) return false;
    FT_GlyphSlot slot = m_face->glyph;
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return true;
    if (m_source.Embolden) FT_Outline_EmboldenXY(&slot->outline, FT_Pos(m_emboldenStrength), 0);
    if (m_source.Oblique) {
        FT_Matrix shear{0x10000, ObliqueShear, 0, 0x10000};
        FT_Outline_Transform(&slot->outline, &shear);
    }
    return true;
}

int32_t TFontFace::SlotAdvance() const {
    int64_t advance = m_face->glyph->advance.x + (m_source.Embolden ? m_emboldenStrength : 0);
    return int32_t(std::max<int64_t>(0, (advance + 32) >> 6));
}

int32_t TFontFace::Advance(uint32_t glyph) {
    if (glyph >= m_advances.size()) return 0;
    int32_t& advance = m_advances[glyph];
    if (advance < 0) advance = LoadOutline(glyph) ? SlotAdvance() : 0;
    return advance;
}

const TGlyphBitmap& TFontFace::Glyph(uint32_t glyph) {
    if (const TGlyphBitmap* hit = m_cache.Find(m_serial, glyph)) return *hit;
    TGlyphBitmap bitmap;
    if (LoadOutline(glyph)) {
        FT_GlyphSlot slot = m_face->glyph;
        if (glyph < m_advances.size()) m_advances[glyph] = SlotAdvance();
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0) {
            CopyBitmap(slot->bitmap, bitmap);
            bitmap.Left = slot->bitmap_left;
            bitmap.Top = slot->bitmap_top;
        }
    }
    ++m_rendered;
    return m_cache.Insert(m_serial, glyph, std::move(bitmap));
}

} // namespace brisat
