#include "skin_art/skin_folder.h"

#include "skin_tool/skin_folder.h"

#include <algorithm>

namespace skin_art {

namespace fs = std::filesystem;

namespace {

brisat::TSeSkinBody SkinBody(TSkinArt art) {
    brisat::TSeSkinBody body;
    body.SkinName = art.Name;
    body.SkinVersion = "2.8.8";
    body.Author = "Brisat";
    body.AuthorEMail = "skins@brisat.invalid";
    body.AuthorURL = "https://brisat.invalid/skins";
    for (auto& [name, image] : art.Bitmaps) {
        auto bitmap = std::make_unique<brisat::TKsBitmap>();
        bitmap->SetName(name);
        bitmap->SetSize(image.Width(), image.Height());
        std::copy(image.Pixels().begin(), image.Pixels().end(), bitmap->Bits());
        body.Bitmaps.Add(std::move(bitmap));
    }
    body.Objects = std::move(art.Objects);
    return body;
}

} // namespace

void WriteSkinFolder(TSkinArt art, const fs::path& dir) {
    fs::remove_all(dir);
    brisat::WriteSkinFolder(SkinBody(std::move(art)), dir.string());
}

} // namespace skin_art
