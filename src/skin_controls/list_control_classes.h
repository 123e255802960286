// Registers the scroll bar and list box classes (and the list box's Items) for window layouts.
#pragma once

namespace brisat {

class TClassRegistry;

void RegisterListControlClasses(TClassRegistry& registry);

} // namespace brisat
