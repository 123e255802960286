#include "skin_controls/se_skin_list_box.h"

#include "skin/objects/skin_object.h"
#include "skin_controls/se_skin_scroll_bar.h"

namespace brisat {

TSeSkinListBox::TSeSkinListBox(TComponent* owner)
    : TSeSkinControl<TKsCustomListBox>(owner, "ListBox") {
    InitScrollBar();
}

TKsCustomScrollBar* TSeSkinListBox::CreateListScrollBar() {
    return new TSeSkinScrollBar(this);
}

// Every refresh of the copy refreshes the bar's too and lays the items out for the frame.
void TSeSkinListBox::SkinBound() {
    FindParts();
    static_cast<TSeSkinScrollBar&>(ScrollBar()).SetSkinEngine(SkinEngine());
    UpdateListScrollBar();
}

// The parts are looked up once per bound copy: lookups allocate, paints must not.
void TSeSkinListBox::FindParts() {
    TSeSkinObject* copy = SkinCopy();
    const auto find = [copy](const char* name) { return copy ? copy->FindObject(name) : nullptr; };
    m_parts = {find("Frame"), find("Item"), find("Checked"), find("Mixed"), find("Unchecked")};
}

TSeSkinObject* TSeSkinListBox::Part(TSeSkinObject* part) const {
    return IsSkinned() ? part : nullptr;
}

int32_t TSeSkinListBox::GetCheckColumnWidth() const {
    return IsSkinned() ? 21 : TKsCustomListBox::GetCheckColumnWidth();
}

int32_t TSeSkinListBox::ExtraItemHeight() const {
    return IsSkinned() && ShowCheckBoxes() ? 4 : 0;
}

TRect TSeSkinListBox::ListRect() const {
    if (!IsSkinned()) return TKsCustomListBox::ListRect();
    const TSeSkinObject* frame = Part(m_parts.Frame);
    if (!frame) frame = SkinCopy();
    const TRect r = ControlRect();
    return {r.Left + frame->MarginLeft(), r.Top + frame->MarginTop(),
            r.Right - frame->MarginRight(), r.Bottom - frame->MarginBottom()};
}

TSeState TSeSkinListBox::FrameState(bool focusShown) const {
    if (!Enabled()) return 8;
    if (MouseInControl()) return 5;
    return focusShown && Focused() ? 7 : 0;
}

void TSeSkinListBox::DrawPart(TSeSkinObject& part, const TRect& rect, TSeState state) {
    part.SetBounds(rect);
    part.SetState(state);
    part.Draw(Buffer());
}

void TSeSkinListBox::PaintBorder() {
    TSeSkinObject* frame = Part(m_parts.Frame);
    if (!frame) return TKsCustomListBox::PaintBorder();
    // The frame's see-through pixels show the control's Color, not the buffer's last picture.
    if (!Transparent()) Buffer().DC().FillRect(ControlRect(), Color());
    DrawPart(*frame, ControlRect(), FrameState(true));
}

void TSeSkinListBox::PaintBackground() {
    TSeSkinObject* frame = Part(m_parts.Frame);
    if (!frame) return TKsCustomListBox::PaintBackground();
    TRect r = ControlRect();
    // Without a border only the frame's inside shows.
    if (BorderStyle() == TBorderStyle::bsNone)
        r = {r.Left - frame->MarginLeft(), r.Top - frame->MarginTop(),
             r.Right + frame->MarginRight(), r.Bottom + frame->MarginBottom()};
    DrawPart(*frame, r, FrameState(false));
}

void TSeSkinListBox::DrawItem(TKsBitmap& bitmap, int32_t index, const TRect& rect) {
    TSeSkinObject* item = Part(m_parts.Item);
    if (!item) return TKsCustomListBox::DrawItem(bitmap, index, rect);
    const bool selected = Selected(index);
    const TSeState state = !Enabled()              ? 8
                           : selected && Focused() ? 7
                           : selected              ? 6
                                                   : 0;
    DrawPart(*item, rect, state);
    const TRect text{rect.Left + 2, rect.Top, rect.Right, rect.Bottom};
    if (OwnerDraws()) return DrawItemEvent(index, text, OwnerDrawState(index));
    if (StyleListsColors()) return DrawColorItem(bitmap, index, rect);
    const TFont& font = item->StateFont();
    bitmap.SetFont(font);
    if (ListStyle() == TKsListBoxStyle::lbFontSamples) bitmap.Font().SetName(Items()[index]);
    uint32_t flags = DT_NOPREFIX;
    TRect textRect = text;
    if (StyleListsFonts()) {
        // The name stands where a TrueType mark would, 22 pixels in.
        flags |= DT_SINGLELINE | DT_VCENTER;
        textRect.Left = rect.Left + 22;
    } else if (WordWrap()) {
        flags |= DT_WORDBREAK;
    }
    bitmap.DrawText(Items()[index], textRect, flags);
}

void TSeSkinListBox::DrawCheck(int32_t index, const TRect& rect) {
    const TKsCheckBoxState checkState = State(index);
    TSeSkinObject* box = Part(checkState == TKsCheckBoxState::cbChecked  ? m_parts.Checked
                              : checkState == TKsCheckBoxState::cbGrayed ? m_parts.Mixed
                                                                         : m_parts.Unchecked);
    if (!box) return TKsCustomListBox::DrawCheck(index, rect);
    const TSeState state = !Enabled() || !ItemEnabled(index) ? 8 : index == HotItem() ? 5 : 0;
    DrawPart(*box, CheckBoxRect(rect), state);
}

} // namespace brisat
