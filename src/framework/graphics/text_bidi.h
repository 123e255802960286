// A small subset of the Unicode bidirectional algorithm for one line of text: strong
// left-to-right and right-to-left letters, paired brackets, neutrals between them, and the
// reordering of runs into visual order. No explicit embeddings, no number classes (digits count
// as left-to-right), no shaping: enough for Latin, Cyrillic and Hebrew captions read either way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace brisat {

enum class TBidiClass : uint8_t { Left, Right, Neutral };

TBidiClass BidiClassOf(char32_t code);

// The mirror image of a bracket ("(" ↔ ")"), drawn at right-to-left levels; else Code.
char32_t MirroredBracket(char32_t code);

// The embedding level (0, 1 or 2) of each of Codes in a paragraph of the given direction:
// letters take their own direction; a bracket pair takes the direction of the letters inside it
// (in its context); other neutrals the direction of the letters on both sides when those agree,
// else the paragraph's. Levels must be as long as Codes.
void ResolveBidiLevels(std::span<const char32_t> codes, std::span<uint8_t> levels,
                       bool rightToLeft);

// Calls Reverse(first, last) for every run to reverse, in order, so that applying the reversals
// turns logical order into visual order (highest level first, down to the lowest odd level).
template <class F> void ForEachBidiReversal(std::span<const uint8_t> levels, F&& reverse) {
    uint8_t highest = 0, lowestOdd = 0xFF;
    for (uint8_t level : levels) {
        if (level > highest) highest = level;
        if ((level & 1) && level < lowestOdd) lowestOdd = level;
    }
    for (int level = highest; level >= lowestOdd && level > 0; --level) {
        for (size_t i = 0; i < levels.size();) {
            if (levels[i] < level) {
                ++i;
                continue;
            }
            size_t j = i;
            while (j < levels.size() && levels[j] >= level)
                ++j;
            reverse(i, j);
            i = j;
        }
    }
}

} // namespace brisat
