// The object text reader: the inverse of ComponentToText. Nested object blocks become components
// owned by the enclosing one; properties are matched by name (ignoring case) and their values to
// the property's kind. Every error raises EReadError (EParserError for syntax, EClassNotFound for
// an unknown class) with a message "Line N: …" naming the offending token. A failed read leaves
// no component it created behind. Objects nest at most MaxObjectDepth levels, counting texts read
// from inside property values (children records).
#pragma once

#include "framework/core/component.h"
#include "framework/core/object_text_lexer.h"
#include "framework/core/property.h"

#include <memory>
#include <string_view>
#include <vector>

namespace brisat {

class TClassInfo;

inline constexpr int MaxObjectDepth = 64;

// Creates the component named by the text's header (the class must be registered) and reads the
// text into it. Loaded runs on every component read, in reading order, once the text is read.
std::unique_ptr<TComponent> TextToComponent(std::string_view text);

// Reads the text into Root: properties by Root's class (the header's class name is not
// checked), the header's name becomes Root's name.
// On failure the components the read added to Root are destroyed; Root's own properties may
// have changed.
void ReadComponentText(std::string_view text, TComponent& root);

class TObjectTextReader {
public:
    explicit TObjectTextReader(std::string_view text) : m_lexer(text) {}

    std::unique_ptr<TComponent> ReadComponent();
    void ReadInto(TComponent& root);

private:
    struct THeader {
        int Line = 1;
        std::string Name;
        std::string ClassName;
    };

    [[noreturn]] void Fail(int line, const std::string& message) const;
    [[noreturn]] void Unexpected(const char* expected) const;
    THeader ReadHeader();
    const TClassInfo& CreatableClass(const THeader& header) const;
    void NameComponent(TComponent& component, const THeader& header) const;
    void ReadBody(TComponent& component);
    std::unique_ptr<TComponent> ReadChild();
    void ReadProperty(TComponent& component);
    TTextValue ReadValue();
    TTextValue ReadSet();
    void ExpectEndOfText() const;
    void ResolveFixups();
    void FinishLoading();

    // An event or component reference, bound once the whole text is read.
    struct TFixup {
        TPersistent* Object = nullptr;
        const TPropInfo* Property = nullptr;
        std::string Describe; // the property's name as written, for messages
        std::string Value;
        int Line = 0;
    };
    std::vector<TFixup> m_fixups;

    TObjectTextLexer m_lexer;
    // Every component read, in order, for Loaded.
    std::vector<TComponent*> m_read;
};

} // namespace brisat
