#include "app/layout_filter.h"

#include "framework/core/class_registry.h"
#include "framework/core/object_text_lexer.h"

#include <utility>
#include <vector>

namespace brisat {
namespace {

using TLineRange = std::pair<int, int>; // first and last line, 1-based

// The line ranges of the root's direct children of unregistered classes.
std::vector<TLineRange> UnregisteredBlocks(std::string_view text) {
    TObjectTextLexer lexer(text);
    std::vector<TLineRange> blocks;
    int depth = 0;
    int dropFrom = 0; // the first line of the block being dropped, 0 when none
    while (lexer.Current().Kind != TTextToken::TKind::tkEnd) {
        const TTextToken token = lexer.Current();
        lexer.Next();
        if (token.IsWord("object")) {
            ++depth;
            lexer.Next(); // the name
            if (lexer.Current().IsSymbol(':')) lexer.Next();
            const std::string className = lexer.Current().Text;
            if (depth == 2 && !TClassRegistry::Instance().Find(className)) dropFrom = token.Line;
        } else if (token.IsWord("end") && depth > 0) {
            if (depth == 2 && dropFrom) {
                blocks.emplace_back(dropFrom, token.Line);
                dropFrom = 0;
            }
            --depth;
        }
    }
    return blocks;
}

} // namespace

std::string WithoutUnregisteredComponents(std::string_view text) {
    const std::vector<TLineRange> drop = UnregisteredBlocks(text);
    std::string kept;
    size_t next = 0;
    int line = 1;
    for (size_t at = 0; at < text.size(); at = next, ++line) {
        next = text.find('\n', at);
        next = next == std::string_view::npos ? text.size() : next + 1;
        bool dropped = false;
        for (const auto& [first, last] : drop)
            dropped = dropped || (line >= first && line <= last);
        if (!dropped) kept += text.substr(at, next - at);
    }
    return kept;
}

} // namespace brisat
