// Component records: a 32-bit count, then per component its class name and its object text, each
// a 32-bit byte count followed by the bytes. Skin files hold their object trees this way, and a
// class can stream its children as such a block in a byte-block property (an "Objects" list).
#pragma once

#include "framework/core/component.h"
#include "framework/core/streams.h"

#include <memory>
#include <vector>

namespace brisat {

class TClassInfo;

void WriteComponentRecords(TStream& stream, const std::vector<const TComponent*>& components);
std::vector<uint8_t> ComponentRecordsToBytes(const std::vector<const TComponent*>& components);

// Reads a count and that many records into new components without owner, each read with
// ReadComponentText into an instance of the record's class. A record whose class is not
// registered (or cannot be created), or, when Base is given, does not derive from Base, is
// skipped whole, so data from a file creates only the classes its reader expects. A negative count, or one the rest of the
// stream cannot hold, raises EReadError before anything is read; a record's text error raises
// its EReadError and the components read so far are destroyed.
std::vector<std::unique_ptr<TComponent>> ReadComponentRecords(TStream& stream,
                                                              const TClassInfo* base = nullptr);
// The same over a byte block; bytes after the last record are ignored.
std::vector<std::unique_ptr<TComponent>>
ComponentRecordsFromBytes(const std::vector<uint8_t>& bytes);

} // namespace brisat
