#include "app/main_form.h"

#include "app/file_drop.h"
#include "app/player_artwork.h"
#include "framework/controls/application.h"
#include "framework/widgets/combo_box.h"
#include "framework/controls/menu_item.h"
#include "framework/widgets/panel.h"
#include "framework/controls/screen.h"
#include "media/video_window.h"

namespace brisat {
namespace {

// The size limits of the main window, frame included.
constexpr TPoint kMinTrackSize{507, 486};
constexpr TPoint kMaxTrackSize{1024, 768};

} // namespace

TfrmMain::TfrmMain(TComponent* owner, TConfigurationFile configuration, std::string_view layout)
    : TForm(owner), m_configuration(std::move(configuration)) {
    RegisterPlayerClasses();
    BindHandlers();
    LoadLayout(layout);
    m_parts.Bind(*this);
    // The window manager draws no frame on the borderless window, so until a skinned frame
    // draws caption buttons of its own the plain frame shows them, maximise within the size
    // limits included.
    SetBorderIcons({TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize});
    ApplyPlayerArtwork(*this);
}

void TfrmMain::BindHandlers() {
    Methods().Add<TNotifyEvent>("FormCreate", [this](TComponent&) { FormCreate(); });
    Methods().Add<TCloseQueryEvent>("FormCloseQuery",
                                    [this](TComponent&, bool& canClose) { FormCloseQuery(canClose); });
    BindPlaybackHandlers();
    BindPlaylistHandlers();
    BindViewHandlers();
}

void TfrmMain::ReadConfiguration() {
    const TCheckMarks marks = m_configuration.Read();
    for (size_t i = 0; i < ConfigurationKeys.size(); ++i) {
        const auto mark = marks.find(ConfigurationKeys[i].MenuItem);
        m_parts.SettingItems[i]->SetChecked(mark != marks.end() && mark->second);
    }
}

TCheckMarks TfrmMain::CheckMarks() const {
    TCheckMarks marks;
    for (size_t i = 0; i < ConfigurationKeys.size(); ++i)
        marks[std::string(ConfigurationKeys[i].MenuItem)] = m_parts.SettingItems[i]->Checked();
    return marks;
}

void TfrmMain::FormCreate() {
    ReadConfiguration();
    // The skin engine takes the last ticked skin's file; until skins are drawn the choice is
    // only kept in the menu (and so in the settings file).
    SetFormStyle(m_parts.n->Checked() ? TFormStyle::fsStayOnTop : TFormStyle::fsNormal);
    if (!m_parts.N8->Checked()) m_parts.Panel2->Hide();
    if (!m_parts.N9->Checked()) m_parts.Panel1->Hide();
    SetCaption(MainCaption);
    switch (m_parts.DSVideoWindowEx1->AspectRatio()) {
    case TRatioModes::rmStretched: m_parts.Stretched1->SetChecked(true); break;
    case TRatioModes::rmLetterBox: m_parts.LetterBox1->SetChecked(true); break;
    case TRatioModes::rmCrop: m_parts.Crop1->SetChecked(true); break;
    }
    FillMonitorChooser();
}

void TfrmMain::FillMonitorChooser() {
    TComboBox& chooser = *m_parts.ComboBox1;
    chooser.Items().Clear();
    chooser.Items().Add("Текущий Монитор");
    const int monitors = Screen().MonitorCount();
    if (monitors > 1) {
        for (int i = 0; i < monitors; ++i)
            chooser.Items().Add("Монитор" + std::to_string(i));
        chooser.SetEnabled(true);
    }
    chooser.SetItemIndex(0);
}

void TfrmMain::FormCloseQuery(bool& canClose) {
    canClose = true;
    try {
        m_configuration.Write(CheckMarks());
    } catch (const std::exception& e) {
        // Closing stays allowed; the user learns why the settings were not kept.
        if (Application) Application->ShowException(e);
    }
}

// Files and addresses dragged from other programs may be dropped anywhere on the window.
void TfrmMain::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.ExStyle |= WS_EX_ACCEPTFILES;
}

void TfrmMain::WndProc(TMessage& message) {
    if (message.Msg == WM_DROPFILES) {
        TakeDroppedFiles(*this, message.WParam);
        return;
    }
    if (message.Msg == WM_GETMINMAXINFO) {
        auto* info = reinterpret_cast<TMinMaxInfo*>(message.LParam);
        info->ptMinTrackSize = kMinTrackSize;
        info->ptMaxTrackSize = kMaxTrackSize;
        message.Result = 0;
        return;
    }
    TForm::WndProc(message);
    // A press on the window's own client surface drags the window; a windowless control there
    // (the playlist's splitter) keeps its press.
    if (message.Msg == WM_NCHITTEST && message.Result == HTCLIENT &&
        !ControlAtPos(ScreenToClient(LParamToPoint(message.LParam)), TDisabledControls::Include))
        message.Result = HTCAPTION;
}

} // namespace brisat
