// TFontEngine: turns a TFont into a loaded face. Fontconfig picks the installed file for the
// font's name, weight, slant, pitch and charset; FreeType loads it at the font's height. Names
// with no installed family ("MS Sans Serif", "Tahoma") fall to Fontconfig's sans-serif choice,
// and every charset but SYMBOL_CHARSET must cover Cyrillic, so Russian captions never show
// missing-glyph boxes. Bold or italic the file lacks is synthesised (emboldened outlines, slant).
//
// GUI thread only: the engine, its faces and its glyph cache are unsynchronised, and one shared
// FreeType library serves every face.
#pragma once

#include "framework/graphics/font_face.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>

namespace brisat {

class TFont;

class TFontEngine {
public:
    // The process's engine, created on first use.
    static TFontEngine& Instance();

    // The face for Font, or nullptr when no installed font can be loaded for it. A font already
    // resolved costs one map lookup. The face stays valid until the next Face call that has to
    // load a new face (the cache is bounded and may start afresh then).
    TFontFace* Face(const TFont& font);
    TGlyphCache& Glyphs() { return m_glyphs; }
    // Faces loaded so far and Fontconfig queries made (statistics for tests and benchmarks).
    size_t FaceCount() const { return m_faces.size(); }
    uint64_t Queries() const { return m_queries; }

    // Heights are clamped to this many pixels, so a damaged layout cannot ask for glyph images
    // of unbounded size.
    static constexpr int32_t MaxPixelHeight = 1000;

    ~TFontEngine();
    TFontEngine(const TFontEngine&) = delete;
    TFontEngine& operator=(const TFontEngine&) = delete;

private:
    // What a TFont asks for, with its height normalised.
    struct TRequest {
        std::string_view Name;
        int32_t Height;
        uint8_t Style; // bold and italic bits of TFontStyles
        uint8_t Charset;
        uint8_t Pitch;
    };
    struct TRequestKey {
        std::string Name;
        int32_t Height;
        uint8_t Style, Charset, Pitch;
    };
    struct TRequestLess {
        using is_transparent = void;
        // Names compared as views, so a string and a string_view key compare with any
        // standard library (clang's tuple has no mixed comparison).
        template <class A, class B> bool operator()(const A& a, const B& b) const {
            const std::string_view aName = a.Name, bName = b.Name;
            if (aName != bName) return aName < bName;
            return std::tie(a.Height, a.Style, a.Charset, a.Pitch) <
                   std::tie(b.Height, b.Style, b.Charset, b.Pitch);
        }
    };
    struct TFaceKey {
        std::string File;
        int32_t Index, Height;
        bool Embolden, Oblique;
        auto Tie() const { return std::tie(File, Index, Height, Embolden, Oblique); }
        bool operator<(const TFaceKey& other) const { return Tie() < other.Tie(); }
    };

    TFontEngine();
    TFontFace* Load(const TRequest& request);
    TFontFace* OpenFace(const TFaceSource& source, int32_t height);

    FT_LibraryRec_* m_library = nullptr;
    TGlyphCache m_glyphs;
    std::map<TFaceKey, std::unique_ptr<TFontFace>> m_faces;
    std::map<TRequestKey, TFontFace*, TRequestLess> m_resolved;
    uint32_t m_nextSerial = 1;
    uint64_t m_queries = 0;
};

} // namespace brisat
