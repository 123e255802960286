#include "preview_states.h"

#include "framework/core/identifiers.h"

#include <map>

namespace brisat {
namespace {

bool IsWindow(const TSeSkinObject& object) {
    return SameText(object.Name(), "Form") || SameText(object.Name(), "ToolWindow") ||
           object.Kind() == TSeKind::skForm;
}

// Caption buttons in depth-first order.
void CollectButtons(TSeSkinObject& object, std::vector<TSeSkinObject*>& buttons) {
    if (object.Kind() == TSeKind::skSysButton) buttons.push_back(&object);
    for (int i = 0; i < object.ChildCount(); ++i)
        CollectButtons(object.Child(i), buttons);
}

TSeSkinObject& ButtonOf(TSeSkinObject& clone, size_t index) {
    std::vector<TSeSkinObject*> buttons;
    CollectButtons(clone, buttons);
    return *buttons.at(index);
}

TPreviewLook WindowLook(std::string label, bool active, TSeState state) {
    return {std::move(label),
            [active, state](TSeSkinObject& clone) {
                clone.SetActive(active);
                clone.SetState(state);
            },
            state == ssRolledUp};
}

std::vector<TPreviewLook> WindowLooks(TSeSkinObject& object) {
    std::vector<TPreviewLook> looks{WindowLook("active", true, ssNormal),
                                    WindowLook("inactive", false, ssNormal),
                                    WindowLook("maximized", true, ssMaximized),
                                    WindowLook("rolled up", true, ssRolledUp)};
    std::vector<TSeSkinObject*> buttons;
    CollectButtons(object, buttons);
    for (size_t i = 0; i < buttons.size(); ++i) {
        const std::string name = buttons[i]->Name().empty() ? "button " + std::to_string(i)
                                                            : buttons[i]->Name();
        looks.push_back({name + " hot", [i](TSeSkinObject& clone) {
                             clone.SetActive(true);
                             ButtonOf(clone, i).MouseEnter();
                         }});
        looks.push_back({name + " pressed", [i](TSeSkinObject& clone) {
                             clone.SetActive(true);
                             TSeSkinObject& button = ButtonOf(clone, i);
                             button.MouseEnter();
                             button.MouseDown(TMouseButton::mbLeft, 1, 1);
                         }});
    }
    return looks;
}

TPreviewLook ControlLook(std::string label, TSeState state) {
    return {std::move(label), [state](TSeSkinObject& clone) {
                clone.SetActive(true);
                clone.SetEnabled(state != ssDisabled);
                clone.SetState(state);
            }};
}

} // namespace

std::vector<TPreviewLook> PreviewLooks(TSeSkinObject& object) {
    if (IsWindow(object)) return WindowLooks(object);
    return {ControlLook("normal", ssNormal), ControlLook("hot", ssHot),
            ControlLook("pressed", ssPressed), ControlLook("focused", ssFocused),
            ControlLook("disabled", ssDisabled)};
}

TSize PreviewSize(const TSeSkinObject& object) {
    static const std::map<std::string, TSize, std::less<>> sizes{
        {"form", {320, 200}},     {"toolwindow", {240, 160}}, {"menubar", {320, 24}},
        {"popupmenu", {160, 120}}, {"button", {96, 28}},      {"checkbox", {120, 22}},
        {"radiobutton", {120, 22}}, {"groupbox", {160, 100}}, {"panel", {160, 80}},
        {"trackbar", {160, 28}},  {"scrollbar", {160, 17}},   {"listbox", {140, 100}},
        {"combobox", {140, 24}},  {"edit", {140, 24}},        {"tabs", {200, 120}}};
    std::string key = object.Name();
    for (char& c : key)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    if (auto it = sizes.find(key); it != sizes.end()) return it->second;
    if (IsWindow(object)) return {320, 200};
    return {120, 60};
}

int32_t RolledUpHeight(TSeSkinObject& placed) {
    const TSeSkinObject* client = placed.FindObjectByKind(TSeKind::skClient);
    if (!client || client == &placed) return placed.Height();
    return placed.Height() - client->Height();
}

void SetPreviewTexts(TSeSkinObject& clone, const std::string& skinName) {
    if (TSeSkinObject* title = clone.FindObjectByKind(TSeKind::skTitle))
        title->SetText(skinName);
    else
        clone.SetText(clone.Name());
}

} // namespace brisat
