#include "skin_controls/list_control_classes.h"

#include "framework/core/enum_info.h"
#include "skin_controls/se_skin_list_box.h"
#include "skin_controls/se_skin_scroll_bar.h"
#include "skin_controls/skin_control_properties.h"

namespace brisat {
namespace {

void RegisterScrollBars(TClassRegistry& registry) {
    using T = TKsCustomScrollBar;
    TClassDeclaration<T> d("TKsCustomScrollBar", "TKsGraphicControl");
    d.Integer("Position", &T::Position, &T::SetPosition, [](const T& b) { return b.Position() != 0; })
        .Integer("Min", &T::Min, &T::SetMin, [](const T& b) { return b.Min() != 0; })
        .Integer("BorderWidth", &T::BorderWidth, &T::SetBorderWidth)
        .Integer("Max", &T::Max, &T::SetMax, [](const T& b) { return b.Max() != 100; })
        .Integer("PageSize", &T::PageSize, &T::SetPageSize, [](const T& b) { return b.PageSize() != 0; })
        .Enumeration("Kind", EnumInfoOf<TScrollBarKind>("TScrollBarKind"), &T::Kind, &T::SetKind)
        .Boolean("ShowButtons", &T::ShowButtons, &T::SetShowButtons,
                 [](const T& b) { return !b.ShowButtons(); })
        .Integer("LargeChange", &T::LargeChange, &T::SetLargeChange,
                 [](const T& b) { return b.LargeChange() != 1; })
        .Integer("SmallChange", &T::SmallChange, &T::SetSmallChange,
                 [](const T& b) { return b.SmallChange() != 1; })
        .template Event<TNotifyEvent>("OnChange", [](T& b, const TNotifyEvent& f) { b.OnChange = f; })
        .template Event<TKsScrollEvent>("OnScroll",
                                        [](T& b, const TKsScrollEvent& f) { b.OnScroll = f; })
        .Register(registry);
    TClassDeclaration<TSeSkinScrollBar> skinned("TSeSkinScrollBar", "TKsCustomScrollBar");
    SkinBindingProperties(skinned).Register(registry);
}

void RegisterItems(TClassRegistry& registry) {
    TClassDeclaration<TEkListBoxItems>("TEkListBoxItems", "TPersistent")
        .String("Text", &TEkListBoxItems::Text,
                [](TEkListBoxItems& l, const std::string& text) { l.SetText(text); })
        .Register(registry);
}

void RegisterListBoxes(TClassRegistry& registry) {
    using T = TKsCustomListBox;
    TClassDeclaration<T> d("TKsCustomListBox", "TKsCustomControl");
    d.Object("Items", [](T& l) -> TEkListBoxItems& { return l.Items(); })
        .Boolean("AlwaysShowScrlBar", &T::AlwaysShowScrlBar, &T::SetAlwaysShowScrlBar,
                 [](const T& l) { return l.AlwaysShowScrlBar(); })
        .Boolean("ShowCheckBoxes", &T::ShowCheckBoxes, &T::SetShowCheckBoxes,
                 [](const T& l) { return l.ShowCheckBoxes(); })
        .Boolean("Flat", &T::Flat, &T::SetFlat, [](const T& l) { return !l.Flat(); })
        .Boolean("AllowGrayed", &T::AllowGrayed, &T::SetAllowGrayed,
                 [](const T& l) { return l.AllowGrayed(); })
        .Boolean("MultiSelect", &T::MultiSelect, &T::SetMultiSelect,
                 [](const T& l) { return l.MultiSelect(); })
        .Integer("Columns", &T::Columns, &T::SetColumns, [](const T& l) { return l.Columns() != 0; })
        .Boolean("WordWrap", &T::WordWrap, &T::SetWordWrap, [](const T& l) { return l.WordWrap(); })
        .Enumeration("ListStyle", EnumInfoOf<TKsListBoxStyle>("TKsListBoxStyle"), &T::ListStyle,
                     &T::SetListStyle,
                     [](const T& l) { return l.ListStyle() != TKsListBoxStyle::lbStandard; })
        .Boolean("Sorted", &T::Sorted, &T::SetSorted, [](const T& l) { return l.Sorted(); })
        .Enumeration("FontDevice", EnumInfoOf<TKsFontDevice>("TKsFontDevice"), &T::FontDevice,
                     &T::SetFontDevice,
                     [](const T& l) { return l.FontDevice() != TKsFontDevice::fdScreen; })
        .Enumeration("FontType", EnumInfoOf<TKsFontType>("TKsFontType"), &T::FontType,
                     &T::SetFontType, [](const T& l) { return l.FontType() != TKsFontType::ftAll; })
        .Integer("ItemHeight", &T::ItemHeight, &T::SetItemHeight,
                 [](const T& l) { return l.ItemHeight() != 16; })
        .Enumeration("BorderStyle", EnumInfoOf<TBorderStyle>("TBorderStyle"), &T::BorderStyle,
                     &T::SetBorderStyle,
                     [](const T& l) { return l.BorderStyle() != TBorderStyle::bsSingle; })
        .template Event<TNotifyEvent>("OnClick", [](T& l, const TNotifyEvent& f) { l.OnClick = f; })
        .template Event<TNotifyEvent>("OnDblClick",
                                      [](T& l, const TNotifyEvent& f) { l.OnDblClick = f; })
        .template Event<T::TDrawItemEvent>(
            "OnDrawItem", [](T& l, const T::TDrawItemEvent& f) { l.OnDrawItem = f; })
        .template Event<T::TMeasureItemEvent>(
            "OnMeasureItem", [](T& l, const T::TMeasureItemEvent& f) { l.OnMeasureItem = f; })
        .template Event<TControl::TMouseEvent>(
            "OnMouseDown", [](T& l, const TControl::TMouseEvent& f) { l.OnMouseDown = f; })
        .Register(registry);
    TClassDeclaration<TSeSkinListBox> skinned("TSeSkinListBox", "TKsCustomListBox");
    SkinBindingProperties(skinned).Register(registry);
}

} // namespace

void RegisterListControlClasses(TClassRegistry& registry) {
    RegisterScrollBars(registry);
    RegisterItems(registry);
    RegisterListBoxes(registry);
}

} // namespace brisat
