// The sheets of the skin tool: rows of labelled pictures under a heading, each row in lines no
// wider than the sheet, drawn on a light grey ground.
#pragma once

#include "skin/bitmap/bitmap.h"

#include <memory>
#include <string>
#include <vector>

namespace brisat {

struct TCell {
    std::string Label;
    std::unique_ptr<TKsBitmap> Picture;
};

struct TRow {
    std::string Title;
    std::vector<TCell> Cells;
};

// The rows under Heading on one sheet; a row wider than MaxWidth continues on another line.
std::unique_ptr<TKsBitmap> Compose(const std::vector<TRow>& rows, const std::string& heading,
                                   int32_t maxWidth = 1800);

} // namespace brisat
