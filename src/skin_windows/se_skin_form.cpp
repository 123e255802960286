#include "skin_windows/se_skin_form.h"

#include "framework/controls/application.h"
#include "framework/controls/screen.h"
#include "framework/controls/timer.h"
#include "framework/controls/win_control.h"
#include "framework/core/identifiers.h"
#include "framework/windowing/message_queue.h"
#include "framework/windowing/window_handle.h"
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap/pixel.h"
#include "skin/engine/skin_engine.h"
#include "skin/files/skin_source.h"
#include "skin/objects/skin_messages.h"
#include "skin/objects/skin_object.h"
#include "skin/objects/skin_object_classes.h"
#include "skin_controls/se_skin_binding.h"
#include "skin_windows/se_skin_item.h"

namespace brisat {

namespace {

constexpr uint32_t HoverInterval = 100;

TControl* FindChildControl(const TWinControl& window, const std::string& name) {
    if (name.empty()) return nullptr;
    for (int i = 0; i < window.ControlCount(); ++i)
        if (SameText(window.Controls(i).Name(), name)) return &window.Controls(i);
    return nullptr;
}

TSeState StateCode(TKsWindowState state) {
    switch (state) {
    case TKsWindowState::kwsMaximized:
        return ssMaximized;
    case TKsWindowState::kwsMinimized:
    case TKsWindowState::kwsTray:
        return ssMinimized;
    case TKsWindowState::kwsRollup:
        return ssRolledUp;
    default:
        return ssNormal;
    }
}

int32_t HitCodeOfKind(TSeKind kind) {
    switch (kind) {
    case TSeKind::skCaption:
    case TSeKind::skTitle:
        return khtCaption;
    case TSeKind::skTop:
        return khtTop;
    case TSeKind::skLeft:
        return khtLeft;
    case TSeKind::skRight:
        return khtRight;
    case TSeKind::skBottom:
        return khtBottom;
    case TSeKind::skTopLeft:
        return khtTopLeft;
    case TSeKind::skTopRight:
        return khtTopRight;
    case TSeKind::skBottomLeft:
        return khtBottomLeft;
    case TSeKind::skBottomRight:
        return khtBottomRight;
    case TSeKind::skSysButton:
        return khtSkinButton;
    default:
        return khtNone;
    }
}

// Places the direct children of Window that the link objects under Object name: at the link's
// rectangle in client coordinates while it overlaps its parent object, else at an empty one.
void PlaceLinks(TWinControl& window, TSeSkinObject& object, TPoint clientOrigin) {
    for (TSeSkinObject* child : object.Children()) {
        if (auto* link = dynamic_cast<TSeLinkSkinObject*>(child)) {
            TControl* control = FindChildControl(window, link->LinkControl());
            if (!control) continue;
            const TRect rect = link->BoundsRect();
            if (IsRectEmpty(IntersectRect(rect, object.BoundsRect())))
                control->SetBoundsRect({});
            else
                control->SetBoundsRect(OffsetRect(rect, -clientOrigin.X, -clientOrigin.Y));
        }
        PlaceLinks(window, *child, clientOrigin);
    }
}

// Whether Object or a part below it is a caption button of some size.
bool HasSizedButton(const TSeSkinObject& object) {
    for (const TSeSkinObject* child : object.Children())
        if ((child->Kind() == TSeKind::skSysButton && child->Width() > 0 && child->Height() > 0) ||
            HasSizedButton(*child))
            return true;
    return false;
}

} // namespace

TSeSkinForm::TSeSkinForm(TComponent* owner) : TKsCustomForm(owner) {
    m_hoverTimer = std::make_unique<TTimer>(nullptr);
    m_hoverTimer->SetInterval(HoverInterval);
    m_hoverTimer->OnTimer = [this](TComponent&) { HoverTick(); };
    SetActive(true);
}

TSeSkinForm::~TSeSkinForm() {
    m_hoverTimer.reset();
    Unbind();
    ChangeReference(m_engine, static_cast<TSeSkinEngine*>(nullptr));
}

std::string TSeSkinForm::Version() const {
    return SeSkinVersion;
}

// --- Binding -----------------------------------------------------------------------------------

bool TSeSkinForm::SkinUsable() const {
    return m_engine && !m_engine->Skin().Loading() && m_engine->Skin().Count() > 0;
}

bool TSeSkinForm::IsSkinned() const {
    return m_clone && BorderStyle() != TKsBorderStyle::kbsNone;
}

void TSeSkinForm::SetSkinEngine(TSeSkinEngine* engine) {
    ChangeReference(m_engine, engine);
    Bind();
}

const TSeSkinObject* TSeSkinForm::ChooseObject() const {
    const TSeSkinSource& skin = m_engine->Skin();
    if (m_skinObject == "Form")
        if (const TSeSkinObject* form = skin.GetFormObject()) return form;
    if (const TSeSkinObject* named = skin.FindObject(m_skinObject)) return named;
    return skin.GetFormObject();
}

void TSeSkinForm::Unbind() {
    m_hovered = m_pressed = m_title = m_client = nullptr;
    m_clone.reset();
}

void TSeSkinForm::Bind() {
    Unbind();
    TWinControl* window = Control();
    if (SkinUsable())
        if (const TSeSkinObject* object = ChooseObject()) m_clone = CloneObject(*object);
    if (m_clone) {
        m_clone->SetControl(window);
        m_title = m_clone->FindObjectByKind(TSeKind::skTitle);
        m_client = m_clone->FindObjectByKind(TSeKind::skClient);
    }
    if (window) {
        if (m_clone) {
            window->Font().Assign(m_clone->GetFont());
            window->SetColor(m_clone->Color());
        } else {
            window->SetColor(clBtnFace);
        }
        // A skin without a client object is drawn at its own size.
        if (m_clone && !m_client && m_clone->Width() > 0 && m_clone->Height() > 0)
            window->SetBounds(window->Left(), window->Top(), m_clone->Width(), m_clone->Height());
    }
    if (!ComponentState().Contains(TComponentStateFlag::csLoading)) ApplyFrame();
}

void TSeSkinForm::Loaded() {
    TKsCustomForm::Loaded();
    if (BorderStyle() == TKsBorderStyle::kbsToolWindow) m_skinObject = "ToolWindow";
    Bind();
    RepaintChildren();
}

void TSeSkinForm::RepaintChildren() {
    TWinControl* window = Control();
    if (!window) return;
    for (int i = 0; i < window->ControlCount(); ++i)
        window->Controls(i).Perform(SM_SKINOBJECTREPAINT, 0, 0);
}

void TSeSkinForm::Notification(TComponent& component, TOperation operation) {
    TKsCustomForm::Notification(component, operation);
    if (operation == TOperation::opRemove && &component == m_engine) {
        m_engine = nullptr;
        Bind();
    }
}

void TSeSkinForm::MessageHandler(TMessage& message) {
    const bool ownEngine = m_engine && message.LParam == reinterpret_cast<LPARAM>(m_engine);
    switch (message.Msg) {
    case SkinChangedMessage:
        if (ownEngine) Bind();
        break;
    case SkinChangingMessage:
        if (ownEngine) {
            m_hoverTimer->SetEnabled(false);
            ProcessPendingMessages();
            Unbind();
            m_hoverTimer->SetEnabled(true);
        }
        break;
    case SM_SKINOBJECTREPAINT:
        if (!m_client || message.LParam != reinterpret_cast<LPARAM>(m_client))
            PaintNonClient();
        else if (TWinControl* window = Control())
            window->Invalidate();
        SetHandled(true);
        return;
    case SM_GETSKINNEDFORM:
        message.Result = reinterpret_cast<LRESULT>(static_cast<ISkinnedForm*>(this));
        SetHandled(true);
        return;
    default:
        break;
    }
    TKsCustomForm::MessageHandler(message);
}

// --- ISkinnedForm ------------------------------------------------------------------------------

void TSeSkinForm::CustomAction(TSeSkinObject& button) {
    if (OnCustomAction) OnCustomAction(*this, button);
}

bool TSeSkinForm::HasBorderIcon(TKsBorderIcon icon) const {
    return BorderIcons().Contains(icon);
}

// Windows carry no icon of their own here: the system-menu button shows a small window, drawn
// once, transparent around it.
const TKsBitmap* TSeSkinForm::WindowIcon() const {
    static TKsBitmap icon;
    static const bool drawn = [] {
        icon.SetSize(16, 16);
        icon.Fill(0);
        const TRect window{1, 2, 15, 14};
        icon.FillRect(window, 0xFF000000);
        icon.FillRect({2, 3, 14, 13}, ksWhitePixel);
        icon.FillRect({2, 3, 14, 6}, ksDarkBluePixel);
        icon.SetAlphaBlend(true);
        return true;
    }();
    (void)drawn;
    return &icon;
}

void TSeSkinForm::ProcessPendingMessages() {
    if (Application) Application->ProcessMessages();
}

// --- The skinned frame -------------------------------------------------------------------------

TSeSkinObject* TSeSkinForm::PreparedObject() {
    if (!IsSkinned()) return nullptr;
    TSize size = SizeWithoutShadow();
    if (TWinControl* window = Control(); window && (size.cx <= 0 || size.cy <= 0))
        size = {window->Width() - ShadowExtent(), window->Height() - ShadowExtent()};
    m_clone->SetActive(WindowActive());
    const TSeState state = StateCode(WindowState());
    m_clone->SetState(state);
    const TRect bounds{0, 0, size.cx, size.cy};
    // Buttons shown or hidden by the state leave room the others take.
    if (m_clone->BoundsRect() == bounds)
        m_clone->Realign();
    else
        m_clone->SetBounds(bounds);
    return m_clone.get();
}

void TSeSkinForm::GetClientRect(TRect& rect) {
    TSeSkinObject* clone = PreparedObject();
    if (!clone) {
        TKsCustomForm::GetClientRect(rect);
        return;
    }
    if (m_client && m_client->Left() != 0 && m_client->Top() != 0)
        rect = m_client->BoundsRect();
    else
        rect = clone->BoundsRect();
}

void TSeSkinForm::GetButtonRect(TKsBorderIcon icon, TRect& rect) {
    if (!IsSkinned())
        TKsCustomForm::GetButtonRect(icon, rect);
    else if (icon == TKsBorderIcon::kbiSystemMenu || HasSizedButton(*m_clone))
        rect = {};
    else
        rect = PlainButtonRect(icon, PlainButtonBand());
}

// The skin's caption, else its title, else the plain caption's place above the client.
TRect TSeSkinForm::PlainButtonBand() {
    for (TSeKind kind : {TSeKind::skCaption, TSeKind::skTitle})
        if (const TSeSkinObject* part = m_clone->FindObjectByKind(kind))
            if (!IsRectEmpty(part->BoundsRect())) return part->BoundsRect();
    return CaptionBand();
}

TRect TSeSkinForm::GetMaximizedRect() {
    if (!IsSkinned()) return TKsCustomForm::GetMaximizedRect();
    const TRect desktop = Screen().DesktopRect();
    return IntersectRect(StayOnTop() ? desktop : Screen().WorkAreaRect(), desktop);
}

void TSeSkinForm::PlaceLinkedControls() {
    TWinControl* window = Control();
    if (!window || !m_clone) return;
    TRect client;
    GetClientRect(client);
    PlaceLinks(*window, *m_clone, {client.Left, client.Top});
}

std::optional<TRegion> TSeSkinForm::GetRegion() {
    TSeSkinObject* clone = PreparedObject();
    if (!clone) return TKsCustomForm::GetRegion();
    PlaceLinkedControls();
    return clone->CreateRegion();
}

TKsCustomItem* TSeSkinForm::CreateMenuItem(TComponent* owner) {
    // The root item too is skinned: it makes the popup window, and so the popup's frame.
    TSeSkinItem* item = owner ? &CreateOwned<TSeSkinItem>(*owner) : new TSeSkinItem(nullptr);
    item->SetSkinEngine(m_engine);
    return item;
}

void TSeSkinForm::PaintFrame(TKsBitmap& bitmap) {
    TSeSkinObject* clone = PreparedObject();
    if (!clone) {
        TKsCustomForm::PaintFrame(bitmap);
        return;
    }
    if (m_title)
        if (TWinControl* window = Control()) m_title->SetText(window->Caption());
    if (m_client) m_client->SetVisible(false);
    clone->Draw(bitmap);
    if (m_client) m_client->SetVisible(true);
    PaintPlainButtons(bitmap);
}

void TSeSkinForm::PaintBackground(TKsBitmap& bitmap) {
    TKsCustomForm::PaintBackground(bitmap);
}

TSeSkinObject* TSeSkinForm::ObjectAt(int32_t x, int32_t y) {
    TSeSkinObject* clone = PreparedObject();
    return clone ? clone->ObjectAtPoint({x, y}) : nullptr;
}

int32_t TSeSkinForm::HitTest(int32_t x, int32_t y) {
    if (!IsSkinned()) return TKsCustomForm::HitTest(x, y);
    // The clone is laid out first: the built-in buttons sit in its caption.
    TSeSkinObject* object = ObjectAt(x, y);
    if (const int32_t button = PlainButtonAt(x, y); button != khtNone) return button;
    return object ? HitCodeOfKind(object->Kind()) : khtNone;
}

// --- Mouse -------------------------------------------------------------------------------------

void TSeSkinForm::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TKsCustomForm::MouseDown(button, shift, x, y);
    TSeSkinObject* object = ObjectAt(x, y);
    // A built-in caption button over the skin's caption is the form's own.
    if (!object || PlainButtonAt(x, y) != khtNone) return;
    m_pressed = object;
    if (shift.Contains(TShiftStateKind::ssDouble))
        object->DblClick(button, x - object->Left(), y - object->Top());
    else
        object->MouseDown(button, x - object->Left(), y - object->Top());
}

