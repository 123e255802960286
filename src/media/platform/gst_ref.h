// Owning references to GStreamer and GLib objects: one reference released on destruction, copies
// take their own reference. Adopt() takes over a reference the caller already owns (the usual
// "transfer full" return of GStreamer calls); Share() adds one (for "transfer none").
#pragma once

#include <gst/gst.h>
#include <utility>

namespace brisat {

template <typename T> class GstRef {
public:
    GstRef() = default;
    static GstRef Adopt(T* object) { return GstRef(object); }
    static GstRef Share(T* object) {
        if (object) gst_object_ref(object);
        return GstRef(object);
    }
    GstRef(const GstRef& other) : m_object(other.m_object) {
        if (m_object) gst_object_ref(m_object);
    }
    GstRef(GstRef&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    GstRef& operator=(GstRef other) noexcept {
        std::swap(m_object, other.m_object);
        return *this;
    }
    ~GstRef() {
        if (m_object) gst_object_unref(m_object);
    }

    T* get() const { return m_object; }
    T* release() { return std::exchange(m_object, nullptr); }
    explicit operator bool() const { return m_object != nullptr; }
    bool operator==(const GstRef& other) const { return m_object == other.m_object; }

private:
    explicit GstRef(T* object) : m_object(object) {}
    T* m_object = nullptr;
};

// Owning pointers for the mini objects and plain GLib values used here.
struct GstCapsDeleter {
    void operator()(GstCaps* caps) const { gst_caps_unref(caps); }
};
struct GstMessageDeleter {
    void operator()(GstMessage* message) const { gst_message_unref(message); }
};
struct GErrorDeleter {
    void operator()(GError* error) const { g_error_free(error); }
};
struct GFreeDeleter {
    void operator()(void* memory) const { g_free(memory); }
};

} // namespace brisat
