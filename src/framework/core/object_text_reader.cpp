#include "framework/core/object_text_reader.h"

#include "framework/core/class_registry.h"
#include "framework/core/exceptions.h"
#include "framework/core/identifiers.h"

#include <algorithm>

namespace brisat {
namespace {

// Object blocks being read on this thread, across nested readers.
thread_local int t_objectDepth = 0;

class TDepthGuard {
public:
    explicit TDepthGuard(int line) {
        if (t_objectDepth >= MaxObjectDepth)
            throw EParserError("Line " + std::to_string(line) + ": objects nested deeper than " +
                               std::to_string(MaxObjectDepth) + " levels");
        ++t_objectDepth;
    }
    ~TDepthGuard() { --t_objectDepth; }
    TDepthGuard(const TDepthGuard&) = delete;
    TDepthGuard& operator=(const TDepthGuard&) = delete;
};

std::string LinePrefix(int line) {
    return "Line " + std::to_string(line) + ": ";
}

} // namespace

std::unique_ptr<TComponent> TextToComponent(std::string_view text) {
    return TObjectTextReader(text).ReadComponent();
}

void ReadComponentText(std::string_view text, TComponent& root) {
    TObjectTextReader(text).ReadInto(root);
}

void TObjectTextReader::Fail(int line, const std::string& message) const {
    throw EReadError(LinePrefix(line) + message);
}

void TObjectTextReader::Unexpected(const char* expected) const {
    const TTextToken& t = m_lexer.Current();
    throw EParserError(LinePrefix(t.Line) + "expected " + expected + ", found " + t.Describe());
}

std::unique_ptr<TComponent> TObjectTextReader::ReadComponent() {
    std::unique_ptr<TComponent> root = ReadChild();
    ExpectEndOfText();
    ResolveFixups();
    FinishLoading();
    return root;
}

void TObjectTextReader::ReadInto(TComponent& root) {
    const std::vector<TComponent*> before = [&] {
        std::vector<TComponent*> list;
        for (int i = 0; i < root.ComponentCount(); ++i)
            list.push_back(&root.Components(i));
        return list;
    }();
    try {
        TDepthGuard depth(m_lexer.Current().Line);
        root.SetLoading();
        m_read.push_back(&root);
        NameComponent(root, ReadHeader());
        ReadBody(root);
        ExpectEndOfText();
        ResolveFixups();
    } catch (...) {
        for (int i = root.ComponentCount(); i-- > 0;) {
            TComponent& c = root.Components(i);
            if (std::find(before.begin(), before.end(), &c) == before.end())
                root.RemoveComponent(c).reset();
        }
        root.m_state.Exclude(TComponentStateFlag::csLoading);
        throw;
    }
    FinishLoading();
}

void TObjectTextReader::ResolveFixups() {
    TComponent& root = *m_read.front();
    for (const TFixup& f : m_fixups) {
        try {
            f.Property->Resolve(*f.Object, root, f.Value);
        } catch (const Exception& e) {
            Fail(f.Line, "invalid value for property " + f.Describe + ": " + e.what());
        }
    }
    m_fixups.clear();
}

void TObjectTextReader::FinishLoading() {
    for (TComponent* c : m_read)
        c->Loaded();
}

TObjectTextReader::THeader TObjectTextReader::ReadHeader() {
    if (!m_lexer.Current().IsWord("object")) Unexpected("'object'");
    THeader header;
    header.Line = m_lexer.Current().Line;
    m_lexer.Next();
    if (m_lexer.Current().Kind != TTextToken::TKind::tkIdent) Unexpected("a class name");
    header.ClassName = m_lexer.Current().Text;
    m_lexer.Next();
    if (m_lexer.Current().IsSymbol(':')) {
        m_lexer.Next();
        if (m_lexer.Current().Kind != TTextToken::TKind::tkIdent) Unexpected("a class name");
        header.Name = std::move(header.ClassName);
        header.ClassName = m_lexer.Current().Text;
        m_lexer.Next();
    }
    return header;
}

const TClassInfo& TObjectTextReader::CreatableClass(const THeader& header) const {
    const TClassInfo* info = TClassRegistry::Instance().Find(header.ClassName);
    if (!info)
        throw EClassNotFound(LinePrefix(header.Line) + "class '" + header.ClassName +
                             "' not found");
    if (!info->CanCreate())
        Fail(header.Line, "class '" + header.ClassName + "' is not a component class");
    return *info;
}

void TObjectTextReader::NameComponent(TComponent& component, const THeader& header) const {
    try {
        component.SetName(header.Name);
    } catch (const EComponentError& e) {
        Fail(header.Line, e.what());
    }
}

void TObjectTextReader::ReadBody(TComponent& component) {
    for (;;) {
        const TTextToken& t = m_lexer.Current();
        if (t.IsWord("end")) {
            m_lexer.Next();
            return;
        }
        if (t.IsWord("object")) {
            const int line = t.Line;
            std::unique_ptr<TComponent> child = ReadChild();
            try {
                component.InsertComponent(std::move(child));
            } catch (const EComponentError& e) {
                Fail(line, e.what());
            }
        } else if (t.Kind == TTextToken::TKind::tkIdent)
            ReadProperty(component);
        else
            Unexpected("a property, 'object' or 'end'");
    }
}

std::unique_ptr<TComponent> TObjectTextReader::ReadChild() {
    TDepthGuard depth(m_lexer.Current().Line);
    const THeader header = ReadHeader();
    std::unique_ptr<TComponent> child = CreatableClass(header).Create();
    child->SetLoading();
    m_read.push_back(child.get());
    NameComponent(*child, header);
    ReadBody(*child);
    return child;
}

void TObjectTextReader::ReadProperty(TComponent& component) {
    const TTextToken name = m_lexer.Current();
    m_lexer.Next();
    if (!m_lexer.Current().IsSymbol('=')) Unexpected("'='");
    m_lexer.Next();

    const TClassRegistry& registry = TClassRegistry::Instance();
    const std::string className = component.ClassName();
    const std::string unknown = "unknown property " + name.Describe() + " in " + className;
    // "Font.Color": every part but the last names a nested object property.
    TPersistent* object = &component;
    const TPropInfo* property = nullptr;
    std::string_view path = name.Text;
    for (;;) {
        const size_t dot = path.find('.');
        property = registry.ClassOf(*object).FindProperty(path.substr(0, dot));
        if (!property) Fail(name.Line, unknown);
        if (dot == std::string_view::npos) break;
        if (property->Kind != TPropertyKind::pkObject) Fail(name.Line, unknown);
        object = &property->Object(*object);
        path.remove_prefix(dot + 1);
    }
    if (property->Kind == TPropertyKind::pkObject)
        Fail(name.Line,
             "property " + name.Describe() + " of " + className + " is set by its sub-properties");

    const int valueLine = m_lexer.Current().Line;
    const TTextValue value = ReadValue();
    if (property->Resolve) {
        if (value.Kind != TTextValue::TKind::vaIdent)
            Fail(valueLine, "invalid value for property " + name.Describe() + " of " + className +
                                ": expected a name, found " + value.Describe());
        // "nil" leaves the property unset, as an empty reference is written.
        if (!SameText(value.Text, "nil"))
            m_fixups.push_back({object, property, name.Describe() + " of " + className,
                                value.Text, valueLine});
        return;
    }
    try {
        property->Set(*object, value);
    } catch (const Exception& e) {
        Fail(valueLine, "invalid value for property " + name.Describe() + " of " + className +
                            ": " + e.what());
    }
}

TTextValue TObjectTextReader::ReadValue() {
    const TTextToken& t = m_lexer.Current();
    TTextValue value;
    switch (t.Kind) {
    case TTextToken::TKind::tkInteger:
        value = TTextValue::MakeInteger(t.Integer);
        break;
    case TTextToken::TKind::tkIdent:
        value = TTextValue::MakeIdent(t.Text);
        break;
    case TTextToken::TKind::tkBytes:
        value = TTextValue::MakeBytes(t.Bytes);
        break;
    case TTextToken::TKind::tkString:
        value = TTextValue::MakeString(t.Text);
        m_lexer.Next();
        while (m_lexer.Current().IsSymbol('+')) {
            m_lexer.Next();
            if (m_lexer.Current().Kind != TTextToken::TKind::tkString)
                Unexpected("a string after '+'");
            value.Text += m_lexer.Current().Text;
            m_lexer.Next();
        }
        return value;
    case TTextToken::TKind::tkSymbol:
        if (t.IsSymbol('[')) return ReadSet();
        [[fallthrough]];
    default:
        Unexpected("a value");
    }
    m_lexer.Next();
    return value;
}

TTextValue TObjectTextReader::ReadSet() {
    std::vector<std::string> members;
    m_lexer.Next();
    if (m_lexer.Current().IsSymbol(']')) {
        m_lexer.Next();
        return TTextValue::MakeSet({});
    }
    for (;;) {
        if (m_lexer.Current().Kind != TTextToken::TKind::tkIdent) Unexpected("a set member");
        members.push_back(m_lexer.Current().Text);
        m_lexer.Next();
        if (m_lexer.Current().IsSymbol(']')) break;
        if (!m_lexer.Current().IsSymbol(',')) Unexpected("',' or ']'");
        m_lexer.Next();
    }
    m_lexer.Next();
    return TTextValue::MakeSet(std::move(members));
}

void TObjectTextReader::ExpectEndOfText() const {
    if (m_lexer.Current().Kind != TTextToken::TKind::tkEnd) Unexpected("end of text");
}

} // namespace brisat
