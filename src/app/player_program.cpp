#include "app/player_program.h"

#include "app/color_control_form.h"
#include "app/config_location.h"
#include "app/form_select_url.h"
#include "app/main_form.h"
#include "app/mpris_bridge.h"
#include "app/termination_signals.h"
#include "framework/controls/application.h"
#include "framework/dialogs/message_box.h"
#include "framework/windowing/message_queue.h"
#include "framework/windowing/window_handle.h"
#include "media/platform/media_setup.h"
#include "media/video_window.h"
#include "platform/sdl_platform.h"
#include "platform/video_stats.h"

#include <atomic>
#include <cstdio>
#include <exception>

namespace brisat {
namespace {

// The main window's handle for the signal watcher's thread; 0 until it exists.
std::atomic<HWND> g_mainWindow{0};

// Timer ids on the main window for a scripted run.
constexpr UINT kQuitTimer = 0x5151;

void SaveScreenshot(TfrmMain& form, const std::string& fileName) {
    try {
        if (IPlatformWindow* native = GetNativeWindow(form.Handle()))
            CaptureWindowToPng(*native, fileName);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "brisat: no screenshot: %s\n", e.what());
    }
}

void ScheduleQuit(TfrmMain& form, const TCommandLine& line) {
    if (line.QuitAfterMs < 0) return;
    const std::string screenshot = line.Screenshot;
    SetTimer(form.Handle(), kQuitTimer, uint32_t(std::max<long>(line.QuitAfterMs, 10)),
             [&form, screenshot](HWND hwnd, UINT id) {
                 KillTimer(hwnd, id);
                 if (!screenshot.empty()) SaveScreenshot(form, screenshot);
                 form.Close();
             });
}

// The main window grows or shrinks by what its video area lacks or has over Width × Height.
void SizeVideoArea(TfrmMain& form, int width, int height) {
    const TDSVideoWindowEx2& video = *form.Parts().DSVideoWindowEx1;
    form.SetClientSize(form.ClientWidth() + width - video.ClientWidth(),
                       form.ClientHeight() + height - video.ClientHeight());
}

} // namespace

int RunPlayer(const TCommandLine& line) {
    // First, before any library starts threads of its own.
    TTerminationWatch signals([](int) {
        if (const HWND main = g_mainWindow.load()) PostMessage(main, WM_CLOSE);
    });
    SetPlatform(CreateDesktopPlatform());
    // On this thread: a first start may fork GStreamer's plugin scanner, which is only safe while
    // no other thread of ours holds a lock.
    EnsureMediaElements();
    int exitCode = 0;
    {
        TApplication application;
        application.Initialize();
        application.SetTitle("Brisat");
        application.SetMessageBoxHandler(ShowMessageBox);
        // Every error shown in a message box is also written to stderr, for the record.
        application.OnException = [&application](TComponent&, const std::exception& e) {
            std::fprintf(stderr, "brisat: %s\n", e.what());
            application.ShowException(e);
        };
        TConfigLocation location = FindConfigLocation();
        TfrmMain& main = application.CreateForm<TfrmMain>(TConfigurationFile(location));
        // The desktop's media keys and players' panels drive the window through the bus. Made
        // before the files open: a thread started while the graph's builder loads decoder
        // libraries waits for the loader, as long as tens of milliseconds.
        TMprisBridge mediaPlayer(main);
        // The files given start opening before anything else is made or shown: the graph builds
        // on its own thread meanwhile. A failure is shown once the window is.
        std::exception_ptr openFailure;
        if (!line.Files.empty()) {
            try {
                main.OpenFiles(PlaylistPaths(line.Files));
            } catch (...) {
                openFailure = std::current_exception();
            }
        }
        // The dialogs the program keeps hidden for its whole run.
        application.CreateForm<TColorControlForm>(*main.Parts().DSVideoWindowEx1);
        application.CreateForm<TFormSelectURL>();
        g_mainWindow = main.Handle();
        // Sized before it shows, so it is laid out and painted once.
        if (line.VideoWidth > 0) SizeVideoArea(main, line.VideoWidth, line.VideoHeight);
        main.Show();
        if (line.FullScreen) main.Parts().DSVideoWindowEx1->StartFullScreen();
        if (openFailure) {
            try {
                std::rethrow_exception(openFailure);
            } catch (...) {
                application.HandleException(main);
            }
        }
        ScheduleQuit(main, line);
        application.Run();
        g_mainWindow = 0;
        exitCode = ExitCode();
    }
    SetPlatform(nullptr);
    if (line.Stats) std::fprintf(stderr, "brisat: %s\n", FormatVideoStats(VideoStats()).c_str());
    return exitCode;
}

} // namespace brisat
