// The player in its skins: started in each of the eight shipped skins (named in Brisat.ini) it
// plays a clip inside the skin's frame; without the Skins folder it plays in the plain look; a
// damaged skin named in the settings is reported once, the plain look plays and the settings
// keep the choice; the skin's caption buttons maximise, restore, roll up and minimise the
// window; the general popup shows the video through it, the aspect popup does not.
#include "player_test.h"
#include "skin_frame.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

const std::string kSkins = BRISAT_SKINS_DIR;

struct TSkinCase {
    const char* Key; // in the settings file's Skin section
    const char* File;
};

const TSkinCase kSkinCases[] = {
    {"Alien", "alien.xskn"},     {"Cell Shaded", "cell_shaded.xskn"}, {"Jezz", "jezz.xskn"},
    {"Pencil", "pencil.xskn"},   {"Preluna", "preluna.xskn"},         {"Steel", "steel.xskn"},
    {"Xp Blue", "xp_blue.xskn"}, {"Xp Stead", "xp_stead.xskn"},
};

bool IsBlue(uint32_t rgb) {
    return (rgb & 0xFF) > 0xC0 && ((rgb >> 8) & 0xFF) < 0x50 && ((rgb >> 16) & 0xFF) < 0x50;
}

class SkinnedPlayer : public PlayerTest {
protected:
    // The Skins folder beside the program under Name (the shipped skins).
    void LinkSkins(const std::string& name = "Skins") {
        std::filesystem::create_directory_symlink(kSkins, PathOf(name));
    }
    // The main window once it shows the clip playing past its first second.
    TDrivenWindow Playing(TProgramDriver& driver) {
        std::optional<TDrivenWindow> main;
        const bool playing = TProgramDriver::WaitUntil(
            [&] { return (main = driver.WindowStartingWith("clip.avi  0:00:01 >")).has_value(); },
            30s);
        if (!playing) throw std::runtime_error("the clip does not play");
        return *main;
    }
    // The middle of the video area: the client less the menu bar and the three bottom panels.
    static std::pair<int32_t, int32_t> VideoMiddle(const TRect& client) {
        return {(client.Left + client.Right) / 2, (client.Top + 19 + client.Bottom - 92) / 2};
    }
    static void Keep(const TPixelImage& image, const std::string& name) {
        if (const char* folder = std::getenv("BRISAT_E2E_SHOTS"))
            TProgramDriver::SavePng(image, std::string(folder) + "/" + name + ".png");
    }
    // The application's message box, when one is shown.
    std::optional<TDrivenWindow> MessageBox(TProgramDriver& driver) {
        for (const TDrivenWindow& w : driver.Windows())
            if (w.Title == "Brisat" && w.Viewable) return w;
        return std::nullopt;
    }
    bool MessageBoxShown(TProgramDriver& driver) { return MessageBox(driver).has_value(); }
};
BRISAT_PLAYER_SUITE(SkinnedPlayer);

TEST_P(SkinnedPlayer, EachSkinFramesThePlayingClip) {
    LinkSkins();
    const std::string clip = MakeClip("clip.avi", "pattern=blue", 8);
    for (const TSkinCase& skin : kSkinCases) {
        SCOPED_TRACE(skin.Key);
        Put(IniPath(), std::string("[Skin]\n") + skin.Key + "=1\n");
        TProgramDriver driver = Start({clip});
        const TDrivenWindow main = Playing(driver);
        TSkinFrame frame(kSkins + "/" + skin.File, Width(main.Bounds), Height(main.Bounds));
        const auto sides = frame.SidePixels();
        ASSERT_EQ(sides.size(), 3u);
        TPixelImage shot;
        const bool framed = TProgramDriver::WaitUntil([&] {
            shot = driver.Screenshot(main);
            for (const auto& [x, y, rgb] : sides)
                if (shot.At(x, y) != rgb) return false;
            return true;
        });
        Keep(shot, std::string("player-") + skin.File + "-" + WindowManagerName(GetParam()));
        EXPECT_TRUE(framed);
        if (!framed)
            for (const auto& [x, y, rgb] : sides)
                ADD_FAILURE() << x << "," << y << std::hex << " expected " << rgb << " shown "
                              << shot.At(x, y);
        const auto [vx, vy] = VideoMiddle(frame.Client());
        EXPECT_TRUE(IsBlue(shot.At(vx, vy))) << std::hex << shot.At(vx, vy);
        EXPECT_FALSE(MessageBoxShown(driver));
    }
}

