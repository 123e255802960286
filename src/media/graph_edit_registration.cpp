#include "media/graph_edit_registration.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace brisat {

namespace {

// A folder that is ours alone: a real directory (no link), owned by us, closed to others.
bool IsPrivateFolder(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

} // namespace

std::string TGraphEditRegistration::ItemName(const void* graph, long pid) {
    char name[64];
    std::snprintf(name, sizeof name, "FilterGraph %0*" PRIXPTR " pid %lX", int(sizeof(void*) * 2),
                  reinterpret_cast<std::uintptr_t>(graph), pid);
    return name;
}

std::string TGraphEditRegistration::RuntimeFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/')
        if (IsPrivateFolder(runtime)) return runtime;
    std::string fallback = "/tmp/brisat-" + std::to_string(getuid());
    if (mkdir(fallback.c_str(), 0700) != 0 && errno != EEXIST) return "";
    return IsPrivateFolder(fallback) ? fallback : "";
}

HRESULT TGraphEditRegistration::Register(const TMediaPipeline& graph,
                                         std::unique_ptr<TGraphEditRegistration>& out) {
    out.reset();
    std::string folder = RuntimeFolder();
    if (folder.empty()) return E_ACCESSDENIED;
    std::string path = folder + "/" + ItemName(&graph, long(getpid()));
    auto entry = std::make_unique<TGraphEditRegistration>(graph, path);
    HRESULT result = entry->Write();
    if (Succeeded(result)) out = std::move(entry);
    return result;
}

TGraphEditRegistration::~TGraphEditRegistration() {
    std::remove(m_path.c_str());
}

void TGraphEditRegistration::Refresh() const {
    Write();
}

// Through a temporary file and a rename, so a reader never sees half a picture.
HRESULT TGraphEditRegistration::Write() const {
    std::string temporary = m_path + ".new";
    HRESULT result = m_graph.DumpGraph(temporary);
    if (Succeeded(result) && std::rename(temporary.c_str(), m_path.c_str()) != 0) result = E_FAIL;
    if (Failed(result)) std::remove(temporary.c_str());
    return result;
}

} // namespace brisat
