// The schemes and MIME types the player tells the desktop it plays, from the installed plugins.
#include "media/platform/playable_sources.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace brisat;

namespace {

bool Has(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

TEST(PlayableSources, SchemesAreThoseWithASourceElement) {
    const std::vector<std::string> schemes = PlayableUriSchemes();
    EXPECT_TRUE(Has(schemes, "file"));
    EXPECT_TRUE(Has(schemes, "http")); // the soup plugin is one of the project's packages
    EXPECT_FALSE(Has(schemes, "ftp"));
}

TEST(PlayableSources, MimeTypesAreMediaTypesOnlySortedOnce) {
    const std::vector<std::string> types = PlayableMimeTypes();
    EXPECT_TRUE(Has(types, "video/x-msvideo"));
    EXPECT_TRUE(Has(types, "video/mpeg"));
    EXPECT_TRUE(Has(types, "application/vnd.ms-asf"));
    EXPECT_TRUE(std::is_sorted(types.begin(), types.end()));
    EXPECT_EQ(std::adjacent_find(types.begin(), types.end()), types.end());
    for (const std::string& type : types)
        EXPECT_TRUE(type.starts_with("audio/") || type.starts_with("video/") ||
                    type.starts_with("application/"))
            << type;
    EXPECT_FALSE(Has(types, "application/x-pkcs7-certificates")); // ".p7s" is no media file
}

} // namespace
