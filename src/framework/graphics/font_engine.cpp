#include "framework/graphics/font_engine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include "framework/core/font.h"
#include "framework/core/utf8.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace brisat {

namespace {

// Faces kept loaded; one more starts the caches afresh (a skin uses a handful of fonts).
constexpr size_t MaxFaces = 32;
// Bytes of rendered glyph images kept.
constexpr size_t GlyphBudget = 16u << 20;
// Candidates tried per request, in each of the two tiers (with and without Cyrillic).
constexpr size_t MaxCandidates = 4;

struct TPatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using TPattern = std::unique_ptr<FcPattern, TPatternDeleter>;
struct TFontSetDeleter {
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};

const FcChar8* Utf8(const char* text) {
    return reinterpret_cast<const FcChar8*>(text);
}

bool CoversCyrillic(const FcPattern* font) {
    FcCharSet* set = nullptr;
    if (FcPatternGetCharSet(font, FC_CHARSET, 0, &set) != FcResultMatch) return false;
    for (char32_t c : {U'А', U'Я', U'а', U'я', U'Ё', U'ё'})
        if (!FcCharSetHasChar(set, c)) return false;
    return true;
}

struct TQuery {
    std::string Name;
    int32_t PixelSize;
    bool Bold, Italic, Fixed, Cyrillic;
};

TPattern QueryPattern(const TQuery& q) {
    TPattern p(FcPatternCreate());
    if (!p) return p;
    if (!q.Name.empty()) FcPatternAddString(p.get(), FC_FAMILY, Utf8(q.Name.c_str()));
    if (q.Fixed) {
        FcPatternAddString(p.get(), FC_FAMILY, Utf8("monospace"));
        FcPatternAddInteger(p.get(), FC_SPACING, FC_MONO);
    }
    FcPatternAddInteger(p.get(), FC_WEIGHT, q.Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(p.get(), FC_SLANT, q.Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(p.get(), FC_SCALABLE, FcTrue);
    FcPatternAddDouble(p.get(), FC_PIXEL_SIZE, q.PixelSize);
    if (q.Cyrillic) {
        FcLangSet* langs = FcLangSetCreate();
        FcLangSetAdd(langs, Utf8("ru"));
        FcPatternAddLangSet(p.get(), FC_LANG, langs);
        FcLangSetDestroy(langs);
    }
    // The configuration adds aliases ("Tahoma" → sans-serif) and generic fallbacks.
    FcConfigSubstitute(nullptr, p.get(), FcMatchPattern);
    FcDefaultSubstitute(p.get());
    return p;
}

// The file of a sorted match and the styles it lacks. Nullopt for bitmap-only fonts.
std::optional<TFaceSource> SourceOf(FcPattern* query, FcPattern* font, const TQuery& q) {
    TPattern prepared(FcFontRenderPrepare(nullptr, query, font));
    if (!prepared) return std::nullopt;
    FcChar8* file = nullptr;
    if (FcPatternGetString(prepared.get(), FC_FILE, 0, &file) != FcResultMatch) return {};
    FcBool scalable = FcTrue;
    FcPatternGetBool(prepared.get(), FC_SCALABLE, 0, &scalable);
    if (!scalable) return std::nullopt;
    TFaceSource source;
    source.File = reinterpret_cast<const char*>(file);
    int index = 0;
    FcPatternGetInteger(prepared.get(), FC_INDEX, 0, &index);
    // The file's own weight and slant: the prepared pattern already carries the synthesised
    // ones. A variable font lists ranges there, and its prepared instance decides.
    int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
    if (FcPatternGetInteger(font, FC_WEIGHT, 0, &weight) != FcResultMatch)
        FcPatternGetInteger(prepared.get(), FC_WEIGHT, 0, &weight);
    if (FcPatternGetInteger(font, FC_SLANT, 0, &slant) != FcResultMatch)
        FcPatternGetInteger(prepared.get(), FC_SLANT, 0, &slant);
    FcChar8* family = nullptr;
    if (FcPatternGetString(prepared.get(), FC_FAMILY, 0, &family) == FcResultMatch)
        source.Family = reinterpret_cast<const char*>(family);
    source.Index = index;
    source.Embolden = q.Bold && weight < FC_WEIGHT_DEMIBOLD;
    source.Oblique = q.Italic && slant == FC_SLANT_ROMAN;
    return source;
}

// Installed faces for the query, best first. When Cyrillic is wanted, the faces covering it come
// before the others, which remain as a last resort.
std::vector<TFaceSource> Candidates(const TQuery& q) {
    std::vector<TFaceSource> covering, others;
    TPattern query = QueryPattern(q);
    if (!query) return {};
    FcResult result = FcResultNoMatch;
    std::unique_ptr<FcFontSet, TFontSetDeleter> set(
        FcFontSort(nullptr, query.get(), FcFalse, nullptr, &result));
    if (!set) return {};
    for (int i = 0; i < set->nfont && covering.size() < MaxCandidates; ++i) {
        FcPattern* font = set->fonts[i];
        bool covers = !q.Cyrillic || CoversCyrillic(font);
        auto& tier = covers ? covering : others;
        if (tier.size() >= MaxCandidates) continue;
        if (auto source = SourceOf(query.get(), font, q)) tier.push_back(std::move(*source));
    }
    covering.insert(covering.end(), others.begin(), others.end());
    return covering;
}

int32_t NormalHeight(int32_t height) {
    // Height 0 asks for the default size, as the platform's font mapper does.
    static const int32_t defaultHeight = TFont().Height();
    if (height == 0) return defaultHeight;
    return std::clamp(height, -TFontEngine::MaxPixelHeight, TFontEngine::MaxPixelHeight);
}

} // namespace

TFontEngine& TFontEngine::Instance() {
    static TFontEngine engine;
    return engine;
}

TFontEngine::TFontEngine() : m_glyphs(GlyphBudget) {
    FcInit();
    if (FT_Init_FreeType(&m_library) != 0) m_library = nullptr;
}

TFontEngine::~TFontEngine() {
    m_resolved.clear();
    m_faces.clear();
    m_glyphs.Clear();
    if (m_library) FT_Done_FreeType(m_library);
    // Releases Fontconfig's configuration; the engine is its only user.
    FcFini();
}

TFontFace* TFontEngine::Face(const TFont& font) {
    TFontStyles style = font.Style();
    uint8_t styleBits =
        style.Bits() & (uint8_t(TFontStyle::fsBold) | uint8_t(TFontStyle::fsItalic));
    TRequest request{font.Name(), NormalHeight(font.Height()), styleBits, font.Charset(),
                     uint8_t(font.Pitch())};
    if (auto it = m_resolved.find(request); it != m_resolved.end()) return it->second;
    if (m_faces.size() >= MaxFaces) {
        m_resolved.clear();
        m_faces.clear();
        m_glyphs.Clear();
    }
    TFontFace* face = Load(request);
    m_resolved.emplace(TRequestKey{std::string(request.Name), request.Height, request.Style,
                                   request.Charset, request.Pitch},
                       face);
    return face;
}

TFontFace* TFontEngine::Load(const TRequest& request) {
    if (!m_library) return nullptr;
    ++m_queries;
    TQuery query{ValidUtf8(request.Name),
                 std::abs(request.Height),
                 (request.Style & uint8_t(TFontStyle::fsBold)) != 0,
                 (request.Style & uint8_t(TFontStyle::fsItalic)) != 0,
                 request.Pitch == uint8_t(TFontPitch::fpFixed),
                 request.Charset != SYMBOL_CHARSET};
    for (const TFaceSource& source : Candidates(query))
        if (TFontFace* face = OpenFace(source, request.Height)) return face;
    return nullptr;
}

TFontFace* TFontEngine::OpenFace(const TFaceSource& source, int32_t height) {
    TFaceKey key{source.File, source.Index, height, source.Embolden, source.Oblique};
    if (auto it = m_faces.find(key); it != m_faces.end()) return it->second.get();
    auto face = TFontFace::Open(m_library, source, height, m_nextSerial++, m_glyphs);
    if (!face) return nullptr;
    return m_faces.emplace(std::move(key), std::move(face)).first->second.get();
}

} // namespace brisat
