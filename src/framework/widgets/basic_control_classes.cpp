#include "framework/widgets/basic_control_classes.h"

#include "framework/controls/control_classes.h"
#include "framework/core/class_registry.h"
#include "framework/core/enum_info.h"
#include "framework/graphics/bitmap_data.h"
#include "framework/graphics/image_list.h"
#include "framework/widgets/button.h"
#include "framework/widgets/check_box.h"
#include "framework/widgets/label.h"
#include "framework/widgets/panel.h"
#include "framework/widgets/shape_control.h"
#include "framework/widgets/speed_button.h"
#include "framework/widgets/splitter.h"

namespace brisat {

const TEnumInfo PenStyleInfo = EnumInfoOf<TPenStyle>("TPenStyle");
const TEnumInfo BrushStyleInfo = EnumInfoOf<TBrushStyle>("TBrushStyle");
const TEnumInfo PanelBevelInfo = EnumInfoOf<TPanelBevel>("TPanelBevel");
const TEnumInfo LabelLayoutInfo = EnumInfoOf<TLabelLayout>("TTextLayout");
const TEnumInfo ButtonLayoutInfo = EnumInfoOf<TButtonLayout>("TButtonLayout");
const TEnumInfo CheckBoxStateInfo = EnumInfoOf<TCheckBoxState>("TCheckBoxState");
const TEnumInfo ShapeTypeInfo = EnumInfoOf<TShapeType>("TShapeType");
const TEnumInfo ResizeStyleInfo = EnumInfoOf<TResizeStyle>("TResizeStyle");

namespace {

// The click and mouse events every plain control offers to layouts.
template <class T> TClassDeclaration<T>& MouseEvents(TClassDeclaration<T>& d) {
    using TMouseEvent = TControl::TMouseEvent;
    using TMouseMoveEvent = TControl::TMouseMoveEvent;
    return d.template Event<TNotifyEvent>("OnClick", [](T& c, const TNotifyEvent& f) { c.OnClick = f; })
        .template Event<TNotifyEvent>("OnDblClick",
                                      [](T& c, const TNotifyEvent& f) { c.OnDblClick = f; })
        .template Event<TMouseEvent>("OnMouseDown",
                                     [](T& c, const TMouseEvent& f) { c.OnMouseDown = f; })
        .template Event<TMouseMoveEvent>("OnMouseMove",
                                         [](T& c, const TMouseMoveEvent& f) { c.OnMouseMove = f; })
        .template Event<TMouseEvent>("OnMouseUp",
                                     [](T& c, const TMouseEvent& f) { c.OnMouseUp = f; });
}

void RegisterGraphics(TClassRegistry& registry) {
    TClassDeclaration<TBitmap>("TBitmap", "TPersistent")
        .Bytes(
            "Data", [](const TBitmap& b) { return BitmapToData(b); },
            [](TBitmap& b, const std::vector<uint8_t>& data) { DataToBitmap(data, b); },
            [](const TBitmap& b) { return !b.Empty(); })
        .Register(registry);
    TClassDeclaration<TPen>("TPen", "TPersistent")
        .Color("Color", &TPen::Color, &TPen::SetColor,
               [](const TPen& p) { return p.Color() != clBlack; })
        .Enumeration("Style", PenStyleInfo, &TPen::Style, &TPen::SetStyle,
                     [](const TPen& p) { return p.Style() != TPenStyle::psSolid; })
        .Integer("Width", &TPen::Width, &TPen::SetWidth,
                 [](const TPen& p) { return p.Width() != 1; })
        .Register(registry);
    TClassDeclaration<TBrush>("TBrush", "TPersistent")
        .Color("Color", &TBrush::Color, &TBrush::SetColor,
               [](const TBrush& b) { return b.Color() != clWhite; })
        .Enumeration("Style", BrushStyleInfo, &TBrush::Style, &TBrush::SetStyle,
                     [](const TBrush& b) { return b.Style() != TBrushStyle::bsSolid; })
        .Register(registry);
    // The images come last, once their size is known.
    TClassDeclaration<TImageList>("TImageList", "TComponent")
        .Integer("AllocBy", &TImageList::AllocBy, &TImageList::SetAllocBy,
                 [](const TImageList& l) { return l.AllocBy() != 4; })
        .Color("BkColor", &TImageList::BkColor, &TImageList::SetBkColor,
               [](const TImageList& l) { return l.BkColor() != clNone; })
        .Integer("Height", &TImageList::Height, &TImageList::SetHeight,
                 [](const TImageList& l) { return l.Height() != 16; })
        .Boolean("Masked", &TImageList::Masked, &TImageList::SetMasked,
                 [](const TImageList& l) { return !l.Masked(); })
        .Integer("Width", &TImageList::Width, &TImageList::SetWidth,
                 [](const TImageList& l) { return l.Width() != 16; })
        .Bytes("Bitmap", &TImageList::Data, &TImageList::SetData,
               [](const TImageList& l) { return l.Count() > 0; })
        .WrittenLast()
        .Register(registry);
}

void RegisterPanelAndLabel(TClassRegistry& registry) {
    TClassDeclaration<TPanel> panel("TPanel", "TCustomControl");
    panel
        .Enumeration("Alignment", AlignmentInfo, &TPanel::Alignment, &TPanel::SetAlignment,
                     [](const TPanel& p) { return p.Alignment() != TAlignment::taCenter; })
        .Enumeration("BevelInner", PanelBevelInfo, &TPanel::BevelInner, &TPanel::SetBevelInner,
                     [](const TPanel& p) { return p.BevelInner() != TPanelBevel::bvNone; })
        .Enumeration("BevelOuter", PanelBevelInfo, &TPanel::BevelOuter, &TPanel::SetBevelOuter,
                     [](const TPanel& p) { return p.BevelOuter() != TPanelBevel::bvRaised; })
        .Integer("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth,
                 [](const TPanel& p) { return p.BevelWidth() != 1; })
        .Integer("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth,
                 [](const TPanel& p) { return p.BorderWidth() != 0; })
        .Enumeration("BorderStyle", BorderStyleInfo, &TPanel::BorderStyle, &TPanel::SetBorderStyle,
                     [](const TPanel& p) { return p.BorderStyle() != TBorderStyle::bsNone; })
        .Boolean("FullRepaint", &TPanel::FullRepaint, &TPanel::SetFullRepaint,
                 [](const TPanel& p) { return !p.FullRepaint(); });
    MouseEvents(panel).Register(registry);

    TClassDeclaration<TLabel> label("TLabel", "TGraphicControl");
    label
        .Enumeration("Alignment", AlignmentInfo, &TLabel::Alignment, &TLabel::SetAlignment,
                     [](const TLabel& l) { return l.Alignment() != TAlignment::taLeftJustify; })
        .Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize,
                 [](const TLabel& l) { return !l.AutoSize(); })
        .Reference<TWinControl>("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl)
        .Enumeration("Layout", LabelLayoutInfo, &TLabel::Layout, &TLabel::SetLayout,
                     [](const TLabel& l) { return l.Layout() != TLabelLayout::tlTop; })
        .Boolean("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar,
                 [](const TLabel& l) { return !l.ShowAccelChar(); })
        .Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent,
                 [](const TLabel& l) { return l.Transparent(); })
        .Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap,
                 [](const TLabel& l) { return l.WordWrap(); });
    MouseEvents(label).Register(registry);
}

