#include "skin/objects/skin_object.h"

#include "framework/controls/win_control.h"
#include "framework/core/class_registry.h"
#include "framework/core/component_records.h"
#include "framework/core/exceptions.h"
#include "framework/core/identifiers.h"
#include "framework/windowing/window_handle.h"
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap/bitmap_list.h"
#include "skin/bitmap/checked_math.h"
#include "skin/objects/object_looks.h"
#include "skin/objects/skin_messages.h"
#include "skin/objects/skin_object_registry.h"
#include "skin/objects/skin_object_text_form.h"

namespace brisat {

TSeSkinObject::TSeSkinObject(TComponent* owner) : TComponent(owner) {
    RegisterSkinObjectClasses();
}

TSeSkinObject::~TSeSkinObject() = default;

void TSeSkinObject::Assign(const TPersistent& source) {
    const auto* src = dynamic_cast<const TSeSkinObject*>(&source);
    if (!src) {
        TComponent::Assign(source);
        return;
    }
    if (src == this) return;
    SetName(src->Name());
    m_align = src->m_align;
    m_kind = src->m_kind;
    m_bitmaps = src->m_bitmaps;
    m_color = src->m_color;
    m_drawIfOwner = src->m_drawIfOwner;
    m_font.Assign(src->m_font);
    m_textAlign = src->m_textAlign;
    m_textEffect = src->m_textEffect;
    m_textMarginLeft = src->m_textMarginLeft;
    m_textMarginRight = src->m_textMarginRight;
    m_textMarginTop = src->m_textMarginTop;
    m_marginLeft = src->m_marginLeft;
    m_marginRight = src->m_marginRight;
    m_marginTop = src->m_marginTop;
    m_marginBottom = src->m_marginBottom;
    CloneChildrenOf(*src);
    // The cloned children are already where the source laid them out: the bounds are copied
    // without a layout, so the copy equals the source.
    m_left = src->m_left;
    m_top = src->m_top;
    m_width = src->m_width;
    m_height = src->m_height;
    m_previousWidth = src->m_previousWidth;
    m_previousHeight = src->m_previousHeight;
}

void TSeSkinObject::CloneChildrenOf(const TSeSkinObject& source) {
    DestroyComponents();
    for (TSeSkinObject* child : source.Children())
        CloneObject(*child, *this);
}

// --- Bounds
// ---------------------------------------------------------------------------------------- Right
// and Bottom always fit 32 bits: every setter checks its sum.

void TSeSkinObject::SetLeft(int32_t value) {
    SetBounds({value, m_top, CheckedAdd(value, m_width), m_top + m_height});
}

void TSeSkinObject::SetTop(int32_t value) {
    SetBounds({m_left, value, m_left + m_width, CheckedAdd(value, m_height)});
}

void TSeSkinObject::SetWidth(int32_t value) {
    SetBounds({m_left, m_top, CheckedAdd(m_left, std::max(value, 0)), m_top + m_height});
}

void TSeSkinObject::SetHeight(int32_t value) {
    SetBounds({m_left, m_top, m_left + m_width, CheckedAdd(m_top, std::max(value, 0))});
}

void TSeSkinObject::SetBounds(const TRect& rect) {
    if (rect == BoundsRect()) return;
    m_left = rect.Left;
    m_top = rect.Top;
    m_width = std::max(RectWidth(rect), 0);
    m_height = std::max(RectHeight(rect), 0);
    Realign();
}

// --- Children ------------------------------------------------------------------------------------

TSeSkinObject* TSeSkinObject::TChildRange::iterator::operator*() const {
    return static_cast<TSeSkinObject*>(&m_owner->Components(m_index));
}

void TSeSkinObject::TChildRange::iterator::Settle() {
    while (m_index < m_owner->ComponentCount() &&
           !dynamic_cast<TSeSkinObject*>(&m_owner->Components(m_index)))
        ++m_index;
}

int TSeSkinObject::ChildCount() const {
    int count = 0;
    for ([[maybe_unused]] TSeSkinObject* child : Children())
        ++count;
    return count;
}

TSeSkinObject& TSeSkinObject::Child(int index) const {
    int i = 0;
    for (TSeSkinObject* child : Children())
        if (i++ == index) return *child;
    throw EListError("Skin object index out of bounds (" + std::to_string(index) + ")");
}

TSeSkinObject* TSeSkinObject::Parent() const {
    return dynamic_cast<TSeSkinObject*>(Owner());
}

TSeSkinObject& TSeSkinObject::Root() {
    TSeSkinObject* root = this;
    while (TSeSkinObject* parent = root->Parent())
        root = parent;
    return *root;
}

std::vector<uint8_t> TSeSkinObject::Objects() const {
    std::vector<const TComponent*> children;
    for (TSeSkinObject* child : Children())
        children.push_back(child);
    return ComponentRecordsToBytes(children);
}

void TSeSkinObject::SetObjects(const std::vector<uint8_t>& records) {
    std::vector<std::unique_ptr<TComponent>> read = ComponentRecordsFromBytes(records);
    for (const auto& component : read)
        if (!dynamic_cast<TSeSkinObject*>(component.get()))
            throw EReadError("a " + component->ClassName() + " is not a skin object");
    for (auto& component : read)
        InsertComponent(std::move(component));
}

void TSeSkinObject::GetChildren(const std::function<void(TComponent&)>& proc) const {
    if (WritingTextForm() != TSkinTextForm::tsfEditable) return;
    for (TSeSkinObject* child : Children())
        proc(*child);
}

// --- Tree operations
// -------------------------------------------------------------------------------

void TSeSkinObject::DrawChildren(TKsBitmap& target) {
    for (TSeSkinObject* child : Children())
        if (child->m_visible && child->m_width > 0 && child->m_height > 0) child->Draw(target);
}

void TSeSkinObject::SetActive(bool active) {
    if (m_windowActive == active) return;
    ApplyActive(active);
}

void TSeSkinObject::ApplyActive(bool active) {
    m_windowActive = active;
    for (TSeSkinObject* child : Children())
        child->ApplyActive(active);
}

void TSeSkinObject::SetControl(TControl* control, TSeBiDiMode mode) {
    ChangeReference(m_control, control);
    m_biDiMode = mode;
    for (TSeSkinObject* child : Children())
        child->SetControl(control, mode);
}

void TSeSkinObject::Notification(TComponent& component, TOperation operation) {
    if (operation == TOperation::opRemove && &component == m_control) m_control = nullptr;
    TComponent::Notification(component, operation);
}

void TSeSkinObject::SetBitmaps(TKsBitmapList* bitmaps) {
    m_bitmaps = bitmaps;
    for (TSeSkinObject* child : Children())
        child->SetBitmaps(bitmaps);
}

TSeSkinObject* TSeSkinObject::FindObject(std::string_view name) {
    if (SameText(Name(), name)) return this;
    for (TSeSkinObject* child : Children())
        if (TSeSkinObject* found = child->FindObject(name)) return found;
    return nullptr;
}

TSeSkinObject* TSeSkinObject::FindObjectByKind(TSeKind kind) {
    if (m_kind == kind) return this;
    for (TSeSkinObject* child : Children())
        if (TSeSkinObject* found = child->FindObjectByKind(kind)) return found;
    return nullptr;
}

TSeSkinObject* TSeSkinObject::ObjectAtPoint(TPoint point) {
    if (!m_visible || !PtInRect(BoundsRect(), point)) return nullptr;
    if (m_kind == TSeKind::skTranparent) return nullptr;
    TSeSkinObject* hit = nullptr;
    for (TSeSkinObject* child : Children())
        if (TSeSkinObject* found = child->ObjectAtPoint(point)) hit = found;
    return hit ? hit : this;
}

std::optional<TRegion> TSeSkinObject::CreateRegion() {
    if (m_width <= 0 || m_height <= 0) return std::nullopt;
    const TChildRange children = Children();
    if (children.empty() || m_drawIfOwner) return CreateObjectRegion();
    std::optional<TRegion> region;
    for (TSeSkinObject* child : children) {
        if (!child->m_visible) continue;
        std::optional<TRegion> part = child->CreateRegion();
        if (!part) continue;
        if (region)
            region->Union(*part);
        else
            region = std::move(part);
    }
    return region;
}

std::optional<TRegion> TSeSkinObject::CreateObjectRegion() {
    return TRegion(BoundsRect());
}

void TSeSkinObject::Invalidate() {
    if (m_visible && m_control)
        m_control->Perform(SM_SKINOBJECTREPAINT, 0, reinterpret_cast<LPARAM>(this));
}

ISkinnedForm* TSeSkinObject::GetForm() const {
    if (!m_control) return nullptr;
    if (LRESULT answer = m_control->Perform(SM_GETSKINNEDFORM))
        return reinterpret_cast<ISkinnedForm*>(answer);
    // A skinned form hooks its window's procedure, which the control's own dispatch does not
    // pass through: the question goes to the top-level window's handle.
    TControl* top = m_control;
    while (top->Parent())
        top = top->Parent();
    auto* window = dynamic_cast<TWinControl*>(top);
    if (!window || !window->HandleAllocated()) return nullptr;
    return reinterpret_cast<ISkinnedForm*>(SendMessage(window->Handle(), SM_GETSKINNEDFORM));
}

// --- Virtual operations
// ----------------------------------------------------------------------------

void TSeSkinObject::SetState(TSeState state) {
    m_state = state;
    for (TSeSkinObject* child : Children())
        child->SetState(state);
}

void TSeSkinObject::ResolveBitmaps() {
    if (m_bitmaps)
        EnumLinks([this](TKsBitmapLink& link) {
            // A link without a name links to nothing, whatever the skin's bitmaps are called.
            if (link.Name().empty()) return;
            // The link keeps its own spelling of the name, so a skin written back is unchanged.
            if (auto resolved = m_bitmaps->GetBitmapLink(link.Name(), link.Rect())) {
                resolved->SetName(link.Name());
                link.Assign(*resolved);
            }
        });
    for (TSeSkinObject* child : Children())
        child->ResolveBitmaps();
}

void TSeSkinObject::Draw(TKsBitmap& target) {
    if (!m_visible || m_width <= 0 || m_height <= 0) return;
    if (m_drawIfOwner || ChildCount() == 0) DrawPlain(target);
    DrawChildren(target);
}

void TSeSkinObject::DrawPlain(TKsBitmap& target) {
    target.FillRect(BoundsRect(), ColorToPixel(DrawColor(), 255));
    DrawCaption(target);
}

void TSeSkinObject::ChangeHue(int32_t delta) {
    m_color = ShiftedHue(m_color, delta);
    m_font.SetColor(ShiftedHue(m_font.Color(), delta));
    for (TSeSkinObject* child : Children())
        child->ChangeHue(delta);
}

void TSeSkinObject::SetCharset(TFontCharset charset) {
    m_font.SetCharset(charset);
    for (TSeSkinObject* child : Children())
        child->SetCharset(charset);
}

// --- Cloning
// ----------------------------------------------------------------------------------------

std::unique_ptr<TSeSkinObject> CloneObject(const TSeSkinObject& object) {
    RegisterSkinObjectClasses();
    const TClassInfo* info = TClassRegistry::Instance().Find(object.ClassName());
    if (!info || !info->CanCreate()) return nullptr;
    std::unique_ptr<TComponent> made = info->Create();
    auto* copy = dynamic_cast<TSeSkinObject*>(made.get());
    if (!copy) return nullptr;
    made.release();
    std::unique_ptr<TSeSkinObject> result(copy);
    result->Assign(object);
    return result;
}

TSeSkinObject* CloneObject(const TSeSkinObject& object, TComponent& owner) {
    std::unique_ptr<TSeSkinObject> copy = CloneObject(object);
    if (!copy) return nullptr;
    TSeSkinObject& placed = *copy;
    owner.InsertComponent(std::move(copy));
    return &placed;
}

} // namespace brisat
