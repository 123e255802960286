#include "skin_controls/skin_menu_factory.h"

namespace brisat {
namespace {

TSkinMenuFactory& Factory() {
    static TSkinMenuFactory factory;
    return factory;
}

} // namespace

void SetSkinMenuFactory(TSkinMenuFactory factory) {
    Factory() = std::move(factory);
}

const TSkinMenuFactory& SkinMenuFactory() {
    return Factory();
}

} // namespace brisat
