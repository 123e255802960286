// TSeSkinControl<Base>: a self-drawn control (Base: a TKs… class) bound to the skin engine by the
// name of a skin object: SkinEngine, SkinObject, the read-only Version, IsSkinned and the private
// skin object copy. Every TSe control derives from it. GUI thread only.
#pragma once

#include "skin_controls/se_skin_binding.h"

#include <string>

namespace brisat {

template <class Base> class TSeSkinControl : public Base {
public:
    TSeSkinControl(TComponent* owner, std::string skinObject)
        : Base(owner), m_binding(*this, std::move(skinObject)) {
        m_binding.OnBound = [this] { SkinBound(); };
    }

    TSeSkinEngine* SkinEngine() const { return m_binding.SkinEngine(); }
    void SetSkinEngine(TSeSkinEngine* engine) { m_binding.SetSkinEngine(engine); }
    const std::string& SkinObject() const { return m_binding.SkinObject(); }
    void SetSkinObject(const std::string& name) { m_binding.SetSkinObject(name); }
    // Always "2.8.8"; writing it has no effect.
    std::string Version() const { return SeSkinVersion; }
    void SetVersion(const std::string&) {}
    bool IsSkinned() const { return m_binding.IsSkinned(); }
    // The private copy of the skin object, or nullptr.
    TSeSkinObject* SkinCopy() const { return m_binding.Object(); }

protected:
    // After the copy was taken or released.
    virtual void SkinBound() {}

    void WndProc(TMessage& message) override {
        if (!m_binding.HandleMessage(message)) Base::WndProc(message);
    }
    void Notification(TComponent& component, TOperation operation) override {
        Base::Notification(component, operation);
        m_binding.Notification(component, operation);
    }

private:
    TSeSkinBinding m_binding;
};

} // namespace brisat
