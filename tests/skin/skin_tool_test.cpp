// The brisat-skin program: info, unpack and pack (byte for byte), preview, gallery, and its exit
// codes.
#include "platform/png_file.h"
#include "skin/files/skin_filter.h"
#include "skin/sample_skin.h"
#include "temp_folder.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

using namespace brisat;
using namespace brisat::test;

namespace {

struct TRun {
    int Exit = -1;
    std::string Output; // stdout and stderr
};

std::string Quoted(const std::string& s) {
    return "'" + s + "'";
}

TRun RunTool(const std::string& arguments) {
    TRun run;
    FILE* pipe = popen((Quoted(BRISAT_SKIN_TOOL) + " " + arguments + " 2>&1").c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        run.Output.append(buffer, n);
    const int status = pclose(pipe);
    run.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class SkinTool : public TempFolderTest {
protected:
    template <class F> std::string WriteSample(const std::string& name) {
        TFileStream out(PathOf(name), TFileStream::Mode::fmCreate);
        F::WriteBody(out, SampleSkin());
        return PathOf(name);
    }
};

} // namespace

TEST_F(SkinTool, UnpackThenPackGivesTheSameBytes) {
    const std::string files[] = {WriteSample<TSeSkinFilterUncompressed>("s.uskn"),
                                 WriteSample<TSeSkinFilterCompressed>("s.kskn"),
                                 WriteSample<TSeSkinFilterUltraCompressed>("s.xskn")};
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const std::string folder = file + ".d", again = PathOf("again") + file.substr(file.size() - 5);
        const TRun unpack = RunTool("unpack " + Quoted(file) + " " + Quoted(folder));
        ASSERT_EQ(unpack.Exit, 0) << unpack.Output;
        const TRun pack = RunTool("pack " + Quoted(folder) + " " + Quoted(again));
        ASSERT_EQ(pack.Exit, 0) << pack.Output;
        EXPECT_EQ(Get(again), Get(file));
    }
    // The folder is what people edit: the header, numbered pictures and nested object blocks.
    const std::string folder = files[0] + ".d";
    EXPECT_EQ(Get(folder + "/skin.txt").substr(0, 51),
              "object Skin: TSeSkinSource\r\n  SkinName = 'Sample'\r\n");
    const TPngImage frame = ReadPngFile(folder + "/bitmaps/000_Frame.png");
    EXPECT_EQ(frame.Width, 64);
    EXPECT_EQ(frame.At(0, 0), kSampleMagenta); // stored pixels, not key pixels
    EXPECT_EQ(frame.At(1, 0), ksKeyPixel);     // alpha 0 keeps its colour
    EXPECT_EQ(Get(folder + "/bitmaps/002_Spare.png"), "");
    const std::string form = Get(folder + "/objects/000_Form.txt");
    EXPECT_NE(form.find("\r\n  object Title: TSeSkinObject\r\n"), std::string::npos) << form;
    EXPECT_EQ(form.find("Objects = "), std::string::npos) << form;

    // An edited folder packs what was edited.
    Put(folder + "/skin.txt", "object Skin: TSeSkinSource\r\n  SkinName = 'Edited'\r\nend\r\n");
    ASSERT_EQ(RunTool("pack " + Quoted(folder) + " " + Quoted(PathOf("e.uskn"))).Exit, 0);
    const TRun info = RunTool("info " + Quoted(PathOf("e.uskn")));
    EXPECT_NE(info.Output.find("SkinName: Edited\nSkinVersion: \n"), std::string::npos)
        << info.Output;
}

TEST_F(SkinTool, InfoListsHeaderBitmapsAndTrees) {
    const TRun run = RunTool("info " + Quoted(WriteSample<TSeSkinFilterCompressed>("s.kskn")));
    ASSERT_EQ(run.Exit, 0) << run.Output;
    for (const char* line :
         {"(Compressed Skin)\n", "SkinName: Sample\n", "Bitmaps: 3\n", "  0 Frame 64 x 48\n",
          "  2 Spare 0 x 0\n", "Objects: 2\n",
          "  Form: TSeFormBitmapSkinObject skForm (0, 0, 64, 48)\n",
          "    Close: TSeSysButtonSkinObject skSysButton (46, 2, 62, 18)\n",
          "  Button: TSeButtonObject skNone (0, 0, 80, 24)\n"})
        EXPECT_NE(run.Output.find(line), std::string::npos) << line << "\n" << run.Output;
}

TEST_F(SkinTool, PreviewDrawsAContactSheet) {
    const std::string png = PathOf("sheet.png");
    const TRun run =
        RunTool("preview " + Quoted(WriteSample<TSeSkinFilterUltraCompressed>("s.xskn")) + " " +
                Quoted(png));
    ASSERT_EQ(run.Exit, 0) << run.Output;
    const TPngImage sheet = ReadPngFile(png);
    // Two rows: the form in four window states and two per caption button, the button in five.
    EXPECT_GE(sheet.Width, 6 * 100);
    EXPECT_GE(sheet.Height, 48 + 24);
}

// Each control family in each of its states, drawn by the skin or plain where the skin lacks the
// family's object (the sample skin has a "Button" and nothing else), and wholly plain without a
// skin; the sheet stays within a window's width.
TEST_F(SkinTool, GalleryDrawsEveryControlState) {
    const std::string skin = WriteSample<TSeSkinFilterUltraCompressed>("s.xskn");
    for (const std::string& source : {Quoted(skin), std::string("--plain")}) {
        const std::string png = PathOf("gallery.png");
        const TRun run = RunTool("gallery " + source + " " + Quoted(png));
        ASSERT_EQ(run.Exit, 0) << source << ": " << run.Output;
        const TPngImage sheet = ReadPngFile(png);
        // Nine rows; the widest, eight horizontal scroll bars of 140 with the panel around.
        EXPECT_GE(sheet.Width, 8 * 140) << source;
        EXPECT_LE(sheet.Width, 1400) << source;
        EXPECT_GE(sheet.Height, 9 * (22 + 28) + 2 * 84) << source;
    }
}

TEST_F(SkinTool, ReportsErrorsLikeAUnixTool) {
    Put(PathOf("bad.xskn"), "KSLZ....");
    const struct {
        std::string Arguments;
        int Exit;
        std::string Fragment;
    } cases[] = {
        {"", 2, "Usage: brisat-skin info FILE"},
        {"info", 2, "Usage:"},
        {"frobnicate x", 2, "Usage:"},
        {"--help", 0, "Usage:"},
        {"info " + Quoted(PathOf("missing.uskn")), 1, "brisat-skin: Cannot open file"},
        {"info " + Quoted(PathOf("x.bmp")), 1, "is not a skin file name"},
        {"info " + Quoted(PathOf("bad.xskn")), 1, "bad.xskn\": compressed data is corrupt"},
        {"pack " + Quoted(PathOf("nofolder")) + " " + Quoted(PathOf("o.uskn")), 1,
         "brisat-skin: "},
        {"preview " + Quoted(PathOf("missing.xskn")) + " x.png", 1, "not found"},
        {"gallery " + Quoted(PathOf("missing.xskn")) + " x.png", 1, "not found"},
        {"gallery " + Quoted(PathOf("bad.xskn")) + " x.png", 1, "compressed data is corrupt"},
    };
    for (const auto& c : cases) {
        const TRun run = RunTool(c.Arguments);
        EXPECT_EQ(run.Exit, c.Exit) << c.Arguments << "\n" << run.Output;
        EXPECT_NE(run.Output.find(c.Fragment), std::string::npos) << c.Arguments << "\n"
                                                                  << run.Output;
    }
}