void RegisterSpeedButton(TClassRegistry& registry) {
    // The group comes before Down: only a grouped button stays down.
    TClassDeclaration<TSpeedButton> button("TSpeedButton", "TGraphicControl");
    button
        .Boolean("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp,
                 [](const TSpeedButton& b) { return b.AllowAllUp(); })
        .Integer("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex,
                 [](const TSpeedButton& b) { return b.GroupIndex() != 0; })
        .Boolean("Down", &TSpeedButton::Down, &TSpeedButton::SetDown,
                 [](const TSpeedButton& b) { return b.Down(); })
        .Boolean("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat,
                 [](const TSpeedButton& b) { return b.Flat(); })
        .Object(
            "Glyph", [](TSpeedButton& b) -> TBitmap& { return b.Glyph(); },
            [](const TSpeedButton& b) { return !b.Glyph().Empty(); })
        .Reference<TImageList>("Images", &TSpeedButton::Images, &TSpeedButton::SetImages)
        .Integer("ImageIndex", &TSpeedButton::ImageIndex, &TSpeedButton::SetImageIndex,
                 [](const TSpeedButton& b) { return b.ImageIndex() != -1; })
        .Enumeration("Layout", ButtonLayoutInfo, &TSpeedButton::Layout, &TSpeedButton::SetLayout,
                     [](const TSpeedButton& b) {
                         return b.Layout() != TButtonLayout::blGlyphLeft;
                     })
        .Integer("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin,
                 [](const TSpeedButton& b) { return b.Margin() != -1; })
        .Integer("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs,
                 [](const TSpeedButton& b) { return b.NumGlyphs() != 1; })
        .Integer("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing,
                 [](const TSpeedButton& b) { return b.Spacing() != 4; })
        .Boolean("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent,
                 [](const TSpeedButton& b) { return !b.Transparent(); });
    MouseEvents(button).Register(registry);
}

