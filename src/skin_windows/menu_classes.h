// Registration of the skin engine's menu classes (items, popup menus, menu bars) for layouts.
#pragma once

namespace brisat {

class TClassRegistry;

void RegisterSkinMenuClasses(TClassRegistry& registry);

} // namespace brisat
