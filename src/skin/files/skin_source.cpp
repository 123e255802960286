#include "skin/files/skin_source.h"

#include "framework/core/identifiers.h"
#include "skin/bitmap/pixel.h"
#include "skin/files/error_context.h"
#include "skin/files/skin_file_names.h"
#include "skin/files/skin_filter_registry.h"

#include <algorithm>
#include <cstdint>

namespace brisat {
namespace {

// Opaque magenta marks the pixels cut out of a window's shape.
constexpr TKsPixel kOpaqueMagenta = 0xFFFF00FF;

} // namespace

TSeSkinSource::TSeSkinSource(TComponent* owner) : TComponent(owner) {
    RegisterSkinSourceClass();
}

TSeSkinSource::~TSeSkinSource() = default;

void TSeSkinSource::Clear() {
    m_body.Objects.clear();
    m_body.Bitmaps.Clear();
    m_requestedHue = 0;
    m_appliedHue = 0;
}

void TSeSkinSource::LoadFromFile(const std::string& fileName) {
    const std::optional<std::string> path = LocateSkinFile(fileName);
    if (!path) return;
    const TSeSkinFilterClass* filter = FindSkinFilter(*path);
    if (!filter) return;
    try {
        TFileStream file(*path, TFileStream::Mode::fmOpenRead);
        filter->Create(*this)->LoadFromStream(file);
    } catch (...) {
        Clear();
        RethrowWithContext("Skin file \"" + *path + "\"");
    }
}

void TSeSkinSource::SaveToFile(const std::string& fileName) {
    const TSeSkinFilterClass* filter = FindSkinFilter(fileName);
    if (!filter) filter = &SkinFilterClassOf<TSeSkinFilterCompressed>();
    TFileStream file(fileName, TFileStream::Mode::fmCreate);
    filter->Create(*this)->SaveToStream(file);
}

void TSeSkinSource::LoadFromStream(TStream& stream) {
    TSeSkinFilterCompressed(*this).LoadFromStream(stream);
}

void TSeSkinSource::SaveToStream(TStream& stream) {
    TSeSkinFilterCompressed(*this).SaveToStream(stream);
}

void TSeSkinSource::LoadBody(TSeSkinBody body) {
    Clear();
    m_body = std::move(body);
    for (int32_t i = 0; i < m_body.Bitmaps.Count(); ++i)
        m_body.Bitmaps[i]->MakeTransparent(kOpaqueMagenta);
    for (const auto& object : m_body.Objects) {
        object->SetCharset(DEFAULT_CHARSET);
        object->SetBitmaps(&m_body.Bitmaps);
        object->ResolveBitmaps();
    }
}

TSeSkinObject* TSeSkinSource::Objects(int32_t index) const {
    if (m_loading || index < 0 || index >= Count()) return nullptr;
    return m_body.Objects[size_t(index)].get();
}

TSeSkinObject* TSeSkinSource::FindObject(std::string_view name) const {
    for (const auto& object : m_body.Objects)
        if (SameText(object->Name(), name)) return object.get();
    return nullptr;
}

TSeSkinObject* TSeSkinSource::FindObjectByKind(TSeKind kind) const {
    for (const auto& object : m_body.Objects)
        if (object->Kind() == kind) return object.get();
    return nullptr;
}

TSeSkinObject* TSeSkinSource::GetFormObject() const {
    if (TSeSkinObject* form = FindObject("Form")) return form;
    return FindObjectByKind(TSeKind::skForm);
}

void TSeSkinSource::SetDeltaHue(int32_t value) {
    if (value == m_requestedHue) return;
    m_requestedHue = value;
    // Saturated: hues far outside the circle must not overflow.
    const int32_t delta = int32_t(std::clamp<int64_t>(int64_t(value) - m_appliedHue, INT32_MIN,
                                                      INT32_MAX));
    for (int32_t i = 0; i < m_body.Bitmaps.Count(); ++i)
        m_body.Bitmaps[i]->ChangeHue(delta);
    for (const auto& object : m_body.Objects)
        object->ChangeHue(delta);
    m_appliedHue = value;
}

} // namespace brisat
