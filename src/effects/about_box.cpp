#include "effects/about_box.h"

#include "effects/pixel_mix.h"
#include "framework/widgets/button.h"
#include "framework/core/colors.h"
#include "framework/widgets/label.h"

#include <algorithm>

namespace brisat {
namespace {

constexpr int32_t TextLeft = 64, TextWidth = 260, Margin = 16;

std::string WithoutCarriageReturns(std::string text) {
    std::erase(text, '\r');
    return text;
}

// Copies Icon into Face with each pixel's alpha blended over Background (an opaque pixel).
void FlattenIcon(const TBitmap& icon, uint32_t background, TBitmap& face) {
    face.SetSize(icon.Width(), icon.Height());
    TSurface& out = *face.DC().Surface();
    for (int32_t y = 0; y < icon.Height(); ++y) {
        const uint32_t* in = icon.Surface().Row(y);
        uint32_t* o = out.Row(y);
        for (int32_t x = 0; x < icon.Width(); ++x)
            o[x] = MixPixel(in[x], background, in[x] >> 24);
    }
}

} // namespace

TZeltShellAbout::TZeltShellAbout(TComponent* owner) : TComponent(owner) {}

void TZeltShellAbout::Execute() {
    TAboutBoxForm box(nullptr, *this);
    if (auto* form = dynamic_cast<TCustomForm*>(Owner()); form && form->Visible())
        box.SetBounds(form->Left() + (form->Width() - box.Width()) / 2,
                      form->Top() + (form->Height() - box.Height()) / 2, box.Width(),
                      box.Height());
    else
        box.SetPosition(TPosition::poScreenCenter);
    box.ShowModal();
}

TAboutBoxForm::TAboutBoxForm(TComponent* owner, const TZeltShellAbout& about) : TForm(owner) {
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(TBorderIcons{TBorderIcon::biSystemMenu});
    SetCaption("About " + about.Caption());
    FlattenIcon(about.Icon(), RGBToOpaquePixel(ColorToRGB(Color())), m_face);

    m_name = &CreateOwned<TLabel>(*this);
    m_name->SetParent(this);
    m_name->Font().SetStyle(TFontStyles{TFontStyle::fsBold});
    m_name->SetCaption(about.Caption());
    m_name->SetShowAccelChar(false);
    m_name->SetLeft(TextLeft);
    m_name->SetTop(IconTop);

    m_text = &CreateOwned<TLabel>(*this);
    m_text->SetParent(this);
    m_text->SetShowAccelChar(false);
    m_text->SetWordWrap(true);
    m_text->SetBounds(TextLeft, m_name->Top() + m_name->Height() + 8, TextWidth, 0);
    m_text->SetCaption(WithoutCarriageReturns(about.Text()));

    const int32_t textBottom = std::max(m_text->Top() + m_text->Height(), IconTop + 32);
    const int32_t width = TextLeft + TextWidth + Margin;
    m_ok = &CreateOwned<TButton>(*this);
    m_ok->SetParent(this);
    m_ok->SetCaption("OK");
    m_ok->SetBounds(width - Margin - 75, textBottom + Margin, 75, 25);
    m_ok->SetDefault(true);
    m_ok->SetCancel(true);
    m_ok->SetModalResult(mrOk);
    SetClientSize(width, m_ok->Top() + m_ok->Height() + Margin);
    SetActiveControl(m_ok);
}

void TAboutBoxForm::PaintWindow(TDeviceContext& dc) {
    TForm::PaintWindow(dc);
    dc.BitBlt(IconLeft, IconTop, m_face.Width(), m_face.Height(), m_face.DC(), 0, 0);
}

} // namespace brisat
