// The graph-editor registration of a live graph: an entry file "FilterGraph <address> pid <pid>"
// in the user's runtime folder ($XDG_RUNTIME_DIR, else a private folder under /tmp) holding a
// Graphviz picture of the graph, refreshed on request and removed with the registration. A graph
// viewer finds running graphs by listing the folder. GUI thread only.
#pragma once

#include "media/platform/media_pipeline.h"
#include "media/platform/result_codes.h"

#include <memory>
#include <string>

namespace brisat {

class TGraphEditRegistration {
public:
    // Registers `graph`, which must outlive the registration; a failure code leaves `out` empty.
    static HRESULT Register(const TMediaPipeline& graph,
                            std::unique_ptr<TGraphEditRegistration>& out);
    // Removes the entry.
    ~TGraphEditRegistration();
    TGraphEditRegistration(const TGraphEditRegistration&) = delete;
    TGraphEditRegistration& operator=(const TGraphEditRegistration&) = delete;

    // Writes the graph's picture anew (after the graph changed); failures are silent.
    void Refresh() const;
    const std::string& Path() const { return m_path; }

    // "FilterGraph <address, upper-case hex, pointer width> pid <pid, upper-case hex>".
    static std::string ItemName(const void* graph, long pid);
    // $XDG_RUNTIME_DIR when it is a folder of ours, else /tmp/brisat-<uid> (made private to the
    // user); "" when neither can be had.
    static std::string RuntimeFolder();

    // Use Register; this only remembers where the entry goes.
    TGraphEditRegistration(const TMediaPipeline& graph, std::string path)
        : m_graph(graph), m_path(std::move(path)) {}

private:
    HRESULT Write() const;

    const TMediaPipeline& m_graph;
    std::string m_path;
};

} // namespace brisat
