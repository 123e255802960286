// Window layouts may name components whose classes this program does not have (decorations
// kept for the look of the layout's origin). The filter drops those components, with everything
// nested in them, so the rest of the text reads.
#pragma once

#include <string>
#include <string_view>

namespace brisat {

// Text without the components directly under its root whose classes are not registered.
// Raises EParserError for text the lexer cannot read.
std::string WithoutUnregisteredComponents(std::string_view text);

} // namespace brisat
