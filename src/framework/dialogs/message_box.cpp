#include "framework/dialogs/message_box.h"

#include "framework/controls/application.h"

namespace brisat {
namespace {

constexpr int32_t ButtonWidth = 75, ButtonHeight = 23, Spacing = 8, Margin = 12;

class TMessageButton : public TCustomControl {
public:
    TMessageButton(TComponent* owner, const std::string& caption, TModalResult result)
        : TCustomControl(owner), m_result(result) {
        SetCaption(caption);
        SetTabStop(true);
        SetBounds(0, 0, ButtonWidth, ButtonHeight);
    }

    TModalResult Result() const { return m_result; }
    void Press() {
        if (TCustomForm* form = ParentForm()) form->SetModalResult(m_result);
    }

protected:
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_GETDLGCODE) {
            m.Result = 0;
            return;
        }
        if (m.Msg == WM_SETFOCUS || m.Msg == WM_KILLFOCUS) Invalidate();
        TCustomControl::WndProc(m);
    }
    void Click() override {
        TCustomControl::Click();
        Press();
    }
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override {
        if (button == TMouseButton::mbLeft && CanFocus()) SetFocus();
        TCustomControl::MouseDown(button, shift, x, y);
    }
    void KeyDown(uint16_t& key, TShiftState shift) override {
        TCustomControl::KeyDown(key, shift);
        if (key == VK_RETURN || key == VK_SPACE) {
            key = 0;
            Press();
        }
    }
    void Paint() override {
        const TRect r = ClientRect();
        Canvas().Handle()->DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH);
        TRect text = r;
        Canvas().Brush().Style = TBrushStyle::bsClear;
        Canvas().Font().SetColor(clBtnText);
        Canvas().DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (Focused()) Canvas().DrawFocusRect(InflateRect(r, -4, -4));
    }

private:
    TModalResult m_result;
};

class TMessageForm : public TForm {
public:
    TMessageForm(const std::string& text, const std::string& caption, uint32_t flags)
        : TForm(nullptr), m_text(text) {
        SetBorderStyle(TFormBorderStyle::bsDialog);
        SetPosition(TPosition::poScreenCenter);
        SetCaption(caption);
        std::vector<std::pair<std::string, TModalResult>> buttons;
        switch (flags & 0xF) {
        case MB_OKCANCEL:
            buttons = {{"OK", mrOk}, {"Cancel", mrCancel}};
            break;
        case MB_YESNO:
            buttons = {{"&Yes", mrYes}, {"&No", mrNo}};
            break;
        default:
            buttons = {{"OK", mrOk}};
            break;
        }
        m_cancel = buttons.back().second;
        TDeviceContext measure;
        measure.SelectFont(&Font());
        m_textRect = {0, 0, 400, 0};
        measure.DrawText(m_text, m_textRect, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
        const int32_t row = int32_t(buttons.size()) * (ButtonWidth + Spacing) - Spacing;
        const int32_t width = std::max(m_textRect.Width(), row) + 2 * Margin;
        m_textRect = OffsetRect(m_textRect, Margin, Margin);
        SetClientSize(width, m_textRect.Bottom + Spacing * 2 + ButtonHeight + Margin);
        int32_t x = (width - row) / 2;
        for (const auto& [label, result] : buttons) {
            auto& button = CreateOwned<TMessageButton>(*this, label, result);
            button.SetBounds(x, ClientHeight() - Margin - ButtonHeight, ButtonWidth, ButtonHeight);
            button.SetParent(this);
            x += ButtonWidth + Spacing;
        }
    }

protected:
    void WndProc(TMessage& m) override {
        if (m.Msg == CM_DIALOGKEY && m.WParam == VK_ESCAPE) {
            SetModalResult(m_cancel);
            m.Result = 1;
            return;
        }
        TForm::WndProc(m);
    }
    void PaintWindow(TDeviceContext& dc) override {
        TForm::PaintWindow(dc);
        dc.SelectFont(&Font());
        dc.SetTextColor(clWindowText);
        dc.SetBkMode(TBkMode::Transparent);
        TRect r = m_textRect;
        dc.DrawText(m_text, r, DT_WORDBREAK | DT_NOPREFIX);
    }

private:
    std::string m_text;
    TRect m_textRect;
    TModalResult m_cancel = mrCancel;
};

int AnswerOf(TModalResult result) {
    switch (result) {
    case mrOk:
        return IDOK;
    case mrYes:
        return IDYES;
    case mrNo:
        return IDNO;
    default:
        return IDCANCEL;
    }
}

} // namespace

int ShowMessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
    TMessageForm form(text, caption, flags);
    return AnswerOf(form.ShowModal());
}

} // namespace brisat
