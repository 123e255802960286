#include "framework/widgets/edit_action_stack.h"

namespace brisat {

void TEditActionStack::RecordDeletion(std::u32string_view text, int32_t position) {
    if (text.empty()) return;
    if (!m_actions.empty()) {
        TEditAction& top = m_actions.back();
        const int64_t gap = int64_t(top.Position) - position - int64_t(text.size());
        if (top.Kind == TEditActionKind::Deleted && top.Position >= position && gap <= 1 &&
            position > 0) {
            // Backspacing puts the earlier text in front; deleting forward appends.
            if (position < top.Position)
                top.Text.insert(0, text);
            else
                top.Text.append(text);
            top.Position = position;
            return;
        }
    }
    m_actions.push_back({TEditActionKind::Deleted, false, position, std::u32string(text), 0});
}

void TEditActionStack::RecordInsertion(int32_t count, int32_t position, bool grouped) {
    if (count == 0) return;
    if (!m_actions.empty()) {
        TEditAction& top = m_actions.back();
        if (top.Kind == TEditActionKind::Inserted && top.Position + top.Count == position) {
            top.Count += count;
            return;
        }
    }
    m_actions.push_back({TEditActionKind::Inserted, grouped, position, {}, count});
}

bool TEditActionStack::Undo(const std::function<void(const TEditAction&)>& apply) {
    if (m_actions.empty()) return false;
    bool grouped = true;
    while (grouped && !m_actions.empty()) {
        const TEditAction action = std::move(m_actions.back());
        m_actions.pop_back();
        grouped = action.Grouped;
        apply(action);
    }
    return true;
}

} // namespace brisat
