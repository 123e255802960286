#include "contact_sheet.h"

#include "framework/graphics/device_context.h"
#include "platform/png_file.h"
#include "skin/bitmap/bitmap.h"
#include "skin/files/skin_file_names.h"
#include "skin/files/skin_filter_registry.h"
#include "skin/files/skin_source.h"
#include "preview_states.h"

#include <algorithm>
#include <stdexcept>

namespace brisat {
namespace {

constexpr int32_t kMargin = 10;
constexpr int32_t kLabelHeight = 18;
constexpr int32_t kTitleHeight = 22;
constexpr TKsPixel kSheetPixel = 0xFFEDEDED;
constexpr TKsPixel kCheckLight = 0xFFFFFFFF, kCheckDark = 0xFFCCCCCC;
constexpr int32_t kCheckSize = 8;

struct TCell {
    std::string Label;
    std::unique_ptr<TKsBitmap> Picture;
};

struct TRow {
    std::string Title;
    std::vector<TCell> Cells;
};

std::unique_ptr<TKsBitmap> DrawLook(const TSeSkinObject& object, const TPreviewLook& look,
                                    TSize size, const std::string& skinName) {
    std::unique_ptr<TSeSkinObject> clone = CloneObject(object);
    auto picture = std::make_unique<TKsBitmap>();
    picture->SetSize(size.cx, size.cy);
    picture->Fill(ksKeyPixel);
    if (!clone) return picture;
    clone->SetBounds(Bounds(0, 0, size.cx, size.cy));
    SetPreviewTexts(*clone, skinName);
    look.Apply(*clone);
    clone->Draw(*picture);
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

// Cut-out pixels show a checkerboard; translucent ones are blended over it.
void PlacePicture(TKsBitmap& sheet, const TKsBitmap& picture, int32_t left, int32_t top) {
    for (int32_t y = 0; y < picture.Height(); ++y)
        for (int32_t x = 0; x < picture.Width(); ++x) {
            const TKsPixel check = ((x / kCheckSize + y / kCheckSize) % 2) ? kCheckDark
                                                                           : kCheckLight;
            const TKsPixel p = picture.Pixels(x, y);
            sheet.SetPixels(left + x, top + y, p == ksKeyPixel ? check : Blend(p, check));
        }
}

void Label(TKsBitmap& sheet, const std::string& text, const TRect& rect, int32_t height) {
    sheet.Font().SetHeight(height);
    sheet.DrawText(text, rect, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

int32_t RowWidth(const TRow& row) {
    int32_t width = kMargin;
    for (const TCell& cell : row.Cells)
        width += std::max(cell.Picture->Width(), 90) + kMargin;
    return width;
}

int32_t RowHeight(const TRow& row) {
    int32_t tallest = 0;
    for (const TCell& cell : row.Cells)
        tallest = std::max(tallest, cell.Picture->Height());
    return kTitleHeight + tallest + kLabelHeight + kMargin;
}

std::unique_ptr<TKsBitmap> Compose(const std::vector<TRow>& rows, const std::string& heading) {
    int32_t width = 480, height = kMargin + kTitleHeight;
    for (const TRow& row : rows) {
        width = std::max(width, RowWidth(row));
        height += RowHeight(row);
    }
    auto sheet = std::make_unique<TKsBitmap>();
    sheet->SetSize(width, height);
    sheet->Fill(kSheetPixel);
    sheet->Font().SetName("DejaVu Sans");
    sheet->Font().SetColor(clBlack);
    Label(*sheet, heading, Bounds(kMargin, kMargin, width - 2 * kMargin, kTitleHeight), -15);
    int32_t top = kMargin + kTitleHeight;
    for (const TRow& row : rows) {
        Label(*sheet, row.Title, Bounds(kMargin, top, width - 2 * kMargin, kTitleHeight), -13);
        int32_t left = kMargin, tallest = 0;
        for (const TCell& cell : row.Cells) {
            PlacePicture(*sheet, *cell.Picture, left, top + kTitleHeight);
            tallest = std::max(tallest, cell.Picture->Height());
            left += std::max(cell.Picture->Width(), 90) + kMargin;
        }
        left = kMargin;
        for (const TCell& cell : row.Cells) {
            const int32_t cellWidth = std::max(cell.Picture->Width(), 90);
            Label(*sheet, cell.Label,
                  Bounds(left, top + kTitleHeight + tallest, cellWidth, kLabelHeight), -11);
            left += cellWidth + kMargin;
        }
        top += RowHeight(row);
    }
    return sheet;
}

} // namespace

void WriteContactSheet(const std::string& skinFile, const std::string& pngFile) {
    if (!LocateSkinFile(skinFile)) throw std::runtime_error("\"" + skinFile + "\" not found");
    if (!FindSkinFilter(skinFile))
        throw std::runtime_error("\"" + skinFile + "\" is not a skin file name (" +
                                 SkinFilterString() + ")");
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
