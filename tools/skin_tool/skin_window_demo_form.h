// TSkinWindowDemoForm: the window of `brisat-skin window`. A TSeSkinForm draws its frame from the
// form's skin engine; a skinned button, edit and track bar stand in the client. Changes of the
// window state and of the bounds go to stdout as they happen.
#pragma once

#include "framework/controls/form.h"

#include <string>

namespace brisat {

class TSeSkinEngine;
class TSeSkinForm;

class TSkinWindowDemoForm : public TForm {
public:
    // Loads SkinFile (empty: none) into the form's engine.
    TSkinWindowDemoForm(TComponent* owner, const std::string& skinFile);
    std::string ClassName() const override { return "TSkinWindowDemoForm"; }

    TSeSkinForm& Frame() { return *m_frame; }
    // "at NAME X Y W H" for every caption button shown and the client area.
    void ReportPlaces();

private:
    void BuildControls();
    // Reports the state and the bounds when they changed since last reported.
    void ReportChanges();

    TSeSkinEngine* m_engine = nullptr;
    TSeSkinForm* m_frame = nullptr;
    int m_reportedState = 0;
    TRect m_reportedBounds;
};

} // namespace brisat
