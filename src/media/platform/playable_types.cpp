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

// The index of the first of the type's structures that is video, sound or a container of them,
// or -1; a finder may list others first (the Ogg finder starts with its subtitle stream type).
int MediaIndex(GstCaps* caps) {
    for (guint i = 0, n = gst_caps_get_size(caps); i < n; ++i) {
        std::string_view media = gst_structure_get_name(gst_caps_get_structure(caps, i));
        if (IsVideoOrContainer(media) || media.starts_with("audio/")) return int(i);
    }
    return -1;
}

struct TFeatureListDeleter {
    void operator()(GList* list) const { gst_plugin_feature_list_free(list); }
};

// Whether an element of `takers` accepts `caps` on its input.
bool Taken(GList* takers, GstCaps* caps) {
    GList* able = gst_element_factory_list_filter(takers, caps, GST_PAD_SINK, FALSE);
    bool taken = able != nullptr;
    gst_plugin_feature_list_free(able);
    return taken;
}

// The codec library's name for structure Index of the type, which it gives for fixed caps only.
std::string Describe(GstCaps* caps, int index, const char* media) {
    std::unique_ptr<GstCaps, TGstCapsDeleter> fixed(
        gst_caps_fixate(gst_caps_copy_nth(caps, guint(index))));
    std::unique_ptr<gchar, TGFreeDeleter> description(
        gst_caps_is_fixed(fixed.get()) ? gst_pb_utils_get_codec_description(fixed.get()) : nullptr);
    return description ? description.get() : media;
}

void AddUnique(std::vector<std::string>& list, std::string item) {
    if (!item.empty() && std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(std::move(item));
}

void Merge(std::vector<TPlayableType>& types, TPlayableType type) {
    auto same = std::find_if(types.begin(), types.end(), [&](const TPlayableType& t) {
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

std::vector<TPlayableType> PlayableMediaTypes() {
    EnsureMediaElements();
    gst_pb_utils_init();
    std::unique_ptr<GList, TFeatureListDeleter> takers(gst_element_factory_list_get_elements(
        GST_ELEMENT_FACTORY_TYPE_DEMUXER | GST_ELEMENT_FACTORY_TYPE_PARSER |
            GST_ELEMENT_FACTORY_TYPE_DECODER,
        GST_RANK_MARGINAL));
    std::unique_ptr<GList, TFeatureListDeleter> finders(gst_type_find_factory_get_list());
    std::vector<TPlayableType> types;
    for (GList* item = finders.get(); item; item = item->next) {
        auto* finder = GST_TYPE_FIND_FACTORY(item->data);
        const gchar* const* extensions = gst_type_find_factory_get_extensions(finder);
        GstCaps* caps = gst_type_find_factory_get_caps(finder);
        if (!extensions || !*extensions || !caps || gst_caps_is_empty(caps) ||
            gst_caps_is_any(caps))
            continue;
        const int index = MediaIndex(caps);
        if (index < 0 || !Taken(takers.get(), caps)) continue;
        const char* media = gst_structure_get_name(gst_caps_get_structure(caps, guint(index)));
        bool video = IsVideoOrContainer(media);
        TPlayableType type{Describe(caps, index, media), video, {}};
        for (const gchar* const* extension = extensions; *extension; ++extension) {
            std::unique_ptr<gchar, TGFreeDeleter> lower(g_ascii_strdown(*extension, -1));
            AddUnique(type.Extensions, lower.get());
        }
        Merge(types, std::move(type));
    }
    std::sort(types.begin(), types.end(), [](const TPlayableType& a, const TPlayableType& b) {
        return a.Description < b.Description;
    });
    return types;
}

} // namespace brisat
