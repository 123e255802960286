// TClipboard: the desktop's clipboard text (UTF-8). GUI thread only.
#pragma once

#include <string>

namespace brisat {

class TClipboard {
public:
    std::string AsText() const;
    void SetAsText(const std::string& text);
    bool HasText() const { return !AsText().empty(); }
    void Clear() { SetAsText({}); }
};

TClipboard& Clipboard();

} // namespace brisat
