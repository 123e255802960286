#include "platform/headless_platform.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace brisat {

// A headless window that tells its platform when it goes, so Window(id) never dangles.
class THeadlessWindowEntry : public THeadlessWindow {
public:
    THeadlessWindowEntry(THeadlessPlatform& platform, uint32_t id)
        : m_platform(platform), m_id(id) {}
    ~THeadlessWindowEntry() override { m_platform.Forget(m_id); }

private:
    THeadlessPlatform& m_platform;
    uint32_t m_id;
};

bool THeadlessVideoLayer::SubmitFrame(const TVideoFrame& frame) {
    if (!IsValidFrame(frame)) return false;
    TFrameCopy copy{frame.Format, frame.Width, frame.Height, {}};
    copy.Bytes.reserve(PackedFrameBytes(frame.Format, frame.Width, frame.Height));
    for (int plane = 0; plane < PlaneCount(frame.Format); ++plane) {
        const int32_t rowBytes = PlaneRowBytes(frame.Format, frame.Width, plane);
        for (int32_t row = 0; row < PlaneRows(frame.Format, frame.Height, plane); ++row) {
            const uint8_t* src = frame.Planes[plane] + ptrdiff_t(row) * frame.Strides[plane];
            copy.Bytes.insert(copy.Bytes.end(), src, src + rowBytes);
        }
    }
    std::lock_guard lock(m_mutex);
    m_last = std::move(copy);
    ++m_frames;
    return true;
}

void THeadlessVideoLayer::ReleaseFrames() {
    std::lock_guard lock(m_mutex);
    m_last = TFrameCopy();
}

int32_t THeadlessVideoLayer::FrameCount() const {
    std::lock_guard lock(m_mutex);
    return m_frames;
}

THeadlessVideoLayer::TFrameCopy THeadlessVideoLayer::LastFrame() const {
    std::lock_guard lock(m_mutex);
    return m_last;
}

IVideoLayer& THeadlessWindow::VideoLayer() {
    if (!m_videoLayer) m_videoLayer = std::make_unique<THeadlessVideoLayer>();
    return *m_videoLayer;
}

void THeadlessWindow::Show(TActivation activation) {
    m_visible = true;
    m_activated = activation == TActivation::Activate;
}

void THeadlessWindow::Hide() {
    m_visible = false;
    m_activated = false;
}

void THeadlessWindow::Present(const uint32_t* pixels, int32_t width, int32_t height, int32_t stride,
                              const std::vector<TScreenRect>& dirty) {
    if (width != m_width || height != m_height) {
        m_pixels.assign(size_t(std::max(width, 0)) * size_t(std::max(height, 0)), 0);
        m_width = std::max(width, 0);
        m_height = std::max(height, 0);
    }
    for (const TScreenRect& r : dirty) {
        const int32_t left = std::max(r.Left, 0), right = std::min(r.Right, m_width);
        for (int32_t y = std::max(r.Top, 0); y < std::min(r.Bottom, m_height); ++y)
            if (left < right)
                std::copy(pixels + size_t(y) * size_t(stride) + left,
                          pixels + size_t(y) * size_t(stride) + right,
                          m_pixels.begin() + ptrdiff_t(size_t(y) * size_t(m_width) + left));
    }
    m_lastDirty = dirty;
    ++m_presents;
}

void THeadlessWindow::SetIcon(const uint32_t* pixels, int32_t width, int32_t height) {
    m_icon.Width = std::max(width, 0);
    m_icon.Height = std::max(height, 0);
    m_icon.Pixels.assign(pixels, pixels + size_t(m_icon.Width) * size_t(m_icon.Height));
}

bool THeadlessWindow::InShape(int32_t x, int32_t y) const {
    if (m_shape.empty()) return true;
    return std::any_of(m_shape.begin(), m_shape.end(), [x, y](const TScreenRect& r) {
        return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
    });
}

