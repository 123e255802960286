// The size constraints of a TKsCustomForm as a nested persistent object, so layouts write them
// as "Constraints.MinWidth" and so on; every change goes through the form's SetConstraints.
#pragma once

#include "framework/core/persistent.h"
#include "skin_windows/ks_custom_form.h"

namespace brisat {

class TKsFormConstraints : public TPersistent {
public:
    explicit TKsFormConstraints(TKsCustomForm& form) : m_form(form) {}
    std::string ClassName() const override { return "TKsFormConstraints"; }

    int32_t MaxHeight() const { return m_form.Constraints().MaxHeight; }
    void SetMaxHeight(int32_t value) { Change(&TKsSizeConstraints::MaxHeight, value); }
    int32_t MaxWidth() const { return m_form.Constraints().MaxWidth; }
    void SetMaxWidth(int32_t value) { Change(&TKsSizeConstraints::MaxWidth, value); }
    int32_t MinHeight() const { return m_form.Constraints().MinHeight; }
    void SetMinHeight(int32_t value) { Change(&TKsSizeConstraints::MinHeight, value); }
    int32_t MinWidth() const { return m_form.Constraints().MinWidth; }
    void SetMinWidth(int32_t value) { Change(&TKsSizeConstraints::MinWidth, value); }

private:
    void Change(int32_t TKsSizeConstraints::*field, int32_t value) {
        TKsSizeConstraints c = m_form.Constraints();
        c.*field = value;
        m_form.SetConstraints(c);
    }

    TKsCustomForm& m_form;
};

} // namespace brisat
