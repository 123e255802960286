#include "app/main_form_parts.h"

#include "app/component_binding.h"
#include "effects/about_box.h"
#include "effects/clock_label.h"
#include "effects/gradient_label.h"
#include "framework/controls/menu.h"
#include "framework/controls/menu_item.h"
#include "framework/dialogs/open_dialog.h"
#include "framework/graphics/image_list.h"
#include "framework/widgets/memo.h"
#include "framework/widgets/panel.h"
#include "framework/widgets/speed_button.h"
#include "media/ds_track_bar.h"
#include "media/filter_graph.h"
#include "media/video_window.h"
#include "skin/engine/skin_engine.h"
#include "skin_controls/se_skin_combo_box.h"
#include "skin_controls/se_skin_list_box.h"
#include "skin_controls/se_skin_panel.h"
#include "skin_controls/se_skin_track_bar.h"
#include "skin_windows/ks_custom_popup_menu.h"
#include "skin_windows/se_skin_form.h"

namespace brisat {

void TMainFormParts::Bind(TComponent& frmMain) {
    auto bind = [&frmMain](std::string_view name, auto*& field) {
        BindComponent(frmMain, name, field);
    };
    bind("FilterGraph1", FilterGraph1);
    bind("DSVideoWindowEx1", DSVideoWindowEx1);
    bind("DSTrackBar1", DSTrackBar1);
    bind("SoundLevel", SoundLevel);
    bind("SeSkinTrackBar1", SeSkinTrackBar1);
    bind("Memo1", Memo1);
    bind("ComboBox1", ComboBox1);
    bind("ImageList2", ImageList2);
    bind("ZeltAbout1", ZeltAbout1);

    bind("SeSkinEngine1", SeSkinEngine1);
    bind("SeSkinForm1", SeSkinForm1);

    bind("Panel1", Panel1);
    bind("Panel2", Panel2);
    bind("SeSkinPanel1", SeSkinPanel1);
    bind("ZeltClock1", ZeltClock1);
    bind("ZeltLiquidLabel1", ZeltLiquidLabel1);

    bind("SpeedButton5", SpeedButton5);
    bind("SpeedButton6", SpeedButton6);
    bind("SpeedButton7", SpeedButton7);
    bind("SpeedButton11", SpeedButton11);
    bind("SpeedButton14", SpeedButton14);

    bind("SeSkinPopupMenu3", SeSkinPopupMenu3);
    bind("Pause1_OLD", Pause1_OLD);
    bind("Open1", Open1);
    bind("OpenURL1", OpenURL1);
    bind("ColorControl1", ColorControl1);
    bind("n", n);
    bind("N8", N8);
    bind("N9", N9);
    bind("N12", N12);
    bind("Stretched1", Stretched1);
    bind("LetterBox1", LetterBox1);
    bind("Crop1", Crop1);

    bind("ListBox1", ListBox1);
    bind("OpenDialog2", OpenDialog2);
    bind("Remove1", Remove1);
    bind("Clear1", Clear1);

    for (size_t i = 0; i < SkinChoices.size(); ++i)
        bind(SkinChoices[i].MenuItem, SkinItems[i]);
    for (size_t i = 0; i < ConfigurationKeys.size(); ++i)
        bind(ConfigurationKeys[i].MenuItem, SettingItems[i]);
}

} // namespace brisat
