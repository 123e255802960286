// The registry of persistent classes: name → factory, and each class's persistent properties in
// stream order. Classes are registered at start-up on the GUI thread, each after its parent:
//
//   TClassDeclaration<TPanelLook>("TPanelLook", "TComponent")
//       .Integer("Width", &TPanelLook::Width, &TPanelLook::SetWidth)
//       .Object("Font", [](TPanelLook& o) -> TFont& { return o.Font(); })
//       .Register();
#pragma once

#include "framework/core/component.h"
#include "framework/core/component_references.h"
#include "framework/core/exceptions.h"
#include "framework/core/property.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <vector>

namespace brisat {

class TClassInfo {
public:
    const std::string& Name() const { return m_name; }
    const TClassInfo* Parent() const { return m_parent; }
    bool InheritsFrom(const TClassInfo& other) const;

    // Whether Create can make instances: a registered component class.
    bool CanCreate() const { return bool(m_factory); }
    // A new instance without owner; raises EInvalidOperation when the class cannot be created.
    std::unique_ptr<TComponent> Create() const;
    // Whether Object is of this class (or derives from it).
    bool IsInstance(const TPersistent& object) const { return m_isInstance(object); }

    // Stream order: the declared properties, inherited first, then those written last, inherited
    // first.
    const std::vector<const TPropInfo*>& Properties() const { return m_properties; }
    // By name, ignoring case; nullptr when the class has none of that name.
    const TPropInfo* FindProperty(std::string_view name) const;

private:
    friend class TClassRegistry;
    template <class T> friend class TClassDeclaration;

    std::string m_name;
    const TClassInfo* m_parent = nullptr;
    std::type_index m_type = typeid(void);
    std::function<std::unique_ptr<TComponent>()> m_factory;
    std::function<bool(const TPersistent&)> m_isInstance;
    std::vector<std::unique_ptr<TPropInfo>> m_own;
    std::vector<const TPropInfo*> m_declared;
    std::vector<const TPropInfo*> m_writtenLast;
    std::vector<const TPropInfo*> m_properties;
};

class TClassRegistry {
public:
    // The program's registry; TPersistent, TComponent and TFont are registered in it from the
    // start.
    static TClassRegistry& Instance();

    // Adds a class under ParentName (empty for a root). Registering the same C++ type under the
    // same name again returns the first registration; another type under a taken name, an
    // unknown parent or a property declared twice raise EInvalidOperation.
    const TClassInfo& Add(std::unique_ptr<TClassInfo> info, const std::string& parentName);

    // Exact, case-sensitive lookup; nullptr when not registered.
    const TClassInfo* Find(std::string_view name) const;
    // The registered class of Object (by its ClassName); raises EInvalidOperation when there is
    // none or Object is not an instance of it.
    const TClassInfo& ClassOf(const TPersistent& object) const;

private:
    TClassRegistry();

    std::map<std::string, std::unique_ptr<TClassInfo>, std::less<>> m_classes;
};

// Declares a class and its persistent properties in stream order. Getters are callables on
// const T& (member functions or lambdas), setters callables on T& taking the getter's type;
// Stored is an optional predicate on const T&. Without one, strings are stored when not empty and
// everything else always.
template <class T> class TClassDeclaration {
public:
    using TStored = std::function<bool(const T&)>;

    TClassDeclaration(std::string name, std::string parent) : m_parent(std::move(parent)) {
        m_info = std::make_unique<TClassInfo>();
        m_info->m_name = std::move(name);
        m_info->m_type = typeid(T);
        m_info->m_isInstance = [](const TPersistent& o) {
            return dynamic_cast<const T*>(&o) != nullptr;
        };
        if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> &&
                      std::is_constructible_v<T, TComponent*>)
            m_info->m_factory = []() -> std::unique_ptr<TComponent> {
                return std::make_unique<T>(nullptr);
            };
    }

