#include "media/filter_graph_lists.h"

#include <algorithm>

namespace brisat {

void TFilterList::Remove(const TFilter& filter) {
    std::erase(m_items, filter);
}

} // namespace brisat
