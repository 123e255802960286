// Writes the sample skin in each storage variant into a folder: the fuzzer's starting corpus.
#include "skin/files/skin_filter_registry.h"
#include "skin/sample_skin.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Usage: write_skin_seeds FOLDER\n");
        return 2;
    }
    using namespace brisat;
    for (const char* name : {"sample.uskn", "sample.kskn", "sample.xskn"}) {
        const std::string path = std::string(argv[1]) + "/" + name;
        TFileStream file(path, TFileStream::Mode::fmCreate);
        FindSkinFilter(name)->WriteBody(file, test::SampleSkin(12, 8));
    }
    return 0;
}
