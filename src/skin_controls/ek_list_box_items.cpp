#include "skin_controls/ek_list_box_items.h"

#include "framework/core/identifiers.h"
#include "framework/core/string_list.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace brisat {
namespace {

bool LessItem(const TEkListBoxItems::TItem& a, const TEkListBoxItems::TItem& b) {
    return LessListText(a.Text, b.Text);
}

} // namespace

void TEkListBoxItems::Assign(const TPersistent& source) {
    const auto* other = dynamic_cast<const TEkListBoxItems*>(&source);
    if (!other) return TPersistent::Assign(source);
    if (other == this) return;
    m_items = other->m_items;
    Sort();
    Changed();
}

size_t TEkListBoxItems::CheckIndex(int32_t index) const {
    return CheckListIndex(index, Count());
}

void TEkListBoxItems::CheckUnsorted() const {
    CheckListUnsorted(m_sorted);
}

void TEkListBoxItems::SetStrings(int32_t index, const std::string& text) {
    CheckUnsorted();
    Item(index).Text = text;
    Changed();
}

void TEkListBoxItems::SetObjects(int32_t index, intptr_t object) {
    Item(index).Object = object;
    Changed();
}

int32_t TEkListBoxItems::AddObject(const std::string& text, intptr_t object) {
    TItem item{text, object};
    const auto at = m_sorted ? std::upper_bound(m_items.begin(), m_items.end(), item, LessItem)
                             : m_items.end();
    const int32_t index = int32_t(at - m_items.begin());
    m_items.insert(at, std::move(item));
    Changed();
    return index;
}

void TEkListBoxItems::Insert(int32_t index, const std::string& text) {
    CheckUnsorted();
    if (index != Count()) CheckIndex(index);
    m_items.insert(m_items.begin() + index, TItem{text});
    Changed();
}

void TEkListBoxItems::Delete(int32_t index) {
    m_items.erase(m_items.begin() + std::ptrdiff_t(CheckIndex(index)));
    Changed();
}

void TEkListBoxItems::Exchange(int32_t a, int32_t b) {
    std::swap(Item(a), Item(b));
    Changed();
}

void TEkListBoxItems::Clear() {
    if (m_items.empty()) return;
    m_items.clear();
    Changed();
}

int32_t TEkListBoxItems::IndexOf(std::string_view text) const {
    for (size_t i = 0; i < m_items.size(); ++i)
        if (SameText(m_items[i].Text, text)) return int32_t(i);
    return -1;
}

std::string TEkListBoxItems::Text() const {
    std::string text;
    for (const TItem& item : m_items)
        text.append(item.Text).push_back('\n');
    return text;
}

void TEkListBoxItems::SetText(std::string_view text) {
    m_items.clear();
    for (std::string& line : SplitListText(text))
        m_items.push_back(TItem{std::move(line)});
    Sort();
    Changed();
}

void TEkListBoxItems::SetSorted(bool sorted) {
    if (std::exchange(m_sorted, sorted) == sorted || !sorted) return;
    Sort();
    Changed();
}

void TEkListBoxItems::Sort() {
    if (m_sorted) std::stable_sort(m_items.begin(), m_items.end(), LessItem);
}

void TEkListBoxItems::EndUpdate() {
    if (m_updating == 0 || --m_updating > 0) return;
    Changed();
}

void TEkListBoxItems::Changed() {
    if (m_updating == 0 && OnChange) OnChange();
}

} // namespace brisat
