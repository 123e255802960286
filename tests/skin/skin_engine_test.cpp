// The skin engine: what it loads, how it re-tints, and in which order its clients hear of it.
#include "framework/controls/form.h"
#include "framework/core/object_text_reader.h"
#include "framework/core/object_text_writer.h"
#include "framework/headless_fixture.h"
#include "skin/bitmap/pixel.h"
#include "skin/engine/skin_engine.h"
#include "skin/files/skin_source.h"
#include "skin/sample_skin.h"
#include "temp_folder.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>

namespace brisat {
namespace {

using Log = std::vector<std::string>;

// Records the skin messages that carry the engine it is bound to; others it ignores.
template <class Base> class TRecordingClient : public Base {
public:
    TRecordingClient(TComponent* owner, Log& log, const TSeSkinEngine* engine)
        : Base(owner), m_log(log), m_engine(engine) {}

protected:
    void WndProc(TMessage& m) override {
        const bool skinMessage = m.Msg == SkinChangingMessage || m.Msg == SkinChangedMessage;
        if (skinMessage && reinterpret_cast<const TSeSkinEngine*>(m.LParam) == m_engine)
            m_log.push_back(this->Name() + (m.Msg == SkinChangingMessage ? " changing" : " changed"));
        Base::WndProc(m);
    }

private:
    Log& m_log;
    const TSeSkinEngine* m_engine;
};

class TRecordingForm : public TRecordingClient<TForm> {
public:
    using TRecordingClient::TRecordingClient;
};
class TRecordingWindowed : public TRecordingClient<TWinControl> {
public:
    using TRecordingClient::TRecordingClient;
};
class TRecordingGraphic : public TRecordingClient<TGraphicControl> {
public:
    using TRecordingClient::TRecordingClient;
};

class SkinEngineTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        char pattern[] = "/tmp/brisat-engine.XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        Folder = pattern;
        TSeSkinSource source;
        source.LoadBody(test::SampleSkin());
        SkinPath = Folder + "/sample.uskn";
        source.SaveToFile(SkinPath);
    }
    void TearDown() override {
        std::filesystem::remove_all(Folder);
        HeadlessTest::TearDown();
    }

    // A shown form owning a windowed and a graphic client, all bound to Bound.
    TRecordingForm& AddForm(const std::string& name, const TSeSkinEngine* bound) {
        auto& form = CreateOwned<TRecordingForm>(*App, Events, bound);
        form.SetName(name);
        auto& windowed = CreateOwned<TRecordingWindowed>(form, Events, bound);
        windowed.SetName(name + "Edit");
        windowed.SetParent(&form);
        auto& graphic = CreateOwned<TRecordingGraphic>(form, Events, bound);
        graphic.SetName(name + "Label");
        graphic.SetParent(&form);
        return form;
    }

    Log Events;
    std::string Folder;
    std::string SkinPath;
};

TEST_F(SkinEngineTest, TellsEveryFormThenItsControlsBeforeAndAfterAChange) {
    TSeSkinEngine engine(nullptr);
    engine.SetSkinFile(SkinPath);
    TSeSkinEngine other(nullptr);
    AddForm("One", &engine);
    AddForm("Two", &engine);
    AddForm("Elsewhere", &other);
    engine.OnBeforeChange = [&](TComponent&) { Events.push_back("before"); };
    engine.OnAfterChange = [&](TComponent&) { Events.push_back("after"); };

    engine.SetSkinFile(SkinPath);

    // Screen order is topmost first; the forms are hidden, so in creation order.
    const Log expected = {"before",          "One changing",    "OneEdit changing",
                          "OneLabel changing", "Two changing",  "TwoEdit changing",
                          "TwoLabel changing", "One changed",   "OneEdit changed",
                          "OneLabel changed",  "Two changed",   "TwoEdit changed",
                          "TwoLabel changed",  "after"};
    EXPECT_EQ(Events, expected);
    EXPECT_GT(engine.Skin().Count(), 0);
}

