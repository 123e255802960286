// TSkinWindowDemoForm: the window of `brisat-skin window`. A TSeSkinForm draws its frame from the
// form's skin engine; a skinned button, edit and track bar stand in the client. A right click in
// the client opens a skinned popup menu of eight items with a sub-menu, with Ctrl held its
// translucent twin. Changes of the window state and of the bounds, the places of the open popups
// and menu clicks go to stdout as they happen.
#pragma once

#include "framework/controls/form.h"

#include <string>
#include <vector>

namespace brisat {

class TSeSkinEngine;
class TSeSkinForm;
class TSeSkinPopupMenu;
class TTimer;

class TSkinWindowDemoForm : public TForm {
public:
    // Loads SkinFile (empty: none) into the form's engine.
    TSkinWindowDemoForm(TComponent* owner, const std::string& skinFile);
    ~TSkinWindowDemoForm() override;
    std::string ClassName() const override { return "TSkinWindowDemoForm"; }

    TSeSkinForm& Frame() { return *m_frame; }
    // "at NAME X Y W H" for every caption button shown and the client area.
    void ReportPlaces();

private:
    void BuildControls();
    TSeSkinPopupMenu& BuildMenu(bool translucent);
    // Reports the state and the bounds when they changed since last reported.
    void ReportChanges();
    // "popup X Y W H" (screen) for each popup window shown since the last look; stops looking
    // once the menu is gone.
    void ReportPopups();

    TSeSkinEngine* m_engine = nullptr;
    TSeSkinForm* m_frame = nullptr;
    TSeSkinPopupMenu* m_menu = nullptr;
    TSeSkinPopupMenu* m_translucentMenu = nullptr;
    TTimer* m_popupWatch = nullptr;
    std::vector<TRect> m_reportedPopups;
    int m_reportedState = 0;
    TRect m_reportedBounds;
};

} // namespace brisat
