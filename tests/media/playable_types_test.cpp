// The playable types come from the registry: what the installed plugins take, and nothing once
// the plugin that takes a type is gone.
#include "media/platform/media_setup.h"
#include "media/platform/playable_types.h"

#include <algorithm>
#include <gst/gst.h>
#include <gtest/gtest.h>

using namespace brisat;

namespace {

// The type offering `extension`, or nullptr.
const PlayableType* Offering(const std::vector<PlayableType>& types, const std::string& extension) {
    for (const PlayableType& type : types)
        if (std::find(type.Extensions.begin(), type.Extensions.end(), extension) !=
            type.Extensions.end())
            return &type;
    return nullptr;
}

TEST(PlayableTypes, OfferTheCommonVideoAndAudioTypesOfTheInstalledPlugins) {
    const std::vector<PlayableType> types = PlayableMediaTypes();
    const std::pair<const char*, bool> expected[] = {
        {"avi", true},  {"mpg", true}, {"asf", true}, {"mp4", true},  {"mkv", true},
        {"webm", true}, {"ogg", true}, {"mov", true}, {"mp3", false}, {"wav", false},
    };
    for (auto [extension, video] : expected) {
        const PlayableType* type = Offering(types, extension);
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
    GstCaps* matroska = gst_caps_from_string("video/x-matroska");
    GList* takers = gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_DEMUXER |
                                                              GST_ELEMENT_FACTORY_TYPE_PARSER |
                                                              GST_ELEMENT_FACTORY_TYPE_DECODER,
                                                          GST_RANK_NONE);
    std::vector<std::pair<GstPluginFeature*, guint>> demoted;
    for (GList* item = takers; item; item = item->next) {
        auto* factory = GST_ELEMENT_FACTORY(item->data);
        if (!gst_element_factory_can_sink_any_caps(factory, matroska)) continue;
        auto* feature = GST_PLUGIN_FEATURE(gst_object_ref(factory));
        demoted.emplace_back(feature, gst_plugin_feature_get_rank(feature));
        gst_plugin_feature_set_rank(feature, GST_RANK_NONE);
    }
    gst_plugin_feature_list_free(takers);
    gst_caps_unref(matroska);
    ASSERT_FALSE(demoted.empty());

    const std::vector<PlayableType> types = PlayableMediaTypes();
    for (auto [feature, rank] : demoted) {
        gst_plugin_feature_set_rank(feature, rank);
        gst_object_unref(feature);
    }
    EXPECT_EQ(Offering(types, "mkv"), nullptr);
    EXPECT_NE(Offering(types, "mp4"), nullptr);
}

} // namespace
