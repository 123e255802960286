// Entry point: reads the command line and runs the player.
#include "app/command_line.h"
#include "app/player_program.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    using namespace brisat;
    const TCommandLine line = ParseCommandLine({argv + 1, argv + argc});
    switch (line.Action) {
    case TCommandLine::TAction::ShowHelp:
        std::fputs(HelpText().c_str(), stdout);
        return 0;
    case TCommandLine::TAction::ShowVersion:
        std::fputs(VersionText().c_str(), stdout);
        return 0;
    case TCommandLine::TAction::Fail:
        std::fprintf(stderr, "brisat: %s\n%s", line.Error.c_str(), HelpText().c_str());
        return 2;
    case TCommandLine::TAction::Run:
        break;
    }
    try {
        return RunPlayer(line);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "brisat: %s\n", e.what());
        return 1;
    }
}
