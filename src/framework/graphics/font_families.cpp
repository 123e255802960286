#include "framework/graphics/font_families.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <memory>

namespace brisat {
namespace {

std::string StringOf(FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    return FcPatternGetString(pattern, object, 0, &value) == FcResultMatch
               ? std::string(reinterpret_cast<const char*>(value))
               : std::string();
}

} // namespace

std::vector<TFontFamilyInfo> ScreenFontFamilies() {
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(),
                                                                    FcPatternDestroy);
    std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(
        FcObjectSetBuild(FC_FAMILY, FC_SPACING, FC_FONTFORMAT, nullptr), FcObjectSetDestroy);
    if (!pattern || !objects) return {};
    std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> set(
        FcFontList(nullptr, pattern.get(), objects.get()), FcFontSetDestroy);
    if (!set) return {};
    // A family is fixed pitch when all its faces are, TrueType when any face is.
    std::map<std::string, TFontFamilyInfo> families;
    for (int i = 0; i < set->nfont; ++i) {
        FcPattern* font = set->fonts[i];
        const std::string name = StringOf(font, FC_FAMILY);
        if (name.empty()) continue;
        int spacing = FC_PROPORTIONAL;
        FcPatternGetInteger(font, FC_SPACING, 0, &spacing);
        const std::string format = StringOf(font, FC_FONTFORMAT);
        const bool trueType = format == "TrueType" || format == "CFF";
        TFontFamilyInfo& family =
            families.try_emplace(name, TFontFamilyInfo{name, trueType, true}).first->second;
        family.TrueType |= trueType;
        family.FixedPitch &= spacing == FC_MONO;
    }
    std::vector<TFontFamilyInfo> result;
    result.reserve(families.size());
    for (auto& [name, info] : families)
        result.push_back(std::move(info));
    return result;
}

} // namespace brisat
