#pragma once

#include "appearance.h"
#include "contrast.h"
#include "form_view.h"
#include "handles.h"
#include "input_hooks.h"
#include "pictures.h"
#include "tooltips.h"
#include "window_owner.h"

#include <optional>

namespace trimwise {

// The one window. It draws the controls and hands their events to the window's handlers,
// which decide; it does what they ask of a view. It owns every handle it uses, and gets its
// window's messages through an OwnedWindowClass. It is a dialog of a class of its own:
// Windows' dialog manager keeps the focus across deactivation and minimising, walks the tab
// order and sends the dialog keys.
class Form1 final : public FormView {
public:
    explicit Form1(HINSTANCE instance);
    ~Form1() override = default;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    [[nodiscard]] HWND window() const noexcept { return window_.get(); }
    void show(int showCommand);

    [[nodiscard]] std::string boxText(Box box) const override;
    void setBoxText(Box box, std::string_view text) override;
    void showWarning(std::string_view title, std::string_view message) override;
    void focusAndSelectAll(Box box) override;
    void endProgram() override;

private:
    friend class OwnedWindowClass<Form1>;
    static LRESULT byDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Each message the form answers, to its handler; none where Windows' own handling follows.
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT onCreate();
    LRESULT onPaint();
    LRESULT onEditColours(HDC dc, HWND edit);
    std::optional<LRESULT> onDesktopChanged(bool newStatusFont);
    std::optional<LRESULT> onSetCursor(HWND over, UINT hitTest);
    LRESULT onGetDpiScaledSize(int dpi, SIZE& size);
    LRESULT onDpiChanged(int dpi, const RECT& frame);
    std::optional<LRESULT> onNotify(NMHDR& header);
    std::optional<LRESULT> onSysCommand(WPARAM command);
    std::optional<LRESULT> onActivate(bool active);
    LRESULT onClose();
    LRESULT onCommand(int id, int code);
    LRESULT onControlClicked(HWND control);
    LRESULT onAfterShown();
    LRESULT onAfterFirstPaint();
    LRESULT onDestroy();

    [[nodiscard]] bool tipsMayLoad() const;
    void setIcons(int dpi);
    bool takeDesktopColours();
    void resetPointer() const;
    const Pixels& dove();
    [[nodiscard]] HWND box(Box which) const noexcept;

    HINSTANCE instance_;
    // At the system's scale; the class shows them, and so must outlive it.
    ApplicationIcons classIcons_;
    OwnedWindowClass<Form1> windowClass_;
    BackgroundPicture background_;
    FormColours colours_{};
    Brush boxBrush_;
    // Decoded at the first paint, once the window is on screen.
    std::optional<Pixels> dove_;
    std::optional<Appearance> appearance_;
    // At the window's scale, where it is not the system's.
    ApplicationIcons windowIcons_;
    std::optional<InputHooks> hooks_;
    std::optional<ToolTips> tips_;
    bool painted_ = false;
    POINT pointerWhenShown_{};
    HWND focusWhenMinimised_ = nullptr;
    // Last, so that the window goes first, while everything it uses still exists.
    Window window_;
};

} // namespace trimwise
