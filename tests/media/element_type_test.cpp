// The element scaffold: a small element of the test's own built on it gets its state built and
// destroyed with each instance, its hooks run, and its metadata and type check right.
#include "media/platform/element_type.h"

#include <gtest/gtest.h>
#include <string>

using namespace brisat;

namespace {

int g_liveStates = 0;

struct TCountedState {
    TCountedState() { ++g_liveStates; }
    ~TCountedState() { --g_liveStates; }
    std::string Text = "built";
    bool ChildAdded = false;
};

void InitCountedClass(GstBinClass*) {}

void InitCountedInstance(GstBin* bin, TCountedState& state) {
    state.ChildAdded = gst_bin_add(bin, gst_element_factory_make("identity", "inner"));
}

constexpr TElementInfo kCountedInfo{"BrisatTestCounted", gst_bin_get_type, "Counted element",
                                    "Generic", "Counts its states"};
using TCountedType = TElementType<GstBin, GstBinClass, TCountedState, kCountedInfo,
                                  InitCountedClass, InitCountedInstance>;

} // namespace

TEST(ElementType, StateLivesExactlyAsLongAsItsInstanceAndTheHooksAndMetadataApply) {
    gst_init(nullptr, nullptr);
    GstElement* element =
        GST_ELEMENT(gst_object_ref_sink(g_object_new(TCountedType::Type(), nullptr)));
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(g_liveStates, 1);
    ASSERT_EQ(TCountedType::FindState(element), &TCountedType::State(element));
    EXPECT_EQ(TCountedType::State(element).Text, "built");
    EXPECT_TRUE(TCountedType::State(element).ChildAdded);
    GstElement* inner = gst_bin_get_by_name(GST_BIN(element), "inner");
    EXPECT_NE(inner, nullptr);
    if (inner) gst_object_unref(inner);

    EXPECT_STREQ(gst_element_get_metadata(element, GST_ELEMENT_METADATA_LONGNAME),
                 "Counted element");
    EXPECT_STREQ(gst_element_get_metadata(element, GST_ELEMENT_METADATA_AUTHOR), "Brisat");

    GstElement* other = gst_bin_new("plain");
    gst_object_ref_sink(other);
    EXPECT_EQ(TCountedType::FindState(other), nullptr);
    EXPECT_EQ(TCountedType::FindState(nullptr), nullptr);
    gst_object_unref(other);

    gst_object_unref(element);
    EXPECT_EQ(g_liveStates, 0);
}
