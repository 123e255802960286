#include "skin_folder.h"

#include "framework/core/object_text_reader.h"
#include "framework/core/object_text_writer.h"
#include "platform/png_file.h"
#include "framework/core/exceptions.h"
#include "skin/files/error_context.h"
#include "skin/files/skin_limits.h"
#include "skin/files/skin_source.h"
#include "skin/objects/skin_object_text.h"
#include "skin_file_access.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace brisat {
namespace {

const char* const kHeaderFile = "skin.txt";
const char* const kBitmapFolder = "bitmaps";
const char* const kObjectFolder = "objects";

// Bitmap and object names become parts of file names.
bool IsFileNamePart(const std::string& name) {
    return std::all_of(name.begin(), name.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '_';
    }) && name.size() <= size_t(kMaxSkinBitmapName);
}

std::string Numbered(size_t index, const std::string& name, const char* extension) {
    char number[16];
    std::snprintf(number, sizeof number, "%03zu_", index);
    return number + name + extension;
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    if (!file.flush()) throw std::runtime_error("Cannot write \"" + path.string() + "\"");
}

std::string ReadText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("Cannot read \"" + path.string() + "\"");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The numbered files of a folder with the extension, in number order; Names receives the part
// after the number.
std::vector<fs::path> NumberedFiles(const fs::path& folder, const std::string& extension,
                                    std::vector<std::string>& names) {
    const std::regex pattern("([0-9]+)_([A-Za-z0-9_]*)\\" + extension);
    std::map<unsigned long, std::pair<fs::path, std::string>> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string file = entry.path().filename().string();
        if (entry.path().extension() != extension) continue;
        std::smatch match;
        if (!std::regex_match(file, match, pattern))
            throw std::runtime_error("\"" + entry.path().string() +
                                     "\" is not named NNN_Name" + extension);
        const unsigned long number = std::stoul(match[1]);
        if (!files.emplace(number, std::pair(entry.path(), match[2].str())).second)
            throw std::runtime_error("Two files in \"" + folder.string() + "\" have the number " +
                                     match[1].str());
    }
    std::vector<fs::path> paths;
    for (auto& [number, file] : files) {
        paths.push_back(file.first);
        names.push_back(file.second);
    }
    return paths;
}

void UnpackBitmap(const TKsBitmap& bitmap, const fs::path& path) {
    if (bitmap.Empty()) {
        WriteText(path, "");
        return;
    }
    WritePngFile(path.string(), bitmap.Bits(), bitmap.Width(), bitmap.Height(), bitmap.Width(),
                 TPngAlpha::Keep);
}

std::unique_ptr<TKsBitmap> PackBitmap(const fs::path& path, const std::string& name) {
    auto bitmap = std::make_unique<TKsBitmap>();
    bitmap->SetName(name);
    if (fs::file_size(path) == 0) return bitmap;
    const TPngImage image = ReadPngFile(path.string());
    if (image.Width > kMaxSkinBitmapSide || image.Height > kMaxSkinBitmapSide)
        throw std::runtime_error("\"" + path.string() + "\" is larger than " +
                                 std::to_string(kMaxSkinBitmapSide) + " pixels a side");
    bitmap->SetSize(image.Width, image.Height);
    std::copy(image.Pixels.begin(), image.Pixels.end(), bitmap->Bits());
    return bitmap;
}

std::string HeaderText(const TSeSkinBody& body) {
    TSeSkinSource header;
    header.SetName("Skin");
    header.SetSkinName(body.SkinName);
    header.SetSkinVersion(body.SkinVersion);
    header.SetAuthor(body.Author);
    header.SetAuthorEMail(body.AuthorEMail);
    header.SetAuthorURL(body.AuthorURL);
    return ComponentToText(header);
}

// Strings left out of skin.txt are empty, as the writer leaves out empty strings.
void ReadHeader(const fs::path& path, TSeSkinBody& body) {
    TSeSkinSource header;
    header.SetSkinName({});
    header.SetSkinVersion({});
    header.SetAuthor({});
    header.SetAuthorEMail({});
    header.SetAuthorURL({});
    ReadComponentText(ReadText(path), header);
    if (header.ComponentCount() != 0)
        throw EReadError("the header holds objects; skin objects go in objects/");
    body.SkinName = header.SkinName();
    body.SkinVersion = header.SkinVersion();
    body.Author = header.Author();
    body.AuthorEMail = header.AuthorEMail();
    body.AuthorURL = header.AuthorURL();
}

// Runs Step; its errors raise again naming Path.
template <class F> auto NamingFile(const fs::path& path, F step) {
    try {
        return step();
    } catch (...) {
        RethrowWithContext("\"" + path.string() + "\"");
    }
}

} // namespace

void UnpackSkin(const std::string& fileName, const std::string& folder) {
    WriteSkinFolder(ReadSkinFile(fileName), folder);
}

void WriteSkinFolder(const TSeSkinBody& body, const std::string& folder) {
    const fs::path root(folder);
    fs::create_directories(root / kBitmapFolder);
    fs::create_directories(root / kObjectFolder);
    WriteText(root / kHeaderFile, HeaderText(body));
    for (int32_t i = 0; i < body.Bitmaps.Count(); ++i) {
        const TKsBitmap& bitmap = *body.Bitmaps[i];
        if (!IsFileNamePart(bitmap.Name()))
            throw std::runtime_error("Bitmap " + std::to_string(i) + " is named \"" +
                                     bitmap.Name() +
                                     "\"; only letters, digits and _ fit a file name");
        UnpackBitmap(bitmap, root / kBitmapFolder / Numbered(size_t(i), bitmap.Name(), ".png"));
    }
    for (size_t i = 0; i < body.Objects.size(); ++i) {
        const TSeSkinObject& object = *body.Objects[i];
        WriteText(root / kObjectFolder / Numbered(i, object.Name(), ".txt"),
                  SkinObjectText(object, TSkinTextForm::tsfEditable));
    }
}

void PackSkin(const std::string& folder, const std::string& fileName) {
    const fs::path root(folder);
    TSeSkinBody body;
    NamingFile(root / kHeaderFile, [&] { ReadHeader(root / kHeaderFile, body); });
    std::vector<std::string> names;
    for (const fs::path& path : NumberedFiles(root / kBitmapFolder, ".png", names))
        body.Bitmaps.Add(NamingFile(path, [&] { return PackBitmap(path, names[body.Bitmaps.Count()]); }));
    names.clear();
    for (const fs::path& path : NumberedFiles(root / kObjectFolder, ".txt", names))
        body.Objects.push_back(NamingFile(path, [&] { return SkinObjectFromText(ReadText(path)); }));
    WriteSkinFile(fileName, body);
}

} // namespace brisat
