#include "framework/windowing/clipboard.h"

#include "platform/platform.h"

namespace brisat {

TClipboard& Clipboard() {
    static TClipboard clipboard;
    return clipboard;
}

std::string TClipboard::AsText() const {
    return Platform().ClipboardText();
}

void TClipboard::SetAsText(const std::string& text) {
    Platform().SetClipboardText(text);
}

} // namespace brisat
