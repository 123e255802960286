// TPanel: a windowed container with a caption, drawn in the classic look: an outer and an inner
// bevel (raised or lowered, BevelWidth thick) with BorderWidth of face colour between them, an
// optional one-pixel border round the window, and the caption aligned left, right or centred
// on the face. Child controls are aligned inside the bevels and the border. GUI thread only.
#pragma once

#include "framework/widgets/control_styles.h"
#include "framework/controls/win_control.h"

namespace brisat {

enum class TPanelBevel : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* owner);
    std::string ClassName() const override { return "TPanel"; }

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TPanelBevel BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TPanelBevel bevel);
    TPanelBevel BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TPanelBevel bevel);
    // 1..MaxBevelWidth; other values raise EInvalidOperation.
    int32_t BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int32_t width);
    // 0..MaxBevelWidth; other values raise EInvalidOperation.
    int32_t BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int32_t width);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    // On, a size change repaints the whole panel; off, only the parts that were uncovered.
    bool FullRepaint() const { return m_fullRepaint; }
    void SetFullRepaint(bool on) { m_fullRepaint = on; }

    // The bevels and the border width inset the area aligned children share.
    void AdjustClientRect(TRect& rect) const override;

    static constexpr int32_t MaxBevelWidth = 256;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void Paint() override;

private:
    void Changed();
    int32_t BevelInset() const;

    TAlignment m_alignment = TAlignment::taCenter;
    TPanelBevel m_bevelInner = TPanelBevel::bvNone;
    TPanelBevel m_bevelOuter = TPanelBevel::bvRaised;
    int32_t m_bevelWidth = 1;
    int32_t m_borderWidth = 0;
    TBorderStyle m_borderStyle = TBorderStyle::bsNone;
    bool m_fullRepaint = true;
};

} // namespace brisat
