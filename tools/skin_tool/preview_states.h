// The looks a preview shows of one top-level skin object, and the size it is drawn at.
#pragma once

#include "framework/core/types.h"
#include "skin/objects/skin_object.h"

#include <functional>
#include <string>
#include <vector>

namespace brisat {

struct TPreviewLook {
    std::string Label;
    // Puts a fresh clone, already placed, into this look.
    std::function<void(TSeSkinObject&)> Apply;
    // Drawn only as tall as the window's frame without its client area.
    bool RolledUp = false;
};

// Windows (Form, ToolWindow or kind skForm): active, inactive, maximized, rolled up, then every
// caption button hot and pressed. Anything else: normal, hot, pressed, focused, disabled.
std::vector<TPreviewLook> PreviewLooks(TSeSkinObject& object);
// A size that suits the object's name (a form 320 x 200, a button 96 x 28, ...).
TSize PreviewSize(const TSeSkinObject& object);
// A rolled-up window's height: the placed tree's frame above and below its client area.
int32_t RolledUpHeight(TSeSkinObject& placed);
// Captions in the clone, so the text drawing shows.
void SetPreviewTexts(TSeSkinObject& clone, const std::string& skinName);

} // namespace brisat
