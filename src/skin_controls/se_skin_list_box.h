// TSeSkinListBox: the list box drawn with the skin object "ListBox": its child "Frame" as the
// border and background (the items lie inside its margins), "Item" behind every item (its font
// for the text) and "Checked", "Mixed" or "Unchecked" for the check boxes. Its scroll bar is a
// TSeSkinScrollBar served by the same engine. A missing child draws that piece plain.
// GUI thread only.
#pragma once

#include "skin_controls/ks_custom_list_box.h"
#include "skin/objects/skin_object_types.h"
#include "skin_controls/se_skin_control.h"

namespace brisat {

class TSeSkinListBox : public TSeSkinControl<TKsCustomListBox> {
public:
    explicit TSeSkinListBox(TComponent* owner);
    std::string ClassName() const override { return "TSeSkinListBox"; }

    int32_t GetCheckColumnWidth() const override;
    TRect ListRect() const override;

protected:
    TKsCustomScrollBar* CreateListScrollBar() override;
    void SkinBound() override;
    void PaintBorder() override;
    void PaintBackground() override;
    void DrawItem(TKsBitmap& bitmap, int32_t index, const TRect& rect) override;
    void DrawCheck(int32_t index, const TRect& rect) override;
    int32_t ExtraItemHeight() const override;

private:
    TSeSkinObject* Child(const char* name) const;
    TSeState FrameState(bool focusShown) const;
    void DrawPart(TSeSkinObject& part, const TRect& rect, TSeState state);
};

} // namespace brisat
