// The main window's playback commands and on-screen displays: play, pause and stop, the seek
// bar's tick with the time displays, volume with the bar drawn on the video, mute, full screen
// and desktop playback, aspect and zoom, the mouse on the video, the event log and open URL.
#include "app/color_control_form.h"
#include "app/form_select_url.h"
#include "app/main_form.h"
#include "app/playback_display.h"
#include "effects/about_box.h"
#include "effects/gradient_label.h"
#include "framework/controls/menu.h"
#include "framework/controls/menu_item.h"
#include "framework/graphics/image_list.h"
#include "framework/widgets/memo.h"
#include "framework/widgets/panel.h"
#include "framework/widgets/speed_button.h"
#include "framework/windowing/window_dc.h"
#include "media/ds_track_bar.h"
#include "media/filter_graph.h"
#include "media/graph_event_text.h"
#include "media/platform/media_pipeline.h"
#include "media/video_window.h"
#include "skin_controls/se_skin_combo_box.h"
#include "skin_controls/se_skin_panel.h"
#include "skin_controls/se_skin_track_bar.h"
#include "skin_windows/ks_custom_popup_menu.h"
#include "skin_windows/se_skin_form.h"

namespace brisat {

void TfrmMain::BindPlaybackHandlers() {
    TMethodTable& m = Methods();
    m.Add<TNotifyEvent>("SpeedButton1Click", [this](TComponent&) { PlayCommand(); });
    m.Add<TNotifyEvent>("SpeedButton2Click",
                        [this](TComponent&) { m_parts.FilterGraph1->Pause(); });
    m.Add<TNotifyEvent>("Pause1_OLDClick", [this](TComponent&) { m_parts.FilterGraph1->Pause(); });
    m.Add<TNotifyEvent>("SpeedButton3Click", [this](TComponent&) { m_parts.FilterGraph1->Stop(); });
    m.Add<TNotifyEvent>("Exit1Click", [this](TComponent&) { StopPlayback(); });
    m.Add<TNotifyEvent>("SpeedButton4Click", [this](TComponent&) { FullScreenToggle(); });
    m.Add<TNotifyEvent>("SpeedButton13Click", [this](TComponent&) { DesktopToggle(); });
    m.Add<TNotifyEvent>("SpeedButton5Click", [this](TComponent&) { ShowColorDialog(); });
    m.Add<TNotifyEvent>("OpenURL1Click", [this](TComponent&) { OpenURL(); });
    m.Add<TNotifyEvent>("SoundLevel2Change", [this](TComponent&) { VolumeChanged(); });
    m.Add<TNotifyEvent>("N12Click", [this](TComponent&) { MuteClicked(); });
    m.Add<TOnDSEvent>("FilterGraph1DSEvent",
                      [this](TComponent&, long code, std::intptr_t, std::intptr_t) {
                          m_parts.Memo1->Lines().Add(GraphEventText(code));
                      });
    m.Add<TNotifyEvent>("DSVideoWindowEx1Click", [this](TComponent&) {
        TMenuItem& toggle = *m_parts.Pause1_OLD;
        toggle.Click();
        if (toggle.Checked()) PlayCommand();
    });
    m.Add<TNotifyEvent>("DSVideoWindowEx1DblClick",
                        [this](TComponent&) { m_parts.Open1->Click(); });
    m.Add<TControl::TMouseEvent>("DSVideoWindowEx1MouseDown",
                                 [this](TControl&, TMouseButton button, TShiftState, int32_t,
                                        int32_t) { VideoMouseDown(button); });
    m.Add<TNotifyEvent>("DSVideoWindowEx1ColorKeyChanged",
                        [this](TComponent&) { ColorKeyChanged(); });
    m.Add<TDSVideoWindowEx2::TOverlayVisibleEvent>(
        "DSVideoWindowEx1OverlayVisible",
        [this](TComponent&, bool visible) { OverlayVisibilityChanged(visible); });
    m.Add<TTimerEvent>("DSTrackBar1Timer",
                       [this](TComponent&, uint32_t currentPos, uint32_t stopPos) {
                           SeekBarTick(currentPos, stopPos);
                       });
    m.Add<TNotifyEvent>("CustomItem5Click", [this](TComponent&) { m_parts.ZeltAbout1->Execute(); });
}

void TfrmMain::BindViewHandlers() {
    TMethodTable& m = Methods();
    auto click = [this](TMenuItem* TMainFormParts::*item) {
        return [this, item](TComponent&) { (m_parts.*item)->Click(); };
    };
    m.Add<TNotifyEvent>("SpeedButton9Click", click(&TMainFormParts::N8));
    m.Add<TNotifyEvent>("SpeedButton10Click", click(&TMainFormParts::N9));
    m.Add<TNotifyEvent>("SpeedButton11Click", click(&TMainFormParts::N12));
    m.Add<TNotifyEvent>("SpeedButton12Click", click(&TMainFormParts::Open1));
    m.Add<TNotifyEvent>("CustomItem2Click", click(&TMainFormParts::Open1));
    m.Add<TNotifyEvent>("CustomItem3Click", click(&TMainFormParts::OpenURL1));
    m.Add<TNotifyEvent>("N8Click",
                        [this](TComponent&) { m_parts.Panel2->SetVisible(m_parts.N8->Checked()); });
    m.Add<TNotifyEvent>("N9Click",
                        [this](TComponent&) { m_parts.Panel1->SetVisible(m_parts.N9->Checked()); });
    auto aspect = [this](TRatioModes mode) {
        return [this, mode](TComponent&) { m_parts.DSVideoWindowEx1->SetAspectRatio(mode); };
    };
    m.Add<TNotifyEvent>("Stretched1Click", aspect(TRatioModes::rmStretched));
    m.Add<TNotifyEvent>("LetterBox1Click", aspect(TRatioModes::rmLetterBox));
    m.Add<TNotifyEvent>("Crop1Click", aspect(TRatioModes::rmCrop));
    m.Add<TNotifyEvent>("SpeedButton14Click", [this](TComponent&) { ShowAspectPopup(); });
    m.Add<TNotifyEvent>("SeSkinTrackBar1Change", [this](TComponent&) {
        m_parts.DSVideoWindowEx1->SetDigitalZoom(m_parts.SeSkinTrackBar1->Position());
    });
    m.Add<TNotifyEvent>("Exit2Click", [this](TComponent&) { Close(); });
    m.Add<TNotifyEvent>("Exit2_OLDClick", [this](TComponent&) { Close(); });
    // The settings dialog comes with the skinned windows; until then the button says so.
    m.Add<TNotifyEvent>("SpeedButton8Click", [](TComponent&) {
        throw EInvalidOperation("The settings dialog is not available in this version");
    });
}

// The graph is built on a worker while the window stays live; playback starts when it is built.
// A failure is shown by the application's exception display; Stop or the next open cancels.
void TfrmMain::PlayFile(const std::string& path) {
    TFilterGraph& graph = *m_parts.FilterGraph1;
    m_openedLocation = path;
    graph.ClearGraph();
    graph.SetActive(false);
    graph.SetActive(true);
    graph.BeginRenderFile(path, [this] {
        PlayRendered();
        CheckColorControlSupport();
    });
}

void TfrmMain::PlayRendered() {
    TFilterGraph& graph = *m_parts.FilterGraph1;
    m_parts.SoundLevel->SetPosition(graph.Volume());
    graph.Play();
}

void TfrmMain::PlayCommand() {
    TFilterGraph& graph = *m_parts.FilterGraph1;
    if (graph.Active())
        graph.Play();
    else
        m_playList.Open();
    CheckColorControlSupport();
}

void TfrmMain::StopPlayback() {
    TFilterGraph& graph = *m_parts.FilterGraph1;
    graph.Stop();
    graph.ClearGraph();
    // An inactive graph makes Play ask for a file instead of running an empty graph.
    graph.SetActive(false);
    m_parts.DSTrackBar1->SetPosition(0);
    m_parts.Panel2->SetCaption(ElapsedTimeText(0));
    m_parts.ZeltLiquidLabel1->SetCaption(LongTimeText(0));
    SetCaption(MainCaption);
}

void TfrmMain::CheckColorControlSupport() {
    m_parts.SpeedButton5->SetEnabled(true);
    m_parts.ColorControl1->SetEnabled(true);
}

void TfrmMain::SeekBarTick(uint32_t currentPosMs, uint32_t stopPosMs) {
    int64_t position = 0;
    if (auto seeking = m_parts.FilterGraph1->QueryInterface<TGraphInterface::IMediaSeeking>())
        seeking->GetCurrentPosition(position);
    m_parts.Panel2->SetCaption(ElapsedTimeText(position));
    if (m_volumeBarShown) {
        m_parts.DSVideoWindowEx1->RefreshVideoWindow();
        m_volumeBarShown = false;
    }
    if (const TPlayListItem* item = m_playList.CurrentItem())
        SetCaption(PlayingCaption(item->FileName, currentPosMs, stopPosMs));
    m_parts.ZeltLiquidLabel1->SetCaption(LongTimeText(currentPosMs));
}

void TfrmMain::VolumeChanged() {
    TDSVideoWindowEx2& video = *m_parts.DSVideoWindowEx1;
    const TImageList& bars = *m_parts.ImageList2;
    const int32_t volume = m_parts.SoundLevel->Position();
    m_parts.FilterGraph1->SetVolume(volume);
    // The empty bar twice as wide and 38 high, 27 pixels above the video's bottom edge, and the
    // full bar over its left part in proportion to the volume.
    const int32_t top = video.Height() - 65;
    TWindowDC window(video.Handle());
    if (TDeviceContext* dc = window.DC()) {
        TBitmap bar;
        if (bars.GetBitmap(0, bar)) dc->StretchBlt(10, top, 208, 38, bar.DC(), 0, 0, 104, 23);
        const int32_t w = VolumeBarFill(volume);
        if (w > 0 && bars.GetBitmap(1, bar))
            dc->StretchBlt(10, top, 2 * w, 38, bar.DC(), 0, 0, w, 23);
    }
    m_volumeBarShown = true;
}

void TfrmMain::MuteClicked() {
    TSeSkinTrackBar& level = *m_parts.SoundLevel;
    const bool soundOn = m_parts.N12->Checked();
    level.SetPosition(0);
    if (soundOn) level.SetPosition(10000);
    TSpeedButton& button = *m_parts.SpeedButton11;
    button.SetImageIndex(soundOn ? 19 : 18);
    button.SetHint(soundOn ? "Выключить звук" : "Включить звук");
}

int32_t TfrmMain::ChosenMonitor() const {
    return m_parts.ComboBox1->ItemIndex() - 1;
}

void TfrmMain::FullScreenToggle() {
    TDSVideoWindowEx2& video = *m_parts.DSVideoWindowEx1;
    if (video.FullScreen())
        video.NormalPlayback();
    else if (ChosenMonitor() < 0)
        video.StartFullScreen();
    else
        video.StartFullScreen(ChosenMonitor());
}

void TfrmMain::DesktopToggle() {
    TDSVideoWindowEx2& video = *m_parts.DSVideoWindowEx1;
    if (video.DesktopPlayback())
        video.NormalPlayback();
    else if (ChosenMonitor() < 0)
        video.StartDesktopPlayback();
    else
        video.StartDesktopPlayback(ChosenMonitor());
}

void TfrmMain::VideoMouseDown(TMouseButton button) {
    if (button == TMouseButton::mbRight) FullScreenToggle();
    if (button == TMouseButton::mbMiddle) {
        FullScreenToggle();
        // The skinned frame owns the window's states, so its maximise button shows restore.
        m_parts.SeSkinForm1->SetWindowState(TKsWindowState::kwsMaximized);
    }
}

void TfrmMain::ShowAspectPopup() {
    const TSpeedButton& button = *m_parts.SpeedButton14;
    const TPoint at =
        m_parts.SeSkinPanel1->ClientToScreen({button.Left(), button.Top() + button.Height()});
    m_parts.SeSkinPopupMenu3->Popup(at.X, at.Y);
}

void TfrmMain::ColorKeyChanged() {
    TDSVideoWindowEx2& video = *m_parts.DSVideoWindowEx1;
    const TColor color = video.OverlayVisible() ? video.ColorKey() : video.Color();
    m_parts.Panel2->SetColor(color);
    m_parts.ImageList2->SetBkColor(color);
}

void TfrmMain::OverlayVisibilityChanged(bool visible) {
    TDSVideoWindowEx2& video = *m_parts.DSVideoWindowEx1;
    m_parts.Panel2->SetColor(visible ? video.ColorKey() : video.Color());
}

void TfrmMain::ShowColorDialog() {
    TColorControlForm dialog(nullptr, *m_parts.DSVideoWindowEx1);
    dialog.ShowModal();
}

void TfrmMain::OpenURL() {
    TFormSelectURL dialog(nullptr);
    if (dialog.ShowModal() != mrOk) return;
    TFilterGraph& graph = *m_parts.FilterGraph1;
    if (!graph.Active()) graph.SetActive(true);
    graph.ClearGraph();
    m_openedLocation = dialog.Address();
    graph.BeginRenderFile(dialog.Address(), [this] { PlayRendered(); });
}

} // namespace brisat
