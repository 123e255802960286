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
constexpr int32_t kMinCellWidth = 90;
// Wider rows continue on another line.
constexpr int32_t kMaxSheetWidth = 1800;

struct TCell {
    std::string Label;
    std::unique_ptr<TKsBitmap> Picture;
};

struct TRow {
    std::string Title;
    std::vector<TCell> Cells;
};

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

void PlacePicture(TKsBitmap& sheet, const TKsBitmap& picture, int32_t left, int32_t top) {
    picture.DrawRect(sheet, left, top, Bounds(0, 0, picture.Width(), picture.Height()));
}

void Label(TKsBitmap& sheet, const std::string& text, const TRect& rect, int32_t height) {
    sheet.Font().SetHeight(height);
    sheet.DrawText(text, rect, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

int32_t CellWidth(const TCell& cell) {
    return std::max(cell.Picture->Width(), kMinCellWidth);
}

// The row's cells in lines no wider than the sheet.
std::vector<std::vector<const TCell*>> Lines(const TRow& row) {
    std::vector<std::vector<const TCell*>> lines(1);
    int32_t width = kMargin;
    for (const TCell& cell : row.Cells) {
        if (!lines.back().empty() && width + CellWidth(cell) + kMargin > kMaxSheetWidth) {
            lines.emplace_back();
            width = kMargin;
        }
        lines.back().push_back(&cell);
        width += CellWidth(cell) + kMargin;
    }
    return lines;
}

int32_t LineWidth(const std::vector<const TCell*>& line) {
    int32_t width = kMargin;
    for (const TCell* cell : line)
        width += CellWidth(*cell) + kMargin;
    return width;
}

int32_t LineHeight(const std::vector<const TCell*>& line) {
    int32_t tallest = 0;
    for (const TCell* cell : line)
        tallest = std::max(tallest, cell->Picture->Height());
    return tallest + kLabelHeight + kMargin;
}

// Draws one line of cells with their labels below; returns its height.
int32_t DrawLine(TKsBitmap& sheet, const std::vector<const TCell*>& line, int32_t top) {
    const int32_t height = LineHeight(line);
    int32_t left = kMargin;
    for (const TCell* cell : line) {
        PlacePicture(sheet, *cell->Picture, left, top);
        Label(sheet, cell->Label,
              Bounds(left, top + height - kLabelHeight - kMargin, CellWidth(*cell), kLabelHeight),
              -11);
        left += CellWidth(*cell) + kMargin;
    }
    return height;
}

std::unique_ptr<TKsBitmap> Compose(const std::vector<TRow>& rows, const std::string& heading) {
    int32_t width = 480, height = kMargin + kTitleHeight;
    for (const TRow& row : rows) {
        height += kTitleHeight;
        for (const auto& line : Lines(row)) {
            width = std::max(width, LineWidth(line));
            height += LineHeight(line);
        }
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
        top += kTitleHeight;
        for (const auto& line : Lines(row))
            top += DrawLine(*sheet, line, top);
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
