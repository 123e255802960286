#include "media/platform/error_watch.h"

#include "media/platform/media_pipeline.h"

namespace brisat {

namespace {

GQuark GraphQuark() {
    static const GQuark quark = g_quark_from_static_string("brisat-filter-graph");
    return quark;
}

struct TErrorWatch {
    GstTracer Parent;
};

struct TErrorWatchClass {
    GstTracerClass Parent;
};

// "element-post-message-pre": called before the message goes to the element's parent.
void OnPostMessage(GObject*, GstClockTime, GstElement* element, GstMessage* message) {
    if (GST_MESSAGE_TYPE(message) != GST_MESSAGE_ERROR) return;
    GstObject* top = GST_OBJECT(gst_object_ref(element));
    while (GstObject* parent = gst_object_get_parent(top)) {
        gst_object_unref(top);
        top = parent;
    }
    auto* graph = static_cast<TMediaPipeline*>(g_object_get_qdata(G_OBJECT(top), GraphQuark()));
    gst_object_unref(top);
    if (graph) graph->NotePostedError(message);
}

void InstanceInit(GTypeInstance* instance, gpointer) {
    gst_tracing_register_hook(reinterpret_cast<GstTracer*>(instance), "element-post-message-pre",
                              G_CALLBACK(OnPostMessage));
}

GType ErrorWatchType() {
    static const GType type =
        g_type_register_static_simple(GST_TYPE_TRACER, "BrisatErrorWatch", sizeof(TErrorWatchClass),
                                      nullptr, sizeof(TErrorWatch), InstanceInit, GTypeFlags(0));
    return type;
}

} // namespace

void WatchPostedErrors(GstElement* pipeline, TMediaPipeline* graph) {
    // One watch for the process, never freed: hooks cannot be taken back.
    static GObject* const watch = G_OBJECT(g_object_new(ErrorWatchType(), nullptr));
    if (watch) g_object_set_qdata(G_OBJECT(pipeline), GraphQuark(), graph);
}

} // namespace brisat