TCapturedPixels THeadlessWindow::Capture() {
    if (!m_visible) throw std::runtime_error("Cannot read a hidden window");
    TCapturedPixels shot;
    shot.Width = std::max(m_bounds.Right - m_bounds.Left, 0);
    shot.Height = std::max(m_bounds.Bottom - m_bounds.Top, 0);
    shot.Pixels.resize(size_t(shot.Width) * size_t(shot.Height));
    for (int32_t y = 0; y < shot.Height; ++y)
        for (int32_t x = 0; x < shot.Width; ++x)
            shot.Pixels[size_t(y) * size_t(shot.Width) + size_t(x)] = Pixel(x, y) & 0xFFFFFFu;
    return shot;
}

uint32_t THeadlessWindow::Pixel(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return 0;
    return m_pixels[size_t(y) * size_t(m_width) + size_t(x)];
}

THeadlessPlatform::THeadlessPlatform() {
    m_monitors.push_back({{0, 0, 1024, 768}, {0, 0, 1024, 736}, true});
}

std::unique_ptr<IPlatformWindow>
THeadlessPlatform::CreateWindow(uint32_t id, const TPlatformWindowParams& params) {
    auto window = std::make_unique<THeadlessWindowEntry>(*this, id);
    window->SetBounds(params.Bounds);
    window->SetTitle(params.Title);
    window->SetTopMost(params.TopMost);
    window->m_kind = params.Kind;
    window->m_popup = params.Popup;
    window->m_alphaVisual = params.Translucent && m_compositor;
    window->m_compositor = &m_compositor;
    m_windows[id] = window.get();
    return window;
}

THeadlessWindow* THeadlessPlatform::Window(uint32_t id) const {
    auto it = m_windows.find(id);
    return it == m_windows.end() ? nullptr : it->second;
}

std::vector<uint32_t> THeadlessPlatform::CaptureScreen(const TScreenRect& rect) {
    const int32_t width = std::max(rect.Right - rect.Left, 0);
    const int32_t height = std::max(rect.Bottom - rect.Top, 0);
    std::vector<uint32_t> pixels(size_t(width) * size_t(height), 0);
    std::vector<const THeadlessWindow*> shown;
    for (const auto& [id, window] : m_windows)
        if (window->Visible()) shown.push_back(window);
    std::stable_partition(shown.begin(), shown.end(),
                          [](const THeadlessWindow* w) { return w->OnDesktop(); });
    for (const THeadlessWindow* window : shown) {
        const TScreenRect& b = window->Bounds();
        for (int32_t y = std::max(rect.Top, b.Top); y < std::min(rect.Bottom, b.Bottom); ++y)
            for (int32_t x = std::max(rect.Left, b.Left); x < std::min(rect.Right, b.Right); ++x)
                if (window->InShape(x - b.Left, y - b.Top))
                    pixels[size_t(y - rect.Top) * size_t(width) + size_t(x - rect.Left)] =
                        window->Pixel(x - b.Left, y - b.Top) & 0xFFFFFFu;
    }
    return pixels;
}

namespace {

// Puts the headless desktop back as it was when made.
class THeadlessDesktopBackground : public IDesktopBackground {
public:
    THeadlessDesktopBackground(THeadlessPlatform& platform, uint32_t rgb)
        : m_platform(&platform), m_savedWallpaper(platform.Wallpaper()),
          m_savedColor(platform.DesktopColor()) {
        platform.SetDesktop("", rgb & 0xFFFFFFu);
    }
    ~THeadlessDesktopBackground() override { Restore(); }
    const std::string& SavedWallpaper() const override { return m_savedWallpaper; }
    void Restore() override {
        if (THeadlessPlatform* platform = std::exchange(m_platform, nullptr))
            platform->SetDesktop(m_savedWallpaper, m_savedColor);
    }

private:
    THeadlessPlatform* m_platform;
    std::string m_savedWallpaper;
    uint32_t m_savedColor;
};

} // namespace

std::unique_ptr<IDesktopBackground> THeadlessPlatform::PaintDesktop(uint32_t rgb) {
    return std::make_unique<THeadlessDesktopBackground>(*this, rgb);
}

