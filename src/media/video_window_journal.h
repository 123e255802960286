// The journal of connection changes InsertOverlayMixer keeps so that a failed step can be undone:
// each entry holds an output and an input pin and how to undo what was done to them. GUI thread.
#pragma once

#include "media/platform/media_pipeline.h"
#include "media/platform/pins.h"

#include <vector>

namespace brisat {

class TConnectionJournal {
public:
    // The two pins were connected: undone by disconnecting both.
    void Connected(const TPin& output, const TPin& input) {
        m_entries.push_back({output, input, false});
    }
    // The two pins were disconnected: undone by connecting Output to Input again.
    void Disconnected(const TPin& output, const TPin& input) {
        m_entries.push_back({output, input, true});
    }
    // Undoes the entries from the last to the first and forgets them.
    void Undo(TMediaPipeline& graph);
    bool Empty() const { return m_entries.empty(); }

private:
    struct TEntry {
        TPin Output;
        TPin Input;
        bool Reconnect;
    };
    std::vector<TEntry> m_entries;
};

} // namespace brisat
