#include "framework/core/property.h"

#include "framework/core/exceptions.h"
#include "framework/core/ident_maps.h"
#include "framework/core/identifiers.h"

#include <limits>

namespace brisat {

const TEnumInfo BooleanInfo{"Boolean", {"False", "True"}};

int TEnumInfo::IndexOf(std::string_view ident) const {
    for (size_t i = 0; i < Identifiers.size(); ++i)
        if (SameText(Identifiers[i], ident)) return int(i);
    return -1;
}

TTextValue TTextValue::MakeInteger(int64_t value) {
    TTextValue v;
    v.Kind = TKind::vaInteger;
    v.Integer = value;
    return v;
}

TTextValue TTextValue::MakeIdent(std::string ident) {
    TTextValue v;
    v.Kind = TKind::vaIdent;
    v.Text = std::move(ident);
    return v;
}

TTextValue TTextValue::MakeString(std::string text) {
    TTextValue v;
    v.Kind = TKind::vaString;
    v.Text = std::move(text);
    return v;
}

TTextValue TTextValue::MakeSet(std::vector<std::string> members) {
    TTextValue v;
    v.Kind = TKind::vaSet;
    v.Members = std::move(members);
    return v;
}

TTextValue TTextValue::MakeBytes(std::vector<uint8_t> bytes) {
    TTextValue v;
    v.Kind = TKind::vaBytes;
    v.Bytes = std::move(bytes);
    return v;
}

namespace {

// Error messages quote at most this much of a hostile value.
constexpr size_t kQuoteLimit = 40;

std::string Shortened(std::string_view text) {
    std::string result;
    for (char c : text.substr(0, kQuoteLimit))
        result += (uint8_t(c) < 32) ? '?' : c;
    if (text.size() > kQuoteLimit) result += "...";
    return result;
}

[[noreturn]] void Expected(const char* what, const TTextValue& found) {
    throw EConvertError(std::string("expected ") + what + ", found " + found.Describe());
}

int64_t InRange(const TTextValue& value, int64_t low, int64_t high) {
    RequireKind(value, TTextValue::TKind::vaInteger);
    if (value.Integer < low || value.Integer > high)
        throw EConvertError(std::to_string(value.Integer) + " is out of range " +
                            std::to_string(low) + ".." + std::to_string(high));
    return value.Integer;
}

constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();

int64_t IdentOrdinal(const TEnumInfo& info, const TTextValue& value) {
    RequireKind(value, TTextValue::TKind::vaIdent);
    int index = info.IndexOf(value.Text);
    if (index < 0)
        throw EConvertError("'" + Shortened(value.Text) + "' is not a value of " + info.Name);
    return index;
}

const std::string& IdentOf(const TEnumInfo& info, int64_t ordinal) {
    if (ordinal < 0 || ordinal >= int64_t(info.Identifiers.size()))
        throw EConvertError(std::to_string(ordinal) + " is not a value of " + info.Name);
    return info.Identifiers[size_t(ordinal)];
}

TTextValue SetToValue(const TEnumInfo& info, int64_t bits) {
    std::vector<std::string> members;
    for (size_t i = 0; i < 64 && bits != 0; ++i) {
        if (!(uint64_t(bits) >> i & 1)) continue;
        members.push_back(IdentOf(info, int64_t(i)));
        bits = int64_t(uint64_t(bits) & ~(uint64_t(1) << i));
    }
    return TTextValue::MakeSet(std::move(members));
}

int64_t ValueToSet(const TEnumInfo& info, const TTextValue& value) {
    RequireKind(value, TTextValue::TKind::vaSet);
    uint64_t bits = 0;
    for (const std::string& member : value.Members) {
        int index = info.IndexOf(member);
        if (index < 0 || index >= 64)
            throw EConvertError("'" + Shortened(member) + "' is not a member of " + info.Name);
        bits |= uint64_t(1) << index;
    }
    return int64_t(bits);
}

} // namespace

void RequireKind(const TTextValue& value, TTextValue::TKind kind) {
    static constexpr const char* kWhat[] = {"an integer", "an identifier", "a string", "a set",
                                            "a byte block"};
    if (value.Kind != kind) Expected(kWhat[int(kind)], value);
}

std::string TTextValue::Describe() const {
    switch (Kind) {
    case TKind::vaInteger:
        return std::to_string(Integer);
    case TKind::vaIdent:
        return "'" + Shortened(Text) + "'";
    case TKind::vaString:
        return "string '" + Shortened(Text) + "'";
    case TKind::vaSet: {
        std::string text;
        for (const std::string& m : Members)
            text += (text.empty() ? "" : ", ") + m;
        return "[" + Shortened(text) + "]";
    }
    case TKind::vaBytes:
        return "byte block";
    }
    return {};
}

TTextValue OrdinalToValue(TPropertyKind kind, const TEnumInfo* info, int64_t ordinal) {
    switch (kind) {
    case TPropertyKind::pkBoolean:
        return TTextValue::MakeIdent(IdentOf(BooleanInfo, ordinal != 0));
    case TPropertyKind::pkEnumeration:
        return TTextValue::MakeIdent(IdentOf(*info, ordinal));
    case TPropertyKind::pkSet:
        return SetToValue(*info, ordinal);
    case TPropertyKind::pkColor:
        if (auto name = ColorToIdent(TColor(ordinal)))
            return TTextValue::MakeIdent(std::string(*name));
        break;
    case TPropertyKind::pkCharset:
        if (auto name = CharsetToIdent(int(ordinal)))
            return TTextValue::MakeIdent(std::string(*name));
        break;
    default:
        break;
    }
    return TTextValue::MakeInteger(ordinal);
}

int64_t ValueToOrdinal(TPropertyKind kind, const TEnumInfo* info, const TTextValue& value) {
    switch (kind) {
    case TPropertyKind::pkInteger:
        return InRange(value, kInt32Min, kInt32Max);
    case TPropertyKind::pkBoolean:
        if (value.Kind != TTextValue::TKind::vaIdent || BooleanInfo.IndexOf(value.Text) < 0)
            Expected("True or False", value);
        return BooleanInfo.IndexOf(value.Text);
    case TPropertyKind::pkEnumeration:
        return IdentOrdinal(*info, value);
    case TPropertyKind::pkSet:
        return ValueToSet(*info, value);
    case TPropertyKind::pkColor:
        if (value.Kind != TTextValue::TKind::vaIdent) return InRange(value, kInt32Min, kInt32Max);
        if (auto color = IdentToColor(value.Text)) return *color;
        throw EConvertError("'" + Shortened(value.Text) + "' is not a colour name");
    case TPropertyKind::pkCharset:
        if (value.Kind != TTextValue::TKind::vaIdent) return InRange(value, 0, 255);
        if (auto charset = IdentToCharset(value.Text)) return *charset;
        throw EConvertError("'" + Shortened(value.Text) + "' is not a character set name");
    default:
        throw EConvertError("not an ordinal property");
    }
}

} // namespace brisat
