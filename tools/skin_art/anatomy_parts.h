// The builders of the top-level objects, one per family, in the anatomy's files.
#pragma once

#include "skin_art/anatomy_kit.h"

namespace skin_art {

void BuildForm(TBuilder& b, bool tool);
void BuildMenuBar(TBuilder& b);
void BuildPopupMenu(TBuilder& b);
void BuildPanel(TBuilder& b);
void BuildButton(TBuilder& b);
void BuildTrackBar(TBuilder& b);
void BuildScrollBar(TBuilder& b);
void BuildListBox(TBuilder& b);
void BuildComboBox(TBuilder& b);
void BuildEdit(TBuilder& b);
void BuildCheckBox(TBuilder& b);
void BuildRadioButton(TBuilder& b);
void BuildGroupBox(TBuilder& b);
void BuildTabs(TBuilder& b);

// Check-box glyphs "Checked", "Unchecked" and "Mixed" (check boxes and list boxes).
void AddCheckGlyphs(TBuilder& b, brisat::TSeSkinObject& parent);

} // namespace skin_art
