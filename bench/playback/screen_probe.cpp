// Screen helper for the playback measurements (measure-playback.sh), the same for every player:
//   screen_probe wait RRGGBB TIMEOUT_MS   polls the whole screen until a good part of it shows
//                                         the colour, then prints the wall-clock time in ms
//   screen_probe key KEYSYM               moves the pointer to the screen's centre and types the
//                                         key there (XTEST), e.g. Return, z, space
// It talks to $DISPLAY and exits 1 with a message when it cannot, or when the wait times out.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <thread>

namespace {

constexpr int kGrid = 8;         // every 8th pixel of every 8th row is sampled
constexpr int kTolerance = 40;   // per channel, for scaling and colour-conversion error
constexpr int kMinSamples = 600; // about 200 × 200 pixels of the colour

double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(system_clock::now().time_since_epoch()).count();
}

bool Near(unsigned long pixel, unsigned rgb) {
    auto channel = [](unsigned long v, int shift) { return int((v >> shift) & 0xFF); };
    for (int shift : {16, 8, 0})
        if (std::abs(channel(pixel, shift) - channel(rgb, shift)) > kTolerance) return false;
    return true;
}

int CountSamples(XImage* image, unsigned rgb) {
    int count = 0;
    for (int y = kGrid / 2; y < image->height; y += kGrid)
        for (int x = kGrid / 2; x < image->width; x += kGrid)
            if (Near(XGetPixel(image, x, y), rgb)) ++count;
    return count;
}

int Wait(Display* display, unsigned rgb, double timeoutMs) {
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const int width = DisplayWidth(display, screen), height = DisplayHeight(display, screen);
    if (!XShmQueryExtension(display)) {
        std::fprintf(stderr, "screen_probe: the X server has no shared memory extension\n");
        return 1;
    }
    XShmSegmentInfo shm{};
    XImage* image = XShmCreateImage(display, DefaultVisual(display, screen),
                                    unsigned(DefaultDepth(display, screen)), ZPixmap, nullptr, &shm,
                                    unsigned(width), unsigned(height));
    shm.shmid =
        shmget(IPC_PRIVATE, size_t(image->bytes_per_line) * size_t(height), IPC_CREAT | 0600);
    shm.shmaddr = image->data = static_cast<char*>(shmat(shm.shmid, nullptr, 0));
    XShmAttach(display, &shm);
    shmctl(shm.shmid, IPC_RMID, nullptr);
    const double deadline = NowMs() + timeoutMs;
    int result = 1;
    while (NowMs() < deadline) {
        if (XShmGetImage(display, root, image, 0, 0, AllPlanes) &&
            CountSamples(image, rgb) >= kMinSamples) {
            std::printf("%.1f\n", NowMs());
            result = 0;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    if (result != 0) std::fprintf(stderr, "screen_probe: the colour did not appear in time\n");
    XShmDetach(display, &shm);
    XDestroyImage(image);
    shmdt(shm.shmaddr);
    return result;
}

int Key(Display* display, const char* name) {
    const KeySym sym = XStringToKeysym(name);
    const KeyCode code = sym == NoSymbol ? 0 : XKeysymToKeycode(display, sym);
    if (code == 0) {
        std::fprintf(stderr, "screen_probe: no key %s\n", name);
        return 1;
    }
    const int screen = DefaultScreen(display);
    XTestFakeMotionEvent(display, screen, DisplayWidth(display, screen) / 2,
                         DisplayHeight(display, screen) / 2, 0);
    XTestFakeKeyEvent(display, code, True, 0);
    XTestFakeKeyEvent(display, code, False, 20);
    XSync(display, False);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (!((command == "wait" && argc == 4) || (command == "key" && argc == 3))) {
        std::fprintf(stderr, "usage: screen_probe wait RRGGBB TIMEOUT_MS | key KEYSYM\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "screen_probe: cannot open the display\n");
        return 1;
    }
    const int result = command == "wait"
                           ? Wait(display, unsigned(std::strtoul(argv[2], nullptr, 16)),
                                  std::strtod(argv[3], nullptr))
                           : Key(display, argv[2]);
    XCloseDisplay(display);
    return result;
}
