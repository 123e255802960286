#include "platform/headless_tray_icon.h"

namespace brisat {

THeadlessTrayIcon::THeadlessTrayIcon(TRegistry& registry, uint32_t id)
    : m_registry(registry), m_id(id) {
    m_registry[m_id] = this;
}

THeadlessTrayIcon::~THeadlessTrayIcon() {
    m_registry.erase(m_id);
}

void THeadlessTrayIcon::Show(const std::vector<TPixelImage>& images, const std::string& tip) {
    m_visible = true;
    m_images = images;
    m_tip = TrayTip(tip);
}

} // namespace brisat
