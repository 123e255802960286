#include "platform/x11_desktop_background.h"

#include "platform/desktop_wallpaper_setting.h"
#include "platform/x11_error_trap.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace brisat {
namespace {

// Wallpaper setters store one pixmap id; a longer value is not theirs and is kept as read.
constexpr long MaxPropertyLongs = 64;

// A pixmap id from a property may name a pixmap freed since; asking for its geometry tells.
bool PixmapAlive(Display* display, Pixmap pixmap) {
    TX11ErrorTrap trap(display);
    Window root;
    int x, y;
    unsigned width, height, border, depth;
    const bool answered =
        XGetGeometry(display, pixmap, &root, &x, &y, &width, &height, &border, &depth) != 0;
    return answered && !trap.Failed();
}

struct TRootProperty {
    Atom Name = 0;
    bool Present = false;
    Atom Type = 0;
    int Format = 0;
    std::vector<unsigned char> Data; // as Xlib hands it over: longs for format 32
    unsigned long Count = 0;

    Pixmap FirstPixmap() const {
        if (!Present || Type != XA_PIXMAP || Format != 32 || Count == 0) return 0;
        return Pixmap(reinterpret_cast<const unsigned long*>(Data.data())[0]);
    }
};

TRootProperty ReadProperty(Display* display, Window root, Atom name) {
    TRootProperty property;
    property.Name = name;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, root, name, 0, MaxPropertyLongs, False, AnyPropertyType,
                           &property.Type, &property.Format, &property.Count, &after,
                           &data) != Success)
        return property;
    if (property.Type != None) {
        property.Present = true;
        const size_t unit = property.Format == 32 ? sizeof(long) : size_t(property.Format / 8);
        property.Data.assign(data, data + unit * property.Count);
    }
    if (data) XFree(data);
    return property;
}

} // namespace

struct TX11DesktopBackground::TRoot {
    Display* Connection = nullptr;
    Window Root = 0;
    std::array<TRootProperty, 2> Properties;
    std::unique_ptr<TDesktopWallpaperSetting> Setting;
    bool Restored = false;

    ~TRoot() {
        if (Connection) XCloseDisplay(Connection);
    }

    unsigned long PixelOf(uint32_t color) const {
        XColor exact{};
        exact.red = uint16_t(((color >> 16) & 0xFF) * 0x101);
        exact.green = uint16_t(((color >> 8) & 0xFF) * 0x101);
        exact.blue = uint16_t((color & 0xFF) * 0x101);
        const int screen = DefaultScreen(Connection);
        if (!XAllocColor(Connection, DefaultColormap(Connection, screen), &exact))
            return BlackPixel(Connection, screen);
        return exact.pixel;
    }

    void Paint(uint32_t color) {
        XSetWindowBackground(Connection, Root, PixelOf(color));
        XClearWindow(Connection, Root);
        XSync(Connection, False);
    }

    // A property goes back when it was there and still names a live pixmap (or no pixmap at
    // all); one that was absent is left as the desktop may have set it meanwhile.
    void PutBack(const TRootProperty& saved) const {
        if (!saved.Present) return;
        const Pixmap pixmap = saved.FirstPixmap();
        if (pixmap && !PixmapAlive(Connection, pixmap)) return;
        XChangeProperty(Connection, Root, saved.Name, saved.Type, saved.Format, PropModeReplace,
                        saved.Data.data(), int(saved.Count));
    }

    void Restore() {
        for (const TRootProperty& saved : Properties)
            PutBack(saved);
        // The root shows the wallpaper now named, the saved one or one the desktop drew since.
        const Pixmap wallpaper = ReadProperty(Connection, Root, Properties[0].Name).FirstPixmap();
        if (wallpaper && PixmapAlive(Connection, wallpaper))
            XSetWindowBackgroundPixmap(Connection, Root, wallpaper);
        else
            XSetWindowBackgroundPixmap(Connection, Root, None); // the server's default
        XClearWindow(Connection, Root);
        XSync(Connection, False);
    }
};

// The journal is small; anything longer is not ours.
constexpr std::streamsize MaxJournalBytes = 64 * 1024;

std::string DesktopBackgroundJournalPath() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && *state == '/') return std::string(state) + "/brisat/desktop-wallpaper";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.local/state/brisat/desktop-wallpaper";
}

bool RecoverDesktopBackground(const std::string& journalPath) {
    std::ifstream file(journalPath, std::ios::binary);
    if (!file) return false;
    std::string text(size_t(MaxJournalBytes), '\0');
    file.read(text.data(), MaxJournalBytes);
    text.resize(size_t(file.gcount()));
    file.close();
    const bool restored = TDesktopWallpaperSetting::RestoreJournal(text);
    std::error_code error;
    std::filesystem::remove(journalPath, error);
    return restored;
}

namespace {

// Written beside and renamed over, so the journal is never half there.
void WriteJournal(const std::string& path, const std::string& text) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    const std::string temporary = path + ".new";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!(file << text)) return;
    }
    std::filesystem::rename(temporary, path, error);
}

} // namespace

TX11DesktopBackground::TX11DesktopBackground(uint32_t color, std::string journalPath)
    : m_root(std::make_unique<TRoot>()), m_journalPath(std::move(journalPath)) {
    m_root->Connection = XOpenDisplay(nullptr);
    if (!m_root->Connection) {
        m_root.reset();
        throw std::runtime_error("Cannot open the X display");
    }
    Display* display = m_root->Connection;
    m_root->Root = DefaultRootWindow(display);
    m_root->Properties = {
        ReadProperty(display, m_root->Root, XInternAtom(display, "_XROOTPMAP_ID", False)),
        ReadProperty(display, m_root->Root, XInternAtom(display, "ESETROOT_PMAP_ID", False))};
    RecoverDesktopBackground(m_journalPath); // a crashed run's plain colour is not the wallpaper
    m_root->Setting = std::make_unique<TDesktopWallpaperSetting>();
    m_savedWallpaper = m_root->Setting->Wallpaper();
    if (m_root->Setting->Found()) WriteJournal(m_journalPath, m_root->Setting->Journal());
    m_root->Setting->SetPlainColor(color);
    m_root->Paint(color);
}

TX11DesktopBackground::~TX11DesktopBackground() {
    Restore();
}

void TX11DesktopBackground::Restore() {
    if (!m_root || m_root->Restored) return;
    m_root->Restored = true;
    // The desktop environment redraws from its setting first; the root then gets its own back.
    m_root->Setting->Restore();
    std::error_code error;
    std::filesystem::remove(m_journalPath, error);
    m_root->Restore();
}

} // namespace brisat
