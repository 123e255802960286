// TSeSkinItem: a menu item drawn with the engine's skin: bar items with the "MenuBar" object's
// "Item", popup items with the "PopupMenu" object's "Item" and "Separator". The engine's own
// objects are used, not copies; they are looked up at every use, so a skin change never leaves
// an item holding a freed object. Without a skin, or without its object, the item draws the
// plain look. Setting the engine binds the whole sub-tree. GUI thread only.
#pragma once

#include "skin/objects/skin_object_types.h"
#include "skin_windows/ks_custom_item.h"

namespace brisat {

class TSeSkinEngine;
class TSeSkinObject;

class TSeSkinItem : public TKsCustomItem {
public:
    explicit TSeSkinItem(TComponent* owner) : TKsCustomItem(owner) {}
    std::string ClassName() const override { return "TSeSkinItem"; }

    TSeSkinEngine* SkinEngine() const { return m_engine; }
    // On this item and every skin-engine item below it.
    void SetSkinEngine(TSeSkinEngine* engine);
    std::string Version() const;
    void SetVersion(const std::string&) {}
    // Whether the item draws with the skin in a bar (BarItem) or in a popup.
    bool IsSkinned(bool barItem) const { return ItemObject(barItem) != nullptr; }

    void MeasureItem(TKsBitmap& bitmap, const TKsItemView& view, int32_t& width,
                     int32_t& height) override;
    void DrawItem(TKsBitmap& bitmap, const TKsItemView& view, const TRect& rect, bool selected,
                  bool notActive) override;

protected:
    std::unique_ptr<TKsPopupWindow> MakePopupWindow() override;
    void Notification(TComponent& component, TOperation operation) override;

private:
    // The engine's "MenuBar" or "PopupMenu" item object, when it has a usable skin.
    TSeSkinObject* ItemObject(bool barItem) const;
    TSeSkinObject* SeparatorObject() const;
    void DrawPopupItem(TKsBitmap& bitmap, TSeSkinObject& object, const TRect& rect, TSeState state);

    TSeSkinEngine* m_engine = nullptr;
};

} // namespace brisat
