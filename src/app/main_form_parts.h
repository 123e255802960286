// The main window's components its code works with, bound by name once its layout is read.
#pragma once

#include "app/configuration.h"
#include "app/skin_choice.h"

#include <array>

namespace brisat {

class TComponent;
class TDSTrackBar;
class TDSVideoWindowEx2;
class TFilterGraph;
class TImageList;
class TMemo;
class TMenuItem;
class TOpenDialog;
class TPanel;
class TSeSkinComboBox;
class TSeSkinEngine;
class TSeSkinForm;
class TSeSkinListBox;
class TSeSkinPanel;
class TSeSkinPopupMenu;
class TSeSkinTrackBar;
class TSpeedButton;
class TZeltClock;
class TZeltLiquidLabel;
class TZeltShellAbout;

struct TMainFormParts {
    // Raises EComponentError naming the first component the window lacks or holds as another
    // class.
    void Bind(TComponent& frmMain);

    // Playback and the video.
    TFilterGraph* FilterGraph1 = nullptr;
    TDSVideoWindowEx2* DSVideoWindowEx1 = nullptr;
    TDSTrackBar* DSTrackBar1 = nullptr;
    TSeSkinTrackBar* SoundLevel = nullptr;
    TSeSkinTrackBar* SeSkinTrackBar1 = nullptr; // digital zoom
    TMemo* Memo1 = nullptr;                     // the graph's event log
    TSeSkinComboBox* ComboBox1 = nullptr;       // the monitor for full screen and desktop playback
    TImageList* ImageList2 = nullptr;           // the volume bars
    TZeltShellAbout* ZeltAbout1 = nullptr;

    // The skin and the skinned frame.
    TSeSkinEngine* SeSkinEngine1 = nullptr;
    TSeSkinForm* SeSkinForm1 = nullptr;

    // Panels and displays.
    TPanel* Panel1 = nullptr; // the zoom panel
    TPanel* Panel2 = nullptr; // the time over the video
    TSeSkinPanel* SeSkinPanel1 = nullptr;
    TZeltClock* ZeltClock1 = nullptr;
    TZeltLiquidLabel* ZeltLiquidLabel1 = nullptr;

    // Buttons.
    TSpeedButton* SpeedButton5 = nullptr;  // colour control
    TSpeedButton* SpeedButton6 = nullptr;  // previous
    TSpeedButton* SpeedButton7 = nullptr;  // next
    TSpeedButton* SpeedButton11 = nullptr; // mute
    TSpeedButton* SpeedButton14 = nullptr; // aspect

    // Menus.
    TSeSkinPopupMenu* SeSkinPopupMenu3 = nullptr; // aspect
    TMenuItem* Pause1_OLD = nullptr;
    TMenuItem* Open1 = nullptr;
    TMenuItem* OpenURL1 = nullptr;
    TMenuItem* ColorControl1 = nullptr;
    TMenuItem* n = nullptr;   // stay on top
    TMenuItem* N8 = nullptr;  // the time panel
    TMenuItem* N9 = nullptr;  // the zoom panel
    TMenuItem* N12 = nullptr; // sound on
    TMenuItem* Stretched1 = nullptr;
    TMenuItem* LetterBox1 = nullptr;
    TMenuItem* Crop1 = nullptr;

    // The playlist.
    TSeSkinListBox* ListBox1 = nullptr;
    TOpenDialog* OpenDialog2 = nullptr;
    TMenuItem* Remove1 = nullptr;
    TMenuItem* Clear1 = nullptr;

    // The items of the "Skin" menu, in SkinChoices order.
    std::array<TMenuItem*, SkinChoices.size()> SkinItems{};

    // The items whose check marks are the settings, in ConfigurationKeys order.
    std::array<TMenuItem*, ConfigurationKeys.size()> SettingItems{};
};

} // namespace brisat
