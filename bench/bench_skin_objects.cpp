// A skinned window's frame as the skinned form paints it: the "Form" tree of a realistic skin
// (caption band with title and four caption buttons, four edges, four corners, client area, all
// nine-part links into one 256 × 256 skin bitmap) cloned, placed at 800 × 600 and drawn into a
// window-sized bitmap. The client object is hidden for the frame paint, as the form does.
#include "skin/bitmap/bitmap.h"
#include "skin/objects/skin_object_classes.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace brisat;

// Opaque art with an anti-aliased (half-transparent) rim, as skin frames have.
std::unique_ptr<TKsBitmap> SkinBitmap() {
    auto bitmap = std::make_unique<TKsBitmap>();
    bitmap->SetSize(256, 256);
    for (int32_t y = 0; y < 256; ++y)
        for (int32_t x = 0; x < 256; ++x) {
            const uint32_t alpha = (x % 64 == 0 || y % 64 == 0) ? 0x80 : 0xFF;
            bitmap->SetPixels(x, y, alpha << 24 | uint32_t(x) << 16 | uint32_t(y) << 8 | 0x40);
        }
    return bitmap;
}

template <class T>
T& Part(TSeSkinObject& parent, const char* name, TSeAlign align, const TRect& rect, TKsBitmap& skin,
        const TRect& link, int32_t margin) {
    T& part = CreateOwned<T>(parent);
    part.SetName(name);
    part.SetAlign(align);
    part.SetBounds(rect);
    part.Bitmap().SetBitmap(&skin);
    part.Bitmap().SetRect(link);
    part.SetMarginLeft(margin);
    part.SetMarginTop(margin);
    part.SetMarginRight(margin);
    part.SetMarginBottom(margin);
    return part;
}

std::unique_ptr<TSeSkinObject> FormTree(TKsBitmap& skin) {
    auto form = std::make_unique<TSeSkinObject>(nullptr);
    form->SetName("Form");
    form->SetKind(TSeKind::skForm);
    form->SetBounds({0, 0, 300, 200});

    auto& caption = Part<TSeBitmapObject>(*form, "Caption", TSeAlign::saMostTop, {0, 0, 300, 30},
                                          skin, {0, 0, 128, 30}, 8);
    caption.SetKind(TSeKind::skCaption);
    caption.SetTileStyle(TscTileStyle::tsStretch);
    auto& title = CreateOwned<TSeTextObject>(caption);
    title.SetName("Title");
    title.SetKind(TSeKind::skTitle);
    title.SetBounds({30, 6, 200, 24});
    title.SetAlign(TSeAlign::saNone);
    title.SetColor(0x402010);
    title.Font().SetColor(clWhite);
    title.SetTextMarginLeft(4);
    title.Font().SetName("DejaVu Sans");
    const char* buttons[] = {"Close", "Maximize", "Minimize", "RollUp"};
    const TSeAction actions[] = {TSeAction::sbaClose, TSeAction::sbaMaximize,
                                 TSeAction::sbaMinimize, TSeAction::sbaRollUp};
    for (int i = 0; i < 4; ++i) {
        const int32_t left = 276 - 22 * i;
        auto& button = Part<TSeSysButtonSkinObject>(caption, buttons[i], TSeAlign::saTopRight,
                                                    {left, 6, left + 18, 24}, skin,
                                                    {128 + 18 * i, 0, 146 + 18 * i, 18}, 0);
        button.SetAction(actions[i]);
        button.BitmapHover().SetBitmap(&skin);
        button.BitmapHover().SetRect({128 + 18 * i, 18, 146 + 18 * i, 36});
    }
    Part<TSeFormBitmapSkinObject>(*form, "Bottom", TSeAlign::saMostBottom, {0, 192, 300, 200}, skin,
                                  {0, 64, 128, 72}, 0)
        .SetKind(TSeKind::skBottom);
    Part<TSeFormBitmapSkinObject>(*form, "Left", TSeAlign::saMostLeft, {0, 30, 8, 192}, skin,
                                  {0, 80, 8, 208}, 0)
        .SetKind(TSeKind::skLeft);
    Part<TSeFormBitmapSkinObject>(*form, "Right", TSeAlign::saMostRight, {292, 30, 300, 192}, skin,
                                  {8, 80, 16, 208}, 0)
        .SetKind(TSeKind::skRight);
    const struct {
        const char* Name;
        TSeAlign Align;
        TSeKind Kind;
        TRect Rect;
    } corners[] = {
        {"TopLeft", TSeAlign::saTopLeft, TSeKind::skTopLeft, {0, 0, 8, 8}},
        {"TopRight", TSeAlign::saTopRight, TSeKind::skTopRight, {292, 0, 300, 8}},
        {"BottomLeft", TSeAlign::saBottomLeft, TSeKind::skBottomLeft, {0, 192, 8, 200}},
        {"BottomRight", TSeAlign::saBottomRight, TSeKind::skBottomRight, {292, 192, 300, 200}},
    };
    for (int i = 0; i < 4; ++i)
        Part<TSeFormBitmapSkinObject>(*form, corners[i].Name, corners[i].Align, corners[i].Rect,
                                      skin, {200 + 8 * i, 200, 208 + 8 * i, 208}, 0)
            .SetKind(corners[i].Kind);
    auto& client = CreateOwned<TSeSkinObject>(*form);
    client.SetName("Client");
    client.SetKind(TSeKind::skClient);
    client.SetAlign(TSeAlign::saClient);
    form->Realign();
    return form;
}

// The clone placed and set up as the skinned form paints its frame: active, the window caption
// in the title, the client area left to the controls.
void PrepareFrame(TSeSkinObject& frame) {
    frame.SetActive(true);
    frame.SetBounds({0, 0, 800, 600});
    frame.FindObjectByKind(TSeKind::skTitle)->SetText("Brisat - a skinned video player");
    frame.FindObjectByKind(TSeKind::skClient)->SetVisible(false);
}

// What a skinned form does when the skin changes and it first paints: clone, place, draw.
void BM_CloneLayoutDrawFrame(benchmark::State& state) {
    auto skin = SkinBitmap();
    auto tree = FormTree(*skin);
    TKsBitmap target;
    target.SetSize(800, 600);
    for (auto _ : state) {
        std::unique_ptr<TSeSkinObject> clone = CloneObject(*tree);
        PrepareFrame(*clone);
        clone->Draw(target);
        benchmark::DoNotOptimize(target.Bits());
    }
}
BENCHMARK(BM_CloneLayoutDrawFrame)->Unit(benchmark::kMicrosecond);

// A repaint of the frame of a window already placed.
void BM_DrawFrame(benchmark::State& state) {
    auto skin = SkinBitmap();
    std::unique_ptr<TSeSkinObject> clone = CloneObject(*FormTree(*skin));
    PrepareFrame(*clone);
    TKsBitmap target;
    target.SetSize(800, 600);
    for (auto _ : state) {
        clone->Draw(target);
        benchmark::DoNotOptimize(target.Bits());
    }
}
BENCHMARK(BM_DrawFrame)->Unit(benchmark::kMicrosecond);

} // namespace
