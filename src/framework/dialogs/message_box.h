// The modal message box: the text, and one button per answer (OK; OK and Cancel; Yes and No).
// Enter or Space presses the focused button, Tab moves between them, Escape answers Cancel (or
// No, or OK when that is the only one).
#pragma once

#include <cstdint>
#include <string>

namespace brisat {

// Flags and answers as TApplication::MessageBox.
int ShowMessageBox(const std::string& text, const std::string& caption, uint32_t flags);

} // namespace brisat
