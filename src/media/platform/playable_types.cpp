#include "media/platform/playable_types.h"

#include "media/platform/gst_ref.h"
#include "media/platform/media_setup.h"

#include <algorithm>
#include <gst/pbutils/pbutils.h>
#include <memory>
#include <string_view>

namespace brisat {

namespace {

// Containers that hold video as well as sound are offered with the video types.
bool IsVideoOrContainer(std::string_view media) {
    return media.starts_with("video/") || media == "application/ogg" || media == "application/mxf";
}

struct FeatureListDeleter {
    void operator()(GList* list) const { gst_plugin_feature_list_free(list); }
};

// Whether an element of `takers` accepts `caps` on its input.
bool Taken(GList* takers, GstCaps* caps) {
    GList* able = gst_element_factory_list_filter(takers, caps, GST_PAD_SINK, FALSE);
    bool taken = able != nullptr;
    gst_plugin_feature_list_free(able);
    return taken;
}

// The codec library's name for the type, which it gives for fixed caps only.
std::string Describe(GstCaps* caps, const char* media) {
    std::unique_ptr<GstCaps, GstCapsDeleter> fixed(gst_caps_fixate(gst_caps_copy_nth(caps, 0)));
    std::unique_ptr<gchar, GFreeDeleter> description(
        gst_caps_is_fixed(fixed.get()) ? gst_pb_utils_get_codec_description(fixed.get()) : nullptr);
    return description ? description.get() : media;
}

void AddUnique(std::vector<std::string>& list, std::string item) {
    if (!item.empty() && std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(std::move(item));
}

void Merge(std::vector<PlayableType>& types, PlayableType type) {
    auto same = std::find_if(types.begin(), types.end(), [&](const PlayableType& t) {
        return t.Description == type.Description;
    });
    if (same == types.end()) {
        types.push_back(std::move(type));
        return;
    }
    same->Video = same->Video || type.Video;
    for (std::string& extension : type.Extensions)
        AddUnique(same->Extensions, std::move(extension));
}

} // namespace

std::vector<PlayableType> PlayableMediaTypes() {
    EnsureMediaElements();
    gst_pb_utils_init();
    std::unique_ptr<GList, FeatureListDeleter> takers(gst_element_factory_list_get_elements(
        GST_ELEMENT_FACTORY_TYPE_DEMUXER | GST_ELEMENT_FACTORY_TYPE_PARSER |
            GST_ELEMENT_FACTORY_TYPE_DECODER,
        GST_RANK_MARGINAL));
    std::unique_ptr<GList, FeatureListDeleter> finders(gst_type_find_factory_get_list());
    std::vector<PlayableType> types;
    for (GList* item = finders.get(); item; item = item->next) {
        auto* finder = GST_TYPE_FIND_FACTORY(item->data);
        const gchar* const* extensions = gst_type_find_factory_get_extensions(finder);
        GstCaps* caps = gst_type_find_factory_get_caps(finder);
        if (!extensions || !*extensions || !caps || gst_caps_is_empty(caps) ||
            gst_caps_is_any(caps))
            continue;
        const char* media = gst_structure_get_name(gst_caps_get_structure(caps, 0));
        bool video = IsVideoOrContainer(media);
        if ((!video && !std::string_view(media).starts_with("audio/")) ||
            !Taken(takers.get(), caps))
            continue;
        PlayableType type{Describe(caps, media), video, {}};
        for (const gchar* const* extension = extensions; *extension; ++extension) {
            std::unique_ptr<gchar, GFreeDeleter> lower(g_ascii_strdown(*extension, -1));
            AddUnique(type.Extensions, lower.get());
        }
        Merge(types, std::move(type));
    }
    std::sort(types.begin(), types.end(), [](const PlayableType& a, const PlayableType& b) {
        return a.Description < b.Description;
    });
    return types;
}

} // namespace brisat
