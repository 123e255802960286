// A small skin with everything a file holds: header strings, bitmaps (one with a cut-out magenta
// pixel and a key pixel, one empty), and trees with children, fonts, links and colours. Tests, the
// fuzzer's seeds and the file benchmark build on it.
#pragma once

#include "skin/files/skin_body.h"
#include "skin/objects/skin_object_classes.h"

#include <memory>

namespace brisat::test {

inline constexpr TKsPixel kSampleMagenta = 0xFFFF00FF;

inline std::unique_ptr<TKsBitmap> SampleBitmap(const std::string& name, int32_t width,
                                               int32_t height, uint32_t seed) {
    auto bitmap = std::make_unique<TKsBitmap>();
    bitmap->SetName(name);
    bitmap->SetSize(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            bitmap->SetPixels(x, y, 0xFF000000u | ((uint32_t(x * 7 + y * 13) * seed) & 0xFFFFFF));
    return bitmap;
}

// Form: TSeFormBitmapSkinObject { Title: TSeSkinObject (skTitle), Close: TSeSysButtonSkinObject },
// Button: TSeButtonObject. Bitmaps "Frame" (Width x Height, magenta at 0,0 and the key pixel at
// 1,0), "Glyphs" 16 x 16, and an empty "Spare".
inline TSeSkinBody SampleSkin(int32_t width = 64, int32_t height = 48) {
    TSeSkinBody body;
    body.SkinName = "Sample";
    body.SkinVersion = "1.0";
    body.Author = "Brisat tests";
    body.AuthorEMail = "";
    body.AuthorURL = "https://example.org/it's";
    auto frame = SampleBitmap("Frame", width, height, 3);
    frame->SetPixels(0, 0, kSampleMagenta);
    frame->SetPixels(1, 0, ksKeyPixel);
    body.Bitmaps.Add(std::move(frame));
    body.Bitmaps.Add(SampleBitmap("Glyphs", 16, 16, 5));
    auto spare = std::make_unique<TKsBitmap>();
    spare->SetName("Spare");
    body.Bitmaps.Add(std::move(spare));

    auto form = std::make_unique<TSeFormBitmapSkinObject>(nullptr);
    form->SetName("Form");
    form->SetKind(TSeKind::skForm);
    form->SetBounds(Bounds(0, 0, width, height));
    form->Font().SetCharset(ANSI_CHARSET);
    form->Font().SetName("DejaVu Sans");
    form->Bitmap().SetName("Frame");
    form->Bitmap().SetRect(Rect(0, 0, width, height));
    form->InactiveBitmap().SetName("frame"); // links match names without case
    form->InactiveBitmap().SetRect(Rect(0, 0, width / 2, height));
    auto& title = CreateOwned<TSeSkinObject>(*form);
    title.SetName("Title");
    title.SetKind(TSeKind::skTitle);
    title.SetAlign(TSeAlign::saTop);
    title.SetBounds(Bounds(4, 2, width - 24, 16));
    title.SetColor(clNavy);
    title.Font().SetCharset(RUSSIAN_CHARSET);
    title.Font().SetColor(clRed);
    auto& close = CreateOwned<TSeSysButtonSkinObject>(*form);
    close.SetName("Close");
    close.SetAction(TSeAction::sbaClose);
    close.SetBounds(Bounds(width - 18, 2, 16, 16));
    close.Bitmap().SetName("Glyphs");
    close.Bitmap().SetRect(Rect(0, 0, 16, 16));
    body.Objects.push_back(std::move(form));

    auto button = std::make_unique<TSeButtonObject>(nullptr);
    button->SetName("Button");
    button->SetBounds(Bounds(0, 0, 80, 24));
    button->SetColor(clBtnFace);
    button->Bitmap().SetName("Glyphs");
    button->Bitmap().SetRect(Rect(0, 0, 8, 8));
    body.Objects.push_back(std::move(button));
    return body;
}

} // namespace brisat::test
