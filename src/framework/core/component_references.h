// References between components as layouts write them: "Name" is a component of the layout being
// read (at any depth under its root), "Window.Name" a component of another top-level component,
// such as a dialog naming the main window's skin engine. The core knows no windows: the layer
// that keeps them installs a finder of top-level components by name. GUI thread only.
#pragma once

#include "framework/core/component.h"

#include <functional>
#include <string>
#include <string_view>

namespace brisat {

// Returns the top-level component named Name (ignoring case), or nullptr.
using TGlobalComponentFinder = std::function<TComponent*(std::string_view name)>;

// Finders are asked in the order they were added until one answers.
void AddGlobalComponentFinder(TGlobalComponentFinder finder);
TComponent* FindGlobalComponent(std::string_view name);

// The component Reference names from Root. Raises EConvertError naming the window or the
// component that is missing.
TComponent& FindReferencedComponent(TComponent& root, std::string_view reference);

// What a layout of Root writes for Target: its name when Root's tree holds it, else
// "Window.Name" with the top-level component that owns it; the bare name when no top-level
// component owns it.
std::string ReferenceText(const TComponent& root, const TComponent& target);

} // namespace brisat