void TSeSkinForm::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    TKsCustomForm::MouseMove(shift, x, y);
    TSeSkinObject* object = ObjectAt(x, y);
    if (!object) return;
    const bool buttonHeld = shift.Contains(TShiftStateKind::ssLeft) ||
                            shift.Contains(TShiftStateKind::ssRight) ||
                            shift.Contains(TShiftStateKind::ssMiddle);
    if (buttonHeld && object != m_pressed) return;
    object->MouseMove(shift, x - object->Left(), y - object->Top());
}

void TSeSkinForm::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TSeSkinObject* pressed = m_pressed;
    m_pressed = nullptr;
    // A built-in button's operation may close the window and free this form.
    if (PlainButtonAt(x, y) != khtNone) return TKsCustomForm::MouseUp(button, shift, x, y);
    TKsCustomForm::MouseUp(button, shift, x, y);
    TSeSkinObject* object = ObjectAt(x, y);
    // The button's action may close the window and free this form: nothing of either is used
    // after it.
    if (object && object == pressed) object->MouseUp(button, x - object->Left(), y - object->Top());
}

void TSeSkinForm::HoverTick() {
    TWinControl* window = Control();
    if (!window || !window->HandleAllocated() || !WindowActive() || !IsSkinned()) return;
    const TRect bounds = GetWindowRect(window->Handle());
    const TPoint cursor = GetCursorPos();
    TSeSkinObject* object = ObjectAt(cursor.X - bounds.Left, cursor.Y - bounds.Top);
    if (!object) {
        if (m_hovered) m_hovered->MouseLeave();
        m_hovered = nullptr;
        return;
    }
    if (object == m_hovered || !object->Visible()) return;
    if (m_hovered) m_hovered->MouseLeave();
    m_hovered = object;
    if (!m_pressed || m_pressed == object) object->MouseEnter();
}

} // namespace brisat
