// brisat-skin: looks at, unpacks, packs and previews skin files, and shows the controls they dress.
#include "contact_sheet.h"
#include "control_gallery.h"
#include "showcase.h"
#include "skin_folder.h"
#include "skin_info.h"
#include "skin_window_demo.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

const char* const kUsage =
    "Usage: brisat-skin info FILE\n"
    "       brisat-skin unpack FILE DIR\n"
    "       brisat-skin pack DIR FILE\n"
    "       brisat-skin preview FILE PNG\n"
    "       brisat-skin gallery FILE PNG\n"
    "       brisat-skin gallery --plain PNG\n"
    "       brisat-skin showcase FILE\n"
    "       brisat-skin window FILE\n"
    "       brisat-skin window --plain\n"
    "FILE is a skin file (.uskn, .kskn or .xskn); pack writes the variant its extension names.\n"
    "showcase opens a window of skinned controls; its button steps through FILE's folder.\n"
    "window opens a window framed by FILE's skin (or the plain frame) with a popup menu.\n";

int Run(const std::vector<std::string>& args) {
    const std::string& command = args[0];
    if (command == "info" && args.size() == 2)
        brisat::PrintSkinInfo(args[1], std::cout);
    else if (command == "unpack" && args.size() == 3)
        brisat::UnpackSkin(args[1], args[2]);
    else if (command == "pack" && args.size() == 3)
        brisat::PackSkin(args[1], args[2]);
    else if (command == "preview" && args.size() == 3)
        brisat::WriteContactSheet(args[1], args[2]);
    else if (command == "gallery" && args.size() == 3)
        brisat::WriteControlGallery(args[1] == "--plain" ? "" : args[1], args[2]);
    else if (command == "showcase" && args.size() == 2)
        return brisat::RunShowcase(args[1]);
    else if (command == "window" && args.size() == 2)
        return brisat::RunSkinWindow(args[1] == "--plain" ? "" : args[1]);
    else {
        std::cerr << kUsage;
        return kExitUsage;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? std::cerr : std::cout) << kUsage;
        return args.empty() ? kExitUsage : 0;
    }
    try {
        return Run(args);
    } catch (const std::exception& e) {
        std::cerr << "brisat-skin: " << e.what() << "\n";
        return kExitFailure;
    }
}
