#include "framework/widgets/edit_core.h"

#include <gtest/gtest.h>

#include <string>

using namespace brisat;

namespace {

std::string Text(const TEditCore& core) {
    return core.Text().Utf8();
}

void TypeAll(TEditCore& core, std::u32string_view chars) {
    for (char32_t c : chars)
        core.Type(c);
}

TEST(EditCoreTest, EachUndoRevertsOneUserStep) {
    TEditCore core;
    TypeAll(core, U"abc");
    core.Assign("abc");
    EXPECT_TRUE(core.Undo()) << "typing is one step";
    EXPECT_EQ(Text(core), "");
    EXPECT_EQ(core.Caret(), 0u);
    EXPECT_FALSE(core.Undo());

    core.Assign("hello world");
    core.Select(5, 5);
    core.DeleteBackward();
    core.DeleteBackward();
    core.DeleteBackward(); // "he world"
    core.Select(3, 3);
    core.DeleteForward();
    core.DeleteForward(); // "he rld"
    EXPECT_EQ(Text(core), "he rld");
    EXPECT_EQ(core.History().Count(), 2u) << "backspacing merges backward, deleting forward";
    core.Undo();
    EXPECT_EQ(Text(core), "he world");
    EXPECT_EQ(core.SelText(), "wo") << "the restored text is selected";
    EXPECT_EQ(core.Caret(), 5u);
    core.Undo();
    EXPECT_EQ(Text(core), "hello world");
    EXPECT_EQ(core.SelText(), "llo");

    core.Select(1, 4); // "ell"
    TypeAll(core, U"XY");
    EXPECT_EQ(Text(core), "hXYo world");
    core.Undo();
    EXPECT_EQ(Text(core), "hello world") << "typing over a selection is one step";
    EXPECT_EQ(core.SelText(), "ell");

    core.Select(6, 11);
    core.Paste("there");
    core.Select(0, 0);
    core.Paste("oh ");
    EXPECT_EQ(Text(core), "oh hello there");
    core.Undo();
    core.Undo();
    EXPECT_EQ(Text(core), "hello world");
}

TEST(EditCoreTest, MaxLengthRefusesTypingAndCutsPastes) {
    TEditCore core;
    core.SetMaxLength(5);
    core.Assign("abcde");
    core.Select(5, 5);
    EXPECT_FALSE(core.Type(U'x'));
    core.Select(2, 2);
    EXPECT_FALSE(core.Type(U'x'));
    EXPECT_EQ(Text(core), "abcde");
    EXPECT_EQ(core.SelLength(), 0u);

    core.Select(1, 3); // "bc"
    EXPECT_TRUE(core.Paste("xyz"));
    EXPECT_EQ(Text(core), "axyde");
    EXPECT_EQ(core.Caret(), 3u);


    // Undo re-inserts deleted text only as far as the limit allows.
    core.SetMaxLength(0);
    core.Assign("abc");
    core.Select(0, 3);
    core.ClearSelection();
    core.Assign("zz");
    core.SetMaxLength(3);
    EXPECT_TRUE(core.Undo());
    EXPECT_EQ(Text(core), "azz");
    EXPECT_EQ(core.SelText(), "a");
}

TEST(EditCoreTest, PastedTextIsOneLineOfPrintableCharacters) {
    struct Case {
        std::string Pasted;
        std::string Kept;
    } cases[] = {
        {"one\r\ntwo", "one"},
        {"a\tb", "a b"},
        {std::string("a\0b\x1b\x7f", 5) + "c", "abc"},
        {"\xc3\x28x\xe2\x82", "\xef\xbf\xbd(x\xef\xbf\xbd"},
        {"\xc2\x85" "bell", "bell"},
        {"Привет", "Привет"},
    };
    for (const Case& c : cases) {
        TEditCore core;
        core.Paste(c.Pasted);
        EXPECT_EQ(Text(core), c.Kept) << c.Pasted;
    }
}

TEST(EditCoreTest, MegabytePastesFitTheLimitAndStayEditable) {
    const std::string book(4 << 20, 'x');
    TEditCore limited;
    limited.SetMaxLength(255);
    limited.Paste(book);
    EXPECT_EQ(limited.Length(), 255u);

    // Without a limit the whole line is taken; every step is linear in the text.
    TEditCore open;
    open.Paste(book + "\n" + book);
    EXPECT_EQ(open.Length(), book.size());
    open.Select(0, open.Length());
    open.Type(U'y');
    EXPECT_EQ(Text(open), "y");
    open.Undo();
    EXPECT_EQ(open.Length(), book.size());
}

TEST(EditTextTest, WordsStartAfterSpaces) {
    TEditText text;
    text.Assign("one  two three");
    struct Case {
        size_t From, Prev, Next, At;
    } cases[] = {
        {0, 0, 5, 0},   {2, 0, 5, 0},   {4, 0, 5, 0},   {5, 0, 9, 5},
        {7, 5, 9, 5},   {9, 5, 14, 9},  {14, 9, 14, 9},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text.PrevWordStart(c.From), c.Prev) << c.From;
        EXPECT_EQ(text.NextWordStart(c.From), c.Next) << c.From;
        EXPECT_EQ(text.WordStartAt(c.From), c.At) << c.From;
    }
}

TEST(EditTextTest, CaseMappingCoversCyrillic) {
    std::u32string chars = U"Mms Привет";
    MapCase(chars, TCaseMapping::Upper);
    EXPECT_EQ(ToUtf8(chars), "MMS ПРИВЕТ");
    MapCase(chars, TCaseMapping::Lower);
    EXPECT_EQ(ToUtf8(chars), "mms привет");
}

} // namespace
