#include "framework/widgets/input_control_classes.h"

#include "framework/controls/control_classes.h"
#include "framework/core/class_registry.h"
#include "framework/core/enum_info.h"
#include "framework/core/exceptions.h"
#include "framework/core/utf8.h"
#include "framework/widgets/character_value.h"
#include "framework/widgets/combo_box.h"
#include "framework/widgets/control_styles.h"
#include "framework/widgets/edit.h"
#include "framework/widgets/list_box.h"
#include "framework/widgets/memo.h"
#include "framework/widgets/track_bar.h"

namespace brisat {

const TEnumInfo TrackBarOrientationInfo = EnumInfoOf<TTrackBarOrientation>("TTrackBarOrientation");
const TEnumInfo TickMarkInfo = EnumInfoOf<TTickMark>("TTickMark");
const TEnumInfo TickStyleInfo = EnumInfoOf<TTickStyle>("TTickStyle");
const TEnumInfo ScrollStyleInfo = EnumInfoOf<TScrollStyle>("TScrollStyle");
const TEnumInfo ListBoxStyleInfo = EnumInfoOf<TListBoxStyle>("TListBoxStyle");
const TEnumInfo ComboBoxStyleInfo = EnumInfoOf<TComboBoxStyle>("TComboBoxStyle");

namespace {

void RegisterTrackBar(TClassRegistry& registry) {
    using T = TTrackBar;
    TClassDeclaration<T>("TTrackBar", "TCustomControl")
        .Integer("LineSize", &T::LineSize, &T::SetLineSize,
                 [](const T& t) { return t.LineSize() != 1; })
        .Integer("Max", &T::Max, &T::SetMax, [](const T& t) { return t.Max() != 10; })
        .Integer("Min", &T::Min, &T::SetMin, [](const T& t) { return t.Min() != 0; })
        .Enumeration("Orientation", TrackBarOrientationInfo, &T::Orientation, &T::SetOrientation,
                     [](const T& t) { return t.Orientation() != TTrackBarOrientation::trHorizontal; })
        .Integer("PageSize", &T::PageSize, &T::SetPageSize,
                 [](const T& t) { return t.PageSize() != 2; })
        .Integer("Frequency", &T::Frequency, &T::SetFrequency,
                 [](const T& t) { return t.Frequency() != 1; })
        .Integer("Position", &T::Position, &T::SetPosition,
                 [](const T& t) { return t.Position() != 0; })
        .Boolean("SliderVisible", &T::SliderVisible, &T::SetSliderVisible,
                 [](const T& t) { return !t.SliderVisible(); })
        .Integer("SelEnd", &T::SelEnd, &T::SetSelEnd, [](const T& t) { return t.SelEnd() != 0; })
        .Integer("SelStart", &T::SelStart, &T::SetSelStart,
                 [](const T& t) { return t.SelStart() != 0; })
        .Integer("ThumbLength", &T::ThumbLength, &T::SetThumbLength,
                 [](const T& t) { return t.ThumbLength() != 20; })
        .Enumeration("TickMarks", TickMarkInfo, &T::TickMarks, &T::SetTickMarks,
                     [](const T& t) { return t.TickMarks() != TTickMark::tmBottomRight; })
        .Enumeration("TickStyle", TickStyleInfo, &T::TickStyle, &T::SetTickStyle,
                     [](const T& t) { return t.TickStyle() != TTickStyle::tsAuto; })
        .Event<TNotifyEvent>("OnChange", [](T& t, const TNotifyEvent& f) { t.OnChange = f; })
        .Register(registry);
}

// A string list streams as its text: "Items.Text = 'one'#10'two'#10".
void RegisterStringList(TClassRegistry& registry) {
    TClassDeclaration<TStringList>("TStringList", "TPersistent")
        .String("Text", &TStringList::Text,
                [](TStringList& l, const std::string& text) { l.SetText(text); })
        .Register(registry);
}

template <class T> TClassDeclaration<T>& BorderProperties(TClassDeclaration<T>& d) {
    return d
        .Enumeration("BorderStyle", BorderStyleInfo, &T::BorderStyle, &T::SetBorderStyle,
                     [](const T& c) { return c.BorderStyle() != TBorderStyle::bsSingle; })
        .Boolean("Ctl3D", &T::Ctl3D, &T::SetCtl3D, [](const T& c) { return !c.Ctl3D(); });
}

// A password character streams as a one-character string.
TTextValue PasswordCharValue(const TEdit& e) {
    return CharacterValue(e.PasswordChar());
}

void SetPasswordCharValue(TEdit& e, const TTextValue& v) {
    e.SetPasswordChar(CharacterFromValue(v));
}

void RegisterEdit(TClassRegistry& registry) {
    using T = TEdit;
    TClassDeclaration<T> d("TEdit", "TCustomControl");
    BorderProperties(d)
        .Boolean("AutoSelect", &T::AutoSelect, &T::SetAutoSelect,
                 [](const T& e) { return !e.AutoSelect(); })
        .Integer("MaxLength", &T::MaxLength, &T::SetMaxLength,
                 [](const T& e) { return e.MaxLength() != 0; })
        .Custom("PasswordChar", PasswordCharValue, SetPasswordCharValue,
                [](const T& e) { return e.PasswordChar() != 0; })
        .Boolean("ReadOnly", &T::ReadOnly, &T::SetReadOnly, [](const T& e) { return e.ReadOnly(); })
        .String("Text", &T::Text, &T::SetText)
        .Event<TNotifyEvent>("OnChange", [](T& e, const TNotifyEvent& f) { e.OnChange = f; })
        .Register(registry);
}

void RegisterComboBox(TClassRegistry& registry) {
    using T = TComboBox;
    TClassDeclaration<T>("TComboBox", "TCustomControl")
        .Enumeration("Style", ComboBoxStyleInfo, &T::Style, &T::SetStyle,
                     [](const T& c) { return c.Style() != TComboBoxStyle::csDropDown; })
        .Integer("DropDownCount", &T::DropDownCount, &T::SetDropDownCount,
                 [](const T& c) { return c.DropDownCount() != 8; })
        .Integer("ItemHeight", &T::ItemHeight, &T::SetItemHeight,
                 [](const T& c) { return c.ItemHeight() != 16; })
        .Boolean("Sorted", &T::Sorted, &T::SetSorted, [](const T& c) { return c.Sorted(); })
        .Object("Items", [](T& c) -> TStringList& { return c.Items(); })
        .Integer("ItemIndex", &T::ItemIndex, &T::SetItemIndex,
                 [](const T& c) { return c.ItemIndex() != -1; })
        .String("Text", &T::Text, &T::SetText,
                [](const T& c) { return c.Style() == TComboBoxStyle::csDropDown && !c.Text().empty(); })
        .Event<TNotifyEvent>("OnChange", [](T& c, const TNotifyEvent& f) { c.OnChange = f; })
        .Event<TNotifyEvent>("OnDropDown", [](T& c, const TNotifyEvent& f) { c.OnDropDown = f; })
        .Register(registry);
}

void RegisterMemo(TClassRegistry& registry) {
    using T = TMemo;
    TClassDeclaration<T> d("TMemo", "TCustomControl");
    BorderProperties(d)
        .Object("Lines", [](T& m) -> TStringList& { return m.Lines(); })
        .Enumeration("ScrollBars", ScrollStyleInfo, &T::ScrollBars, &T::SetScrollBars,
                     [](const T& m) { return m.ScrollBars() != TScrollStyle::ssNone; })
        .Boolean("WordWrap", &T::WordWrap, &T::SetWordWrap, [](const T& m) { return !m.WordWrap(); })
        .Register(registry);
}

void RegisterListBox(TClassRegistry& registry) {
    using T = TListBox;
    TClassDeclaration<T> d("TListBox", "TCustomControl");
    BorderProperties(d)
        .Integer("ItemHeight", &T::ItemHeight, &T::SetItemHeight,
                 [](const T& l) { return l.ItemHeight() != 16; })
        .Object("Items", [](T& l) -> TStringList& { return l.Items(); })
        // Only single selection exists; layouts may say so.
        .Boolean(
            "MultiSelect", [](const T&) { return false; },
            [](T&, bool on) {
                if (on) throw EConvertError("multiple selection is not supported");
            },
            [](const T&) { return false; })
        .Boolean("Sorted", &T::Sorted, &T::SetSorted, [](const T& l) { return l.Sorted(); })
        .Enumeration("Style", ListBoxStyleInfo, &T::Style, &T::SetStyle,
                     [](const T& l) { return l.Style() != TListBoxStyle::lbStandard; })
        .Event<TNotifyEvent>("OnClick", [](T& l, const TNotifyEvent& f) { l.OnClick = f; })
        .Event<TNotifyEvent>("OnDblClick", [](T& l, const TNotifyEvent& f) { l.OnDblClick = f; })
        .Event<T::TDrawItemEvent>("OnDrawItem",
                                  [](T& l, const T::TDrawItemEvent& f) { l.OnDrawItem = f; })
        .Event<TControl::TMouseEvent>(
            "OnMouseDown", [](T& l, const TControl::TMouseEvent& f) { l.OnMouseDown = f; })
        .Register(registry);
}

} // namespace

void RegisterInputControlClasses(TClassRegistry& registry) {
    RegisterStringList(registry);
    RegisterTrackBar(registry);
    RegisterMemo(registry);
    RegisterListBox(registry);
    RegisterEdit(registry);
    RegisterComboBox(registry);
}

void RegisterInputControlClasses() {
    static const bool registered = [] {
        RegisterControlClasses();
        RegisterInputControlClasses(TClassRegistry::Instance());
        return true;
    }();
    (void)registered;
}

} // namespace brisat
