// TEkListBoxItems: the Items of a self-drawn list box: strings, each with an object value, a
// check state, an enabled flag and a selected flag that travel with it through inserts,
// deletes, exchanges and sorting. Every change is reported to the list box through OnChange
// (at once, or once at the end of an update bracket). Sorted lists order their strings as the
// framework's string lists do. GUI thread only.
#pragma once

#include "framework/core/persistent.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brisat {

enum class TKsCheckBoxState : uint8_t { cbUnchecked, cbChecked, cbGrayed };

class TEkListBoxItems : public TPersistent {
public:
    struct TItem {
        std::string Text;
        intptr_t Object = 0;
        TKsCheckBoxState State = TKsCheckBoxState::cbUnchecked;
        bool Enabled = true;
        bool Selected = false;
    };

    std::string ClassName() const override { return "TEkListBoxItems"; }
    void Assign(const TPersistent& source) override;

    int32_t Count() const { return int32_t(m_items.size()); }
    // Index errors raise EListError "List index out of bounds (N)".
    const std::string& operator[](int32_t index) const { return Item(index).Text; }
    const std::string& Strings(int32_t index) const { return Item(index).Text; }
    // Not on a sorted list (EListError).
    void SetStrings(int32_t index, const std::string& text);
    intptr_t Objects(int32_t index) const { return Item(index).Object; }
    void SetObjects(int32_t index, intptr_t object);
    // Appends, or on a sorted list inserts in order; returns the index.
    int32_t Add(const std::string& text) { return AddObject(text, 0); }
    int32_t AddObject(const std::string& text, intptr_t object);
    // Index may be Count; not on a sorted list (EListError).
    void Insert(int32_t index, const std::string& text);
    void Delete(int32_t index);
    void Exchange(int32_t a, int32_t b);
    void Clear();
    int32_t IndexOf(std::string_view text) const;

    std::string Text() const;
    void SetText(std::string_view text);

    bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);

    void BeginUpdate() { ++m_updating; }
    void EndUpdate();
    bool Updating() const { return m_updating > 0; }

    // The whole entry of an item (the list box keeps its flags here).
    const TItem& Item(int32_t index) const { return m_items[CheckIndex(index)]; }
    TItem& Item(int32_t index) { return m_items[CheckIndex(index)]; }

    std::function<void()> OnChange;

private:
    size_t CheckIndex(int32_t index) const;
    void CheckUnsorted() const;
    void Sort();
    void Changed();

    std::vector<TItem> m_items;
    bool m_sorted = false;
    int32_t m_updating = 0;
};

} // namespace brisat
