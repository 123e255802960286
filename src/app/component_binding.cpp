#include "app/component_binding.h"

#include "framework/core/exceptions.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <string>

namespace brisat {
namespace {

// The class's own name, as the layouts spell it: "TSpeedButton" for brisat::TSpeedButton.
std::string ClassNameOf(const std::type_info& type) {
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    const std::string full = status == 0 && demangled ? demangled.get() : type.name();
    const size_t scope = full.rfind("::");
    return scope == std::string::npos ? full : full.substr(scope + 2);
}

} // namespace

void ThrowUnboundComponent(const TComponent& root, std::string_view name,
                           const std::type_info& expected, const TComponent* found) {
    const std::string window = root.Name().empty() ? root.ClassName() : root.Name();
    const std::string wanted = ClassNameOf(expected);
    if (!found)
        throw EComponentError(window + " has no component " + std::string(name) + " (a " + wanted +
                              ")");
    throw EComponentError(window + ": component " + std::string(name) + " is a " +
                          found->ClassName() + ", not a " + wanted);
}

} // namespace brisat
