#include "skin_windows/ks_custom_menu_bar.h"

#include "framework/controls/menu.h"
#include "framework/windowing/message_queue.h"

#include <algorithm>

namespace brisat {
namespace {

constexpr int32_t EtchedLine = 2;

// The bar's items as a menu of their own, so item changes reach the bar.
class TBarMenu : public TMenu {
public:
    explicit TBarMenu(std::unique_ptr<TKsCustomItem> root) : TMenu(nullptr, std::move(root)) {}
};

} // namespace

TKsCustomMenuBar::TKsCustomMenuBar(TComponent* owner)
    : TKsCustomControl(owner),
      m_menu(std::make_unique<TBarMenu>(std::make_unique<TKsCustomItem>(nullptr))),
      m_view(m_menu->Items(), *this) {
    InitColor(clMenu);
    SetAlign(TAlign::alTop);
    SetBounds(Left(), Top(), 200, 20);
    m_menu->SetChangeHook([this] { UpdateLayout(); });
}

TKsCustomMenuBar::~TKsCustomMenuBar() {
    MenuStructureChanged(); // a loop tracking this bar lets go of it
    m_menu->SetChangeHook({});
}

TKsCustomItem& TKsCustomMenuBar::Items() const {
    return static_cast<TKsCustomItem&>(m_menu->Items());
}

TImageList* TKsCustomMenuBar::Images() const {
    return m_menu->Images();
}

void TKsCustomMenuBar::SetImages(TImageList* images) {
    m_menu->SetImages(images);
}

void TKsCustomMenuBar::SetAutoSize(bool value) {
    if (StoreIfChanged(m_autoSize, value)) UpdateLayout();
}

TRect TKsCustomMenuBar::ItemsArea() {
    // The etched line takes two pixels on the side away from the form's edge.
    TRect area = ClientRect();
    if (Align() == TAlign::alBottom)
        area.Top = std::min(area.Top + EtchedLine, area.Bottom);
    else
        area.Bottom = std::max(area.Bottom - EtchedLine, area.Top);
    return area;
}

void TKsCustomMenuBar::PaintFrame() {
    TKsBitmap& buffer = Buffer();
    const TRect client = ClientRect();
    const int32_t y = Align() == TAlign::alBottom ? client.Top : client.Bottom - EtchedLine;
    buffer.FillRect({client.Left, y, client.Right, y + 1}, ColorToPixel(clBtnShadow, 255));
    buffer.FillRect({client.Left, y + 1, client.Right, y + 2}, ColorToPixel(clBtnHighlight, 255));
}

void TKsCustomMenuBar::UpdateLayout() {
    const TRect area = ItemsArea();
    m_view.SetPaintOffset(area.TopLeft());
    const TSize content = m_view.Layout();
    if (m_autoSize && !ComponentState().Contains(TComponentStateFlag::csLoading)) {
        const int32_t height = content.cy + area.Top + (Height() - area.Bottom);
        if (content.cy > 0 && height != Height()) SetBounds(Left(), Top(), Width(), height);
    }
    Invalidate();
}

void TKsCustomMenuBar::PaintBuffer() {
    TKsCustomControl::PaintBuffer();
    PaintFrame();
    m_view.PaintItems(Buffer());
}

void TKsCustomMenuBar::Loaded() {
    TKsCustomControl::Loaded();
    UpdateLayout();
}

void TKsCustomMenuBar::Resize() {
    TKsCustomControl::Resize();
    const TRect area = ItemsArea();
    if (area.TopLeft() != m_view.PaintOffset()) UpdateLayout();
}

int TKsCustomMenuBar::FirstItem() const {
    const TMenuItem& root = Items();
    for (int i = 0; i < root.Count(); ++i)
        if (root.Items(i).Visible() && !root.Items(i).IsLine()) return i;
    return -1;
}

void TKsCustomMenuBar::Track(int index, TBarStart start) {
    if (index < 0 || MenuTracking()) return;
    PrepareItems();
    UpdateLayout();
    TKsPopupSettings settings;
    settings.DropShadow = m_dropShadow;
    settings.ShadowWidth = m_shadowWidth;
    settings.ShowAnimation = m_showAnimation;
    settings.ShowAnimationTime = m_showAnimationTime;
    settings.OwnerWindow = Handle();
    settings.AnimationPending = true;
    settings.FirstPopupOnly = true;
    Items().PushPopupSettings(settings, m_popupBlend, m_popupBlendValue);
    m_view.SetActive(true);
    TMenuItem* chosen = nullptr;
    try {
        chosen = TrackMenuBar(m_view, Handle(), index, start, TOutsideClick::PassOn);
    } catch (...) {
        m_view.SetActive(false);
        throw;
    }
    m_view.SetActive(false);
    if (chosen) chosen->Click();
}

void TKsCustomMenuBar::Activate() {
    Track(FirstItem(), TBarStart::SelectOnly);
}

bool TKsCustomMenuBar::MenuChar(char32_t key) {
    const TMenuItem* item = Items().FindByAccelerator(key);
    if (!item || !item->Enabled()) return false;
    Track(Items().IndexOf(item), TBarStart::OpenByKey);
    return true;
}

bool TKsCustomMenuBar::IsShortCut(const TMessage& key) {
    if (key.Msg != WM_KEYDOWN && key.Msg != WM_SYSKEYDOWN) return false;
    TMenuItem* item =
        FindEnabledShortCut(Items(), ShortCut(uint16_t(key.WParam), KeyboardShiftState()));
    if (!item) return false;
    item->Click();
    return true;
}

void TKsCustomMenuBar::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TKsCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    Track(m_view.ItemAtScreen(ClientToScreen({x, y})), TBarStart::OpenByMouse);
}

void TKsCustomMenuBar::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    TKsCustomControl::MouseMove(shift, x, y);
    // Outside tracking the item under the mouse shows hot.
    if (!MenuTracking())
        m_view.SetSelected(m_view.ItemAtScreen(ClientToScreen({x, y})), TSubMenu::Closed);
}

void TKsCustomMenuBar::MouseLeave() {
    if (!MenuTracking()) m_view.SetSelected(-1, TSubMenu::Closed);
}

void TKsCustomMenuBar::WndProc(TMessage& message) {
    // Alt+letter offered by the form.
    if (message.Msg == CM_DIALOGCHAR && GetKeyState(VK_MENU) < 0 &&
        MenuChar(char32_t(message.WParam))) {
        message.Result = 1;
        return;
    }
    TKsCustomControl::WndProc(message);
}

void TKsCustomMenuBar::Notification(TComponent& component, TOperation operation) {
    // An item read inside the bar's block joins the top level.
    if (operation == TOperation::opInsert && component.Owner() == this &&
        component.ComponentState().Contains(TComponentStateFlag::csLoading))
        if (auto* item = dynamic_cast<TMenuItem*>(&component); item && !item->Parent())
            Items().Add(*item);
    TKsCustomControl::Notification(component, operation);
}

void TKsCustomMenuBar::GetChildren(const std::function<void(TComponent&)>& proc) const {
    ListOwnedChildren(*this, Items(), proc);
}

} // namespace brisat
