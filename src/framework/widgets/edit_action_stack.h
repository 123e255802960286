// TEditActionStack: an edit's undo history. Deletions keep the removed text, insertions their
// length; consecutive typing, backspacing and forward deleting each merge into one record, and a
// record marked Grouped is undone together with the one below it (typing over a selection).
// Positions are 1-based character positions. GUI thread only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace brisat {

enum class TEditActionKind : uint8_t { Deleted = 0, Inserted = 1 };

struct TEditAction {
    TEditActionKind Kind = TEditActionKind::Deleted;
    bool Grouped = false;
    int32_t Position = 0;
    std::u32string Text;  // the deleted text
    int32_t Count = 0;    // characters inserted
};

class TEditActionStack {
public:
    bool Empty() const { return m_actions.empty(); }
    size_t Count() const { return m_actions.size(); }
    const TEditAction& Top() const { return m_actions.back(); }
    void Clear() { m_actions.clear(); }

    // Text was deleted at Position: joins the newest deletion when it continues it.
    void RecordDeletion(std::u32string_view text, int32_t position);
    // Count characters were inserted at Position: joins the newest insertion that ends there.
    void RecordInsertion(int32_t count, int32_t position, bool grouped);
    // Pops records into Apply until one that is not Grouped; false when there was none.
    bool Undo(const std::function<void(const TEditAction&)>& apply);

private:
    std::vector<TEditAction> m_actions;
};

} // namespace brisat
