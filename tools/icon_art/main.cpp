// icon_art OUTDIR: draws the program's icon in the desktop's usual sizes as
// OUTDIR/NxN/apps/brisat.png, the layout of an icon theme's folder.
#include "glyph_art/artwork.h"
#include "platform/png_file.h"

#include <filesystem>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: icon_art OUTDIR\n";
        return 2;
    }
    try {
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const std::string side = std::to_string(size);
            const std::filesystem::path folder =
                std::filesystem::path(argv[1]) / (side + "x" + side) / "apps";
            std::filesystem::create_directories(folder);
            glyph_art::TPainter painter(size, size);
            glyph_art::DrawAppIcon(painter);
            const auto pixels = painter.Pixels();
            brisat::WritePngFile((folder / "brisat.png").string(), pixels.data(), size, size, size,
                                 brisat::TPngAlpha::Keep);
        }
    } catch (const std::exception& e) {
        std::cerr << "icon_art: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
