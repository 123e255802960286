#include "skin_file_access.h"

#include "framework/core/exceptions.h"
#include "skin/files/error_context.h"
#include "skin/files/skin_file_names.h"
#include "skin/files/skin_filter_registry.h"

#include <stdexcept>

namespace brisat {
namespace {

const TSeSkinFilterClass& FilterFor(const std::string& fileName) {
    const TSeSkinFilterClass* filter = FindSkinFilter(fileName);
    if (!filter)
        throw std::runtime_error("\"" + fileName + "\" is not a skin file name (" +
                                 SkinFilterString() + ")");
    return *filter;
}

} // namespace

void CheckSkinFile(const std::string& fileName) {
    if (!LocateSkinFile(fileName)) throw std::runtime_error("\"" + fileName + "\" not found");
    FilterFor(fileName);
}

TSeSkinBody ReadSkinFile(const std::string& fileName) {
    const TSeSkinFilterClass& filter = FilterFor(fileName);
    try {
        TFileStream file(fileName, TFileStream::Mode::fmOpenRead);
        return filter.ReadBody(file);
    } catch (const EFOpenError&) {
        throw;
    } catch (...) {
        RethrowWithContext("Skin file \"" + fileName + "\"");
    }
}

void WriteSkinFile(const std::string& fileName, const TSeSkinBody& body) {
    const TSeSkinFilterClass& filter = FilterFor(fileName);
    TFileStream file(fileName, TFileStream::Mode::fmCreate);
    filter.WriteBody(file, body);
}

std::string SkinVariantOf(const std::string& fileName) {
    return FilterFor(fileName).GetDescription();
}

} // namespace brisat
