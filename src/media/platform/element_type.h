// The GObject scaffold of our own GStreamer elements: type registration, the instance layout
// (GStreamer's C parent first, then our C++ state, constructed in place and destroyed at finalize),
// the element metadata, and the parent class kept for chaining. An element brings only its
// behaviour: its state, its names, and the hooks that fill in its class and its instances.
//
//   void InitMyClass(GstBinClass* parentClass);           // vfuncs, pads, properties
//   void InitMyInstance(GstBin* self, TMyState& state);  // optional: children, ghost pads
//   constexpr TElementInfo kMyInfo{"BrisatMy", gst_bin_get_type, "Long name", "Filter/Video",
//                                  "What it does"};
//   using TMyType = TElementType<GstBin, GstBinClass, TMyState, kMyInfo, InitMyClass,
//                                InitMyInstance>;
//
// Threads: Type() may be called from any thread; GLib registers the type once.
#pragma once

#include <gst/gst.h>
#include <new>

namespace brisat {

struct TElementInfo {
    const char* TypeName;  // the GType name
    GType (*ParentType)(); // the parent's get_type function
    const char* LongName;  // element metadata, as gst-inspect shows it
    const char* Classification;
    const char* Description;
};

// The instance hook of an element that needs none.
template <typename TParent, typename TState> void NoInstanceInit(TParent*, TState&) {}

template <typename TParent, typename TParentClass, typename TState, const TElementInfo& Info,
          void (*InitClass)(TParentClass*),
          void (*InitInstance)(TParent*, TState&) = NoInstanceInit<TParent, TState>>
class TElementType {
public:
    // The element's GType, registered on the first call.
    static GType Type() {
        static const GType type = g_type_register_static_simple(
            Info.ParentType(), Info.TypeName, sizeof(TParentClass), ClassInit, sizeof(TInstance),
            InstanceInit, GTypeFlags(0));
        return type;
    }

    // Our state inside an instance of this type.
    static TState& State(gpointer instance) { return static_cast<TInstance*>(instance)->State; }

    // The state of `element`, or nullptr when it is null or not of this type.
    static TState* FindState(GstElement* element) {
        if (!element || !G_TYPE_CHECK_INSTANCE_TYPE(element, Type())) return nullptr;
        return &State(element);
    }

    // The parent type's class, for chaining up from a hook the element overrides.
    static TParentClass* ParentClass() { return m_parentClass; }

private:
    struct TInstance {
        TParent Parent;
        TState State;
    };

    static void ClassInit(gpointer typeClass, gpointer) {
        m_parentClass = static_cast<TParentClass*>(g_type_class_peek_parent(typeClass));
        G_OBJECT_CLASS(typeClass)->finalize = Finalize;
        gst_element_class_set_static_metadata(GST_ELEMENT_CLASS(typeClass), Info.LongName,
                                              Info.Classification, Info.Description, "Brisat");
        InitClass(static_cast<TParentClass*>(typeClass));
    }

    static void InstanceInit(GTypeInstance* instance, gpointer) {
        auto* self = static_cast<TInstance*>(static_cast<void*>(instance));
        new (&self->State) TState();
        InitInstance(&self->Parent, self->State);
    }

    static void Finalize(GObject* object) {
        State(object).~TState();
        G_OBJECT_CLASS(m_parentClass)->finalize(object);
    }

    static inline TParentClass* m_parentClass = nullptr;
};

} // namespace brisat
