// TZeltShellAbout: the program's about box. Execute shows a small modal window over the owner's
// form with the icon, Caption (the program's name and version) in bold, Text below it and an OK
// button; OK, Enter and Escape close it. GUI thread only.
#pragma once

#include "framework/core/component.h"
#include "framework/controls/form.h"
#include "framework/graphics/graphics.h"

#include <string>

namespace brisat {

class TButton;
class TLabel;

class TZeltShellAbout : public TComponent {
public:
    explicit TZeltShellAbout(TComponent* owner);
    std::string ClassName() const override { return "TZeltShellAbout"; }

    // The box's icon; setting it copies the bitmap (32-bit, its alpha blended over the face).
    const TBitmap& Icon() const { return m_icon; }
    TBitmap& Icon() { return m_icon; }
    void SetIcon(const TBitmap& icon) { m_icon.Assign(icon); }
    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption) { m_caption = caption; }
    // Lines separated by line feeds (a carriage return before one is dropped).
    const std::string& Text() const { return m_text; }
    void SetText(const std::string& text) { m_text = text; }

    // Shows the box modally and returns when the user closes it.
    void Execute();

private:
    TBitmap m_icon;
    std::string m_caption;
    std::string m_text;
};

// The window Execute shows, titled "About " and the caption.
class TAboutBoxForm : public TForm {
public:
    TAboutBoxForm(TComponent* owner, const TZeltShellAbout& about);
    std::string ClassName() const override { return "TAboutBoxForm"; }

    static constexpr int32_t IconLeft = 16, IconTop = 16;

    const TLabel& NameLabel() const { return *m_name; }
    const TLabel& TextLabel() const { return *m_text; }
    TButton& OkButton() const { return *m_ok; }

protected:
    void PaintWindow(TDeviceContext& dc) override;

private:
    // The icon's pixels laid over the form's face colour, drawn as they are.
    TBitmap m_face;
    TLabel* m_name = nullptr;
    TLabel* m_text = nullptr;
    TButton* m_ok = nullptr;
};

} // namespace brisat
