// skin_art OUTDIR: draws every shipped skin into OUTDIR/<folder>/ as an unpacked skin folder.
#include "skin_art/anatomy.h"
#include "skin_art/looks.h"
#include "skin_art/skin_folder.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: skin_art OUTDIR\n";
        return 2;
    }
    try {
        for (const auto& look : skin_art::ShippedLooks())
            skin_art::WriteSkinFolder(skin_art::BuildSkin(*look),
                                      std::filesystem::path(argv[1]) / look->Folder());
    } catch (const std::exception& e) {
        std::cerr << "skin_art: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
