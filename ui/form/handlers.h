#pragma once

#include "form_view.h"
#include "layout_table.h"

namespace trimwise {

// What a click on a control does, as its row says: the C.G. box calculates, EXIT ends the
// program, and every other control does nothing of the program's own. A front end calls it
// for a mouse click on a box (the button went down and came up inside it, once the box has
// taken the focus) and for a push button's click, by mouse or key.
// A calculation that fails tells the user what stopped it, then gives the box to fix the
// focus with its text selected.
void Clicked(FormView& view, const ControlSpec& control);

} // namespace trimwise
