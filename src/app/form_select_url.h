// The open-URL dialog: an address edit with OK and Cancel, drawn by the main window's skin engine
// (its layout names "frmMain.SeSkinEngine1", so the main window must exist first). Pressing the
// client area drags it.
#pragma once

#include "app/layouts.h"
#include "framework/controls/form.h"

#include <string>

namespace brisat {

class TSeSkinEdit;

class TFormSelectURL : public TForm {
public:
    // Reads the layout (the embedded one unless given) and binds its address edit, raising
    // EComponentError when it is missing or of another class, and EReadError when the window
    // holding the skin engine does not exist.
    explicit TFormSelectURL(TComponent* owner, std::string_view layout = FormSelectURLLayout());
    std::string ClassName() const override { return "TFormSelectURL"; }

    // The address typed into the edit.
    std::string Address() const;

private:
    TSeSkinEdit* m_url = nullptr;
};

} // namespace brisat