TEST_P(SkinnedPlayer, WithoutTheSkinsFolderThePlainLookPlays) {
    LinkSkins("Skins.renamed");
    Put(IniPath(), "[Skin]\nXp Blue=1\n");
    TProgramDriver driver = Start({MakeClip("clip.avi", "pattern=blue", 5)});
    const TDrivenWindow main = Playing(driver);
    EXPECT_TRUE(WaitUntilActive(driver, main)) << "the plain caption";
    EXPECT_FALSE(MessageBoxShown(driver));
}

// A damaged skin: one message, the plain look plays, and the settings keep the user's choice.
TEST_P(SkinnedPlayer, ADamagedSkinInTheSettingsIsReportedOnceAndPlaysPlain) {
    std::filesystem::create_directory(PathOf("Skins"));
    const std::string whole = Get(kSkins + "/pencil.xskn");
    Put(PathOf("Skins/pencil.xskn"), whole.substr(0, whole.size() / 2));
    Put(IniPath(), "[Kind]\nLimit=1\n[Skin]\nPencil=1\n");
    TProgramDriver driver = Start({MakeClip("clip.avi", "pattern=blue", 8)});
    // The box is titled as the application; the main window is not shown yet.
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] { return MessageBoxShown(driver); }, 30s));
    driver.PressKey(*MessageBox(driver), "space"); // Return is a shortcut of the main window
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] { return !MessageBoxShown(driver); }));
    const TDrivenWindow main = Playing(driver);
    EXPECT_TRUE(WaitUntilActive(driver, main)) << "the plain caption";
    EXPECT_FALSE(TProgramDriver::WaitUntil([&] { return MessageBoxShown(driver); }, 2s));
    driver.PressKey(main, "Escape");
    ASSERT_EQ(driver.WaitForExitCode(), 0);
    const std::string settings = Get(IniPath());
    EXPECT_NE(settings.find("Pencil=1"), std::string::npos) << settings;
    EXPECT_NE(settings.find("Steel=0"), std::string::npos) << settings;
}

TEST_P(SkinnedPlayer, CaptionButtonsMaximiseRestoreRollUpAndMinimise) {
    LinkSkins();
    Put(IniPath(), "[Skin]\nXp Blue=1\n");
    const std::string file = kSkins + "/xp_blue.xskn";
    TProgramDriver driver = Start({}, 1280, 1024);
    const TDrivenWindow main = driver.WaitForWindow(kMainCaption, 30s);
    const TScreenRect normal = main.Bounds;
    // The window manager may place the window anew; its size is the frame's.
    const auto normalSize = [&](const TScreenRect& b) {
        return Width(b) == Width(normal) && Height(b) == Height(normal);
    };
    // Presses the button where the skin puts it at the window's size and state now, until the
    // window's height satisfies Reached (a press just after a move may miss).
    auto press = [&](const std::string& name, TSeState state, auto reached) {
        TScreenRect now = *driver.BoundsOf(main);
        TSkinFrame frame(file, Width(now), Height(now), state);
        const TRect button = frame.Button(name);
        ASSERT_FALSE(IsRectEmpty(button)) << name;
        bool done = false;
        for (int attempt = 0; attempt < 3 && !done; ++attempt) {
            driver.Click(now.Left + (button.Left + button.Right) / 2,
                         now.Top + (button.Top + button.Bottom) / 2);
            done = TProgramDriver::WaitUntil(
                [&] {
                    const std::optional<TScreenRect> b = driver.BoundsOf(main);
                    return b && reached(*b);
                },
                3s);
        }
        Keep(driver.Screenshot(), "buttons-" + name + "-" + WindowManagerName(GetParam()));
        EXPECT_TRUE(done) << name << " at " << button.Left << "," << button.Top
                          << " of a window at " << now.Left << "," << now.Top << " " << Width(now)
                          << " x " << Height(now);
    };
    const TScreenRect placed = *driver.BoundsOf(main);
    const auto topLeftKept = [&] {
        const TScreenRect b = *driver.BoundsOf(main);
        EXPECT_EQ(b.Left, placed.Left);
        EXPECT_EQ(b.Top, placed.Top);
    };
    press("Maximize", ssNormal,
          [&](const TScreenRect& b) { return Width(b) == 1024 && Height(b) == 768; });
    press("Restore", ssMaximized, normalSize);
    topLeftKept();
    press("RollUp", ssNormal, [&](const TScreenRect& b) { return Height(b) < 100; });
    topLeftKept();
    press("RollDown", ssRolledUp, normalSize);
    topLeftKept();
    TSkinFrame frame(file, Width(normal), Height(normal));
    const TRect minimize = frame.Button("Minimize");
    const TScreenRect now = *driver.BoundsOf(main);
    driver.Click(now.Left + (minimize.Left + minimize.Right) / 2,
                 now.Top + (minimize.Top + minimize.Bottom) / 2);
    EXPECT_TRUE(TProgramDriver::WaitUntil([&] {
        for (const TDrivenWindow& w : driver.Windows())
            if (w.Id == main.Id) return !w.Viewable;
        return true;
    }));
}

