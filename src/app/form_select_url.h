// The open-URL dialog: an address edit with OK and Cancel. Pressing the client area drags it.
#pragma once

#include "app/layouts.h"
#include "framework/controls/form.h"

#include <string>

namespace brisat {

class TEdit;

class TFormSelectURL : public TForm {
public:
    // Reads the layout (the embedded one unless given) and binds its address edit, raising
    // EComponentError when it is missing or of another class.
    explicit TFormSelectURL(TComponent* owner, std::string_view layout = FormSelectURLLayout());
    std::string ClassName() const override { return "TFormSelectURL"; }

    // The address typed into the edit.
    std::string Address() const;

protected:
    void WndProc(TMessage& message) override;

private:
    TEdit* m_url = nullptr;
};

} // namespace brisat
