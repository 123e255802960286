#include "framework/core/component_records.h"

#include "framework/core/class_registry.h"
#include "framework/core/exceptions.h"
#include "framework/core/object_text_reader.h"
#include "framework/core/object_text_writer.h"

namespace brisat {
namespace {

// The smallest record: two empty strings.
constexpr int64_t kMinRecordSize = 8;

} // namespace

void WriteComponentRecords(TStream& stream, const std::vector<const TComponent*>& components) {
    stream.WriteInt32(int32_t(components.size()));
    for (const TComponent* c : components) {
        stream.WriteString32(c->ClassName());
        stream.WriteString32(ComponentToText(*c));
    }
}

std::vector<uint8_t> ComponentRecordsToBytes(const std::vector<const TComponent*>& components) {
    TMemoryStream stream;
    WriteComponentRecords(stream, components);
    return stream.Data();
}

std::vector<std::unique_ptr<TComponent>> ReadComponentRecords(TStream& stream,
                                                              const TClassInfo* base) {
    const int32_t count = stream.ReadInt32();
    if (count < 0) throw EReadError("Invalid component record count " + std::to_string(count));
    if (auto left = stream.BytesLeft(); left && *left / kMinRecordSize < count)
        throw EReadError("Component record count " + std::to_string(count) + " exceeds the data");
    std::vector<std::unique_ptr<TComponent>> result;
    for (int32_t i = 0; i < count; ++i) {
        const std::string className = stream.ReadString32();
        const std::string text = stream.ReadString32();
        const TClassInfo* info = TClassRegistry::Instance().Find(className);
        if (!info || !info->CanCreate() || (base && !info->InheritsFrom(*base))) continue;
        std::unique_ptr<TComponent> component = info->Create();
        ReadComponentText(text, *component);
        result.push_back(std::move(component));
    }
    return result;
}

std::vector<std::unique_ptr<TComponent>>
ComponentRecordsFromBytes(const std::vector<uint8_t>& bytes) {
    TMemoryStream stream(bytes);
    return ReadComponentRecords(stream);
}

} // namespace brisat
