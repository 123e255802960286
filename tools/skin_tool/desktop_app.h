// The application frame of the tool's interactive windows: the desktop platform, an application
// titled Title whose errors go to stderr and a message box, the main form Make creates, shown,
// and the message loop until it closes.
#pragma once

#include <functional>
#include <string>

namespace brisat {

class TApplication;
class TForm;

// Make creates the main form (and may report on it once it is shown through Shown); the exit
// code.
int RunOnDesktop(const std::string& title, const std::function<TForm&(TApplication&)>& make,
                 const std::function<void(TForm&)>& shown);

} // namespace brisat
