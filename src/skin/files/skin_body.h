// The body of a skin file, as every storage variant holds it (integers 32-bit little-endian, a
// string a 32-bit byte count and its bytes): SkinName, SkinVersion, Author, AuthorEMail,
// AuthorURL; the bitmap count and the bitmaps (TKsBitmap records); the object count and the
// object records (class name, object text).
#pragma once

#include "framework/core/streams.h"
#include "skin/bitmap/bitmap_list.h"
#include "skin/objects/skin_object.h"

#include <memory>
#include <string>
#include <vector>

namespace brisat {

struct TSeSkinBody {
    std::string SkinName = "SkinEngine Skin";
    std::string SkinVersion = "2.8.8";
    std::string Author = "Unknown author";
    std::string AuthorEMail = "no e-mail address given";
    std::string AuthorURL = "no web address given";
    TKsBitmapList Bitmaps;
    std::vector<std::unique_ptr<TSeSkinObject>> Objects;
};

// The body as stored: bitmaps with their pixels as they are, objects as their text reads, not
// yet attached to the bitmaps. Records of classes that are no skin object class are skipped.
// Raises the framework's stream and reader errors, each naming the part of the body at fault;
// sizes beyond the limits of skin_limits.h and counts the data cannot hold are refused before
// anything is allocated for them.
TSeSkinBody ReadSkinBody(TStream& stream);
void WriteSkinBody(TStream& stream, const TSeSkinBody& body);

} // namespace brisat
