// The menus skinned controls offer (the skinned edit's context menu) are made by a layer above
// the controls, which installs this factory; until it does, the controls keep the plain menus.
#pragma once

#include <functional>
#include <memory>

namespace brisat {

class TMenuItem;
class TPopupMenu;
class TSeSkinEngine;
struct TKsPopupMenuSettings;

struct TSkinMenuFactory {
    // A popup menu drawn with Engine's skin.
    std::function<std::unique_ptr<TPopupMenu>(TSeSkinEngine* engine)> CreateMenu;
    // An item of such a menu, owned by it.
    std::function<TMenuItem&(TPopupMenu& menu)> CreateItem;
    // Before the menu opens: the engine and popup settings of the control showing it.
    std::function<void(TPopupMenu& menu, TSeSkinEngine* engine,
                       const TKsPopupMenuSettings& settings)>
        Prepare;
};

void SetSkinMenuFactory(TSkinMenuFactory factory);
// The installed factory; its members are empty while none is installed.
const TSkinMenuFactory& SkinMenuFactory();

} // namespace brisat
