// TSeSkinBinding: what ties a skinned control to the skin engine. It keeps the engine (cleared
// when the engine goes), the name of the top-level skin object the control draws with, and the
// control's private deep copy of that object, bound to the control. The engine's "skin changing"
// releases the copy and "skin changed" takes a fresh one; a skin object's repaint request
// invalidates the control. Messages of any other engine are ignored. GUI thread only.
#pragma once

#include "framework/controls/control.h"

#include <functional>
#include <memory>
#include <string>

namespace brisat {

class TSeSkinEngine;
class TSeSkinObject;

// The version every skinned control reports.
inline constexpr const char* SeSkinVersion = "2.8.8";

class TSeSkinBinding {
public:
    TSeSkinBinding(TControl& control, std::string skinObject);
    ~TSeSkinBinding();
    TSeSkinBinding(const TSeSkinBinding&) = delete;
    TSeSkinBinding& operator=(const TSeSkinBinding&) = delete;

    TSeSkinEngine* SkinEngine() const { return m_engine; }
    // Stores the engine, takes a fresh copy of the skin object when the engine holds a skin
    // (else releases it), and invalidates the control. Also the refresh after a skin change.
    void SetSkinEngine(TSeSkinEngine* engine);
    // Only stores the name: the copy follows at the next SetSkinEngine or skin change.
    const std::string& SkinObject() const { return m_skinObject; }
    void SetSkinObject(std::string name) { m_skinObject = std::move(name); }
    // The private copy, or nullptr.
    TSeSkinObject* Object() const { return m_object.get(); }
    // Whether the control draws with the skin now.
    bool IsSkinned() const;

    // Answers the engine's and the skin objects' messages; true when Message was one of them.
    bool HandleMessage(TMessage& message);
    // The engine's removal clears the reference.
    void Notification(TComponent& component, TOperation operation);

    // Called after every refresh of the copy (taken or released).
    std::function<void()> OnBound;

private:
    bool SourceUsable() const;
    bool IsOwnEngine(const TMessage& message) const;

    TControl& m_control;
    TSeSkinEngine* m_engine = nullptr;
    std::string m_skinObject;
    std::unique_ptr<TSeSkinObject> m_object;
};

} // namespace brisat
