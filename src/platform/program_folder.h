// Where the running program file lies.
#pragma once

#include <string>

namespace brisat {

// The folder of the running program file (the target of /proc/self/exe) with a trailing "/";
// empty when the system cannot tell.
std::string ProgramFolder();

} // namespace brisat
