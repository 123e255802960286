// TSeSkinForm: the skinned form. It draws its owner window's frame from a skin object ("Form" by
// default, "ToolWindow" for tool windows) of its skin engine: the form keeps a private clone of
// that object bound to the window, lays it out at the window's size, answers hit tests by the
// kind of the skin object under the point, lets the skin's caption buttons run the window
// operations, shapes the window by the skin and places the controls the skin links to. Without
// a skin, or with a skin lacking the object, the plain frame of its base shows; a skin without
// caption buttons of any size gets the plain caption buttons in its caption. The skin objects
// find the form through the get-skinned-form message of the window. GUI thread only.
#pragma once

#include "skin/objects/skinned_form_interface.h"
#include "skin_windows/ks_custom_form.h"

#include <functional>
#include <memory>
#include <string>

namespace brisat {

class TSeSkinEngine;
class TSeSkinObject;
class TTimer;

class TSeSkinForm : public TKsCustomForm, public ISkinnedForm {
public:
    using TCustomActionEvent = std::function<void(TSeSkinForm& sender, TSeSkinObject& button)>;

    explicit TSeSkinForm(TComponent* owner);
    ~TSeSkinForm() override;
    std::string ClassName() const override { return "TSeSkinForm"; }

    // --- Persistent properties ---------------------------------------------------------------
    TSeSkinEngine* SkinEngine() const { return m_engine; }
    // Binds the frame to the engine's skin (or the plain frame without one).
    void SetSkinEngine(TSeSkinEngine* engine);
    const std::string& SkinObject() const { return m_skinObject; }
    // Takes effect at the next binding.
    void SetSkinObject(std::string name) { m_skinObject = std::move(name); }
    std::string Version() const;
    void SetVersion(const std::string&) {}
    // The caption button of action sbaCustom that was clicked.
    TCustomActionEvent OnCustomAction;

    // --- The skinned frame -------------------------------------------------------------------
    // The clone the frame draws with, and its title and client objects; nullptr when none.
    TSeSkinObject* FormObject() const { return m_clone.get(); }
    TSeSkinObject* TitleObject() const { return m_title; }
    TSeSkinObject* ClientObject() const { return m_client; }
    // Whether the frame comes from the skin: a clone and a border style.
    bool IsSkinned() const;
    // The clone laid out at the window's size (without shadow) for the current window state, as
    // the frame draws it; nullptr when not skinned.
    TSeSkinObject* PreparedObject();

    // --- ISkinnedForm ------------------------------------------------------------------------
    void Close() override { TKsCustomForm::Close(); }
    void Help() override { TKsCustomForm::Help(); }
    void Minimize() override { TKsCustomForm::Minimize(); }
    void Maximize() override { TKsCustomForm::Maximize(); }
    void Restore() override { TKsCustomForm::Restore(); }
    void RollUp() override { TKsCustomForm::RollUp(); }
    void HideToTray() override { MinimizeToTray(); }
    void OpenSystemMenu() override { ShowSystemMenu(); }
    void CustomAction(TSeSkinObject& button) override;
    bool HasBorderIcon(TKsBorderIcon icon) const override;
    const TKsBitmap* WindowIcon() const override;
    void ProcessPendingMessages() override;

    // --- Skinned virtual operations ---------------------------------------------------------
    std::optional<TRegion> GetRegion() override;
    // A skinned item bound to the engine, so the system menu takes the skin's popup look.
    TKsCustomItem* CreateMenuItem(TComponent* owner) override;
    void GetButtonRect(TKsBorderIcon icon, TRect& rect) override;
    void GetClientRect(TRect& rect) override;
    TRect GetMaximizedRect() override;
    void PaintFrame(TKsBitmap& bitmap) override;
    void PaintBackground(TKsBitmap& bitmap) override;
    int32_t HitTest(int32_t x, int32_t y) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

protected:
    void MessageHandler(TMessage& message) override;
    void Loaded() override;
    void Notification(TComponent& component, TOperation operation) override;

private:
    // The engine's skin when it holds one that is not loading.
    bool SkinUsable() const;
    void Bind();
    // Lets go of the clone and every pointer into it.
    void Unbind();
    const TSeSkinObject* ChooseObject() const;
    void PlaceLinkedControls();
    void RepaintChildren();
    void HoverTick();
    // The visible skin object at the window point, or nullptr.
    TSeSkinObject* ObjectAt(int32_t x, int32_t y);
    // The band the built-in caption buttons take in the skin's caption: they stand in for the
    // buttons of a skin that has none of any size.
    TRect PlainButtonBand();

    TSeSkinEngine* m_engine = nullptr;
    std::string m_skinObject = "Form";
    std::unique_ptr<TSeSkinObject> m_clone;
    TSeSkinObject* m_title = nullptr;
    TSeSkinObject* m_client = nullptr;
    TSeSkinObject* m_hovered = nullptr;
    TSeSkinObject* m_pressed = nullptr;
    std::unique_ptr<TTimer> m_hoverTimer;
};

} // namespace brisat
