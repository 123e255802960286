// TKsComboWindow: the borderless, topmost tool window a combo box drops its list into. It tells
// the combo box when it loses the activation (the user clicked elsewhere), and keeps its owner
// form's caption drawn active meanwhile. GUI thread only.
#pragma once

#include "framework/controls/form.h"

#include <functional>

namespace brisat {

class TKsComboWindow : public TForm {
public:
    // Owner: the combo box's form (its caption stays active), or nullptr.
    explicit TKsComboWindow(TCustomForm* ownerForm);
    std::string ClassName() const override { return "TKsComboWindow"; }

    // Runs when the window loses the activation.
    std::function<void()> OnDeactivated;

protected:
    void CreateParams(TCreateParams& params) override;
    void Deactivate() override;
    void WndProc(TMessage& message) override;

private:
    TCustomForm* m_ownerForm;
};

} // namespace brisat
