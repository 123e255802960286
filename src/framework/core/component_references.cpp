#include "framework/core/component_references.h"

#include "framework/core/exceptions.h"
#include "framework/core/identifiers.h"

#include <vector>

namespace brisat {
namespace {

std::vector<TGlobalComponentFinder>& Finders() {
    static std::vector<TGlobalComponentFinder> finders;
    return finders;
}

bool OwnedBy(const TComponent& component, const TComponent& root) {
    for (const TComponent* c = &component; c; c = c->Owner())
        if (c == &root) return true;
    return false;
}

TComponent& FindInTree(TComponent& root, std::string_view name, const std::string& where) {
    TComponent* found = root.FindComponentInTree(name);
    if (!found) throw EConvertError("component '" + std::string(name) + "' not found" + where);
    return *found;
}

} // namespace

void AddGlobalComponentFinder(TGlobalComponentFinder finder) {
    Finders().push_back(std::move(finder));
}

TComponent* FindGlobalComponent(std::string_view name) {
    if (name.empty()) return nullptr;
    for (const TGlobalComponentFinder& finder : Finders())
        if (TComponent* found = finder(name)) return found;
    return nullptr;
}

TComponent& FindReferencedComponent(TComponent& root, std::string_view reference) {
    const size_t dot = reference.find('.');
    if (dot == std::string_view::npos) return FindInTree(root, reference, "");
    const std::string_view window = reference.substr(0, dot);
    const std::string_view name = reference.substr(dot + 1);
    if (SameText(window, root.Name())) return FindInTree(root, name, "");
    TComponent* global = FindGlobalComponent(window);
    if (!global)
        throw EConvertError("window '" + std::string(window) + "' of '" + std::string(reference) +
                            "' not found: it must exist before this one");
    return FindInTree(*global, name, " in window '" + global->Name() + "'");
}

std::string ReferenceText(const TComponent& root, const TComponent& target) {
    if (OwnedBy(target, root)) return target.Name();
    for (const TComponent* c = target.Owner(); c; c = c->Owner())
        if (!c->Name().empty() && FindGlobalComponent(c->Name()) == c)
            return c->Name() + "." + target.Name();
    return target.Name();
}

} // namespace brisat
