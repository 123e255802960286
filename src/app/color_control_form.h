// The colour adjustment dialog: four standard track bars and a check box that edit the video
// window's colour settings live; the video window's capabilities decide which can be used.
#pragma once

#include "framework/core/exceptions.h"
#include "framework/controls/form.h"

namespace brisat {

class TDSVideoWindowEx2;

class TColorControlForm : public TForm {
public:
    TColorControlForm(TComponent* owner, TDSVideoWindowEx2& video);
    std::string ClassName() const override { return "TColorControlForm"; }

    // Copies the colour settings into the controls (each control's handler writes its value
    // back, so the settings stay as they are).
    void GetValues();

    template <class T> T& Get(std::string_view name) const {
        T* found = dynamic_cast<T*>(const_cast<TColorControlForm*>(this)->FindComponentInTree(name));
        if (!found)
            throw EComponentError("The colour dialog has no component " + std::string(name));
        return *found;
    }

private:
    void FormShow();
    void ApplyCapabilities();

    TDSVideoWindowEx2& m_video;
};

} // namespace brisat
