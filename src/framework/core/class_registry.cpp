#include "framework/core/class_registry.h"

#include "framework/core/exceptions.h"
#include "framework/core/identifiers.h"
#include "framework/core/standard_classes.h"

#include <algorithm>

namespace brisat {

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* c = this; c; c = c->m_parent)
        if (c == &other) return true;
    return false;
}

std::unique_ptr<TComponent> TClassInfo::Create() const {
    if (!m_factory) throw EInvalidOperation("Cannot create an instance of " + m_name);
    return m_factory();
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
    for (const TPropInfo* p : m_properties)
        if (SameText(p->Name, name)) return p;
    return nullptr;
}

TClassRegistry& TClassRegistry::Instance() {
    static TClassRegistry registry;
    return registry;
}

TClassRegistry::TClassRegistry() {
    RegisterStandardClasses(*this);
}

const TClassInfo& TClassRegistry::Add(std::unique_ptr<TClassInfo> info,
                                      const std::string& parentName) {
    if (auto it = m_classes.find(info->m_name); it != m_classes.end()) {
        if (it->second->m_type == info->m_type) return *it->second;
        throw EInvalidOperation("Class " + info->m_name + " is already registered");
    }
    if (!parentName.empty()) {
        info->m_parent = Find(parentName);
        if (!info->m_parent)
            throw EInvalidOperation("Class " + info->m_name + ": parent class " + parentName +
                                    " is not registered");
        info->m_declared = info->m_parent->m_declared;
        info->m_writtenLast = info->m_parent->m_writtenLast;
    }
    auto declared = [&](const std::string& name) {
        auto same = [&](const TPropInfo* q) { return SameText(q->Name, name); };
        return std::any_of(info->m_declared.begin(), info->m_declared.end(), same) ||
               std::any_of(info->m_writtenLast.begin(), info->m_writtenLast.end(), same);
    };
    for (const auto& p : info->m_own) {
        if (declared(p->Name))
            throw EInvalidOperation("Class " + info->m_name + " declares property " + p->Name +
                                    " twice");
        (p->WrittenLast ? info->m_writtenLast : info->m_declared).push_back(p.get());
    }
    info->m_properties = info->m_declared;
    info->m_properties.insert(info->m_properties.end(), info->m_writtenLast.begin(),
                              info->m_writtenLast.end());
    const TClassInfo& result = *info;
    m_classes.emplace(info->m_name, std::move(info));
    return result;
}

const TClassInfo* TClassRegistry::Find(std::string_view name) const {
    auto it = m_classes.find(name);
    return it == m_classes.end() ? nullptr : it->second.get();
}

const TClassInfo& TClassRegistry::ClassOf(const TPersistent& object) const {
    const std::string name = object.ClassName();
    const TClassInfo* info = Find(name);
    if (!info) throw EInvalidOperation("Class " + name + " is not registered");
    if (!info->IsInstance(object))
        throw EInvalidOperation("The object named as " + name + " is not of that class");
    return *info;
}

} // namespace brisat
