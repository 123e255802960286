// TSeSkinPopupWindow: the popup window of skinned items, framed by a TSeSkinPopupForm on the
// items' engine. GUI thread only.
#pragma once

#include "skin_windows/ks_popup_window.h"

namespace brisat {

class TSeSkinEngine;

class TSeSkinPopupWindow : public TKsPopupWindow {
public:
    TSeSkinPopupWindow(TKsCustomItem& item, TSeSkinEngine* engine)
        : TKsPopupWindow(item), m_engine(engine) {}
    std::string ClassName() const override { return "TSeSkinPopupWindow"; }

protected:
    TKsPopupForm& CreateForm() override;

private:
    TSeSkinEngine* m_engine;
};

} // namespace brisat
