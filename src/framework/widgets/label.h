// TLabel: a windowless caption. The text is aligned left, right or centred and placed at the
// top, middle or bottom; it may wrap at word breaks, shows "&x" as an underlined accelerator
// (pressing it focuses FocusControl), and is embossed grey while disabled. AutoSize fits the
// bounds to the text (a wrapping label keeps its width). Transparent labels leave the parent's
// face under the text. GUI thread only.
#pragma once

#include "framework/controls/control.h"
#include "framework/widgets/control_styles.h"

namespace brisat {

class TCanvas;

// Draws text as the plain controls do: in the canvas font's colour over what is there, or
// embossed (highlight one pixel down and right, shadow on top) while disabled.
void DrawControlText(TCanvas& canvas, std::string_view text, TRect rect, uint32_t format,
                     bool enabled);
void DrawDisabledText(TCanvas& canvas, std::string_view text, TRect rect, uint32_t format);

enum class TLabelLayout : uint8_t { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);
    std::string ClassName() const override { return "TLabel"; }

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TLabelLayout Layout() const { return m_layout; }
    void SetLayout(TLabelLayout layout);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool on);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on);
    // Off, "&" is drawn as it is and no key focuses FocusControl.
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool on);
    // The control the accelerator focuses; cleared when it goes.
    TWinControl* FocusControl() const { return m_focusControl; }
    void SetFocusControl(TWinControl* control);

protected:
    void WndProc(TMessage& message) override;
    void Paint() override;
    void Loaded() override;
    void Notification(TComponent& component, TOperation operation) override;

private:
    uint32_t TextFormat() const;
    // Fits the bounds to the text when AutoSize is on.
    void AdjustBounds();
    void Changed();

    TAlignment m_alignment = TAlignment::taLeftJustify;
    TLabelLayout m_layout = TLabelLayout::tlTop;
    bool m_autoSize = true;
    bool m_wordWrap = false;
    bool m_transparent = false;
    bool m_showAccelChar = true;
    TWinControl* m_focusControl = nullptr;
};

} // namespace brisat
