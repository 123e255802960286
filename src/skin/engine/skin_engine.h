// TSeSkinEngine: holds the current skin and tells every form and the controls it owns when the
// skin changes. It keeps no list of clients: it sends "skin changing" before and "skin changed"
// after every change, both carrying the engine, and each client answers only its own engine's.
#pragma once

#include "framework/controls/control.h"
#include "framework/core/component.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brisat {

class TSeSkinSource;

// Window messages of the skin clients; both parameters carry the engine.
inline constexpr UINT SkinChangedMessage = 1702;
inline constexpr UINT SkinChangingMessage = 1703;

class TSeSkinEngine : public TComponent {
public:
    explicit TSeSkinEngine(TComponent* owner = nullptr);
    ~TSeSkinEngine() override;

    std::string ClassName() const override { return "TSeSkinEngine"; }

    // The loaded skin, for clients.
    TSeSkinSource& Skin() const { return *m_skin; }

    int32_t DeltaHue() const { return m_deltaHue; }
    // Re-tints the loaded skin by the difference to the hue applied so far; without a skin the
    // value waits for the next one.
    void SetDeltaHue(int32_t value);

    const std::string& SkinFile() const { return m_skinFile; }
    // Loads the file (the name as given, then under the program's folder) and broadcasts the
    // change; a missing file leaves the engine without a skin. A damaged file raises its error
    // after the clients were told that the skin is gone. While a layout is read the name is only
    // kept, and the file loads once the layout is read (see HoldLayoutSkin).
    void SetSkinFile(const std::string& fileName);
    // Keeps the file a layout names from loading when the layout is read: it waits for the next
    // SetSkinFile, so an owner that chooses its skin right after reading loads one file, not
    // two. Called while the layout is being read (from the owner's Loaded, which runs first).
    void HoldLayoutSkin() { m_holdLayoutSkin = m_layoutSkinPending; }

    bool SkinStoreCompression() const { return m_skinStoreCompression; }
    void SetSkinStoreCompression(bool value) { m_skinStoreCompression = value; }

    // The embedded skin: a flag byte, then the compressed skin when the flag is not 0.
    std::vector<uint8_t> SkinStream() const;
    void SetSkinStream(const std::vector<uint8_t>& bytes);

    // The broadcasts, in the order clients rely on.
    void BeforeChange();
    void AfterChange();

    TNotifyEvent OnBeforeChange;
    TNotifyEvent OnAfterChange;

protected:
    void Loaded() override;

private:
    void Broadcast(UINT message);
    void LoadSkinFile();

    TSeSkinSource* m_skin = nullptr; // owned as a component
    std::string m_skinFile;
    int32_t m_deltaHue = 0;
    bool m_skinStoreCompression = false;
    bool m_hueBusy = false;
    bool m_layoutSkinPending = false; // SkinFile was read from a layout and waits for Loaded
    bool m_holdLayoutSkin = false;
};

// Registers TSeSkinEngine for window layouts; safe to call more than once.
void RegisterSkinEngineClass();

} // namespace brisat
