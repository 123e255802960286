#include "contact_sheet.h"

#include "framework/graphics/device_context.h"
#include "platform/png_file.h"
#include "skin/bitmap/bitmap.h"
#include "skin/files/skin_source.h"
#include "preview_states.h"
#include "sheet_layout.h"
#include "skin_file_access.h"

#include <algorithm>
#include <stdexcept>

namespace brisat {
namespace {

constexpr TKsPixel kCheckLight = 0xFFFFFFFF, kCheckDark = 0xFFCCCCCC;
constexpr int32_t kCheckSize = 8;

TKsPixel CheckPixel(int32_t x, int32_t y) {
    return ((x / kCheckSize + y / kCheckSize) % 2) ? kCheckDark : kCheckLight;
}

// The object is drawn over a checkerboard, so translucent pixels show as they blend over
// whatever lies behind them; pixels cut out of a window's shape show the checkerboard too.
std::unique_ptr<TKsBitmap> DrawLook(const TSeSkinObject& object, const TPreviewLook& look,
                                    TSize size, const std::string& skinName) {
    std::unique_ptr<TSeSkinObject> clone = CloneObject(object);
    if (clone) {
        clone->SetBounds(Bounds(0, 0, size.cx, size.cy));
        if (look.RolledUp) size.cy = RolledUpHeight(*clone);
    }
    auto picture = std::make_unique<TKsBitmap>();
    picture->SetSize(size.cx, size.cy);
    for (int32_t y = 0; y < size.cy; ++y)
        for (int32_t x = 0; x < size.cx; ++x)
            picture->SetPixels(x, y, CheckPixel(x, y));
    if (!clone) return picture;
    clone->SetBounds(Bounds(0, 0, size.cx, size.cy));
    SetPreviewTexts(*clone, skinName);
    look.Apply(*clone);
    clone->Draw(*picture);
    for (int32_t y = 0; y < size.cy; ++y)
        for (int32_t x = 0; x < size.cx; ++x)
            if (picture->Pixels(x, y) == ksKeyPixel) picture->SetPixels(x, y, CheckPixel(x, y));
    return picture;
}

TRow DrawRow(TSeSkinObject& object, const std::string& skinName) {
    TRow row{(object.Name().empty() ? "(unnamed)" : object.Name()) + ": " + object.ClassName(),
             {}};
    const TSize size = PreviewSize(object);
    // Each look is drawn on a fresh clone.
    for (const TPreviewLook& look : PreviewLooks(object))
        row.Cells.push_back({look.Label, DrawLook(object, look, size, skinName)});
    return row;
}

} // namespace

void WriteContactSheet(const std::string& skinFile, const std::string& pngFile) {
    CheckSkinFile(skinFile);
    TSeSkinSource source;
    source.LoadFromFile(skinFile);
    std::vector<TRow> rows;
    for (int32_t i = 0; i < source.Count(); ++i)
        rows.push_back(DrawRow(*source.Objects(i), source.SkinName()));
    const auto sheet = Compose(rows, source.SkinName() + " " + source.SkinVersion() + " by " +
                                         source.Author());
    WritePngFile(pngFile, sheet->Bits(), sheet->Width(), sheet->Height(), sheet->Width(),
                 TPngAlpha::Drop);
}

} // namespace brisat
