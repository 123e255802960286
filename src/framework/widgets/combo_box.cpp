#include "framework/widgets/combo_box.h"
#include "framework/widgets/drop_down_place.h"

#include "framework/widgets/edit.h"
#include "framework/core/exceptions.h"
#include "framework/core/identifiers.h"
#include "framework/core/store_if_changed.h"
#include "framework/widgets/list_box.h"
#include "framework/widgets/scroll_bar.h"
#include "framework/core/utf8.h"

#include <algorithm>

namespace brisat {

// The drop-down list: a popup window of its own that never takes the focus and holds the mouse
// while it shows, so that a press anywhere else closes it.
class TComboList : public TListBox {
public:
    explicit TComboList(TComboBox& combo) : TListBox(nullptr), m_combo(combo) {
        SetStyle(TListBoxStyle::lbOwnerDrawFixed);
        SetCtl3D(false);
    }
    bool CanFocus() const override { return false; }

protected:
    void CreateParams(TCreateParams& params) override {
        TListBox::CreateParams(params);
        params.Style = WS_POPUP | WS_CLIPCHILDREN;
        params.ExStyle |= WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
        params.WinClassName = DropDownListClass;
    }

    void WndProc(TMessage& m) override {
        if (m.Msg < WM_MOUSEMOVE || m.Msg > WM_MBUTTONDBLCLK || !m_combo.m_dropped)
            return TListBox::WndProc(m);
        const TPoint p = LParamToPoint(m.LParam);
        if (ScrollBarTracking() || (PtInRect(ClientRect(), p) && !PtInRect(ContentRect(), p))) {
            TListBox::WndProc(m);
            if (m_combo.m_dropped && GetCapture() != Handle()) SetCapture(Handle());
            return;
        }
        const int32_t index = ItemAtPos(p);
        switch (m.Msg) {
        case WM_MOUSEMOVE:
            if (index >= 0) SetItemIndex(index);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (!PtInRect(ClientRect(), p)) m_combo.CloseUp();
            break;
        case WM_LBUTTONUP:
            if (index >= 0) m_combo.ChooseAndCloseUp();
            break;
        default:
            break;
        }
    }

private:
    TComboBox& m_combo;
};

TComboBox::TComboBox(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 145, 21);
    InitColor(clWindow);
    SetTabStop(true);
    m_items.OnChange = [this](TStringList&) { ItemsChanged(); };
    SetStyle(TComboBoxStyle::csDropDown);
}

TComboBox::~TComboBox() {
    CloseUp();
}

void TComboBox::ItemsChanged() {
    if (m_itemIndex >= m_items.Count()) m_itemIndex = -1;
    if (m_style == TComboBoxStyle::csDropDownList) ShowText();
    Invalidate();
}

