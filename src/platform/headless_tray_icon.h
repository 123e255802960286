// The headless platform's tray icon: it keeps what it was asked to show for tests to read. Tests
// inject its events (TrayActivate, TrayContextMenu, TrayLost) like any other input.
#pragma once

#include "platform/tray_icon.h"

#include <cstdint>
#include <map>

namespace brisat {

class THeadlessTrayIcon : public ITrayIcon {
public:
    using TRegistry = std::map<uint32_t, THeadlessTrayIcon*>;
    // Lists itself in Registry under Id while it lives.
    THeadlessTrayIcon(TRegistry& registry, uint32_t id);
    ~THeadlessTrayIcon() override;
    THeadlessTrayIcon(const THeadlessTrayIcon&) = delete;
    THeadlessTrayIcon& operator=(const THeadlessTrayIcon&) = delete;

    void Show(const std::vector<TPixelImage>& images, const std::string& tip) override;
    void Hide() override { m_visible = false; }

    bool Visible() const { return m_visible; }
    const std::vector<TPixelImage>& Images() const { return m_images; }
    const std::string& Tip() const { return m_tip; }

private:
    TRegistry& m_registry;
    uint32_t m_id;
    bool m_visible = false;
    std::vector<TPixelImage> m_images;
    std::string m_tip;
};

} // namespace brisat
