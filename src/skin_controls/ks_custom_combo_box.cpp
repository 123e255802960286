#include "skin_controls/ks_custom_combo_box.h"

#include "framework/controls/timer.h"
#include "skin_controls/ks_combo_window.h"
#include "skin_controls/property_range.h"

namespace brisat {
namespace {

constexpr uint32_t CompletionDelay = 100;
// Wheel notches move the choice by the system's wheel lines (3 where it has no setting).
constexpr int32_t WheelLines = 3;

bool Loading(const TComponent& c) {
    return c.ComponentState().Contains(TComponentStateFlag::csLoading);
}

std::u32string Lower(std::string_view utf8) {
    TEditText text;
    text.Assign(utf8);
    std::u32string chars = text.Chars();
    MapCase(chars, TCaseMapping::Lower);
    return chars;
}

} // namespace

TKsCustomComboBox::TKsCustomComboBox(TComponent* owner)
    : TKsCustomEdit(owner), m_completionTimer(std::make_unique<TTimer>(nullptr)) {
    m_completionTimer->SetEnabled(false);
    m_completionTimer->SetInterval(CompletionDelay);
    m_completionTimer->OnTimer = [this](TComponent&) { CompleteText(); };
    ReplaceDropList();
}

TKsCustomComboBox::~TKsCustomComboBox() {
    m_window.reset();
    m_list.reset();
}

std::unique_ptr<TKsCustomListBox> TKsCustomComboBox::CreateDropList() {
    return std::make_unique<TKsCustomListBox>(nullptr);
}

void TKsCustomComboBox::ReplaceDropList() {
    std::unique_ptr<TKsCustomListBox> list = CreateDropList();
    if (m_list) list->Items().Assign(m_list->Items());
    m_list = std::move(list);
    m_list->SetVisible(false);
    m_list->SetParent(this);
    if (!Designing()) m_list->SetAlign(TAlign::alClient);
    m_list->SetClickOnKey(false);
    m_list->SetItemHeight(m_itemHeight);
    m_list->OnClick = [this](TComponent&) { ListClicked(); };
    m_list->OnKeyDown = [this](TComponent&, uint16_t& key, TShiftState) { WindowKey(key); };
}

std::string TKsCustomComboBox::Text() const {
    if (m_comboStyle == TKsComboStyle::kcsDropDownList && m_itemIndex >= 0 &&
        m_itemIndex < Items().Count())
        return Items()[m_itemIndex];
    return TKsCustomEdit::Text();
}

void TKsCustomComboBox::SetItemIndex(int32_t index) {
    m_itemIndex = index;
    if (m_comboStyle == TKsComboStyle::kcsDropDown && Loading(*this)) return;
    if (m_itemIndex < -1) m_itemIndex = 0;
    if (m_itemIndex > Items().Count() - 1) m_itemIndex = Items().Count() - 1;
    if (m_comboStyle == TKsComboStyle::kcsDropDown) {
        if (m_itemIndex >= 0) SetText(Items()[m_itemIndex]);
    } else if (!Loading(*this) && OnChange) {
        OnChange(*this);
    }
    Invalidate();
}

void TKsCustomComboBox::SetComboStyle(TKsComboStyle value) {
    m_comboStyle = value;
    if (value == TKsComboStyle::kcsDropDownList) {
        SetItemIndex(0);
        m_savedReadOnly = ReadOnly();
        SetReadOnly(true);
        TKsCustomEdit::SetText("");
        HideEditCaret();
        SetCursor(crArrow);
    } else {
        SetReadOnly(m_savedReadOnly);
        SetCursor(crIBeam);
        if (Focused()) ShowEditCaret();
    }
    Invalidate();
}

void TKsCustomComboBox::SetButtonAlign(TKsComboButtonAlign value) {
    m_buttonAlign = value;
    Invalidate();
}

void TKsCustomComboBox::SetDropDownCount(int32_t value) {
    CheckPropertyRange("DropDownCount", value);
    m_dropDownCount = value;
}

void TKsCustomComboBox::SetItemHeight(int32_t value) {
    CheckPropertyRange("ItemHeight", value);
    m_itemHeight = value;
    m_list->SetItemHeight(value);
    Invalidate();
}

// --- Auto-complete ---------------------------------------------------------------------------

void TKsCustomComboBox::Change() {
    TKsCustomEdit::Change();
    if (m_autoComplete && !Loading(*this) && !Designing() && !m_completing) {
        m_completionTimer->SetEnabled(false);
        m_completionTimer->SetEnabled(true);
    }
}

void TKsCustomComboBox::CompleteText() {
    m_completionTimer->SetEnabled(false);
    const std::string text = Text();
    const size_t typed = Lower(text).size();
    // Shorter than the last completion: the user deleted, and is left alone.
    if (typed < Lower(m_lastCompleted).size()) {
        m_lastCompleted = text;
        return;
    }
    if (text == m_lastCompleted) return;
    m_lastCompleted = text;
    if (typed == 0) return;
    const std::u32string prefix = Lower(text);
    for (int32_t i = 0; i < Items().Count(); ++i) {
        const std::u32string item = Lower(Items()[i]);
        if (item.compare(0, prefix.size(), prefix) != 0) continue;
        m_completing = true;
        SetText(Items()[i]);
        m_completing = false;
        m_lastCompleted = Items()[i];
        // The completed rest is selected, so typing on replaces it.
        SelectRange(int32_t(typed), int32_t(item.size() - typed));
        return;
    }
}

// --- Input -----------------------------------------------------------------------------------

void TKsCustomComboBox::StepItemIndex(int32_t index) {
    SetItemIndex(std::max(index, 0));
    if (m_itemIndex < 0) m_itemIndex = 0;
    if (m_comboStyle == TKsComboStyle::kcsDropDownList) Change();
    Invalidate();
}

void TKsCustomComboBox::KeyDown(uint16_t& key, TShiftState shift) {
    const uint16_t pressed = key;
    TKsCustomEdit::KeyDown(key, shift);
    const bool list = m_comboStyle == TKsComboStyle::kcsDropDownList;
    if (pressed == VK_DOWN && shift.Contains(TShiftStateKind::ssAlt)) {
        DropDown();
    } else if (pressed == VK_UP) {
        StepItemIndex(m_itemIndex - 1);
    } else if (pressed == VK_DOWN) {
        StepItemIndex(m_itemIndex + 1);
    } else if (list && pressed == VK_PRIOR) {
        StepItemIndex(m_itemIndex - 3);
    } else if (list && pressed == VK_NEXT) {
        StepItemIndex(m_itemIndex + 3);
    } else if (list && pressed == VK_END) {
        StepItemIndex(Items().Count() - 1);
    } else if (list && pressed == VK_HOME) {
        StepItemIndex(0);
    } else {
        return;
    }
    key = 0;
}

bool TKsCustomComboBox::DoMouseWheel(TShiftState shift, int32_t delta, TPoint mousePos) {
    if (TKsCustomEdit::DoMouseWheel(shift, delta, mousePos)) return true;
    StepItemIndex(m_itemIndex - delta / (120 / WheelLines));
    return true;
}

void TKsCustomComboBox::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TKsCustomEdit::MouseDown(button, shift, x, y);
    if (m_comboStyle == TKsComboStyle::kcsDropDownList && !Designing() &&
        (button == TMouseButton::mbLeft || button == TMouseButton::mbMiddle))
        DropDown();
}

