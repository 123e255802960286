// The playable types come from the registry: what the installed plugins take, and nothing once
// the plugin that takes a type is gone.
#include "factory_demotion.h"
#include "media/platform/media_setup.h"
#include "media/platform/playable_types.h"

#include <algorithm>
#include <gst/gst.h>
#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

// The type offering `extension`, or nullptr.
const TPlayableType* Offering(const std::vector<TPlayableType>& types,
                              const std::string& extension) {
    for (const TPlayableType& type : types)
        if (std::find(type.Extensions.begin(), type.Extensions.end(), extension) !=
            type.Extensions.end())
            return &type;
    return nullptr;
}

TEST(PlayableTypes, OfferTheCommonVideoAndAudioTypesOfTheInstalledPlugins) {
    const std::vector<TPlayableType> types = PlayableMediaTypes();
    const std::pair<const char*, bool> expected[] = {
        {"avi", true},  {"mpg", true}, {"asf", true}, {"mp4", true},  {"mkv", true},
        {"webm", true}, {"ogg", true}, {"mov", true}, {"mp3", false}, {"wav", false},
    };
    for (auto [extension, video] : expected) {
        const TPlayableType* type = Offering(types, extension);
        ASSERT_NE(type, nullptr) << extension;
        EXPECT_EQ(type->Video, video) << extension << " in " << type->Description;
        EXPECT_FALSE(type->Description.empty());
    }
    EXPECT_EQ(Offering(types, "png"), nullptr) << "pictures are no media files";
    EXPECT_TRUE(std::is_sorted(types.begin(), types.end(),
                               [](auto& a, auto& b) { return a.Description < b.Description; }));
}

TEST(PlayableTypes, ATypeWithoutItsDemuxerIsNotOffered) {
    EnsureMediaElements();
    std::vector<TPlayableType> types;
    {
        FactoryDemotion noMatroska("video/x-matroska", GST_ELEMENT_FACTORY_TYPE_DEMUXER |
                                                           GST_ELEMENT_FACTORY_TYPE_PARSER |
                                                           GST_ELEMENT_FACTORY_TYPE_DECODER);
        ASSERT_GT(noMatroska.Count(), 0u);
        types = PlayableMediaTypes();
    }
    EXPECT_EQ(Offering(types, "mkv"), nullptr);
    EXPECT_NE(Offering(types, "mp4"), nullptr);
}

} // namespace
