// The font and colour lists of the list box's styles.
#include "skin_controls/ks_custom_list_box.h"

#include "framework/core/ident_maps.h"
#include "framework/core/string_list.h"
#include "framework/graphics/font_families.h"

#include <algorithm>

namespace brisat {
namespace {

bool FontWanted(const TFontFamilyInfo& family, TKsFontType type) {
    switch (type) {
    case TKsFontType::ftTrueType:
        return family.TrueType;
    case TKsFontType::ftFixedPitch:
        return family.FixedPitch;
    default:
        return true;
    }
}

} // namespace

// Printers list the fonts the screen has: the desktop prints through the same fonts.
void TKsCustomListBox::RefillStyleItems() {
    m_items.BeginUpdate();
    try {
        m_items.Clear();
        if (StyleListsColors()) {
            GetColorValues([this](std::string_view name) { m_items.Add(std::string(name)); });
        } else {
            std::vector<TFontFamilyInfo> families = ScreenFontFamilies();
            std::stable_sort(families.begin(), families.end(),
                             [](const TFontFamilyInfo& a, const TFontFamilyInfo& b) {
                                 return LessListText(a.Name, b.Name);
                             });
            for (const TFontFamilyInfo& family : families)
                if (FontWanted(family, m_fontType))
                    m_items.AddObject(family.Name,
                                      (family.TrueType ? KsTrueTypeFontFlag : 0) |
                                          (family.FixedPitch ? KsFixedPitchFontFlag : 0));
        }
    } catch (...) {
        m_items.EndUpdate();
        throw;
    }
    m_items.EndUpdate();
}

} // namespace brisat
