// Errors that say where they happened: the exception being handled is raised again as the same
// class with a prefix on its message ("Skin file \"x.xskn\": bitmap 3: Stream read error").
#pragma once

#include <string>

namespace brisat {

// Only inside a catch block. Exceptions that are not the framework's pass unchanged.
[[noreturn]] void RethrowWithContext(const std::string& context);

} // namespace brisat
