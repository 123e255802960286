// The program's run: the entry sequence of the player's windows on the desktop platform, the
// command line's files, scripted runs (screenshot, quit after a time) and termination signals.
#pragma once

#include "app/command_line.h"

namespace brisat {

// Returns the process's exit code. Raises std::exception when the desktop cannot be used.
int RunPlayer(const TCommandLine& commandLine);

} // namespace brisat
