// The main window's side of the playlist: the list box, its popup, the previous and next buttons,
// the media file dialog and the graph's completion event, bound to TPlayList.
#include "app/main_form.h"

#include "app/media_file_filter.h"

#include "framework/controls/menu_item.h"
#include "framework/dialogs/open_dialog.h"
#include "framework/widgets/speed_button.h"
#include "media/filter_graph.h"
#include "skin_controls/se_skin_list_box.h"

namespace brisat {

void TfrmMain::BindPlaylistHandlers() {
    TMethodTable& m = Methods();
    m.Add<TNotifyEvent>("Open1Click", [this](TComponent&) { m_playList.Open(); });
    m.Add<TNotifyEvent>("Add1Click", [this](TComponent&) { m_playList.Add(); });
    m.Add<TNotifyEvent>("Remove1Click", [this](TComponent&) { m_playList.Remove(); });
    m.Add<TNotifyEvent>("Clear1Click", [this](TComponent&) { m_playList.Clear(); });
    m.Add<TNotifyEvent>("SpeedButton6Click", [this](TComponent&) { m_playList.Previous(); });
    m.Add<TNotifyEvent>("SpeedButton7Click", [this](TComponent&) { m_playList.Next(); });
    // The user's choice in the list box is the playlist's selection.
    m.Add<TNotifyEvent>("ListBox1Click", [this](TComponent&) {
        m_playList.SetItemIndex(m_parts.ListBox1->ItemIndex());
    });
    m.Add<TNotifyEvent>("ListBox1DblClick", [this](TComponent&) { m_playList.PlaySelected(); });
    m.Add<TControl::TMouseEvent>(
        "ListBox1MouseDown", [this](TControl&, TMouseButton button, TShiftState, int32_t, int32_t) {
            if (button == TMouseButton::mbMiddle) m_playList.Add();
        });
    m.Add<TNotifyEvent>("SeSkinPopupMenu1Popup", [this](TComponent&) {
        m_parts.Remove1->SetEnabled(m_playList.CanRemove());
        m_parts.Clear1->SetEnabled(m_playList.CanClear());
    });
    m.Add<TOnGraphComplete>("FilterGraph1GraphComplete",
                            [this](TComponent&, HRESULT, TFilter) { m_playList.Advance(); });

    m_playList.OnChooseFiles = [this]() -> std::optional<std::vector<std::string>> {
        TOpenDialog& dialog = *m_parts.OpenDialog2;
        // The types installed plugins can play, asked once, after the layout's own entry.
        if (!m_mediaFilterSet) {
            dialog.SetFilter(MediaFileFilter(dialog.Filter(), PlayableMediaTypes()));
            m_mediaFilterSet = true;
        }
        if (!dialog.Execute()) return std::nullopt;
        std::vector<std::string> paths;
        for (int i = 0; i < dialog.Files().Count(); ++i)
            paths.push_back(dialog.Files()[i]);
        return paths;
    };
    m_playList.OnPlayFile = [this](const std::string& path) { PlayFile(path); };
    m_playList.OnStopPlayback = [this] { StopPlayback(); };
    m_playList.OnItemsChanged = [this] {
        TSeSkinListBox& list = *m_parts.ListBox1;
        TEkListBoxItems& items = list.Items();
        items.BeginUpdate();
        items.Clear();
        for (int i = 0; i < m_playList.Count(); ++i)
            items.Add(m_playList.Strings(i));
        items.EndUpdate();
        list.SetItemIndex(m_playList.ItemIndex());
    };
    m_playList.OnSelectionChanged = [this] {
        m_parts.ListBox1->SetItemIndex(m_playList.ItemIndex());
    };
    m_playList.OnButtonsChanged = [this] {
        m_parts.SpeedButton6->SetEnabled(m_playList.PreviousEnabled());
        m_parts.SpeedButton7->SetEnabled(m_playList.NextEnabled());
    };
}

void TfrmMain::OpenFiles(const std::vector<std::string>& paths) {
    // The list shows what the dialog returns in reverse order; handing the paths over reversed
    // keeps the command line's order.
    m_playList.OpenFiles({paths.rbegin(), paths.rend()});
}

} // namespace brisat
