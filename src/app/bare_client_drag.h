// A press on a window's bare client surface (no control under it) moves the window as one on
// its caption does, also when a skinned frame answers the window's hit tests.
#pragma once

namespace brisat {

class TForm;
class TSeSkinForm;

// Hooks Form's window above Frame; the hook is owned by Form.
void DragByBareClient(TForm& form, TSeSkinForm& frame);

} // namespace brisat