void TKsCustomComboBox::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    TKsCustomEdit::MouseMove(shift, x, y);
    SetButtonHot(false);
}

void TKsCustomComboBox::MouseLeave() {
    TKsCustomEdit::MouseLeave();
    SetButtonHot(false);
}

void TKsCustomComboBox::SetButtonHot(bool hot) {
    if (std::exchange(m_buttonHot, hot) != hot) Invalidate();
}

void TKsCustomComboBox::FocusEnter() {
    TKsCustomEdit::FocusEnter();
    if (m_comboStyle == TKsComboStyle::kcsDropDownList) HideEditCaret();
    Invalidate();
}

void TKsCustomComboBox::FocusExit() {
    TKsCustomEdit::FocusExit();
    Invalidate();
}

// A press outside the text area (the frame or the button) arrives as a non-client press.
void TKsCustomComboBox::NonClientPress(TPoint screen) {
    if (CanFocus()) SetFocus();
    if (!PtInRect(ButtonRect(), ScreenToClient(screen))) return;
    m_buttonPressed = true;
    Invalidate();
    DropDown();
}

void TKsCustomComboBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_NCHITTEST: {
        const TPoint p = ScreenToClient(LParamToPoint(message.LParam));
        message.Result = PtInRect(GetTextRect(), p) ? HTCLIENT : HTBORDER;
        return;
    }
    case WM_NCLBUTTONDOWN:
        NonClientPress(LParamToPoint(message.LParam));
        return;
    case WM_NCMOUSEMOVE:
        SetButtonHot(PtInRect(ButtonRect(), ScreenToClient(LParamToPoint(message.LParam))));
        return;
    default:
        TKsCustomEdit::WndProc(message);
    }
}

} // namespace brisat
