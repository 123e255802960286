// Persistent properties: what a class streams, as a name, a kind and access through values of the
// object text.
#pragma once

#include "framework/core/persistent.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brisat {

// The identifiers of an enumeration type in ordinal order from 0; for a set type, the identifier
// of bit i is Identifiers[i].
struct TEnumInfo {
    std::string Name;
    std::vector<std::string> Identifiers;

    // The ordinal of Ident, ignoring case; -1 when it is none of them.
    int IndexOf(std::string_view ident) const;
};

extern const TEnumInfo BooleanInfo; // False, True

// A value as the object text holds it, before it is matched to a property's type.
struct TTextValue {
    enum class TKind { vaInteger, vaIdent, vaString, vaSet, vaBytes };

    TKind Kind = TKind::vaInteger;
    int64_t Integer = 0;
    std::string Text;                 // identifier or string
    std::vector<std::string> Members; // set
    std::vector<uint8_t> Bytes;       // byte block

    static TTextValue MakeInteger(int64_t value);
    static TTextValue MakeIdent(std::string ident);
    static TTextValue MakeString(std::string text);
    static TTextValue MakeSet(std::vector<std::string> members);
    static TTextValue MakeBytes(std::vector<uint8_t> bytes);

    // How the value reads in an error message: "'xyz'", "123", "[a, b]", "byte block".
    std::string Describe() const;
};

enum class TPropertyKind {
    pkInteger,     // 32-bit signed
    pkBoolean,     // False / True
    pkEnumeration, // an identifier of Enum
    pkColor,       // a colour name or a 32-bit integer
    pkCharset,     // a character-set name or 0..255
    pkSet,         // identifiers of Enum in brackets
    pkString,      // 8-bit text
    pkBytes,       // a hexadecimal byte block
    pkObject,      // a nested persistent object streamed as prefixed sub-properties
    pkCustom,      // any value, converted by the class itself
    pkMethod,      // an event: the name of a handler of the root component (never written)
    pkReference,   // another component, by name ("Window.Name" in another window)
};

class TComponent;

struct TPropInfo {
    std::string Name;
    TPropertyKind Kind = TPropertyKind::pkInteger;
    const TEnumInfo* Enum = nullptr; // pkEnumeration, pkSet
    // Written after every declared property of the class and its descendants (children blocks).
    bool WrittenLast = false;
    // Whether the writer writes the property for this object; never empty.
    std::function<bool(const TPersistent&)> Stored;
    // Every kind but pkObject. Set raises EConvertError when the value does not fit the kind.
    std::function<TTextValue(const TPersistent&)> Get;
    std::function<void(TPersistent&, const TTextValue&)> Set;
    // pkObject: the nested object. The writer only reads through it.
    std::function<TPersistent&(TPersistent&)> Object;
    // pkMethod, pkReference: binds the value (an identifier) once the whole layout is read,
    // looking it up from Root; raises EConvertError when it names nothing suitable.
    std::function<void(TPersistent&, TComponent& root, const std::string& name)> Resolve;
    // pkReference: the component referred to, or nullptr; the writer names it from its root.
    std::function<const TComponent*(const TPersistent&)> Target;
};

// Conversions between the ordinal kinds (integer, boolean, enumeration, colour, charset, set as
// a bit mask) and text values. ValueToOrdinal raises EConvertError naming what was expected.
// Raises EConvertError "expected a string, found …" unless Value is of Kind.
void RequireKind(const TTextValue& value, TTextValue::TKind kind);

TTextValue OrdinalToValue(TPropertyKind kind, const TEnumInfo* info, int64_t ordinal);
int64_t ValueToOrdinal(TPropertyKind kind, const TEnumInfo* info, const TTextValue& value);

} // namespace brisat