// The popup window that opened after Click, as the screen shows it; empty when none opened.
TPixelImage PopupAfter(TProgramDriver& driver, const TDrivenWindow& main,
                       const std::function<void()>& click) {
    std::vector<unsigned long> before;
    for (const TDrivenWindow& w : driver.Windows())
        before.push_back(w.Id);
    click();
    std::optional<TDrivenWindow> popup;
    TProgramDriver::WaitUntil([&] {
        for (const TDrivenWindow& w : driver.Windows())
            if (w.Viewable && w.Id != main.Id &&
                std::find(before.begin(), before.end(), w.Id) == before.end())
                popup = w;
        return popup.has_value();
    });
    if (!popup) return {};
    // Past its show animation.
    TProgramDriver::WaitUntil([] { return false; }, 700ms);
    TPixelImage shot = driver.Screenshot(*popup);
    driver.PressKey("Escape");
    TProgramDriver::WaitUntil([&] {
        for (const TDrivenWindow& w : driver.Windows())
            if (w.Id == popup->Id) return !w.Viewable;
        return true;
    });
    return shot;
}

// How many pixels two pictures of one size differ in.
int32_t Differing(const TPixelImage& a, const TPixelImage& b) {
    int32_t n = 0;
    for (int32_t y = 0; y < a.Height; ++y)
        for (int32_t x = 0; x < a.Width; ++x)
            n += a.At(x, y) != b.At(x, y);
    return n;
}

// The general popup opens over the video and shows it through; the aspect popup does not: over a
// blue and then a red picture, the first changes and the second stays the same.
TEST_P(SkinnedPlayer, TheGeneralPopupIsTranslucentAndTheAspectPopupOpaque) {
    LinkSkins();
    Put(IniPath(), "[Kind]\nLimit=1\n[Skin]\nSteel=1\n");
    std::vector<TPixelImage> general, aspect;
    for (const char* colour : {"blue", "red"}) {
        SCOPED_TRACE(colour);
        TProgramDriver driver = Start({MakeClip("clip.avi", std::string("pattern=") + colour, 8)});
        const TDrivenWindow main = Playing(driver);
        TSkinFrame frame(kSkins + "/steel.xskn", Width(main.Bounds), Height(main.Bounds));
        const TRect client = frame.Client();
        // The time panel over the video carries the general popup.
        general.push_back(PopupAfter(
            driver, main, [&] { driver.Click(main, client.Left + 50, client.Top + 19 + 28, 3); }));
        // The aspect button of the view panel at the bottom opens the aspect popup.
        aspect.push_back(PopupAfter(
            driver, main, [&] { driver.Click(main, client.Left + 67, client.Bottom - 16); }));
        ASSERT_GT(general.back().Width, 20);
        ASSERT_GT(aspect.back().Width, 20);
        Keep(general.back(), std::string("popup-general-") + colour);
        Keep(aspect.back(), std::string("popup-aspect-") + colour);
    }
    ASSERT_EQ(general[0].Width, general[1].Width);
    EXPECT_GT(Differing(general[0], general[1]), general[0].Width * general[0].Height / 2);
    ASSERT_EQ(aspect[0].Width, aspect[1].Width);
    EXPECT_EQ(Differing(aspect[0], aspect[1]), 0);
}

} // namespace
