#include "framework/controls/screen.h"

#include "framework/core/component_references.h"
#include "framework/core/exceptions.h"
#include "framework/core/identifiers.h"
#include "framework/core/store_if_changed.h"
#include "framework/controls/form.h"
#include "platform/platform.h"

#include <algorithm>

namespace brisat {

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

TScreen::TScreen() {
    AddGlobalComponentFinder([this](std::string_view name) { return FindForm(name); });
}

TCustomForm* TScreen::FindForm(std::string_view name) const {
    for (TCustomForm* form : m_forms)
        if (SameText(form->Name(), name)) return form;
    return nullptr;
}

TCustomForm& TScreen::Forms(int index) const {
    if (index < 0 || index >= FormCount())
        throw EInvalidOperation("Form index out of bounds (" + std::to_string(index) + ")");
    // Shown forms in window z-order first.
    std::vector<TCustomForm*> ordered;
    for (HWND top : GetTopLevelWindows())
        if (auto* f = dynamic_cast<TCustomForm*>(FindControl(top));
            f && std::find(m_forms.begin(), m_forms.end(), f) != m_forms.end() &&
            IsWindowVisible(top))
            ordered.push_back(f);
    for (TCustomForm* f : m_forms)
        if (std::find(ordered.begin(), ordered.end(), f) == ordered.end()) ordered.push_back(f);
    return *ordered[size_t(index)];
}

void TScreen::AddForm(TCustomForm& form) {
    m_forms.push_back(&form);
}

void TScreen::RemoveForm(TCustomForm& form) {
    std::erase(m_forms, &form);
    if (m_activeForm == &form) m_activeForm = nullptr;
}

int TScreen::MonitorCount() const {
    return int(MonitorsNow().size());
}

TMonitor TScreen::Monitors(int index) const {
    const std::vector<TMonitor> list = MonitorsNow();
    if (index < 0 || index >= int(list.size()))
        throw EInvalidOperation("Monitor index out of bounds (" + std::to_string(index) + ")");
    return list[size_t(index)];
}

TMonitor TScreen::PrimaryMonitor() const {
    const std::vector<TMonitor> list = MonitorsNow();
    for (const TMonitor& m : list)
        if (m.Primary()) return m;
    return list.front();
}

TRect TScreen::DesktopRect() const {
    TRect r;
    for (const TMonitor& m : MonitorsNow())
        r = UnionRect(r, m.BoundsRect());
    return r;
}

void TScreen::SetCursor(TCursor cursor) {
    if (StoreIfChanged(m_cursor, cursor)) Platform().SetCursor(cursor);
}

} // namespace brisat
