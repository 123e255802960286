// The player's main window: its layout read from the embedded object text, the handlers the
// layout names, the creation sequence, the size limits and dragging by the client area. The
// playback commands live in main_form_playback.cpp, the playlist binding in
// main_form_playlist.cpp, the skin and the skinned frame in main_form_skin.cpp.
#pragma once

#include "app/configuration.h"
#include "app/layouts.h"
#include "app/main_form_parts.h"
#include "app/playlist.h"
#include "framework/controls/form.h"

#include <string>
#include <vector>

namespace brisat {

class TfrmMain : public TForm {
public:
    // Reads the layout (the embedded one unless given) and binds its components, raising
    // EComponentError for one missing or of another class; the creation handler runs when the
    // application creates the form.
    TfrmMain(TComponent* owner, TConfigurationFile configuration,
             std::string_view layout = FrmMainLayout());
    std::string ClassName() const override { return "TfrmMain"; }

    // Operations other parts of the program call by name.
    void ReadConfiguration();
    // Starts building the graph for a file or address and returns; it plays once built.
    void PlayFile(const std::string& path);
    void CheckColorControlSupport();
    // The command line's files: the playlist holds them in this order and the first one plays.
    void OpenFiles(const std::vector<std::string>& paths);

    // Loads a skin file into the engine; a file that fails to load is reported in one message
    // box and leaves the plain look. A missing file gives the plain look silently.
    void LoadSkin(const std::string& fileName);
    // Brings the window back from minimised or the tray through its frame, shown and active.
    void BringToFront();

    TPlayList& PlayList() { return m_playList; }
    const TMainFormParts& Parts() const { return m_parts; }
    // The file or address the graph was last given to play: a playlist entry or the open-URL
    // dialog's address, which never joins the playlist.
    const std::string& OpenedLocation() const { return m_openedLocation; }

protected:
    void Loaded() override;
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    void BindHandlers();
    void BindPlaybackHandlers();
    void BindPlaylistHandlers();
    void BindViewHandlers();
    void BindSkinHandlers();
    // The skinned frame: the size limits and dragging by the client surface.
    void SetUpFrame();
    // Creation step 2: the last ticked skin of the "Skin" menu, else the layout's.
    void LoadTickedSkin();
    // The main menu's bar shows while the frame shows the client area: a rolled-up or
    // minimised frame is its caption alone.
    void FollowFrameState();
    void FollowSkinTextColour();
    // Attaches or detaches the main menu's bar keeping the window's bounds.
    void ShowMenuBar(bool shown);
    void FormCreate();
    void FormCloseQuery(bool& canClose);
    void LoadGlyphs();
    void FillMonitorChooser();
    TCheckMarks CheckMarks() const;

    // Playback commands.
    void PlayCommand();
    // Stops and clears the graph and lets it go; the time displays and the caption start over.
    void StopPlayback();
    void FullScreenToggle();
    void DesktopToggle();
    void SeekBarTick(uint32_t currentPosMs, uint32_t stopPosMs);
    void VolumeChanged();
    void MuteClicked();
    void OpenURL();
    // Once a graph is built: the volume bar takes its volume, and it plays.
    void PlayRendered();
    void ShowColorDialog();
    void ShowAspectPopup();
    void VideoMouseDown(TMouseButton button);
    void ColorKeyChanged();
    void OverlayVisibilityChanged(bool visible);
    int32_t ChosenMonitor() const;

    static constexpr const char* MainCaption = "Brisat 1.0b";

    TMainFormParts m_parts;
    TConfigurationFile m_configuration;
    TPlayList m_playList;
    std::string m_openedLocation;
    bool m_volumeBarShown = false;
    bool m_mediaFilterSet = false;       // OpenDialog2 offers the types playable here
    TMainMenu* m_mainMenu = nullptr;     // the bar's menu, also while the bar is detached
    TColor m_clockColour = clWindowText; // the clock's own text colour, for the plain look
};

// Registers the classes of every control the player's layouts use.
void RegisterPlayerClasses();

} // namespace brisat
