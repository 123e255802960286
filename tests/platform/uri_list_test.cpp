// Drop data in the text/uri-list format as file managers and browsers send it, and damaged.
#include "platform/uri_list.h"

#include <gtest/gtest.h>

using namespace brisat;

namespace {

using TList = std::vector<std::string>;

TEST(UriList, FilesBecomePathsAndAddressesStayAsTheyAre) {
    EXPECT_EQ(ParseUriList("file:///films/a%20b.avi\r\nhttp://example.org/c.avi\r\n"),
              (TList{"/films/a b.avi", "http://example.org/c.avi"}));
    EXPECT_EQ(ParseUriList("# copied by a file manager\r\nfile://localhost/films/d.avi\nFILE:///e"),
              (TList{"/films/d.avi", "/e"}));
}

TEST(UriList, WhatIsNoUriIsLeftOut) {
    constexpr char nul[] = "file:///f\0g.avi\r\nfile:///h.avi";
    const std::string withNul(nul, sizeof nul - 1);
    const std::pair<std::string, TList> cases[] = {
        {"", {}},
        {"\r\n\r\n  \r\n", {}},
        {"just some text", {}},
        {"/films/no-scheme.avi", {}},
        {"file://otherhost/films/i.avi", {}},
        {"file:///films/bad%zzescape.avi", {}},
        {withNul, {"/h.avi"}},
        {"  file:///films/j.avi  \r\n", {"/films/j.avi"}},
    };
    for (const auto& [text, entries] : cases) EXPECT_EQ(ParseUriList(text), entries) << text;
}

} // namespace
