// TKsCustomPanel: a self-drawn container with an optional caption bar carrying a roll-up (or
// hide) button. Rolling up shrinks the panel to its caption and keeps that height until it is
// rolled down again, which restores the height it had. Children align inside the border, the
// bevel and the caption. GUI thread only.
#pragma once

#include "skin_controls/ks_custom_control.h"

namespace brisat {

enum class TKsPanelButtonKind : uint8_t { pbkRoll, pbkHide };

class TKsCustomPanel : public TKsCustomControl {
public:
    explicit TKsCustomPanel(TComponent* owner);
    std::string ClassName() const override { return "TKsCustomPanel"; }

    int32_t CaptionHeight() const { return m_captionHeight; }
    void SetCaptionHeight(int32_t value);
    bool ShowCaption() const { return m_showCaption; }
    void SetShowCaption(bool value);
    // 0..MaxBevelWidth; other values raise EInvalidOperation.
    int32_t BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int32_t value);
    int32_t BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int32_t value);
    bool ShowBevel() const { return m_showBevel; }
    void SetShowBevel(bool value);
    bool ShowButton() const { return m_showButton; }
    void SetShowButton(bool value);
    TKsPanelButtonKind ButtonKind() const { return m_buttonKind; }
    void SetButtonKind(TKsPanelButtonKind value);
    bool ButtonHot() const { return m_buttonHot; }
    bool ButtonPressed() const { return m_buttonPressed; }

    bool Rolled() const { return m_rolled; }
    void SetRolled(bool value);
    void RollUp();
    void RollDown();
    // What the caption button does: rolls (pbkRoll) or hides (pbkHide) the panel.
    void ButtonClick();

    TRect GetCaptionRect() const;
    // A square at the caption's right end; empty without caption or button.
    TRect GetButtonRect() const;

    // While rolled, the height stays.
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
    void AdjustClientRect(TRect& rect) const override;

    TNotifyEvent OnButtonClick;
    TNotifyEvent OnRollup;
    TNotifyEvent OnHide;

    static constexpr int32_t MaxBevelWidth = 256;

protected:
    virtual void PaintCaption();
    virtual void PaintFrame();
    void PaintBuffer() override;
    // The plain caption text, moved in by 5 and centred vertically in Rect.
    void PaintCaptionText(TRect rect);

    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseLeave() override;

private:
    void Changed();
    void SetButtonHot(bool value);
    void SetButtonPressed(bool value);
    void PaintPlainButton(const TRect& rect);

    int32_t m_captionHeight = 20;
    bool m_showCaption = true;
    int32_t m_borderWidth = 3;
    int32_t m_bevelWidth = 1;
    bool m_showBevel = true;
    bool m_showButton = true;
    bool m_buttonHot = false;
    bool m_buttonPressed = false;
    bool m_rolled = false;
    int32_t m_unrolledHeight = 0;
    TKsPanelButtonKind m_buttonKind = TKsPanelButtonKind::pbkRoll;
};

} // namespace brisat
