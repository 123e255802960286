// Writes the sample skin in each storage variant into a folder, the skin loader fuzzer's starting
// corpus, and with a second folder the streams of its bitmaps, the bitmap stream fuzzer's.
#include "skin/files/skin_filter_registry.h"
#include "skin/sample_skin.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "Usage: write_skin_seeds SKIN_FOLDER [BITMAP_FOLDER]\n");
        return 2;
    }
    using namespace brisat;
    for (const char* name : {"sample.uskn", "sample.kskn", "sample.xskn"}) {
        const std::string path = std::string(argv[1]) + "/" + name;
        TFileStream file(path, TFileStream::Mode::fmCreate);
        FindSkinFilter(name)->WriteBody(file, test::SampleSkin(12, 8));
    }
    if (argc == 3) {
        const TSeSkinBody body = test::SampleSkin(12, 8);
        for (int32_t i = 0; i < body.Bitmaps.Count(); ++i) {
            TFileStream file(std::string(argv[2]) + "/bitmap" + std::to_string(i),
                             TFileStream::Mode::fmCreate);
            body.Bitmaps[i]->SaveToStream(file);
        }
    }
    return 0;
}
