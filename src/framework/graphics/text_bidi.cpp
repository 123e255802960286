#include "framework/graphics/text_bidi.h"

#include <algorithm>
#include <array>
#include <vector>

namespace brisat {

namespace {

constexpr uint8_t Unresolved = 0xFF;
constexpr uint8_t Left = uint8_t(TBidiClass::Left);
constexpr uint8_t Right = uint8_t(TBidiClass::Right);
constexpr uint8_t Neutral = uint8_t(TBidiClass::Neutral);
// Open brackets tracked at once, the algorithm's own limit.
constexpr size_t MaxBracketDepth = 63;

bool IsRightToLeftScript(char32_t c) {
    // Hebrew, Arabic, Syriac, Thaana, NKo and their presentation forms; historic scripts of the
    // supplementary planes.
    return (c >= 0x0590 && c <= 0x08FF) || (c >= 0xFB1D && c <= 0xFDFF) ||
           (c >= 0xFE70 && c <= 0xFEFE) || (c >= 0x10800 && c <= 0x10FFF) ||
           (c >= 0x1E800 && c <= 0x1EFFF);
}

bool IsNeutral(char32_t c) {
    if (c < 0x80) {
        bool alnum = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        return !alnum;
    }
    // Latin-1 punctuation and symbols, general punctuation, symbols and arrows, CJK punctuation.
    return (c >= 0x80 && c <= 0xBF) || c == 0xD7 || c == 0xF7 || (c >= 0x2000 && c <= 0x2BFF) ||
           (c >= 0x3000 && c <= 0x303F) || c == 0xFFFD;
}

// The closing bracket of an opening one, else 0.
char32_t ClosingBracket(char32_t code) {
    return code == '(' || code == '[' || code == '{' ? MirroredBracket(code) : 0;
}

struct TBracketPair {
    size_t Open, Close;
};

// Matching bracket pairs in order of their opening brackets. Past the depth limit no more
// pairs are looked for.
std::vector<TBracketPair> BracketPairs(std::span<const char32_t> codes) {
    std::vector<TBracketPair> pairs;
    std::array<size_t, MaxBracketDepth> open;
    size_t depth = 0;
    for (size_t i = 0; i < codes.size(); ++i) {
        if (ClosingBracket(codes[i])) {
            if (depth == open.size()) break;
            open[depth++] = i;
            continue;
        }
        for (size_t d = depth; d-- > 0;) {
            if (ClosingBracket(codes[open[d]]) != codes[i]) continue;
            pairs.push_back({open[d], i});
            depth = d;
            break;
        }
    }
    std::sort(pairs.begin(), pairs.end(),
              [](const TBracketPair& a, const TBracketPair& b) { return a.Open < b.Open; });
    return pairs;
}

// A bracket pair takes the paragraph's direction when a letter of that direction lies inside;
// else, with letters of the other direction inside, that direction when it also precedes the
// pair. Classes are updated in place, so later pairs see earlier results.
void ResolveBrackets(std::span<const char32_t> codes, std::span<uint8_t> classes,
                     uint8_t embedding) {
    if (std::none_of(codes.begin(), codes.end(), ClosingBracket)) return;
    const uint8_t opposite = embedding == Left ? Right : Left;
    for (const TBracketPair& pair : BracketPairs(codes)) {
        uint8_t inside = Neutral;
        for (size_t k = pair.Open + 1; k < pair.Close && inside != embedding; ++k)
            if (classes[k] != Neutral) inside = classes[k];
        if (inside == Neutral) continue;
        uint8_t direction = embedding;
        if (inside == opposite) {
            uint8_t before = embedding;
            for (size_t k = pair.Open; k-- > 0;)
                if (classes[k] != Neutral) {
                    before = classes[k];
                    break;
                }
            direction = before;
        }
        classes[pair.Open] = classes[pair.Close] = direction;
    }
}

} // namespace

TBidiClass BidiClassOf(char32_t code) {
    if (IsRightToLeftScript(code)) return TBidiClass::Right;
    return IsNeutral(code) ? TBidiClass::Neutral : TBidiClass::Left;
}

char32_t MirroredBracket(char32_t code) {
    switch (code) {
    case '(':
        return ')';
    case ')':
        return '(';
    case '[':
        return ']';
    case ']':
        return '[';
    case '{':
        return '}';
    case '}':
        return '{';
    case '<':
        return '>';
    case '>':
        return '<';
    case 0xAB:
        return 0xBB;
    case 0xBB:
        return 0xAB;
    default:
        return code;
    }
}

void ResolveBidiLevels(std::span<const char32_t> codes, std::span<uint8_t> levels,
                       bool rightToLeft) {
    for (size_t i = 0; i < codes.size(); ++i)
        levels[i] = uint8_t(BidiClassOf(codes[i]));
    const uint8_t embedding = uint8_t(rightToLeft ? TBidiClass::Right : TBidiClass::Left);
    ResolveBrackets(codes, levels, embedding);

    const uint8_t leftLevel = rightToLeft ? 2 : 0;
    for (uint8_t& level : levels) {
        if (level == Neutral)
            level = Unresolved;
        else
            level = level == Right ? 1 : leftLevel;
    }
    // The paragraph's direction stands at both ends of the line.
    for (size_t i = 0; i < levels.size();) {
        if (levels[i] != Unresolved) {
            ++i;
            continue;
        }
        size_t j = i;
        while (j < levels.size() && levels[j] == Unresolved)
            ++j;
        bool before = i == 0 ? rightToLeft : (levels[i - 1] & 1) != 0;
        bool after = j == levels.size() ? rightToLeft : (levels[j] & 1) != 0;
        uint8_t level = before != after ? uint8_t(rightToLeft) : (before ? 1 : leftLevel);
        std::fill(levels.begin() + ptrdiff_t(i), levels.begin() + ptrdiff_t(j), level);
        i = j;
    }
}

} // namespace brisat
