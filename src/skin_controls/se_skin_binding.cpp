#include "skin_controls/se_skin_binding.h"

#include "skin/engine/skin_engine.h"
#include "skin/files/skin_source.h"
#include "skin/objects/skin_messages.h"
#include "skin/objects/skin_object.h"

namespace brisat {

TSeSkinBinding::TSeSkinBinding(TControl& control, std::string skinObject)
    : m_control(control), m_skinObject(std::move(skinObject)) {}

TSeSkinBinding::~TSeSkinBinding() = default;

bool TSeSkinBinding::SourceUsable() const {
    if (!m_engine) return false;
    const TSeSkinSource& source = m_engine->Skin();
    return !source.Loading() && source.Count() > 0;
}

void TSeSkinBinding::SetSkinEngine(TSeSkinEngine* engine) {
    m_control.ChangeReference(m_engine, engine);
    m_object.reset();
    if (SourceUsable()) {
        if (const TSeSkinObject* found = m_engine->Skin().FindObject(m_skinObject)) {
            m_object = CloneObject(*found);
            if (m_object) m_object->SetControl(&m_control);
        }
    }
    if (OnBound) OnBound();
    m_control.Invalidate();
}

bool TSeSkinBinding::IsSkinned() const {
    const TComponentState state = m_control.ComponentState();
    if (state.Contains(TComponentStateFlag::csDestroying) ||
        state.Contains(TComponentStateFlag::csLoading))
        return false;
    return m_object && SourceUsable() && m_engine->Skin().FindObject(m_skinObject);
}

bool TSeSkinBinding::IsOwnEngine(const TMessage& message) const {
    return m_engine && message.LParam == reinterpret_cast<LPARAM>(m_engine);
}

bool TSeSkinBinding::HandleMessage(TMessage& message) {
    switch (message.Msg) {
    case SkinChangingMessage:
        if (IsOwnEngine(message)) m_object.reset();
        return true;
    case SkinChangedMessage:
        if (IsOwnEngine(message)) SetSkinEngine(m_engine);
        return true;
    case SM_SKINOBJECTREPAINT:
        m_control.Invalidate();
        return true;
    default:
        return false;
    }
}

void TSeSkinBinding::Notification(TComponent& component, TOperation operation) {
    if (operation == TOperation::opRemove && &component == m_engine) SetSkinEngine(nullptr);
}

} // namespace brisat
