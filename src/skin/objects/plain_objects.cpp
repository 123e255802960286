// The skin objects without bitmaps: active, text, colour-button, link and roll-panel objects.
#include "skin/bitmap/checked_math.h"
#include "skin/objects/object_looks.h"
#include "skin/objects/skin_object_classes.h"
#include "skin/objects/skinned_form_interface.h"

#include <algorithm>

namespace brisat {

namespace {

void ShiftFontHue(TFont& font, int32_t delta) {
    font.SetColor(ShiftedHue(font.Color(), delta));
}

} // namespace

// --- TSeActiveObject ---------------------------------------------------------------------------

void TSeActiveObject::Assign(const TPersistent& source) {
    TSeSkinObject::Assign(source);
    if (const auto* src = dynamic_cast<const TSeActiveObject*>(&source)) {
        m_activeColor = src->m_activeColor;
        m_activeFont.Assign(src->m_activeFont);
    }
}

bool TSeActiveObject::LooksActive() const {
    return WindowActive() || State() == ssHot || State() == ssPressed || State() == ssFocused;
}

const TFont& TSeActiveObject::GetFont() const {
    const TSeState s = State();
    return s == ssHot || s == ssPressed || s == ssFocused ? m_activeFont : Font();
}

const TFont& TSeActiveObject::DrawFont() const {
    return LooksActive() ? m_activeFont : Font();
}

TColor TSeActiveObject::DrawColor() const {
    return LooksActive() ? m_activeColor : Color();
}

void TSeActiveObject::ChangeHue(int32_t delta) {
    TSeSkinObject::ChangeHue(delta);
    m_activeColor = ShiftedHue(m_activeColor, delta);
    ShiftFontHue(m_activeFont, delta);
}

void TSeActiveObject::SetCharset(TFontCharset charset) {
    TSeSkinObject::SetCharset(charset);
    m_activeFont.SetCharset(charset);
}

// --- TSeActiveSkinObject -------------------------------------------------------------------------

void TSeActiveSkinObject::Assign(const TPersistent& source) {
    TSeSkinObject::Assign(source);
    if (const auto* src = dynamic_cast<const TSeActiveSkinObject*>(&source)) {
        m_activeColor = src->m_activeColor;
        m_activeFont.Assign(src->m_activeFont);
    }
}

bool TSeActiveSkinObject::LooksActive() const {
    return State() == ssHot || State() == ssFocused;
}

const TFont& TSeActiveSkinObject::DrawFont() const {
    return LooksActive() ? m_activeFont : Font();
}

TColor TSeActiveSkinObject::DrawColor() const {
    return LooksActive() ? m_activeColor : Color();
}

void TSeActiveSkinObject::ChangeHue(int32_t delta) {
    TSeSkinObject::ChangeHue(delta);
    m_activeColor = ShiftedHue(m_activeColor, delta);
    ShiftFontHue(m_activeFont, delta);
}

void TSeActiveSkinObject::MouseEnter() {
    SetState(ssHot);
    Invalidate();
}

void TSeActiveSkinObject::MouseLeave() {
    SetState(ssNormal);
    Invalidate();
}

// --- TSeTextObject ---------------------------------------------------------------------------------

void TSeTextObject::Assign(const TPersistent& source) {
    TSeSkinObject::Assign(source);
    if (const auto* src = dynamic_cast<const TSeTextObject*>(&source)) {
        m_fontHot.Assign(src->m_fontHot);
        m_fontFocused.Assign(src->m_fontFocused);
        m_fontPressed.Assign(src->m_fontPressed);
        m_fontDisabled.Assign(src->m_fontDisabled);
    }
}

const TFont& TSeTextObject::GetFont() const {
    switch (State()) {
    case ssHot: return m_fontHot;
    case ssPressed: return m_fontPressed;
    case ssFocused: return m_fontFocused;
    case ssDisabled: return m_fontDisabled;
    default: return Font();
    }
}

void TSeTextObject::ChangeHue(int32_t delta) {
    TSeSkinObject::ChangeHue(delta);
    for (TFont* font : {&m_fontHot, &m_fontFocused, &m_fontPressed, &m_fontDisabled})
        ShiftFontHue(*font, delta);
}

void TSeTextObject::SetCharset(TFontCharset charset) {
    TSeSkinObject::SetCharset(charset);
    for (TFont* font : {&m_fontHot, &m_fontFocused, &m_fontPressed, &m_fontDisabled})
        font->SetCharset(charset);
}

// --- TSeColorButtonObject --------------------------------------------------------------------------

void TSeColorButtonObject::Assign(const TPersistent& source) {
    TSeSkinObject::Assign(source);
    if (const auto* src = dynamic_cast<const TSeColorButtonObject*>(&source)) {
        m_hotColor = src->m_hotColor;
        m_hotFont.Assign(src->m_hotFont);
        m_pressedColor = src->m_pressedColor;
        m_pressedFont.Assign(src->m_pressedFont);
        m_focusedColor = src->m_focusedColor;
        m_focusedFont.Assign(src->m_focusedFont);
        m_disabledColor = src->m_disabledColor;
        m_disabledFont.Assign(src->m_disabledFont);
    }
}

const TFont& TSeColorButtonObject::DrawFont() const {
    switch (State()) {
    case ssHot: return m_hotFont;
    case ssPressed: return m_pressedFont;
    case ssFocused: return m_focusedFont;
    case ssDisabled: return m_disabledFont;
    default: return Font();
    }
}

TColor TSeColorButtonObject::DrawColor() const {
    switch (State()) {
    case ssHot: return m_hotColor;
    case ssPressed: return m_pressedColor;
    case ssFocused: return m_focusedColor;
    case ssDisabled: return m_disabledColor;
    default: return Color();
    }
}

// --- TSeLinkSkinObject -----------------------------------------------------------------------------

void TSeLinkSkinObject::Assign(const TPersistent& source) {
    TSeSkinObject::Assign(source);
    if (const auto* src = dynamic_cast<const TSeLinkSkinObject*>(&source))
        m_linkControl = src->m_linkControl;
}

// --- TSeRollPanelObject ----------------------------------------------------------------------------

void TSeRollPanelObject::Assign(const TPersistent& source) {
    TSeSkinObject::Assign(source);
    if (const auto* src = dynamic_cast<const TSeRollPanelObject*>(&source)) {
        m_rollKind = src->m_rollKind;
        m_rollValue = src->m_rollValue;
    }
}

void TSeRollPanelObject::Toggle() {
    const bool horizontal = m_rollKind == TSeRollKind::rkLeft || m_rollKind == TSeRollKind::rkRight;
    const int32_t size = horizontal ? Width() : Height();
    int32_t newSize = m_unrolledSize;
    if (size != m_rollValue) {
        m_unrolledSize = size;
        // A negative roll value would turn the fixed edge into the moving one.
        newSize = std::max(m_rollValue, 0);
    }
    TRect r = BoundsRect();
    switch (m_rollKind) {
    case TSeRollKind::rkLeft: r.Left = CheckedSub(r.Right, newSize); break;
    case TSeRollKind::rkTop: r.Top = CheckedSub(r.Bottom, newSize); break;
    case TSeRollKind::rkRight: r.Right = CheckedAdd(r.Left, newSize); break;
    case TSeRollKind::rkBottom: r.Bottom = CheckedAdd(r.Top, newSize); break;
    }
    SetBounds(r);
    if (ISkinnedForm* form = GetForm()) form->ProcessPendingMessages();
}

} // namespace brisat