    template <class G, class S>
    TClassDeclaration& Integer(std::string name, G get, S set, TStored stored = {}) {
        return Ordinal(std::move(name), TPropertyKind::pkInteger, nullptr, get, set, stored);
    }
    template <class G, class S>
    TClassDeclaration& Boolean(std::string name, G get, S set, TStored stored = {}) {
        return Ordinal(std::move(name), TPropertyKind::pkBoolean, &BooleanInfo, get, set, stored);
    }
    template <class G, class S>
    TClassDeclaration& Enumeration(std::string name, const TEnumInfo& info, G get, S set,
                                   TStored stored = {}) {
        return Ordinal(std::move(name), TPropertyKind::pkEnumeration, &info, get, set, stored);
    }
    template <class G, class S>
    TClassDeclaration& Color(std::string name, G get, S set, TStored stored = {}) {
        return Ordinal(std::move(name), TPropertyKind::pkColor, nullptr, get, set, stored);
    }
    template <class G, class S>
    TClassDeclaration& Charset(std::string name, G get, S set, TStored stored = {}) {
        return Ordinal(std::move(name), TPropertyKind::pkCharset, nullptr, get, set, stored);
    }
    // Get and Set exchange a bit mask: bit i is Info.Identifiers[i].
    template <class G, class S>
    TClassDeclaration& Set(std::string name, const TEnumInfo& info, G get, S set,
                           TStored stored = {}) {
        return Ordinal(std::move(name), TPropertyKind::pkSet, &info, get, set, stored);
    }

    template <class G, class S>
    TClassDeclaration& String(std::string name, G get, S set, TStored stored = {}) {
        if (!stored) stored = [get](const T& o) { return !std::invoke(get, o).empty(); };
        TPropInfo& p = Add(std::move(name), TPropertyKind::pkString, stored);
        p.Get = [get](const TPersistent& o) {
            return TTextValue::MakeString(std::string(std::invoke(get, Cast(o))));
        };
        p.Set = [set](TPersistent& o, const TTextValue& v) {
            RequireKind(v, TTextValue::TKind::vaString);
            std::invoke(set, Cast(o), v.Text);
        };
        return *this;
    }

    // Get returns and Set takes a std::vector<uint8_t>.
    template <class G, class S>
    TClassDeclaration& Bytes(std::string name, G get, S set, TStored stored = {}) {
        TPropInfo& p = Add(std::move(name), TPropertyKind::pkBytes, stored);
        p.Get = [get](const TPersistent& o) {
            return TTextValue::MakeBytes(std::invoke(get, Cast(o)));
        };
        p.Set = [set](TPersistent& o, const TTextValue& v) {
            RequireKind(v, TTextValue::TKind::vaBytes);
            std::invoke(set, Cast(o), v.Bytes);
        };
        return *this;
    }

    // A nested persistent object (a font, a bitmap link) owned by T, streamed as sub-properties
    // "Name.Sub" of its own registered class. Get is a callable on T& returning the object.
    template <class G> TClassDeclaration& Object(std::string name, G get, TStored stored = {}) {
        TPropInfo& p = Add(std::move(name), TPropertyKind::pkObject, stored);
        p.Object = [get](TPersistent& o) -> TPersistent& { return std::invoke(get, Cast(o)); };
        return *this;
    }

    // A property that converts its own values: Get returns a TTextValue, Set takes one and raises
    // EConvertError for a value it cannot take.
    template <class G, class S>
    TClassDeclaration& Custom(std::string name, G get, S set, TStored stored = {}) {
        TPropInfo& p = Add(std::move(name), TPropertyKind::pkCustom, stored);
        p.Get = [get](const TPersistent& o) { return TTextValue(std::invoke(get, Cast(o))); };
        p.Set = [set](TPersistent& o, const TTextValue& v) { std::invoke(set, Cast(o), v); };
        return *this;
    }

