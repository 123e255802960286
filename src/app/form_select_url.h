// The open-URL dialog: an address edit with OK and Cancel. Pressing the client area drags it.
#pragma once

#include "framework/controls/form.h"

#include <string>

namespace brisat {

class TFormSelectURL : public TForm {
public:
    explicit TFormSelectURL(TComponent* owner);
    std::string ClassName() const override { return "TFormSelectURL"; }

    // The address typed into the edit.
    std::string Address() const;

protected:
    void WndProc(TMessage& message) override;
};

} // namespace brisat
