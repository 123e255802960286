#include "skin/engine/skin_engine.h"

#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "framework/controls/screen.h"
#include "framework/core/class_registry.h"
#include "framework/core/streams.h"
#include "skin/files/skin_source.h"

#include <algorithm>

namespace brisat {

namespace {

constexpr const char* EngineVersion = "2.8.8";
constexpr uint8_t EmbeddedSkinFlag = 2;

// Runs Step and clears Flag afterwards, also when Step raises.
template <class F> void WithFlag(bool& flag, F step) {
    flag = true;
    try {
        step();
    } catch (...) {
        flag = false;
        throw;
    }
    flag = false;
}

bool IsSkinClient(const TComponent& component) {
    return dynamic_cast<const TWinControl*>(&component) ||
           dynamic_cast<const TGraphicControl*>(&component);
}

// Tells the form's window first (a skinned frame hooks it there), then each control the form
// owns, in ownership order. A client may free components while it answers, so every step looks
// its target up again.
void TellFormAndItsControls(TCustomForm& form, UINT message, WPARAM engine) {
    if (form.HandleAllocated())
        SendMessage(form.Handle(), message, engine, LPARAM(engine));
    else
        form.Perform(message, engine, LPARAM(engine));
    for (int i = 0; i < form.ComponentCount(); ++i) {
        TComponent& owned = form.Components(i);
        if (IsSkinClient(owned))
            static_cast<TControl&>(owned).Perform(message, engine, LPARAM(engine));
    }
}

std::vector<TCustomForm*> FormsNow() {
    std::vector<TCustomForm*> forms;
    for (int i = 0; i < Screen().FormCount(); ++i)
        forms.push_back(&Screen().Forms(i));
    return forms;
}

bool StillAForm(const TCustomForm* form) {
    const std::vector<TCustomForm*> now = FormsNow();
    return std::find(now.begin(), now.end(), form) != now.end();
}

void RunPendingMessages() {
    if (Application) Application->ProcessMessages();
}

} // namespace

TSeSkinEngine::TSeSkinEngine(TComponent* owner) : TComponent(owner) {
    m_skin = &static_cast<TSeSkinSource&>(
        InsertComponent(std::make_unique<TSeSkinSource>(nullptr)));
}

TSeSkinEngine::~TSeSkinEngine() = default;

void TSeSkinEngine::Broadcast(UINT message) {
    const WPARAM engine = reinterpret_cast<WPARAM>(this);
    for (TCustomForm* form : FormsNow()) {
        if (!StillAForm(form)) continue;
        TellFormAndItsControls(*form, message, engine);
        if (message == SkinChangedMessage) RunPendingMessages();
    }
    if (message == SkinChangingMessage) RunPendingMessages();
}

void TSeSkinEngine::BeforeChange() {
    if (OnBeforeChange) OnBeforeChange(*this);
    Broadcast(SkinChangingMessage);
}

void TSeSkinEngine::AfterChange() {
    Broadcast(SkinChangedMessage);
    if (OnAfterChange) OnAfterChange(*this);
}

void TSeSkinEngine::SetSkinFile(const std::string& fileName) {
    m_skinFile = fileName;
    m_layoutSkinPending = ComponentState().Contains(TComponentStateFlag::csLoading);
    if (!m_layoutSkinPending) LoadSkinFile();
}

void TSeSkinEngine::LoadSkinFile() {
    const bool shown = m_skin->Count() > 0;
    if (shown) {
        m_skin->SetLoading(true);
        BeforeChange();
    }
    try {
        m_skin->Clear();
        m_skin->LoadFromFile(m_skinFile);
        m_skin->SetLoading(false);
        m_skin->SetDeltaHue(m_deltaHue);
    } catch (...) {
        // The skin is gone: clients repaint in their plain look instead of keeping pictures of
        // a skin they no longer hold; the error still reaches whoever chose the file.
        m_skin->Clear();
        m_skin->SetLoading(false);
        if (shown) AfterChange();
        throw;
    }
    AfterChange();
}

void TSeSkinEngine::SetDeltaHue(int32_t value) {
    if (value == m_deltaHue && value == m_skin->RequestedHue()) return;
    m_deltaHue = value;
    if (m_skin->Count() == 0 || m_hueBusy) return;
    WithFlag(m_hueBusy, [&] {
        BeforeChange();
        m_skin->SetDeltaHue(value);
        AfterChange();
    });
}

std::vector<uint8_t> TSeSkinEngine::SkinStream() const {
    if (m_skin->Count() == 0) return {0};
    TMemoryStream stream;
    stream.Write(&EmbeddedSkinFlag, 1);
    m_skin->SaveToStream(stream);
    return stream.Data();
}

void TSeSkinEngine::SetSkinStream(const std::vector<uint8_t>& bytes) {
    if (bytes.empty()) throw EReadError("SkinStream holds no flag byte");
    if (bytes[0] == 0) return;
    TMemoryStream stream(std::vector<uint8_t>(bytes.begin() + 1, bytes.end()));
    m_skin->LoadFromStream(stream);
    m_skinFile.clear();
    m_layoutSkinPending = false;
}

void TSeSkinEngine::Loaded() {
    TComponent::Loaded();
    const bool load = m_layoutSkinPending && !m_holdLayoutSkin;
    m_layoutSkinPending = m_holdLayoutSkin = false;
    if (load) return LoadSkinFile();
    if (OnAfterChange && m_skin->Count() > 0) OnAfterChange(*this);
}

void RegisterSkinEngineClass() {
    TClassRegistry& registry = TClassRegistry::Instance();
    if (registry.Find("TSeSkinEngine")) return;
    using E = TSeSkinEngine;
    TClassDeclaration<E>("TSeSkinEngine", "TComponent")
        .Integer("DeltaHue", &E::DeltaHue, &E::SetDeltaHue)
        .String("SkinFile", &E::SkinFile, &E::SetSkinFile)
        .String(
            "SkinStore", [](const E&) { return std::string("(none)"); },
            [](E&, const std::string&) {})
        .Boolean("SkinStoreCompression", &E::SkinStoreCompression, &E::SetSkinStoreCompression)
        .String(
            "Version", [](const E&) { return std::string(EngineVersion); },
            [](E&, const std::string&) {})
        .Event<TNotifyEvent>("OnBeforeChange", [](E& e, TNotifyEvent f) { e.OnBeforeChange = f; })
        .Event<TNotifyEvent>("OnAfterChange", [](E& e, TNotifyEvent f) { e.OnAfterChange = f; })
        .Bytes("SkinStream", &E::SkinStream, &E::SetSkinStream)
        .WrittenLast()
        .Register(registry);
}

} // namespace brisat
