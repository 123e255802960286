#include "app/media_file_filter.h"

#include <algorithm>

namespace brisat {

namespace {

// "*.mkv;*.mka"
std::string Patterns(const std::vector<std::string>& extensions) {
    std::string patterns;
    for (const std::string& extension : extensions)
        patterns += (patterns.empty() ? "*." : ";*.") + extension;
    return patterns;
}

enum class TMediaKind { Video, Audio };

// Every extension of the types of one kind, each once.
std::vector<std::string> ExtensionsOf(const std::vector<TPlayableType>& types, TMediaKind kind) {
    std::vector<std::string> extensions;
    for (const TPlayableType& type : types)
        if (type.Video == (kind == TMediaKind::Video))
            for (const std::string& extension : type.Extensions)
                if (std::find(extensions.begin(), extensions.end(), extension) == extensions.end())
                    extensions.push_back(extension);
    return extensions;
}

void Append(std::string& filter, const std::string& description, const std::string& patterns) {
    if (patterns.empty()) return;
    if (!filter.empty()) filter += '|';
    filter += description + '|' + patterns;
}

} // namespace

std::string MediaFileFilter(const std::string& first, const std::vector<TPlayableType>& types) {
    std::string filter = first;
    Append(filter, "Video files", Patterns(ExtensionsOf(types, TMediaKind::Video)));
    Append(filter, "Audio files", Patterns(ExtensionsOf(types, TMediaKind::Audio)));
    for (const TPlayableType& type : types) {
        const std::string patterns = Patterns(type.Extensions);
        Append(filter, type.Description + " (" + patterns + ")", patterns);
    }
    Append(filter, "All files", "*");
    return filter;
}

} // namespace brisat
