#include "framework/core/string_list.h"

#include "framework/core/exceptions.h"
#include "framework/core/identifiers.h"
#include "framework/core/store_if_changed.h"

#include <algorithm>
#include <utility>

namespace brisat {

bool LessListText(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const char x = AsciiLower(a[i]), y = AsciiLower(b[i]);
        if (x != y) return uint8_t(x) < uint8_t(y);
    }
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

std::vector<std::string> SplitListText(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(start, end - start));
        start = end;
        if (start < text.size() && text[start] == '\r') ++start;
        if (start < text.size() && text[start] == '\n' && (start == end || text[end] == '\r'))
            ++start;
    }
    return lines;
}

void TStringList::Assign(const TPersistent& source) {
    const auto* other = dynamic_cast<const TStringList*>(&source);
    if (!other) return TPersistent::Assign(source);
    if (other == this) return;
    m_items = other->m_items;
    if (m_sorted) std::stable_sort(m_items.begin(), m_items.end(), LessListText);
    Changed();
}

size_t CheckListIndex(int index, int count) {
    if (index < 0 || index >= count)
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return size_t(index);
}

void CheckListUnsorted(bool sorted) {
    if (sorted) throw EListError("Operation not allowed on sorted list");
}

size_t TStringList::CheckIndex(int index) const {
    return CheckListIndex(index, Count());
}

void TStringList::CheckUnsorted() const {
    CheckListUnsorted(m_sorted);
}

void TStringList::SetStrings(int index, const std::string& text) {
    CheckUnsorted();
    m_items[CheckIndex(index)] = text;
    Changed();
}

int TStringList::Add(const std::string& text) {
    const auto at = m_sorted ? std::upper_bound(m_items.begin(), m_items.end(), text, LessListText)
                             : m_items.end();
    const int index = int(at - m_items.begin());
    m_items.insert(at, text);
    Changed(index == Count() - 1);
    return index;
}

void TStringList::Insert(int index, const std::string& text) {
    CheckUnsorted();
    if (index != Count()) CheckIndex(index);
    m_items.insert(m_items.begin() + index, text);
    Changed();
}

void TStringList::Delete(int index) {
    m_items.erase(m_items.begin() + ptrdiff_t(CheckIndex(index)));
    Changed();
}

void TStringList::Clear() {
    if (m_items.empty()) return;
    m_items.clear();
    Changed();
}

int TStringList::IndexOf(std::string_view text) const {
    for (size_t i = 0; i < m_items.size(); ++i)
        if (SameText(m_items[i], text)) return int(i);
    return -1;
}

std::string TStringList::Text() const {
    std::string text;
    for (const std::string& s : m_items)
        text.append(s).push_back('\n');
    return text;
}

void TStringList::SetText(std::string_view text) {
    m_items = SplitListText(text);
    if (m_sorted) std::stable_sort(m_items.begin(), m_items.end(), LessListText);
    Changed();
}

void TStringList::SetSorted(bool sorted) {
    if (!StoreIfChanged(m_sorted, sorted)) return;
    if (!sorted) return;
    std::stable_sort(m_items.begin(), m_items.end(), LessListText);
    Changed();
}

void TStringList::EndUpdate() {
    if (m_updating == 0 || --m_updating > 0) return;
    if (std::exchange(m_changedWhileUpdating, false)) Changed();
}

void TStringList::Changed(bool appended) {
    if (m_updating > 0) {
        m_changedWhileUpdating = true;
        return;
    }
    m_appended = appended;
    if (OnChange) OnChange(*this);
    m_appended = false;
}

} // namespace brisat
