// Registration of the custom form component's classes for window layouts.
#pragma once

namespace brisat {

class TClassRegistry;

void RegisterFormClasses(TClassRegistry& registry);

} // namespace brisat
