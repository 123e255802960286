// Demotes, while it lives, every element factory of the given kinds that takes `caps` on its
// input, so the graph builder and the registry queries find none for that format.
#pragma once

#include <gst/gst.h>
#include <utility>
#include <vector>

namespace brisat::test {

class FactoryDemotion {
public:
    explicit FactoryDemotion(const char* caps,
                             GstElementFactoryListType kinds = GST_ELEMENT_FACTORY_TYPE_DECODER) {
        GList* factories = gst_element_factory_list_get_elements(kinds, GST_RANK_NONE);
        GstCaps* wanted = gst_caps_from_string(caps);
        for (GList* item = factories; item; item = item->next) {
            auto* factory = GST_ELEMENT_FACTORY(item->data);
            if (!gst_element_factory_can_sink_any_caps(factory, wanted)) continue;
            auto* feature = GST_PLUGIN_FEATURE(gst_object_ref(factory));
            m_demoted.emplace_back(feature, gst_plugin_feature_get_rank(feature));
            gst_plugin_feature_set_rank(feature, GST_RANK_NONE);
        }
        gst_caps_unref(wanted);
        gst_plugin_feature_list_free(factories);
    }
    ~FactoryDemotion() {
        for (auto [feature, rank] : m_demoted) {
            gst_plugin_feature_set_rank(feature, rank);
            gst_object_unref(feature);
        }
    }
    FactoryDemotion(const FactoryDemotion&) = delete;
    FactoryDemotion& operator=(const FactoryDemotion&) = delete;

    std::size_t Count() const { return m_demoted.size(); }

private:
    std::vector<std::pair<GstPluginFeature*, guint>> m_demoted;
};

} // namespace brisat::test
