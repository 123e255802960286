// Owning references to GStreamer and GLib objects: one reference released on destruction, copies
// take their own reference. Adopt() takes over a reference the caller already owns (the usual
// "transfer full" return of GStreamer calls); Share() adds one (for "transfer none").
#pragma once

#include <gst/gst.h>
#include <utility>

namespace brisat {

template <typename T> class TGstRef {
public:
    TGstRef() = default;
    static TGstRef Adopt(T* object) { return TGstRef(object); }
    static TGstRef Share(T* object) {
        if (object) gst_object_ref(object);
        return TGstRef(object);
    }
    TGstRef(const TGstRef& other) : m_object(other.m_object) {
        if (m_object) gst_object_ref(m_object);
    }
    TGstRef(TGstRef&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    TGstRef& operator=(TGstRef other) noexcept {
        std::swap(m_object, other.m_object);
        return *this;
    }
    ~TGstRef() {
        if (m_object) gst_object_unref(m_object);
    }

    T* Get() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }
    bool operator==(const TGstRef& other) const { return m_object == other.m_object; }

private:
    explicit TGstRef(T* object) : m_object(object) {}
    T* m_object = nullptr;
};

// Owning pointers for the mini objects and plain GLib values used here.
struct TGstCapsDeleter {
    void operator()(GstCaps* caps) const { gst_caps_unref(caps); }
};
struct TGstMessageDeleter {
    void operator()(GstMessage* message) const { gst_message_unref(message); }
};
struct TGErrorDeleter {
    void operator()(GError* error) const { g_error_free(error); }
};
struct TGFreeDeleter {
    void operator()(void* memory) const { g_free(memory); }
};

} // namespace brisat
