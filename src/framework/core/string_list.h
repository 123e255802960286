// TStringList: an ordered list of UTF-8 strings with change notification, optionally kept
// sorted; the Items of list and combo boxes and the Lines of memos. GUI thread only.
#pragma once

#include "framework/core/persistent.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brisat {

// The order of sorted string lists: ignoring ASCII case, then by bytes.
bool LessListText(const std::string& a, const std::string& b);
// Text split into lines at CR LF, LF or CR; a last line without a break counts too.
std::vector<std::string> SplitListText(std::string_view text);
// Index, when it lies in 0 .. Count − 1; else EListError "List index out of bounds (N)".
size_t CheckListIndex(int index, int count);
// EListError for an operation that needs an unsorted list.
void CheckListUnsorted(bool sorted);

class TStringList : public TPersistent {
public:
    std::string ClassName() const override { return "TStringList"; }
    // From another string list: its strings (sorted here when this list is sorted).
    void Assign(const TPersistent& source) override;

    int Count() const { return int(m_items.size()); }
    // Index errors raise EListError "List index out of bounds (N)".
    const std::string& operator[](int index) const { return m_items[CheckIndex(index)]; }
    const std::string& Strings(int index) const { return (*this)[index]; }
    // Not on a sorted list (EListError).
    void SetStrings(int index, const std::string& text);
    // Appends, or on a sorted list inserts in order; returns the index.
    int Add(const std::string& text);
    // Index may be Count; not on a sorted list (EListError).
    void Insert(int index, const std::string& text);
    void Delete(int index);
    void Clear();
    // The first string equal to Text ignoring ASCII case, or -1.
    int IndexOf(std::string_view text) const;

    // Every string followed by a line feed. Setting it splits at CR LF, LF or CR; a last line
    // without a break counts too.
    std::string Text() const;
    void SetText(std::string_view text);

    // Ordered ignoring ASCII case, then by bytes.
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);

    // Changes between BeginUpdate and the matching EndUpdate are reported once, at the end.
    void BeginUpdate() { ++m_updating; }
    void EndUpdate();

    // After every change of the strings.
    std::function<void(TStringList& sender)> OnChange;
    // Whether the change being reported only appended one string at the end (a log line), so
    // that a view may add it instead of starting over.
    bool LastChangeAppended() const { return m_appended; }

private:
    size_t CheckIndex(int index) const;
    void CheckUnsorted() const;
    void Changed(bool appended = false);

    std::vector<std::string> m_items;
    bool m_sorted = false;
    int m_updating = 0;
    bool m_changedWhileUpdating = false;
    bool m_appended = false;
};

} // namespace brisat