bool THeadlessPlatform::WaitEvent(TPlatformEvent& event, int32_t timeoutMs) {
    {
        std::lock_guard lock(m_wakeMutex);
        if (m_woken && m_events.empty()) {
            m_woken = false;
            return false;
        }
    }
    if (m_events.empty() && timeoutMs == 0 && OnPoll) OnPoll();
    if (m_events.empty() && timeoutMs == 0) return false;
    if (m_events.empty()) {
        ++m_idleWaits;
        if (OnIdleWait) OnIdleWait(timeoutMs);
    }
    if (!m_events.empty()) {
        event = std::move(m_events.front());
        m_events.pop_front();
        return true;
    }
    std::lock_guard lock(m_wakeMutex);
    if (m_woken) {
        m_woken = false;
        return false;
    }
    if (timeoutMs < 0) throw std::runtime_error("headless: waiting forever with no event to come");
    m_now += uint32_t(timeoutMs);
    return false;
}

void THeadlessPlatform::Wake() {
    std::lock_guard lock(m_wakeMutex);
    m_woken = true;
}

void THeadlessPlatform::Inject(TPlatformEvent event) {
    m_events.push_back(std::move(event));
}

void THeadlessPlatform::MouseEvent(TPlatformEventKind kind, uint32_t window, int32_t x, int32_t y,
                                   TPlatformButton button, uint32_t modifiers) {
    if (const THeadlessWindow* w = Window(window)) {
        m_cursorX = w->Bounds().Left + x;
        m_cursorY = w->Bounds().Top + y;
    }
    TPlatformEvent e;
    e.Kind = kind;
    e.Window = window;
    e.X = x;
    e.Y = y;
    e.ScreenX = m_cursorX;
    e.ScreenY = m_cursorY;
    e.Button = button;
    e.Modifiers = modifiers;
    Inject(std::move(e));
}

void THeadlessPlatform::MouseMove(uint32_t window, int32_t x, int32_t y, uint32_t modifiers) {
    MouseEvent(TPlatformEventKind::MouseMove, window, x, y, TPlatformButton::Left, modifiers);
}

void THeadlessPlatform::MouseDown(uint32_t window, int32_t x, int32_t y, TPlatformButton button,
                                  uint32_t modifiers) {
    MouseEvent(TPlatformEventKind::ButtonDown, window, x, y, button, modifiers);
}

void THeadlessPlatform::MouseUp(uint32_t window, int32_t x, int32_t y, TPlatformButton button,
                                uint32_t modifiers) {
    MouseEvent(TPlatformEventKind::ButtonUp, window, x, y, button, modifiers);
}

void THeadlessPlatform::Wheel(uint32_t window, int32_t x, int32_t y, int32_t delta) {
    MouseEvent(TPlatformEventKind::Wheel, window, x, y, TPlatformButton::Left, 0);
    m_events.back().WheelDelta = delta;
}

void THeadlessPlatform::Click(uint32_t window, int32_t x, int32_t y, TPlatformButton button) {
    MouseDown(window, x, y, button);
    MouseUp(window, x, y, button);
}

void THeadlessPlatform::KeyEvent(TPlatformEventKind kind, uint32_t window, uint32_t key,
                                 uint32_t modifiers) {
    TPlatformEvent e;
    e.Kind = kind;
    e.Window = window;
    e.Key = key;
    e.Modifiers = modifiers;
    Inject(std::move(e));
}

void THeadlessPlatform::KeyDown(uint32_t window, uint32_t key, uint32_t modifiers) {
    KeyEvent(TPlatformEventKind::KeyDown, window, key, modifiers);
}

void THeadlessPlatform::KeyUp(uint32_t window, uint32_t key, uint32_t modifiers) {
    KeyEvent(TPlatformEventKind::KeyUp, window, key, modifiers);
}

void THeadlessPlatform::TypeKey(uint32_t window, uint32_t key, const std::string& text) {
    KeyDown(window, key);
    if (!text.empty()) {
        TPlatformEvent e;
        e.Kind = TPlatformEventKind::Text;
        e.Window = window;
        e.Text = text;
        Inject(std::move(e));
    }
    KeyUp(window, key);
}

void THeadlessPlatform::CloseRequest(uint32_t window) {
    TPlatformEvent e;
    e.Kind = TPlatformEventKind::CloseRequest;
    e.Window = window;
    Inject(std::move(e));
}

} // namespace brisat