TEST_F(SkinEngineTest, AMissingFileLeavesTheClientsUnskinnedAfterBothBroadcasts) {
    TSeSkinEngine engine(nullptr);
    engine.SetSkinFile(SkinPath);
    AddForm("One", &engine);

    engine.SetSkinFile(Folder + "/missing.xskn");

    EXPECT_EQ(Events, (Log{"One changing", "OneEdit changing", "OneLabel changing",
                           "One changed", "OneEdit changed", "OneLabel changed"}));
    EXPECT_EQ(engine.Skin().Count(), 0);
    EXPECT_FALSE(engine.Skin().Loading());
}

TEST_F(SkinEngineTest, ADamagedFileRaisesAndTheClientsRepaintUnskinned) {
    TSeSkinEngine engine(nullptr);
    engine.SetSkinFile(SkinPath);
    AddForm("One", &engine);
    const std::string damaged = Folder + "/damaged.kskn";
    std::ofstream(damaged, std::ios::binary) << "KSLZ this is not zlib data";

    EXPECT_ANY_THROW(engine.SetSkinFile(damaged));

    EXPECT_EQ(engine.Skin().Count(), 0);
    EXPECT_FALSE(engine.Skin().Loading());
    ASSERT_FALSE(Events.empty());
    EXPECT_EQ(Events.back(), "OneLabel changed");
    // A later good file is shown again.
    engine.SetSkinFile(SkinPath);
    EXPECT_GT(engine.Skin().Count(), 0);
}

// Every pixel of every skin bitmap and every top-level object's colours, for comparing before and after.
std::vector<uint32_t> SkinColors(TSeSkinSource& skin) {
    std::vector<uint32_t> colors;
    for (int32_t b = 0; b < skin.Bitmaps().Count(); ++b) {
        const TKsBitmap& bitmap = *skin.Bitmaps()[b];
        for (int32_t y = 0; y < bitmap.Height(); ++y)
            for (int32_t x = 0; x < bitmap.Width(); ++x)
                colors.push_back(bitmap.Pixels(x, y));
    }
    for (int32_t i = 0; i < skin.Count(); ++i) {
        // As pixels: a system colour is shifted as the colour it shows.
        colors.push_back(ColorToPixel(skin.Objects(i)->Color(), 255));
        colors.push_back(ColorToPixel(skin.Objects(i)->Font().Color(), 255));
    }
    return colors;
}

// A rotation forth and back rounds twice: through the hue circle's steps and through the
// channel bytes. A colour is back within one step when every channel is within one, or when its
// lightest and darkest channel are (HSL keeps both) and its hue is within one step of the circle.
bool WithinOneStep(uint32_t a, uint32_t b) {
    auto channels = [](uint32_t c) {
        return std::array<int, 3>{int(c >> 16 & 0xFF), int(c >> 8 & 0xFF), int(c & 0xFF)};
    };
    const auto ca = channels(a), cb = channels(b);
    if ((a >> 24) != (b >> 24)) return false;
    bool channelsClose = true;
    for (size_t i = 0; i < ca.size(); ++i)
        channelsClose = channelsClose && std::abs(ca[i] - cb[i]) <= 1;
    const auto [minA, maxA] = std::minmax_element(ca.begin(), ca.end());
    const auto [minB, maxB] = std::minmax_element(cb.begin(), cb.end());
    const int hueSteps = std::abs(HueStep(a) - HueStep(b));
    return channelsClose || (std::abs(*minA - *minB) <= 1 && std::abs(*maxA - *maxB) <= 1 &&
                             std::min(hueSteps, 255 - hueSteps) <= 1);
}

TEST_F(SkinEngineTest, HueForthAndBackReturnsEveryColourWithinOneStep) {
    TSeSkinEngine engine(nullptr);
    engine.SetSkinFile(SkinPath);
    AddForm("One", &engine);
    const std::vector<uint32_t> start = SkinColors(engine.Skin());

    engine.SetDeltaHue(40);
    const std::vector<uint32_t> shifted = SkinColors(engine.Skin());
    engine.SetDeltaHue(0);
    const std::vector<uint32_t> back = SkinColors(engine.Skin());

    EXPECT_NE(shifted, start);
    ASSERT_EQ(back.size(), start.size());
    for (size_t i = 0; i < start.size(); ++i)
        ASSERT_TRUE(WithinOneStep(back[i], start[i]))
            << "colour " << i << ": " << std::hex << start[i] << " came back as " << back[i];
    EXPECT_EQ(Events.size(), 12u); // two changes, each told to a form and two controls twice

    Events.clear();
    engine.SetDeltaHue(0);
    EXPECT_TRUE(Events.empty()) << "the same hue again changes nothing";
}

