#include "framework/core/object_text_writer.h"

#include "framework/core/class_registry.h"
#include "framework/core/component_references.h"
#include "framework/core/exceptions.h"

namespace brisat {
namespace {

constexpr const char* kLineEnd = "\r\n";
// Characters per string segment and bytes per block line.
constexpr size_t kStringSegment = 64;
constexpr size_t kBytesPerLine = 32;
// Nested object properties (a font inside a look inside …) deeper than this are a cycle.
constexpr int kMaxObjectPropertyDepth = 16;

std::string Indent(int level) {
    return std::string(size_t(level) * 2, ' ');
}

// Runs of printable characters in apostrophes; control characters and the apostrophe as #code.
void AppendStringPieces(std::string& out, std::string_view text) {
    bool quoted = false;
    for (char c : text) {
        const bool coded = uint8_t(c) < 32 || c == '\'';
        if (coded == quoted) {
            out += '\'';
            quoted = !quoted;
        }
        if (coded)
            out += '#' + std::to_string(uint8_t(c));
        else
            out += c;
    }
    if (quoted) out += '\'';
}

std::string FormatString(std::string_view text, int level) {
    if (text.empty()) return "''";
    std::string out;
    if (text.size() <= kStringSegment) {
        AppendStringPieces(out, text);
        return out;
    }
    for (size_t at = 0; at < text.size(); at += kStringSegment) {
        out += kLineEnd + Indent(level + 1);
        AppendStringPieces(out, text.substr(at, kStringSegment));
        if (at + kStringSegment < text.size()) out += " +";
    }
    return out;
}

std::string FormatBytes(const std::vector<uint8_t>& bytes, int level) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "{";
    const bool multiline = bytes.size() >= kBytesPerLine;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (multiline && i % kBytesPerLine == 0) out += kLineEnd + Indent(level + 1);
        out += kHex[bytes[i] >> 4];
        out += kHex[bytes[i] & 15];
    }
    return out + "}";
}

class TObjectTextWriter {
public:
    std::string Write(const TComponent& root) {
        m_root = &root;
        WriteObject(root, 0);
        return std::move(m_text);
    }

private:
    void WriteObject(const TComponent& component, int level) {
        const TClassInfo& info = TClassRegistry::Instance().ClassOf(component);
        m_text += Indent(level) + "object ";
        if (!component.Name().empty()) m_text += component.Name() + ": ";
        m_text += info.Name() + kLineEnd;
        WriteProperties(component, info, "", level + 1, 0);
        component.GetChildren([&](TComponent& child) { WriteObject(child, level + 1); });
        m_text += Indent(level) + "end" + kLineEnd;
    }

    void WriteProperties(const TPersistent& object, const TClassInfo& info,
                         const std::string& prefix, int level, int depth) {
        if (depth > kMaxObjectPropertyDepth)
            throw EWriteError("Property " + prefix + " nests objects too deeply");
        for (const TPropInfo* p : info.Properties()) {
            if (!p->Stored(object)) continue;
            if (p->Kind == TPropertyKind::pkObject) {
                // The getter needs a mutable object; writing only reads through it.
                TPersistent& nested = p->Object(const_cast<TPersistent&>(object));
                WriteProperties(nested, TClassRegistry::Instance().ClassOf(nested),
                                prefix + p->Name + ".", level, depth + 1);
                continue;
            }
            m_text += Indent(level) + prefix + p->Name + " = " +
                      FormatTextValue(Value(*p, object), level) + kLineEnd;
        }
    }

    // A reference into another window is written with that window's name.
    TTextValue Value(const TPropInfo& property, const TPersistent& object) const {
        if (property.Kind == TPropertyKind::pkReference && property.Target)
            if (const TComponent* target = property.Target(object))
                return TTextValue::MakeIdent(ReferenceText(*m_root, *target));
        return property.Get(object);
    }

    const TComponent* m_root = nullptr;
    std::string m_text;
};

} // namespace

std::string FormatTextValue(const TTextValue& value, int level) {
    switch (value.Kind) {
    case TTextValue::TKind::vaInteger:
        return std::to_string(value.Integer);
    case TTextValue::TKind::vaIdent:
        return value.Text;
    case TTextValue::TKind::vaString:
        return FormatString(value.Text, level);
    case TTextValue::TKind::vaBytes:
        return FormatBytes(value.Bytes, level);
    case TTextValue::TKind::vaSet: {
        std::string out = "[";
        for (size_t i = 0; i < value.Members.size(); ++i)
            out += (i ? ", " : "") + value.Members[i];
        return out + "]";
    }
    }
    return {};
}

std::string ComponentToText(const TComponent& component) {
    return TObjectTextWriter().Write(component);
}

} // namespace brisat
