#pragma once

#include "click.h"
#include "system_library.h"

#include <memory>
#include <vector>
#include <windows.h>

namespace trimwise {

// Hooks into a box's window procedure with user32 alone, so that comctl32 need not load
// before the window appears. Each hook keeps what it needs under a window property of its
// own and calls on to the procedure it found, so that several can sit on one box.

// Hands each character typed into the box to TypedIntoBox, with the user's decimal separator,
// before the box inserts it.
// Pasted text does not pass through here.
void FilterTypedCharacters(HWND box);

// Posts `message` to the form, with the box in wParam, for each left click on a box, as the
// click tracker tells it from the box's left-button and capture messages. It posts once the box has
// handled the button itself, so that the box has the focus before the form acts. It must outlive
// the box.
class ClickWatcher {
public:
    ClickWatcher(HWND box, HWND form, UINT message) noexcept;
    ClickWatcher(const ClickWatcher&) = delete;
    ClickWatcher& operator=(const ClickWatcher&) = delete;
    ~ClickWatcher() = default;

private:
    static LRESULT CALLBACK watch(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

    HWND form_;
    UINT message_;
    WNDPROC boxProcedure_;
    ClickTracker tracker_;
};

// The hooks of the form's boxes, as the window's rules ask: the key filter in the boxes that
// filter typed keys, and a click watcher on each box that answers clicks. It must outlive the
// boxes.
class InputHooks {
public:
    InputHooks(HWND form, UINT clickMessage);
    // Turns input methods off in the boxes that take none, once the window is shown.
    void turnOffInputMethods() const;

private:
    HWND form_;
    SystemLibrary inputMethods_{L"imm32.dll"};
    std::vector<std::unique_ptr<ClickWatcher>> clickWatchers_;
};

} // namespace trimwise