    // An event: the layout names a handler of the root component's method table, which must
    // have the type Fn; Set is a callable on T& taking an Fn.
    template <class Fn, class S> TClassDeclaration& Event(std::string name, S set) {
        TPropInfo& p = Add(name, TPropertyKind::pkMethod, [](const T&) { return false; });
        p.Resolve = [set, name](TPersistent& o, TComponent& root, const std::string& method) {
            bool found = false;
            const TMethodTable* table = root.FindMethods();
            const Fn* handler = table ? table->template Find<Fn>(method, &found) : nullptr;
            if (!handler)
                throw EConvertError(found ? "method '" + method + "' does not fit event " + name
                                          : "method '" + method + "' not found");
            std::invoke(set, Cast(o), *handler);
        };
        return *this;
    }

    // A component of the same layout (at any depth under the root) by name, or of another
    // top-level component as "Window.Name". Get is a callable on const T& returning Target*, Set
    // one on T& taking Target*.
    template <class Target, class G, class S>
    TClassDeclaration& Reference(std::string name, G get, S set, TStored stored = {}) {
        if (!stored) stored = [get](const T& o) { return std::invoke(get, o) != nullptr; };
        TPropInfo& p = Add(std::move(name), TPropertyKind::pkReference, stored);
        p.Get = [get](const TPersistent& o) {
            const Target* target = std::invoke(get, Cast(o));
            return TTextValue::MakeIdent(target ? target->Name() : std::string());
        };
        p.Target = [get](const TPersistent& o) -> const TComponent* {
            return std::invoke(get, Cast(o));
        };
        p.Resolve = [set](TPersistent& o, TComponent& root, const std::string& component) {
            TComponent& found = FindReferencedComponent(root, component);
            Target* target = dynamic_cast<Target*>(&found);
            if (!target)
                throw EConvertError("component '" + component + "' is a " + found.ClassName() +
                                    ", which does not fit here");
            std::invoke(set, Cast(o), target);
        };
        return *this;
    }

    // Marks the property declared last as written after all declared properties of the class
    // and of its descendants, as a block of children is.
    TClassDeclaration& WrittenLast() {
        if (!m_info->m_own.empty()) m_info->m_own.back()->WrittenLast = true;
        return *this;
    }

    const TClassInfo& Register(TClassRegistry& registry = TClassRegistry::Instance()) {
        return registry.Add(std::move(m_info), m_parent);
    }

private:
    // Registered getters run only on objects the registry checked with IsInstance.
    static const T& Cast(const TPersistent& o) { return static_cast<const T&>(o); }
    static T& Cast(TPersistent& o) { return static_cast<T&>(o); }

    template <class G, class S>
    TClassDeclaration& Ordinal(std::string name, TPropertyKind kind, const TEnumInfo* info, G get,
                               S set, TStored stored) {
        using V = std::remove_cvref_t<std::invoke_result_t<G, const T&>>;
        TPropInfo& p = Add(std::move(name), kind, stored);
        p.Enum = info;
        p.Get = [get, kind, info](const TPersistent& o) {
            return OrdinalToValue(kind, info, static_cast<int64_t>(std::invoke(get, Cast(o))));
        };
        p.Set = [set, kind, info](TPersistent& o, const TTextValue& v) {
            std::invoke(set, Cast(o), static_cast<V>(ValueToOrdinal(kind, info, v)));
        };
        return *this;
    }

    TPropInfo& Add(std::string name, TPropertyKind kind, TStored stored) {
        auto p = std::make_unique<TPropInfo>();
        p->Name = std::move(name);
        p->Kind = kind;
        if (stored)
            p->Stored = [stored](const TPersistent& o) { return stored(Cast(o)); };
        else
            p->Stored = [](const TPersistent&) { return true; };
        m_info->m_own.push_back(std::move(p));
        return *m_info->m_own.back();
    }

    std::unique_ptr<TClassInfo> m_info;
    std::string m_parent;
};

} // namespace brisat
