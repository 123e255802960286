#include "app/playlist.h"

#include "framework/core/exceptions.h"
#include "framework/core/store_if_changed.h"

#include <algorithm>

namespace brisat {

namespace {

void Fire(const std::function<void()>& event) {
    if (event) event();
}

} // namespace

std::string ListIndexErrorText(int index) {
    return "List index out of bounds (" + std::to_string(index) + ")";
}

const TPlayListItem& TPlayList::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError(ListIndexErrorText(index));
    return *m_entries[size_t(index)];
}

void TPlayList::SetItemIndex(int index) {
    if (index > Count() - 1) index = Count() - 1;
    if (index < -1) index = 0;
    if (StoreIfChanged(m_itemIndex, index)) Fire(OnSelectionChanged);
}

void TPlayList::Open() {
    std::optional<std::vector<std::string>> chosen = ChooseFiles();
    OpenFiles(chosen ? *chosen : std::vector<std::string>());
}

void TPlayList::OpenFiles(const std::vector<std::string>& paths) {
    auto enableNext = [this] {
        if (m_currentIndex < Count() - 1) SetButtons({.Previous = m_previousEnabled, .Next = true});
    };
    if (paths.empty()) { // nothing chosen
        enableNext();
        return;
    }
    m_entries.clear();
    AppendReversed(paths);
    ItemsChanged();
    SetItemIndex(0);
    StartEntry(0, [&] {
        m_currentIndex = 0;
        enableNext();
    });
}

void TPlayList::Add() {
    if (m_entries.empty()) {
        try {
            Open();
        } catch (...) {
            SetButtons({.Previous = false, .Next = false});
            throw;
        }
        SetButtons({.Previous = false, .Next = false});
        return;
    }
    std::optional<std::vector<std::string>> chosen = ChooseFiles();
    if (chosen && !chosen->empty()) {
        AppendReversed(*chosen);
        ItemsChanged();
    }
    EnableStepsAfterAdding();
}

void TPlayList::AppendFiles(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    AppendReversed({paths.rbegin(), paths.rend()});
    ItemsChanged();
    EnableStepsAfterAdding();
}

void TPlayList::PlayEntry(int index) {
    Items(index);
    SetItemIndex(index);
    StartSelected();
}

// Only enables: a button enabled before stays enabled.
void TPlayList::EnableStepsAfterAdding() {
    SetButtons({.Previous = m_previousEnabled || m_currentIndex > 0,
                .Next = m_nextEnabled || m_currentIndex < Count() - 1});
}

void TPlayList::Remove() {
    Items(m_itemIndex);
    m_entries.erase(m_entries.begin() + m_itemIndex);
    // Removing the last entry selects the one now last, so the selection names an entry.
    m_itemIndex = std::min(m_itemIndex, Count() - 1);
    ItemsChanged();
}

void TPlayList::Clear() {
    Fire(OnStopPlayback);
    m_entries.clear();
    ItemsChanged();
}

void TPlayList::Previous() {
    Step(-1);
}

void TPlayList::Next() {
    Step(+1);
}

void TPlayList::PlaySelected() {
    if (m_itemIndex != m_currentIndex) StartSelected();
}

void TPlayList::AppendReversed(const std::vector<std::string>& paths) {
    for (auto path = paths.rbegin(); path != paths.rend(); ++path)
        m_entries.push_back(std::make_shared<const TPlayListItem>(MakePlayListItem(*path)));
}

// The list box's rule after its items change: an empty list has no selection, and a list without
// one gets entry 0. A selection beyond the end stays where it is.
void TPlayList::ItemsChanged() {
    int before = m_itemIndex;
    if (m_entries.empty())
        m_itemIndex = -1;
    else if (m_itemIndex == -1)
        m_itemIndex = 0;
    Fire(OnItemsChanged);
    if (m_itemIndex != before) Fire(OnSelectionChanged);
}

// The step moves from the selection, not from CurrentIndex; CurrentIndex only guards it.
void TPlayList::Step(int delta) {
    bool allowed = delta < 0 ? m_currentIndex > 0 : m_currentIndex < Count() - 1;
    if (!allowed) {
        ApplyButtonRule();
        return;
    }
    SetItemIndex(m_itemIndex + delta);
    StartSelected();
}

void TPlayList::StartSelected() {
    StartEntry(m_itemIndex, [this] {
        m_currentIndex = m_itemIndex;
        ApplyButtonRule();
    });
}

// An index naming no entry throws before anything changes. Otherwise the entry becomes current,
// plays, and afterwards runs even when playing throws, so CurrentIndex and the buttons always
// agree with CurrentItem.
void TPlayList::StartEntry(int index, const std::function<void()>& afterwards) {
    Items(index);
    m_currentItem = m_entries[size_t(index)];
    std::string path = PlayListItemPath(*m_currentItem);
    try {
        if (OnPlayFile) OnPlayFile(path);
    } catch (...) {
        afterwards();
        throw;
    }
    afterwards();
}

void TPlayList::ApplyButtonRule() {
    SetButtons({.Previous = m_currentIndex >= 1, .Next = m_currentIndex < Count() - 1});
}

void TPlayList::SetButtons(TStepButtons buttons) {
    if (buttons.Previous == m_previousEnabled && buttons.Next == m_nextEnabled) return;
    m_previousEnabled = buttons.Previous;
    m_nextEnabled = buttons.Next;
    Fire(OnButtonsChanged);
}

std::optional<std::vector<std::string>> TPlayList::ChooseFiles() {
    return OnChooseFiles ? OnChooseFiles() : std::nullopt;
}

} // namespace brisat
