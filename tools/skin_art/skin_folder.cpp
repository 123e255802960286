#include "skin_art/skin_folder.h"

#include "framework/core/object_text_writer.h"
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
    using brisat::FormatTextValue;
    using brisat::TTextValue;
    const auto line = [](const char* name, const std::string& value) {
        return std::string("  ") + name + " = " + FormatTextValue(TTextValue::MakeString(value), 1) +
               "\r\n";
    };
    return "object Skin: TSeSkinSource\r\n" + line("SkinName", art.Name) +
           line("SkinVersion", "2.8.8") + line("Author", "Brisat") +
           line("AuthorEMail", "skins@brisat.invalid") +
           line("AuthorURL", "https://brisat.invalid/skins") + "end\r\n";
}

} // namespace

void WriteSkinFolder(const TSkinArt& art, const fs::path& dir) {
    fs::remove_all(dir);
    fs::create_directories(dir / "bitmaps");
    fs::create_directories(dir / "objects");
    WriteText(dir / "skin.txt", HeaderText(art));
    for (size_t i = 0; i < art.Bitmaps.size(); ++i)
        art_kit::WritePng((dir / "bitmaps" / Numbered(i, art.Bitmaps[i].first, ".png")).string(),
                          art.Bitmaps[i].second);
    for (size_t i = 0; i < art.Objects.size(); ++i)
        WriteText(dir / "objects" / Numbered(i, art.Objects[i]->Name(), ".txt"),
                  brisat::SkinObjectText(*art.Objects[i], brisat::TSkinTextForm::tsfEditable));
}

} // namespace skin_art
