#include "skin/files/skin_filter_registry.h"

#include "framework/core/identifiers.h"

#include <algorithm>
#include <vector>

namespace brisat {
namespace {

std::vector<const TSeSkinFilterClass*>& Registry() {
    static std::vector<const TSeSkinFilterClass*> filters{
        &SkinFilterClassOf<TSeSkinFilterUncompressed>(),
        &SkinFilterClassOf<TSeSkinFilterCompressed>(),
        &SkinFilterClassOf<TSeSkinFilterUltraCompressed>()};
    return filters;
}

// ".ext" of the file name, or empty when its last part has no dot.
std::string_view Extension(std::string_view fileName) {
    const size_t start = fileName.find_last_of("/\\:");
    const size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || (start != std::string_view::npos && dot < start))
        return {};
    return fileName.substr(dot);
}

} // namespace

void RegisterSkinFilter(const TSeSkinFilterClass& filter) {
    auto& filters = Registry();
    if (std::find(filters.begin(), filters.end(), &filter) == filters.end())
        filters.push_back(&filter);
}

void UnregisterSkinFilter(const TSeSkinFilterClass& filter) {
    std::erase(Registry(), &filter);
}

const TSeSkinFilterClass* FindSkinFilter(std::string_view fileName) {
    const std::string_view extension = Extension(fileName);
    if (extension.empty()) return nullptr;
    for (const TSeSkinFilterClass* filter : Registry())
        if (SameText(extension, "." + filter->GetExtension())) return filter;
    return nullptr;
}

std::string SkinFilterString() {
    std::string combined, list;
    for (const TSeSkinFilterClass* filter : Registry()) {
        const std::string pattern = "*." + filter->GetExtension();
        combined += (combined.empty() ? "" : ";") + pattern;
        list += "|" + filter->GetDescription() + " (" + pattern + ")|" + pattern;
    }
    return "All (" + combined + ")|" + combined + list;
}

} // namespace brisat
