#pragma once

#include "handles.h"
#include "layout_table.h"
#include "system_library.h"

#include <array>
#include <commctrl.h>
#include <string>
#include <windows.h>

namespace trimwise {

// One tooltip control for the whole window: the text boxes by their windows, the windowless
// labels by their boxes on the form. The control belongs to the form and goes with it; the
// texts and the font it shows stay here, so this must outlive the form's window.
class ToolTips {
public:
    ToolTips(HWND form, HINSTANCE instance, int dpi);
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;
    ~ToolTips() = default;

    // The window has moved to a display of another scale: the painted labels' tools move to
    // their boxes there, and the tips take the font and width of that scale.
    void rescale(int dpi);

    // Answers the control's TTN_GETDISPINFOW with the tool's text.
    void giveText(NMTTDISPINFOW& request);

private:
    void scaleTo(int dpi);

    // Loaded while the tooltip control lives: the form's window takes it along before this goes.
    SystemLibrary commonControls_{L"comctl32.dll"};
    HWND form_;
    HWND tips_;
    Font font_;
    // Each row's tip, by its place in the layout table.
    std::array<std::wstring, kControls.size()> texts_;
};

} // namespace trimwise
