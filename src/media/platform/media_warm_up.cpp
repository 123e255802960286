#include "media/platform/media_warm_up.h"

#include "media/platform/media_setup.h"

namespace brisat {

TMediaWarmUp::TMediaWarmUp() : m_thread(EnsureMediaElements) {}

TMediaWarmUp::~TMediaWarmUp() {
    m_thread.join();
}

} // namespace brisat
