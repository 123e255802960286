#include "skin_info.h"

#include "skin/objects/skin_object_registry.h"
#include "skin_file_access.h"

namespace brisat {
namespace {

void PrintTree(const TSeSkinObject& object, int level, std::ostream& out) {
    const TRect r = object.BoundsRect();
    out << std::string(size_t(level) * 2 + 2, ' ')
        << (object.Name().empty() ? "(unnamed)" : object.Name()) << ": " << object.ClassName()
        << " " << SeKindInfo.Identifiers[size_t(object.Kind())] << " (" << r.Left << ", "
        << r.Top << ", " << r.Right << ", " << r.Bottom << ")\n";
    for (int i = 0; i < object.ChildCount(); ++i)
        PrintTree(object.Child(i), level + 1, out);
}

} // namespace

void PrintSkinInfo(const std::string& fileName, std::ostream& out) {
    const TSeSkinBody body = ReadSkinFile(fileName);
    out << "File: " << fileName << " (" << SkinVariantOf(fileName) << ")\n"
        << "SkinName: " << body.SkinName << "\n"
        << "SkinVersion: " << body.SkinVersion << "\n"
        << "Author: " << body.Author << "\n"
        << "AuthorEMail: " << body.AuthorEMail << "\n"
        << "AuthorURL: " << body.AuthorURL << "\n"
        << "Bitmaps: " << body.Bitmaps.Count() << "\n";
    for (int32_t i = 0; i < body.Bitmaps.Count(); ++i) {
        const TKsBitmap& bitmap = *body.Bitmaps[i];
        out << "  " << i << " " << (bitmap.Name().empty() ? "(unnamed)" : bitmap.Name()) << " "
            << bitmap.Width() << " x " << bitmap.Height() << "\n";
    }
    out << "Objects: " << body.Objects.size() << "\n";
    for (const auto& object : body.Objects)
        PrintTree(*object, 0, out);
}

} // namespace brisat
