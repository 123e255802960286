// TSeSkinSource: the skin in memory, as a skin engine holds it. The header strings are
// persistent (an unpacked skin folder's skin.txt is this component as object text); the top-level
// object trees and the bitmaps are owned. A storage filter fills or writes it.
#pragma once

#include "framework/core/component.h"
#include "framework/core/streams.h"
#include "skin/files/skin_body.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace brisat {

class TSeSkinSource : public TComponent {
public:
    explicit TSeSkinSource(TComponent* owner = nullptr);
    ~TSeSkinSource() override;
    std::string ClassName() const override { return "TSeSkinSource"; }

    const std::string& SkinName() const { return m_body.SkinName; }
    void SetSkinName(std::string value) { m_body.SkinName = std::move(value); }
    const std::string& SkinVersion() const { return m_body.SkinVersion; }
    void SetSkinVersion(std::string value) { m_body.SkinVersion = std::move(value); }
    const std::string& Author() const { return m_body.Author; }
    void SetAuthor(std::string value) { m_body.Author = std::move(value); }
    const std::string& AuthorEMail() const { return m_body.AuthorEMail; }
    void SetAuthorEMail(std::string value) { m_body.AuthorEMail = std::move(value); }
    const std::string& AuthorURL() const { return m_body.AuthorURL; }
    void SetAuthorURL(std::string value) { m_body.AuthorURL = std::move(value); }

    // Frees the objects and the bitmaps and resets the requested and the applied hue to 0.
    void Clear();
    // Nothing for an empty name. The name as given ("\" read as "/"), else, unless it starts
    // with a drive ("C:"), the program's folder followed by the name; nothing when neither
    // exists or no filter takes its extension. Errors of the load raise naming the file, and
    // leave the source cleared.
    void LoadFromFile(const std::string& fileName);
    // By the extension's filter, or the compressed one for an extension none takes.
    void SaveToFile(const std::string& fileName);
    // The compressed variant (a skin embedded in a window layout).
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream);

    // Takes a body as read: magenta pixels become the key pixel, every font gets
    // DEFAULT_CHARSET and every tree is attached to the bitmaps and resolves its links.
    void LoadBody(TSeSkinBody body);
    const TSeSkinBody& Body() const { return m_body; }

    // Top-level objects.
    int32_t Count() const { return int32_t(m_body.Objects.size()); }
    // nullptr out of range and while loading.
    TSeSkinObject* Objects(int32_t index) const;
    // Top level only; the name compared ignoring case.
    TSeSkinObject* FindObject(std::string_view name) const;
    TSeSkinObject* FindObjectByKind(TSeKind kind) const;
    // "Form", else the first object of kind skForm.
    TSeSkinObject* GetFormObject() const;
    TKsBitmapList& Bitmaps() { return m_body.Bitmaps; }

    // Set by the engine while it swaps skins.
    bool Loading() const { return m_loading; }
    void SetLoading(bool value) { m_loading = value; }

    // Rotates bitmaps and object colours by Value minus the hue applied so far; nothing when
    // Value is the requested hue already.
    void SetDeltaHue(int32_t value);
    int32_t RequestedHue() const { return m_requestedHue; }
    int32_t AppliedHue() const { return m_appliedHue; }

private:
    TSeSkinBody m_body;
    bool m_loading = false;
    int32_t m_requestedHue = 0;
    int32_t m_appliedHue = 0;
};

// Registers TSeSkinSource with its header strings; later calls do nothing.
void RegisterSkinSourceClass();

} // namespace brisat
