// TFilterList and TPinList: snapshots of a graph's filters and of a filter's pins, for walking a
// graph while changing it. GUI thread only.
#pragma once

#include "media/platform/media_pipeline.h"
#include "media/platform/pins.h"

#include <vector>

namespace brisat {

class TFilterList {
public:
    // The graph's filters in the order they were added.
    explicit TFilterList(const TMediaPipeline& graph) : m_items(graph.EnumFilters()) {}

    int Count() const { return int(m_items.size()); }
    const TFilter& Items(int index) const { return m_items.at(std::size_t(index)); }
    // Removes every entry that is `filter`.
    void Remove(const TFilter& filter);

    std::vector<TFilter>::const_iterator begin() const { return m_items.begin(); }
    std::vector<TFilter>::const_iterator end() const { return m_items.end(); }

private:
    std::vector<TFilter> m_items;
};

class TPinList {
public:
    explicit TPinList(TFilter filter) : m_filter(std::move(filter)) { Update(); }

    // Reads the filter's pins again.
    void Update() { m_items = m_filter ? m_filter.EnumPins() : std::vector<TPin>{}; }
    int Count() const { return int(m_items.size()); }
    const TPin& Items(int index) const { return m_items.at(std::size_t(index)); }

    std::vector<TPin>::const_iterator begin() const { return m_items.begin(); }
    std::vector<TPin>::const_iterator end() const { return m_items.end(); }

private:
    TFilter m_filter;
    std::vector<TPin> m_items;
};

} // namespace brisat
