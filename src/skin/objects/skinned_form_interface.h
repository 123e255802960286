// What a skin tree needs of the skinned form it is bound to: the window actions of the caption
// buttons, the form's border icons and its window icon. The skinned form implements it and hands
// itself out in answer to the get-skinned-form message (skin_messages.h).
#pragma once

#include <cstdint>

namespace brisat {

class TKsBitmap;
class TSeSkinObject;

// The caption buttons a skinned form shows (set bits 1, 2, 4, ... in this order).
enum class TKsBorderIcon : uint8_t {
    kbiClose,
    kbiSystemMenu,
    kbiMinimize,
    kbiMaximize,
    kbiHelp,
    kbiRollup,
    kbiTray
};

class ISkinnedForm {
public:
    virtual ~ISkinnedForm() = default;

    virtual void Close() = 0;
    virtual void Help() = 0;
    virtual void Minimize() = 0;
    virtual void Maximize() = 0;
    virtual void Restore() = 0;
    virtual void RollUp() = 0;
    virtual void HideToTray() = 0;
    virtual void OpenSystemMenu() = 0;
    // The form's OnCustomAction for a caption button of action sbaCustom.
    virtual void CustomAction(TSeSkinObject& button) = 0;
    virtual bool HasBorderIcon(TKsBorderIcon icon) const = 0;
    // The icon the system-menu button shows: the form's own, else the application's, else the
    // platform's default application icon; nullptr when there is none at all. Owned by the form.
    virtual const TKsBitmap* WindowIcon() const = 0;
    // Runs the window messages that are waiting (a roll panel changed size and the form repaints).
    virtual void ProcessPendingMessages() = 0;
};

} // namespace brisat
