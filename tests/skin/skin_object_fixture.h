// Small skin trees, a bound control that answers for a skinned form, and a form that records
// the window actions it is asked for.
#pragma once

#include "framework/controls/control.h"
#include "skin/objects/skin_messages.h"
#include "skin/objects/skin_object_classes.h"
#include "skin/objects/skinned_form_interface.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace brisat::test {

// A child of Parent with an alignment and a rectangle.
template <class T = TSeSkinObject>
T& AddChild(TSeSkinObject& parent, const std::string& name, TSeAlign align, const TRect& rect) {
    T& child = CreateOwned<T>(parent);
    child.SetName(name);
    child.SetAlign(align);
    child.SetBounds(rect);
    return child;
}

class TRecordingForm : public ISkinnedForm {
public:
    std::vector<std::string> Calls;
    std::set<TKsBorderIcon> Icons = {TKsBorderIcon::kbiClose,    TKsBorderIcon::kbiSystemMenu,
                                     TKsBorderIcon::kbiMinimize, TKsBorderIcon::kbiMaximize,
                                     TKsBorderIcon::kbiRollup,   TKsBorderIcon::kbiTray};
    const TKsBitmap* Icon = nullptr;
    // Runs inside Close, after it is recorded.
    std::function<void()> OnClose;

    void Close() override {
        Calls.push_back("Close");
        if (OnClose) OnClose();
    }
    void Help() override { Calls.push_back("Help"); }
    void Minimize() override { Calls.push_back("Minimize"); }
    void Maximize() override { Calls.push_back("Maximize"); }
    void Restore() override { Calls.push_back("Restore"); }
    void RollUp() override { Calls.push_back("RollUp"); }
    void HideToTray() override { Calls.push_back("HideToTray"); }
    void OpenSystemMenu() override { Calls.push_back("OpenSystemMenu"); }
    void CustomAction(TSeSkinObject& button) override { Calls.push_back("Custom " + button.Name()); }
    bool HasBorderIcon(TKsBorderIcon icon) const override { return Icons.contains(icon); }
    const TKsBitmap* WindowIcon() const override { return Icon; }
    void ProcessPendingMessages() override { Calls.push_back("ProcessPendingMessages"); }
};

// A control that hands out Form (when set) for the get-skinned-form message and records the
// objects it is asked to repaint.
class TFormControl : public TControl {
public:
    using TControl::TControl;
    ISkinnedForm* Form = nullptr;
    std::vector<TSeSkinObject*> Repainted;

protected:
    void WndProc(TMessage& m) override {
        if (m.Msg == SM_GETSKINNEDFORM)
            m.Result = reinterpret_cast<LRESULT>(Form);
        else if (m.Msg == SM_SKINOBJECTREPAINT)
            Repainted.push_back(reinterpret_cast<TSeSkinObject*>(m.LParam));
        else
            TControl::WndProc(m);
    }
};

} // namespace brisat::test
