// TEditCore: what every single-line edit does to its text, whatever it looks like: the caret and
// the selection in characters, typing, deleting, clearing and pasting with the length limit, and
// the undo history those steps record. The selection runs from Caret to Anchor (either side).
// The owning control draws, handles the keys and publishes the text after each step.
#pragma once

#include "framework/widgets/edit_action_stack.h"
#include "framework/widgets/edit_text.h"

#include <string_view>

namespace brisat {

class TEditCore {
public:
    const TEditText& Text() const { return m_text; }
    size_t Length() const { return m_text.Length(); }
    // Replaces the text; the caret and the selection are kept inside it.
    void Assign(std::string_view utf8);

    size_t Caret() const { return m_caret; }
    size_t Anchor() const { return m_anchor; }
    size_t SelStart() const { return std::min(m_caret, m_anchor); }
    size_t SelLength() const { return std::max(m_caret, m_anchor) - SelStart(); }
    std::string SelText() const { return m_text.Utf8(SelStart(), SelLength()); }
    // Both clamped to the text.
    void Select(size_t caret, size_t anchor);

    // 0 is no limit. Applies to what the user adds, not to Assign.
    size_t MaxLength() const { return m_maxLength; }
    void SetMaxLength(size_t length) { m_maxLength = length; }

    // Each returns whether the text changed; all are recorded for Undo.
    // A typed character replaces the selection; refused whole when it would pass MaxLength
    // (the selection is then dropped, the caret stays).
    bool Type(char32_t c);
    // Inserts the first line of Utf8 in place of the selection, cut to the room left.
    bool Paste(std::string_view utf8);
    bool ClearSelection();
    // Without a selection: the character before or after the caret.
    bool DeleteBackward();
    bool DeleteForward();

    const TEditActionStack& History() const { return m_history; }
    // Reverts the newest step (with the steps grouped with it); false when none is left.
    bool Undo();

private:
    // Removes the selection, recording it; true when there was one.
    bool RemoveSelection();
    size_t Room() const;

    TEditText m_text;
    size_t m_caret = 0;
    size_t m_anchor = 0;
    size_t m_maxLength = 0;
    TEditActionStack m_history;
};

} // namespace brisat
