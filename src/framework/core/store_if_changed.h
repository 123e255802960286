// StoreIfChanged: the store step of a property setter that reacts only to a real change.
#pragma once

namespace brisat {

// Stores Value in Field and returns true when they differ; returns false and leaves Field
// untouched when they are equal. A setter repaints or notifies only on true:
//     if (StoreIfChanged(m_color, color)) Invalidate();
// Value has the field's own type, so no silent conversion decides what counts as a change.
template <class T> constexpr bool StoreIfChanged(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

} // namespace brisat
