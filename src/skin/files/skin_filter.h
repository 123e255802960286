// Storage filters: each stores the skin body in one variant and is registered under a file
// extension. A filter class is described by a TSeSkinFilterClass (its class-level extension and
// description and a way to make one); a filter object works on one TSeSkinSource.
//
//   TSeSkinFilterUncompressed     "uskn"  the body
//   TSeSkinFilterCompressed       "kskn"  "KSLZ" + one zlib stream of the body, level 1
//   TSeSkinFilterUltraCompressed  "xskn"  "KSLZ" + one zlib stream of the body, level 9
//
// The four header bytes are ignored when read; the reader inflates only as far as the body goes.
#pragma once

#include "framework/core/persistent.h"
#include "framework/core/streams.h"
#include "skin/files/skin_body.h"

#include <memory>
#include <string>

namespace brisat {

class TSeSkinSource;
class TSeSkinFilter;

struct TSeSkinFilterClass {
    std::string (*GetExtension)(); // without the dot
    std::string (*GetDescription)();
    std::unique_ptr<TSeSkinFilter> (*Create)(TSeSkinSource& source);
    // The body in this variant as stored, without a source (the skin tool's view of a file).
    TSeSkinBody (*ReadBody)(TStream& stream);
    void (*WriteBody)(TStream& stream, const TSeSkinBody& body);
};

template <class F> const TSeSkinFilterClass& SkinFilterClassOf() {
    static const TSeSkinFilterClass info{
        &F::GetExtension, &F::GetDescription,
        [](TSeSkinSource& source) -> std::unique_ptr<TSeSkinFilter> {
            return std::make_unique<F>(source);
        },
        &F::ReadBody, &F::WriteBody};
    return info;
}

// The base class's operations do nothing.
class TSeSkinFilter : public TPersistent {
public:
    explicit TSeSkinFilter(TSeSkinSource& source) : m_source(source) {}
    std::string ClassName() const override { return "TSeSkinFilter"; }

    static std::string GetExtension() { return {}; }
    static std::string GetDescription() { return {}; }
    virtual void LoadFromStream(TStream&) {}
    virtual void SaveToStream(TStream&) {}

protected:
    TSeSkinSource& Source() const { return m_source; }
    // Clears the source and gives it the body Read takes from the stream; a failed read leaves
    // the source cleared.
    void LoadSource(TSeSkinBody (*read)(TStream&), TStream& stream);

private:
    TSeSkinSource& m_source;
};

class TSeSkinFilterUncompressed : public TSeSkinFilter {
public:
    using TSeSkinFilter::TSeSkinFilter;
    std::string ClassName() const override { return "TSeSkinFilterUncompressed"; }
    static std::string GetExtension() { return "uskn"; }
    static std::string GetDescription() { return "Uncompressed Skin"; }
    void LoadFromStream(TStream& stream) override { LoadSource(&ReadBody, stream); }
    void SaveToStream(TStream& stream) override;

    static TSeSkinBody ReadBody(TStream& stream);
    static void WriteBody(TStream& stream, const TSeSkinBody& body);
};

class TSeSkinFilterCompressed : public TSeSkinFilter {
public:
    using TSeSkinFilter::TSeSkinFilter;
    std::string ClassName() const override { return "TSeSkinFilterCompressed"; }
    static std::string GetExtension() { return "kskn"; }
    static std::string GetDescription() { return "Compressed Skin"; }
    void LoadFromStream(TStream& stream) override { LoadSource(&ReadBody, stream); }
    void SaveToStream(TStream& stream) override;

    // Raises EDecompressionError "error" (behind the context "compressed data is corrupt") for
    // damaged zlib data.
    static TSeSkinBody ReadBody(TStream& stream);
    static void WriteBody(TStream& stream, const TSeSkinBody& body);
};

// Read as the compressed variant; written at zlib's best level.
class TSeSkinFilterUltraCompressed : public TSeSkinFilterCompressed {
public:
    using TSeSkinFilterCompressed::TSeSkinFilterCompressed;
    std::string ClassName() const override { return "TSeSkinFilterUltraCompressed"; }
    static std::string GetExtension() { return "xskn"; }
    static std::string GetDescription() { return "Ultra Compressed Skin"; }
    void SaveToStream(TStream& stream) override;

    static void WriteBody(TStream& stream, const TSeSkinBody& body);
};

} // namespace brisat
