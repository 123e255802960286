#include "sheet_layout.h"

#include <algorithm>

namespace brisat {
namespace {

constexpr int32_t kMargin = 10;
constexpr int32_t kLabelHeight = 18;
constexpr int32_t kTitleHeight = 22;
constexpr TKsPixel kSheetPixel = 0xFFEDEDED;
constexpr int32_t kMinCellWidth = 90;

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
std::vector<std::vector<const TCell*>> Lines(const TRow& row, int32_t maxWidth) {
    std::vector<std::vector<const TCell*>> lines(1);
    int32_t width = kMargin;
    for (const TCell& cell : row.Cells) {
        if (!lines.back().empty() && width + CellWidth(cell) + kMargin > maxWidth) {
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

} // namespace

std::unique_ptr<TKsBitmap> Compose(const std::vector<TRow>& rows, const std::string& heading,
                                   int32_t maxWidth) {
    int32_t width = 480, height = kMargin + kTitleHeight;
    for (const TRow& row : rows) {
        height += kTitleHeight;
        for (const auto& line : Lines(row, maxWidth)) {
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
        for (const auto& line : Lines(row, maxWidth))
            top += DrawLine(*sheet, line, top);
    }
    return sheet;
}

} // namespace brisat
