#include "media/graph_event_text.h"

#include "media/platform/event_codes.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace brisat {

namespace {

struct TEventText {
    long Code;
    const char* Text;
};

constexpr std::array<TEventText, 64> kEventTexts{{
    {EC_COMPLETE, "EC_COMPLETE - All data from a particular stream has been rendered."},
    {EC_USERABORT, "EC_USERABORT - The user has terminated playback."},
    {EC_ERRORABORT, "EC_ERRORABORT - An operation was aborted because of an error."},
    {EC_TIME, "EC_TIME - The requested reference time occurred (currently not used)."},
    {EC_REPAINT, "EC_REPAINT - A video renderer requires a repaint."},
    {EC_STREAM_ERROR_STOPPED, "EC_STREAM_ERROR_STOPPED - A stream error has occurred and the "
                              "stream has been stopped."},
    {EC_STREAM_ERROR_STILLPLAYING, "EC_STREAM_ERROR_STILLPLAYING - A stream error has occurred "
                                   "but the stream is still playing."},
    {EC_ERROR_STILLPLAYING, "EC_ERROR_STILLPLAYING - An error has occurred but the graph is "
                            "still playing."},
    {EC_PALETTE_CHANGED, "EC_PALETTE_CHANGED - The video palette has changed."},
    {EC_VIDEO_SIZE_CHANGED, "EC_VIDEO_SIZE_CHANGED - The native video size has changed."},
    {EC_QUALITY_CHANGE, "EC_QUALITY_CHANGE - The graph is dropping samples for quality "
                        "control."},
    {EC_SHUTTING_DOWN, "EC_SHUTTING_DOWN - The filter graph is shutting down."},
    {EC_CLOCK_CHANGED, "EC_CLOCK_CHANGED - The reference clock has changed."},
    {EC_PAUSED, "EC_PAUSED - A pause request has completed."},
    {EC_OPENING_FILE, "EC_OPENING_FILE - The graph is opening a file or has finished opening "
                      "it."},
    {EC_BUFFERING_DATA, "EC_BUFFERING_DATA - The graph is buffering data or has stopped "
                        "buffering it."},
    {EC_FULLSCREEN_LOST, "EC_FULLSCREEN_LOST - The video renderer is switching out of full-screen "
                         "mode."},
    {EC_ACTIVATE, "EC_ACTIVATE - A video window is being activated or deactivated."},
    {EC_NEED_RESTART, "EC_NEED_RESTART - The graph must be stopped and restarted."},
    {EC_WINDOW_DESTROYED, "EC_WINDOW_DESTROYED - The video renderer's window was destroyed."},
    {EC_DISPLAY_CHANGED, "EC_DISPLAY_CHANGED - The display mode has changed."},
    {EC_STARVATION, "EC_STARVATION - A filter is not receiving enough data."},
    {EC_OLE_EVENT, "EC_OLE_EVENT - A filter is passing a text string to the application."},
    {EC_NOTIFY_WINDOW, "EC_NOTIFY_WINDOW - The renderer's window is being notified."},
    {EC_STREAM_CONTROL_STOPPED, "EC_STREAM_CONTROL_STOPPED - A stream-control stop request has "
                                "completed."},
    {EC_STREAM_CONTROL_STARTED, "EC_STREAM_CONTROL_STARTED - A stream-control start request has "
                                "completed."},
    {EC_END_OF_SEGMENT, "EC_END_OF_SEGMENT - The end of a segment has been reached."},
    {EC_SEGMENT_STARTED, "EC_SEGMENT_STARTED - A new segment has started."},
    {EC_DEVICE_LOST, "EC_DEVICE_LOST - A device has been removed or has become available "
                     "again."},
    {EC_STEP_COMPLETE, "EC_STEP_COMPLETE - A frame step request has completed."},
    {EC_TIMECODE_AVAILABLE, "EC_TIMECODE_AVAILABLE- Sent by filter supporting timecode."},
    {EC_EXTDEVICE_MODE_CHANGE, "EC_EXTDEVICE_MODE_CHANGE - An external device has changed its "
                               "mode."},
    {EC_GRAPH_CHANGED, "EC_GRAPH_CHANGED - The filter graph has changed."},
    {EC_CLOCK_UNSET, "EC_CLOCK_UNSET - The reference clock is no longer available."},
    {EC_VMR_RENDERDEVICE_SET, "EC_VMR_RENDERDEVICE_SET - The video renderer has chosen its "
                              "rendering device."},
    {EC_DVD_DOMAIN_CHANGE, "EC_DVD_DOMAIN_CHANGE - Indicates the DVD Navigator's new domain."},
    {EC_DVD_TITLE_CHANGE, "EC_DVD_TITLE_CHANGE - The current title number has changed."},
    {EC_DVD_CHAPTER_START, "EC_DVD_CHAPTER_START - Playback of a new chapter has started."},
    {EC_DVD_AUDIO_STREAM_CHANGE, "EC_DVD_AUDIO_STREAM_CHANGE - The current audio stream has "
                                 "changed."},
    {EC_DVD_SUBPICTURE_STREAM_CHANGE, "EC_DVD_SUBPICTURE_STREAM_CHANGE - The current subpicture "
                                      "stream has changed."},
    {EC_DVD_ANGLE_CHANGE, "EC_DVD_ANGLE_CHANGE - The number of available angles or the current "
                          "angle has changed."},
    {EC_DVD_BUTTON_CHANGE, "EC_DVD_BUTTON_CHANGE - The number of available buttons or the "
                           "selected button has changed."},
    {EC_DVD_VALID_UOPS_CHANGE, "EC_DVD_VALID_UOPS_CHANGE - The set of available user "
                               "operations has changed."},
    {EC_DVD_STILL_ON, "EC_DVD_STILL_ON - A still period has started."},
    {EC_DVD_STILL_OFF, "EC_DVD_STILL_OFF - A still period has ended."},
    {EC_DVD_CURRENT_TIME, "EC_DVD_CURRENT_TIME - Reports the beginning of every video object "
                          "unit."},
    {EC_DVD_ERROR, "EC_DVD_ERROR - A DVD error condition has occurred."},
    {EC_DVD_WARNING, "EC_DVD_WARNING - A DVD warning condition has occurred."},
    {EC_DVD_CHAPTER_AUTOSTOP, "EC_DVD_CHAPTER_AUTOSTOP - Playback stopped at the end of a "
                              "chapter as requested."},
    {EC_DVD_NO_FP_PGC, "EC_DVD_NO_FP_PGC - The disc has no first-play program chain."},
    {EC_DVD_PLAYBACK_RATE_CHANGE, "EC_DVD_PLAYBACK_RATE_CHANGE - The playback rate has "
                                  "changed."},
    {EC_DVD_PARENTAL_LEVEL_CHANGE, "EC_DVD_PARENTAL_LEVEL_CHANGE - The parental level of the "
                                   "content has changed."},
    {EC_DVD_PLAYBACK_STOPPED, "EC_DVD_PLAYBACK_STOPPED - DVD playback has stopped."},
    {EC_DVD_ANGLES_AVAILABLE, "EC_DVD_ANGLES_AVAILABLE - Angles have become available or "
                              "unavailable."},
    {EC_DVD_PLAYPERIOD_AUTOSTOP, "EC_DVD_PLAYPERIOD_AUTOSTOP - A requested play period has "
                                 "ended."},
    {EC_DVD_BUTTON_AUTO_ACTIVATED, "EC_DVD_BUTTON_AUTO_ACTIVATED - A menu button was activated "
                                   "automatically."},
    {EC_DVD_CMD_START, "EC_DVD_CMD_START - A navigation command has started."},
    {EC_DVD_CMD_END, "EC_DVD_CMD_END - A navigation command has ended."},
    {EC_DVD_DISC_EJECTED, "EC_DVD_DISC_EJECTED - A disc has been ejected from the drive."},
    {EC_DVD_DISC_INSERTED, "EC_DVD_DISC_INSERTED - A disc has been inserted into the drive."},
    {EC_DVD_CURRENT_HMSF_TIME, "EC_DVD_CURRENT_HMSF_TIME - Reports the current playback time "
                               "in hours, minutes, seconds and frames."},
    {EC_DVD_KARAOKE_MODE, "EC_DVD_KARAOKE_MODE - The karaoke mode has changed."},
    {EC_SNDDEV_IN_ERROR, "EC_SNDDEV_IN_ERROR - An audio device error has occurred on an input "
                         "pin."},
    {EC_SNDDEV_OUT_ERROR, "EC_SNDDEV_OUT_ERROR - An audio device error has occurred on an output "
                          "pin."},
}};

} // namespace

std::string GraphEventText(long code) {
    auto entry = std::find_if(kEventTexts.begin(), kEventTexts.end(),
                              [code](const TEventText& e) { return e.Code == code; });
    if (entry != kEventTexts.end()) return entry->Text;
    char fallback[48];
    std::snprintf(fallback, sizeof fallback, "Unknow Graph Event ($%lX)",
                  static_cast<unsigned long>(code) & 0xFFFFFFFFul);
    return fallback;
}

} // namespace brisat