void RegisterButtons(TClassRegistry& registry) {
    TClassDeclaration<TButtonControl>("TButtonControl", "TCustomControl").Register(registry);
    TClassDeclaration<TButton> button("TButton", "TButtonControl");
    button
        .Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel,
                 [](const TButton& b) { return b.Cancel(); })
        .Boolean("Default", &TButton::Default, &TButton::SetDefault,
                 [](const TButton& b) { return b.Default(); })
        .Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult,
                 [](const TButton& b) { return b.ModalResult() != mrNone; });
    MouseEvents(button).Register(registry);

    // State carries the value; Checked is read from layouts that use it.
    TClassDeclaration<TCheckBox> check("TCheckBox", "TButtonControl");
    check
        .Enumeration("Alignment", LeftRightInfo, &TCheckBox::Alignment, &TCheckBox::SetAlignment,
                     [](const TCheckBox& c) {
                         return c.Alignment() != TAlignment::taRightJustify;
                     })
        .Boolean("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed,
                 [](const TCheckBox& c) { return c.AllowGrayed(); })
        .Boolean("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked,
                 [](const TCheckBox&) { return false; })
        .Enumeration("State", CheckBoxStateInfo, &TCheckBox::State, &TCheckBox::SetState,
                     [](const TCheckBox& c) { return c.State() != TCheckBoxState::cbUnchecked; });
    MouseEvents(check).Register(registry);
}

void RegisterShapeAndSplitter(TClassRegistry& registry) {
    TClassDeclaration<TShape> shape("TShape", "TGraphicControl");
    shape.Object("Brush", [](TShape& s) -> TBrush& { return s.Brush(); })
        .Object("Pen", [](TShape& s) -> TPen& { return s.Pen(); })
        .Enumeration("Shape", ShapeTypeInfo, &TShape::Shape, &TShape::SetShape,
                     [](const TShape& s) { return s.Shape() != TShapeType::stRectangle; });
    MouseEvents(shape).Register(registry);

    using TCanResize = TSplitter::TCanResizeEvent;
    TClassDeclaration<TSplitter>("TSplitter", "TGraphicControl")
        .Boolean("AutoSnap", &TSplitter::AutoSnap, &TSplitter::SetAutoSnap,
                 [](const TSplitter& s) { return !s.AutoSnap(); })
        .Boolean("Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled,
                 [](const TSplitter& s) { return s.Beveled(); })
        .Integer("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize,
                 [](const TSplitter& s) { return s.MinSize() != 30; })
        .Enumeration("ResizeStyle", ResizeStyleInfo, &TSplitter::ResizeStyle,
                     &TSplitter::SetResizeStyle,
                     [](const TSplitter& s) { return s.ResizeStyle() != TResizeStyle::rsPattern; })
        .Event<TCanResize>("OnCanResize",
                           [](TSplitter& s, const TCanResize& f) { s.OnCanResize = f; })
        .Event<TNotifyEvent>("OnMoved", [](TSplitter& s, const TNotifyEvent& f) { s.OnMoved = f; })
        .Register(registry);
}

} // namespace

void RegisterBasicControlClasses(TClassRegistry& registry) {
    RegisterControlClasses(registry);
    RegisterGraphics(registry);
    RegisterPanelAndLabel(registry);
    RegisterSpeedButton(registry);
    RegisterButtons(registry);
    RegisterShapeAndSplitter(registry);
}

void RegisterBasicControlClasses() {
    static const bool registered = [] {
        RegisterBasicControlClasses(TClassRegistry::Instance());
        return true;
    }();
    (void)registered;
}

} // namespace brisat