TEST_F(SkinEngineTest, AHueSetWithoutASkinIsAppliedToTheNextOne) {
    TSeSkinEngine plain(nullptr);
    plain.SetSkinFile(SkinPath);
    TSeSkinEngine engine(nullptr);
    engine.SetDeltaHue(40);
    EXPECT_EQ(engine.DeltaHue(), 40);

    engine.SetSkinFile(SkinPath);

    EXPECT_EQ(engine.Skin().AppliedHue(), 40);
    EXPECT_NE(SkinColors(engine.Skin()), SkinColors(plain.Skin()));
}

TEST_F(SkinEngineTest, TheEmbeddedSkinTravelsInTheLayoutText) {
    RegisterSkinEngineClass();
    auto owner = std::make_unique<TComponent>(nullptr);
    auto& engine = CreateOwned<TSeSkinEngine>(*owner);
    engine.SetName("SeSkinEngine1");
    const std::string empty = ComponentToText(engine);
    EXPECT_NE(empty.find("SkinStore = '(none)'"), std::string::npos);
    EXPECT_NE(empty.find("Version = '2.8.8'"), std::string::npos);
    EXPECT_NE(empty.find("SkinStream = {00}"), std::string::npos);

    engine.SetSkinFile(SkinPath);
    const std::string text = ComponentToText(engine);
    EXPECT_NE(text.find("SkinStream = {\r\n    02"), std::string::npos);

    std::unique_ptr<TComponent> read = TextToComponent(text);
    auto& copy = dynamic_cast<TSeSkinEngine&>(*read);
    EXPECT_EQ(copy.Skin().Count(), engine.Skin().Count());
    EXPECT_EQ(copy.Skin().Bitmaps().Count(), engine.Skin().Bitmaps().Count());
    EXPECT_TRUE(copy.SkinFile().empty()) << "an embedded skin replaces the file";
}

// An owner that chooses its skin itself once its layout is read.
class THoldingOwner : public TComponent {
public:
    using TComponent::TComponent;

protected:
    void Loaded() override {
        TComponent::Loaded();
        if (auto* engine = dynamic_cast<TSeSkinEngine*>(FindComponent("SeSkinEngine1")))
            engine->HoldLayoutSkin();
    }
};

// The file a layout names loads once, after the whole layout (its hue included) was read; an
// owner that holds it back loads nothing until it chooses.
TEST_F(SkinEngineTest, ALayoutsSkinFileLoadsOnceReadUnlessItsOwnerHoldsIt) {
    RegisterSkinEngineClass();
    const std::string text = "object Owner: TComponent\n"
                             "  object SeSkinEngine1: TSeSkinEngine\n"
                             "    SkinFile = '" + SkinPath + "'\n"
                             "    DeltaHue = 40\n"
                             "  end\n"
                             "end\n";
    for (const bool hold : {false, true}) {
        SCOPED_TRACE(hold);
        std::unique_ptr<TComponent> owner =
            hold ? std::make_unique<THoldingOwner>(nullptr) : std::make_unique<TComponent>(nullptr);
        ReadComponentText(text, *owner);
        auto& engine = dynamic_cast<TSeSkinEngine&>(*owner->FindComponent("SeSkinEngine1"));
        int loads = 0;
        engine.OnAfterChange = [&](TComponent&) { ++loads; };
        EXPECT_EQ(engine.SkinFile(), SkinPath);
        EXPECT_EQ(engine.Skin().Count() > 0, !hold);
        if (!hold) {
            EXPECT_EQ(engine.Skin().AppliedHue(), 40);
        }
        engine.SetSkinFile(engine.SkinFile());
        EXPECT_GT(engine.Skin().Count(), 0);
        EXPECT_EQ(loads, 1);
    }
}

} // namespace
} // namespace brisat
