// The playlist without its window: the entries the list box shows, the list box's selection, the
// entry playing, the enabled state of the previous and next buttons, and the commands that change
// them. The main window binds it to its list box, buttons, file dialog and PlayFile through the
// events below; everything runs on the GUI thread.
#pragma once

#include "app/play_list_item.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brisat {

// Text of the index error raised when a command reads an entry that does not exist.
std::string ListIndexErrorText(int index);

class TPlayList {
public:
    // The media file dialog: the chosen paths in the dialog's order, nullopt when cancelled.
    std::function<std::optional<std::vector<std::string>>()> OnChooseFiles;
    // Starts playback of a full path (the main window's PlayFile). It may throw; the playlist
    // has then already recorded the entry as started, and the error goes on to the caller.
    std::function<void(const std::string& path)> OnPlayFile;
    // Clear stops playback first: stop, clear and deactivate the filter graph.
    std::function<void()> OnStopPlayback;
    // Entries added or removed; the list box re-reads Count and Strings.
    std::function<void()> OnItemsChanged;
    // ItemIndex changed.
    std::function<void()> OnSelectionChanged;
    // PreviousEnabled or NextEnabled changed.
    std::function<void()> OnButtonsChanged;

    // The list box's side.
    int Count() const { return int(m_entries.size()); }
    // Throws EListError with ListIndexErrorText for an index that names no entry.
    const TPlayListItem& Items(int index) const;
    const std::string& Strings(int index) const { return Items(index).FileName; }
    // -1 for none. Assigning clamps as the list box does: above the last entry to the last
    // entry, below -1 to 0 (so -1 stays -1, and an empty list may hold 0).
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);

    // The main window's side.
    const TPlayListItem* CurrentItem() const { return m_currentItem.get(); }
    int CurrentIndex() const { return m_currentIndex; }
    bool PreviousEnabled() const { return m_previousEnabled; }
    bool NextEnabled() const { return m_nextEnabled; }
    // The list's popup: "remove" needs a selection, "clear" an entry.
    bool CanRemove() const { return m_itemIndex != -1; }
    bool CanClear() const { return !m_entries.empty(); }

    // Commands.
    // Asks for files; when chosen, replaces the list with them and plays the first entry.
    void Open();
    // The list as Open makes it from paths the dialog returned: last path first.
    void OpenFiles(const std::vector<std::string>& paths);
    // Open on an empty list (leaving both step buttons disabled), else appends chosen files.
    void Add();
    // Appends entries for Paths in their order (files dropped on the window, an address the
    // desktop opens) without touching the selection or playback; enables the step buttons as
    // Add does.
    void AppendFiles(const std::vector<std::string>& paths);
    // Selects entry Index and plays it, as a double click on it would, even when it is current.
    void PlayEntry(int index);
    // Deletes the selected entry (the selection stays on the list); what plays and the buttons
    // stay as they are.
    void Remove();
    // Stops playback and empties the list; CurrentItem, CurrentIndex and the buttons stay.
    void Clear();
    // Selects the entry before or after the selection and plays it, while CurrentIndex allows.
    void Previous();
    void Next();
    // End of the playing file: plays the entry after the selection, if there is one.
    void Advance() { Next(); }
    // Double click: plays the selected entry unless it is the current one.
    void PlaySelected();

private:
    void AppendReversed(const std::vector<std::string>& paths);
    void EnableStepsAfterAdding();
    void ItemsChanged();
    void Step(int delta);
    void StartSelected();
    void StartEntry(int index, const std::function<void()>& afterwards);
    void ApplyButtonRule();
    // Whether the previous and next buttons are enabled.
    struct TStepButtons {
        bool Previous = false;
        bool Next = false;
    };
    void SetButtons(TStepButtons buttons);
    std::optional<std::vector<std::string>> ChooseFiles();

    // Shared so that a record outlives its entry while it is still CurrentItem.
    std::vector<std::shared_ptr<const TPlayListItem>> m_entries;
    std::shared_ptr<const TPlayListItem> m_currentItem;
    int m_itemIndex = -1;
    int m_currentIndex = 0;
    bool m_previousEnabled = false;
    bool m_nextEnabled = false;
};

} // namespace brisat
