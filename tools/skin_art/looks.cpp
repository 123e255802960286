#include "skin_art/looks.h"

namespace skin_art {

std::vector<std::unique_ptr<TLook>> ShippedLooks() {
    std::vector<std::unique_ptr<TLook>> looks;
    looks.push_back(MakeSteelLook());
    looks.push_back(MakeXpBlueLook());
    looks.push_back(MakeJezzLook());
    looks.push_back(MakePencilLook());
    return looks;
}

} // namespace skin_art
