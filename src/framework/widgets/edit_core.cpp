#include "framework/widgets/edit_core.h"

#include <limits>

namespace brisat {
namespace {

int32_t Position(size_t index) {
    return int32_t(std::min<size_t>(index + 1, std::numeric_limits<int32_t>::max()));
}

} // namespace

void TEditCore::Assign(std::string_view utf8) {
    m_text.Assign(utf8);
    Select(m_caret, m_anchor);
}

void TEditCore::Select(size_t caret, size_t anchor) {
    m_caret = std::min(caret, Length());
    m_anchor = std::min(anchor, Length());
}

size_t TEditCore::Room() const {
    if (m_maxLength == 0) return std::numeric_limits<size_t>::max();
    return m_maxLength > Length() ? m_maxLength - Length() : 0;
}

bool TEditCore::RemoveSelection() {
    const size_t start = SelStart();
    const std::u32string removed = m_text.Erase(start, SelLength());
    m_history.RecordDeletion(removed, Position(start));
    Select(start, start);
    return !removed.empty();
}

bool TEditCore::Type(char32_t c) {
    if (m_maxLength > 0 && Length() - SelLength() + 1 > m_maxLength) {
        Select(m_caret, m_caret);
        return false;
    }
    const bool replaced = RemoveSelection();
    m_history.RecordInsertion(1, Position(m_caret), replaced);
    m_text.Insert(m_caret, std::u32string_view(&c, 1));
    Select(m_caret + 1, m_caret + 1);
    return true;
}

bool TEditCore::Paste(std::string_view utf8) {
    const bool replaced = RemoveSelection();
    const std::u32string line = EditableLine(utf8, Room());
    m_history.RecordInsertion(int32_t(line.size()), Position(m_caret), replaced);
    m_text.Insert(m_caret, line);
    Select(m_caret + line.size(), m_caret + line.size());
    return replaced || !line.empty();
}

bool TEditCore::ClearSelection() {
    return RemoveSelection();
}

bool TEditCore::DeleteBackward() {
    if (SelLength() > 0) return RemoveSelection();
    if (m_caret == 0) return false;
    Select(m_caret - 1, m_caret);
    return RemoveSelection();
}

bool TEditCore::DeleteForward() {
    if (SelLength() > 0) return RemoveSelection();
    if (m_caret >= Length()) return false;
    Select(m_caret, m_caret + 1);
    return RemoveSelection();
}

bool TEditCore::Undo() {
    return m_history.Undo([this](const TEditAction& action) {
        const size_t at = size_t(action.Position - 1);
        if (action.Kind == TEditActionKind::Deleted) {
            const std::u32string_view text =
                std::u32string_view(action.Text).substr(0, Room());
            m_text.Insert(at, text);
            // The restored text is selected, the caret after it.
            Select(at + text.size(), at);
        } else {
            m_text.Erase(at, size_t(action.Count));
            Select(at, at);
        }
    });
}

} // namespace brisat
