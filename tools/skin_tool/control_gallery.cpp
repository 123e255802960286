#include "control_gallery.h"

#include "control_gallery_families.h"
#include "platform/png_file.h"
#include "sheet_layout.h"
#include "skin_file_access.h"

namespace brisat {
namespace {

// The sheet's width: it fits a window on a common screen.
constexpr int32_t kSheetWidth = 1400;

// The gallery's rows, in order.
std::vector<TGalleryFamily> Families() {
    return {PanelFamily(),          ButtonFamily(),        TrackBarFamily(false),
            TrackBarFamily(true),   ScrollBarFamily(false), ScrollBarFamily(true),
            ListBoxFamily(),        EditFamily(),          ComboBoxFamily()};
}

// A fresh control of the family in the state, as the screen shows it.
std::unique_ptr<TKsBitmap> DrawState(TGalleryStage& stage, const TGalleryFamily& family,
                                     const TGalleryState& state) {
    TControl& control = family.Make(stage);
    state.Apply(stage, control);
    auto picture = stage.Photograph(control);
    stage.Clear(control);
    return picture;
}

std::unique_ptr<TKsBitmap> DrawGallery(const std::string& skinFile) {
    TGalleryStage stage(skinFile);
    std::vector<TRow> rows;
    for (const TGalleryFamily& family : Families()) {
        TRow row{family.Title, {}};
        for (const TGalleryState& state : family.States)
            row.Cells.push_back({state.Label, DrawState(stage, family, state)});
        rows.push_back(std::move(row));
    }
    return Compose(rows, "Controls in " + stage.SkinName(), kSheetWidth);
}

} // namespace

void WriteControlGallery(const std::string& skinFile, const std::string& pngFile) {
    if (!skinFile.empty()) CheckSkinFile(skinFile);
    const std::unique_ptr<TKsBitmap> sheet = DrawGallery(skinFile);
    WritePngFile(pngFile, sheet->Bits(), sheet->Width(), sheet->Height(), sheet->Width(),
                 TPngAlpha::Drop);
}

} // namespace brisat
