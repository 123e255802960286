// One line of text per graph event code, for the player's event log.
#pragma once

#include <string>

namespace brisat {

// The event's name and a one-sentence description; "Unknow Graph Event ($<hex>)" for a code
// outside the table (the log format the player has always written).
std::string GraphEventText(long code);

} // namespace brisat