void TComboBox::SetItemIndex(int32_t index) {
    if (index < -1 || index >= m_items.Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    if (StoreIfChanged(m_itemIndex, index)) ShowText();
}

// Puts the chosen item's text in the edit (csDropDown) and repaints.
void TComboBox::ShowText() {
    if (m_edit && m_itemIndex >= 0) {
        m_settingText = true;
        m_edit->SetText(m_items[m_itemIndex]);
        m_settingText = false;
        m_edit->SelectAll();
    }
    Invalidate();
}

std::string TComboBox::Text() const {
    if (m_edit) return m_edit->Text();
    return m_itemIndex >= 0 ? m_items[m_itemIndex] : std::string();
}

void TComboBox::SetText(const std::string& text) {
    m_itemIndex = m_items.IndexOf(text);
    if (m_edit) {
        m_settingText = true;
        m_edit->SetText(text);
        m_settingText = false;
    }
    Invalidate();
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    if (!StoreIfChanged(m_style, style)) return;
    if (style == TComboBoxStyle::csDropDownList) {
        const bool hadFocus = m_edit->Focused();
        m_edit.reset();
        if (hadFocus) SetFocus();
    } else {
        m_edit = std::make_unique<TEdit>(nullptr);
        m_edit->SetBorderStyle(TBorderStyle::bsNone);
        m_edit->SetEnabled(Enabled());
        m_edit->SetParent(this);
        m_edit->OnChange = [this](TComponent&) {
            if (m_settingText) return;
            m_itemIndex = m_items.IndexOf(m_edit->Text());
            Change();
        };
        m_edit->OnKeyDown = [this](TComponent&, uint16_t& key, TShiftState shift) {
            if (ComboKey(key, shift)) key = 0;
        };
        m_edit->OnExit = [this](TComponent&) { CloseUp(); };
        // Enter and Escape stay with the edit while the list shows.
        TWndMethod editProc = m_edit->WindowProc;
        m_edit->WindowProc = [this, editProc](TMessage& m) {
            editProc(m);
            if (m.Msg == WM_GETDLGCODE && m_dropped) m.Result |= DLGC_WANTALLKEYS;
        };
        PlaceEdit();
        ShowText();
        if (Focused()) m_edit->SetFocus();
    }
    Invalidate();
}

void TComboBox::PlaceEdit() {
    if (m_edit) m_edit->SetBoundsRect(TextArea());
}

void TComboBox::Resize() {
    PlaceEdit();
    TCustomControl::Resize();
}

TRect TComboBox::ButtonRect() const {
    const TRect inside = InflateRect(ClientRect(), -2, -2);
    return {std::max(inside.Left, inside.Right - ButtonWidth), inside.Top, inside.Right,
            inside.Bottom};
}

TRect TComboBox::TextArea() const {
    const TRect inside = InflateRect(ClientRect(), -2, -2);
    return {inside.Left, inside.Top, ButtonRect().Left, inside.Bottom};
}

void TComboBox::Change() {
    if (OnChange) OnChange(*this);
}

void TComboBox::DropDown() {
    if (OnDropDown) OnDropDown(*this);
}

void TComboBox::Choose(int32_t index) {
    if (index == m_itemIndex || index < 0 || index >= m_items.Count()) return;
    SetItemIndex(index);
    Change();
}

void TComboBox::SetDroppedDown(bool on) {
    if (on == m_dropped) return;
    if (!on) return CloseUp();
    DropDown();
    if (!m_list) m_list = std::make_unique<TComboList>(*this);
    m_list->SetItemHeight(m_itemHeight);
    m_list->Font().Assign(Font());
    m_list->Items().Assign(m_items);
    m_list->SetItemIndex(std::min(m_itemIndex, m_items.Count() - 1));
    const int32_t rows = std::clamp(m_items.Count(), 1, m_dropDownCount);
    const int32_t height = rows * m_itemHeight + 2;
    const TPoint origin = ClientToScreen({0, 0});
    const TPoint at = DropDownOrigin(Bounds(origin.X, origin.Y, Width(), Height()), height);
    m_list->SetBounds(at.X, at.Y, Width(), height);
    if (m_itemIndex >= 0) m_list->SetTopIndex(m_itemIndex);
    m_dropped = true;
    ShowWindow(m_list->Handle(), SW_SHOWNA);
    SetCapture(m_list->Handle());
    Invalidate();
}

void TComboBox::CloseUp() {
    if (!m_dropped) return;
    m_dropped = false;
    if (GetCapture() == m_list->Handle()) ReleaseCapture();
    ShowWindow(m_list->Handle(), SW_HIDE);
    Invalidate();
}

void TComboBox::ChooseAndCloseUp() {
    if (!m_dropped) return;
    CloseUp();
    Choose(m_list->ItemIndex());
}

void TComboBox::Paint() {
    TDeviceContext& dc = *Canvas().Handle();
    TRect frame = ClientRect();
    dc.DrawEdge(frame, EDGE_SUNKEN, BF_RECT);
    dc.DrawFrameControl(ButtonRect(), DFC_SCROLL,
                        DFCS_SCROLLCOMBOBOX | (m_dropped ? DFCS_PUSHED : 0) |
                            (Enabled() ? 0 : DFCS_INACTIVE));
    if (m_edit) return;
    const TRect area = TextArea();
    dc.FillRect(area, Enabled() ? Color() : clBtnFace);
    const bool marked = Focused() && !m_dropped;
    const TRect mark = InflateRect(area, -1, -1);
    if (marked) dc.FillRect(mark, clHighlight);
    dc.SelectFont(&Font());
    dc.SetBkMode(TBkMode::Transparent);
    dc.SetTextColor(!Enabled() ? clGrayText : marked ? clHighlightText : Font().Color());
    const int32_t lineHeight = dc.GetTextMetrics().Height;
    dc.SaveDC();
    dc.IntersectClipRect(mark);
    dc.TextOut(mark.Left + 1, area.Top + (area.Height() - lineHeight) / 2, Text());
    dc.RestoreDC();
    if (marked) dc.DrawFocusRect(mark);
}

void TComboBox::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        if (!m_edit || PtInRect(ButtonRect(), {x, y})) SetDroppedDown(!m_dropped);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

bool TComboBox::ComboKey(uint16_t key, TShiftState shift) {
    const bool alt = shift.Contains(TShiftStateKind::ssAlt);
    if (key == VK_F4 || (alt && (key == VK_DOWN || key == VK_UP))) {
        SetDroppedDown(!m_dropped);
        return true;
    }
    const int32_t last = m_items.Count() - 1;
    if (m_dropped) {
        const int32_t at = m_list->ItemIndex();
        switch (key) {
        case VK_UP:
        case VK_DOWN:
            if (last >= 0) m_list->SetItemIndex(std::clamp(at + (key == VK_UP ? -1 : 1), 0, last));
            return true;
        case VK_RETURN:
        case VK_ESCAPE:
            if (key == VK_RETURN)
                ChooseAndCloseUp();
            else
                CloseUp();
            return true;
        default:
            return false;
        }
    }
    switch (key) {
    case VK_UP:
        Choose(std::max(m_itemIndex - 1, 0));
        return true;
    case VK_DOWN:
        Choose(std::min(m_itemIndex + 1, last));
        return true;
    case VK_HOME:
    case VK_END:
        if (m_edit) return false;
        Choose(key == VK_HOME ? 0 : last);
        return true;
    default:
        return false;
    }
}

void TComboBox::KeyDown(uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key && ComboKey(key, shift)) key = 0;
}

// A typed letter chooses the next item that starts with it.
void TComboBox::KeyPress(char32_t& key) {
    TCustomControl::KeyPress(key);
    if (key < 0x20 || m_items.Count() == 0) return;
    std::string typed;
    AppendUtf8(typed, key);
    const int32_t count = m_items.Count();
    for (int32_t step = 1; step <= count; ++step) {
        const int32_t i = (std::max(m_itemIndex, -1) + step + count) % count;
        if (SameText(std::string_view(m_items[i]).substr(0, typed.size()), typed)) {
            Choose(i);
            return;
        }
    }
}

void TComboBox::WndProc(TMessage& m) {
    if (m.Msg == WM_GETDLGCODE) {
        m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (m_dropped ? DLGC_WANTALLKEYS : 0);
        return;
    }
    TCustomControl::WndProc(m);
    if (m.Msg == CM_ENABLEDCHANGED && m_edit) m_edit->SetEnabled(Enabled());
}

void TComboBox::DoEnter() {
    if (m_edit && m_edit->CanFocus()) return m_edit->SetFocus();
    Invalidate();
    TCustomControl::DoEnter();
}

void TComboBox::DoExit() {
    CloseUp();
    Invalidate();
    TCustomControl::DoExit();
}

} // namespace brisat
