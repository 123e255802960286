#include "app/main_form.h"

#include "app/layout_filter.h"
#include "app/file_drop.h"
#include "app/player_artwork.h"
#include "framework/controls/application.h"
#include "framework/controls/menu_item.h"
#include "framework/widgets/panel.h"
#include "framework/controls/screen.h"
#include "media/video_window.h"
#include "skin_controls/se_skin_combo_box.h"
#include "skin_windows/se_skin_form.h"

namespace brisat {

TfrmMain::TfrmMain(TComponent* owner, TConfigurationFile configuration, std::string_view layout)
    : TForm(owner), m_configuration(std::move(configuration)) {
    RegisterPlayerClasses();
    BindHandlers();
    LoadLayout(layout);
    // The skinned frame; the decorations whose classes this program lacks stay unread.
    LoadLayout(WithoutUnregisteredComponents(FrmMainDecorationsLayout()));
    m_parts.Bind(*this);
    SetUpFrame();
    ApplyPlayerArtwork(*this);
}

void TfrmMain::BindHandlers() {
    Methods().Add<TNotifyEvent>("FormCreate", [this](TComponent&) { FormCreate(); });
    Methods().Add<TCloseQueryEvent>("FormCloseQuery",
                                    [this](TComponent&, bool& canClose) { FormCloseQuery(canClose); });
    BindPlaybackHandlers();
    BindPlaylistHandlers();
    BindViewHandlers();
    BindSkinHandlers();
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
    LoadTickedSkin();
    m_parts.SeSkinForm1->SetStayOnTop(m_parts.n->Checked());
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
    TSeSkinComboBox& chooser = *m_parts.ComboBox1;
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
    TForm::WndProc(message);
}

} // namespace brisat
