#include "skin_art/skin_folder.h"

#include "framework/core/object_text_writer.h"
#include "platform/png_file.h"
#include "skin/files/skin_source.h"
#include "skin/objects/skin_object_text.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace skin_art {
namespace {

namespace fs = std::filesystem;

std::string Numbered(size_t index, const std::string& name, const char* extension) {
    char number[8];
    std::snprintf(number, sizeof number, "%03zu_", index);
    return number + name + extension;
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) throw std::runtime_error("Cannot write " + path.string());
}

std::string HeaderText(const TSkinArt& art) {
    brisat::TSeSkinSource header;
    header.SetName("Skin");
    header.SetSkinName(art.Name);
    header.SetSkinVersion("2.8.8");
    header.SetAuthor("Brisat");
    header.SetAuthorEMail("skins@brisat.invalid");
    header.SetAuthorURL("https://brisat.invalid/skins");
    return brisat::ComponentToText(header);
}

} // namespace

void WriteSkinFolder(const TSkinArt& art, const fs::path& dir) {
    fs::remove_all(dir);
    fs::create_directories(dir / "bitmaps");
    fs::create_directories(dir / "objects");
    WriteText(dir / "skin.txt", HeaderText(art));
    for (size_t i = 0; i < art.Bitmaps.size(); ++i) {
        const art_kit::TImage& image = art.Bitmaps[i].second;
        brisat::WritePngFile((dir / "bitmaps" / Numbered(i, art.Bitmaps[i].first, ".png")).string(),
                             image.Pixels().data(), image.Width(), image.Height(), image.Width(),
                             brisat::TPngAlpha::Keep);
    }
    for (size_t i = 0; i < art.Objects.size(); ++i)
        WriteText(dir / "objects" / Numbered(i, art.Objects[i]->Name(), ".txt"),
                  brisat::SkinObjectText(*art.Objects[i], brisat::TSkinTextForm::tsfEditable));
}

} // namespace skin_art
