#include "skin/files/skin_body.h"

#include "framework/core/class_registry.h"
#include "framework/core/component_records.h"
#include "framework/core/exceptions.h"
#include "skin/files/error_context.h"
#include "skin/files/skin_body_input.h"
#include "skin/files/skin_limits.h"
#include "skin/objects/skin_object_registry.h"

#include <cstdlib>
#include <limits>

namespace brisat {
namespace {

// The smallest bitmap record: an empty name, width and height.
constexpr int64_t kMinBitmapRecord = 12;

void ReadHeader(TSkinBodyInput& input, TSeSkinBody& body) {
    input.Limit(kMaxSkinHeaderBytes, "header strings");
    for (std::string* field : {&body.SkinName, &body.SkinVersion, &body.Author,
                               &body.AuthorEMail, &body.AuthorURL})
        *field = input.ReadString32();
}

int32_t ReadBitmapCount(TSkinBodyInput& input) {
    input.Limit(4, "bitmap count");
    const int32_t count = input.ReadInt32();
    if (count < 0 || count > kMaxSkinBitmaps)
        throw EReadError("bitmap count " + std::to_string(count) + " is outside 0.." +
                         std::to_string(kMaxSkinBitmaps));
    if (auto left = input.BytesLeft(); left && *left / kMinBitmapRecord < count)
        throw EReadError("bitmap count " + std::to_string(count) + " exceeds the data");
    return count;
}

// Reads one record after checking its name length and size, so that TKsBitmap allocates only
// what the limits allow. Pixels counts the pixels of the bitmaps read before.
std::unique_ptr<TKsBitmap> ReadBitmap(TSkinBodyInput& input, int64_t& pixels) {
    input.Limit(4, "bitmap name length");
    const int32_t nameLength = input.ReadInt32();
    if (nameLength < 0 || nameLength > kMaxSkinBitmapName)
        throw EReadError("name length " + std::to_string(nameLength) + " is outside 0.." +
                         std::to_string(kMaxSkinBitmapName));
    input.Limit(nameLength + 8, "bitmap name and size");
    std::string header = input.ReadBytes(nameLength);
    const int32_t width = input.ReadInt32(), height = input.ReadInt32();
    // Negative sizes are read as their absolute values.
    const int64_t w = std::llabs(int64_t(width)), h = std::llabs(int64_t(height));
    if (w > kMaxSkinBitmapSide || h > kMaxSkinBitmapSide)
        throw EReadError("size " + std::to_string(width) + " x " + std::to_string(height) +
                         " exceeds " + std::to_string(kMaxSkinBitmapSide) + " pixels a side");
    if (pixels + w * h > kMaxSkinPixels)
        throw EReadError("the bitmaps exceed " + std::to_string(kMaxSkinPixels) +
                         " pixels in all");
    pixels += w * h;
    TMemoryStream replay;
    replay.WriteInt32(nameLength);
    replay.WriteBuffer(header.data(), nameLength);
    replay.WriteInt32(width);
    replay.WriteInt32(height);
    input.Unread(std::string(replay.Data().begin(), replay.Data().end()));
    input.Limit(std::numeric_limits<int64_t>::max(), "bitmap pixels");
    auto bitmap = std::make_unique<TKsBitmap>();
    bitmap->LoadFromStream(input);
    return bitmap;
}

void ReadBitmaps(TSkinBodyInput& input, TSeSkinBody& body) {
    const int32_t count = ReadBitmapCount(input);
    int64_t pixels = 0;
    for (int32_t i = 0; i < count; ++i) {
        try {
            body.Bitmaps.Add(ReadBitmap(input, pixels));
        } catch (...) {
            RethrowWithContext("bitmap " + std::to_string(i));
        }
    }
}

void ReadObjects(TSkinBodyInput& input, TSeSkinBody& body) {
    RegisterSkinObjectClasses();
    const TClassInfo* base = TClassRegistry::Instance().Find("TSeSkinObject");
    input.Limit(kMaxSkinObjectBytes, "object records");
    for (auto& component : ReadComponentRecords(input, base))
        if (auto* object = dynamic_cast<TSeSkinObject*>(component.get())) {
            body.Objects.emplace_back(object);
            (void)component.release(); // now owned by the body
        }
}

} // namespace

TSeSkinBody ReadSkinBody(TStream& stream) {
    TSkinBodyInput input(stream);
    TSeSkinBody body;
    const char* part = "header";
    try {
        ReadHeader(input, body);
        part = "bitmaps";
        ReadBitmaps(input, body);
        part = "objects";
        ReadObjects(input, body);
    } catch (...) {
        RethrowWithContext(part);
    }
    return body;
}

void WriteSkinBody(TStream& stream, const TSeSkinBody& body) {
    for (const std::string* field : {&body.SkinName, &body.SkinVersion, &body.Author,
                                     &body.AuthorEMail, &body.AuthorURL})
        stream.WriteString32(*field);
    stream.WriteInt32(body.Bitmaps.Count());
    for (int32_t i = 0; i < body.Bitmaps.Count(); ++i)
        body.Bitmaps[i]->SaveToStream(stream);
    std::vector<const TComponent*> objects;
    for (const auto& object : body.Objects)
        objects.push_back(object.get());
    WriteComponentRecords(stream, objects);
}

} // namespace brisat
