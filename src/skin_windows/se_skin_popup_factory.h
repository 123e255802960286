// Installs the skinned popup menus as the menus the self-drawn controls offer.
#pragma once

namespace brisat {

void InstallSkinPopupMenuFactory();

} // namespace brisat
