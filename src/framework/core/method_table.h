// The handlers a root component (a form) offers to the layouts it reads: event properties name
// them ("OnClick = PlayClick") and the reader binds each to the handler of that name, provided it
// has the event's exact std::function type.
#pragma once

#include <any>
#include <map>
#include <string>
#include <string_view>

namespace brisat {

class TMethodTable {
public:
    // Adds or replaces the handler Name; Fn is the event's std::function type.
    template <class Fn> void Add(const std::string& name, Fn handler) {
        m_methods[Key(name)] = std::any(std::move(handler));
    }
    // The handler Name as Fn: nullptr when there is none of that name (ignoring case);
    // Found tells apart a handler of another type.
    template <class Fn> const Fn* Find(std::string_view name, bool* found = nullptr) const {
        const auto it = m_methods.find(Key(name));
        if (found) *found = it != m_methods.end();
        return it == m_methods.end() ? nullptr : std::any_cast<Fn>(&it->second);
    }
    bool Empty() const { return m_methods.empty(); }

private:
    static std::string Key(std::string_view name);

    std::map<std::string, std::any, std::less<>> m_methods;
};

} // namespace brisat
