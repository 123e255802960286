#include "app/play_list_item.h"

namespace brisat {

TPlayListItem MakePlayListItem(std::string_view path) {
    size_t slash = path.rfind('/');
    size_t split = slash == std::string_view::npos ? 0 : slash + 1;
    return {std::string(path.substr(split)), std::string(path.substr(0, split))};
}

std::string PlayListItemPath(const TPlayListItem& item) {
    if (item.Folder.empty() || item.Folder.ends_with('/')) return item.Folder + item.FileName;
    return item.Folder + "/" + item.FileName;
}

} // namespace brisat
