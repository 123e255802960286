// Registration of the skinned form for window layouts.
#pragma once

namespace brisat {

class TClassRegistry;

// TSeSkinForm with its own properties; its base's come with TKsCustomForm's registration.
void RegisterSkinFormClasses(TClassRegistry& registry);

} // namespace brisat
