// TKsCustomEdit's context menu: Undo, Cut, Copy, Paste, Delete and Select All, enabled for the
// edit's state when it opens.
#include "skin_controls/ks_custom_edit.h"

#include "framework/controls/menu.h"
#include "framework/controls/menu_item.h"
#include "framework/windowing/clipboard.h"

namespace brisat {
namespace {

// Item order; separators have no command.
enum TEditMenuItem : int { emUndo, emLine1, emCut, emCopy, emPaste, emDelete, emLine2, emSelectAll };

} // namespace

std::unique_ptr<TPopupMenu> TKsCustomEdit::CreateContextMenu() {
    return std::make_unique<TPopupMenu>(nullptr);
}

TMenuItem& TKsCustomEdit::CreateMenuItem(TPopupMenu& menu) {
    return CreateOwned<TMenuItem>(menu);
}

void TKsCustomEdit::MakeContextMenu() {
    if (m_contextMenu) return;
    m_contextMenu = CreateContextMenu();
    struct Entry {
        const char* Caption;
        void (TKsCustomEdit::*Command)();
    };
    static constexpr Entry entries[] = {
        {"Undo", nullptr},
        {"-", nullptr},
        {"Cut", &TKsCustomEdit::CutToClipboard},
        {"Copy", &TKsCustomEdit::CopyToClipboard},
        {"Paste", &TKsCustomEdit::PasteFromClipboard},
        {"Delete", &TKsCustomEdit::ClearSelection},
        {"-", nullptr},
        {"Select All", &TKsCustomEdit::SelectAll},
    };
    for (const Entry& entry : entries) {
        TMenuItem& item = CreateMenuItem(*m_contextMenu);
        item.SetCaption(entry.Caption);
        if (entry.Command)
            item.OnClick = [this, command = entry.Command](TComponent&) { (this->*command)(); };
        m_contextMenu->Items().Add(item);
    }
    m_contextMenu->Items().Items(emUndo).OnClick = [this](TComponent&) { Undo(); };
}

void TKsCustomEdit::PrepareContextMenu() {
    MakeContextMenu();
    const bool selection = SelLength() != 0;
    const bool writable = !ReadOnly();
    TMenuItem& items = m_contextMenu->Items();
    items.Items(emUndo).SetEnabled(!UndoHistory().Empty() && writable);
    items.Items(emCut).SetEnabled(selection && !IsPassword() && writable);
    items.Items(emCopy).SetEnabled(selection && !IsPassword());
    items.Items(emPaste).SetEnabled(Clipboard().HasText() && writable);
    items.Items(emDelete).SetEnabled(selection && writable);
    items.Items(emSelectAll).SetEnabled(SelText() != Text());
}

void TKsCustomEdit::WMContextMenu(TMessage& message) {
    if (Designing()) {
        TKsCustomControl::WMContextMenu(message);
        return;
    }
    PrepareContextMenu();
    m_selecting = false; // a drag in progress ends when the menu takes the mouse
    const TPoint at = message.LParam == -1 ? ClientToScreen({Width() / 2, Height() / 2})
                                           : LParamToPoint(message.LParam);
    m_contextMenu->SetPopupComponent(this);
    m_contextMenu->Popup(at.X, at.Y);
    message.Result = 1;
}

} // namespace brisat
