// Where the running program file lies.
#pragma once

#include <string>

namespace brisat {

// The folder of the running program file (the target of /proc/self/exe) with a trailing "/";
// empty when the system cannot tell.
std::string ProgramFolder();
// The installed program's data folder, PREFIX/share/brisat/ for a program in PREFIX/bin/, with a
// trailing "/"; empty when the program is not installed that way (run from its build folder).
std::string ProgramDataFolder();

} // namespace brisat
